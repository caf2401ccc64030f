<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>prediction::PanelExplorer</name>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="154"/>
        <source>To display next visibility</source>
        <translation>Afficher la visibilité suivante</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="155"/>
        <source>To display previous visibility</source>
        <translation>Afficher la visibilité précédente</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="156"/>
        <source>Back to first visibility</source>
        <translation>Retour à la première visibilité</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="157"/>
        <source>To set or clear tracking line</source>
        <translation>Activer ou effacer la ligne de poursuite</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="158"/>
        <location filename="../../prediction/panel_explorer.cpp" line="159"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="160"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="161"/>
        <source>To close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="150"/>
        <source>Take note : LOCAL time !</source>
        <translation>Attention : heure LOCALE !</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="137"/>
        <source>  DATE &amp;&amp;  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation>  DATE &amp;&amp; HEURE  UTC  EL   AZ   DIST.   ALTIT  LAT  LONG  PHAx  DEP RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="138"/>
        <source>  DATE &amp;&amp; LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation>  DATE &amp;&amp; HEURE LOC.  EL   AZ   DIST.   ALTIT  LAT  LONG  PHAx  DEP RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="144"/>
        <source> DATE &amp;  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation> DATE &amp; HEURE  UTC  EL   AZ   DIST.   ALTIT  LAT  LONG  PHAx  DEP RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="145"/>
        <source> DATE &amp; LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation> DATE &amp; HEURE LOC.  EL   AZ   DIST.   ALTIT  LAT  LONG  PHAx  DEP RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="150"/>
        <source>Take note : UTC time !</source>
        <translation>Attention : heure UTC !</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="163"/>
        <location filename="../../prediction/panel_explorer.cpp" line="230"/>
        <source>(* = satellite in eclipse)</source>
        <translation>(* = satellite en éclipse)</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="170"/>
        <source>Satellite is visible</source>
        <translation>Le satellite est visible</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="170"/>
        <source>Satellite is currently not visible</source>
        <translation>Le satellite n&apos;est pas visible actuellement</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="198"/>
        <source>Epoch (DD/MM/YY): </source>
        <translation>Epoque (JJ/MM/AA): </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="200"/>
        <source>Epoch (NASA): </source>
        <translation>Epoque (NASA): </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>Inclination : </source>
        <translation>Inclinaison : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>R.A.A.N. : </source>
        <translation>A.D.N.A. : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>Eccentricity : </source>
        <translation>Excentricité : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Argument of perigee : </source>
        <translation>Argument du périgée : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Mean anomaly : </source>
        <translation>Anomalie moyenne : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Mean motion : </source>
        <translation>Moyen mouvement : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="203"/>
        <source>Mean motion drift : </source>
        <translation>Dérive du moyen mouvement : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="203"/>
        <source>Reference orbit number : </source>
        <translation>Numéro d&apos;orbite de référence : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="141"/>
        <source>Save data pass to file</source>
        <translation>Enregistrer les données du passage</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="144"/>
        <source>Text (*.txt)</source>
        <translation>Texte (*.txt)</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="162"/>
        <source>Can&apos;t write the file </source>
        <translation>Impossible d&apos;écrire le fichier </translation>
    </message>
</context>
<context>
    <name>prediction::TForm24H</name>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="151"/>
        <source>ORVANE - 24 HOUR TIMETABLE</source>
        <translation>ORVANE - VISIBILITES sur 24 HEURES</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="153"/>
        <source>To print the 24H timetable</source>
        <translation>Imprimer les visibilités sur 24h</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="152"/>
        <source>PRINT</source>
        <translation>IMPRIMER</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="197"/>
        <source>Too many passes: this row stops at the limit of the pass history</source>
        <translation>Trop de passages : cette ligne s&apos;arrête à la limite de l&apos;historique</translation>
    </message>
</context>
<context>
    <name>prediction::TFormDate</name>
    <message>
        <location filename="../../prediction/form_date.cpp" line="98"/>
        <source>STARTING DATE</source>
        <translation>DATE DE DEPART</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="99"/>
        <source>Current date</source>
        <translation>Date courante</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="100"/>
        <source>This date :</source>
        <translation>Cette date :</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="101"/>
        <source>LOCAL    DD/MMM/YYYY    HH:MN</source>
        <translation>LOCAL    JJ/MMM/AAAA    HH:MN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="101"/>
        <source> UTC     DD/MMM/YYYY    HH:MN</source>
        <translation> UTC     JJ/MMM/AAAA    HH:MN</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPRINT</name>
    <message>
        <location filename="../../prediction/form_print.cpp" line="159"/>
        <location filename="../../prediction/form_print.cpp" line="163"/>
        <source>PRINT</source>
        <translation>IMPRIMER</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="160"/>
        <source>The number of lines to print is </source>
        <translation>Le nombre de lignes à imprimer est </translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="161"/>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="162"/>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="164"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="165"/>
        <source>Print every </source>
        <translation>Imprimer toutes les </translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="166"/>
        <source>Minute(s)</source>
        <translation>Minute(s)</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="167"/>
        <source>until</source>
        <translation>jusqu&apos;à</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="168"/>
        <source>Print from</source>
        <translation>Imprimer de</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="169"/>
        <source>DD/MMM/YYYY     HH:MN</source>
        <translation>JJ/MMM/AAAA     HH:MN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="265"/>
        <source>Starting or ending time is not set !</source>
        <translation>date début ou fin incomplète !</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="267"/>
        <source>Nothing to print ! Verify starting or ending date and time.</source>
        <translation>Rien à imprimer ! Vérifiez les dates début et fin.</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="269"/>
        <source>Starting time is out of pass !</source>
        <translation>Date début hors visibilité !</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="270"/>
        <source>Ending time is out of pass !</source>
        <translation>Date fin hors visibilité !</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24H</name>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="100"/>
        <source>PRINT 24H</source>
        <translation>IMPRIMER 24H</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="101"/>
        <source>PRINT</source>
        <translation>IMPRIMER</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="102"/>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="103"/>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="104"/>
        <source>Preview</source>
        <translation>Visualiser</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="105"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24HPreview</name>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="37"/>
        <source>PRINT 24H - PREVIEW</source>
        <translation>IMPRIMER 24H - VISU</translation>
    </message>
</context>
</TS>
