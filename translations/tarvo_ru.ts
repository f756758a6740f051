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
        <source>Created               </source>
        <translation>Создано</translation>
    </message>
    <message>
        <source>Version                </source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>E-Mail </source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation>Оценивает текущий ряд</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Оставшееся время</translation>
    </message>
    <message>
        <source>Minutes and seconds left to find the code</source>
        <translation>Минуты и секунды, оставшиеся, чтобы разгадать код</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>A code-breaking game: find the hidden four-digit code in six rows, against the clock.</source>
        <translation>Игра в разгадывание кода: найдите загаданный четырёхзначный код за шесть попыток, пока не вышло время.</translation>
    </message>
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
Принимаются и собственные параметры графической библиотеки, например -platform ИМЯ и -style ИМЯ.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY и WAYLAND_DISPLAY не заданы</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY не задан</translation>
    </message>
    <message>
        <source>no display to open the window on (%1)</source>
        <translation>нет дисплея, на котором можно открыть окно (%1)</translation>
    </message>
    <message>
        <source>the toolkit could not start (%1)</source>
        <translation>графическая библиотека не смогла запуститься (%1)</translation>
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
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Уровень</translation>
    </message>
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
    <message>
        <source>&amp;Help</source>
        <translation>Спр&amp;авка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>О п&amp;рограмме</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Как играть</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Find the hidden code: four digits, each from 1 to 6; a digit may come more than once.</source>
        <translation>Разгадайте загаданный код: четыре цифры, каждая от 1 до 6; цифры могут повторяться.</translation>
    </message>
    <message>
        <source>Drag a digit tile onto a slot of the current row, or click the tile and then the slot. When the row is full, press Show.</source>
        <translation>Перетащите цифру в ячейку текущего ряда или щёлкните цифру, а затем ячейку. Когда ряд заполнен, нажмите «Проверить».</translation>
    </message>
    <message>
        <source>Show scores the row: a black peg for each right digit in its right place, a white peg for each right digit in another place.</source>
        <translation>«Проверить» оценивает ряд: чёрная фишка за каждую верную цифру на своём месте, белая — за каждую верную цифру не на своём месте.</translation>
    </message>
    <message>
        <source>You have six rows. The clock runs from the start of the game: %1 at Easy, %2 at Normal, %3 at Hard.</source>
        <translation>У вас шесть рядов. Часы идут с начала игры: %1 на лёгком уровне, %2 на обычном, %3 на сложном.</translation>
    </message>
    <message>
        <source>Keys: 1 to 6 put a digit where the cursor stands; Left, Right, Home and End move it; Return presses Show; Up and Down go over the rows played. With a screen reader, T tells the time left.</source>
        <translation>Клавиши: от 1 до 6 ставят цифру под курсор; Влево, Вправо, Home и End двигают его; Enter нажимает «Проверить»; Вверх и Вниз проходят по сыгранным рядам. С экранным диктором T сообщает оставшееся время.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1: %2</source>
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
        <translation>Ряд %1: позиция %2 пуста.</translation>
    </message>
    <message>
        <source>Row %1: %2. %3 in place, %4 out of place.</source>
        <translation>Ряд %1: %2. На своём месте: %3, не на своём: %4.</translation>
    </message>
    <message>
        <source>%1 The code was %2.</source>
        <translation>%1 Загаданный код: %2.</translation>
    </message>
</context>
</TS>
