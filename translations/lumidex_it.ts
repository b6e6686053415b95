<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumidex, a memory card game in one small window.</source>
        <translation>Lumidex, un gioco di memoria con le carte in una piccola finestra.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and quit.</source>
        <translation>Mostra la versione del gioco ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento non previsto «%1».</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossibile scrivere l&apos;output: %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Unable to get temp file name!</source>
        <translation>Impossibile ottenere un nome di file temporaneo!</translation>
    </message>
    <message>
        <source>Unable to save resource item to disk!</source>
        <translation>Impossibile salvare la risorsa sul disco!</translation>
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
Lumidex - Istruzioni di gioco

Un giocatore:
Un clic sulla carta principale (rossa)
fa comparire un&apos;immagine a caso.
Cerca la coppia cliccando su una delle
16 carte del tabellone (blu). Se trovi
la coppia, la carta resta scoperta.
Lumidex si aspetta che tu ricordi dove
sono le carte del tabellone già
scoperte. Se la carta principale mostra
un&apos;immagine che hai già scoperto, ma
non scegli la carta del tabellone
corrispondente, Lumidex conta un
«vuoto di memoria».
Lo scopo del gioco è mettere quattro
carte scoperte in fila.

Due giocatori:
I giocatori giocano a turno. Chi trova
una coppia continua a giocare.
Ricorda: non vince chi trova più coppie,
ma l&apos;ultimo che mette quattro carte
scoperte in fila.

Lumidex è software libero creato dal
team di Lumidex. Condividi e divertiti!

https://lumidex.example.org
</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>coffee jug</source>
        <translation>caraffa del caffè</translation>
    </message>
    <message>
        <source>minibus</source>
        <translation>pulmino</translation>
    </message>
    <message>
        <source>carrot</source>
        <translation>carota</translation>
    </message>
    <message>
        <source>dragonfly</source>
        <translation>libellula</translation>
    </message>
    <message>
        <source>leafy greens</source>
        <translation>cavolo cinese</translation>
    </message>
    <message>
        <source>chocolate ice lolly</source>
        <translation>gelato su stecco</translation>
    </message>
    <message>
        <source>bird on a branch</source>
        <translation>uccellino su un ramo</translation>
    </message>
    <message>
        <source>rooster</source>
        <translation>gallo</translation>
    </message>
    <message>
        <source>alarm clock</source>
        <translation>sveglia</translation>
    </message>
    <message>
        <source>hot pepper</source>
        <translation>peperoncino</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>cornetto</translation>
    </message>
    <message>
        <source>bitten apple</source>
        <translation>mela morsicata</translation>
    </message>
    <message>
        <source>ring biscuit</source>
        <translation>biscotto ad anello</translation>
    </message>
    <message>
        <source>cup of tea</source>
        <translation>tazza di tè</translation>
    </message>
    <message>
        <source>sushi</source>
        <translation>sushi</translation>
    </message>
    <message>
        <source>soda can</source>
        <translation>lattina</translation>
    </message>
    <message>
        <source>ear of corn</source>
        <translation>pannocchia</translation>
    </message>
    <message>
        <source>teacup</source>
        <translation>bicchiere di tè</translation>
    </message>
    <message>
        <source>ladybird</source>
        <translation>coccinella</translation>
    </message>
    <message>
        <source>sports helmet</source>
        <translation>casco sportivo</translation>
    </message>
    <message>
        <source>spring onion</source>
        <translation>cipollotto</translation>
    </message>
    <message>
        <source>bell pepper</source>
        <translation>peperone</translation>
    </message>
    <message>
        <source>hot-air balloon</source>
        <translation>mongolfiera</translation>
    </message>
    <message>
        <source>coffee press</source>
        <translation>caffettiera a stantuffo</translation>
    </message>
    <message>
        <source>house with garden</source>
        <translation>casa con giardino</translation>
    </message>
    <message>
        <source>tree biscuit</source>
        <translation>biscotto ad alberello</translation>
    </message>
    <message>
        <source>jack-o&apos;-lantern</source>
        <translation>zucca di Halloween</translation>
    </message>
    <message>
        <source>hot dog</source>
        <translation>hot dog</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>hamburger</translation>
    </message>
    <message>
        <source>hammer</source>
        <translation>martello</translation>
    </message>
    <message>
        <source>magnifying glass</source>
        <translation>lente d&apos;ingrandimento</translation>
    </message>
    <message>
        <source>mayonnaise jar</source>
        <translation>barattolo di maionese</translation>
    </message>
    <message>
        <source>milk carton</source>
        <translation>cartone del latte</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>gufo</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <source>oven glove</source>
        <translation>guanto da forno</translation>
    </message>
    <message>
        <source>red lettuce</source>
        <translation>lattuga rossa</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>razzo</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>anguria</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>fiocco</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>regalo</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>ciambella</translation>
    </message>
    <message>
        <source>toaster</source>
        <translation>tostapane</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>cono gelato</translation>
    </message>
    <message>
        <source>car</source>
        <translation>auto</translation>
    </message>
    <message>
        <source>parcel</source>
        <translation>pacco</translation>
    </message>
    <message>
        <source>football</source>
        <translation>pallone da calcio</translation>
    </message>
    <message>
        <source>pencil</source>
        <translation>matita</translation>
    </message>
    <message>
        <source>paint palette</source>
        <translation>tavolozza</translation>
    </message>
    <message>
        <source>sandwich</source>
        <translation>tramezzino</translation>
    </message>
    <message>
        <source>radish</source>
        <translation>ravanello</translation>
    </message>
    <message>
        <source>cauliflower</source>
        <translation>cavolfiore</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>farfalla</translation>
    </message>
    <message>
        <source>candy cane</source>
        <translation>bastoncino di zucchero</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Congratulations!</source>
        <translation>Congratulazioni!</translation>
    </message>
    <message>
        <source>Oops!!</source>
        <translation>Ops!!</translation>
    </message>
    <message numerus="yes">
        <source>you made it with %n mistakes.</source>
        <translation>
            <numerusform>Ce l&apos;hai fatta con %n&#xa0;errore.</numerusform>
            <numerusform>Ce l&apos;hai fatta con %n&#xa0;errori.</numerusform>
        </translation>
    </message>
    <message>
        <source>too many mistakes. try again.</source>
        <translation>Troppi errori. Riprova.</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>the desktop&apos;s setting</source>
        <translation>l&apos;impostazione del desktop</translation>
    </message>
    <message>
        <source>a scale must be a number above 0</source>
        <translation>una scala deve essere un numero maggiore di 0</translation>
    </message>
    <message>
        <source>its text would be too small to read (the smallest scale is %1)</source>
        <translation>il suo testo sarebbe troppo piccolo per essere letto (la scala più piccola è %1)</translation>
    </message>
    <message>
        <source>it would be more than twice the size of the screen</source>
        <translation>sarebbe più del doppio dello schermo</translation>
    </message>
    <message>
        <source>the window cannot be shown at a scale of %1 (%2): %3.</source>
        <translation>la finestra non può essere mostrata alla scala %1 (%2): %3.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>playing without sound: %1</source>
        <translation>si gioca senza suono: %1</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, face down</source>
        <translation>%1, coperta</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vuota</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Master Card</source>
        <translation>Carta principale</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n memory misses</source>
        <translation>
            <numerusform>Vuoti di memoria: %1 su %n</numerusform>
            <numerusform>Vuoti di memoria: %1 su %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won with %n memory miss(es)</source>
        <translation>
            <numerusform>Hai vinto con %n vuoto di memoria</numerusform>
            <numerusform>Hai vinto con %n vuoti di memoria</numerusform>
        </translation>
    </message>
    <message>
        <source>Too many memory misses</source>
        <translation>Troppi vuoti di memoria</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nuova partita.</translation>
    </message>
    <message>
        <source>%1: a match.</source>
        <translation>%1: coppia trovata.</translation>
    </message>
    <message>
        <source>%1: no match, turned back.</source>
        <translation>%1: niente coppia, di nuovo coperta.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Pagina web</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Card %1, row %2, column %3</source>
        <translation>Carta %1, riga %2, colonna %3</translation>
    </message>
    <message>
        <source>A row of four: row %1!</source>
        <translation>Quattro in fila: riga %1!</translation>
    </message>
    <message>
        <source>A row of four: column %1!</source>
        <translation>Quattro in fila: colonna %1!</translation>
    </message>
    <message>
        <source>Find the %1.</source>
        <translation>Trova: %1.</translation>
    </message>
    <message>
        <source>No card matched yet.</source>
        <translation>Ancora nessuna coppia trovata.</translation>
    </message>
    <message numerus="yes">
        <source>%n matched: %1.</source>
        <translation>
            <numerusform>%n coppia trovata: %1.</numerusform>
            <numerusform>%n coppie trovate: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Draw the Master Card.</source>
        <translation>Scopri la carta principale.</translation>
    </message>
    <message>
        <source>Game over: %1.</source>
        <translation>Partita finita: %1.</translation>
    </message>
    <message>
        <source>The help covers the board; Ctrl+N deals a new game.</source>
        <translation>L&apos;aiuto copre il tabellone; Ctrl+N avvia una nuova partita.</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>riga %1 colonna %2</translation>
    </message>
    <message>
        <source>Edge.</source>
        <translation>Bordo.</translation>
    </message>
    <message>
        <source>Covered by the help.</source>
        <translation>Sotto il pannello di aiuto.</translation>
    </message>
    <message>
        <source>Not available now.</source>
        <translation>Non disponibile ora.</translation>
    </message>
    <message>
        <source>Keys: arrows move, Space or Enter picks, S tells the game, R repeats, F1 help, Ctrl+N new game, Ctrl+Q quits.</source>
        <translation>Tasti: le frecce spostano, Spazio o Invio sceglie, S riassume la partita, R ripete, F1 aiuto, Ctrl+N nuova partita, Ctrl+Q esce.</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>frmIcon</name>
    <message>
        <source>Important notice!</source>
        <translation>Avviso importante!</translation>
    </message>
    <message>
        <source>This application works with small fonts only</source>
        <translation>Questa applicazione funziona solo con caratteri piccoli</translation>
    </message>
    <message>
        <source>Please change your system to &quot;Small Fonts&quot;</source>
        <extracomment>The next two lines are one sentence.</extracomment>
        <translation>Per favore, imposta il sistema su «Caratteri piccoli»</translation>
    </message>
    <message>
        <source>in the Windows Setting System</source>
        <translation>nelle impostazioni di sistema di Windows</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
