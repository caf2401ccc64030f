<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>app::help::HelpDesk</name>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="32"/>
        <source>help file not found</source>
        <translation>archivo de ayuda no encontrado</translation>
    </message>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="53"/>
        <source>The document %1 is not in the program folder %2.</source>
        <translation>El documento %1 no está en la carpeta del programa %2.</translation>
    </message>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="58"/>
        <source>No program could open the document %1.</source>
        <translation>Ningún programa ha podido abrir el documento %1.</translation>
    </message>
</context>
<context>
    <name>app::help::THelpViewer</name>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="105"/>
        <source>ORVANE - Help</source>
        <translation>ORVANE - Ayuda</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="106"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="107"/>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="108"/>
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="109"/>
        <source>Back to the first page</source>
        <translation>Volver a la primera página</translation>
    </message>
</context>
<context>
    <name>base::HelpButton</name>
    <message>
        <location filename="../../base/help_button.cpp" line="24"/>
        <source>Help on this window (F1)</source>
        <translation>Ayuda sobre esta ventana (F1)</translation>
    </message>
</context>
</TS>
