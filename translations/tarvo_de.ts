<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Erstellt am</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>You Won !</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>You Lost !</source>
        <translation>Verloren!</translation>
    </message>
    <message>
        <source>black, a right digit in its right place</source>
        <translation>schwarz, eine richtige Ziffer an der richtigen Stelle</translation>
    </message>
    <message>
        <source>white, a right digit in another place</source>
        <translation>weiß, eine richtige Ziffer an der falschen Stelle</translation>
    </message>
    <message>
        <source>Code, position %1</source>
        <translation>Code, Stelle %1</translation>
    </message>
    <message>
        <source>The hidden code, shown when the game ends</source>
        <translation>Der verborgene Code, der am Spielende aufgedeckt wird</translation>
    </message>
    <message>
        <source>Row %1, position %2</source>
        <translation>Reihe %1, Stelle %2</translation>
    </message>
    <message>
        <source>Drop a digit tile here</source>
        <translation>Hier eine Ziffer ablegen</translation>
    </message>
    <message>
        <source>Row %1, peg %2</source>
        <translation>Reihe %1, Stift %2</translation>
    </message>
    <message>
        <source>Black: a right digit in its right place. White: a right digit in another place.</source>
        <translation>Schwarz: eine richtige Ziffer an der richtigen Stelle. Weiß: eine richtige Ziffer an der falschen Stelle.</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Ziffer %1</translation>
    </message>
    <message>
        <source>Drag it onto a slot of the current row</source>
        <translation>Auf ein Feld der aktuellen Reihe ziehen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Says whether you won or lost</source>
        <translation>Zeigt, ob du gewonnen oder verloren hast</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The button that scores the row just filled; the rules and the keys&apos; help name it too, so a short verb that fits a button 1215 twips (about 81 pixels) wide.</extracomment>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation>Bewertet die aktuelle Reihe</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Minutes and seconds left to find the code</source>
        <translation>Minuten und Sekunden, die dir noch bleiben, um den Code zu finden</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt ein Wert.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Versionsinformation anzeigen und beenden.</translation>
    </message>
    <message>
        <source>
The toolkit&apos;s own options, such as -platform NAME and -style NAME, are accepted too.
</source>
        <translation>
Die eigenen Optionen der Grafikbibliothek, etwa -platform NAME und -style NAME, werden ebenfalls akzeptiert.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>A code-breaking game: find the hidden four-digit code in six tries, against the clock.</source>
        <translation>Ein Spiel zum Codeknacken: Finde den verborgenen vierstelligen Code in sechs Versuchen, gegen die Uhr.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no display to open the window on (%1)</source>
        <translation>keine Anzeige, auf der sich das Fenster öffnen ließe (%1)</translation>
    </message>
    <message>
        <source>the toolkit could not start (%1)</source>
        <translation>die Grafikbibliothek konnte nicht gestartet werden (%1)</translation>
    </message>
    <message>
        <source>cannot load &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>Run-time error in &quot;%1&quot;: %2</source>
        <translation>Laufzeitfehler in „%1“: %2</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
</context>
<context>
    <name>Level menu</name>
    <message>
        <source>Ha&amp;rd</source>
        <translation>&amp;Schwer</translation>
    </message>
    <message>
        <source>N&amp;ormal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Stufe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Find the hidden code: four digits, each from 1 to 6; a digit may come more than once.</source>
        <translation>Finde den verborgenen Code: vier Ziffern, jede von 1 bis 6; eine Ziffer kann mehrmals vorkommen.</translation>
    </message>
    <message>
        <source>Show scores the row: a black peg for each right digit in its right place, a white peg for each right digit in another place.</source>
        <translation>„Prüfen“ bewertet die Reihe: ein schwarzer Stift für jede richtige Ziffer an der richtigen Stelle, ein weißer für jede richtige Ziffer an der falschen Stelle.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>Keys: 1 to 6 put a digit where the cursor stands; Left, Right, Home and End move it; Return acts as Show; Up and Down move between the rows played. With a screen reader, T tells the time left.</source>
        <translation>Tasten: 1 bis 6 setzen eine Ziffer an die Cursorstelle; Pfeil links, Pfeil rechts, Pos1 und Ende bewegen den Cursor; die Eingabetaste wirkt wie „Prüfen“; Pfeil hoch und Pfeil runter wechseln zwischen den gespielten Reihen. Mit Bildschirmleser sagt T die Restzeit an.</translation>
    </message>
    <message>
        <source>Drag a digit tile from the bottom right onto a slot of the current row, or click the tile and then the slot. A clicked tile stays picked for the next slot until you click it again, click elsewhere or press Escape. When the row is full, press Show.</source>
        <translation>Ziehe eine Ziffer von unten rechts auf ein Feld der aktuellen Reihe, oder klicke die Ziffer und dann das Feld an. Eine angeklickte Ziffer bleibt für das nächste Feld ausgewählt, bis du sie erneut anklickst, woanders klickst oder Esc drückst. Ist die Reihe voll, drücke „Prüfen“.</translation>
    </message>
    <message>
        <source>You have six tries. You win when a row scores four black pegs, and lose when the sixth row does not or the clock reaches 0:00. The clock runs from the start of the game: %1 on Easy, %2 on Normal, %3 on Hard; it stands still while you read these rules.</source>
        <translation>Du hast sechs Versuche. Du gewinnst, wenn eine Reihe vier schwarze Stifte erhält, und verlierst, wenn die sechste Reihe das nicht schafft oder die Uhr 0:00 erreicht. Ab Spielbeginn läuft die Uhr: %1 auf Leicht, %2 auf Normal, %3 auf Schwer; beim Lesen dieser Anleitung steht sie still.</translation>
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
        <translation>Reihe %1, Stelle %2, leer</translation>
    </message>
    <message>
        <source>Row %1, position %2: %3</source>
        <translation>Reihe %1, Stelle %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>Noch %n Sekunde</numerusform>
            <numerusform>Noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Noch %n Minute</numerusform>
            <numerusform>Noch %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, position %2 is empty.</source>
        <translation>Reihe %1, Stelle %2 ist leer.</translation>
    </message>
    <message>
        <source>%1 The code was %2.</source>
        <extracomment>Told when a game ends: %1 is &quot;You Won !&quot; or &quot;You Lost !&quot; as the board words them, %2 the hidden code&apos;s four digits, such as &quot;3 1 4 6&quot;; the code within the first 40 characters.</extracomment>
        <translation>%1 Der Code war %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) %1 left</source>
        <translation>
            <numerusform>Noch %n Minute und %1</numerusform>
            <numerusform>Noch %n Minuten und %1</numerusform>
        </translation>
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
        <translation>Reihe %1: %2. %3 an richtiger, %4 an falscher Stelle.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <extracomment>The row under the keys&apos; cursor on a braille display: %1 the row, %2 its four slots, a digit or &quot;_&quot; each, such as &quot;1 3 _ _&quot;.</extracomment>
        <translation>Reihe %1: %2</translation>
    </message>
</context>
</TS>
