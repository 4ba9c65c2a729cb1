<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Advice</name>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>Na obrazovce nastavení není co radit: nejprve začněte hru.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Nejprve zavřete panel: nejlepší tah se ukazuje na hrací ploše.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>Hra skončila: není co radit.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Teď není co radit.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Zapište teď 0 do kategorie %1: očekávaný součet %2.</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Zapište teď do kategorie %1: očekávaný součet %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Hoďte kostkami: očekávaný součet %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Hoďte kostkami z kelímku: očekávaný součet %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Vraťte %1 do kelímku a hoďte znovu: očekávaný součet %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Vraťte %1 a %2 do kelímku a hoďte znovu: očekávaný součet %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Vraťte %1, %2 a %3 do kelímku a hoďte znovu: očekávaný součet %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Vraťte %1, %2, %3 a %4 do kelímku a hoďte znovu: očekávaný součet %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Vraťte všech pět kostek do kelímku a hoďte znovu: očekávaný součet %1.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Zapsat teď 0 do kategorie %1: %2.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Zapsat teď do kategorie %1: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Nejlepší možnost hodit znovu: %1.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Nejlepší tah</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>Chyba MCI</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>nastavení se nepodařilo uložit do %1: %2</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>Vaše nastavení se nepodařilo uložit do %1: %2.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>CHYBA</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 – pět kostek, jeden kelímek, svitek
Házeno na mramor, psáno inkoustem. Hodně štěstí!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O hře Ossaric</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>funkce selhala</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>vyrovnávací paměť je příliš malá</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Do souboru nelze zapisovat</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>Nejlepší desítku se nepodařilo uložit do %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 získává %n bod</numerusform>
            <numerusform>%1 získává %n body</numerusform>
            <numerusform>%1 získává %n bodů</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Konec hry</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Volbu počítače se nepodařilo uložit do %1: %2; platí do ukončení hry.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Volbu jazyka se nepodařilo uložit do %1: %2; platí do ukončení hry.</translation>
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
        <translation>Velká postupka</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Malá postupka</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Čtveřice</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Šestky</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Pětky</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Čtyřky</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trojky</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dvojky</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Jedničky</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Šance</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>Hra s kostkami pro jednoho až čtyři hráče nebo pro jednoho proti počítači.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Načítat zvukové efekty, hudbu a nápovědu z adresáře &lt;adresář&gt;.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>adresář</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Ukládat soubor nastavení bexil.ini do adresáře &lt;adresář&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekávaný argument „%1“.</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>Volba „--%1“ vyžaduje adresář.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Volby vypíše „%1 --help“.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>adresář dat „%1“ neexistuje</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>je to symbolický odkaz, který nikam nevede</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>je to adresář, ne soubor</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>je to pojmenovaná roura, ne soubor</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>je to zařízení, ne soubor</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>je to soket, ne soubor</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>přístup odepřen</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>soubor měla zamčený jiná běžící hra</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk je plný</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>disková kvóta je vyčerpána</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>disk je jen pro čtení</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>část cesty není adresář</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>symbolické odkazy tvoří smyčku</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>soubor je příliš velký</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>disk ohlásil chybu</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Nápověda ke hře Ossaric</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, odkaz</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Načítá se nápověda…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Soubor nápovědy &lt;b&gt;%1&lt;/b&gt; v adresáři hry&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;je příliš velký, aby se dal zobrazit.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Soubor nápovědy &lt;b&gt;%1&lt;/b&gt; nebyl v adresáři hry&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;nalezen.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>Nápověda chybí</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Best Move</source>
        <translation>Nejlepší &amp;tah</translation>
    </message>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>&amp;Rozbor poslední hry</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Podle &amp;systému</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>&amp;Klasický počítač</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>&amp;Expertní počítač</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>Začít hru &amp;znovu</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Rychleji</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Pomaleji</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Hudba zapnuta</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>Hudba &amp;vypnuta</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Zvukové efekty zapnuty</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>Zvukové &amp;efekty vypnuty</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>&amp;Aktuální stav</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>&amp;Nejlepší desítka</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>&amp;Smazat nejlepší desítku</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O hře Ossaric</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Rychlost animace</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>Z&amp;vuk</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Skóre</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>Hudební soubor „%1“ skončil hned po začátku. Až do dalšího spuštění hry se bude vynechávat.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Hráč %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Zvolte příkaz z nabídky „Hra“.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Teď zapište hod do některé kategorie.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>Nejvýše tři hody</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>V kelímku nejsou žádné kostky.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Konec hry</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Celkem</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 celkem</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Víte, že…</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Další</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Zobrazovat tip dne</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Zpět do hry %1</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Další</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>hráč</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Druh hry</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Hody</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Hráči</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Jména hráčů</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>zapsat %1</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>hodit všemi pěti</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>nechat %1 a hodit</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>Rozbor bude k dispozici, jakmile se nějaká hra dohraje do konce.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Vaše hra: %1 % (volbami ztraceno %2 bodu)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (volbami ztraceno %3 bodu)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Každá volba byla nejlepší možná.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Kolo %1, hod %2, kostky %3: %4; nejlépe: %5 (%6 bodu).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rozbor</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Hrací stůl</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>one</source>
        <translation>jednička</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dvojka</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trojka</translation>
    </message>
    <message>
        <source>four</source>
        <translation>čtyřka</translation>
    </message>
    <message>
        <source>five</source>
        <translation>pětka</translation>
    </message>
    <message>
        <source>six</source>
        <translation>šestka</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Kelímek, hraje počítač</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Další hráč, na tahu je %1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Kelímek, neprobíhá žádná hra</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Kelímek, žádný hod nezbývá, zvolte kategorii</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Kelímek, vrací se hráči 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Kelímek prázdný, zbývá %n hod</numerusform>
            <numerusform>Kelímek prázdný, zbývají %n hody</numerusform>
            <numerusform>Kelímek prázdný, zbývá %n hodů</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>Hodit %n kostkou</numerusform>
            <numerusform>Hodit %n kostkami</numerusform>
            <numerusform>Hodit %n kostkami</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>zbývá %n hod</numerusform>
            <numerusform>zbývají %n hody</numerusform>
            <numerusform>zbývá %n hodů</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Kostka %1, %2</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Další hráč</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Další tip</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Proti počítači</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n hráč</numerusform>
            <numerusform>%n hráči</numerusform>
            <numerusform>%n hráčů</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Jméno hráče %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>ponechaná, už žádný hod nezbývá</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>na stole, stisknutím ji vrátíte do kelímku</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>napište jméno, Enter ho dokončí</translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n kostka v kelímku</numerusform>
            <numerusform>%n kostky v kelímku</numerusform>
            <numerusform>%n kostek v kelímku</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Bodovací list</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>prázdné, dalo by %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>%1 celkem %2</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 celkem</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Celkem %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Víte, že…</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>Nová hra. Zvolte hráče a jejich jména, pak Zpět do hry Ossaric</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Házíte %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 hází %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Necháváte si %1, házíte %n kostkou: %2</numerusform>
            <numerusform>Necháváte si %1, házíte %n kostkami: %2</numerusform>
            <numerusform>Necháváte si %1, házíte %n kostkami: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 si nechává %2, hází %n kostkou: %3</numerusform>
            <numerusform>%1 si nechává %2, hází %n kostkami: %3</numerusform>
            <numerusform>%1 si nechává %2, hází %n kostkami: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Zapisujete %1 do kategorie %2</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 zapisuje %2 do kategorie %3</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>Hází %1</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Hod %1. %2. Zbývá %n hod</numerusform>
            <numerusform>Hod %1. %2. Zbývají %n hody</numerusform>
            <numerusform>Hod %1. %2. Zbývá %n hodů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, hod %1. %2. Zbývá %n hod</numerusform>
            <numerusform>%3, hod %1. %2. Zbývají %n hody</numerusform>
            <numerusform>%3, hod %1. %2. Zbývá %n hodů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 si nechává %4, hod %1. %2. Zbývá %n hod</numerusform>
            <numerusform>%3 si nechává %4, hod %1. %2. Zbývají %n hody</numerusform>
            <numerusform>%3 si nechává %4, hod %1. %2. Zbývá %n hodů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n bod. Celkem %2</numerusform>
            <numerusform>%1, %n body. Celkem %2</numerusform>
            <numerusform>%1, %n bodů. Celkem %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %3 získává %n bod. Celkem %2</numerusform>
            <numerusform>%1, %3 získává %n body. Celkem %2</numerusform>
            <numerusform>%1, %3 získává %n bodů. Celkem %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Kostka %1, %2, zpět v kelímku. %n kostka v kelímku</numerusform>
            <numerusform>Kostka %1, %2, zpět v kelímku. %n kostky v kelímku</numerusform>
            <numerusform>Kostka %1, %2, zpět v kelímku. %n kostek v kelímku</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Vráceno zpět. Řádek %1 je zase prázdný. Celkem %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Vráceno zpět. %n kostka zase na stole</numerusform>
            <numerusform>Vráceno zpět. %n kostky zase na stole</numerusform>
            <numerusform>Vráceno zpět. %n kostek zase na stole</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Další hráč. Na tahu je %1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Konec hry. %n bod</numerusform>
            <numerusform>Konec hry. %n body</numerusform>
            <numerusform>Konec hry. %n bodů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Konec hry. Remíza s %n bodem</numerusform>
            <numerusform>Konec hry. Remíza s %n body</numerusform>
            <numerusform>Konec hry. Remíza s %n body</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Konec hry. Vítězí %1 s %n bodem</numerusform>
            <numerusform>Konec hry. Vítězí %1 s %n body</numerusform>
            <numerusform>Konec hry. Vítězí %1 s %n body</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Nejlepší desítka smazána</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric se zavírá</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 kostek</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>Jeden sloupec</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 kostek</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Dva sloupce</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>%1 celkem:</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>Počítač</translation>
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
        <translation>Zvukové zařízení už se používá.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Není k dispozici žádné zvukové zařízení: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Není k dispozici žádné zvukové zařízení.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Hudbu nelze přehrát: nebyl nalezen žádný soundfont General MIDI. Chcete-li ji slyšet, nainstalujte balíček timgm6mb-soundfont.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>Hudební soubor „%1“ nebyl nalezen.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>Hudební soubor „%1“ není soubor MIDI.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>Hudební soubor „%1“ nelze přehrát: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>Na tomto zařízení není otevřena žádná skladba.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>Hudbu nelze spustit: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>Hudební zařízení nehlásí žádnou chybu.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>Na tomto systému nelze hudbu přehrávat.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Hudební soubor nelze otevřít.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>Hudbu nelze spustit.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Skladba skončila hned po začátku.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Neznámá chyba hudebního zařízení %1.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>Rychlost animace změníte klávesami „+“ a „-“.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>Z podlahy spadnout nemůžete.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Skladba se přestane přehrávat, když u jejího souboru změníte příponu „mid“ nebo soubor smažete.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Alexander Graham Bell vynalezl telefon, aby lidé přestali křičet.
        – ze slohové práce</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>Rozehranou hru spustíte od začátku příkazem „Začít hru znovu“ v nabídce „Hra“.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Když všechno ostatní selže, přečtěte si návod.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>„Zpět“ podle posledního tahu buď vrátí kostky z kelímku, nebo smaže poslední zápis.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>Jak se jinak řekne synonymum?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Vlastní hudbu (soubory MIDI) vložte do složky
~/.local/share/ossaric/music
a bude se hrát popořadě.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>Gravitace je nejvíc znát na podzim, když ze stromů padají jablka.
        – ze slohové práce</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>Nejlepší desítku vymažete příkazem „Smazat nejlepší desítku“ v nabídce „Skóre“.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>Nový most zatím drží jen úřední šiml.
        – z novin</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric si pamatuje deset nejlepších součtů lidských hráčů. Počítač sice hraje, ale do nejlepší desítky se nikdy nedostane.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>Vynález parníku způsobil, že vznikla celá síť řek.
        – ze slohové práce</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>Tečky pod kelímkem ukazují, kolik hodů ještě zbývá.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Nikdy nesuďte knihu podle filmu.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric si od hry ke hře pamatuje, kolik lidí hraje a jak se jmenují.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Obyvatelům Egypta se říkalo mumie. Cestovali Kamelotem.
        – ze slohové práce</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>Zvolená rychlost animace zůstává zachována od hry ke hře.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>Chcete mít titulky přímo na tváři? Spěte na manšestrovém polštáři.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Bexil – nejlepší desítka</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>Nejlepší desítku v %1 nelze přečíst: %2.
Dokud soubor nepůjde přečíst, nové výsledky se zobrazí, ale neuloží.</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Jméno            Body</translation>
    </message>
</context>
</TS>
