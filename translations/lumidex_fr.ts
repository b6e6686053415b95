<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumidex, a memory card game in one small window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the game&apos;s version and quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Unable to get temp file name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save resource item to disk!</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>coffee jug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minibus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>carrot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dragonfly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leafy greens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chocolate ice lolly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bird on a branch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rooster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hot pepper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>croissant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bitten apple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ring biscuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cup of tea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sushi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soda can</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ear of corn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>teacup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ladybird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sports helmet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spring onion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bell pepper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hot-air balloon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coffee press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>house with garden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tree biscuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jack-o&apos;-lantern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hot dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hammer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magnifying glass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mayonnaise jar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>milk carton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>owl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pizza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oven glove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red lettuce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rocket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toaster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parcel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>football</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pencil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paint palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sandwich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cauliflower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>candy cane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n memory misses</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won with %n memory miss(es)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Too many memory misses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no match, turned back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A row of four!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmIcon</name>
    <message>
        <source>Important notice!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This application works with small fonts only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please change your system to &quot;Small Fonts&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the Windows Setting System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
