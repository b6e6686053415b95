<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumidex, a memory card game in one small window.</source>
        <translation>Lumidex, un jeu de mémoire avec des cartes, dans une petite fenêtre.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and quit.</source>
        <translation>Afficher la version du jeu et quitter.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossible d&apos;écrire la sortie&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Unable to get temp file name!</source>
        <translation>Impossible d&apos;obtenir un nom de fichier temporaire&#xa0;!</translation>
    </message>
    <message>
        <source>Unable to save resource item to disk!</source>
        <translation>Impossible d&apos;enregistrer la ressource sur le disque&#xa0;!</translation>
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
Lumidex - Règles du jeu

Un joueur&#xa0;:
Un clic sur la carte maîtresse (rouge)
fait apparaître une image au hasard.
Cherchez la paire en cliquant sur l&apos;une
des 16 cartes du plateau (bleues). Une
carte qui fait la paire reste face visible.
Lumidex compte sur votre mémoire&#xa0;:
retenez où sont les cartes du plateau
déjà découvertes. Si la carte maîtresse
montre une image que vous avez déjà
découverte, mais que vous ne choisissez
pas la carte du plateau correspondante,
Lumidex note un
«&#xa0;trou de mémoire&#xa0;».
Le but du jeu est d&apos;aligner quatre
cartes face visible.

Deux joueurs&#xa0;:
Les joueurs jouent à tour de rôle. Un
joueur qui trouve une paire rejoue.
Rappel&#xa0;: le gagnant n&apos;est pas celui qui
trouve le plus de paires, mais le dernier
à aligner quatre cartes face visible.

Lumidex est un logiciel libre créé par
l&apos;équipe Lumidex. Partagez et amusez-vous&#xa0;!

https://lumidex.example.org
</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>coffee jug</source>
        <translation>carafe à café</translation>
    </message>
    <message>
        <source>minibus</source>
        <translation>minibus</translation>
    </message>
    <message>
        <source>carrot</source>
        <translation>carotte</translation>
    </message>
    <message>
        <source>dragonfly</source>
        <translation>libellule</translation>
    </message>
    <message>
        <source>leafy greens</source>
        <translation>chou chinois</translation>
    </message>
    <message>
        <source>chocolate ice lolly</source>
        <translation>esquimau au chocolat</translation>
    </message>
    <message>
        <source>bird on a branch</source>
        <translation>oiseau sur une branche</translation>
    </message>
    <message>
        <source>rooster</source>
        <translation>coq</translation>
    </message>
    <message>
        <source>alarm clock</source>
        <translation>réveil</translation>
    </message>
    <message>
        <source>hot pepper</source>
        <translation>piment</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>croissant</translation>
    </message>
    <message>
        <source>bitten apple</source>
        <translation>pomme croquée</translation>
    </message>
    <message>
        <source>ring biscuit</source>
        <translation>biscuit couronne</translation>
    </message>
    <message>
        <source>cup of tea</source>
        <translation>tasse de thé</translation>
    </message>
    <message>
        <source>sushi</source>
        <translation>sushi</translation>
    </message>
    <message>
        <source>soda can</source>
        <translation>canette de soda</translation>
    </message>
    <message>
        <source>ear of corn</source>
        <translation>épi de maïs</translation>
    </message>
    <message>
        <source>teacup</source>
        <translation>gobelet de thé</translation>
    </message>
    <message>
        <source>ladybird</source>
        <translation>coccinelle</translation>
    </message>
    <message>
        <source>sports helmet</source>
        <translation>casque de sport</translation>
    </message>
    <message>
        <source>spring onion</source>
        <translation>oignon nouveau</translation>
    </message>
    <message>
        <source>bell pepper</source>
        <translation>poivron</translation>
    </message>
    <message>
        <source>hot-air balloon</source>
        <translation>montgolfière</translation>
    </message>
    <message>
        <source>coffee press</source>
        <translation>cafetière à piston</translation>
    </message>
    <message>
        <source>house with garden</source>
        <translation>maison avec jardin</translation>
    </message>
    <message>
        <source>tree biscuit</source>
        <translation>biscuit sapin</translation>
    </message>
    <message>
        <source>jack-o&apos;-lantern</source>
        <translation>citrouille d&apos;Halloween</translation>
    </message>
    <message>
        <source>hot dog</source>
        <translation>hot-dog</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>hamburger</translation>
    </message>
    <message>
        <source>hammer</source>
        <translation>marteau</translation>
    </message>
    <message>
        <source>magnifying glass</source>
        <translation>loupe</translation>
    </message>
    <message>
        <source>mayonnaise jar</source>
        <translation>pot de mayonnaise</translation>
    </message>
    <message>
        <source>milk carton</source>
        <translation>brique de lait</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>hibou</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <source>oven glove</source>
        <translation>gant de cuisine</translation>
    </message>
    <message>
        <source>red lettuce</source>
        <translation>laitue rouge</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>fusée</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>pastèque</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>nœud</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>cadeau</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>donut</translation>
    </message>
    <message>
        <source>toaster</source>
        <translation>grille-pain</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>glace italienne</translation>
    </message>
    <message>
        <source>car</source>
        <translation>voiture</translation>
    </message>
    <message>
        <source>parcel</source>
        <translation>colis</translation>
    </message>
    <message>
        <source>football</source>
        <translation>ballon de foot</translation>
    </message>
    <message>
        <source>pencil</source>
        <translation>crayon</translation>
    </message>
    <message>
        <source>paint palette</source>
        <translation>palette de peinture</translation>
    </message>
    <message>
        <source>sandwich</source>
        <translation>sandwich</translation>
    </message>
    <message>
        <source>radish</source>
        <translation>radis</translation>
    </message>
    <message>
        <source>cauliflower</source>
        <translation>chou-fleur</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>papillon</translation>
    </message>
    <message>
        <source>candy cane</source>
        <translation>sucre d&apos;orge</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>Oops!!</source>
        <translation>Oups&#xa0;!!</translation>
    </message>
    <message numerus="yes">
        <source>you made it with %n mistakes.</source>
        <translation>
            <numerusform>Vous avez réussi avec %n&#xa0;erreur.</numerusform>
            <numerusform>Vous avez réussi avec %n&#xa0;erreurs.</numerusform>
        </translation>
    </message>
    <message>
        <source>too many mistakes. try again.</source>
        <translation>Trop d&apos;erreurs. Réessayez.</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>the desktop&apos;s setting</source>
        <translation>le réglage du bureau</translation>
    </message>
    <message>
        <source>a scale must be a number above 0</source>
        <translation>une échelle doit être un nombre supérieur à 0</translation>
    </message>
    <message>
        <source>its text would be too small to read (the smallest scale is %1)</source>
        <translation>son texte serait trop petit pour être lu (la plus petite échelle est %1)</translation>
    </message>
    <message>
        <source>it would be more than twice the size of the screen</source>
        <translation>elle serait plus de deux fois plus grande que l&apos;écran</translation>
    </message>
    <message>
        <source>the window cannot be shown at a scale of %1 (%2): %3.</source>
        <translation>la fenêtre ne peut pas être affichée à l&apos;échelle %1 (%2)&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>playing without sound: %1</source>
        <translation>jeu sans son&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, face down</source>
        <translation>%1, face cachée</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vide</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Master Card</source>
        <translation>Carte maîtresse</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n memory misses</source>
        <translation>
            <numerusform>Trous de mémoire&#xa0;: %1 sur %n</numerusform>
            <numerusform>Trous de mémoire&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won with %n memory miss(es)</source>
        <translation>
            <numerusform>Vous avez gagné avec %n trou de mémoire</numerusform>
            <numerusform>Vous avez gagné avec %n trous de mémoire</numerusform>
        </translation>
    </message>
    <message>
        <source>Too many memory misses</source>
        <translation>Trop de trous de mémoire</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nouvelle partie.</translation>
    </message>
    <message>
        <source>%1: a match.</source>
        <translation>%1&#xa0;: paire trouvée.</translation>
    </message>
    <message>
        <source>%1: no match, turned back.</source>
        <translation>%1&#xa0;: pas de paire, remise face cachée.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Card %1, row %2, column %3</source>
        <translation>Carte %1, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>A row of four: row %1!</source>
        <translation>Quatre cartes alignées&#xa0;: ligne %1&#xa0;!</translation>
    </message>
    <message>
        <source>A row of four: column %1!</source>
        <translation>Quatre cartes alignées&#xa0;: colonne %1&#xa0;!</translation>
    </message>
    <message>
        <source>Find the %1.</source>
        <translation>Cherchez&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No card matched yet.</source>
        <translation>Aucune paire trouvée pour l&apos;instant.</translation>
    </message>
    <message numerus="yes">
        <source>%n matched: %1.</source>
        <translation>
            <numerusform>%n paire trouvée&#xa0;: %1.</numerusform>
            <numerusform>%n paires trouvées&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Draw the Master Card.</source>
        <translation>Retournez la carte maîtresse.</translation>
    </message>
    <message>
        <source>Game over: %1.</source>
        <translation>Partie terminée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The help covers the board; Ctrl+N deals a new game.</source>
        <translation>L&apos;aide couvre le plateau&#xa0;; Ctrl+N lance une nouvelle partie.</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>ligne %1 colonne %2</translation>
    </message>
    <message>
        <source>Edge.</source>
        <translation>Bord.</translation>
    </message>
    <message>
        <source>Covered by the help.</source>
        <translation>Sous le panneau d&apos;aide.</translation>
    </message>
    <message>
        <source>Not available now.</source>
        <translation>Indisponible pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Keys: arrows move, Space or Enter picks, S tells the game, R repeats, F1 help, Ctrl+N new game, Ctrl+Q quits.</source>
        <translation>Touches&#xa0;: les flèches déplacent, Espace ou Entrée choisit, S résume la partie, R répète, F1 aide, Ctrl+N nouvelle partie, Ctrl+Q quitte.</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
</context>
<context>
    <name>frmIcon</name>
    <message>
        <source>Important notice!</source>
        <translation>Avis important&#xa0;!</translation>
    </message>
    <message>
        <source>This application works with small fonts only</source>
        <translation>Cette application ne fonctionne qu&apos;avec de petites polices</translation>
    </message>
    <message>
        <source>Please change your system to &quot;Small Fonts&quot;</source>
        <extracomment>The next two lines are one sentence.</extracomment>
        <translation>Veuillez régler votre système sur «&#xa0;Petites polices&#xa0;»</translation>
    </message>
    <message>
        <source>in the Windows Setting System</source>
        <translation>dans les paramètres système de Windows</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
