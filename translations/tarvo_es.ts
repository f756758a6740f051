<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Correo</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>You Won !</source>
        <translation>¡Victoria!</translation>
    </message>
    <message>
        <source>You Lost !</source>
        <translation>¡Derrota!</translation>
    </message>
    <message>
        <source>black, a right digit in its right place</source>
        <translation>negra, un dígito correcto en su lugar</translation>
    </message>
    <message>
        <source>white, a right digit in another place</source>
        <translation>blanca, un dígito correcto en otro lugar</translation>
    </message>
    <message>
        <source>Code, position %1</source>
        <translation>Código, posición %1</translation>
    </message>
    <message>
        <source>The hidden code, shown when the game ends</source>
        <translation>El código oculto, que se muestra al terminar la partida</translation>
    </message>
    <message>
        <source>Row %1, position %2</source>
        <translation>Fila %1, posición %2</translation>
    </message>
    <message>
        <source>Drop a digit tile here</source>
        <translation>Suelta aquí un dígito</translation>
    </message>
    <message>
        <source>Row %1, peg %2</source>
        <translation>Fila %1, clavija %2</translation>
    </message>
    <message>
        <source>Black: a right digit in its right place. White: a right digit in another place.</source>
        <translation>Negra: un dígito correcto en su lugar. Blanca: un dígito correcto en otro lugar.</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Dígito %1</translation>
    </message>
    <message>
        <source>Drag it onto a slot of the current row</source>
        <translation>Arrástralo a una casilla de la fila actual</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Says whether you won or lost</source>
        <translation>Indica el resultado de la partida</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The button that scores the row just filled; the rules and the keys&apos; help name it too, so a short verb that fits a button 1215 twips (about 81 pixels) wide.</extracomment>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation>Evalúa la fila actual</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Minutes and seconds left to find the code</source>
        <translation>Minutos y segundos que quedan para descubrir el código</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor tras «%1».</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>
The toolkit&apos;s own options, such as -platform NAME and -style NAME, are accepted too.
</source>
        <translation>
También se aceptan las opciones propias de la biblioteca gráfica, como -platform NOMBRE y -style NOMBRE.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>A code-breaking game: find the hidden four-digit code in six tries, against the clock.</source>
        <translation>Un juego de descifrar códigos: descubre el código oculto de cuatro dígitos en seis intentos, a contrarreloj.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY y WAYLAND_DISPLAY no están definidas</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY no está definida</translation>
    </message>
    <message>
        <source>no display to open the window on (%1)</source>
        <translation>no hay pantalla donde abrir la ventana (%1)</translation>
    </message>
    <message>
        <source>the toolkit could not start (%1)</source>
        <translation>no se pudo iniciar la biblioteca gráfica (%1)</translation>
    </message>
    <message>
        <source>cannot load &quot;%1&quot;: %2</source>
        <translation>no se puede cargar «%1»: %2</translation>
    </message>
    <message>
        <source>Run-time error in &quot;%1&quot;: %2</source>
        <translation>Error de ejecución en «%1»: %2</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
</context>
<context>
    <name>Level menu</name>
    <message>
        <source>Ha&amp;rd</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>N&amp;ormal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Find the hidden code: four digits, each from 1 to 6; a digit may come more than once.</source>
        <translation>Descubre el código oculto: cuatro dígitos, cada uno del 1 al 6; un dígito puede repetirse.</translation>
    </message>
    <message>
        <source>Show scores the row: a black peg for each right digit in its right place, a white peg for each right digit in another place.</source>
        <translation>«Comprobar» evalúa la fila: una clavija negra por cada dígito correcto en su lugar, una blanca por cada dígito correcto en otro lugar.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>Keys: 1 to 6 put a digit where the cursor stands; Left, Right, Home and End move it; Return acts as Show; Up and Down move between the rows played. With a screen reader, T tells the time left.</source>
        <translation>Teclas: del 1 al 6 ponen un dígito donde está el cursor; Izquierda, Derecha, Inicio y Fin lo mueven; Intro equivale a pulsar «Comprobar»; Arriba y Abajo lo llevan de una fila ya jugada a otra. Con un lector de pantalla, T dice el tiempo restante.</translation>
    </message>
    <message>
        <source>Drag a digit tile from the bottom right onto a slot of the current row, or click the tile and then the slot. A clicked tile stays picked for the next slot until you click it again, click elsewhere or press Escape. When the row is full, press Show.</source>
        <translation>Arrastra un dígito de la esquina inferior derecha a una casilla de la fila actual o haz clic en el dígito y luego en la casilla; seguirá seleccionado para la siguiente hasta que hagas clic de nuevo en él o en otro sitio, o pulses Esc. Cuando la fila esté llena, pulsa «Comprobar».</translation>
    </message>
    <message>
        <source>You have six tries. You win when a row scores four black pegs, and lose when the sixth row does not or the clock reaches 0:00. The clock runs from the start of the game: %1 on Easy, %2 on Normal, %3 on Hard; it stands still while you read these rules.</source>
        <translation>Tienes seis intentos. Ganas cuando una fila obtiene cuatro clavijas negras y pierdes si la sexta fila no lo consigue o el reloj llega a 0:00. El reloj corre desde que empieza la partida: %1 en el nivel fácil, %2 en el normal y %3 en el difícil; se detiene mientras lees estas reglas.</translation>
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
        <translation>Fila %1, posición %2, vacía</translation>
    </message>
    <message>
        <source>Row %1, position %2: %3</source>
        <translation>Fila %1, posición %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>Queda %n segundo</numerusform>
            <numerusform>Quedan %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Queda %n minuto</numerusform>
            <numerusform>Quedan %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, position %2 is empty.</source>
        <translation>En la fila %1, la posición %2 está vacía.</translation>
    </message>
    <message>
        <source>%1 The code was %2.</source>
        <extracomment>Told when a game ends: %1 is &quot;You Won !&quot; or &quot;You Lost !&quot; as the board words them, %2 the hidden code&apos;s four digits, such as &quot;3 1 4 6&quot;; the code within the first 40 characters.</extracomment>
        <translation>%1 El código era %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) %1 left</source>
        <translation>
            <numerusform>Queda %n minuto %1</numerusform>
            <numerusform>Quedan %n minutos %1</numerusform>
        </translation>
    </message>
    <message>
        <source>minutes in digits</source>
        <extracomment>How a count of minutes is spoken, for a voice that reads a bare digit in one gender only. Either the name of ICU&apos;s rule set that spells the count out agreeing with this language&apos;s word for minutes, such as %spellout-cardinal-feminine or %spellout-cardinal-masculine (see ICU&apos;s spellout rules for the language), or this text as it stands to keep digits.</extracomment>
        <translation>%spellout-cardinal-masculine</translation>
    </message>
    <message>
        <source>seconds in digits</source>
        <extracomment>The same for a count of seconds, agreeing with this language&apos;s word for seconds.</extracomment>
        <translation>%spellout-cardinal-masculine</translation>
    </message>
    <message>
        <source>Row %1: %2. %3 in place, %4 elsewhere.</source>
        <extracomment>A scored row as it is told and as a braille display shows it, in at most 40 characters with the counts: %1 the row, %2 its four digits, such as &quot;1 1 2 2&quot;, %3 the digits in their place, %4 the further digits that are in the code at another place.</extracomment>
        <translation>Fila %1: %2. %3 en su lugar, %4 en otro.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <extracomment>The row under the keys&apos; cursor on a braille display: %1 the row, %2 its four slots, a digit or &quot;_&quot; each, such as &quot;1 3 _ _&quot;.</extracomment>
        <translation>Fila %1: %2</translation>
    </message>
</context>
</TS>
