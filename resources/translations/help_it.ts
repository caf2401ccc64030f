<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>app::help::HelpDesk</name>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="32"/>
        <source>help file not found</source>
        <translation>file della guida non trovato</translation>
    </message>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="53"/>
        <source>The document %1 is not in the program folder %2.</source>
        <translation>Il documento %1 non si trova nella cartella del programma %2.</translation>
    </message>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="58"/>
        <source>No program could open the document %1.</source>
        <translation>Nessun programma ha potuto aprire il documento %1.</translation>
    </message>
</context>
<context>
    <name>app::help::THelpViewer</name>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="105"/>
        <source>ORVANE - Help</source>
        <translation>ORVANE - Guida</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="106"/>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="107"/>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="108"/>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="109"/>
        <source>Back to the first page</source>
        <translation>Torna alla prima pagina</translation>
    </message>
</context>
<context>
    <name>base::HelpButton</name>
    <message>
        <location filename="../../base/help_button.cpp" line="24"/>
        <source>Help on this window (F1)</source>
        <translation>Guida su questa finestra (F1)</translation>
    </message>
</context>
</TS>
