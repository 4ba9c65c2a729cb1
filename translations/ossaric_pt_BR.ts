<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Advice</name>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Anote %1 agora: total esperado %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Jogue os dados: total esperado %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Jogue os dados do copo: total esperado %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Devolva o %1 e jogue de novo: total esperado %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Devolva o %1 e o %2 e jogue de novo: total esperado %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Devolva o %1, o %2 e o %3 e jogue de novo: total esperado %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Devolva o %1, o %2, o %3 e o %4 e jogue de novo: total esperado %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Devolva os cinco dados e jogue de novo: total esperado %1.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Anotar %1 agora: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Jogar de novo, no melhor caso: %1.</translation>
    </message>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>Na tela de configuração não há jogada a sugerir: comece o jogo primeiro.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Feche o painel primeiro: a melhor jogada aparece no tabuleiro.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>O jogo terminou: não há jogada a sugerir.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Agora não há jogada a sugerir.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Anote 0 em %1 agora: total esperado %2.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Anotar 0 em %1 agora: %2.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Melhor jogada</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>Erro de MCI</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>não foi possível salvar as configurações em %1: %2</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 - cinco dados, um copo, um pergaminho
Lançados no mármore, escritos a tinta. Boa sorte!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>a função falhou</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>buffer pequeno demais</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Não é possível gravar o arquivo</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>Não foi possível salvar o Top 10 em %1: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 fez %n ponto</numerusform>
            <numerusform>%1 fez %n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar as configurações em %1: %2.</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Não foi possível salvar a escolha do computador em %1: %2; ela vale até o jogo ser fechado.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Não foi possível salvar a escolha do idioma em %1: %2; ela vale até o jogo ser fechado.</translation>
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
        <translation>Sequência alta</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Sequência baixa</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatros</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Uns</translation>
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
        <translation>Um jogo de dados para um a quatro jogadores, ou um contra o computador.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Ler os efeitos sonoros, a música e a ajuda de &lt;pasta&gt;.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>pasta</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Guardar o arquivo de configurações bexil.ini em &lt;pasta&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>A opção &quot;--%1&quot; precisa de uma pasta.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Use &quot;%1 --help&quot; para ver as opções.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>pasta de dados &quot;%1&quot; inexistente</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a directory, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>é um pipe nomeado, não um arquivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>é um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>é um socket, não um arquivo</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>outra partida em andamento o manteve bloqueado</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>a cota de disco se esgotou</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>os links simbólicos formam um ciclo</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>é grande demais</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>o disco relatou um erro</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>é um link simbólico que não leva a lugar nenhum</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Ajuda do Ossaric</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Carregando a ajuda…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>O arquivo de ajuda &lt;b&gt;%1&lt;/b&gt; na pasta do jogo&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;é grande demais para ser mostrado.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>O arquivo de ajuda &lt;b&gt;%1&lt;/b&gt; não foi encontrado na pasta do jogo&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>A ajuda não está disponível</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, link</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>Análise do último &amp;jogo</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>Computador &amp;clássico</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>Computador &amp;especialista</translation>
    </message>
    <message>
        <source>&amp;Best Move</source>
        <translation>&amp;Melhor jogada</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Como o &amp;sistema</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>&amp;Reiniciar jogo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Mais &amp;rápida</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Mais &amp;lenta</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Música ligada</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>Música desli&amp;gada</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Efeitos sonoros ligados</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>Efeitos sonoros &amp;desligados</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>Placar &amp;atual</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>&amp;Limpar o Top 10</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Velocidade</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>Á&amp;udio</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Placar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>O arquivo de música &quot;%1&quot; parou assim que começou. Ele fica de fora até o jogo ser iniciado novamente.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Jogador %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Escolha uma opção do menu Jogo.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Agora escolha uma categoria.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>No máximo três jogadas</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>Não há dados no copo.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Fim de jogo</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Próximo</translation>
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
        <translation>Você sabia…</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Outra</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Passar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>a vez</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Nomes dos jogadores</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Mostrar a dica do dia</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Voltar ao %1</translation>
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
        <translation>jogar os cinco</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>guardar %1 e jogar</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>A análise fica pronta quando um jogo é jogado até o fim.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Seu jogo: %1 % (%2 pontos perdidos nas escolhas)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (%3 pontos perdidos nas escolhas)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Todas as escolhas foram as melhores.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Rodada %1, jogada %2, dados %3: %4; melhor: %5 (%6 pontos).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Análise</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Mesa de jogo</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>one</source>
        <translation>um</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
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
            <numerusform>Jogar %n dado</numerusform>
            <numerusform>Jogar %n dados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>resta %n jogada</numerusform>
            <numerusform>restam %n jogadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Outra</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contra o computador</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n jogador</numerusform>
            <numerusform>%n jogadores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n dado no copo</numerusform>
            <numerusform>%n dados no copo</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Folha de pontos</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>vazia, valeria %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Total de %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Você sabia…</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Você tirou %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 tirou %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Você guarda %1, joga %n dado: %2</numerusform>
            <numerusform>Você guarda %1, joga %n dados: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 guarda %2, joga %n dado: %3</numerusform>
            <numerusform>%1 guarda %2, joga %n dados: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Você anota %1 em %2</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 anota %2 em %3</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Copo, o computador está jogando</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Passar a vez, vez de %1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Copo, nenhum jogo em andamento</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Copo, acabaram as jogadas, escolha uma categoria</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Copo, volta para o jogador 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Copo vazio, resta %n jogada</numerusform>
            <numerusform>Copo vazio, restam %n jogadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Dado %1, %2</translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Nome do jogador %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>guardado, acabaram as jogadas</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>na mesa, pressione para devolver ao copo</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>digite o nome, Enter para terminar</translation>
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
        <translation>Novo jogo. Escolha os jogadores e seus nomes, depois Voltar ao Ossaric</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Jogada %1. %2. Resta %n jogada</numerusform>
            <numerusform>Jogada %1. %2. Restam %n jogadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, jogada %1. %2. Resta %n jogada</numerusform>
            <numerusform>%3, jogada %1. %2. Restam %n jogadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 guarda %4, jogada %1. %2. Resta %n jogada</numerusform>
            <numerusform>%3 guarda %4, jogada %1. %2. Restam %n jogadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n ponto. Total %2</numerusform>
            <numerusform>%1, %n pontos. Total %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %n ponto para %3. Total %2</numerusform>
            <numerusform>%1, %n pontos para %3. Total %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Dado %1, %2, de volta ao copo. %n dado no copo</numerusform>
            <numerusform>Dado %1, %2, de volta ao copo. %n dados no copo</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Desfeito. %1 está livre de novo. Total %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Desfeito. %n dado de volta à mesa</numerusform>
            <numerusform>Desfeito. %n dados de volta à mesa</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Passando a vez. Vez de %1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Fim de jogo. %n ponto</numerusform>
            <numerusform>Fim de jogo. %n pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Fim de jogo. Empate com %n ponto</numerusform>
            <numerusform>Fim de jogo. Empate com %n pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Fim de jogo. %1 vence com %n ponto</numerusform>
            <numerusform>Fim de jogo. %1 vence com %n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Top 10 apagado</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Encerrando o Ossaric</translation>
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
        <translation>Uma coluna</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 dados</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Duas colunas</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
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
        <translation>Computador</translation>
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
        <translation>O dispositivo de som já está em uso.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Nenhum dispositivo de som disponível: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Nenhum dispositivo de som disponível.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Não é possível tocar a música: nenhum soundfont General MIDI foi encontrado. Instale o pacote timgm6mb-soundfont para ouvi-la.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>O arquivo de música &quot;%1&quot; não foi encontrado.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>O arquivo de música &quot;%1&quot; não é um arquivo MIDI.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>Não é possível tocar o arquivo de música &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>Nenhuma música está aberta neste dispositivo.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>A música não pode começar: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>O dispositivo de música não informou erro.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>Não é possível tocar música neste sistema.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Não é possível abrir o arquivo de música.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>A música não pode começar.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Erro desconhecido %1 do dispositivo de música.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Uma música parou assim que começou.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>As teclas &quot;+&quot; e &quot;-&quot; mudam a velocidade da animação.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>Do chão ninguém cai.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Para não ouvir mais uma música, mude a extensão &quot;mid&quot; do arquivo ou apague-o.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Alexander Graham Bell inventou o telefone para que as pessoas parassem de gritar.
        – prova escolar</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>&quot;Reiniciar jogo&quot;, no menu Jogo, recomeça a partida atual.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Se nada mais der certo, leia o manual.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>Conforme sua última jogada, &quot;Desfazer&quot; devolve os dados do copo ou apaga a última pontuação.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>Qual é o sinônimo de &quot;sinônimo&quot;?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Coloque suas músicas (arquivos MIDI) na pasta
~/.local/share/ossaric/music
para ouvi-las em sequência.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>A gravidade é mais notada no outono, quando as maçãs caem das árvores.
        – prova escolar</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>&quot;Limpar o Top 10&quot;, no menu Placar, esvazia o Top 10.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>Burocracia segura a ponte nova.
        – notícia</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>O Ossaric guarda os dez melhores totais dos jogadores humanos. O computador joga, mas nunca entra no Top 10.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>A invenção do barco a vapor fez surgir uma rede de rios.
        – prova escolar</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>Os pontos sob o copo mostram quantas jogadas restam.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Nunca julgue um livro pelo filme.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>De um jogo para o outro, o Ossaric lembra quantos jogam e o nome de cada um.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Os habitantes do Egito se chamavam múmias. Eles viajavam de Camelot.
        – prova escolar</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>A velocidade de animação escolhida fica guardada de um jogo para o outro.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>Vire manchete! Durma num travesseiro de veludo cotelê.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Recordes de Bexil</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Nome             Pontos</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>Não é possível ler as pontuações do Top 10 em %1: %2.
As novas pontuações são mostradas, mas não são salvas enquanto o arquivo não puder ser lido.</translation>
    </message>
</context>
</TS>
