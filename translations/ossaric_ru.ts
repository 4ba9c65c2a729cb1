<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Advice</name>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Запишите сейчас «%1»: ожидаемая сумма %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Бросайте кубики: ожидаемая сумма %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Бросайте кубики из стакана: ожидаемая сумма %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>Верните %1 и бросайте снова: ожидаемая сумма %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>Верните %1 и %2 и бросайте снова: ожидаемая сумма %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>Верните %1, %2 и %3 и бросайте снова: ожидаемая сумма %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>Верните %1, %2, %3 и %4 и бросайте снова: ожидаемая сумма %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Верните все пять кубиков и бросайте снова: ожидаемая сумма %1.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Записать «%1» сейчас: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>Бросить снова, в лучшем случае: %1.</translation>
    </message>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>На экране настройки советовать нечего: сначала начните игру.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Сначала закройте панель: лучший ход показывается на поле.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>Игра окончена: советовать нечего.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Сейчас советовать нечего.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Запишите сейчас 0 в «%1»: ожидаемая сумма %2.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Записать 0 в «%1» сейчас: %2.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>Лучший ход</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>Ошибка MCI</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>не удалось сохранить настройки в %1: %2</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 — пять кубиков, стакан и свиток
Бросок на мрамор, запись чернилами. Удачи!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>ошибка функции</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>слишком маленький буфер</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Не удаётся записать файл</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>Не удалось сохранить таблицу рекордов в %1: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %n очко</numerusform>
            <numerusform>%1: %n очка</numerusform>
            <numerusform>%1: %n очков</numerusform>
        </translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить настройки в %1: %2.</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Не удалось сохранить выбор компьютера в %1: %2; он действует до выхода из игры.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Не удалось сохранить выбор языка в %1: %2; он действует до выхода из игры.</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Bexil</source>
        <translation>Бексил</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Большой стрит</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Малый стрит</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Фулл-хаус</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Шестёрки</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Пятёрки</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Четвёрки</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Тройки</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Двойки</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Единицы</translation>
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
        <translation>Игра в кости для одного–четырёх игроков или одного против компьютера.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Брать звуки, музыку и справку из &lt;каталог&gt;.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>каталог</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>Хранить файл настроек bexil.ini в &lt;каталог&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>Параметру «--%1» нужен каталог.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Список параметров: «%1 --help».
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>нет каталога данных «%1»</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a directory, not a file</source>
        <translation>это каталог, а не файл</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>это именованный канал, а не файл</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>это устройство, а не файл</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>это сокет, а не файл</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>другая запущенная игра удерживала блокировку</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>дисковая квота исчерпана</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>диск доступен только для чтения</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>часть пути не является каталогом</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>символические ссылки образуют петлю</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>файл слишком велик</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>диск сообщил об ошибке</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>это символическая ссылка, которая никуда не ведёт</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Справка Ossaric</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Загрузка справки…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Файл справки &lt;b&gt;%1&lt;/b&gt; в каталоге игры&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;слишком велик для показа.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Файл справки &lt;b&gt;%1&lt;/b&gt; не найден в каталоге игры&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>Справка отсутствует</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, ссылка</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>&amp;Разбор последней игры</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>&amp;Обычный компьютер</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>Компьютер-&amp;эксперт</translation>
    </message>
    <message>
        <source>&amp;Best Move</source>
        <translation>&amp;Лучший ход</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>Как в &amp;системе</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>&amp;Начать заново</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Новая и&amp;гра</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить ход</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Быстрее</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Медленнее</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Музыка вкл.</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>М&amp;узыка выкл.</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Звуки вкл.</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>З&amp;вуки выкл.</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>&amp;Текущий счёт</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>Таблица &amp;рекордов</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>&amp;Очистить рекорды</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Об игре</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Скорость</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>С&amp;чёт</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Спр&amp;авка</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>Музыкальный файл «%1» остановился сразу после начала. Он будет пропускаться до следующего запуска игры.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Игрок %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>Выберите команду в меню «Игра».</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Теперь выберите графу.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>Не больше трёх бросков</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>В стакане нет кубиков.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Конец игры</translation>
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
        <translation>Дальше</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Сумма: %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>А вы знали…</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Дальше</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Передать</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>ход</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Броски</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Имена игроков</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Показывать совет дня</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>Назад в %1</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>записать «%1»</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>бросить все пять</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>оставить %1 и бросить</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>Разбор будет готов, когда игра будет сыграна до конца.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Ваша игра: %1 % (%2 очка потеряно на решениях)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: %2 % (%3 очка потеряно на решениях)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Каждое решение было лучшим.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Ход %1, бросок %2, кубики %3: %4; лучше: %5 (%6 очка).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Разбор</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Игровой стол</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>one</source>
        <translation>единица</translation>
    </message>
    <message>
        <source>two</source>
        <translation>двойка</translation>
    </message>
    <message>
        <source>three</source>
        <translation>тройка</translation>
    </message>
    <message>
        <source>four</source>
        <translation>четвёрка</translation>
    </message>
    <message>
        <source>five</source>
        <translation>пятёрка</translation>
    </message>
    <message>
        <source>six</source>
        <translation>шестёрка</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>Бросить %n кубик</numerusform>
            <numerusform>Бросить %n кубика</numerusform>
            <numerusform>Бросить %n кубиков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>остался %n бросок</numerusform>
            <numerusform>осталось %n броска</numerusform>
            <numerusform>осталось %n бросков</numerusform>
        </translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Дальше</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Дальше</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Против компьютера</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n игрок</numerusform>
            <numerusform>%n игрока</numerusform>
            <numerusform>%n игроков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>%n кубик в стакане</numerusform>
            <numerusform>%n кубика в стакане</numerusform>
            <numerusform>%n кубиков в стакане</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Таблица очков</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>пусто, дало бы %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>Сумма: %1</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>А вы знали…</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Вы выбросили %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 выбрасывает %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Вы оставляете %1, бросаете %n кубик: %2</numerusform>
            <numerusform>Вы оставляете %1, бросаете %n кубика: %2</numerusform>
            <numerusform>Вы оставляете %1, бросаете %n кубиков: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 оставляет %2, бросает %n кубик: %3</numerusform>
            <numerusform>%1 оставляет %2, бросает %n кубика: %3</numerusform>
            <numerusform>%1 оставляет %2, бросает %n кубиков: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>Вы записываете %1 в графу «%2»</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1 записывает %2 в графу «%3»</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>Бросает %1</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Стакан, играет компьютер</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Передать ход, ходит %1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Стакан, игра не идёт</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Стакан, бросков больше нет, выберите графу</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Стакан, возвращается к игроку 1</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Стакан пуст, остался %n бросок</numerusform>
            <numerusform>Стакан пуст, осталось %n броска</numerusform>
            <numerusform>Стакан пуст, осталось %n бросков</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Кубик %1, %2</translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>Имя игрока %1, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>оставлен, бросков больше нет</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>на столе, нажмите, чтобы вернуть его в стакан</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>введите имя, Enter завершает ввод</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>%1, сумма %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Итого %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>Новая игра. Выберите игроков и их имена, затем нажмите Назад в Ossaric</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>Бросок %1. %2. Остался %n бросок</numerusform>
            <numerusform>Бросок %1. %2. Осталось %n броска</numerusform>
            <numerusform>Бросок %1. %2. Осталось %n бросков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, бросок %1. %2. Остался %n бросок</numerusform>
            <numerusform>%3, бросок %1. %2. Осталось %n броска</numerusform>
            <numerusform>%3, бросок %1. %2. Осталось %n бросков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 оставляет %4, бросок %1. %2. Остался %n бросок</numerusform>
            <numerusform>%3 оставляет %4, бросок %1. %2. Осталось %n броска</numerusform>
            <numerusform>%3 оставляет %4, бросок %1. %2. Осталось %n бросков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n очко. Итого %2</numerusform>
            <numerusform>%1, %n очка. Итого %2</numerusform>
            <numerusform>%1, %n очков. Итого %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %3 получает %n очко. Итого %2</numerusform>
            <numerusform>%1, %3 получает %n очка. Итого %2</numerusform>
            <numerusform>%1, %3 получает %n очков. Итого %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Кубик %1, %2, возвращается в стакан. %n кубик в стакане</numerusform>
            <numerusform>Кубик %1, %2, возвращается в стакан. %n кубика в стакане</numerusform>
            <numerusform>Кубик %1, %2, возвращается в стакан. %n кубиков в стакане</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Отменено. Графа %1 снова пуста. Итого %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Отменено. %n кубик снова на столе</numerusform>
            <numerusform>Отменено. %n кубика снова на столе</numerusform>
            <numerusform>Отменено. %n кубиков снова на столе</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Ход передан. Ходит %1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Игра окончена. %n очко</numerusform>
            <numerusform>Игра окончена. %n очка</numerusform>
            <numerusform>Игра окончена. %n очков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Игра окончена. Ничья, %n очко</numerusform>
            <numerusform>Игра окончена. Ничья, %n очка</numerusform>
            <numerusform>Игра окончена. Ничья, %n очков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Игра окончена. %1 побеждает, набрав %n очко</numerusform>
            <numerusform>Игра окончена. %1 побеждает, набрав %n очка</numerusform>
            <numerusform>Игра окончена. %1 побеждает, набрав %n очков</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>Таблица рекордов очищена</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric закрывается</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 кубиков</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>Один столбец</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 кубиков</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Два столбца</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>Сумма (%1):</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>Компьютер</translation>
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
        <translation>Звуковое устройство уже занято.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Нет доступного звукового устройства: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Нет доступного звукового устройства.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Музыку не воспроизвести: не найден звуковой шрифт General MIDI. Установите пакет timgm6mb-soundfont, чтобы её услышать.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>Музыкальный файл «%1» не найден.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>Музыкальный файл «%1» — не MIDI-файл.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>Не удаётся воспроизвести музыкальный файл «%1»: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>На этом устройстве не открыто ни одной пьесы.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>Музыка не может начаться: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>Музыкальное устройство не сообщает об ошибке.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>В этой системе нельзя воспроизводить музыку.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Не удаётся открыть музыкальный файл.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>Музыка не может начаться.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Неизвестная ошибка %1 музыкального устройства.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Мелодия остановилась сразу после начала.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>Скорость анимации меняется клавишами «+» и «-».</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>С пола упасть нельзя.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Чтобы пьеса больше не звучала, смените у её файла расширение «mid» или удалите его.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Александр Белл изобрёл телефон, чтобы люди перестали кричать.
        – из сочинения</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>«Начать заново» в меню «Игра» начинает текущую партию сначала.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Если ничего не помогает, прочтите инструкцию.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>«Отменить ход» возвращает кубики из стакана или стирает последнюю запись — смотря какой был ход.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>Как сказать «синоним» другим словом?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Положите свою музыку (файлы MIDI) в папку
~/.local/share/ossaric/music —
она зазвучит по очереди.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>Сила тяжести заметна в основном осенью, когда яблоки падают с деревьев.
        – из сочинения</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>Таблицу рекордов очищает команда «Очистить рекорды» в меню «Счёт».</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>Бюрократия задерживает новый мост.
        – из новостей</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric хранит десять лучших сумм игроков-людей. Компьютер играет, но в рекорды не попадает.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>После изобретения парохода возникла целая сеть рек.
        – из сочинения</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>Точки под стаканом показывают, сколько бросков осталось.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Не судите о книге по её экранизации.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric помнит от игры к игре, сколько человек играет и как их зовут.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Жителей Египта называли мумиями. Передвигались они на Камелоте.
        – из сочинения</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>Выбранная скорость анимации сохраняется от игры к игре.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>Попадите в заголовки! Спите на вельветовой подушке.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Таблица рекордов</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Имя              Очки</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>Не удаётся прочитать таблицу рекордов в %1: %2.
Новые результаты показываются, но не сохраняются, пока файл нельзя прочитать.</translation>
    </message>
</context>
</TS>
