<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Advice</name>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>설정 화면에서는 추천할 수가 없습니다. 먼저 게임을 시작하세요.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>먼저 패널을 닫으세요. 최선의 수는 게임판에 표시됩니다.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>게임이 끝났습니다. 추천할 수가 없습니다.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>지금은 추천할 수가 없습니다.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>지금 %1에 0점을 기록하세요: 기대 총점 %2.</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>지금 %1에 기록하세요: 기대 총점 %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>주사위를 굴리세요: 기대 총점 %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>컵에 든 주사위를 굴리세요: 기대 총점 %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>눈이 %1인 주사위를 컵에 넣고 다시 굴리세요: 기대 총점 %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>눈이 %1, %2인 주사위를 컵에 넣고 다시 굴리세요: 기대 총점 %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>눈이 %1, %2, %3인 주사위를 컵에 넣고 다시 굴리세요: 기대 총점 %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>눈이 %1, %2, %3, %4인 주사위를 컵에 넣고 다시 굴리세요: 기대 총점 %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>주사위 다섯 개를 모두 컵에 넣고 다시 굴리세요: 기대 총점 %1.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>지금 %1에 0점을 기록하면: %2.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>지금 %1에 기록하면: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>다시 굴리는 최선의 수: %1.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>최선의 수</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>MCI 오류</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>설정을 %1에 저장하지 못했습니다: %2</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>설정을 %1에 저장하지 못했습니다: %2.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 - 주사위 다섯 개, 컵 하나, 두루마리 하나
대리석 위에 굴리고 잉크로 기록하세요. 행운을 빕니다!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Ossaric 정보</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>함수 호출에 실패했습니다</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>버퍼가 너무 작습니다</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>파일에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>톱 10 기록을 %1에 저장하지 못했습니다: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1의 점수는 %n점입니다</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>게임 종료</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>컴퓨터 선택을 %1에 저장하지 못했습니다: %2. 게임을 끝낼 때까지는 그대로 적용됩니다.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>언어 선택을 %1에 저장하지 못했습니다: %2. 게임을 끝낼 때까지는 그대로 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Bexil</source>
        <translation>벡실</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>라지 스트레이트</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>스몰 스트레이트</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>포 카인드</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>풀 하우스</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>식스</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>파이브</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>포</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>트레이</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>듀스</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>에이스</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>초이스</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>1~4명이 함께 하거나 혼자 컴퓨터와 대결하는 주사위 게임입니다.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>효과음, 음악, 도움말을 &lt;폴더&gt;에서 읽습니다.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>설정 파일 bexil.ini를 &lt;폴더&gt;에 둡니다.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>예상하지 못한 인수입니다: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>&apos;--%1&apos; 옵션에는 폴더를 지정해야 합니다.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
옵션을 보려면 &apos;%1 --help&apos;를 실행하세요.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>&apos;%1&apos; 데이터 폴더가 없습니다</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>대상이 없는 심볼릭 링크입니다</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>파일이 아니라 폴더입니다</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>파일이 아니라 명명된 파이프입니다</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>파일이 아니라 장치입니다</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>파일이 아니라 소켓입니다</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>권한이 없습니다</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>실행 중인 다른 게임이 파일을 잠그고 있었습니다</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>디스크가 가득 찼습니다</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>디스크 할당량을 모두 썼습니다</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>디스크가 읽기 전용입니다</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>경로의 일부가 폴더가 아닙니다</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>심볼릭 링크가 순환합니다</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>파일이 너무 큽니다</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>디스크에서 오류가 발생했습니다</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Ossaric 도움말</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, 링크</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>도움말을 불러오는 중…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>게임 폴더&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;의 도움말 파일(&lt;b&gt;%1&lt;/b&gt;)이 너무 커서 표시할 수 없습니다.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>게임 폴더&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;에서 도움말 파일(&lt;b&gt;%1&lt;/b&gt;)을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>도움말 없음</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Best Move</source>
        <translation>최선의 수(&amp;B)</translation>
    </message>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>지난 게임 복기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>언어(&amp;L)</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>데스크톱 언어 사용(&amp;D)</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>클래식 컴퓨터(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>고수 컴퓨터(&amp;E)</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>이 게임 다시 시작(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>새 게임(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>빠르게(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>느리게(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>음악 켜기(&amp;M)</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>음악 끄기(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>효과음 켜기(&amp;S)</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>효과음 끄기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>현재 총점(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>톱 10 보기(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>톱 10 지우기(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ossaric 정보(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>속도(&amp;A)</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>사운드(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>점수(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>‘%1’ 음악 파일이 시작하자마자 멈췄습니다. 게임을 다시 시작할 때까지 이 파일은 건너뜁니다.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>플레이어 %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>‘게임’ 메뉴에서 원하는 항목을 고르세요.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>새 게임 시작</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>이제 점수를 기록할 족보를 고르세요.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>굴리기는 세 번까지입니다.</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>컵에 주사위가 없습니다.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>게임 종료</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>돌아가기</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>다음 사람</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>총점</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 총점</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>알고 계셨나요?</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>다음 팁</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Display Tip of the Day</source>
        <translation>오늘의 팁 보기</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>%1으로 돌아가기</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>다음</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>차례</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>게임</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>굴리기</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>인원</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>플레이어 이름</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>%1에 기록</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>다섯 개 모두 굴리기</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>%1 남기고 굴리기</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>게임을 끝까지 마치면 복기를 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>내 플레이: %1% (선택으로 잃은 점수 %2점)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2% (선택으로 잃은 점수 %3점)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>모든 선택이 최선이었습니다.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>%1턴 %2번째 굴리기, 주사위 %3: %4, 최선: %5 (%6점 손해).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>복기</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>게임 테이블</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
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
        <source>Cup, the computer is playing</source>
        <translation>컵, 컴퓨터가 플레이하는 중</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>다음 차례, 이제 %1 순서</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>컵, 진행 중인 게임 없음</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>컵, 더 굴릴 수 없음, 점수를 기록할 칸을 고르세요</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>컵, 플레이어 1에게 돌아감</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>컵 비어 있음, 굴리기 %n번 남음</numerusform>
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
            <numerusform>주사위 %n개 굴리기</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>굴리기 %n번 남음</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>%1번 주사위, 눈 %2</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>돌아가기</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>다음 사람</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>다음 팁</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>컴퓨터와 대결</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n명</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>플레이어 %1 이름, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>남겨 둠, 더 굴릴 수 없음</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>테이블 위, 누르면 컵에 다시 넣음</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>이름 입력, Enter 키로 완료</translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>컵에 주사위 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>점수표</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>빈칸, 기록하면 %1점</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>빈칸</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>%1 총점 %2</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 총점</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>총점 %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>알고 계셨나요?</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>새 게임. 플레이어 수와 이름을 고른 뒤 Ossaric으로 돌아가기를 누르세요</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>굴린 결과: %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1의 굴리기 결과: %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>%1 남기고 주사위 %n개 굴림: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1: %2 남기고 주사위 %n개 굴림: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>%2에 %1점 기록</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1: %3에 %2점 기록</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>%1 차례</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%1번째 굴리기. %2. %n번 남음</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, %1번째 굴리기. %2. %n번 남음</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3: %4 남김, %1번째 굴리기. %2. %n번 남음</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n점. 총점 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %3 %n점. 총점 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>%1번 주사위(눈 %2)를 컵에 넣음. 컵에 주사위 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>실행 취소. %1 칸이 다시 비었습니다. 총점 %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>실행 취소. 주사위 %n개가 테이블로 돌아옴</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>다음 차례. 이제 %1 순서입니다</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>게임 종료. %n점</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>게임 종료. %n점으로 무승부</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>게임 종료. %1 승리, %n점</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>톱 10 기록을 지웠습니다</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric을 종료합니다</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>주사위 5개</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>단일 열</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>주사위 10개</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>이중 열</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>%1 총점:</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>컴퓨터</translation>
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
        <translation>사운드 장치가 이미 사용 중입니다.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>사용할 수 있는 오디오 장치가 없습니다: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>사용할 수 있는 오디오 장치가 없습니다.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>음악을 재생할 수 없습니다: General MIDI 사운드폰트를 찾지 못했습니다. 음악을 들으려면 timgm6mb-soundfont 패키지를 설치하세요.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>‘%1’ 음악 파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>‘%1’ 음악 파일은 MIDI 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>‘%1’ 음악 파일을 재생할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>이 장치에 열려 있는 곡이 없습니다.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>음악을 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>음악 장치가 보고한 오류가 없습니다.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>이 시스템에서는 음악을 재생할 수 없습니다.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>음악 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>음악을 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>곡이 시작하자마자 멈췄습니다.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>알 수 없는 음악 장치 오류 %1입니다.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>‘+’ 키와 ‘-’ 키로
애니메이션 속도를
바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>바닥보다 아래로는
떨어질 수 없습니다.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>듣고 싶지 않은 곡은
파일 확장자 ‘mid’를 바꾸거나
파일을 지우면
재생되지 않습니다.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>알렉산더 그레이엄 벨은 사람들이
더는 소리치지 않아도 되도록
전화기를 발명했다.
        — 어느 학생의 답안</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>‘게임’ 메뉴의
‘이 게임 다시 시작’으로
지금 게임을 처음부터
다시 할 수 있습니다.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>아무것도 안 되면
설명서를 읽으세요.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>‘실행 취소’는 마지막 동작에
따라 컵에 넣은 주사위를
되돌리거나 마지막으로
기록한 점수를 지웁니다.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>‘유의어’의 유의어는
무엇일까요?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>내 음악(MIDI) 파일을
~/.local/share/ossaric/music
폴더에 넣으면
차례대로 재생됩니다.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>중력은 주로 가을에 눈에 띄는데,
사과가 나무에서
떨어지기 때문이다.
        — 어느 학생의 답안</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>‘점수’ 메뉴의
‘톱 10 지우기’로
톱 10 기록을
지울 수 있습니다.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>관료주의에 발목 잡힌
새 다리.
        — 신문 기사</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric은 사람 플레이어의
최고 총점 10개를 기록합니다.
컴퓨터도 플레이하지만
톱 10에는 오르지 않습니다.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>증기선이 발명되자
강들이 그물처럼
생겨났다.
        — 어느 학생의 답안</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>컵 아래의 점은
남은 굴리기 횟수를
나타냅니다.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>책을 영화로
판단하지 마세요.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric은 플레이어 수와
모두의 이름을 다음 게임까지
기억합니다.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>이집트 사람들은 미라라고
불렸다. 그들은 카멜롯을
타고 다녔다.
        — 어느 학생의 답안</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>고른 애니메이션 속도는
다음 게임에도
그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>헤드라인을 장식하세요!
 - 코듀로이 베개를
베고 자 보세요.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  벡실 최고 기록</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>%1의 톱 10 기록을 읽을 수 없습니다: %2.
파일을 읽을 수 있을 때까지 새 점수는 표시만 되고 저장되지 않습니다.</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      이름                  점수</translation>
    </message>
</context>
</TS>
