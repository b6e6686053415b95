<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumidex, a memory card game in one small window.</source>
        <translation>Lumidex, ein Memory-Kartenspiel in einem kleinen Fenster.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and quit.</source>
        <translation>Die Version des Spiels anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>die Ausgabe lässt sich nicht schreiben: %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Unable to get temp file name!</source>
        <translation>Es konnte keine temporäre Datei angelegt werden!</translation>
    </message>
    <message>
        <source>Unable to save resource item to disk!</source>
        <translation>Die Ressource konnte nicht auf dem Datenträger gespeichert werden!</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>
Lumidex - Game Instructions

Single Player:
Clicking the Master Card (Red) will cause 
a random picture to appear.
Try to find a match by clicking on one of the 
16 Fixed Cards (Blue). If a match is found, 
the card will remain face up.
Lumidex expects you to memorize 
the location of Fixed Cards that were already 
exposed. If the Master Card depicts a 
picture that you have already exposed, but 
the matching Fixed Card is not selected, 
Lumidex will record a 
&quot;memory miss&quot;. 
The object of the game is to create four  
face-up cards in a row.

Two Players:
The players play in turns. A player who 
finds a match, holds on to his/her turn.
Remember: The winner is determined not by 
the number of matches, but by being the 
last to create four face-up cards in a row.

Lumidex is free software made by the
Lumidex team. Share and enjoy!

https://lumidex.example.org
</source>
        <extracomment>The help panel&apos;s text. Keep each line about as long as the English lines: the panel is narrow.</extracomment>
        <translation>
Lumidex - Spielanleitung

Ein Spieler:
Ein Klick auf die Hauptkarte (rot) zeigt
ein zufälliges Bild.
Suche das passende Bild, indem du auf eine
der 16 Feldkarten (blau) klickst. Passt sie,
bleibt die Karte aufgedeckt.
Lumidex erwartet, dass du dir merkst, wo
die schon aufgedeckten Feldkarten liegen.
Zeigt die Hauptkarte ein Bild, das du schon
aufgedeckt hast, und wählst du nicht die
passende Feldkarte, zählt Lumidex einen
„Gedächtnisfehler“.
Ziel des Spiels ist es, vier aufgedeckte
Karten in eine Reihe zu bringen.

Zwei Spieler:
Die Spieler sind abwechselnd am Zug. Wer
ein passendes Bild findet, bleibt am Zug.
Denk daran: Es gewinnt nicht, wer die
meisten Paare findet, sondern wer als
Letzter vier aufgedeckte Karten in eine
Reihe bringt.

Lumidex ist freie Software, gemacht vom
Lumidex-Team. Weitergeben und viel Spaß!

https://lumidex.example.org
</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>coffee jug</source>
        <translation>Kaffeekanne</translation>
    </message>
    <message>
        <source>minibus</source>
        <translation>Kleinbus</translation>
    </message>
    <message>
        <source>carrot</source>
        <translation>Karotte</translation>
    </message>
    <message>
        <source>dragonfly</source>
        <translation>Libelle</translation>
    </message>
    <message>
        <source>leafy greens</source>
        <translation>Blattgemüse</translation>
    </message>
    <message>
        <source>chocolate ice lolly</source>
        <translation>Schokoladeneis am Stiel</translation>
    </message>
    <message>
        <source>bird on a branch</source>
        <translation>Vogel auf einem Ast</translation>
    </message>
    <message>
        <source>rooster</source>
        <translation>Hahn</translation>
    </message>
    <message>
        <source>alarm clock</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>hot pepper</source>
        <translation>Chilischote</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>bitten apple</source>
        <translation>angebissener Apfel</translation>
    </message>
    <message>
        <source>ring biscuit</source>
        <translation>Kekskranz</translation>
    </message>
    <message>
        <source>cup of tea</source>
        <translation>Tasse Tee</translation>
    </message>
    <message>
        <source>sushi</source>
        <translation>Sushi</translation>
    </message>
    <message>
        <source>soda can</source>
        <translation>Getränkedose</translation>
    </message>
    <message>
        <source>ear of corn</source>
        <translation>Maiskolben</translation>
    </message>
    <message>
        <source>teacup</source>
        <translation>Teebecher</translation>
    </message>
    <message>
        <source>ladybird</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>sports helmet</source>
        <translation>Sporthelm</translation>
    </message>
    <message>
        <source>spring onion</source>
        <translation>Frühlingszwiebel</translation>
    </message>
    <message>
        <source>bell pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>hot-air balloon</source>
        <translation>Heißluftballon</translation>
    </message>
    <message>
        <source>coffee press</source>
        <translation>Kaffeepresse</translation>
    </message>
    <message>
        <source>house with garden</source>
        <translation>Haus mit Garten</translation>
    </message>
    <message>
        <source>tree biscuit</source>
        <translation>Tannenbaumkeks</translation>
    </message>
    <message>
        <source>jack-o&apos;-lantern</source>
        <translation>Kürbislaterne</translation>
    </message>
    <message>
        <source>hot dog</source>
        <translation>Hotdog</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>hammer</source>
        <translation>Hammer</translation>
    </message>
    <message>
        <source>magnifying glass</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>mayonnaise jar</source>
        <translation>Mayonnaiseglas</translation>
    </message>
    <message>
        <source>milk carton</source>
        <translation>Milchtüte</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>oven glove</source>
        <translation>Topfhandschuh</translation>
    </message>
    <message>
        <source>red lettuce</source>
        <translation>roter Salat</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>Wassermelone</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>Donut</translation>
    </message>
    <message>
        <source>toaster</source>
        <translation>Toaster</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>Softeis</translation>
    </message>
    <message>
        <source>car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>parcel</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>football</source>
        <translation>Fußball</translation>
    </message>
    <message>
        <source>pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>paint palette</source>
        <translation>Malpalette</translation>
    </message>
    <message>
        <source>sandwich</source>
        <translation>Sandwich</translation>
    </message>
    <message>
        <source>radish</source>
        <translation>Radieschen</translation>
    </message>
    <message>
        <source>cauliflower</source>
        <translation>Blumenkohl</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>candy cane</source>
        <translation>Zuckerstange</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>Oops!!</source>
        <translation>Hoppla!!</translation>
    </message>
    <message numerus="yes">
        <source>you made it with %n mistakes.</source>
        <translation>
            <numerusform>Du hast es mit %n Fehler geschafft.</numerusform>
            <numerusform>Du hast es mit %n Fehlern geschafft.</numerusform>
        </translation>
    </message>
    <message>
        <source>too many mistakes. try again.</source>
        <translation>Zu viele Fehler. Versuch es noch einmal.</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>the desktop&apos;s setting</source>
        <translation>die Einstellung des Desktops</translation>
    </message>
    <message>
        <source>a scale must be a number above 0</source>
        <translation>eine Skalierung muss eine Zahl über 0 sein</translation>
    </message>
    <message>
        <source>its text would be too small to read (the smallest scale is %1)</source>
        <translation>sein Text wäre zu klein zum Lesen (die kleinste Skalierung ist %1)</translation>
    </message>
    <message>
        <source>it would be more than twice the size of the screen</source>
        <translation>es wäre mehr als doppelt so groß wie der Bildschirm</translation>
    </message>
    <message>
        <source>the window cannot be shown at a scale of %1 (%2): %3.</source>
        <translation>das Fenster lässt sich nicht mit der Skalierung %1 zeigen (%2): %3.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>playing without sound: %1</source>
        <translation>Spiel ohne Ton: %1</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, face down</source>
        <translation>%1, verdeckt</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, leer</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Master Card</source>
        <translation>Hauptkarte</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n memory misses</source>
        <translation>
            <numerusform>%1 von %n Gedächtnisfehler</numerusform>
            <numerusform>%1 von %n Gedächtnisfehlern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won with %n memory miss(es)</source>
        <translation>
            <numerusform>Du hast mit %n Gedächtnisfehler gewonnen</numerusform>
            <numerusform>Du hast mit %n Gedächtnisfehlern gewonnen</numerusform>
        </translation>
    </message>
    <message>
        <source>Too many memory misses</source>
        <translation>Zu viele Gedächtnisfehler</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Neues Spiel.</translation>
    </message>
    <message>
        <source>%1: a match.</source>
        <translation>%1: ein Treffer.</translation>
    </message>
    <message>
        <source>%1: no match, turned back.</source>
        <translation>%1: kein Treffer, wieder umgedreht.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Card %1, row %2, column %3</source>
        <translation>Karte %1, Reihe %2, Spalte %3</translation>
    </message>
    <message>
        <source>A row of four: row %1!</source>
        <translation>Vier auf einer Linie: Reihe %1!</translation>
    </message>
    <message>
        <source>A row of four: column %1!</source>
        <translation>Vier auf einer Linie: Spalte %1!</translation>
    </message>
    <message>
        <source>Find the %1.</source>
        <translation>Finde: %1.</translation>
    </message>
    <message>
        <source>No card matched yet.</source>
        <translation>Noch kein Paar gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n matched: %1.</source>
        <translation>
            <numerusform>%n Paar gefunden: %1.</numerusform>
            <numerusform>%n Paare gefunden: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Draw the Master Card.</source>
        <translation>Zieh die Hauptkarte.</translation>
    </message>
    <message>
        <source>Game over: %1.</source>
        <translation>Spiel vorbei: %1.</translation>
    </message>
    <message>
        <source>The help covers the board; Ctrl+N deals a new game.</source>
        <translation>Die Hilfe verdeckt das Spielfeld; Strg+N gibt ein neues Spiel.</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>Reihe %1 Spalte %2</translation>
    </message>
    <message>
        <source>Edge.</source>
        <translation>Rand.</translation>
    </message>
    <message>
        <source>Covered by the help.</source>
        <translation>Von der Hilfe verdeckt.</translation>
    </message>
    <message>
        <source>Not available now.</source>
        <translation>Gerade nicht möglich.</translation>
    </message>
    <message>
        <source>Keys: arrows move, Space or Enter picks, S tells the game, R repeats, F1 help, Ctrl+N new game, Ctrl+Q quits.</source>
        <translation>Tasten: Pfeile bewegen, Leertaste oder Eingabe wählt, S sagt den Spielstand, R wiederholt, F1 Hilfe, Strg+N neues Spiel, Strg+Q beendet.</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>frmIcon</name>
    <message>
        <source>Important notice!</source>
        <translation>Wichtiger Hinweis!</translation>
    </message>
    <message>
        <source>This application works with small fonts only</source>
        <translation>Diese Anwendung funktioniert nur mit kleinen Schriften</translation>
    </message>
    <message>
        <source>Please change your system to &quot;Small Fonts&quot;</source>
        <extracomment>The next two lines are one sentence.</extracomment>
        <translation>Bitte stelle dein System auf „Kleine Schriften“ um</translation>
    </message>
    <message>
        <source>in the Windows Setting System</source>
        <translation>(in den Windows-Systemeinstellungen)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
