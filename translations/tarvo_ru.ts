<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Author</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Эл. почта</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>You Won !</source>
        <translation>Победа!</translation>
    </message>
    <message>
        <source>You Lost !</source>
        <translation>Проигрыш!</translation>
    </message>
    <message>
        <source>black, a right digit in its right place</source>
        <translation>чёрная, верная цифра на своём месте</translation>
    </message>
    <message>
        <source>white, a right digit in another place</source>
        <translation>белая, верная цифра не на своём месте</translation>
    </message>
    <message>
        <source>Code, position %1</source>
        <translation>Код, позиция %1</translation>
    </message>
    <message>
        <source>The hidden code, shown when the game ends</source>
        <translation>Загаданный код, открывается в конце игры</translation>
    </message>
    <message>
        <source>Row %1, position %2</source>
        <translation>Ряд %1, позиция %2</translation>
    </message>
    <message>
        <source>Drop a digit tile here</source>
        <translation>Перетащите сюда цифру</translation>
    </message>
    <message>
        <source>Row %1, peg %2</source>
        <translation>Ряд %1, фишка %2</translation>
    </message>
    <message>
        <source>Black: a right digit in its right place. White: a right digit in another place.</source>
        <translation>Чёрная: верная цифра на своём месте. Белая: верная цифра не на своём месте.</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Цифра %1</translation>
    </message>
    <message>
        <source>Drag it onto a slot of the current row</source>
        <translation>Перетащите её в ячейку текущего ряда</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Says whether you won or lost</source>
        <translation>Показывает, выиграли вы или проиграли</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The button that scores the row just filled; the rules and the keys&apos; help name it too, so a short verb that fits a button 1215 twips (about 81 pixels) wide.</extracomment>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation>Проверяет текущий ряд</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Оставшееся время</translation>
    </message>
    <message>
        <source>Minutes and seconds left to find the code</source>
        <translation>Сколько минут и секунд осталось на разгадку кода</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Не указано значение после «%1».</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>
The toolkit&apos;s own options, such as -platform NAME and -style NAME, are accepted too.
</source>
        <translation>
Также принимаются параметры графической библиотеки, например -platform ИМЯ и -style ИМЯ.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Лишний аргумент «%1».</translation>
    </message>
    <message>
        <source>A code-breaking game: find the hidden four-digit code in six tries, against the clock.</source>
        <translation>Логическая игра: разгадайте загаданный четырёхзначный код за шесть попыток, пока не вышло время.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>переменные DISPLAY и WAYLAND_DISPLAY не заданы</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>переменная DISPLAY не задана</translation>
    </message>
    <message>
        <source>no display to open the window on (%1)</source>
        <translation>нет дисплея, на котором можно открыть окно (%1)</translation>
    </message>
    <message>
        <source>the toolkit could not start (%1)</source>
        <translation>не удалось запустить графическую библиотеку (%1)</translation>
    </message>
    <message>
        <source>cannot load &quot;%1&quot;: %2</source>
        <translation>не удаётся загрузить «%1»: %2</translation>
    </message>
    <message>
        <source>Run-time error in &quot;%1&quot;: %2</source>
        <translation>Ошибка выполнения в «%1»: %2</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Как играть</translation>
    </message>
</context>
<context>
    <name>Level menu</name>
    <message>
        <source>Ha&amp;rd</source>
        <translation>&amp;Сложный</translation>
    </message>
    <message>
        <source>N&amp;ormal</source>
        <translation>&amp;Обычный</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Лёгкий</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Уровень</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Find the hidden code: four digits, each from 1 to 6; a digit may come more than once.</source>
        <translation>Разгадайте загаданный код: четыре цифры, каждая от 1 до 6; цифры могут повторяться.</translation>
    </message>
    <message>
        <source>Show scores the row: a black peg for each right digit in its right place, a white peg for each right digit in another place.</source>
        <translation>Кнопка «Проверить» оценивает ряд: чёрная фишка — за каждую верную цифру на своём месте, белая — за каждую верную цифру не на своём месте.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>Keys: 1 to 6 put a digit where the cursor stands; Left, Right, Home and End move it; Return acts as Show; Up and Down move between the rows played. With a screen reader, T tells the time left.</source>
        <translation>Клавиши: от 1 до 6 ставят цифру под курсор; стрелки влево и вправо, Home и End двигают его; Enter дублирует кнопку «Проверить»; стрелки вверх и вниз листают сыгранные ряды. При включённом чтении с экрана T сообщает оставшееся время.</translation>
    </message>
    <message>
        <source>Drag a digit tile from the bottom right onto a slot of the current row, or click the tile and then the slot. A clicked tile stays picked for the next slot until you click it again, click elsewhere or press Escape. When the row is full, press Show.</source>
        <translation>Перетащите цифру из правого нижнего угла в ячейку текущего ряда или щёлкните цифру, а затем ячейку. После щелчка цифра остаётся выбранной и для следующей ячейки, пока вы не щёлкнете по ней снова или в другом месте либо не нажмёте Esc. Заполнив ряд, нажмите «Проверить».</translation>
    </message>
    <message>
        <source>You have six tries. You win when a row scores four black pegs, and lose when the sixth row does not or the clock reaches 0:00. The clock runs from the start of the game: %1 on Easy, %2 on Normal, %3 on Hard; it stands still while you read these rules.</source>
        <translation>У вас шесть попыток. Победа — если ряд набрал четыре чёрные фишки, проигрыш — если их нет и в шестом ряду или время дошло до 0:00. Время идёт с начала игры (%1 на лёгком уровне, %2 на обычном, %3 на сложном) и замирает, пока вы читаете правила.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A control&apos;s name, then what it holds or shows now, as a screen reader reads them: &quot;Time left: 2:41&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1, position %2, empty</source>
        <translation>Ряд %1, позиция %2, пусто</translation>
    </message>
    <message>
        <source>Row %1, position %2: %3</source>
        <translation>Ряд %1, позиция %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>Осталась %n секунда</numerusform>
            <numerusform>Осталось %n секунды</numerusform>
            <numerusform>Осталось %n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Осталась %n минута</numerusform>
            <numerusform>Осталось %n минуты</numerusform>
            <numerusform>Осталось %n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) %1 left</source>
        <translation>
            <numerusform>Осталась %n минута %1</numerusform>
            <numerusform>Осталось %n минуты %1</numerusform>
            <numerusform>Осталось %n минут %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, position %2 is empty.</source>
        <translation>В ряду %1 не заполнена позиция %2.</translation>
    </message>
    <message>
        <source>%1 The code was %2.</source>
        <extracomment>Told when a game ends: %1 is &quot;You Won !&quot; or &quot;You Lost !&quot; as the board words them, %2 the hidden code&apos;s four digits, such as &quot;3 1 4 6&quot;; the code within the first 40 characters.</extracomment>
        <translation>%1 Загаданный код: %2.</translation>
    </message>
    <message>
        <source>minutes in digits</source>
        <extracomment>How a count of minutes is spoken, for a voice that reads a bare digit in one gender only. Either the name of ICU&apos;s rule set that spells the count out agreeing with this language&apos;s word for minutes, such as %spellout-cardinal-feminine or %spellout-cardinal-masculine (see ICU&apos;s spellout rules for the language), or this text as it stands to keep digits.</extracomment>
        <translation>%spellout-cardinal-feminine</translation>
    </message>
    <message>
        <source>seconds in digits</source>
        <extracomment>The same for a count of seconds, agreeing with this language&apos;s word for seconds.</extracomment>
        <translation>%spellout-cardinal-feminine</translation>
    </message>
    <message>
        <source>Row %1: %2. %3 in place, %4 elsewhere.</source>
        <extracomment>A scored row as it is told and as a braille display shows it, in at most 40 characters with the counts: %1 the row, %2 its four digits, such as &quot;1 1 2 2&quot;, %3 the digits in their place, %4 the further digits that are in the code at another place.</extracomment>
        <translation>Ряд %1: %2. Чёрных: %3, белых: %4.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <extracomment>The row under the keys&apos; cursor on a braille display: %1 the row, %2 its four slots, a digit or &quot;_&quot; each, such as &quot;1 3 _ _&quot;.</extracomment>
        <translation>Ряд %1: %2</translation>
    </message>
</context>
</TS>
