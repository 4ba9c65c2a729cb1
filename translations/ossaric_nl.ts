<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Advice</name>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Noteer nu %1: verwacht totaal %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Gooi de stenen: verwacht totaal %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Gooi de stenen in de beker: verwacht totaal %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Leg de %1 terug en gooi opnieuw: verwacht totaal %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Leg de %1 en de %2 terug en gooi opnieuw: verwacht totaal %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Leg de %1, de %2 en de %3 terug en gooi opnieuw: verwacht totaal %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Leg de %1, de %2, de %3 en de %4 terug en gooi opnieuw: verwacht totaal %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Leg alle vijf stenen terug en gooi opnieuw: verwacht totaal %1.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Nu %1 noteren: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Opnieuw gooien, op zijn best: %1.</translation>
    </message>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>Op het instelscherm valt geen zet aan te raden: begin eerst het spel.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Sluit eerst het paneel: de beste zet wordt op het bord getoond.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>Het spel is afgelopen: er valt geen zet aan te raden.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Er valt nu geen zet aan te raden.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Noteer nu 0 bij %1: verwacht totaal %2.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Nu 0 bij %1 noteren: %2.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Beste zet</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>MCI-fout</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>de instellingen konden niet worden opgeslagen in %1: %2</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 - vijf dobbelstenen, een beker, een rol
Gegooid op marmer, met inkt genoteerd. Veel geluk!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Ossaric</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>functie mislukt</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>buffer is te klein</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Kan niet naar bestand schrijven</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>De top 10 kon niet worden opgeslagen in %1: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Einde spel</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 scoorde %n punt</numerusform>
            <numerusform>%1 scoorde %n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>De instellingen konden niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>De keuze van de computer kon niet worden opgeslagen in %1: %2; ze geldt tot het spel wordt afgesloten.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>De taalkeuze kon niet worden opgeslagen in %1: %2; die geldt tot het spel wordt afgesloten.</translation>
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
        <translation>Grote straat</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine straat</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Zessen</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Vijven</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Drieën</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Tweeën</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Enen</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Kans</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>Een dobbelspel voor één tot vier spelers, of één tegen de computer.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Geluidseffecten, muziek en hulp uit &lt;map&gt; lezen.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>map</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Het instellingenbestand bexil.ini in &lt;map&gt; bewaren.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>De optie &apos;--%1&apos; heeft een map nodig.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Probeer &apos;%1 --help&apos; voor de opties.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>geen gegevensmap &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a directory, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>het is een named pipe, geen bestand</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>een ander lopend spel hield het vergrendeld</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>het schijfquotum is op</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>een deel van het pad is geen map</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>de symbolische koppelingen vormen een lus</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>het is te groot</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>de schijf meldde een fout</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>het is een symbolische koppeling die nergens naartoe leidt</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Ossaric-hulp</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Hulp wordt geladen…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Het hulpbestand &lt;b&gt;%1&lt;/b&gt; in de spelmap&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;is te groot om te tonen.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Het hulpbestand &lt;b&gt;%1&lt;/b&gt; is niet gevonden in de spelmap&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>Hulp ontbreekt</translation>
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
        <translation>&amp;Terugblik op het laatste spel</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>&amp;Klassieke computer</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>&amp;Expert-computer</translation>
    </message>
    <message>
        <source>&amp;Best Move</source>
        <translation>&amp;Beste zet</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;pties</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Zoals het &amp;systeem</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>Spel he&amp;rstarten</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Sneller</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Langzamer</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Muziek aan</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>M&amp;uziek uit</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Geluidseffecten aan</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>Geluidseffecten u&amp;it</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>&amp;Huidige stand</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>Top 10 &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Ossaric</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Animatiesnelheid</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>Au&amp;dio</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>S&amp;cores</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Afs&amp;luiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>Het muziekbestand &apos;%1&apos; stopte zodra het begon. Het wordt overgeslagen tot het spel opnieuw wordt gestart.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Speler %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Kies een opdracht in het menu Spel.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Kies nu een categorie.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>Hooguit drie worpen</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>Er zitten geen stenen in de beker.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Einde spel</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Totaal %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Wist je dat…</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Volgende</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>speler</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Worpen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Namen van de spelers</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Tip van de dag tonen</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Terug naar %1</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>%1 noteren</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>alle vijf gooien</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>%1 houden en gooien</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>De terugblik is klaar zodra een spel helemaal is uitgespeeld.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Jouw spel: %1 % (%2 punten verloren door keuzes)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (%3 punten verloren door keuzes)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Elke keuze was de beste.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Beurt %1, worp %2, stenen %3: %4; beste: %5 (%6 punten).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Terugblik</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Speltafel</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>one</source>
        <translation>een</translation>
    </message>
    <message>
        <source>two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>%n steen gooien</numerusform>
            <numerusform>%n stenen gooien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>nog %n worp</numerusform>
            <numerusform>nog %n worpen</numerusform>
        </translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Tegen de computer</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n speler</numerusform>
            <numerusform>%n spelers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n steen in de beker</numerusform>
            <numerusform>%n stenen in de beker</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Scoreblok</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>leeg, zou %1 opleveren</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Totaal %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Wist je dat…</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Je gooide %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 gooide %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Je houdt %1, gooit %n steen: %2</numerusform>
            <numerusform>Je houdt %1, gooit %n stenen: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 houdt %2, gooit %n steen: %3</numerusform>
            <numerusform>%1 houdt %2, gooit %n stenen: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Je noteert %1 bij %2</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 noteert %2 bij %3</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>%1 gooit</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Beker, de computer speelt</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Volgende speler, %1 is aan de beurt</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Beker, er is geen spel bezig</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Beker, geen worpen meer, kies een categorie</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Beker, gaat terug naar speler 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Beker leeg, nog %n worp</numerusform>
            <numerusform>Beker leeg, nog %n worpen</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Steen %1, %2</translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Naam van speler %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>gehouden, geen worpen meer</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>op tafel, druk om hem terug in de beker te leggen</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>typ de naam, Enter om af te sluiten</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>Totaal %1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totaal %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>Nieuw spel. Kies de spelers en hun namen, dan Terug naar Ossaric</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Worp %1. %2. Nog %n worp</numerusform>
            <numerusform>Worp %1. %2. Nog %n worpen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, worp %1. %2. Nog %n worp</numerusform>
            <numerusform>%3, worp %1. %2. Nog %n worpen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 houdt %4, worp %1. %2. Nog %n worp</numerusform>
            <numerusform>%3 houdt %4, worp %1. %2. Nog %n worpen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n punt. Totaal %2</numerusform>
            <numerusform>%1, %n punten. Totaal %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %n punt voor %3. Totaal %2</numerusform>
            <numerusform>%1, %n punten voor %3. Totaal %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Steen %1, %2, terug in de beker. %n steen in de beker</numerusform>
            <numerusform>Steen %1, %2, terug in de beker. %n stenen in de beker</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Ongedaan gemaakt. %1 is weer leeg. Totaal %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Ongedaan gemaakt. %n steen weer op tafel</numerusform>
            <numerusform>Ongedaan gemaakt. %n stenen weer op tafel</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Volgende speler. %1 is aan de beurt</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Einde spel. %n punt</numerusform>
            <numerusform>Einde spel. %n punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Einde spel. Gelijkspel met %n punt</numerusform>
            <numerusform>Einde spel. Gelijkspel met %n punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Einde spel. %1 wint met %n punt</numerusform>
            <numerusform>Einde spel. %1 wint met %n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Top 10 gewist</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric wordt afgesloten</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 stenen</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>Eén kolom</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 stenen</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Twee kolommen</translation>
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
        <translation>Totaal %1:</translation>
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
        <translation>Het geluidsapparaat is al in gebruik.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Geen geluidsapparaat beschikbaar: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Geen geluidsapparaat beschikbaar.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Muziek kan niet worden afgespeeld: er is geen General MIDI-soundfont gevonden. Installeer het pakket timgm6mb-soundfont om haar te horen.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>Het muziekbestand &apos;%1&apos; is niet gevonden.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>Het muziekbestand &apos;%1&apos; is geen MIDI-bestand.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>Het muziekbestand &apos;%1&apos; kan niet worden afgespeeld: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>Er is geen muziekstuk geopend op dit apparaat.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>De muziek kan niet starten: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>Het muziekapparaat meldt geen fout.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>Op dit systeem kan geen muziek worden afgespeeld.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Het muziekbestand kan niet worden geopend.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>De muziek kan niet starten.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Onbekende fout %1 van het muziekapparaat.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Een muziekstuk stopte zodra het begon.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>Met de toetsen &apos;+&apos; en &apos;-&apos; verander je de animatiesnelheid.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>Van de vloer kun je niet vallen.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Wil je een muziekstuk niet meer horen, verander dan de extensie &apos;mid&apos; van het bestand of verwijder het.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Alexander Graham Bell vond de telefoon uit zodat mensen niet meer hoefden te schreeuwen.
        – uit een proefwerk</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>Met &apos;Spel herstarten&apos; in het menu Spel begint het huidige spel opnieuw.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Als al het andere faalt: lees de handleiding.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>Afhankelijk van je laatste zet geeft &apos;Ongedaan maken&apos; de stenen uit de beker terug of wist het de laatste score.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>Wat is een ander woord voor synoniem?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Zet je eigen muziek (MIDI-bestanden) in de map
~/.local/share/ossaric/music
en ze spelen na elkaar.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>De zwaartekracht merk je vooral in de herfst, als de appels uit de bomen vallen.
        – uit een proefwerk</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>Met &apos;Top 10 wissen&apos; in het menu Scores maak je de top 10 leeg.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>Bureaucratie houdt nieuwe brug tegen.
        – krantenbericht</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric bewaart de tien beste totalen van menselijke spelers. De computer speelt mee, maar komt nooit in de top 10.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>Door de uitvinding van de stoomboot ontstond een heel netwerk van rivieren.
        – uit een proefwerk</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>De stippen onder de beker tonen hoeveel worpen je nog hebt.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Beoordeel een boek nooit op de film.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric onthoudt van spel tot spel hoeveel er meedoen en hoe ze heten.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>De inwoners van Egypte heetten mummies. Ze reisden per Camelot.
        – uit een proefwerk</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>De gekozen animatiesnelheid blijft van spel tot spel bewaard.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>Haal de krant! Slaap op een ribfluwelen kussen.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Bexil-topscores</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Naam             Score</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>De scores van de top 10 in %1 kunnen niet worden gelezen: %2.
Nieuwe scores worden getoond, maar niet opgeslagen zolang het bestand onleesbaar is.</translation>
    </message>
</context>
</TS>
