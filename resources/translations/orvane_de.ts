<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Messages</name>
    <message>
        <location filename="../../app/languages.cpp" line="132"/>
        <source>Can&apos;t create Orvane.ini</source>
        <translation>Orvane.ini kann nicht erstellt werden</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="133"/>
        <location filename="../../app/languages.cpp" line="178"/>
        <source>Can&apos;t open the satellite data file</source>
        <translation>Die Satellitendatei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="138"/>
        <location filename="../../app/languages.cpp" line="185"/>
        <source>The 3-line file is limited to 1000 satellites<byte value="xd"/>
 Please split this or choose a shorter file</source>
        <translation>Die 3-Zeilen-Datei ist auf 1000 Satelliten begrenzt<byte value="xd"/>
 Bitte teilen Sie sie auf oder wählen Sie eine kürzere Datei</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="145"/>
        <source>Enter your locator or lattitude+longitude, please ...</source>
        <translation>Bitte geben Sie Ihren Locator oder Breite+Länge ein ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="149"/>
        <source>Enter your altitude please ...</source>
        <translation>Bitte geben Sie Ihre Höhe ein ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="152"/>
        <source>Enter your local time difference with UTC please...</source>
        <translation>Bitte geben Sie die Differenz Ihrer Ortszeit zu UTC ein...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="156"/>
        <source>Enter 3-line file path and name please...</source>
        <translation>Bitte geben Sie Pfad und Namen der 3-Zeilen-Datei ein...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="159"/>
        <source>Choose 1 to %1 satellites please...</source>
        <translation>Bitte wählen Sie 1 bis %1 Satelliten...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="162"/>
        <source>%1 satellites maximum please ...</source>
        <translation>Höchstens %1 Satelliten, bitte ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="165"/>
        <source>Local time has changed ! Please update time lag between local time/UTC.</source>
        <translation>Die Ortszeit hat sich geändert! Bitte passen Sie die Differenz Ortszeit/UTC an.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="169"/>
        <source>You quit ORVANE ! Are you sure ?</source>
        <translation>Sie beenden ORVANE! Sind Sie sicher?</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="172"/>
        <source>A DDE conversation is in progress ! Please close the client conversation before quitting !</source>
        <translation>Eine DDE-Konversation ist geöffnet ! Bitte, beenden Sie die Client-Konversation bevor verlassung !</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="181"/>
        <source>One or more satellites are missing in your Two-Line-Elements file</source>
        <translation>Ein oder mehrere Satelliten fehlen in Ihrer Bahnelemente-Datei</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="191"/>
        <source>Satellite visibility</source>
        <translation>Satellitensichtbarkeit</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="207"/>
        <source>The texts of this language could not be loaded. The language stays unchanged.</source>
        <translation>Die Texte dieser Sprache konnten nicht geladen werden. Die Sprache bleibt unverändert.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="134"/>
        <source>larger than %1 MB</source>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="135"/>
        <source>Orvane.ini could not be read at start and is kept as it is. The settings of this session are saved in Orvane.ini.new.</source>
        <translation>Orvane.ini konnte beim Start nicht gelesen werden und bleibt unverändert. Die Einstellungen dieser Sitzung werden in Orvane.ini.new gespeichert.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="195"/>
        <source>Orvane.ini could not be read: %1</source>
        <translation>Orvane.ini konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="199"/>
        <source>Can&apos;t create Orvane.dat</source>
        <translation>Orvane.dat kann nicht erstellt werden</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="203"/>
        <source>Erreur/Error Orvane.nfo</source>
        <translation>Fehler Orvane.nfo</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <location filename="../../app/form1_groups.cpp" line="174"/>
        <source>The element file %1 cannot be read from line %2 on</source>
        <translation>Die Elementdatei %1 ist ab Zeile %2 nicht lesbar</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="245"/>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2-Zeilen, Text (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="246"/>
        <source>All/Tous (*)</source>
        <translation>Alle (*)</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="246"/>
        <source>OMM elements (*.csv *.xml *.json)</source>
        <translation>OMM-Elemente (*.csv *.xml *.json)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="171"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="172"/>
        <source>&amp;Rename satellites</source>
        <translation>Satelliten &amp;umbenennen</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="173"/>
        <source>&amp;Save data pass to file</source>
        <translation>Überflug in Datei &amp;speichern</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="174"/>
        <source>Don&apos;t control checksums of the TLE files</source>
        <translation>Prüfsummen der TLE-Dateien nicht kontrollieren</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="175"/>
        <source>Don&apos;t confirm when quitting</source>
        <translation>Beim Beenden nicht nachfragen</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="176"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="177"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="178"/>
        <source>&amp;Group</source>
        <translation>&amp;Gruppe</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="179"/>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="180"/>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="181"/>
        <source>AZ Beam</source>
        <translation>AZ-Richtung</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="182"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="183"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="184"/>
        <source>Starting &amp;Date</source>
        <translation>&amp;Startdatum</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="185"/>
        <source>Display &amp;UTC</source>
        <translation>&amp;UTC anzeigen</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="186"/>
        <source>Display current time in 24-hour format</source>
        <translation>Aktuelle Uhrzeit im 24-Stunden-Format anzeigen</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="187"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="188"/>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="189"/>
        <source>&amp;Reduced</source>
        <translation>&amp;Verkleinert</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="190"/>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="191"/>
        <source>Getting started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="192"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="193"/>
        <source>&amp;About Orvane</source>
        <translation>Ü&amp;ber Orvane</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="194"/>
        <source>Check for a new release when opening the program.</source>
        <translation>Beim Programmstart nach einer neuen Version suchen.</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="196"/>
        <source>INITIALIZATION</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="197"/>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="198"/>
        <source>QRA locator</source>
        <translation>QRA-Locator</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="199"/>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="200"/>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="201"/>
        <source>Altitude (m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="202"/>
        <source>Local time - UTC (h)</source>
        <translation>Ortszeit - UTC (h)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="203"/>
        <source>Locator form : AR09AX</source>
        <translation>Locator-Format: AR09AX</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="204"/>
        <location filename="../../app/form1_menus.cpp" line="205"/>
        <source>Form : 45.123456789</source>
        <translation>Format: 45.123456789</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="206"/>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Grad, Minuten, Sekunden in Dezimalgrad</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="207"/>
        <source>Satellite groups</source>
        <translation>Satellitengruppen</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="208"/>
        <source>BROWSE</source>
        <translation>DURCHSUCHEN</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="209"/>
        <source>Group name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="210"/>
        <source>to change group name</source>
        <translation>zum Ändern des Gruppennamens</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="211"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="212"/>
        <source>to reset the group</source>
        <translation>zum Zurücksetzen der Gruppe</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="213"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="214"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="215"/>
        <source>Red satellites out of work</source>
        <translation>Rote Satelliten außer Betrieb</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="216"/>
        <location filename="../../app/form1_tracking.cpp" line="190"/>
        <source>Antenna interface</source>
        <translation>Antennensteuerung</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="217"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="218"/>
        <source>Minimum elevation (degrees)</source>
        <translation>Minimale Elevation (Grad)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="219"/>
        <source>Sound alarm when a satellite rises</source>
        <translation>Tonsignal beim Aufgang eines Satelliten</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="220"/>
        <source>Alarm length (seconds)</source>
        <translation>Alarmdauer (Sekunden)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="221"/>
        <source>Warning before the satellite rises</source>
        <translation>Vorwarnung vor dem Aufgang des Satelliten</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="222"/>
        <source>Warning time (minutes)</source>
        <translation>Vorwarnzeit (Minuten)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="223"/>
        <source>EXPLORE</source>
        <translation>ERKUNDEN</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="224"/>
        <source>SATELLITE  : IN    FOR</source>
        <translation>SATELLIT   :IN    DAUER</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="225"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="226"/>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="184"/>
        <location filename="../../app/form1_passes.cpp" line="119"/>
        <source>The elements of %1 are damaged in your Two-Line-Elements file</source>
        <translation>Die Bahnelemente von %1 sind in Ihrer Bahnelemente-Datei beschädigt</translation>
    </message>
    <message>
        <location filename="../../app/form1_station.cpp" line="68"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Dezimalzahl</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="189"/>
        <source>ANT</source>
        <translation>ANT</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="191"/>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="192"/>
        <source>Doppler</source>
        <translation>Doppler</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="193"/>
        <source>RX Doppler (Hz)</source>
        <translation>Doppler RX (Hz)</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="194"/>
        <source>TX Doppler (Hz)</source>
        <translation>Doppler TX (Hz)</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="195"/>
        <source>TRACK</source>
        <translation>NACHFÜHREN</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="196"/>
        <source>PARK</source>
        <translation>PARKEN</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="197"/>
        <source>Antennas to their parking position</source>
        <translation>Antennen in die Parkposition</translation>
    </message>
    <message>
        <location filename="../../app/form1_server.cpp" line="101"/>
        <source>TCPIP</source>
        <translation>TCPIP</translation>
    </message>
    <message>
        <location filename="../../app/form1_radio.cpp" line="86"/>
        <source>Radio modes and antenna of the satellite</source>
        <translation>Funkmodi und Antenne des Satelliten</translation>
    </message>
    <message>
        <location filename="../../app/form1_radio.cpp" line="87"/>
        <source>Your notes about the satellite</source>
        <translation>Ihre Notizen zum Satelliten</translation>
    </message>
    <message>
        <location filename="../../app/form1_window_size.cpp" line="66"/>
        <source>Click here to resize window</source>
        <translation>Hier klicken, um die Fenstergröße zu ändern</translation>
    </message>
    <message>
        <location filename="../../app/form1_window_size.cpp" line="67"/>
        <source>24 hour schedule</source>
        <translation>24-Stunden-Plan</translation>
    </message>
    <message>
        <location filename="../../app/form1_window_size.cpp" line="68"/>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
</context>
<context>
    <name>app::TFormDialog</name>
    <message>
        <location filename="../../app/form_dialog.cpp" line="43"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../../app/form_dialog.cpp" line="44"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>app::TFormRename</name>
    <message>
        <location filename="../../app/form_rename.cpp" line="45"/>
        <source>ORVANE - Rename Satellites</source>
        <translation>ORVANE - Satelliten umbenennen</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="46"/>
        <source>Old name or NORAD number</source>
        <translation>Alter Name oder NORAD-Nummer</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="46"/>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="47"/>
        <source>It is recommanded to use the NORAD satellite number as reference</source>
        <translation>Es wird empfohlen, die NORAD-Nummer des Satelliten als Bezug zu verwenden</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="48"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="49"/>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
</context>
</TS>
