<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>prediction::TFormPRINT</name>
    <message>
        <source>PRINT</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <source>The number of lines to print is </source>
        <translation>Anzahl der zu druckenden Zeilen: </translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Print every </source>
        <translation>Drucken jede </translation>
    </message>
    <message>
        <source>Minute(s)</source>
        <translation>Minute(n)</translation>
    </message>
    <message>
        <source>until</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Print from</source>
        <translation>Drucken ab</translation>
    </message>
    <message>
        <source>DD/MMM/YYYY     HH:MN</source>
        <translation>DD/MMM/JJJJ     HH:MN</translation>
    </message>
    <message>
        <source>Starting or ending time is not set !</source>
        <translation>Anfangsdatum oder Endesdatum ist abwesend !</translation>
    </message>
    <message>
        <source>Nothing to print ! Verify starting or ending date and time.</source>
        <translation>Nichts zu drucken ! Bitte überprüfen Sie Anfangdatum oder Endedatum.</translation>
    </message>
    <message>
        <source>Starting time is out of pass !</source>
        <translation>Anfangsdatum is ausserhalb von Sichtbarkeit !</translation>
    </message>
    <message>
        <source>Ending time is out of pass !</source>
        <translation>Endesdatum ist ausserhalb von Sichbarkeit !</translation>
    </message>
</context>
<context>
    <name>prediction::TForm24H</name>
    <message>
        <source>ORVANE - 24 HOUR TIMETABLE</source>
        <translation>ORVANE - 24 STUNDEPLAN</translation>
    </message>
    <message>
        <source>To print the 24H timetable</source>
        <translation>Um den 24-Stundeplan zu drucken</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <source>Too many passes: this row stops at the limit of the pass history</source>
        <translation>Zu viele Überflüge: diese Zeile endet an der Grenze der Verlaufsliste</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24H</name>
    <message>
        <source>PRINT 24H</source>
        <translation>DRUCKEN 24H</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Darstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24HPreview</name>
    <message>
        <source>PRINT 24H - PREVIEW</source>
        <translation>DRUCKEN 24H - DARSTELLEN</translation>
    </message>
</context>
<context>
    <name>prediction::TFormDate</name>
    <message>
        <source>STARTING DATE</source>
        <translation>STARTDATUM</translation>
    </message>
    <message>
        <source>Current date</source>
        <translation>Aktuelles Datum</translation>
    </message>
    <message>
        <source>This date :</source>
        <translation>Dieses Datum :</translation>
    </message>
    <message>
        <source>LOCAL    DD/MMM/YYYY    HH:MN</source>
        <translation>LOKAL    DD/MMM/JJJJ    HH:MN</translation>
    </message>
    <message>
        <source> UTC     DD/MMM/YYYY    HH:MN</source>
        <translation> UTC     DD/MMM/JJJJ    HH:MN</translation>
    </message>
</context>
<context>
    <name>prediction::PanelExplorer</name>
    <message>
        <source>To display next visibility</source>
        <translation>Nächste Sichtbarkeit anzeigen</translation>
    </message>
    <message>
        <source>To display previous visibility</source>
        <translation>Vorherige Sichtbarkeit anzeigen</translation>
    </message>
    <message>
        <source>Back to first visibility</source>
        <translation>Zurück zur ersten Sichtbarkeit</translation>
    </message>
    <message>
        <source>To set or clear tracking line</source>
        <translation>Verfolgungszeile ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>To close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Take note : LOCAL time !</source>
        <translation>Achtung : LOKALE Zeit !</translation>
    </message>
    <message>
        <source>Take note : UTC time !</source>
        <translation>Achtung : UTC Zeit !</translation>
    </message>
    <message>
        <source>(* = satellite in eclipse)</source>
        <translation>(* = Satellit im Schatten)</translation>
    </message>
    <message>
        <source>Satellite is visible</source>
        <translation>Satellit ist sichtbar</translation>
    </message>
    <message>
        <source>Satellite is currently not visible</source>
        <translation>Satellit ist zur Zeit nicht sichtbar</translation>
    </message>
    <message>
        <source>Epoch (DD/MM/YY): </source>
        <translation>Epoche (TT/MM/JJ): </translation>
    </message>
    <message>
        <source>Epoch (NASA): </source>
        <translation>Epoche (NASA): </translation>
    </message>
    <message>
        <source>Inclination : </source>
        <translation>Inklination : </translation>
    </message>
    <message>
        <source>R.A.A.N. : </source>
        <translation>R.A.A.K. : </translation>
    </message>
    <message>
        <source>Eccentricity : </source>
        <translation>Exzentrizität : </translation>
    </message>
    <message>
        <source>Argument of perigee : </source>
        <translation>Argument des Perigäums : </translation>
    </message>
    <message>
        <source>Mean anomaly : </source>
        <translation>Mittlere Anomalie : </translation>
    </message>
    <message>
        <source>Mean motion : </source>
        <translation>Mittlere Bewegung : </translation>
    </message>
    <message>
        <source>Mean motion drift : </source>
        <translation>Drift der mittleren Bewegung : </translation>
    </message>
    <message>
        <source>Reference orbit number : </source>
        <translation>Referenz-Umlaufnummer : </translation>
    </message>
    <message>
        <source>Save data pass to file</source>
        <translation>Überflugdaten speichern</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Can't write the file </source>
        <translation>Datei kann nicht geschrieben werden: </translation>
    </message>
</context>
</TS>
