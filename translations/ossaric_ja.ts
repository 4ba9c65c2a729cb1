<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Advice</name>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>今すぐ %1 に書き込む: 期待合計 %2。</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>ダイスを振る: 期待合計 %1。</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>カップの中のダイスを振る: 期待合計 %1。</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>%1 を戻して振り直す: 期待合計 %2。</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>%1 と %2 を戻して振り直す: 期待合計 %3。</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>%1、%2、%3 を戻して振り直す: 期待合計 %4。</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>%1、%2、%3、%4 を戻して振り直す: 期待合計 %5。</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>5個すべてを戻して振り直す: 期待合計 %1。</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>今 %1 に書き込む場合: %2。</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>振り直す場合 (最善): %1。</translation>
    </message>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>設定画面では勧める手がありません。先にゲームを始めてください。</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>先にパネルを閉じてください。最善手は盤面に示されます。</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>ゲームは終わりました。勧める手はありません。</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>今は勧める手がありません。</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>今すぐ %1 に 0 を書き込む: 期待合計 %2。</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>今 %1 に 0 を書き込む場合: %2。</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>最善手</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>MCI エラー</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>設定を %1 に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 - ダイス5個、カップ1つ、巻物1巻
大理石に振り、インクで記す。幸運を!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Ossaric について</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>関数が失敗しました</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>バッファが小さすぎます</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>ファイルに書き込めません</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>トップ10を %1 に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲーム終了</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 の得点は %n 点です</numerusform>
        </translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>設定を %1 に保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>コンピュータの選択を %1 に保存できませんでした: %2。ゲームを終了するまでは有効です。</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>言語の選択を %1 に保存できませんでした: %2。ゲームを終了するまでは有効です。</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Bexil</source>
        <translation>ベクシル</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Lストレート</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Sストレート</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>フォーカード</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>フルハウス</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>6の目</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>5の目</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>4の目</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>3の目</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>2の目</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>1の目</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>チャンス</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>1~4人で、または1人でコンピュータと遊ぶダイスゲーム。</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>効果音・音楽・ヘルプを &lt;フォルダ&gt; から読み込みます。</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>設定ファイル bexil.ini を &lt;フォルダ&gt; に置きます。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数 &apos;%1&apos; です。</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>オプション &apos;--%1&apos; にはフォルダの指定が必要です。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
オプションは &apos;%1 --help&apos; で確認できます。
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>データフォルダ &apos;%1&apos; がありません</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a directory, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>ファイルではなく名前付きパイプです</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>ファイルではなくデバイスです</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>ファイルではなくソケットです</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>実行中の別のゲームがロックしたままでした</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>ディスクの割り当てを使い切りました</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>ディスクは読み取り専用です</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>パスの一部がフォルダーではありません</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>シンボリックリンクが循環しています</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>ディスクがエラーを報告しました</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>リンク先が存在しないシンボリックリンクです</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Ossaric ヘルプ</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>ヘルプを読み込んでいます…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>ゲームフォルダ&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;のヘルプファイル &lt;b&gt;%1&lt;/b&gt; は大きすぎて表示できません。</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>ゲームフォルダ&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;にヘルプファイル &lt;b&gt;%1&lt;/b&gt; が見つかりません。</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>ヘルプがありません</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1、リンク</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>前回のゲームの振り返り(&amp;V)</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>標準のコンピュータ(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>上級のコンピュータ(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Best Move</source>
        <translation>最善手(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>デスクトップに合わせる(&amp;D)</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>最初からやり直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>速く(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>遅く(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>音楽オン(&amp;M)</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>音楽オフ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>効果音オン(&amp;S)</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>効果音オフ(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>現在の得点(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>トップ10(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>トップ10を消去(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ossaric について(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>速さ(&amp;A)</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>サウンド(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>得点(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>音楽ファイル「%1」は始まってすぐに止まりました。ゲームを再起動するまで再生しません。</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>プレイヤー%1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>「ゲーム」メニューから選んでください。</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>得点を書き込む役を選んでください。</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>振れるのは3回まで</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>カップにダイスがありません。</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>ゲーム終了</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>次の人</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 の合計</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>ご存じですか…</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>次のヒント</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>次の</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>人へ</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>振る回数</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>プレイヤー名</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Display Tip of the Day</source>
        <translation>今日のヒントを表示</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>%1 に戻る</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>%1 に書き込む</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>5個すべて振る</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>%1 を残して振る</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>ゲームを最後まで遊ぶと振り返りができます。</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>あなたのプレイ: %1 % (判断で失った点 %2)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (判断で失った点 %3)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>すべての判断が最善でした。</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>ターン %1、%2 回目、ダイス %3: %4、最善: %5 (%6 点)。</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>振り返り</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>ゲームテーブル</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピュータ</translation>
    </message>
    <message>
        <source>one</source>
        <translation>1</translation>
    </message>
    <message>
        <source>two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>three</source>
        <translation>3</translation>
    </message>
    <message>
        <source>four</source>
        <translation>4</translation>
    </message>
    <message>
        <source>five</source>
        <translation>5</translation>
    </message>
    <message>
        <source>six</source>
        <translation>6</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>ダイスを %n 個振る</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>残り %n 回</numerusform>
        </translation>
    </message>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>次の人</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>次のヒント</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>コンピュータと対戦</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n 人</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>カップにダイス %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>スコア表</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>空欄、書き込むと %1 点</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空欄</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 の合計</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>ご存じですか…</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>あなたの目は %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 の目は %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>%1 を残して %n 個振りました: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 は %2 を残して %n 個振りました: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>%2 に %1 点を書き込みました</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 は %3 に %2 点を書き込みました</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>%1 が振る番</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>カップ、コンピュータの番です</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>次の人へ、%1 の番です</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>カップ、ゲーム中ではありません</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>カップ、もう振れません、得点を書き込む役を選んでください</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>カップ、プレイヤー 1 に戻ります</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>カップは空、残り %n 回</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>ダイス %1、%2 の目</translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>プレイヤー %1 の名前、%2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>残したダイス、もう振れません</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>テーブルの上、押すとカップに戻します</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>名前を入力、Enter キーで確定</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1、%2、%3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>%1 の合計 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>合計 %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>新しいゲーム。プレイヤーと名前を選んでから、Ossaric に戻るを押してください</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%1 回目。%2。残り %n 回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3、%1 回目。%2。残り %n 回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 は %4 を残して %1 回目。%2。残り %n 回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1、%n 点。合計 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1、%3 に %n 点。合計 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>ダイス %1、%2 の目をカップに戻しました。カップにダイス %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>元に戻しました。%1 は空欄に戻りました。合計 %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>元に戻しました。ダイス %n 個がテーブルに戻りました</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>次の人へ。%1 の番です</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>ゲーム終了。%n 点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>ゲーム終了。%n 点で引き分け</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>ゲーム終了。%n 点で %1 の勝ち</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>トップ10を消去しました</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric を終了します</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5ダイス</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>1列</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10ダイス</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>2列</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピュータ</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>%1 の合計:</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>コンピュータ</translation>
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
        <translation>サウンドデバイスは使用中です。</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>使えるサウンドデバイスがありません: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>使えるサウンドデバイスがありません。</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>音楽を再生できません: General MIDI のサウンドフォントが見つかりません。聴くには timgm6mb-soundfont パッケージをインストールしてください。</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>音楽ファイル「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>音楽ファイル「%1」は MIDI ファイルではありません。</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>音楽ファイル「%1」を再生できません: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>このデバイスで開いている曲はありません。</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>音楽を開始できません: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>音楽デバイスはエラーを報告していません。</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>このシステムでは音楽を再生できません。</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>音楽ファイルを開けません。</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>音楽を開始できません。</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>音楽デバイスの不明なエラー %1 です。</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>音楽が始まってすぐに止まりました。</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>アニメーションの速さは「+」キーと「-」キーで変えられます。</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>床から落ちることはできません。</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>曲を流したくないときは、ファイルの拡張子「mid」を変えるか、ファイルを削除してください。</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>グラハム・ベルは、人々が大声で叫ばずにすむように電話を発明した。
        ― 生徒の答案より</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>「ゲーム」メニューの「最初からやり直す」で、今のゲームをやり直せます。</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>どうしてもだめなら、説明書を読もう。</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>「元に戻す」は、直前の操作に応じて、カップに戻したダイスを戻すか、最後の得点を消します。</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>「類義語」の類義語は?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>好きな音楽 (MIDI ファイル) をフォルダ
~/.local/share/ossaric/music
に入れると、順番に流れます。</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>重力が特に目立つのは秋、リンゴが木から落ちるころである。
        ― 生徒の答案より</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>「得点」メニューの「トップ10を消去」で、トップ10を空にできます。</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>新しい橋、お役所仕事で足止め。
        ― 新聞記事より</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric は人間のプレイヤーの上位10件の合計を記録します。コンピュータも遊びますが、トップ10には入りません。</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>蒸気船の発明によって、川の網の目が生まれた。
        ― 生徒の答案より</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>カップの下の点は、残りの振れる回数を示します。</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>本の良し悪しを映画で決めつけないこと。</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric は遊ぶ人数と全員の名前を次のゲームまで覚えています。</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>エジプトの住民はミイラと呼ばれ、キャメロットに乗って旅をした。
        ― 生徒の答案より</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>選んだアニメーションの速さは、次のゲームにも引き継がれます。</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>話題になろう! コーデュロイの枕で寝てみよう。</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  ベクシル ハイスコア</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      名前          得点</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>%1 のトップ10を読み込めません: %2。
新しいスコアは表示されますが、ファイルを読み込めるようになるまで保存されません。</translation>
    </message>
</context>
</TS>
