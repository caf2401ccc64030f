<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>app::help::HelpDesk</name>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="32"/>
        <source>help file not found</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="53"/>
        <source>The document %1 is not in the program folder %2.</source>
        <translation>Das Dokument %1 liegt nicht im Programmordner %2.</translation>
    </message>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="58"/>
        <source>No program could open the document %1.</source>
        <translation>Kein Programm konnte das Dokument %1 öffnen.</translation>
    </message>
</context>
<context>
    <name>app::help::THelpViewer</name>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="105"/>
        <source>ORVANE - Help</source>
        <translation>ORVANE - Hilfe</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="106"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="107"/>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="108"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="109"/>
        <source>Back to the first page</source>
        <translation>Zurück zur ersten Seite</translation>
    </message>
</context>
<context>
    <name>base::HelpButton</name>
    <message>
        <location filename="../../base/help_button.cpp" line="24"/>
        <source>Help on this window (F1)</source>
        <translation>Hilfe zu diesem Fenster (F1)</translation>
    </message>
</context>
</TS>
