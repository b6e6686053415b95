<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumidex, a memory card game in one small window.</source>
        <translation>Lumidex, um jogo da memória com cartas em uma pequena janela.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and quit.</source>
        <translation>Mostra a versão do jogo e sai.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>não é possível escrever a saída: %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Unable to get temp file name!</source>
        <translation>Não foi possível obter um nome de arquivo temporário!</translation>
    </message>
    <message>
        <source>Unable to save resource item to disk!</source>
        <translation>Não foi possível salvar o recurso no disco!</translation>
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
Lumidex - Instruções do jogo

Um jogador:
Clicar na carta mestra (vermelha) faz
aparecer uma figura aleatória.
Procure o par clicando em uma das 16
cartas do tabuleiro (azuis). Se achar
o par, a carta fica virada para cima.
O Lumidex espera que você memorize onde
estão as cartas do tabuleiro que já
foram reveladas. Se a carta mestra
mostrar uma figura que você já revelou,
mas você não escolher a carta do
tabuleiro correspondente, o Lumidex
registra uma &quot;falha de memória&quot;.
O objetivo do jogo é formar uma linha
de quatro cartas viradas para cima.

Dois jogadores:
Os jogadores se revezam. Quem acha
um par continua jogando.
Lembre-se: quem vence não é quem acha
mais pares, mas o último a formar uma
linha de quatro cartas viradas para cima.

O Lumidex é software livre feito pela
equipe Lumidex. Compartilhe e divirta-se!

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
        <translation>van</translation>
    </message>
    <message>
        <source>carrot</source>
        <translation>cenoura</translation>
    </message>
    <message>
        <source>dragonfly</source>
        <translation>libélula</translation>
    </message>
    <message>
        <source>leafy greens</source>
        <translation>couve chinesa</translation>
    </message>
    <message>
        <source>chocolate ice lolly</source>
        <translation>picolé de chocolate</translation>
    </message>
    <message>
        <source>bird on a branch</source>
        <translation>passarinho num galho</translation>
    </message>
    <message>
        <source>rooster</source>
        <translation>galo</translation>
    </message>
    <message>
        <source>alarm clock</source>
        <translation>despertador</translation>
    </message>
    <message>
        <source>hot pepper</source>
        <translation>pimenta</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>croissant</translation>
    </message>
    <message>
        <source>bitten apple</source>
        <translation>maçã mordida</translation>
    </message>
    <message>
        <source>ring biscuit</source>
        <translation>biscoito rosquinha</translation>
    </message>
    <message>
        <source>cup of tea</source>
        <translation>xícara de chá</translation>
    </message>
    <message>
        <source>sushi</source>
        <translation>sushi</translation>
    </message>
    <message>
        <source>soda can</source>
        <translation>lata de refrigerante</translation>
    </message>
    <message>
        <source>ear of corn</source>
        <translation>espiga de milho</translation>
    </message>
    <message>
        <source>teacup</source>
        <translation>copo de chá</translation>
    </message>
    <message>
        <source>ladybird</source>
        <translation>joaninha</translation>
    </message>
    <message>
        <source>sports helmet</source>
        <translation>capacete esportivo</translation>
    </message>
    <message>
        <source>spring onion</source>
        <translation>cebolinha</translation>
    </message>
    <message>
        <source>bell pepper</source>
        <translation>pimentão</translation>
    </message>
    <message>
        <source>hot-air balloon</source>
        <translation>balão de ar quente</translation>
    </message>
    <message>
        <source>coffee press</source>
        <translation>prensa francesa</translation>
    </message>
    <message>
        <source>house with garden</source>
        <translation>casa com jardim</translation>
    </message>
    <message>
        <source>tree biscuit</source>
        <translation>biscoito de árvore de Natal</translation>
    </message>
    <message>
        <source>jack-o&apos;-lantern</source>
        <translation>abóbora de Halloween</translation>
    </message>
    <message>
        <source>hot dog</source>
        <translation>cachorro-quente</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>hambúrguer</translation>
    </message>
    <message>
        <source>hammer</source>
        <translation>martelo</translation>
    </message>
    <message>
        <source>magnifying glass</source>
        <translation>lupa</translation>
    </message>
    <message>
        <source>mayonnaise jar</source>
        <translation>pote de maionese</translation>
    </message>
    <message>
        <source>milk carton</source>
        <translation>caixa de leite</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>coruja</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <source>oven glove</source>
        <translation>luva de cozinha</translation>
    </message>
    <message>
        <source>red lettuce</source>
        <translation>alface roxa</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>foguete</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>melancia</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>laço</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>donut</translation>
    </message>
    <message>
        <source>toaster</source>
        <translation>torradeira</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>sorvete de casquinha</translation>
    </message>
    <message>
        <source>car</source>
        <translation>carro</translation>
    </message>
    <message>
        <source>parcel</source>
        <translation>pacote</translation>
    </message>
    <message>
        <source>football</source>
        <translation>bola de futebol</translation>
    </message>
    <message>
        <source>pencil</source>
        <translation>lápis</translation>
    </message>
    <message>
        <source>paint palette</source>
        <translation>paleta de pintura</translation>
    </message>
    <message>
        <source>sandwich</source>
        <translation>sanduíche</translation>
    </message>
    <message>
        <source>radish</source>
        <translation>rabanete</translation>
    </message>
    <message>
        <source>cauliflower</source>
        <translation>couve-flor</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>borboleta</translation>
    </message>
    <message>
        <source>candy cane</source>
        <translation>bengala doce</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Oops!!</source>
        <translation>Ops!!</translation>
    </message>
    <message numerus="yes">
        <source>you made it with %n mistakes.</source>
        <translation>
            <numerusform>Você conseguiu! Erros:&#xa0;%n.</numerusform>
            <numerusform>Você conseguiu! Erros:&#xa0;%n.</numerusform>
        </translation>
    </message>
    <message>
        <source>too many mistakes. try again.</source>
        <translation>Erros demais. Tente&#xa0;de&#xa0;novo.</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>the desktop&apos;s setting</source>
        <translation>a configuração da área de trabalho</translation>
    </message>
    <message>
        <source>a scale must be a number above 0</source>
        <translation>uma escala deve ser um número maior que 0</translation>
    </message>
    <message>
        <source>its text would be too small to read (the smallest scale is %1)</source>
        <translation>o texto dela ficaria pequeno demais para ler (a menor escala é %1)</translation>
    </message>
    <message>
        <source>it would be more than twice the size of the screen</source>
        <translation>ela ficaria com mais que o dobro do tamanho da tela</translation>
    </message>
    <message>
        <source>the window cannot be shown at a scale of %1 (%2): %3.</source>
        <translation>a janela não pode ser mostrada na escala %1 (%2): %3.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>playing without sound: %1</source>
        <translation>jogando sem som: %1</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, face down</source>
        <translation>%1, virada para baixo</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vazia</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Master Card</source>
        <translation>Carta mestra</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n memory misses</source>
        <translation>
            <numerusform>Falhas de memória: %1 de %n</numerusform>
            <numerusform>Falhas de memória: %1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won with %n memory miss(es)</source>
        <translation>
            <numerusform>Você venceu. Falhas de memória: %n</numerusform>
            <numerusform>Você venceu. Falhas de memória: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Too many memory misses</source>
        <translation>Falhas de memória demais</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Novo jogo.</translation>
    </message>
    <message>
        <source>%1: a match.</source>
        <translation>%1: par encontrado.</translation>
    </message>
    <message>
        <source>%1: no match, turned back.</source>
        <translation>%1: sem par, virada para baixo de novo.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Carta %1, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>A row of four: row %1!</source>
        <translation>Quatro em linha: linha %1!</translation>
    </message>
    <message>
        <source>A row of four: column %1!</source>
        <translation>Quatro em linha: coluna %1!</translation>
    </message>
    <message>
        <source>Find the %1.</source>
        <translation>Procure: %1.</translation>
    </message>
    <message>
        <source>No card matched yet.</source>
        <translation>Nenhum par encontrado ainda.</translation>
    </message>
    <message numerus="yes">
        <source>%n matched: %1.</source>
        <translation>
            <numerusform>%n par encontrado: %1.</numerusform>
            <numerusform>%n pares encontrados: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Draw the Master Card.</source>
        <translation>Vire a carta mestra.</translation>
    </message>
    <message>
        <source>Game over: %1.</source>
        <translation>Fim de jogo: %1.</translation>
    </message>
    <message>
        <source>The help covers the board; Ctrl+N deals a new game.</source>
        <translation>A ajuda cobre o tabuleiro; Ctrl+N inicia um novo jogo.</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>linha %1 coluna %2</translation>
    </message>
    <message>
        <source>Edge.</source>
        <translation>Borda.</translation>
    </message>
    <message>
        <source>Covered by the help.</source>
        <translation>Sob o painel de ajuda.</translation>
    </message>
    <message>
        <source>Not available now.</source>
        <translation>Indisponível agora.</translation>
    </message>
    <message>
        <source>Keys: arrows move, Space or Enter picks, S tells the game, R repeats, F1 help, Ctrl+N new game, Ctrl+Q quits.</source>
        <translation>Teclas: as setas movem, Espaço ou Enter escolhe, S resume o jogo, R repete, F1 ajuda, Ctrl+N novo jogo, Ctrl+Q sai.</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
</context>
<context>
    <name>frmIcon</name>
    <message>
        <source>Important notice!</source>
        <translation>Aviso importante!</translation>
    </message>
    <message>
        <source>This application works with small fonts only</source>
        <translation>Este aplicativo só funciona com fontes pequenas</translation>
    </message>
    <message>
        <source>Please change your system to &quot;Small Fonts&quot;</source>
        <extracomment>The next two lines are one sentence.</extracomment>
        <translation>Por favor, mude seu sistema para &quot;Fontes pequenas&quot;</translation>
    </message>
    <message>
        <source>in the Windows Setting System</source>
        <translation>nas configurações do sistema do Windows</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
