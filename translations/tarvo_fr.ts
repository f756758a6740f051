<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Créé le</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Courriel</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>You Won !</source>
        <translation>Gagné&#xa0;!</translation>
    </message>
    <message>
        <source>You Lost !</source>
        <translation>Perdu&#xa0;!</translation>
    </message>
    <message>
        <source>black, a right digit in its right place</source>
        <translation>noire, un bon chiffre bien placé</translation>
    </message>
    <message>
        <source>white, a right digit in another place</source>
        <translation>blanche, un bon chiffre mal placé</translation>
    </message>
    <message>
        <source>Code, position %1</source>
        <translation>Code, position %1</translation>
    </message>
    <message>
        <source>The hidden code, shown when the game ends</source>
        <translation>Le code secret, révélé en fin de partie</translation>
    </message>
    <message>
        <source>Row %1, position %2</source>
        <translation>Rangée %1, position %2</translation>
    </message>
    <message>
        <source>Drop a digit tile here</source>
        <translation>Déposez un chiffre ici</translation>
    </message>
    <message>
        <source>Row %1, peg %2</source>
        <translation>Rangée %1, fiche %2</translation>
    </message>
    <message>
        <source>Black: a right digit in its right place. White: a right digit in another place.</source>
        <translation>Noire&#xa0;: un bon chiffre bien placé. Blanche&#xa0;: un bon chiffre mal placé.</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Chiffre %1</translation>
    </message>
    <message>
        <source>Drag it onto a slot of the current row</source>
        <translation>Faites-le glisser sur une case de la rangée en cours</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Says whether you won or lost</source>
        <translation>Indique si vous avez gagné ou perdu</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The button that scores the row just filled; the rules and the keys&apos; help name it too, so a short verb that fits a button 1215 twips (about 81 pixels) wide.</extracomment>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation>Évalue la rangée en cours</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Minutes and seconds left to find the code</source>
        <translation>Minutes et secondes restantes pour trouver le code</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>
The toolkit&apos;s own options, such as -platform NAME and -style NAME, are accepted too.
</source>
        <translation>
Les options propres à la bibliothèque graphique, comme -platform NOM et -style NOM, sont également acceptées.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>A code-breaking game: find the hidden four-digit code in six tries, against the clock.</source>
        <translation>Un jeu de déduction&#xa0;: trouvez le code secret de quatre chiffres en six essais, contre la montre.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY et WAYLAND_DISPLAY ne sont pas définis</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY n’est pas défini</translation>
    </message>
    <message>
        <source>no display to open the window on (%1)</source>
        <translation>aucun affichage disponible pour ouvrir la fenêtre (%1)</translation>
    </message>
    <message>
        <source>the toolkit could not start (%1)</source>
        <translation>impossible d’initialiser la bibliothèque graphique (%1)</translation>
    </message>
    <message>
        <source>cannot load &quot;%1&quot;: %2</source>
        <translation>impossible de charger «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Run-time error in &quot;%1&quot;: %2</source>
        <translation>Erreur d’exécution dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>File menu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
</context>
<context>
    <name>Level menu</name>
    <message>
        <source>Ha&amp;rd</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>N&amp;ormal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Find the hidden code: four digits, each from 1 to 6; a digit may come more than once.</source>
        <translation>Trouvez le code secret&#xa0;: quatre chiffres de 1 à 6&#xa0;; un même chiffre peut revenir plusieurs fois.</translation>
    </message>
    <message>
        <source>Show scores the row: a black peg for each right digit in its right place, a white peg for each right digit in another place.</source>
        <translation>«&#xa0;Vérifier&#xa0;» évalue la rangée&#xa0;: une fiche noire pour chaque bon chiffre bien placé, une fiche blanche pour chaque bon chiffre mal placé.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>Keys: 1 to 6 put a digit where the cursor stands; Left, Right, Home and End move it; Return acts as Show; Up and Down move between the rows played. With a screen reader, T tells the time left.</source>
        <translation>Touches&#xa0;: 1 à 6 posent un chiffre sous le curseur&#xa0;; Gauche, Droite, Début et Fin le déplacent&#xa0;; Entrée équivaut à «&#xa0;Vérifier&#xa0;»&#xa0;; Haut et Bas passent d’une rangée jouée à l’autre. Avec un lecteur d’écran, T annonce le temps restant.</translation>
    </message>
    <message>
        <source>Drag a digit tile from the bottom right onto a slot of the current row, or click the tile and then the slot. A clicked tile stays picked for the next slot until you click it again, click elsewhere or press Escape. When the row is full, press Show.</source>
        <translation>Faites glisser un des chiffres en bas à droite sur une case de la rangée en cours, ou cliquez sur le chiffre puis sur la case&#xa0;: il reste sélectionné pour la case suivante jusqu’à un nouveau clic dessus, un clic ailleurs ou Échap. Quand la rangée est complète, appuyez sur «&#xa0;Vérifier&#xa0;».</translation>
    </message>
    <message>
        <source>You have six tries. You win when a row scores four black pegs, and lose when the sixth row does not or the clock reaches 0:00. The clock runs from the start of the game: %1 on Easy, %2 on Normal, %3 on Hard; it stands still while you read these rules.</source>
        <translation>Vous avez six essais. Vous gagnez si une rangée obtient quatre fiches noires et perdez si la sixième n’y parvient pas ou si le chrono atteint 0:00. Le chrono démarre avec la partie&#xa0;: %1 au niveau facile, %2 en normal, %3 en difficile&#xa0;; il est en pause tant que vous lisez ces règles.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A control&apos;s name, then what it holds or shows now, as a screen reader reads them: &quot;Time left: 2:41&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Row %1, position %2, empty</source>
        <translation>Rangée %1, position %2, vide</translation>
    </message>
    <message>
        <source>Row %1, position %2: %3</source>
        <translation>Rangée %1, position %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>Il reste %n seconde</numerusform>
            <numerusform>Il reste %n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Il reste %n minute</numerusform>
            <numerusform>Il reste %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, position %2 is empty.</source>
        <translation>Rangée %1&#xa0;: la position %2 est vide.</translation>
    </message>
    <message>
        <source>%1 The code was %2.</source>
        <extracomment>Told when a game ends: %1 is &quot;You Won !&quot; or &quot;You Lost !&quot; as the board words them, %2 the hidden code&apos;s four digits, such as &quot;3 1 4 6&quot;; the code within the first 40 characters.</extracomment>
        <translation>%1 Le code était %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) %1 left</source>
        <translation>
            <numerusform>Il reste %n minute %1</numerusform>
            <numerusform>Il reste %n minutes %1</numerusform>
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
        <translation>Rangée %1&#xa0;: %2. %3 au bon endroit, %4 ailleurs.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <extracomment>The row under the keys&apos; cursor on a braille display: %1 the row, %2 its four slots, a digit or &quot;_&quot; each, such as &quot;1 3 _ _&quot;.</extracomment>
        <translation>Rangée %1&#xa0;: %2</translation>
    </message>
</context>
</TS>
