<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Advice</name>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>لا توجد حركة يُنصح بها في شاشة الإعداد: ابدأ اللعبة أولًا.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>أغلق اللوحة أولًا: تظهر أفضل حركة على طاولة اللعب.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>انتهت اللعبة: لا توجد حركة يُنصح بها.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>لا توجد حركة يُنصح بها الآن.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>سجّل 0 في %1 الآن: المجموع المتوقع %2.</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>سجّل في %1 الآن: المجموع المتوقع %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>ارمِ النرد: المجموع المتوقع %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>ارمِ النرد الذي في الكوب: المجموع المتوقع %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>أعد الـ%1 إلى الكوب وارمِ من جديد: المجموع المتوقع %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>أعد الـ%1 والـ%2 إلى الكوب وارمِ من جديد: المجموع المتوقع %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>أعد الـ%1 والـ%2 والـ%3 إلى الكوب وارمِ من جديد: المجموع المتوقع %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>أعد الـ%1 والـ%2 والـ%3 والـ%4 إلى الكوب وارمِ من جديد: المجموع المتوقع %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>أعد أحجار النرد الخمسة كلها إلى الكوب وارمِ من جديد: المجموع المتوقع %1.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>تسجيل 0 في %1 الآن: %2.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>التسجيل في %1 الآن: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>الرمي من جديد في أحسن الأحوال: %1.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>أفضل حركة</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>خطأ في MCI</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>تعذّر حفظ الإعدادات في %1: %2</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>تعذّر حفظ إعداداتك في %1: %2.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 – خمسة أحجار نرد، وكوب، ولفافة
تُرمى على الرخام وتُسجَّل بالحبر. حظًّا سعيدًا!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول Ossaric</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>فشلت الدالة</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>المخزن المؤقت صغير جدًا</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>تتعذّر الكتابة في الملف</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>تعذّر حفظ قائمة أفضل عشر نتائج في %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>حصل %1 على %n نقطة</numerusform>
            <numerusform>حصل %1 على %n نقطة</numerusform>
            <numerusform>حصل %1 على %n نقطتين</numerusform>
            <numerusform>حصل %1 على %n نقاط</numerusform>
            <numerusform>حصل %1 على %n نقطة</numerusform>
            <numerusform>حصل %1 على %n نقطة</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>انتهت اللعبة</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>تعذّر حفظ اختيار الحاسوب في %1: %2؛ ويبقى ساريًا حتى تخرج من اللعبة.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>تعذّر حفظ اختيار اللغة في %1: %2؛ ويبقى ساريًا حتى تخرج من اللعبة.</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Bexil</source>
        <translation>بكسيل</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>تسلسل كبير</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>تسلسل صغير</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>رباعية</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>فول هاوس</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>الستات</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>الخمسات</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>الأربعات</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>الثلاثات</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>الاثنينات</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>الآحاد</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>فرصة</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>لعبة نرد لواحد إلى أربعة لاعبين، أو للاعب واحد ضد الحاسوب.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>قراءة المؤثرات الصوتية والموسيقى والمساعدة من &lt;مجلد&gt;.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>حفظ ملف الإعدادات bexil.ini في &lt;مجلد&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع «%1».</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>الخيار «--%1» يحتاج إلى مجلد.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
جرّب «%1 --help» لعرض الخيارات.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>لا يوجد مجلد بيانات «%1»</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>إنه رابط رمزي لا يؤدي إلى أي مكان</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>إنه مجلد وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>إنه أنبوب مسمّى وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>إنه جهاز وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>إنه مقبس وليس ملفًا</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>الإذن مرفوض</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>أبقته لعبة أخرى قيد التشغيل مقفلًا</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>نفدت حصتك من القرص</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>القرص للقراءة فقط</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>جزء من مساره ليس مجلدًا</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>روابطه الرمزية تدور في حلقة مفرغة</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>حجمه كبير جدًا</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>أبلغ القرص عن خطأ</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>مساعدة Ossaric</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1، رابط</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>جارٍ تحميل المساعدة…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>ملف المساعدة &lt;b&gt;%1&lt;/b&gt; أكبر من أن يُعرض، في مجلد اللعبة&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>لم يُعثر على ملف المساعدة &lt;b&gt;%1&lt;/b&gt; في مجلد اللعبة&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>المساعدة غير موجودة</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Best Move</source>
        <translation>أفضل &amp;حركة</translation>
    </message>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>م&amp;راجعة آخر لعبة</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>مثل سطح ال&amp;مكتب</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>الحاسوب ال&amp;كلاسيكي</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>الحاسوب ال&amp;خبير</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>إ&amp;عادة بدء اللعبة</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>لعبة &amp;جديدة</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>أ&amp;سرع</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>أ&amp;بطأ</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>تشغيل ال&amp;موسيقى</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>إي&amp;قاف الموسيقى</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;تشغيل المؤثرات الصوتية</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>إيقاف المؤثرات ال&amp;صوتية</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>المجاميع ال&amp;حالية</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>أفضل &amp;عشر نتائج</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>&amp;مسح أفضل عشر نتائج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول Ossaric</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>ال&amp;لعبة</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>ال&amp;سرعة</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>ال&amp;صوت</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>ال&amp;نتائج</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>خ&amp;روج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>توقف ملف الموسيقى «%1» فور بدئه. سيُتخطّى حتى تُشغَّل اللعبة من جديد.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>لاعب %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>اختر أمرًا من قائمة «اللعبة».</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>ابدأ لعبة جديدة</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>اختر الآن خانة لتسجيل الرمية.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>ثلاث رميات على الأكثر</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>لا يوجد نرد في الكوب.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>انتهت اللعبة</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>المجموع</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>مجموع %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>هل تعلم…</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>التالي</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Display Tip of the Day</source>
        <translation>عرض نصيحة اليوم</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>العودة إلى %1</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>اللاعب</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>اللعبة</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>الرميات</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>اللاعبون</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>أسماء اللاعبين</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>التسجيل في %1</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>رمي الخمسة كلها</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>إبقاء %1 والرمي</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>تصبح المراجعة جاهزة بعد أن تُلعب لعبة حتى نهايتها.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>لعبك: %1٪ (خسرت اختياراتك %2 نقطة)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>لعب %1: %2٪ (خسرت اختياراته %3 نقطة)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>كان كل اختيار هو الأفضل.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>الدور %1، الرمية %2، النرد %3: %4؛ الأفضل: %5 (%6 نقطة).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>المراجعة</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>طاولة اللعب</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الحاسوب</translation>
    </message>
    <message>
        <source>one</source>
        <translation>واحد</translation>
    </message>
    <message>
        <source>two</source>
        <translation>اثنان</translation>
    </message>
    <message>
        <source>three</source>
        <translation>ثلاثة</translation>
    </message>
    <message>
        <source>four</source>
        <translation>أربعة</translation>
    </message>
    <message>
        <source>five</source>
        <translation>خمسة</translation>
    </message>
    <message>
        <source>six</source>
        <translation>ستة</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>الكوب، الحاسوب يلعب</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>اللاعب التالي، دور %1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>الكوب، لا توجد لعبة جارية</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>الكوب، لم تبقَ رميات، اختر خانة</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>الكوب، يعود إلى اللاعب 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>الكوب فارغ، %n رمية متبقية</numerusform>
            <numerusform>الكوب فارغ، %n رمية متبقية</numerusform>
            <numerusform>الكوب فارغ، %n رميتان متبقيتان</numerusform>
            <numerusform>الكوب فارغ، %n رميات متبقية</numerusform>
            <numerusform>الكوب فارغ، %n رمية متبقية</numerusform>
            <numerusform>الكوب فارغ، %n رمية متبقية</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1، %2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>ارمِ %n أحجار</numerusform>
            <numerusform>ارمِ %n حجر</numerusform>
            <numerusform>ارمِ %n حجرين</numerusform>
            <numerusform>ارمِ %n أحجار</numerusform>
            <numerusform>ارمِ %n حجرًا</numerusform>
            <numerusform>ارمِ %n حجر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>%n رمية متبقية</numerusform>
            <numerusform>%n رمية متبقية</numerusform>
            <numerusform>%n رميتان متبقيتان</numerusform>
            <numerusform>%n رميات متبقية</numerusform>
            <numerusform>%n رمية متبقية</numerusform>
            <numerusform>%n رمية متبقية</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>حجر النرد %1، %2</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>اللاعب التالي</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>النصيحة التالية</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>ضد الحاسوب</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n لاعب</numerusform>
            <numerusform>%n لاعب</numerusform>
            <numerusform>%n لاعبان</numerusform>
            <numerusform>%n لاعبين</numerusform>
            <numerusform>%n لاعبًا</numerusform>
            <numerusform>%n لاعب</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>اسم اللاعب %1، %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>محتفَظ به، لم تبقَ رميات</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>على الطاولة، اضغط لإعادته إلى الكوب</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>اكتب الاسم، واضغط Enter لإنهائه</translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n أحجار في الكوب</numerusform>
            <numerusform>%n حجر في الكوب</numerusform>
            <numerusform>%n حجران في الكوب</numerusform>
            <numerusform>%n أحجار في الكوب</numerusform>
            <numerusform>%n حجرًا في الكوب</numerusform>
            <numerusform>%n حجر في الكوب</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>ورقة النقاط</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>فارغة، ستمنح %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1، %2، %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>مجموع %1، %2</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>مجموع %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>المجموع %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>هل تعلم…</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>لعبة جديدة. اختر اللاعبين وأسماءهم، ثم «العودة إلى Ossaric»</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>رميتَ %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>رمى %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>تُبقي على %1 وترمي %n أحجار: %2</numerusform>
            <numerusform>تُبقي على %1 وترمي %n حجر: %2</numerusform>
            <numerusform>تُبقي على %1 وترمي %n حجرين: %2</numerusform>
            <numerusform>تُبقي على %1 وترمي %n أحجار: %2</numerusform>
            <numerusform>تُبقي على %1 وترمي %n حجرًا: %2</numerusform>
            <numerusform>تُبقي على %1 وترمي %n حجر: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>يُبقي %1 على %2 ويرمي %n أحجار: %3</numerusform>
            <numerusform>يُبقي %1 على %2 ويرمي %n حجر: %3</numerusform>
            <numerusform>يُبقي %1 على %2 ويرمي %n حجرين: %3</numerusform>
            <numerusform>يُبقي %1 على %2 ويرمي %n أحجار: %3</numerusform>
            <numerusform>يُبقي %1 على %2 ويرمي %n حجرًا: %3</numerusform>
            <numerusform>يُبقي %1 على %2 ويرمي %n حجر: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>تسجّل في %2: %1</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>يسجّل %1 في %3: %2</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>دور %1 في الرمي</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>الرمية %1. %2. %n رمية متبقية</numerusform>
            <numerusform>الرمية %1. %2. %n رمية متبقية</numerusform>
            <numerusform>الرمية %1. %2. %n رميتان متبقيتان</numerusform>
            <numerusform>الرمية %1. %2. %n رميات متبقية</numerusform>
            <numerusform>الرمية %1. %2. %n رمية متبقية</numerusform>
            <numerusform>الرمية %1. %2. %n رمية متبقية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>الرمية %1 لـ%3. %2. %n رمية متبقية</numerusform>
            <numerusform>الرمية %1 لـ%3. %2. %n رمية متبقية</numerusform>
            <numerusform>الرمية %1 لـ%3. %2. %n رميتان متبقيتان</numerusform>
            <numerusform>الرمية %1 لـ%3. %2. %n رميات متبقية</numerusform>
            <numerusform>الرمية %1 لـ%3. %2. %n رمية متبقية</numerusform>
            <numerusform>الرمية %1 لـ%3. %2. %n رمية متبقية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>يُبقي %3 على %4، الرمية %1. %2. %n رمية متبقية</numerusform>
            <numerusform>يُبقي %3 على %4، الرمية %1. %2. %n رمية متبقية</numerusform>
            <numerusform>يُبقي %3 على %4، الرمية %1. %2. %n رميتان متبقيتان</numerusform>
            <numerusform>يُبقي %3 على %4، الرمية %1. %2. %n رميات متبقية</numerusform>
            <numerusform>يُبقي %3 على %4، الرمية %1. %2. %n رمية متبقية</numerusform>
            <numerusform>يُبقي %3 على %4، الرمية %1. %2. %n رمية متبقية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1، %n نقطة. المجموع %2</numerusform>
            <numerusform>%1، %n نقطة. المجموع %2</numerusform>
            <numerusform>%1، %n نقطتان. المجموع %2</numerusform>
            <numerusform>%1، %n نقاط. المجموع %2</numerusform>
            <numerusform>%1، %n نقطة. المجموع %2</numerusform>
            <numerusform>%1، %n نقطة. المجموع %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1، %n نقطة لـ%3. المجموع %2</numerusform>
            <numerusform>%1، %n نقطة لـ%3. المجموع %2</numerusform>
            <numerusform>%1، %n نقطتان لـ%3. المجموع %2</numerusform>
            <numerusform>%1، %n نقاط لـ%3. المجموع %2</numerusform>
            <numerusform>%1، %n نقطة لـ%3. المجموع %2</numerusform>
            <numerusform>%1، %n نقطة لـ%3. المجموع %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>حجر النرد %1، %2، عاد إلى الكوب. %n أحجار في الكوب</numerusform>
            <numerusform>حجر النرد %1، %2، عاد إلى الكوب. %n حجر في الكوب</numerusform>
            <numerusform>حجر النرد %1، %2، عاد إلى الكوب. %n حجران في الكوب</numerusform>
            <numerusform>حجر النرد %1، %2، عاد إلى الكوب. %n أحجار في الكوب</numerusform>
            <numerusform>حجر النرد %1، %2، عاد إلى الكوب. %n حجرًا في الكوب</numerusform>
            <numerusform>حجر النرد %1، %2، عاد إلى الكوب. %n حجر في الكوب</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>تم التراجع. خانة %1 فارغة من جديد. المجموع %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>تم التراجع. عادت %n أحجار إلى الطاولة</numerusform>
            <numerusform>تم التراجع. عاد %n حجر إلى الطاولة</numerusform>
            <numerusform>تم التراجع. عاد %n حجران إلى الطاولة</numerusform>
            <numerusform>تم التراجع. عادت %n أحجار إلى الطاولة</numerusform>
            <numerusform>تم التراجع. عاد %n حجرًا إلى الطاولة</numerusform>
            <numerusform>تم التراجع. عاد %n حجر إلى الطاولة</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>اللاعب التالي. دور %1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>انتهت اللعبة. %n نقطة</numerusform>
            <numerusform>انتهت اللعبة. %n نقطة</numerusform>
            <numerusform>انتهت اللعبة. %n نقطتان</numerusform>
            <numerusform>انتهت اللعبة. %n نقاط</numerusform>
            <numerusform>انتهت اللعبة. %n نقطة</numerusform>
            <numerusform>انتهت اللعبة. %n نقطة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>انتهت اللعبة. تعادل بمجموع %n نقطة</numerusform>
            <numerusform>انتهت اللعبة. تعادل بمجموع %n نقطة</numerusform>
            <numerusform>انتهت اللعبة. تعادل بمجموع %n نقطتين</numerusform>
            <numerusform>انتهت اللعبة. تعادل بمجموع %n نقاط</numerusform>
            <numerusform>انتهت اللعبة. تعادل بمجموع %n نقطة</numerusform>
            <numerusform>انتهت اللعبة. تعادل بمجموع %n نقطة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>انتهت اللعبة. فاز %1 بمجموع %n نقطة</numerusform>
            <numerusform>انتهت اللعبة. فاز %1 بمجموع %n نقطة</numerusform>
            <numerusform>انتهت اللعبة. فاز %1 بمجموع %n نقطتين</numerusform>
            <numerusform>انتهت اللعبة. فاز %1 بمجموع %n نقاط</numerusform>
            <numerusform>انتهت اللعبة. فاز %1 بمجموع %n نقطة</numerusform>
            <numerusform>انتهت اللعبة. فاز %1 بمجموع %n نقطة</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>مُسحت قائمة أفضل عشر نتائج</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>جارٍ إغلاق Ossaric</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 نرد</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>عمود واحد</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 نرد</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>عمودان</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الحاسوب</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>مجموع %1:</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>الحاسوب</translation>
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
        <translation>جهاز الصوت قيد الاستخدام بالفعل.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>لا يتوفر جهاز صوت: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>لا يتوفر جهاز صوت.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>يتعذّر تشغيل الموسيقى: لم يُعثر على خط صوتي (soundfont) من نوع General MIDI. ثبّت الحزمة timgm6mb-soundfont لتسمعها.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>لم يُعثر على ملف الموسيقى «%1».</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>ملف الموسيقى «%1» ليس ملف MIDI.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>يتعذّر تشغيل ملف الموسيقى «%1»: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>لا توجد قطعة موسيقية مفتوحة على هذا الجهاز.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>يتعذّر بدء الموسيقى: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>لم يُبلغ جهاز الموسيقى عن أي خطأ.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>لا يمكن تشغيل الموسيقى على هذا النظام.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>يتعذّر فتح ملف الموسيقى.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>يتعذّر بدء الموسيقى.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>توقفت قطعة موسيقية فور بدئها.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>خطأ غير معروف %1 في جهاز الموسيقى.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>يمكن تغيير سرعة التحريك بالضغط على المفتاح «+» أو «-».</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>لا يمكنك أن تسقط عن الأرض.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>يمكنك إيقاف قطعة موسيقية بتغيير امتداد ملفها من mid أو بحذفه.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>اخترع ألكسندر غراهام بيل الهاتف كي يكفّ الناس عن الصراخ.
        — من إجابة تلميذ</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>لإعادة بدء اللعبة الجارية اختر «إعادة بدء اللعبة» من قائمة «اللعبة».</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>إذا فشل كل شيء، فاقرأ الدليل.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>«تراجع» إما يعيد إليك النرد الذي في الكوب وإما يمحو آخر تسجيل، بحسب حركتك الأخيرة.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>ما مرادف كلمة «مرادف»؟</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>ضع ملفات موسيقاك (MIDI) في المجلد
~/.local/share/ossaric/music
لتسمعها بالتتابع.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>تُلاحَظ الجاذبية خصوصًا في الخريف، حين يتساقط التفاح عن الأشجار.
        — من إجابة تلميذ</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>لمسح قائمة أفضل عشر نتائج اختر «مسح أفضل عشر نتائج» من قائمة «النتائج».</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>الروتين يعرقل الجسر الجديد.
        — خبر صحفي</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>يحفظ Ossaric أفضل عشرة مجاميع للاعبين من البشر. الحاسوب يلعب، لكنه لا يدخل القائمة أبدًا.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>أدّى اختراع السفن البخارية إلى نشوء شبكة من الأنهار.
        — من إجابة تلميذ</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>تبيّن النقاط تحت الكوب عدد الرميات المتبقية.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>لا تحكم على كتاب من فيلمه.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>يتذكر Ossaric من لعبة إلى أخرى عدد اللاعبين وأسماءهم جميعًا.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>كان سكان مصر يُسمَّون المومياوات، وكانوا يسافرون على كاميلوت.
        — من إجابة تلميذ</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>تُحفظ سرعة التحريك التي تختارها من لعبة إلى أخرى.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>تصدَّرِ العناوين! نَم على وسادة مضلَّعة.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  أفضل نتائج بكسيل</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>تتعذّر قراءة قائمة أفضل عشر نتائج في %1: %2.
تُعرض النتائج الجديدة لكنها لا تُحفظ ما دام الملف غير قابل للقراءة.</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      الاسم             النقاط</translation>
    </message>
</context>
</TS>
