<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Advice</name>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>設定畫面上沒有可建議的走法：請先開始遊戲。</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>請先關閉面板：最佳走法會標示在遊戲桌上。</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>遊戲已結束：沒有可建議的走法。</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>目前沒有可建議的走法。</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>現在在「%1」記 0 分：預期總分 %2。</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>現在記入「%1」：預期總分 %2。</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>擲骰：預期總分 %1。</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>擲出骰盅裡的骰子：預期總分 %1。</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>把 %1 點放回骰盅再擲：預期總分 %2。</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>把 %1 點和 %2 點放回骰盅再擲：預期總分 %3。</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>把 %1 點、%2 點和 %3 點放回骰盅再擲：預期總分 %4。</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>把 %1 點、%2 點、%3 點和 %4 點放回骰盅再擲：預期總分 %5。</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>五顆骰子全部放回骰盅再擲：預期總分 %1。</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>改為現在在「%1」記 0 分：%2。</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>改為現在記入「%1」：%2。</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>改為再擲，最佳預期：%1。</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>最佳走法</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>MCI 錯誤</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>無法將設定儲存到 %1：%2</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>無法將你的設定儲存到 %1：%2。</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0——五顆骰子、一個骰盅、一卷羊皮紙
擲在大理石上，以墨水記下。祝你好運！</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於 Ossaric</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>函式呼叫失敗</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>緩衝區太小</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>無法寫入檔案</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>無法將排行榜儲存到 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 得到 %n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>遊戲結束</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>無法將電腦對手的選擇儲存到 %1：%2；這項選擇在結束遊戲前仍然有效。</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>無法將語言的選擇儲存到 %1：%2；這項選擇在結束遊戲前仍然有效。</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Bexil</source>
        <translation>貝克西爾</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>大順</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>小順</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>鐵支</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>葫蘆</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>六點</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>五點</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>四點</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>三點</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>二點</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>一點</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>機會</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>骰子遊戲，可供一至四人同樂，或一人對戰電腦。</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>從 &lt;目錄&gt; 讀取音效、音樂和說明。</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>目錄</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>將設定檔 bexil.ini 存放在 &lt;目錄&gt; 中。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>非預期的引數「%1」。</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>選項「--%1」需要指定目錄。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1：%2
請執行「%1 --help」查看可用的選項。
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>資料目錄「%1」不存在</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>這是指向不存在目標的符號連結</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>這是資料夾，不是檔案</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>這是具名管道，不是檔案</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>這是裝置，不是檔案</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>這是通訊端，不是檔案</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>權限不足</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>另一個執行中的遊戲一直鎖定著它</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁碟配額已用完</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>磁碟為唯讀</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>路徑中有一部分不是資料夾</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>符號連結形成了迴圈</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>檔案太大</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>磁碟回報了錯誤</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Ossaric 說明</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1，連結</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>正在載入說明……</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>遊戲目錄&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;中的說明檔 &lt;b&gt;%1&lt;/b&gt; 太大，無法顯示。</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>在遊戲目錄&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;中找不到說明檔 &lt;b&gt;%1&lt;/b&gt;。</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>找不到說明</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Best Move</source>
        <translation>最佳走法(&amp;B)</translation>
    </message>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>上一局回顧(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>選項(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>依系統設定(&amp;D)</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>經典電腦(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>高手電腦(&amp;E)</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>重新開始本局(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新遊戲(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>加快(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>減慢(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>開啟音樂(&amp;M)</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>關閉音樂(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>開啟音效(&amp;S)</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>關閉音效(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>目前總分(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>排行榜(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>清除排行榜(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於 Ossaric(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>遊戲(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>動畫速度(&amp;A)</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>聲音(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>計分(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>音樂檔「%1」一開始播放就停止了。在遊戲重新啟動之前，不會再播放這首樂曲。</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>玩家 %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>請從「遊戲」選單中選擇指令</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>開始新遊戲</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>現在請選擇計分項目</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>最多只能擲三次</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>骰盅裡沒有骰子</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>遊戲結束</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>下一位</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>總分</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 的總分</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>你知道嗎？</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>下一則</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Display Tip of the Day</source>
        <translation>顯示每日提示</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>返回 %1</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>下一位</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>擲骰次數</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>玩家名字</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>記入「%1」</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>五顆全部重擲</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>保留 %1 再擲</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>要先把一局完整玩完，才能回顧。</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>你的表現：%1%（選擇共損失 %2 分）</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1：%2%（選擇共損失 %3 分）</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>每一步都是最佳選擇。</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>第 %1 回合第 %2 擲，骰子 %3：%4；最佳：%5（差 %6 分）。</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>回顧</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>遊戲桌</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
    <message>
        <source>one</source>
        <translation>一點</translation>
    </message>
    <message>
        <source>two</source>
        <translation>二點</translation>
    </message>
    <message>
        <source>three</source>
        <translation>三點</translation>
    </message>
    <message>
        <source>four</source>
        <translation>四點</translation>
    </message>
    <message>
        <source>five</source>
        <translation>五點</translation>
    </message>
    <message>
        <source>six</source>
        <translation>六點</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>骰盅，電腦正在出手</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>下一位玩家，輪到 %1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>骰盅，目前沒有進行中的遊戲</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>骰盅，已經不能再擲，請選擇計分項目</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>骰盅，交回給玩家 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>骰盅是空的，還可擲 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>擲 %n 顆骰子</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>還可擲 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>第 %1 顆骰子，%2</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>下一位</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>下一則</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>對戰電腦</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n 位玩家</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>玩家 %1 的名字，%2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>已保留，不能再擲</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>在桌上，按下可放回骰盅</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>輸入名字，按 Enter 結束</translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>骰盅裡有 %n 顆骰子</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>計分表</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>空白，現在記入可得 %1 分</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1，%2，%3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>%1 的總分 %2</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 的總分</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>總分 %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>你知道嗎？</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>新遊戲。選擇玩家人數和名字，然後按「返回 Ossaric」</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>你擲出了 %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 擲出了 %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>你保留 %1，擲 %n 顆骰子：%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 保留 %2，擲 %n 顆骰子：%3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>你在%2記入 %1 分</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 在%3記入 %2 分</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新遊戲</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>輪到 %1 擲骰</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>第 %1 擲。%2。還可擲 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3，第 %1 擲。%2。還可擲 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 保留 %4，第 %1 擲。%2。還可擲 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1，%n 分。總分 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1，%3 得 %n 分。總分 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>第 %1 顆骰子，%2，放回骰盅。骰盅裡有 %n 顆骰子</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>已復原。%1恢復空白。總分 %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>已復原。%n 顆骰子回到桌上</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>下一位玩家。輪到 %1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>遊戲結束。%n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>遊戲結束。以 %n 分平手</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>遊戲結束。%1 以 %n 分獲勝</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>已清除排行榜</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric 即將關閉</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5顆骰子</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>單欄</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10顆骰子</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>雙欄</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>%1 的總分：</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>電腦</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The points tooltip over a row of the score sheet: the category, then its points.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound device is already in use.</source>
        <translation>音效裝置正被其他程式使用中。</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>沒有可用的音訊裝置：%1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>沒有可用的音訊裝置。</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>無法播放音樂：找不到 General MIDI 音色庫（SoundFont）。請安裝 timgm6mb-soundfont 套件，就能聽到音樂。</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>找不到音樂檔「%1」。</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>音樂檔「%1」不是 MIDI 檔案。</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>無法播放音樂檔「%1」：%2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>這個裝置上沒有已開啟的樂曲。</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>無法開始播放音樂：%1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>音樂裝置沒有回報任何錯誤。</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>這個系統無法播放音樂。</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>無法開啟音樂檔。</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>無法開始播放音樂。</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>有一首樂曲一開始播放就停止了。</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>不明的音樂裝置錯誤 %1。</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>按「+」或「-」鍵，
就能調整動畫速度。</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>人是不可能
從地板上摔下去的。</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>不想再聽某首樂曲時，
把檔案的副檔名「mid」改掉，
或直接刪除檔案即可。</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>貝爾發明電話，
是為了讓大家不用再用吼的。
        —— 摘自學生作文</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>選擇「遊戲」選單中的
「重新開始本局」，
就能把這一局從頭再玩一次。</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>真的沒辦法的時候，
就看一下說明書吧。</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>「復原」會依你的上一步，
把放回骰盅的骰子拿回來，
或刪除上一次記下的分數。</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>「同義詞」這個詞，
有什麼同義詞？</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>把你自己的音樂（MIDI 檔）
放進資料夾
~/.local/share/ossaric/music
就會依序播放。</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>地心引力主要在秋天才看得出來，
因為那時蘋果會從樹上掉下來。
        —— 摘自學生作文</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>選擇「計分」選單中的
「清除排行榜」，
就能清空排行榜。</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>繁文縟節卡住新橋
        —— 新聞標題</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric 會記下真人玩家
最高的十個總分。
電腦也會參加遊戲，
但永遠不會登上排行榜。</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>蒸汽船發明以後，
各地就冒出了一整片河川網。
        —— 摘自學生作文</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>骰盅下方的圓點，
表示還可以擲幾次。</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>千萬別用電影
來評斷一本書。</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric 會記住玩家人數
和每個人的名字，
下一局照樣沿用。</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>埃及的居民叫做木乃伊，
他們出門都騎卡美洛。
        —— 摘自學生作文</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>你選好的動畫速度
會一直保留，
下一局照樣適用。</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>想上頭條嗎？
枕著燈芯絨枕頭睡一晚，
醒來頭上就有條紋了。</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  貝克西爾排行榜</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>無法讀取 %1 中的排行榜：%2。
在檔案能夠讀取之前，新的分數會顯示出來，但不會儲存。</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>       姓名                            分數</translation>
    </message>
</context>
</TS>
