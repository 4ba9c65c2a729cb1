<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Advice</name>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Inscrivez %1 maintenant&#xa0;: total attendu %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Lancez les dés&#xa0;: total attendu %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Lancez les dés du gobelet&#xa0;: total attendu %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Remettez le %1 et relancez&#xa0;: total attendu %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Remettez le %1 et le %2 et relancez&#xa0;: total attendu %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Remettez le %1, le %2 et le %3 et relancez&#xa0;: total attendu %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Remettez le %1, le %2, le %3 et le %4 et relancez&#xa0;: total attendu %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Remettez les cinq dés et relancez&#xa0;: total attendu %1.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Inscrire %1 maintenant&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Relancer, au mieux&#xa0;: %1.</translation>
    </message>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>Aucun coup à conseiller sur l’écran de réglage&#xa0;: commencez d’abord la partie.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Fermez d’abord le panneau&#xa0;: le meilleur coup s’affiche sur le plateau.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>La partie est terminée&#xa0;: aucun coup à conseiller.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Aucun coup à conseiller pour l’instant.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Inscrivez 0 en %1 maintenant&#xa0;: total attendu %2.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Inscrire 0 en %1 maintenant&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Meilleur coup</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>Erreur MCI</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>les réglages n’ont pas pu être enregistrés dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 – cinq dés, un gobelet, un parchemin
Lancés sur le marbre, notés à l’encre. Bonne chance&#xa0;!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>échec de la fonction</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>tampon trop petit</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Impossible d’écrire dans le fichier</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>Le Top 10 n’a pas pu être enregistré dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 a marqué %n point</numerusform>
            <numerusform>%1 a marqué %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Le choix de l’ordinateur n’a pas pu être enregistré dans %1&#xa0;: %2&#xa0;; il reste valable jusqu’à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Le choix de la langue n’a pas pu être enregistré dans %1&#xa0;: %2&#xa0;; il reste valable jusqu’à la fermeture du jeu.</translation>
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
        <translation>Grande suite</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>As</translation>
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
        <translation>Un jeu de dés pour un à quatre joueurs, ou un joueur contre l’ordinateur.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Lire les effets sonores, la musique et l’aide dans &lt;dossier&gt;.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Garder le fichier de réglages bexil.ini dans &lt;dossier&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>L’option «&#xa0;--%1&#xa0;» demande un dossier.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1&#xa0;: %2
«&#xa0;%1 --help&#xa0;» affiche les options.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>pas de dossier de données «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a directory, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>c’est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c’est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c’est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>une autre partie en cours le gardait verrouillé</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota disque est épuisé</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>une partie de son chemin n’est pas un dossier</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>ses liens symboliques tournent en boucle</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>il est trop volumineux</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>c’est un lien symbolique qui ne mène nulle part</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Aide d’Ossaric</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Chargement de l’aide…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Le fichier d’aide &lt;b&gt;%1&lt;/b&gt; du dossier du jeu&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;est trop volumineux pour être affiché.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Le fichier d’aide &lt;b&gt;%1&lt;/b&gt; est introuvable dans le dossier du jeu&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>L’aide est absente</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, lien</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>&amp;Bilan de la dernière partie</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>Ordinateur c&amp;lassique</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>Ordinateur &amp;expert</translation>
    </message>
    <message>
        <source>&amp;Best Move</source>
        <translation>&amp;Meilleur coup</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Comme le &amp;système</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>&amp;Recommencer la partie</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Plus &amp;rapide</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Plus &amp;lente</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Musique activée</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>M&amp;usique désactivée</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Effets sonores activés</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>Effets sonores &amp;désactivés</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>Scores &amp;actuels</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>E&amp;ffacer le Top 10</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>Au&amp;dio</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Scores</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>Le fichier musical «&#xa0;%1&#xa0;» s’est arrêté dès son début. Il est écarté jusqu’au prochain lancement du jeu.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Joueur %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Choisissez une commande du menu Partie.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Choisissez maintenant une catégorie.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>Trois lancers au plus</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>Il n’y a aucun dé dans le gobelet.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Fin de la partie</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Le saviez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Suivante</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>suivant</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Lancers</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Noms des joueurs</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Afficher l’astuce du jour</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Retour à %1</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>inscrire %1</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>lancer les cinq</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>garder %1 et lancer</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>Le bilan est prêt dès qu’une partie a été jouée jusqu’au bout.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Votre jeu&#xa0;: %1 % (%2 points perdus par vos choix)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1&#xa0;: %2 % (%3 points perdus par ses choix)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Chaque choix était le meilleur.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Tour %1, lancer %2, dés %3&#xa0;: %4&#xa0;; le mieux&#xa0;: %5 (%6 points).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Bilan</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>Lancer %n dé</numerusform>
            <numerusform>Lancer %n dés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>%n lancer restant</numerusform>
            <numerusform>%n lancers restants</numerusform>
        </translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contre l’ordinateur</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n joueur</numerusform>
            <numerusform>%n joueurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n dé dans le gobelet</numerusform>
            <numerusform>%n dés dans le gobelet</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Feuille de score</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>vide, rapporterait %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Le saviez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Vous avez lancé %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 a lancé %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Vous gardez %1, lancez %n dé&#xa0;: %2</numerusform>
            <numerusform>Vous gardez %1, lancez %n dés&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 garde %2, lance %n dé&#xa0;: %3</numerusform>
            <numerusform>%1 garde %2, lance %n dés&#xa0;: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Vous inscrivez %1 en %2</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 inscrit %2 en %3</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>À %1 de lancer</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Gobelet, l’ordinateur joue</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Joueur suivant, à %1 de jouer</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Gobelet, aucune partie en cours</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Gobelet, plus aucun lancer, choisissez une catégorie</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Gobelet, il revient au joueur 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Gobelet vide, %n lancer restant</numerusform>
            <numerusform>Gobelet vide, %n lancers restants</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Dé %1, %2</translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Nom du joueur %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>gardé, plus aucun lancer</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>sur la table, appuyez pour le remettre dans le gobelet</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>tapez le nom, Entrée pour valider</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>%1, total %2</translation>
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
        <translation>Nouvelle partie. Choisissez les joueurs et leurs noms, puis Retour à Ossaric</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Lancer %1. %2. %n lancer restant</numerusform>
            <numerusform>Lancer %1. %2. %n lancers restants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, lancer %1. %2. %n lancer restant</numerusform>
            <numerusform>%3, lancer %1. %2. %n lancers restants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 garde %4, lancer %1. %2. %n lancer restant</numerusform>
            <numerusform>%3 garde %4, lancer %1. %2. %n lancers restants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n point. Total %2</numerusform>
            <numerusform>%1, %n points. Total %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %n point pour %3. Total %2</numerusform>
            <numerusform>%1, %n points pour %3. Total %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Dé %1, %2, remis dans le gobelet. %n dé dans le gobelet</numerusform>
            <numerusform>Dé %1, %2, remis dans le gobelet. %n dés dans le gobelet</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Annulé. %1 est de nouveau vide. Total %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Annulé. %n dé revient sur la table</numerusform>
            <numerusform>Annulé. %n dés reviennent sur la table</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Joueur suivant. À %1 de jouer</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Partie terminée. %n point</numerusform>
            <numerusform>Partie terminée. %n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Partie terminée. Égalité à %n point</numerusform>
            <numerusform>Partie terminée. Égalité à %n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Partie terminée. %1 gagne avec %n point</numerusform>
            <numerusform>Partie terminée. %1 gagne avec %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Top 10 effacé</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Fermeture d’Ossaric</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 dés</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>Une colonne</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 dés</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Deux colonnes</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>Total %1&#xa0;:</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The points tooltip over a row of the score sheet: the category, then its points.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound device is already in use.</source>
        <translation>Le périphérique audio est déjà utilisé.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Aucun périphérique audio disponible&#xa0;: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Aucun périphérique audio disponible.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Impossible de jouer la musique&#xa0;: aucune banque de sons General MIDI n’a été trouvée. Installez le paquet timgm6mb-soundfont pour l’entendre.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>Le fichier musical «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>Le fichier musical «&#xa0;%1&#xa0;» n’est pas un fichier MIDI.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>Impossible de jouer le fichier musical «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>Aucun morceau n’est ouvert sur ce périphérique.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>La musique ne peut pas démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>Le périphérique musical ne signale aucune erreur.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>Impossible de jouer de la musique sur ce système.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Impossible d’ouvrir le fichier musical.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>La musique ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Erreur inconnue %1 du périphérique musical.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Un morceau de musique s’est arrêté dès son début.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>Les touches «&#xa0;+&#xa0;» et «&#xa0;-&#xa0;» changent la vitesse de l’animation.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>On ne peut pas tomber du plancher.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Pour ne plus entendre un morceau, changez l’extension «&#xa0;mid&#xa0;» de son fichier ou supprimez-le.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Alexander Graham Bell a inventé le téléphone pour que les gens arrêtent de crier.
        – copie d’élève</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>«&#xa0;Recommencer la partie&#xa0;» dans le menu Partie reprend la partie depuis le début.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Si rien ne marche, lisez le mode d’emploi.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>Selon votre dernier coup, «&#xa0;Annuler&#xa0;» ressort les dés du gobelet ou efface le dernier score.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>Quel est le synonyme de «&#xa0;synonyme&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Déposez vos propres musiques (fichiers MIDI) dans le dossier
~/.local/share/ossaric/music
pour les entendre à la suite.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>La gravité se remarque surtout en automne, quand les pommes tombent des arbres.
        – copie d’élève</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>«&#xa0;Effacer le Top 10&#xa0;» dans le menu Scores vide le Top 10.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>La paperasse retient
le nouveau pont.
        – fait divers</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric garde les dix meilleurs totaux de ses joueurs humains. L’ordinateur joue, mais n’entre jamais dans le Top 10.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>L’invention du bateau à vapeur a fait naître tout un réseau de fleuves.
        – copie d’élève</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>Les points sous le gobelet indiquent le nombre de lancers restants.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Ne jugez jamais un livre d’après son film.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>D’une partie à l’autre, Ossaric se souvient du nombre de joueurs et de leurs noms.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Les habitants de l’Égypte s’appelaient des momies. Ils voyageaient à dos de Camelot.
        – copie d’élève</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>La vitesse d’animation choisie est conservée d’une partie à l’autre.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>Faites la une&#xa0;! Dormez sur un oreiller en velours côtelé.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Meilleurs scores Bexil</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Nom              Score</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>Les scores du Top 10 dans %1 ne peuvent pas être lus&#xa0;: %2.
Les nouveaux scores sont affichés mais pas enregistrés tant que le fichier reste illisible.</translation>
    </message>
</context>
</TS>
