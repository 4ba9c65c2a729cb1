<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Advice</name>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Scrivi ora %1: totale atteso %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Lancia i dadi: totale atteso %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Lancia i dadi del bussolotto: totale atteso %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Rimetti il %1 e rilancia: totale atteso %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Rimetti il %1 e il %2 e rilancia: totale atteso %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Rimetti il %1, il %2 e il %3 e rilancia: totale atteso %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Rimetti il %1, il %2, il %3 e il %4 e rilancia: totale atteso %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Rimetti tutti e cinque i dadi e rilancia: totale atteso %1.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Scrivere ora %1: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Rilanciare, al meglio: %1.</translation>
    </message>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>Nella schermata iniziale non c’è una mossa da consigliare: prima inizia la partita.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Prima chiudi il pannello: la mossa migliore viene mostrata sul tavolo.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>La partita è finita: non c’è una mossa da consigliare.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Ora non c’è una mossa da consigliare.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Scrivi ora 0 in %1: totale atteso %2.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Scrivere ora 0 in %1: %2.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Mossa migliore</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>Errore MCI</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>impossibile salvare le impostazioni in %1: %2</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 - cinque dadi, un bussolotto, una pergamena
Lanciati sul marmo, scritti a inchiostro. Buona fortuna!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>funzione non riuscita</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>buffer troppo piccolo</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Impossibile scrivere il file</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>Impossibile salvare la Top 10 in %1: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 ha totalizzato %n punto</numerusform>
            <numerusform>%1 ha totalizzato %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>Impossibile salvare le impostazioni in %1: %2.</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Impossibile salvare la scelta del computer in %1: %2; resta valida fino alla chiusura del gioco.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Impossibile salvare la scelta della lingua in %1: %2; resta valida fino alla chiusura del gioco.</translation>
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
        <translation>Scala maggiore</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Scala minore</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Chance</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>Un gioco di dadi per uno a quattro giocatori, o uno contro il computer.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Legge effetti sonori, musica e guida da &lt;cartella&gt;.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>cartella</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Tiene il file delle impostazioni bexil.ini in &lt;cartella&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>L&apos;opzione «--%1» richiede una cartella.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Prova «%1 --help» per le opzioni.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>nessuna cartella dati «%1»</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a directory, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>è una pipe con nome, non un file</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>è un dispositivo, non un file</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>è un socket, non un file</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>un’altra partita in corso lo teneva bloccato</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la quota del disco è esaurita</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>i suoi collegamenti simbolici formano un ciclo</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>è troppo grande</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>il disco ha segnalato un errore</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>è un collegamento simbolico che non porta da nessuna parte</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Guida di Ossaric</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Caricamento della guida…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Il file della guida &lt;b&gt;%1&lt;/b&gt; nella cartella del gioco&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;è troppo grande per essere mostrato.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Il file della guida &lt;b&gt;%1&lt;/b&gt; non si trova nella cartella del gioco&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>Guida mancante</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, collegamento</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>&amp;Analisi dell&apos;ultima partita</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>Computer &amp;classico</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>Computer &amp;esperto</translation>
    </message>
    <message>
        <source>&amp;Best Move</source>
        <translation>&amp;Mossa migliore</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Come il &amp;sistema</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>&amp;Ricomincia partita</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Più &amp;veloce</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Più &amp;lenta</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Musica attiva</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>M&amp;usica disattivata</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Effetti sonori attivi</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>Effetti sonori &amp;disattivati</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>Punteggi &amp;attuali</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>A&amp;zzera la Top 10</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>Au&amp;dio</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>Pu&amp;nteggi</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>Il file musicale «%1» si è fermato appena iniziato. Verrà saltato fino al prossimo avvio del gioco.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Giocatore %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Scegli un comando dal menu Partita.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Ora scegli una categoria.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>Al massimo tre lanci</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>Nel bussolotto non ci sono dadi.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Fine partita</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Prossimo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Totale di %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Lo sapevi…</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Altro</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Passa</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>il turno</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Lanci</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Nomi dei giocatori</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Mostra il consiglio del giorno</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Torna a %1</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>scrivere %1</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>lanciare tutti e cinque</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>tenere %1 e lanciare</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>L&apos;analisi è pronta quando una partita è stata giocata fino in fondo.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Il tuo gioco: %1 % (%2 punti persi nelle scelte)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (%3 punti persi nelle scelte)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Ogni scelta è stata la migliore.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Turno %1, lancio %2, dadi %3: %4; meglio: %5 (%6 punti).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analisi</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Tavolo da gioco</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>Lancia %n dado</numerusform>
            <numerusform>Lancia %n dadi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>resta %n lancio</numerusform>
            <numerusform>restano %n lanci</numerusform>
        </translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Prossimo</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contro il computer</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n giocatore</numerusform>
            <numerusform>%n giocatori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n dado nel bussolotto</numerusform>
            <numerusform>%n dadi nel bussolotto</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Segnapunti</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>vuota, varrebbe %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Totale di %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Lo sapevi…</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Hai lanciato %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 ha lanciato %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Tieni %1, lanci %n dado: %2</numerusform>
            <numerusform>Tieni %1, lanci %n dadi: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 tiene %2, lancia %n dado: %3</numerusform>
            <numerusform>%1 tiene %2, lancia %n dadi: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Scrivi %1 in %2</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 scrive %2 in %3</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>Lancia %1</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Bussolotto, gioca il computer</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Passa il turno, tocca a %1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Bussolotto, nessuna partita in corso</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Bussolotto, niente più lanci, scegli una categoria</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Bussolotto, torna al giocatore 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Bussolotto vuoto, resta %n lancio</numerusform>
            <numerusform>Bussolotto vuoto, restano %n lanci</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Dado %1, %2</translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Nome del giocatore %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>tenuto, niente più lanci</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>sul tavolo, premi per rimetterlo nel bussolotto</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>scrivi il nome, Invio per confermare</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>Totale di %1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totale %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>Nuova partita. Scegli i giocatori e i loro nomi, poi Torna a Ossaric</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Lancio %1. %2. Resta %n lancio</numerusform>
            <numerusform>Lancio %1. %2. Restano %n lanci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, lancio %1. %2. Resta %n lancio</numerusform>
            <numerusform>%3, lancio %1. %2. Restano %n lanci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 tiene %4, lancio %1. %2. Resta %n lancio</numerusform>
            <numerusform>%3 tiene %4, lancio %1. %2. Restano %n lanci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n punto. Totale %2</numerusform>
            <numerusform>%1, %n punti. Totale %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %n punto per %3. Totale %2</numerusform>
            <numerusform>%1, %n punti per %3. Totale %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Dado %1, %2, torna nel bussolotto. %n dado nel bussolotto</numerusform>
            <numerusform>Dado %1, %2, torna nel bussolotto. %n dadi nel bussolotto</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Annullato. La casella %1 è di nuovo vuota. Totale %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Annullato. %n dado torna sul tavolo</numerusform>
            <numerusform>Annullato. %n dadi tornano sul tavolo</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Cambio di turno. Tocca a %1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Partita finita. %n punto</numerusform>
            <numerusform>Partita finita. %n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Partita finita. Pareggio a %n punto</numerusform>
            <numerusform>Partita finita. Pareggio a %n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Partita finita. Vince %1 con %n punto</numerusform>
            <numerusform>Partita finita. Vince %1 con %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Top 10 azzerata</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric si chiude</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 dadi</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>Una colonna</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 dadi</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Due colonne</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>Totale di %1:</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>Computer</translation>
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
        <translation>Il dispositivo audio è già in uso.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Nessun dispositivo audio disponibile: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Nessun dispositivo audio disponibile.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Impossibile riprodurre la musica: nessun soundfont General MIDI trovato. Installa il pacchetto timgm6mb-soundfont per ascoltarla.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>Impossibile trovare il file musicale «%1».</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>Il file musicale «%1» non è un file MIDI.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>Impossibile riprodurre il file musicale «%1»: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>Nessun brano aperto su questo dispositivo.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>La musica non può partire: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>Il dispositivo musicale non segnala errori.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>Su questo sistema non è possibile riprodurre musica.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Impossibile aprire il file musicale.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>La musica non può partire.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Errore sconosciuto %1 del dispositivo musicale.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Un brano musicale si è fermato appena iniziato.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>I tasti «+» e «-» cambiano la velocità dell&apos;animazione.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>Dal pavimento non si può cadere.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Per non sentire più un brano, cambia l&apos;estensione «mid» del suo file o cancellalo.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Alexander Graham Bell inventò il telefono perché la gente smettesse di urlare.
        – da un compito in classe</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>«Ricomincia partita» nel menu Partita fa ripartire la partita in corso.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Se tutto il resto fallisce, leggi il manuale.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>A seconda dell&apos;ultima mossa, «Annulla» ti ridà i dadi del bussolotto o cancella l&apos;ultimo punteggio.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>Qual è il sinonimo di «sinonimo»?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Metti la tua musica (file MIDI) nella cartella
~/.local/share/ossaric/music
e la sentirai un brano dopo l&apos;altro.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>La gravità si nota soprattutto in autunno, quando le mele cadono dagli alberi.
        – da un compito in classe</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>«Azzera la Top 10» nel menu Punteggi svuota la Top 10.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>La burocrazia blocca il nuovo ponte.
        – notizia di cronaca</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric conserva i dieci migliori totali dei giocatori umani. Il computer gioca, ma non entra mai nella Top 10.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>L&apos;invenzione del battello a vapore fece nascere una rete di fiumi.
        – da un compito in classe</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>I punti sotto il bussolotto indicano quanti lanci restano.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Non giudicare mai un libro dal suo film.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Da una partita all&apos;altra Ossaric ricorda quanti giocano e come si chiamano.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Gli abitanti dell&apos;Egitto si chiamavano mummie. Viaggiavano su Camelot.
        – da un compito in classe</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>La velocità di animazione scelta resta da una partita all&apos;altra.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>Fai notizia! Dormi su un cuscino di velluto a coste.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Migliori punteggi Bexil</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Nome             Punti</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>Impossibile leggere i punteggi della Top 10 in %1: %2.
I nuovi punteggi vengono mostrati ma non salvati finché il file non è leggibile.</translation>
    </message>
</context>
</TS>
