<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>prediction::PanelExplorer</name>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="154"/>
        <source>To display next visibility</source>
        <translation>Nächste Sichtbarkeit anzeigen</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="155"/>
        <source>To display previous visibility</source>
        <translation>Vorherige Sichtbarkeit anzeigen</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="156"/>
        <source>Back to first visibility</source>
        <translation>Zurück zur ersten Sichtbarkeit</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="157"/>
        <source>To set or clear tracking line</source>
        <translation>Verfolgungszeile ein- oder ausschalten</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="158"/>
        <location filename="../../prediction/panel_explorer.cpp" line="159"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="160"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="161"/>
        <source>To close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="150"/>
        <source>Take note : LOCAL time !</source>
        <translation>Achtung : LOKALE Zeit !</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="137"/>
        <source>  DATE &amp;&amp;  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation>  DATUM &amp;&amp;  UTC-ZEIT  EL   AZ   ENTF.   HÖHE   LAT  LONG  PHAx  SCH RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="138"/>
        <source>  DATE &amp;&amp; LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation>  DATUM &amp;&amp;  ORTSZEIT  EL   AZ   ENTF.   HÖHE   LAT  LONG  PHAx  SCH RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="144"/>
        <source> DATE &amp;  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation> DATUM &amp;  UTC-ZEIT  EL   AZ   ENTF.   HÖHE   LAT  LONG  PHAx  SCH RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="145"/>
        <source> DATE &amp; LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation> DATUM &amp;  ORTSZEIT  EL   AZ   ENTF.   HÖHE   LAT  LONG  PHAx  SCH RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="150"/>
        <source>Take note : UTC time !</source>
        <translation>Achtung : UTC Zeit !</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="163"/>
        <location filename="../../prediction/panel_explorer.cpp" line="230"/>
        <source>(* = satellite in eclipse)</source>
        <translation>(* = Satellit im Schatten)</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="170"/>
        <source>Satellite is visible</source>
        <translation>Satellit ist sichtbar</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="170"/>
        <source>Satellite is currently not visible</source>
        <translation>Satellit ist zur Zeit nicht sichtbar</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="198"/>
        <source>Epoch (DD/MM/YY): </source>
        <translation>Epoche (TT/MM/JJ): </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="200"/>
        <source>Epoch (NASA): </source>
        <translation>Epoche (NASA): </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>Inclination : </source>
        <translation>Inklination : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>R.A.A.N. : </source>
        <translation>R.A.A.K. : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>Eccentricity : </source>
        <translation>Exzentrizität : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Argument of perigee : </source>
        <translation>Argument des Perigäums : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Mean anomaly : </source>
        <translation>Mittlere Anomalie : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Mean motion : </source>
        <translation>Mittlere Bewegung : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="203"/>
        <source>Mean motion drift : </source>
        <translation>Drift der mittleren Bewegung : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="203"/>
        <source>Reference orbit number : </source>
        <translation>Referenz-Umlaufnummer : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="141"/>
        <source>Save data pass to file</source>
        <translation>Überflugdaten speichern</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="144"/>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="162"/>
        <source>Can&apos;t write the file </source>
        <translation>Datei kann nicht geschrieben werden: </translation>
    </message>
</context>
<context>
    <name>prediction::TForm24H</name>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="151"/>
        <source>ORVANE - 24 HOUR TIMETABLE</source>
        <translation>ORVANE - 24 STUNDEPLAN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="153"/>
        <source>To print the 24H timetable</source>
        <translation>Um den 24-Stundeplan zu drucken</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="152"/>
        <source>PRINT</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="197"/>
        <source>Too many passes: this row stops at the limit of the pass history</source>
        <translation>Zu viele Überflüge: diese Zeile endet an der Grenze der Verlaufsliste</translation>
    </message>
</context>
<context>
    <name>prediction::TFormDate</name>
    <message>
        <location filename="../../prediction/form_date.cpp" line="98"/>
        <source>STARTING DATE</source>
        <translation>STARTDATUM</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="99"/>
        <source>Current date</source>
        <translation>Aktuelles Datum</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="100"/>
        <source>This date :</source>
        <translation>Dieses Datum :</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="101"/>
        <source>LOCAL    DD/MMM/YYYY    HH:MN</source>
        <translation>LOKAL    DD/MMM/JJJJ    HH:MN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="101"/>
        <source> UTC     DD/MMM/YYYY    HH:MN</source>
        <translation> UTC     DD/MMM/JJJJ    HH:MN</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPRINT</name>
    <message>
        <location filename="../../prediction/form_print.cpp" line="159"/>
        <location filename="../../prediction/form_print.cpp" line="163"/>
        <source>PRINT</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="160"/>
        <source>The number of lines to print is </source>
        <translation>Anzahl der zu druckenden Zeilen: </translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="161"/>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="162"/>
        <source>Fonts</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="164"/>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="165"/>
        <source>Print every </source>
        <translation>Drucken jede </translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="166"/>
        <source>Minute(s)</source>
        <translation>Minute(n)</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="167"/>
        <source>until</source>
        <translation>bis</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="168"/>
        <source>Print from</source>
        <translation>Drucken ab</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="169"/>
        <source>DD/MMM/YYYY     HH:MN</source>
        <translation>DD/MMM/JJJJ     HH:MN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="265"/>
        <source>Starting or ending time is not set !</source>
        <translation>Anfangsdatum oder Endesdatum ist abwesend !</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="267"/>
        <source>Nothing to print ! Verify starting or ending date and time.</source>
        <translation>Nichts zu drucken ! Bitte überprüfen Sie Anfangdatum oder Endedatum.</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="269"/>
        <source>Starting time is out of pass !</source>
        <translation>Anfangsdatum is ausserhalb von Sichtbarkeit !</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="270"/>
        <source>Ending time is out of pass !</source>
        <translation>Endesdatum ist ausserhalb von Sichbarkeit !</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24H</name>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="100"/>
        <source>PRINT 24H</source>
        <translation>DRUCKEN 24H</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="101"/>
        <source>PRINT</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="102"/>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="103"/>
        <source>Fonts</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="104"/>
        <source>Preview</source>
        <translation>Darstellen</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="105"/>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24HPreview</name>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="37"/>
        <source>PRINT 24H - PREVIEW</source>
        <translation>DRUCKEN 24H - DARSTELLEN</translation>
    </message>
</context>
</TS>
