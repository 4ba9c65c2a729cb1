<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Advice</name>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Jetzt %1 eintragen: erwartete Summe %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Würfeln Sie: erwartete Summe %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Werfen Sie die Würfel im Becher: erwartete Summe %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Legen Sie die %1 zurück und werfen Sie erneut: erwartete Summe %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Legen Sie die %1 und die %2 zurück und werfen Sie erneut: erwartete Summe %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Legen Sie die %1, die %2 und die %3 zurück und werfen Sie erneut: erwartete Summe %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Legen Sie die %1, die %2, die %3 und die %4 zurück und werfen Sie erneut: erwartete Summe %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Legen Sie alle fünf Würfel zurück und werfen Sie erneut: erwartete Summe %1.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Jetzt %1 eintragen: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Bestenfalls erneut werfen: %1.</translation>
    </message>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>In den Einstellungen gibt es keinen Zug zu empfehlen: Beginnen Sie zuerst das Spiel.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Schließen Sie zuerst die Tafel: Der beste Zug wird auf dem Spielfeld gezeigt.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>Das Spiel ist vorbei: Es gibt keinen Zug zu empfehlen.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Gerade gibt es keinen Zug zu empfehlen.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Jetzt 0 bei %1 eintragen: erwartete Summe %2.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Jetzt 0 bei %1 eintragen: %2.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Bester Zug</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>MCI-Fehler</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 – fünf Würfel, ein Becher, eine Rolle
Auf Marmor geworfen, mit Tinte notiert. Viel Glück!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Ossaric</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>Funktion fehlgeschlagen</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>Puffer ist zu klein</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>Die Bestenliste konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 hat %n Punkt erzielt</numerusform>
            <numerusform>%1 hat %n Punkte erzielt</numerusform>
        </translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Die Wahl des Computergegners konnte nicht in %1 gespeichert werden: %2; sie gilt bis zum Beenden des Spiels.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Die Wahl der Sprache konnte nicht in %1 gespeichert werden: %2; sie gilt bis zum Beenden des Spiels.</translation>
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
        <translation>Große Straße</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine Straße</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Viererpasch</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechser</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Einser</translation>
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
        <translation>Ein Würfelspiel für einen bis vier Spieler oder einen gegen den Computer.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Geräusche, Musik und Hilfe aus &lt;Verz&gt; lesen.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>Verz</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Die Einstellungsdatei bexil.ini in &lt;Verz&gt; ablegen.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>Die Option „--%1“ braucht ein Verzeichnis.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
„%1 --help“ zeigt die Optionen.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>kein Datenverzeichnis „%1“</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a directory, not a file</source>
        <translation>das ist ein Verzeichnis, keine Datei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>das ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>das ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>das ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>ein anderes laufendes Spiel hielt die Datei gesperrt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>ein Teil des Pfades ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>die symbolischen Verknüpfungen bilden eine Schleife</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>der Datenträger meldete einen Fehler</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>es ist eine symbolische Verknüpfung, die ins Leere führt</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Ossaric-Hilfe</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Die Hilfe wird geladen …</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; im Spielverzeichnis&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;ist zu groß für die Anzeige.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; wurde im Spielverzeichnis&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;nicht gefunden.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>Die Hilfe fehlt</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, Link</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>&amp;Rückblick auf das letzte Spiel</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>&amp;Klassischer Computer</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>&amp;Experten-Computer</translation>
    </message>
    <message>
        <source>&amp;Best Move</source>
        <translation>&amp;Bester Zug</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Wie das &amp;System</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>Spiel &amp;neu starten</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Neues &amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Schneller</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Langsamer</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Musik an</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>M&amp;usik aus</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Geräusche an</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>Geräusche &amp;aus</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>&amp;Aktueller Stand</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>Bestenliste &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Ossaric</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Animationstempo</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>Au&amp;dio</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Wertung</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>Die Musikdatei „%1“ endete, kaum dass sie begonnen hatte. Sie wird ausgelassen, bis das Spiel neu gestartet wird.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Spieler %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Wählen Sie einen Befehl im Menü „Spiel“.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Tragen Sie den Wurf jetzt in eine Kategorie ein.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>Höchstens drei Würfe</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>Im Becher sind keine Würfel.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Spielende</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Summe %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Schon gewusst …</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Würfe</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Namen der Spieler</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Tipp des Tages zeigen</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Zurück zu %1</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>%1 eintragen</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>alle fünf werfen</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>%1 behalten und werfen</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>Der Rückblick steht bereit, sobald ein Spiel zu Ende gespielt ist.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Ihr Spiel: %1 % (%2 Punkte durch Entscheidungen verloren)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (%3 Punkte durch Entscheidungen verloren)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Jede Entscheidung war die beste.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Zug %1, Wurf %2, Würfel %3: %4; am besten: %5 (%6 Punkte).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rückblick</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Spieltisch</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>one</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>%n Würfel werfen</numerusform>
            <numerusform>%n Würfel werfen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>noch %n Wurf</numerusform>
            <numerusform>noch %n Würfe</numerusform>
        </translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Gegen den Computer</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n Spieler</numerusform>
            <numerusform>%n Spieler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n Würfel im Becher</numerusform>
            <numerusform>%n Würfel im Becher</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Spielblock</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>leer, ergäbe %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Summe %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Schon gewusst …</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Sie haben %1 geworfen</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 hat %2 geworfen</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Sie behalten %1, werfen %n Würfel: %2</numerusform>
            <numerusform>Sie behalten %1, werfen %n Würfel: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 behält %2, wirft %n Würfel: %3</numerusform>
            <numerusform>%1 behält %2, wirft %n Würfel: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Sie tragen %1 bei %2 ein</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 trägt %2 bei %3 ein</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>%1 würfelt</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Becher, der Computer ist am Zug</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Nächster Spieler, %1 ist am Zug</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Becher, kein Spiel im Gange</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Becher, keine Würfe mehr, wählen Sie eine Kategorie</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Becher, Spieler 1 nimmt ihn zurück</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Becher leer, noch %n Wurf</numerusform>
            <numerusform>Becher leer, noch %n Würfe</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Würfel %1, %2</translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Name von Spieler %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>behalten, keine Würfe mehr</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>auf dem Tisch, drücken, um ihn in den Becher zurückzulegen</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>Namen eintippen, die Eingabetaste beendet ihn</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>Summe von %1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Summe %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>Neues Spiel. Spieler und Namen wählen, dann Zurück zu Ossaric</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Wurf %1. %2. Noch %n Wurf</numerusform>
            <numerusform>Wurf %1. %2. Noch %n Würfe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, Wurf %1. %2. Noch %n Wurf</numerusform>
            <numerusform>%3, Wurf %1. %2. Noch %n Würfe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 behält %4, Wurf %1. %2. Noch %n Wurf</numerusform>
            <numerusform>%3 behält %4, Wurf %1. %2. Noch %n Würfe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n Punkt. Summe %2</numerusform>
            <numerusform>%1, %n Punkte. Summe %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %n Punkt für %3. Summe %2</numerusform>
            <numerusform>%1, %n Punkte für %3. Summe %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Würfel %1, %2, zurück in den Becher. %n Würfel im Becher</numerusform>
            <numerusform>Würfel %1, %2, zurück in den Becher. %n Würfel im Becher</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Rückgängig gemacht. %1 ist wieder frei. Summe %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Rückgängig gemacht. %n Würfel wieder auf dem Tisch</numerusform>
            <numerusform>Rückgängig gemacht. %n Würfel wieder auf dem Tisch</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Nächster Spieler. %1 ist am Zug</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Spielende. %n Punkt</numerusform>
            <numerusform>Spielende. %n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Spielende. Unentschieden mit %n Punkt</numerusform>
            <numerusform>Spielende. Unentschieden mit %n Punkten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Spielende. %1 gewinnt mit %n Punkt</numerusform>
            <numerusform>Spielende. %1 gewinnt mit %n Punkten</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Bestenliste gelöscht</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric wird beendet</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 Würfel</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>Eine Spalte</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 Würfel</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Zwei Spalten</translation>
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
        <translation>Summe %1:</translation>
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
        <translation>Das Tongerät wird bereits benutzt.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Kein Tongerät verfügbar: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Kein Tongerät verfügbar.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Musik kann nicht abgespielt werden: Es wurde kein General-MIDI-Soundfont gefunden. Installieren Sie das Paket timgm6mb-soundfont, um sie zu hören.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>Die Musikdatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>Die Musikdatei „%1“ ist keine MIDI-Datei.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>Die Musikdatei „%1“ kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>Auf diesem Gerät ist kein Musikstück geöffnet.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>Die Musik kann nicht starten: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>Das Musikgerät meldet keinen Fehler.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>Auf diesem System kann keine Musik abgespielt werden.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Die Musikdatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>Die Musik kann nicht starten.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Unbekannter Fehler %1 des Musikgeräts.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Ein Musikstück endete, kaum dass es begonnen hatte.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>Das Animationstempo lässt sich mit den Tasten „+“ und „-“ ändern.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>Vom Fußboden kann man nicht herunterfallen.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Ein Musikstück wird nicht mehr gespielt, wenn Sie die Endung seiner Datei von „mid“ ändern oder die Datei löschen.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Alexander Graham Bell erfand das Telefon, damit die Leute nicht mehr schreien mussten.
        – aus einem Schulaufsatz</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>Mit „Spiel neu starten“ im Menü „Spiel“ beginnt die laufende Partie von vorn.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Wenn alles andere versagt: Lesen Sie die Anleitung.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>„Rückgängig“ holt je nach letztem Zug die Würfel aus dem Becher zurück oder streicht den letzten Eintrag.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>Wie heißt ein anderes Wort für Synonym?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Legen Sie eigene Musik (MIDI-Dateien) in den Ordner
~/.local/share/ossaric/music
und sie wird der Reihe nach gespielt.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>Die Schwerkraft bemerkt man vor allem im Herbst, wenn die Äpfel von den Bäumen fallen.
        – aus einem Schulaufsatz</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>Die Bestenliste leeren Sie mit „Bestenliste löschen“ im Menü „Wertung“.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>Brücke wegen Bürokratie auf Eis gelegt.
        – Zeitungsmeldung</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric merkt sich die zehn besten Summen menschlicher Spieler. Der Computer spielt mit, kommt aber nie in die Bestenliste.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>Die Erfindung des Dampfschiffs ließ ein ganzes Netz von Flüssen entstehen.
        – aus einem Schulaufsatz</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>Die Punkte unter dem Becher zeigen, wie viele Würfe noch bleiben.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Beurteile ein Buch nie nach seiner Verfilmung.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric merkt sich von Partie zu Partie, wie viele mitspielen und wie sie heißen.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Die Bewohner Ägyptens hießen Mumien. Sie reisten auf Kamelot.
        – aus einem Schulaufsatz</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>Das gewählte Animationstempo bleibt von Spiel zu Spiel erhalten.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>Machen Sie Schlagzeilen! Schlafen Sie auf einem Cordkissen.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Bestenliste Bexil</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Name             Punkte</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>Die Bestenliste in %1 kann nicht gelesen werden: %2.
Neue Ergebnisse werden angezeigt, aber nicht gespeichert, solange die Datei nicht lesbar ist.</translation>
    </message>
</context>
</TS>
