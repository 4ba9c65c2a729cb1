<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Advice</name>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Wpisz teraz w kategorii %1: oczekiwana suma %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Rzuć kośćmi: oczekiwana suma %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Rzuć kośćmi z kubka: oczekiwana suma %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Wrzuć %1 do kubka i rzuć ponownie: oczekiwana suma %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Wrzuć %1 i %2 do kubka i rzuć ponownie: oczekiwana suma %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Wrzuć %1, %2 i %3 do kubka i rzuć ponownie: oczekiwana suma %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Wrzuć %1, %2, %3 i %4 do kubka i rzuć ponownie: oczekiwana suma %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Wrzuć wszystkie pięć kości do kubka i rzuć ponownie: oczekiwana suma %1.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Wpisanie teraz w kategorii %1: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Ponowny rzut w najlepszym razie: %1.</translation>
    </message>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>Na ekranie ustawień nie ma ruchu do doradzenia: najpierw zacznij grę.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Najpierw zamknij panel: najlepszy ruch jest pokazywany na planszy.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>Gra się skończyła: nie ma ruchu do doradzenia.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Teraz nie ma ruchu do doradzenia.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Wpisz teraz 0 w kategorii %1: oczekiwana suma %2.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Wpisanie teraz 0 w kategorii %1: %2.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Najlepszy ruch</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>Błąd MCI</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>nie można zapisać ustawień w %1: %2</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 - pięć kości, kubek i zwój
Rzucane na marmur, zapisywane atramentem. Powodzenia!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>funkcja zawiodła</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>bufor jest za mały</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Nie można zapisać pliku</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>Nie można zapisać Top 10 w %1: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 zdobywa %n punkt</numerusform>
            <numerusform>%1 zdobywa %n punkty</numerusform>
            <numerusform>%1 zdobywa %n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>Nie można zapisać ustawień w %1: %2.</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Nie można zapisać wyboru komputera w %1: %2; obowiązuje do zamknięcia gry.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Nie można zapisać wyboru języka w %1: %2; obowiązuje do zamknięcia gry.</translation>
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
        <translation>Duży strit</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Mały strit</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Kareta</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Szóstki</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Piątki</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Czwórki</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trójki</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dwójki</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Jedynki</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Szansa</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>Gra w kości dla od jednego do czterech graczy albo jednego przeciw komputerowi.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Czyta efekty dźwiękowe, muzykę i pomoc z &lt;katalog&gt;.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>katalog</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Trzyma plik ustawień bexil.ini w &lt;katalog&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>Opcja „--%1” wymaga katalogu.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Opcje pokaże „%1 --help”.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>brak katalogu danych „%1”</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a directory, not a file</source>
        <translation>to katalog, a nie plik</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>to potok nazwany, a nie plik</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>to urządzenie, a nie plik</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>to gniazdo, a nie plik</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>odmowa dostępu</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>inna uruchomiona gra trzymała plik zablokowany</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>przydział miejsca na dysku się wyczerpał</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>dysk jest tylko do odczytu</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>część ścieżki nie jest katalogiem</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>dowiązania symboliczne tworzą pętlę</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>plik jest za duży</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>dysk zgłosił błąd</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>to dowiązanie symboliczne, które prowadzi donikąd</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Pomoc Ossaric</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Wczytywanie pomocy…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Plik pomocy &lt;b&gt;%1&lt;/b&gt; w katalogu gry&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;jest za duży, by go pokazać.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Nie znaleziono pliku pomocy &lt;b&gt;%1&lt;/b&gt; w katalogu gry&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>Brak pomocy</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, odnośnik</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>&amp;Analiza ostatniej gry</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>Komputer &amp;klasyczny</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>Komputer &amp;ekspert</translation>
    </message>
    <message>
        <source>&amp;Best Move</source>
        <translation>Najlepszy &amp;ruch</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Jak w &amp;systemie</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>&amp;Zacznij od nowa</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Szybciej</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Wolniej</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Muzyka włączona</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>M&amp;uzyka wyłączona</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Efekty dźwiękowe włączone</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>Efekty dźwiękowe w&amp;yłączone</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>&amp;Bieżące wyniki</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>&amp;Wyczyść Top 10</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Tempo animacji</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Wyniki</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>Plik muzyczny „%1” zatrzymał się zaraz po rozpoczęciu. Będzie pomijany do ponownego uruchomienia gry.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Gracz %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Wybierz polecenie z menu Gra.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Teraz wybierz kategorię.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>Najwyżej trzy rzuty</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>W kubku nie ma kości.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Koniec gry</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Powrót</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Suma: %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Czy wiesz…</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Dalej</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>gracz</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Rzuty</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Imiona graczy</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Pokazuj poradę dnia</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Powrót do %1</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>wpisać %1</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>rzucić wszystkimi pięcioma</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>zostawić %1 i rzucić</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>Analiza będzie gotowa, gdy gra zostanie rozegrana do końca.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Twoja gra: %1 % (%2 pkt straconych przez wybory)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (%3 pkt straconych przez wybory)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Każdy wybór był najlepszy.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Tura %1, rzut %2, kości %3: %4; najlepiej: %5 (%6 pkt).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analiza</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Stół do gry</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>one</source>
        <translation>jedynka</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dwójka</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>four</source>
        <translation>czwórka</translation>
    </message>
    <message>
        <source>five</source>
        <translation>piątka</translation>
    </message>
    <message>
        <source>six</source>
        <translation>szóstka</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>Rzuć %n kością</numerusform>
            <numerusform>Rzuć %n kośćmi</numerusform>
            <numerusform>Rzuć %n kośćmi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>został %n rzut</numerusform>
            <numerusform>zostały %n rzuty</numerusform>
            <numerusform>zostało %n rzutów</numerusform>
        </translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Powrót</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Przeciw komputerowi</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n gracz</numerusform>
            <numerusform>%n graczy</numerusform>
            <numerusform>%n graczy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n kość w kubku</numerusform>
            <numerusform>%n kości w kubku</numerusform>
            <numerusform>%n kości w kubku</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Tabela wyników</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>puste, dałoby %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Suma: %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Czy wiesz…</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Wyrzucasz %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 wyrzuca %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Zostawiasz %1, rzucasz %n kością: %2</numerusform>
            <numerusform>Zostawiasz %1, rzucasz %n kośćmi: %2</numerusform>
            <numerusform>Zostawiasz %1, rzucasz %n kośćmi: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 zostawia %2, rzuca %n kością: %3</numerusform>
            <numerusform>%1 zostawia %2, rzuca %n kośćmi: %3</numerusform>
            <numerusform>%1 zostawia %2, rzuca %n kośćmi: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Wpisujesz %1 w %2</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 wpisuje %2 w %3</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>Rzuca %1</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Kubek, gra komputer</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Następny gracz, teraz gra %1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Kubek, nie trwa żadna gra</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Kubek, nie ma już rzutów, wybierz kategorię</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Kubek, wraca do gracza 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Kubek pusty, został %n rzut</numerusform>
            <numerusform>Kubek pusty, zostały %n rzuty</numerusform>
            <numerusform>Kubek pusty, zostało %n rzutów</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Kość %1, %2</translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Imię gracza %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>zostawiona, nie ma już rzutów</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>na stole, naciśnij, aby odłożyć ją do kubka</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>wpisz imię, Enter kończy</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>%1, suma %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Suma %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>Nowa gra. Wybierz graczy i ich imiona, potem Powrót do Ossaric</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Rzut %1. %2. Został %n rzut</numerusform>
            <numerusform>Rzut %1. %2. Zostały %n rzuty</numerusform>
            <numerusform>Rzut %1. %2. Zostało %n rzutów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, rzut %1. %2. Został %n rzut</numerusform>
            <numerusform>%3, rzut %1. %2. Zostały %n rzuty</numerusform>
            <numerusform>%3, rzut %1. %2. Zostało %n rzutów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 zostawia %4, rzut %1. %2. Został %n rzut</numerusform>
            <numerusform>%3 zostawia %4, rzut %1. %2. Zostały %n rzuty</numerusform>
            <numerusform>%3 zostawia %4, rzut %1. %2. Zostało %n rzutów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n punkt. Suma %2</numerusform>
            <numerusform>%1, %n punkty. Suma %2</numerusform>
            <numerusform>%1, %n punktów. Suma %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %3 zdobywa %n punkt. Suma %2</numerusform>
            <numerusform>%1, %3 zdobywa %n punkty. Suma %2</numerusform>
            <numerusform>%1, %3 zdobywa %n punktów. Suma %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Kość %1, %2, wraca do kubka. %n kość w kubku</numerusform>
            <numerusform>Kość %1, %2, wraca do kubka. %n kości w kubku</numerusform>
            <numerusform>Kość %1, %2, wraca do kubka. %n kości w kubku</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Cofnięto. Pole %1 znów jest puste. Suma %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Cofnięto. %n kość wraca na stół</numerusform>
            <numerusform>Cofnięto. %n kości wracają na stół</numerusform>
            <numerusform>Cofnięto. %n kości wraca na stół</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Następny gracz. Teraz gra %1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Koniec gry. %n punkt</numerusform>
            <numerusform>Koniec gry. %n punkty</numerusform>
            <numerusform>Koniec gry. %n punktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Koniec gry. Remis, %n punkt</numerusform>
            <numerusform>Koniec gry. Remis, %n punkty</numerusform>
            <numerusform>Koniec gry. Remis, %n punktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Koniec gry. %1 wygrywa z %n punktem</numerusform>
            <numerusform>Koniec gry. %1 wygrywa z %n punktami</numerusform>
            <numerusform>Koniec gry. %1 wygrywa z %n punktami</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Wyczyszczono Top 10</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric się zamyka</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 kości</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>Jedna kolumna</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 kości</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Dwie kolumny</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>Suma – %1:</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>Komputer</translation>
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
        <translation>Urządzenie dźwiękowe jest już zajęte.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Brak dostępnego urządzenia dźwiękowego: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Brak dostępnego urządzenia dźwiękowego.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Nie można odtworzyć muzyki: nie znaleziono soundfontu General MIDI. Zainstaluj pakiet timgm6mb-soundfont, aby ją usłyszeć.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>Nie znaleziono pliku muzycznego „%1”.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>Plik muzyczny „%1” nie jest plikiem MIDI.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>Nie można odtworzyć pliku muzycznego „%1”: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>Na tym urządzeniu nie otwarto żadnego utworu.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>Muzyka nie może się zacząć: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>Urządzenie muzyczne nie zgłasza błędu.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>W tym systemie nie można odtwarzać muzyki.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Nie można otworzyć pliku muzycznego.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>Muzyka nie może się zacząć.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Nieznany błąd %1 urządzenia muzycznego.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Utwór muzyczny zatrzymał się zaraz po rozpoczęciu.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>Klawisze „+” i „-” zmieniają tempo animacji.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>Z podłogi nie da się spaść.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Aby utwór przestał grać, zmień rozszerzenie „mid” jego pliku albo go usuń.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Alexander Graham Bell wynalazł telefon, żeby ludzie przestali krzyczeć.
        – z wypracowania</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>„Zacznij od nowa” w menu Gra rozpoczyna bieżącą grę od początku.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Jeśli wszystko inne zawiedzie, przeczytaj instrukcję.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>Zależnie od ostatniego ruchu „Cofnij” oddaje kości z kubka albo kasuje ostatni wpis.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>Jak inaczej powiedzieć „synonim”?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Wrzuć własną muzykę (pliki MIDI) do katalogu
~/.local/share/ossaric/music,
a zagra po kolei.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>Grawitację widać głównie jesienią, gdy jabłka spadają z drzew.
        – z wypracowania</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>„Wyczyść Top 10” w menu Wyniki opróżnia listę Top 10.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>Biurokracja wstrzymuje nowy most.
        – z gazety</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric zapamiętuje dziesięć najlepszych wyników ludzi. Komputer gra, ale nigdy nie trafia do Top 10.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>Wynalezienie parowca sprawiło, że powstała cała sieć rzek.
        – z wypracowania</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>Kropki pod kubkiem pokazują, ile rzutów zostało.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Nie oceniaj książki po filmie.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric pamięta od gry do gry, ile osób gra i jak się nazywają.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Mieszkańców Egiptu nazywano mumiami. Podróżowali Camelotem.
        – z wypracowania</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>Wybrane tempo animacji zostaje zapamiętane na kolejne gry.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>Bądź na czołówkach! Śpij na sztruksowej poduszce.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Najlepsze wyniki Bexil</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Imię             Wynik</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>Nie można odczytać wyników Top 10 z %1: %2.
Nowe wyniki są wyświetlane, ale nie zostaną zapisane, dopóki pliku nie da się odczytać.</translation>
    </message>
</context>
</TS>
