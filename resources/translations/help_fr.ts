<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>app::help::HelpDesk</name>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="32"/>
        <source>help file not found</source>
        <translation>fichier d&apos;aide introuvable</translation>
    </message>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="53"/>
        <source>The document %1 is not in the program folder %2.</source>
        <translation>Le document %1 n&apos;est pas dans le dossier du programme %2.</translation>
    </message>
    <message>
        <location filename="../../app/help/help_desk.cpp" line="58"/>
        <source>No program could open the document %1.</source>
        <translation>Aucun programme n&apos;a pu ouvrir le document %1.</translation>
    </message>
</context>
<context>
    <name>app::help::THelpViewer</name>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="105"/>
        <source>ORVANE - Help</source>
        <translation>ORVANE - Aide</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="106"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="107"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="108"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location filename="../../app/help/help_viewer.cpp" line="109"/>
        <source>Back to the first page</source>
        <translation>Retour à la première page</translation>
    </message>
</context>
<context>
    <name>base::HelpButton</name>
    <message>
        <location filename="../../base/help_button.cpp" line="24"/>
        <source>Help on this window (F1)</source>
        <translation>Aide sur cette fenêtre (F1)</translation>
    </message>
</context>
</TS>
