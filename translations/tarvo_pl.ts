<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>You Won !</source>
        <translation>Wygrana!</translation>
    </message>
    <message>
        <source>You Lost !</source>
        <translation>Przegrana!</translation>
    </message>
    <message>
        <source>black, a right digit in its right place</source>
        <translation>czarny, właściwa cyfra na właściwym miejscu</translation>
    </message>
    <message>
        <source>white, a right digit in another place</source>
        <translation>biały, właściwa cyfra na innym miejscu</translation>
    </message>
    <message>
        <source>Code, position %1</source>
        <translation>Kod, pozycja %1</translation>
    </message>
    <message>
        <source>The hidden code, shown when the game ends</source>
        <translation>Ukryty kod, odsłaniany po zakończeniu gry</translation>
    </message>
    <message>
        <source>Row %1, position %2</source>
        <translation>Rząd %1, pozycja %2</translation>
    </message>
    <message>
        <source>Drop a digit tile here</source>
        <translation>Upuść tu cyfrę</translation>
    </message>
    <message>
        <source>Row %1, peg %2</source>
        <translation>Rząd %1, kołek %2</translation>
    </message>
    <message>
        <source>Black: a right digit in its right place. White: a right digit in another place.</source>
        <translation>Czarny: właściwa cyfra na właściwym miejscu. Biały: właściwa cyfra na innym miejscu.</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Cyfra %1</translation>
    </message>
    <message>
        <source>Drag it onto a slot of the current row</source>
        <translation>Przeciągnij ją na pole bieżącego rzędu</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Says whether you won or lost</source>
        <translation>Pokazuje wynik gry</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The button that scores the row just filled; the rules and the keys&apos; help name it too, so a short verb that fits a button 1215 twips (about 81 pixels) wide.</extracomment>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation>Ocenia bieżący rząd</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Pozostały czas</translation>
    </message>
    <message>
        <source>Minutes and seconds left to find the code</source>
        <translation>Minuty i sekundy, które zostały na odgadnięcie kodu</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>
The toolkit&apos;s own options, such as -platform NAME and -style NAME, are accepted too.
</source>
        <translation>
Obsługiwane są też własne opcje biblioteki graficznej, takie jak -platform NAZWA i -style NAZWA.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>A code-breaking game: find the hidden four-digit code in six tries, against the clock.</source>
        <translation>Gra w łamanie kodu: odgadnij ukryty czterocyfrowy kod w sześciu próbach, zanim skończy się czas.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>nie ustawiono zmiennych DISPLAY ani WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>nie ustawiono zmiennej DISPLAY</translation>
    </message>
    <message>
        <source>no display to open the window on (%1)</source>
        <translation>brak ekranu, na którym można by otworzyć okno (%1)</translation>
    </message>
    <message>
        <source>the toolkit could not start (%1)</source>
        <translation>nie udało się uruchomić biblioteki graficznej (%1)</translation>
    </message>
    <message>
        <source>cannot load &quot;%1&quot;: %2</source>
        <translation>nie można wczytać „%1”: %2</translation>
    </message>
    <message>
        <source>Run-time error in &quot;%1&quot;: %2</source>
        <translation>Błąd wykonania w „%1”: %2</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Jak grać</translation>
    </message>
</context>
<context>
    <name>Level menu</name>
    <message>
        <source>Ha&amp;rd</source>
        <translation>&amp;Trudny</translation>
    </message>
    <message>
        <source>N&amp;ormal</source>
        <translation>&amp;Normalny</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>Ł&amp;atwy</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>P&amp;oziom</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Find the hidden code: four digits, each from 1 to 6; a digit may come more than once.</source>
        <translation>Odgadnij ukryty kod: cztery cyfry, każda od 1 do 6; cyfry mogą się powtarzać.</translation>
    </message>
    <message>
        <source>Show scores the row: a black peg for each right digit in its right place, a white peg for each right digit in another place.</source>
        <translation>„Sprawdź” ocenia rząd: czarny kołek za każdą właściwą cyfrę na właściwym miejscu, biały za każdą właściwą cyfrę na innym miejscu.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>Keys: 1 to 6 put a digit where the cursor stands; Left, Right, Home and End move it; Return acts as Show; Up and Down move between the rows played. With a screen reader, T tells the time left.</source>
        <translation>Klawisze od 1 do 6 wstawiają cyfrę pod kursorem; strzałki, Home i End przesuwają kursor w rzędzie, a w górę i w dół po rozegranych rzędach; Enter działa jak „Sprawdź”. Z czytnikiem ekranowym T podaje pozostały czas.</translation>
    </message>
    <message>
        <source>Drag a digit tile from the bottom right onto a slot of the current row, or click the tile and then the slot. A clicked tile stays picked for the next slot until you click it again, click elsewhere or press Escape. When the row is full, press Show.</source>
        <translation>Przeciągnij cyfrę z prawego dolnego rogu na pole bieżącego rzędu albo kliknij cyfrę, a potem pole. Kliknięta cyfra pozostaje wybrana dla kolejnych pól, dopóki nie klikniesz jej ponownie lub gdzie indziej albo nie naciśniesz Esc. Gdy rząd jest pełny, naciśnij „Sprawdź”.</translation>
    </message>
    <message>
        <source>You have six tries. You win when a row scores four black pegs, and lose when the sixth row does not or the clock reaches 0:00. The clock runs from the start of the game: %1 on Easy, %2 on Normal, %3 on Hard; it stands still while you read these rules.</source>
        <translation>Masz sześć prób. Wygrywasz, gdy rząd dostanie cztery czarne kołki, a przegrywasz, gdy nie dostanie ich szósty rząd albo zegar pokaże 0:00. Zegar rusza z początkiem gry: %1 na poziomie łatwym, %2 na normalnym, %3 na trudnym; zatrzymuje się, gdy czytasz te zasady.</translation>
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
        <translation>Rząd %1, pozycja %2, pusta</translation>
    </message>
    <message>
        <source>Row %1, position %2: %3</source>
        <translation>Rząd %1, pozycja %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>%n sekunda do końca</numerusform>
            <numerusform>%n sekundy do końca</numerusform>
            <numerusform>%n sekund do końca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>%n minuta do końca</numerusform>
            <numerusform>%n minuty do końca</numerusform>
            <numerusform>%n minut do końca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) %1 left</source>
        <translation>
            <numerusform>%n minuta i %1 do końca</numerusform>
            <numerusform>%n minuty i %1 do końca</numerusform>
            <numerusform>%n minut i %1 do końca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, position %2 is empty.</source>
        <translation>Rząd %1: pozycja %2 jest pusta.</translation>
    </message>
    <message>
        <source>%1 The code was %2.</source>
        <extracomment>Told when a game ends: %1 is &quot;You Won !&quot; or &quot;You Lost !&quot; as the board words them, %2 the hidden code&apos;s four digits, such as &quot;3 1 4 6&quot;; the code within the first 40 characters.</extracomment>
        <translation>%1 Ukryty kod to %2.</translation>
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
        <translation>Rząd %1: %2. Czarne: %3, białe: %4.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <extracomment>The row under the keys&apos; cursor on a braille display: %1 the row, %2 its four slots, a digit or &quot;_&quot; each, such as &quot;1 3 _ _&quot;.</extracomment>
        <translation>Rząd %1: %2</translation>
    </message>
</context>
</TS>
