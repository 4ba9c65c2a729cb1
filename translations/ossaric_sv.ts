<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Advice</name>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>Det finns inget drag att föreslå på inställningsskärmen: starta spelet först.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Stäng panelen först: det bästa draget visas på spelbordet.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>Spelet är slut: det finns inget drag att föreslå.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Just nu finns det inget drag att föreslå.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Stryk %1 nu: förväntad slutsumma %2.</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Skriv in på %1 nu: förväntad slutsumma %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Slå tärningarna: förväntad slutsumma %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Slå tärningarna i bägaren: förväntad slutsumma %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Lägg tillbaka %1:an och slå igen: förväntad slutsumma %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Lägg tillbaka %1:an och %2:an och slå igen: förväntad slutsumma %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Lägg tillbaka %1:an, %2:an och %3:an och slå igen: förväntad slutsumma %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Lägg tillbaka %1:an, %2:an, %3:an och %4:an och slå igen: förväntad slutsumma %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Lägg tillbaka alla fem tärningarna och slå igen: förväntad slutsumma %1.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Att stryka %1 nu ger %2.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Att skriva in på %1 nu ger %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Att slå igen ger som bäst %1.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Bästa drag</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>MCI-fel</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>inställningarna kunde inte sparas i %1: %2</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>Dina inställningar kunde inte sparas i %1: %2.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEL</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 – fem tärningar, en bägare, en skriftrulle
Slagna på marmor, skrivna med bläck. Lycka till!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om Ossaric</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>funktionen misslyckades</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>bufferten är för liten</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Det går inte att skriva till filen</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>Topplistan kunde inte sparas i %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 fick %n poäng</numerusform>
            <numerusform>%1 fick %n poäng</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spelet är slut</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Valet av datormotståndare kunde inte sparas i %1: %2; det gäller tills du avslutar spelet.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Valet av språk kunde inte sparas i %1: %2; det gäller tills du avslutar spelet.</translation>
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
        <translation>Stor stege</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Liten stege</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Fyrtal</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Kåk</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sexor</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Femmor</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Fyror</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treor</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Tvåor</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Ettor</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Chans</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>Ett tärningsspel för en till fyra spelare, eller en mot datorn.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Läs ljudeffekterna, musiken och hjälpen från &lt;mapp&gt;.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>mapp</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Spara inställningsfilen bexil.ini i &lt;mapp&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Oväntat argument ”%1”.</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>Flaggan ”--%1” behöver en mapp.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
”%1 --help” visar flaggorna.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>datamappen ”%1” finns inte</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>det är en symbolisk länk som inte leder någonstans</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>det är en mapp, inte en fil</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>det är ett namngivet rör (FIFO), inte en fil</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>det är en enhet, inte en fil</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>det är ett uttag (socket), inte en fil</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>åtkomst nekad</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>ett annat spel som körs höll filen låst</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disken är full</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>diskkvoten är förbrukad</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>disken är skrivskyddad</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>en del av sökvägen är inte en mapp</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>de symboliska länkarna bildar en slinga</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>filen är för stor</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>disken rapporterade ett fel</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Ossaric – hjälp</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, länk</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Hjälpen läses in …</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Hjälpfilen &lt;b&gt;%1&lt;/b&gt; i spelmappen&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;är för stor för att visas.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Hjälpfilen &lt;b&gt;%1&lt;/b&gt; hittades inte i spelmappen&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>Hjälpen saknas</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Best Move</source>
        <translation>&amp;Bästa drag</translation>
    </message>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>&amp;Genomgång av senaste spelet</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Som &amp;systemet</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>&amp;Klassisk dator</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>&amp;Expertdator</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>Starta &amp;om spelet</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Snabbare</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Långsammare</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Musik på</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>M&amp;usik av</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Ljudeffekter på</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>Ljud&amp;effekter av</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>&amp;Aktuell ställning</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>&amp;Topplistan</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>&amp;Rensa topplistan</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om Ossaric</translation>
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
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>&amp;Ljud</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Poäng</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>Musikfilen ”%1” tog slut så fort den började. Den hoppas över tills spelet startas om.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Spelare %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Välj ett kommando i menyn ”Spel”.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Starta ett nytt spel</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Välj nu en rad i protokollet.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>Högst tre slag</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>Det finns inga tärningar i bägaren.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Spelet är slut</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Summa %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Visste du …</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Nästa</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Visa dagens tips</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Tillbaka till %1</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>spelare</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Slag</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Spelarnas namn</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Inställningar</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>skriv in på %1</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>slå alla fem</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>spara %1 och slå</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>Genomgången blir tillgänglig när ett spel har spelats till slut.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Ditt spel: %1 % (%2 poäng förlorade på valen)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (%3 poäng förlorade på valen)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Varje val var det bästa.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Omgång %1, slag %2, tärningar %3: %4; bäst: %5 (%6 poäng).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Genomgång</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Spelbord</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Datorn</translation>
    </message>
    <message>
        <source>one</source>
        <translation>etta</translation>
    </message>
    <message>
        <source>two</source>
        <translation>tvåa</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trea</translation>
    </message>
    <message>
        <source>four</source>
        <translation>fyra</translation>
    </message>
    <message>
        <source>five</source>
        <translation>femma</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sexa</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Bägaren, datorn spelar</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Nästa spelare, %1 står på tur</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Bägaren, inget spel pågår</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Bägaren, inga slag kvar, välj en rad</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Bägaren, spelare 1 tar tillbaka den</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Bägaren tom, %n slag kvar</numerusform>
            <numerusform>Bägaren tom, %n slag kvar</numerusform>
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
            <numerusform>Slå %n tärning</numerusform>
            <numerusform>Slå %n tärningar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>%n slag kvar</numerusform>
            <numerusform>%n slag kvar</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Tärning %1, %2</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Nästa spelare</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Nästa tips</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Mot datorn</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n spelare</numerusform>
            <numerusform>%n spelare</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Namn på spelare %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>sparad, inga slag kvar</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>på bordet, tryck för att lägga tillbaka den i bägaren</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>skriv namnet, avsluta med Retur</translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n tärning i bägaren</numerusform>
            <numerusform>%n tärningar i bägaren</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>tom, skulle ge %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>Summa för %1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Summa %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Summa %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Visste du …</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>Nytt spel. Välj spelare och deras namn, sedan Tillbaka till Ossaric</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Du slog %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 slog %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Du sparar %1, slår %n tärning: %2</numerusform>
            <numerusform>Du sparar %1, slår %n tärningar: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 sparar %2, slår %n tärning: %3</numerusform>
            <numerusform>%1 sparar %2, slår %n tärningar: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Du skriver in %1 på %2</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 skriver in %2 på %3</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>Tur att slå: %1</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Slag %1. %2. %n slag kvar</numerusform>
            <numerusform>Slag %1. %2. %n slag kvar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, slag %1. %2. %n slag kvar</numerusform>
            <numerusform>%3, slag %1. %2. %n slag kvar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 sparar %4, slag %1. %2. %n slag kvar</numerusform>
            <numerusform>%3 sparar %4, slag %1. %2. %n slag kvar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n poäng. Summa %2</numerusform>
            <numerusform>%1, %n poäng. Summa %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %n poäng till %3. Summa %2</numerusform>
            <numerusform>%1, %n poäng till %3. Summa %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Tärning %1, %2, tillbaka i bägaren. %n tärning i bägaren</numerusform>
            <numerusform>Tärning %1, %2, tillbaka i bägaren. %n tärningar i bägaren</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Ångrat. %1 är tom igen. Summa %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Ångrat. %n tärning tillbaka på bordet</numerusform>
            <numerusform>Ångrat. %n tärningar tillbaka på bordet</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Nästa spelare. %1 står på tur</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Spelet är slut. %n poäng</numerusform>
            <numerusform>Spelet är slut. %n poäng</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Spelet är slut. Oavgjort på %n poäng</numerusform>
            <numerusform>Spelet är slut. Oavgjort på %n poäng</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Spelet är slut. %1 vinner med %n poäng</numerusform>
            <numerusform>Spelet är slut. %1 vinner med %n poäng</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Topplistan rensad</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric avslutas</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>Enkelt</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>En kolumn</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>Dubbelt</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Två kolumner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Datorn</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>Summa %1:</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>Datorn</translation>
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
        <translation>Ljudenheten används redan.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Ingen ljudenhet är tillgänglig: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Ingen ljudenhet är tillgänglig.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Musiken kan inte spelas: ingen General MIDI-ljudbank (soundfont) hittades. Installera paketet timgm6mb-soundfont för att höra den.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>Musikfilen ”%1” hittades inte.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>Musikfilen ”%1” är ingen MIDI-fil.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>Musikfilen ”%1” kan inte spelas: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>Inget musikstycke är öppet på den här enheten.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>Musiken kan inte starta: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>Musikenheten rapporterade inget fel.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>Musik kan inte spelas på det här systemet.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Musikfilen kan inte öppnas.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>Musiken kan inte starta.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Ett musikstycke tog slut så fort det började.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Okänt fel %1 i musikenheten.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>Animationstempot ändrar du med tangenterna ”+” och ”-”.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>Från golvet kan man inte ramla ner.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Ett musikstycke spelas inte längre om du ändrar filens ändelse från ”mid” eller tar bort filen.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Alexander Graham Bell uppfann telefonen så att folk kunde sluta skrika.
        – ur en skoluppsats</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>Med ”Starta om spelet” i menyn ”Spel” börjar det pågående spelet om från början.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Om inget annat hjälper: läs bruksanvisningen.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>”Ångra” ger dig antingen tillbaka tärningarna i bägaren eller tar bort den senaste poängen, beroende på ditt senaste drag.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>Vad är en synonym till synonym?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Lägg egen musik (MIDI-filer) i mappen
~/.local/share/ossaric/music
så spelas den i tur och ordning.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>Tyngdkraften märks mest på hösten, när äpplena faller från träden.
        – ur en skoluppsats</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>Topplistan tömmer du med ”Rensa topplistan” i menyn ”Poäng”.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>Byråkratin håller uppe ny bro.
        – nyhetsnotis</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric sparar de tio bästa slutsummorna för mänskliga spelare. Datorn spelar med men kommer aldrig in på topplistan.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>Uppfinningen av ångbåten fick ett helt nät av floder att uppstå.
        – ur en skoluppsats</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>Prickarna under bägaren visar hur många slag du har kvar.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Döm aldrig en bok efter filmen.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric kommer ihåg från spel till spel hur många som spelar och vad de heter.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Egyptens invånare kallades mumier. De reste med Kamelot.
        – ur en skoluppsats</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>Animationstempot du väljer sparas från spel till spel.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>Sätt spår! Sov på en manchesterkudde.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Topplista Bexil</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>Topplistan i %1 kan inte läsas: %2.
Nya resultat visas men sparas inte så länge filen inte går att läsa.</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Namn             Poäng</translation>
    </message>
</context>
</TS>
