<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>lunara::frmMDI</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara speaks the language chosen from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
