<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Messages</name>
    <message>
        <source>Can't create Orvane.ini</source>
        <translation>Orvane.ini kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Can't open the satellite data file</source>
        <translation>Die Satellitendatei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The 3-line file is limited to 1000 satellites<byte value="xd" />
 Please split this or choose a shorter file</source>
        <translation>Die 3-Zeilen-Datei ist auf 1000 Satelliten begrenzt<byte value="xd" />
 Bitte teilen Sie sie auf oder wählen Sie eine kürzere Datei</translation>
    </message>
    <message>
        <source>Enter your locator or lattitude+longitude, please ...</source>
        <translation>Bitte geben Sie Ihren Locator oder Breite+Länge ein ...</translation>
    </message>
    <message>
        <source>Enter your altitude please ...</source>
        <translation>Bitte geben Sie Ihre Höhe ein ...</translation>
    </message>
    <message>
        <source>Enter your local time difference with UTC please...</source>
        <translation>Bitte geben Sie die Differenz Ihrer Ortszeit zu UTC ein...</translation>
    </message>
    <message>
        <source>Enter 3-line file path and name please...</source>
        <translation>Bitte geben Sie Pfad und Namen der 3-Zeilen-Datei ein...</translation>
    </message>
    <message>
        <source>Choose 1 to %1 satellites please...</source>
        <translation>Bitte wählen Sie 1 bis %1 Satelliten...</translation>
    </message>
    <message>
        <source>%1 satellites maximum please ...</source>
        <translation>Höchstens %1 Satelliten, bitte ...</translation>
    </message>
    <message>
        <source>Local time has changed ! Please update time lag between local time/UTC.</source>
        <translation>Die Ortszeit hat sich geändert! Bitte passen Sie die Differenz Ortszeit/UTC an.</translation>
    </message>
    <message>
        <source>You quit ORVANE ! Are you sure ?</source>
        <translation>Sie beenden ORVANE! Sind Sie sicher?</translation>
    </message>
    <message>
        <source>A DDE conversation is in progress ! Please close the client conversation before quitting !</source>
        <translation>Eine DDE-Verbindung ist aktiv! Bitte beenden Sie die Verbindung des Clients vor dem Beenden!</translation>
    </message>
    <message>
        <source>One or more satellites are missing in your Two-Line-Elements file</source>
        <translation>Ein oder mehrere Satelliten fehlen in Ihrer Bahnelemente-Datei</translation>
    </message>
    <message>
        <source>Satellite visibility</source>
        <translation>Satellitensichtbarkeit</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2-Zeilen, Text (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <source>All/Tous (*)</source>
        <translation>Alle (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Rename satellites</source>
        <translation>Satelliten &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;Save data pass to file</source>
        <translation>Überflug in Datei &amp;speichern</translation>
    </message>
    <message>
        <source>Don't control checksums of the TLE files</source>
        <translation>Prüfsummen der TLE-Dateien nicht kontrollieren</translation>
    </message>
    <message>
        <source>Don't confirm when quitting</source>
        <translation>Beim Beenden nicht nachfragen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Gruppe</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>AZ Beam</source>
        <translation>AZ-Richtung</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Starting &amp;Date</source>
        <translation>&amp;Startdatum</translation>
    </message>
    <message>
        <source>Display &amp;UTC</source>
        <translation>&amp;UTC anzeigen</translation>
    </message>
    <message>
        <source>Display current time in 24-hour format</source>
        <translation>Aktuelle Uhrzeit im 24-Stunden-Format anzeigen</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Reduced</source>
        <translation>&amp;Verkleinert</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>Ü&amp;ber Orvane</translation>
    </message>
    <message>
        <source>Check for a new release when opening the program.</source>
        <translation>Beim Programmstart nach einer neuen Version suchen.</translation>
    </message>
    <message>
        <source>INITIALIZATION</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>QRA locator</source>
        <translation>QRA-Locator</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <source>Local time - UTC (h)</source>
        <translation>Ortszeit - UTC (h)</translation>
    </message>
    <message>
        <source>Locator form : AR09AX</source>
        <translation>Locator-Format: AR09AX</translation>
    </message>
    <message>
        <source>Form : 45.123456789</source>
        <translation>Format: 45.123456789</translation>
    </message>
    <message>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Grad, Minuten, Sekunden in Dezimalgrad</translation>
    </message>
    <message>
        <source>Satellite groups</source>
        <translation>Satellitengruppen</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>DURCHSUCHEN</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>to change group name</source>
        <translation>zum Ändern des Gruppennamens</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>to reset the group</source>
        <translation>zum Zurücksetzen der Gruppe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Red satellites out of work</source>
        <translation>Rote Satelliten außer Betrieb</translation>
    </message>
    <message>
        <source>Antenna interface</source>
        <translation>Antennensteuerung</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Minimum elevation (degrees)</source>
        <translation>Minimale Elevation (Grad)</translation>
    </message>
    <message>
        <source>Sound alarm when a satellite rises</source>
        <translation>Tonsignal beim Aufgang eines Satelliten</translation>
    </message>
    <message>
        <source>Alarm length (seconds)</source>
        <translation>Alarmdauer (Sekunden)</translation>
    </message>
    <message>
        <source>Warning before the satellite rises</source>
        <translation>Vorwarnung vor dem Aufgang des Satelliten</translation>
    </message>
    <message>
        <source>Warning time (minutes)</source>
        <translation>Vorwarnzeit (Minuten)</translation>
    </message>
    <message>
        <source>EXPLORE</source>
        <translation>ERKUNDEN</translation>
    </message>
    <message>
        <source>SATELLITE  : IN    FOR</source>
        <translation>SATELLIT   :IN    DAUER</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>The elements of %1 are damaged in your Two-Line-Elements file</source>
        <translation>Die Bahnelemente von %1 sind in Ihrer Bahnelemente-Datei beschädigt</translation>
    </message>
    <message>
        <source>'%1' is not a valid floating point value</source>
        <translation>'%1' ist keine gültige Dezimalzahl</translation>
    </message>
</context>
<context>
    <name>app::TFormDialog</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>app::TFormRename</name>
    <message>
        <source>ORVANE - Rename Satellites</source>
        <translation>ORVANE - Satelliten umbenennen</translation>
    </message>
    <message>
        <source>Old name or NORAD number</source>
        <translation>Alter Name oder NORAD-Nummer</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>It is recommanded to use the NORAD satellite number as reference</source>
        <translation>Es wird empfohlen, die NORAD-Nummer des Satelliten als Bezug zu verwenden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
</context>
</TS>