<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Advice</name>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Anota ahora %1: total esperado %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Tira los dados: total esperado %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Tira los dados del cubilete: total esperado %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Devuelve el %1 y vuelve a tirar: total esperado %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Devuelve el %1 y el %2 y vuelve a tirar: total esperado %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Devuelve el %1, el %2 y el %3 y vuelve a tirar: total esperado %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Devuelve el %1, el %2, el %3 y el %4 y vuelve a tirar: total esperado %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Devuelve los cinco dados y vuelve a tirar: total esperado %1.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Anotar ahora %1: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Volver a tirar, en el mejor caso: %1.</translation>
    </message>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>En la pantalla de inicio no hay jugada que aconsejar: empieza antes la partida.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Cierra antes el panel: la mejor jugada se muestra en el tablero.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>La partida ha terminado: no hay jugada que aconsejar.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Ahora no hay jugada que aconsejar.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Anota ahora 0 en %1: total esperado %2.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Anotar ahora 0 en %1: %2.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Mejor jugada</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>Error de MCI</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>no se pudo guardar la configuración en %1: %2</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0: cinco dados, un cubilete, un pergamino
Tirados sobre mármol, anotados con tinta. ¡Suerte!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>la función ha fallado</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>el búfer es demasiado pequeño</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>No se puede escribir en el archivo</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>No se pudo guardar el Top 10 en %1: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 ha conseguido %n punto</numerusform>
            <numerusform>%1 ha conseguido %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>No se pudo guardar la configuración en %1: %2.</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>No se pudo guardar la elección del ordenador en %1: %2; se mantiene hasta cerrar el juego.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>No se pudo guardar la elección de idioma en %1: %2; se mantiene hasta cerrar el juego.</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Bexil</source>
        <translation>Bexil</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Escalera mayor</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Escalera menor</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seises</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Unos</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Libre</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>Un juego de dados para uno a cuatro jugadores, o uno contra el ordenador.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Leer los efectos de sonido, la música y la ayuda de &lt;carpeta&gt;.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Guardar el archivo de configuración bexil.ini en &lt;carpeta&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>La opción «--%1» necesita una carpeta.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Pruebe «%1 --help» para ver las opciones.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>no existe la carpeta de datos «%1»</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a directory, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>otra partida en curso lo mantenía bloqueado</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>una parte de su ruta no es una carpeta</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>sus enlaces simbólicos forman un bucle</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>el disco informó de un error</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>es un enlace simbólico que no lleva a ninguna parte</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Ayuda de Ossaric</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Cargando la ayuda…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>El archivo de ayuda &lt;b&gt;%1&lt;/b&gt; de la carpeta del juego&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;es demasiado grande para mostrarlo.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>No se encontró el archivo de ayuda &lt;b&gt;%1&lt;/b&gt; en la carpeta del juego&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>Falta la ayuda</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, enlace</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>Rep&amp;aso de la última partida</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>Ordenador &amp;clásico</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>Ordenador &amp;experto</translation>
    </message>
    <message>
        <source>&amp;Best Move</source>
        <translation>&amp;Mejor jugada</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Como el &amp;sistema</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>&amp;Reiniciar partida</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Más &amp;rápida</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Más &amp;lenta</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Música activada</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>Música desac&amp;tivada</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Efectos activados</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>Efectos &amp;desactivados</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>Puntuación &amp;actual</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>&amp;Borrar el Top 10</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>P&amp;untuación</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>El archivo de música «%1» se detuvo nada más empezar. Se omitirá hasta que se vuelva a iniciar el juego.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Jugador %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Elige una opción del menú Partida.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Elige ahora una categoría.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>Máximo tres tiradas</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>No hay dados en el cubilete.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Fin de la partida</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Total de %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>¿Sabías que…?</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Otro</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>turno</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Nombres de los jugadores</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Mostrar el consejo del día</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Volver a %1</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>anotar %1</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>tirar los cinco</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>guardar %1 y tirar</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>El repaso estará listo cuando se haya jugado una partida completa.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Tu juego: %1 % (%2 puntos perdidos por tus decisiones)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (%3 puntos perdidos por sus decisiones)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Todas las decisiones fueron las mejores.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Turno %1, tirada %2, dados %3: %4; lo mejor: %5 (%6 puntos).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Repaso</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Mesa de juego</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>Tirar %n dado</numerusform>
            <numerusform>Tirar %n dados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>queda %n tirada</numerusform>
            <numerusform>quedan %n tiradas</numerusform>
        </translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contra el ordenador</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n jugador</numerusform>
            <numerusform>%n jugadores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n dado en el cubilete</numerusform>
            <numerusform>%n dados en el cubilete</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Hoja de puntuación</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>vacía, sumaría %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Total de %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>¿Sabías que…?</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Has sacado %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 ha sacado %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Guardas %1, tiras %n dado: %2</numerusform>
            <numerusform>Guardas %1, tiras %n dados: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 guarda %2, tira %n dado: %3</numerusform>
            <numerusform>%1 guarda %2, tira %n dados: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Anotas %1 en %2</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 anota %2 en %3</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>Tira %1</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Cubilete, juega el ordenador</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Pasar turno, le toca a %1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Cubilete, no hay ninguna partida en curso</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Cubilete, no quedan tiradas, elige una categoría</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Cubilete, vuelve al jugador 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Cubilete vacío, queda %n tirada</numerusform>
            <numerusform>Cubilete vacío, quedan %n tiradas</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Dado %1, %2</translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Nombre del jugador %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>guardado, no quedan tiradas</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>en la mesa, pulsa para devolverlo al cubilete</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>escribe el nombre, Intro para terminar</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>Total de %1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>Nueva partida. Elige los jugadores y sus nombres, y luego pulsa Volver a Ossaric</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Tirada %1. %2. Queda %n tirada</numerusform>
            <numerusform>Tirada %1. %2. Quedan %n tiradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, tirada %1. %2. Queda %n tirada</numerusform>
            <numerusform>%3, tirada %1. %2. Quedan %n tiradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 guarda %4, tirada %1. %2. Queda %n tirada</numerusform>
            <numerusform>%3 guarda %4, tirada %1. %2. Quedan %n tiradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n punto. Total %2</numerusform>
            <numerusform>%1, %n puntos. Total %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %n punto para %3. Total %2</numerusform>
            <numerusform>%1, %n puntos para %3. Total %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Dado %1, %2, de vuelta al cubilete. %n dado en el cubilete</numerusform>
            <numerusform>Dado %1, %2, de vuelta al cubilete. %n dados en el cubilete</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Deshecho. La casilla %1 vuelve a estar vacía. Total %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Deshecho. %n dado vuelve a la mesa</numerusform>
            <numerusform>Deshecho. %n dados vuelven a la mesa</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Cambio de turno. Le toca a %1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Fin de la partida. %n punto</numerusform>
            <numerusform>Fin de la partida. %n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Fin de la partida. Empate a %n punto</numerusform>
            <numerusform>Fin de la partida. Empate a %n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Fin de la partida. %1 gana con %n punto</numerusform>
            <numerusform>Fin de la partida. %1 gana con %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Top 10 borrado</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric se cierra</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 dados</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>Una columna</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 dados</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Dos columnas</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>Total de %1:</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The points tooltip over a row of the score sheet: the category, then its points.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound device is already in use.</source>
        <translation>El dispositivo de sonido ya está en uso.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>No hay ningún dispositivo de sonido disponible: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>No hay ningún dispositivo de sonido disponible.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>No se puede reproducir la música: no se encontró ningún banco de sonidos General MIDI. Instale el paquete timgm6mb-soundfont para oírla.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>No se encuentra el archivo de música «%1».</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>El archivo de música «%1» no es un archivo MIDI.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>No se puede reproducir el archivo de música «%1»: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>No hay ninguna pieza abierta en este dispositivo.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>La música no puede empezar: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>El dispositivo de música no indica ningún error.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>No se puede reproducir música en este sistema.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>No se puede abrir el archivo de música.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>La música no puede empezar.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Error desconocido %1 del dispositivo de música.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Una pieza musical se detuvo nada más empezar.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>Las teclas «+» y «-» cambian la velocidad de la animación.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>Del suelo no te puedes caer.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Para dejar de oír una pieza, cambia la extensión «mid» de su archivo o bórralo.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Alexander Graham Bell inventó el teléfono para que la gente dejara de gritar.
        – examen escolar</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>«Reiniciar partida», en el menú Partida, vuelve a empezar la partida actual.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Si todo lo demás falla, lee el manual.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>Según tu última jugada, «Deshacer» te devuelve los dados del cubilete o borra la última anotación.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>¿Cuál es el sinónimo de «sinónimo»?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Pon tu propia música (archivos MIDI) en la carpeta
~/.local/share/ossaric/music
y sonará una pieza tras otra.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>La gravedad se nota sobre todo en otoño, cuando las manzanas caen de los árboles.
        – examen escolar</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>El Top 10 se vacía con «Borrar el Top 10» del menú Puntuación.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>La burocracia frena el nuevo puente.
        – noticia</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric guarda los diez mejores totales de sus jugadores humanos. El ordenador juega, pero nunca entra en el Top 10.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>La invención del barco de vapor hizo surgir toda una red de ríos.
        – examen escolar</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>Los puntos bajo el cubilete indican las tiradas que quedan.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Nunca juzgues un libro por su película.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric recuerda de una partida a otra cuántos juegan y cómo se llaman.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Los habitantes de Egipto se llamaban momias. Viajaban en Camelot.
        – examen escolar</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>La velocidad de animación elegida se guarda de una partida a otra.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>¡Sé noticia! Duerme sobre una almohada de pana.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Mejores puntuaciones</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Nombre           Puntos</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>No se pueden leer las puntuaciones del Top 10 en %1: %2.
Las nuevas puntuaciones se muestran, pero no se guardan mientras no se pueda leer el archivo.</translation>
    </message>
</context>
</TS>
