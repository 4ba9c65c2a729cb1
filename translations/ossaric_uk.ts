<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Advice</name>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>На екрані налаштування радити нічого: спершу почніть гру.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Спершу закрийте панель: найкращий хід показується на полі.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>Гру закінчено: радити нічого.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Зараз радити нічого.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Запишіть зараз 0 у «%1»: очікувана сума %2.</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Запишіть зараз «%1»: очікувана сума %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Кидайте кубики: очікувана сума %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Кидайте кубики зі стакана: очікувана сума %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Поверніть %1 і киньте ще раз: очікувана сума %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Поверніть %1 і %2 та киньте ще раз: очікувана сума %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Поверніть %1, %2 і %3 та киньте ще раз: очікувана сума %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Поверніть %1, %2, %3 і %4 та киньте ще раз: очікувана сума %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Поверніть усі п’ять кубиків і киньте ще раз: очікувана сума %1.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Записати 0 у «%1» зараз: %2.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Записати «%1» зараз: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Найкращий повторний кидок: %1.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Найкращий хід</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>Помилка MCI</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>не вдалося зберегти налаштування в %1: %2</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>Не вдалося зберегти ваші налаштування в %1: %2.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ПОМИЛКА</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 — п’ять кубиків, стакан і сувій
Кинуто на мармур, записано чорнилом. Хай щастить!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про гру</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>помилка функції</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>замалий буфер</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Не вдається записати файл</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>Не вдалося зберегти таблицю рекордів у %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %n очко</numerusform>
            <numerusform>%1: %n очки</numerusform>
            <numerusform>%1: %n очок</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Гру закінчено</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Не вдалося зберегти вибір комп’ютера в %1: %2; він діятиме до виходу з гри.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Не вдалося зберегти вибір мови в %1: %2; він діятиме до виходу з гри.</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Bexil</source>
        <translation>Бексіл</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Великий стрит</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Малий стрит</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Фул-хаус</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Шістки</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>П’ятірки</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Четвірки</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Трійки</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Двійки</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Одиниці</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Шанс</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>Гра в кості для одного–чотирьох гравців або одного проти комп’ютера.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Брати звукові ефекти, музику й довідку з &lt;каталог&gt;.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>каталог</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Зберігати файл налаштувань bexil.ini у &lt;каталог&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>Після параметра «--%1» потрібно вказати каталог.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Список параметрів: «%1 --help».
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>немає каталогу даних «%1»</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>це символічне посилання, що нікуди не веде</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>це каталог, а не файл</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>це іменований канал, а не файл</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>це пристрій, а не файл</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>це сокет, а не файл</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ заборонено</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>його заблокувала інша запущена гра</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заповнено</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>дискову квоту вичерпано</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>диск доступний лише для читання</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>частина шляху не є каталогом</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>символічні посилання утворюють петлю</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>файл завеликий</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>диск повідомив про помилку</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Довідка Ossaric</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, посилання</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Завантаження довідки…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Файл довідки &lt;b&gt;%1&lt;/b&gt; у каталозі гри&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;завеликий для показу.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Файл довідки &lt;b&gt;%1&lt;/b&gt; не знайдено в каталозі гри&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>Довідка відсутня</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Best Move</source>
        <translation>Найкращий &amp;хід</translation>
    </message>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>&amp;Розбір останньої гри</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Мова</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Як у &amp;системі</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>&amp;Звичайний комп’ютер</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>Комп’ютер-&amp;експерт</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>&amp;Почати знову</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати хід</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Швидше</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Повільніше</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Музика увімк.</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>М&amp;узика вимк.</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Звуки увімк.</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>З&amp;вуки вимк.</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>&amp;Поточний рахунок</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>Таблиця &amp;рекордів</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>&amp;Очистити рекорди</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про гру</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасування</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Швидкість</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Рахунок</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>Музичний файл «%1» зупинився одразу після початку. Його буде пропущено до наступного запуску гри.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Гравець %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Виберіть команду в меню «Гра».</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Тепер виберіть графу.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>Не більше трьох кидків</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>У стакані немає кубиків.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Кінець гри</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Разом</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Сума: %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Чи знаєте ви…</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Далі</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Показувати пораду дня</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Назад до %1</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Передати</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>хід</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Кидки</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Гравці</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Імена гравців</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>записати «%1»</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>кинути всі п’ять</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>залишити %1 і кинути</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>Розбір з’явиться, щойно гру буде зіграно до кінця.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Ваша гра: %1 % (%2 очка втрачено на рішеннях)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (%3 очка втрачено на рішеннях)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Кожне рішення було найкращим.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Хід %1, кидок %2, кубики %3: %4; найкраще: %5 (%6 очка).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Розбір</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Ігровий стіл</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп’ютер</translation>
    </message>
    <message>
        <source>one</source>
        <translation>одиниця</translation>
    </message>
    <message>
        <source>two</source>
        <translation>двійка</translation>
    </message>
    <message>
        <source>three</source>
        <translation>трійка</translation>
    </message>
    <message>
        <source>four</source>
        <translation>четвірка</translation>
    </message>
    <message>
        <source>five</source>
        <translation>п’ятірка</translation>
    </message>
    <message>
        <source>six</source>
        <translation>шістка</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Стакан, грає комп’ютер</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Передати хід, ходить %1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Стакан, гра не триває</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Стакан, кидків більше немає, виберіть графу</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Стакан, повертається до гравця 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Стакан порожній, залишився %n кидок</numerusform>
            <numerusform>Стакан порожній, залишилося %n кидки</numerusform>
            <numerusform>Стакан порожній, залишилося %n кидків</numerusform>
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
            <numerusform>Кинути %n кубик</numerusform>
            <numerusform>Кинути %n кубики</numerusform>
            <numerusform>Кинути %n кубиків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>залишився %n кидок</numerusform>
            <numerusform>залишилося %n кидки</numerusform>
            <numerusform>залишилося %n кидків</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Кубик %1, %2</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Проти комп’ютера</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n гравець</numerusform>
            <numerusform>%n гравці</numerusform>
            <numerusform>%n гравців</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Ім’я гравця %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>залишено, кидків більше немає</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>на столі, натисніть, щоб повернути його в стакан</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>введіть ім’я, Enter завершує введення</translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n кубик у стакані</numerusform>
            <numerusform>%n кубики в стакані</numerusform>
            <numerusform>%n кубиків у стакані</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Таблиця очок</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>порожня, дала б %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожня</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>%1, сума %2</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Сума: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Разом %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Чи знаєте ви…</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>Нова гра. Виберіть гравців та їхні імена, потім натисніть «Назад до Ossaric»</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Ви викинули %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 викидає %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Ви залишаєте %1, кидаєте %n кубик: %2</numerusform>
            <numerusform>Ви залишаєте %1, кидаєте %n кубики: %2</numerusform>
            <numerusform>Ви залишаєте %1, кидаєте %n кубиків: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 залишає %2, кидає %n кубик: %3</numerusform>
            <numerusform>%1 залишає %2, кидає %n кубики: %3</numerusform>
            <numerusform>%1 залишає %2, кидає %n кубиків: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Ви записуєте %1 у графу «%2»</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 записує %2 у графу «%3»</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>Кидає %1</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Кидок %1. %2. Залишився %n кидок</numerusform>
            <numerusform>Кидок %1. %2. Залишилося %n кидки</numerusform>
            <numerusform>Кидок %1. %2. Залишилося %n кидків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, кидок %1. %2. Залишився %n кидок</numerusform>
            <numerusform>%3, кидок %1. %2. Залишилося %n кидки</numerusform>
            <numerusform>%3, кидок %1. %2. Залишилося %n кидків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 залишає %4, кидок %1. %2. Залишився %n кидок</numerusform>
            <numerusform>%3 залишає %4, кидок %1. %2. Залишилося %n кидки</numerusform>
            <numerusform>%3 залишає %4, кидок %1. %2. Залишилося %n кидків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n очко. Разом %2</numerusform>
            <numerusform>%1, %n очки. Разом %2</numerusform>
            <numerusform>%1, %n очок. Разом %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %3 отримує %n очко. Разом %2</numerusform>
            <numerusform>%1, %3 отримує %n очки. Разом %2</numerusform>
            <numerusform>%1, %3 отримує %n очок. Разом %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Кубик %1, %2, повертається в стакан. У стакані %n кубик</numerusform>
            <numerusform>Кубик %1, %2, повертається в стакан. У стакані %n кубики</numerusform>
            <numerusform>Кубик %1, %2, повертається в стакан. У стакані %n кубиків</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Скасовано. Графа «%1» знову порожня. Разом %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Скасовано. %n кубик знову на столі</numerusform>
            <numerusform>Скасовано. %n кубики знову на столі</numerusform>
            <numerusform>Скасовано. %n кубиків знову на столі</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Хід передано. Ходить %1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Гру закінчено. %n очко</numerusform>
            <numerusform>Гру закінчено. %n очки</numerusform>
            <numerusform>Гру закінчено. %n очок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Гру закінчено. Нічия, %n очко</numerusform>
            <numerusform>Гру закінчено. Нічия, %n очки</numerusform>
            <numerusform>Гру закінчено. Нічия, %n очок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Гру закінчено. Перемагає %1, набравши %n очко</numerusform>
            <numerusform>Гру закінчено. Перемагає %1, набравши %n очки</numerusform>
            <numerusform>Гру закінчено. Перемагає %1, набравши %n очок</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Таблицю рекордів очищено</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric закривається</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 кубиків</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>Один стовпець</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 кубиків</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Два стовпці</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп’ютер</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>Сума (%1):</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>Комп’ютер</translation>
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
        <translation>Звуковий пристрій уже зайнятий.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Немає доступного звукового пристрою: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Немає доступного звукового пристрою.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Не вдається відтворити музику: не знайдено банку звуків General MIDI (SoundFont). Щоб її почути, встановіть пакет timgm6mb-soundfont.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>Музичний файл «%1» не знайдено.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>Музичний файл «%1» — не MIDI-файл.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>Не вдається відтворити музичний файл «%1»: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>На цьому пристрої не відкрито жодної мелодії.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>Не вдається запустити музику: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>Музичний пристрій не повідомив про помилку.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>У цій системі неможливо відтворювати музику.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Не вдається відкрити музичний файл.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>Не вдається запустити музику.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Мелодія зупинилася одразу після початку.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Невідома помилка музичного пристрою: %1.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>Швидкість анімації змінюють клавіші «+» і «-».</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>З підлоги впасти неможливо.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Щоб мелодія більше не звучала, змініть розширення її файлу з «mid» або видаліть файл.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Александер Белл винайшов телефон, щоб люди перестали кричати.
        – з учнівського твору</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>«Почати знову» в меню «Гра» починає поточну партію спочатку.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Якщо ніщо не допомагає, прочитайте інструкцію.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>«Скасувати хід» повертає кубики зі стакана або стирає останній запис — залежно від того, яким був хід.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>Як іншим словом сказати «синонім»?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Покладіть свою музику (файли MIDI) у теку
~/.local/share/ossaric/music —
вона звучатиме по черзі.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>Сила тяжіння найпомітніша восени, коли яблука падають з дерев.
        – з учнівського твору</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>Таблицю рекордів очищає команда «Очистити рекорди» в меню «Рахунок».</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>Бюрократія затримує новий міст.
        – з новин</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric зберігає десять найкращих сум гравців-людей. Комп’ютер грає, але до рекордів не потрапляє.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>Після винайдення пароплава з’явилася ціла мережа річок.
        – з учнівського твору</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>Крапки під стаканом показують, скільки кидків залишилося.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Ніколи не судіть про книжку за її екранізацією.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric пам’ятає від гри до гри, скільки людей грає і як їх звуть.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Мешканців Єгипту називали муміями. Подорожували вони на Камелоті.
        – з учнівського твору</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>Вибрана швидкість анімації зберігається від гри до гри.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>Потрапте в заголовки! Спіть на вельветовій подушці.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Таблиця рекордів</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>Не вдається прочитати таблицю рекордів у %1: %2.
Нові результати показуються, але не зберігаються, доки файл неможливо прочитати.</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Ім’я             Очки</translation>
    </message>
</context>
</TS>
