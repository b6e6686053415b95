<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ResultPanel</name>
    <message numerus="yes">
        <source>you made it with %n mistakes.</source>
        <translation>
            <numerusform>you made it with %n mistake.</numerusform>
            <numerusform>you made it with %n mistakes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message numerus="yes">
        <source>%1 of %n memory misses</source>
        <translation>
            <numerusform>%1 of %n memory miss</numerusform>
            <numerusform>%1 of %n memory misses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won with %n memory miss(es)</source>
        <translation>
            <numerusform>You won with %n memory miss</numerusform>
            <numerusform>You won with %n memory misses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matched: %1.</source>
        <translation>
            <numerusform>%n matched: %1.</numerusform>
            <numerusform>%n matched: %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
