<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Advice</name>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>现在记入%1：预期总分 %2。</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>掷骰：预期总分 %1。</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>掷出骰盅里的骰子：预期总分 %1。</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>放回 %1 再掷：预期总分 %2。</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>放回 %1 和 %2 再掷：预期总分 %3。</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>放回 %1、%2 和 %3 再掷：预期总分 %4。</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>放回 %1、%2、%3 和 %4 再掷：预期总分 %5。</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>五颗骰子全部放回再掷：预期总分 %1。</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>现在记入%1：%2。</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>再掷（最好情况）：%1。</translation>
    </message>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>设置画面上没有可建议的走法：请先开始游戏。</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>请先关闭面板：最佳走法显示在棋盘上。</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>游戏已结束：没有可建议的走法。</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>现在没有可建议的走法。</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>现在在%1记 0 分：预期总分 %2。</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>现在在%1记 0 分：%2。</translation>
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
        <translation>MCI 错误</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>无法将设置保存到 %1：%2</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 - 五颗骰子，一只骰盅，一卷羊皮纸
掷在大理石上，用墨水记下。祝你好运！</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>函数调用失败</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>缓冲区太小</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>无法写入文件</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>无法将前十名保存到 %1：%2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 得了 %n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>无法将设置保存到 %1：%2。</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>无法将电脑对手的选择保存到 %1：%2；在退出游戏之前仍然有效。</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>无法将语言选择保存到 %1：%2；在退出游戏之前仍然有效。</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Bexil</source>
        <translation>贝克西尔</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>大顺</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>小顺</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>四条</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>葫芦</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>六点</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>五点</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>四点</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>三点</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>二点</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>一点</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>机会</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>一款骰子游戏，供一至四人同玩，或一人对战电脑。</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>从 &lt;目录&gt; 读取音效、音乐和帮助。</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>将设置文件 bexil.ini 存放在 &lt;目录&gt; 中。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>选项“--%1”需要一个目录。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1：%2
请用“%1 --help”查看选项。
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>数据目录“%1”不存在</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a directory, not a file</source>
        <translation>这是文件夹，不是文件</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>这是命名管道，不是文件</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>这是设备，不是文件</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>这是套接字，不是文件</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>另一个正在运行的游戏一直锁定着它</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁盘配额已用完</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>磁盘为只读</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>路径中有一部分不是文件夹</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>符号链接形成了循环</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>文件太大</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>磁盘报告了错误</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>它是一个指向不存在目标的符号链接</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Ossaric 帮助</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>正在载入帮助……</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>游戏目录&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;中的帮助文件 &lt;b&gt;%1&lt;/b&gt; 太大，无法显示。</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>在游戏目录&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;中找不到帮助文件 &lt;b&gt;%1&lt;/b&gt;。</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>缺少帮助</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1，链接</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>上一局复盘(&amp;V)</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>经典电脑(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>高手电脑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Best Move</source>
        <translation>最佳走法(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>跟随系统(&amp;D)</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>重新开始本局(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>加快(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>减慢(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>打开音乐(&amp;M)</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>关闭音乐(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>打开音效(&amp;S)</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>关闭音效(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>当前得分(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>前十名(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>清除前十名(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>动画速度(&amp;A)</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>声音(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>得分(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>音乐文件“%1”刚开始就停止了。在重新启动游戏之前将跳过它。</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>玩家%1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>请从“游戏”菜单中选择。</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>开始新游戏</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>现在请选择一个得分项。</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>最多掷三次</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>骰盅里没有骰子。</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>游戏结束</translation>
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
        <translation>总分</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 的总分</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>你知道吗……</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>下一条</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
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
        <translation>游戏</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>掷骰次数</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>玩家姓名</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Display Tip of the Day</source>
        <translation>显示每日提示</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>返回 %1</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>记入%1</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>五颗全掷</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>保留 %1 再掷</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>玩完一整局后才能复盘。</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>你的表现：%1 %（因选择失分 %2）</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1：%2 %（因选择失分 %3）</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>每一步都是最佳选择。</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>第 %1 轮，第 %2 掷，骰子 %3：%4；最佳：%5（%6 分）。</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>复盘</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>游戏桌</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>one</source>
        <translation>一点</translation>
    </message>
    <message>
        <source>two</source>
        <translation>二点</translation>
    </message>
    <message>
        <source>three</source>
        <translation>三点</translation>
    </message>
    <message>
        <source>four</source>
        <translation>四点</translation>
    </message>
    <message>
        <source>five</source>
        <translation>五点</translation>
    </message>
    <message>
        <source>six</source>
        <translation>六点</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>掷 %n 颗骰子</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>还能掷 %n 次</numerusform>
        </translation>
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
        <translation>下一条</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>对战电脑</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n 位玩家</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>骰盅里有 %n 颗骰子</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>计分表</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>空，记入可得 %1 分</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 的总分</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>你知道吗……</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>你掷出了 %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 掷出了 %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>你保留 %1，掷 %n 颗骰子：%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 保留 %2，掷 %n 颗骰子：%3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>你在%2记入 %1 分</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 在%3记入 %2 分</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>轮到%1掷骰</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>骰盅，轮到电脑了</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>下一位玩家，轮到%1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>骰盅，当前没有进行中的游戏</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>骰盅，不能再掷了，请选择得分项</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>骰盅，回到玩家 1 手中</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>骰盅已空，还能掷 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>骰子 %1，%2</translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>玩家 %1 的姓名，%2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>已保留，不能再掷了</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>在桌上，按下可放回骰盅</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>输入姓名，按回车键结束</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1，%2，%3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>%1 的总分 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>总分 %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>新游戏。选择玩家和他们的姓名，然后按返回 Ossaric</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>第 %1 掷。%2。还能掷 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3，第 %1 掷。%2。还能掷 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 保留 %4，第 %1 掷。%2。还能掷 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1，%n 分。总分 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1，%3 得 %n 分。总分 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>骰子 %1，%2，放回骰盅。骰盅里有 %n 颗骰子</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>已撤销。%1 重新空出。总分 %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>已撤销。%n 颗骰子回到桌上</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>下一位玩家。轮到%1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>游戏结束。%n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>游戏结束。以 %n 分打平</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>游戏结束。%1 以 %n 分获胜</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>已清除前十名</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric 正在退出</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5颗骰子</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>单列</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10颗骰子</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>双列</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>电脑</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>%1 的总分：</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>电脑</translation>
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
        <translation>声音设备已被占用。</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>没有可用的声音设备：%1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>没有可用的声音设备。</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>无法播放音乐：找不到 General MIDI 音色库。请安装 timgm6mb-soundfont 软件包后收听。</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>找不到音乐文件“%1”。</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>音乐文件“%1”不是 MIDI 文件。</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>无法播放音乐文件“%1”：%2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>此设备上没有打开的乐曲。</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>音乐无法开始：%1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>音乐设备没有报告错误。</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>此系统无法播放音乐。</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>无法打开音乐文件。</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>音乐无法开始。</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>未知的音乐设备错误 %1。</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>一段音乐刚开始就停止了。</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>按“+”或“-”键可以改变动画速度。</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>你不可能从地板上掉下去。</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>不想再听某首乐曲时，把文件的扩展名“mid”改掉或删除该文件即可。</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>贝尔发明电话，是为了让人们不用再大喊大叫。
        —— 摘自学生作文</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>选择“游戏”菜单中的“重新开始本局”，可以从头再来。</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>实在不行，就读读说明书吧。</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>“撤销”会根据你的上一步，把放回骰盅的骰子取回来，或者删除上一次记下的得分。</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>“同义词”的同义词是什么？</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>把你自己的音乐（MIDI 文件）放进文件夹
~/.local/share/ossaric/music
它们就会依次播放。</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>重力主要在秋天才看得出来，因为那时苹果会从树上掉下来。
        —— 摘自学生作文</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>选择“得分”菜单中的“清除前十名”，可以清空前十名。</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>繁文缛节拖住了新桥。
        —— 新闻标题</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric 会记下人类玩家最好的十个总分。电脑也参加游戏，但从不进入前十名。</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>蒸汽船的发明，使各地涌现出一张河流网。
        —— 摘自学生作文</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>骰盅下的圆点表示还能掷几次。</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>千万别凭电影来评判一本书。</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric 会记住有几个人在玩以及每个人的名字，下一局照样沿用。</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>埃及的居民叫作木乃伊，他们骑着卡美洛出行。
        —— 摘自学生作文</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>你选的动画速度会一直保留到下一局。</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>想上头条？枕着灯芯绒枕头睡一觉吧。</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  贝克西尔高分榜</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      姓名          得分</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>无法读取 %1 中的前十名成绩：%2。
新成绩会显示，但在文件可读之前不会保存。</translation>
    </message>
</context>
</TS>
