<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumidex, a memory card game in one small window.</source>
        <translation>Lumidex, un juego de memoria con cartas en una pequeña ventana.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and quit.</source>
        <translation>Muestra la versión del juego y sale.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>no se puede escribir la salida: %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Unable to get temp file name!</source>
        <translation>¡No se pudo obtener un nombre de archivo temporal!</translation>
    </message>
    <message>
        <source>Unable to save resource item to disk!</source>
        <translation>¡No se pudo guardar el recurso en el disco!</translation>
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
Lumidex - Instrucciones del juego

Un jugador:
Al hacer clic en la carta maestra (roja)
aparece una imagen al azar.
Busca su pareja haciendo clic en una de
las 16 cartas del tablero (azules). Si
es su pareja, la carta queda boca arriba.
Lumidex espera que memorices dónde están
las cartas del tablero que ya se han
descubierto. Si la carta maestra muestra
una imagen que ya has descubierto, pero
no eliges la carta del tablero
correspondiente, Lumidex anota un
«fallo de memoria».
El objetivo del juego es poner cuatro
cartas boca arriba en línea.

Dos jugadores:
Los jugadores juegan por turnos. Quien
encuentra una pareja vuelve a jugar.
Recuerda: no gana quien encuentra más
parejas, sino el último en poner
cuatro cartas boca arriba en línea.

Lumidex es software libre hecho por el
equipo de Lumidex. ¡Compártelo y disfruta!

https://lumidex.example.org
</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>coffee jug</source>
        <translation>jarra de café</translation>
    </message>
    <message>
        <source>minibus</source>
        <translation>minibús</translation>
    </message>
    <message>
        <source>carrot</source>
        <translation>zanahoria</translation>
    </message>
    <message>
        <source>dragonfly</source>
        <translation>libélula</translation>
    </message>
    <message>
        <source>leafy greens</source>
        <translation>col china</translation>
    </message>
    <message>
        <source>chocolate ice lolly</source>
        <translation>polo de chocolate</translation>
    </message>
    <message>
        <source>bird on a branch</source>
        <translation>pájaro en una rama</translation>
    </message>
    <message>
        <source>rooster</source>
        <translation>gallo</translation>
    </message>
    <message>
        <source>alarm clock</source>
        <translation>despertador</translation>
    </message>
    <message>
        <source>hot pepper</source>
        <translation>guindilla</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>cruasán</translation>
    </message>
    <message>
        <source>bitten apple</source>
        <translation>manzana mordida</translation>
    </message>
    <message>
        <source>ring biscuit</source>
        <translation>galleta de anillo</translation>
    </message>
    <message>
        <source>cup of tea</source>
        <translation>taza de té</translation>
    </message>
    <message>
        <source>sushi</source>
        <translation>sushi</translation>
    </message>
    <message>
        <source>soda can</source>
        <translation>lata de refresco</translation>
    </message>
    <message>
        <source>ear of corn</source>
        <translation>mazorca de maíz</translation>
    </message>
    <message>
        <source>teacup</source>
        <translation>vaso de té</translation>
    </message>
    <message>
        <source>ladybird</source>
        <translation>mariquita</translation>
    </message>
    <message>
        <source>sports helmet</source>
        <translation>casco deportivo</translation>
    </message>
    <message>
        <source>spring onion</source>
        <translation>cebolleta</translation>
    </message>
    <message>
        <source>bell pepper</source>
        <translation>pimiento</translation>
    </message>
    <message>
        <source>hot-air balloon</source>
        <translation>globo aerostático</translation>
    </message>
    <message>
        <source>coffee press</source>
        <translation>cafetera de émbolo</translation>
    </message>
    <message>
        <source>house with garden</source>
        <translation>casa con jardín</translation>
    </message>
    <message>
        <source>tree biscuit</source>
        <translation>galleta de árbol de Navidad</translation>
    </message>
    <message>
        <source>jack-o&apos;-lantern</source>
        <translation>calabaza de Halloween</translation>
    </message>
    <message>
        <source>hot dog</source>
        <translation>perrito caliente</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>hamburguesa</translation>
    </message>
    <message>
        <source>hammer</source>
        <translation>martillo</translation>
    </message>
    <message>
        <source>magnifying glass</source>
        <translation>lupa</translation>
    </message>
    <message>
        <source>mayonnaise jar</source>
        <translation>tarro de mayonesa</translation>
    </message>
    <message>
        <source>milk carton</source>
        <translation>cartón de leche</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>búho</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <source>oven glove</source>
        <translation>manopla de cocina</translation>
    </message>
    <message>
        <source>red lettuce</source>
        <translation>lechuga roja</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>cohete</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>sandía</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>lazo</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>regalo</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>dónut</translation>
    </message>
    <message>
        <source>toaster</source>
        <translation>tostadora</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>helado de cucurucho</translation>
    </message>
    <message>
        <source>car</source>
        <translation>coche</translation>
    </message>
    <message>
        <source>parcel</source>
        <translation>paquete</translation>
    </message>
    <message>
        <source>football</source>
        <translation>balón de fútbol</translation>
    </message>
    <message>
        <source>pencil</source>
        <translation>lápiz</translation>
    </message>
    <message>
        <source>paint palette</source>
        <translation>paleta de pintor</translation>
    </message>
    <message>
        <source>sandwich</source>
        <translation>sándwich</translation>
    </message>
    <message>
        <source>radish</source>
        <translation>rábano</translation>
    </message>
    <message>
        <source>cauliflower</source>
        <translation>coliflor</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>mariposa</translation>
    </message>
    <message>
        <source>candy cane</source>
        <translation>bastón de caramelo</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Oops!!</source>
        <translation>¡¡Uy!!</translation>
    </message>
    <message numerus="yes">
        <source>you made it with %n mistakes.</source>
        <translation>
            <numerusform>Lo has logrado con %n&#xa0;error.</numerusform>
            <numerusform>Lo has logrado con %n&#xa0;errores.</numerusform>
        </translation>
    </message>
    <message>
        <source>too many mistakes. try again.</source>
        <translation>Demasiados errores. Inténtalo de nuevo.</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>the desktop&apos;s setting</source>
        <translation>el ajuste del escritorio</translation>
    </message>
    <message>
        <source>a scale must be a number above 0</source>
        <translation>una escala debe ser un número mayor que 0</translation>
    </message>
    <message>
        <source>its text would be too small to read (the smallest scale is %1)</source>
        <translation>su texto sería demasiado pequeño para leerlo (la escala más pequeña es %1)</translation>
    </message>
    <message>
        <source>it would be more than twice the size of the screen</source>
        <translation>sería más del doble del tamaño de la pantalla</translation>
    </message>
    <message>
        <source>the window cannot be shown at a scale of %1 (%2): %3.</source>
        <translation>la ventana no se puede mostrar a una escala de %1 (%2): %3.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>playing without sound: %1</source>
        <translation>se juega sin sonido: %1</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, face down</source>
        <translation>%1, boca abajo</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vacía</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Master Card</source>
        <translation>Carta maestra</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n memory misses</source>
        <translation>
            <numerusform>Fallos de memoria: %1 de %n</numerusform>
            <numerusform>Fallos de memoria: %1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won with %n memory miss(es)</source>
        <translation>
            <numerusform>Has ganado con %n fallo de memoria</numerusform>
            <numerusform>Has ganado con %n fallos de memoria</numerusform>
        </translation>
    </message>
    <message>
        <source>Too many memory misses</source>
        <translation>Demasiados fallos de memoria</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nueva partida.</translation>
    </message>
    <message>
        <source>%1: a match.</source>
        <translation>%1: pareja encontrada.</translation>
    </message>
    <message>
        <source>%1: no match, turned back.</source>
        <translation>%1: sin pareja, de nuevo boca abajo.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Card %1, row %2, column %3</source>
        <translation>Carta %1, fila %2, columna %3</translation>
    </message>
    <message>
        <source>A row of four: row %1!</source>
        <translation>¡Cuatro en línea: fila %1!</translation>
    </message>
    <message>
        <source>A row of four: column %1!</source>
        <translation>¡Cuatro en línea: columna %1!</translation>
    </message>
    <message>
        <source>Find the %1.</source>
        <translation>Busca: %1.</translation>
    </message>
    <message>
        <source>No card matched yet.</source>
        <translation>Aún no hay ninguna pareja.</translation>
    </message>
    <message numerus="yes">
        <source>%n matched: %1.</source>
        <translation>
            <numerusform>%n pareja encontrada: %1.</numerusform>
            <numerusform>%n parejas encontradas: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Draw the Master Card.</source>
        <translation>Da la vuelta a la carta maestra.</translation>
    </message>
    <message>
        <source>Game over: %1.</source>
        <translation>Fin de la partida: %1.</translation>
    </message>
    <message>
        <source>The help covers the board; Ctrl+N deals a new game.</source>
        <translation>La ayuda cubre el tablero; Ctrl+N empieza una nueva partida.</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>fila %1 columna %2</translation>
    </message>
    <message>
        <source>Edge.</source>
        <translation>Borde.</translation>
    </message>
    <message>
        <source>Covered by the help.</source>
        <translation>Bajo el panel de ayuda.</translation>
    </message>
    <message>
        <source>Not available now.</source>
        <translation>No disponible ahora.</translation>
    </message>
    <message>
        <source>Keys: arrows move, Space or Enter picks, S tells the game, R repeats, F1 help, Ctrl+N new game, Ctrl+Q quits.</source>
        <translation>Teclas: las flechas mueven, Espacio o Intro elige, S resume la partida, R repite, F1 ayuda, Ctrl+N nueva partida, Ctrl+Q sale.</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>frmIcon</name>
    <message>
        <source>Important notice!</source>
        <translation>¡Aviso importante!</translation>
    </message>
    <message>
        <source>This application works with small fonts only</source>
        <translation>Esta aplicación solo funciona con fuentes pequeñas</translation>
    </message>
    <message>
        <source>Please change your system to &quot;Small Fonts&quot;</source>
        <extracomment>The next two lines are one sentence.</extracomment>
        <translation>Por favor, cambia tu sistema a «Fuentes pequeñas»</translation>
    </message>
    <message>
        <source>in the Windows Setting System</source>
        <translation>en la configuración del sistema de Windows</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
