<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>PrinterPort</name>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="69"/>
        <source>Printer port access is not granted.<byte value="xd"/>
It is mandatory when controling an LPT port.<byte value="xd"/>
Please allow your user to open /dev/parport0 (group lp)<byte value="xd"/>
and restart ORVANE.</source>
        <translation>Der Zugriff auf den Druckerport ist nicht erlaubt.<byte value="xd"/>
Er ist für die Steuerung eines LPT-Ports erforderlich.<byte value="xd"/>
Bitte erlauben Sie Ihrem Benutzer, /dev/parport0 zu öffnen (Gruppe lp),<byte value="xd"/>
und starten Sie ORVANE neu.</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="76"/>
        <source>Enter a VALID address as a 4 hexadecimal character string.<byte value="xd"/>
This address must be associated to an existing LPT port.<byte value="xd"/>
A non-valid address may generate a system error!<byte value="xd"/>
</source>
        <translation>Geben Sie eine GÜLTIGE Adresse aus 4 hexadezimalen Zeichen ein.<byte value="xd"/>
Diese Adresse muss zu einem vorhandenen LPT-Port gehören.<byte value="xd"/>
Eine ungültige Adresse kann einen Systemfehler verursachen!<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="81"/>
        <source>Detected LPT ports:<byte value="xd"/>
</source>
        <translation>Erkannte LPT-Ports:<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="88"/>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
</context>
<context>
    <name>RadioData</name>
    <message>
        <location filename="../../tracking/radio_data_file.cpp" line="140"/>
        <source>Can&apos;t create Orvane.dat</source>
        <translation>Orvane.dat kann nicht erstellt werden</translation>
    </message>
    <message>
        <location filename="../../tracking/radio_data_file.cpp" line="144"/>
        <source>Erreur/Error Orvane.nfo</source>
        <translation>Erreur/Error Orvane.nfo</translation>
    </message>
</context>
<context>
    <name>Rotator</name>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="50"/>
        <source> error</source>
        <translation> Fehler</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="63"/>
        <source>ARSWIN must be running !</source>
        <translation>ARSWIN muss laufen !</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="54"/>
        <source>Target out of range: nothing sent</source>
        <translation>Ziel außerhalb des Bereichs: nichts gesendet</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="28"/>
        <source>rotctld %1 error (%2)</source>
        <translation>rotctld %1 Fehler (%2)</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="38"/>
        <source>connection closed</source>
        <translation>Verbindung getrennt</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="64"/>
        <source>bad port</source>
        <translation>ungültiger Port</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="154"/>
        <source>no reply within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <location filename="../../tracking/rigctld_tuner.cpp" line="32"/>
        <source>rigctld %1 error (%2)</source>
        <translation>rigctld %1 Fehler (%2)</translation>
    </message>
    <message>
        <location filename="../../tracking/pass_commands.cpp" line="113"/>
        <source>Command could not be started: %1 (%2)</source>
        <translation>Befehl konnte nicht gestartet werden: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TFormExtraInfo</name>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="172"/>
        <source>Only one character for mode !</source>
        <translation>Nur ein Zeichen für den Modus !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="173"/>
        <source>No &quot;/&quot; please !</source>
        <translation>Bitte kein &quot;/&quot; !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="174"/>
        <source>Enter one character for mode, please !</source>
        <translation>Bitte ein Zeichen für den Modus eingeben !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="175"/>
        <source>Incorrect frequency !</source>
        <translation>Falsche Frequenz !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="176"/>
        <source>Undefined mode in MA definition !</source>
        <translation>Undefinierter Modus in der MA-Definition !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="177"/>
        <source>Incorrect ALAT !</source>
        <translation>Falscher ALAT-Wert !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="178"/>
        <source>Incorrect ALON !</source>
        <translation>Falscher ALON-Wert !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="179"/>
        <source>Successive MAs must be increasing integers !</source>
        <translation>Aufeinanderfolgende MA müssen steigende ganze Zahlen sein !</translation>
    </message>
</context>
<context>
    <name>Tracking</name>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="69"/>
        <source>Start tracking</source>
        <translation>Steuerung starten</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="74"/>
        <source>Overlap 180 - 270°</source>
        <translation>Überlappung 180 - 270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="75"/>
        <source>Overlap 360 - 450°</source>
        <translation>Überlappung 360 - 450°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="77"/>
        <source>Overlap 180-270°</source>
        <translation>Überlappung 180-270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="78"/>
        <source>Overlap 360-450°</source>
        <translation>Überlappung 360-450°</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="147"/>
        <source>Satellite is visible</source>
        <translation>Satellit ist sichtbar</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="148"/>
        <source>Satellite is currently not visible</source>
        <translation>Satellit ist zur Zeit nicht sichtbar</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_controller.cpp" line="15"/>
        <source>  Elevation      Azimuth</source>
        <translation>  Elevation      Azimut</translation>
    </message>
</context>
<context>
    <name>tracking::PageControlAntenne</name>
    <message>
        <location filename="../../tracking/page_control_antenne.cpp" line="21"/>
        <source>Can&apos;t find Movenow.com in the relevant directory. Please check the path.</source>
        <translation>Movenow.com wurde im angegebenen Verzeichnis nicht gefunden. Bitte den Pfad prüfen.</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="294"/>
        <source>Stop</source>
        <translation>Anschlag</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="295"/>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="297"/>
        <source>x0.1° Min step</source>
        <translation>x0.1° Min. Schritt</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="299"/>
        <source>x0.01° Min step</source>
        <translation>x0.01° Min. Schritt</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="301"/>
        <source>Min step</source>
        <translation>Min. Schritt</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="305"/>
        <source>Azimuth offset</source>
        <translation>Azimut-Versatz</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="307"/>
        <source>Elevation offset</source>
        <translation>Elevations-Versatz</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="309"/>
        <source>Parking position</source>
        <translation>Parkposition</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="311"/>
        <source>Use %1</source>
        <translation>%1 verwenden</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="312"/>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="313"/>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="315"/>
        <source>Check to quit in Host mode</source>
        <translation>Ankreuzen, um im Host-Modus zu beenden</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="320"/>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="323"/>
        <source>Host</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="321"/>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="324"/>
        <source>TCP port</source>
        <translation>TCP-Port</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="322"/>
        <source>Tune the radio through rigctld (Doppler)</source>
        <translation>Funkgerät über rigctld abstimmen (Doppler)</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="325"/>
        <source>Minimum step (Hz)</source>
        <translation>Mindestschritt (Hz)</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="326"/>
        <source>Command at AOS</source>
        <translation>Befehl bei AOS</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="327"/>
        <source>Command at LOS</source>
        <translation>Befehl bei LOS</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="328"/>
        <source>Program and arguments, run without a shell when the satellite rises</source>
        <translation>Programm und Argumente, ohne Shell gestartet, wenn der Satellit aufgeht</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="329"/>
        <source>Program and arguments, run without a shell when the satellite sets</source>
        <translation>Programm und Argumente, ohne Shell gestartet, wenn der Satellit untergeht</translation>
    </message>
</context>
<context>
    <name>tracking::TFormAlarm</name>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="13"/>
        <source>Tracking has been stopped on a 360° azimuth step. Nevertheless, do you want to resume tracking ?</source>
        <translation>Antenne-Steuerung wurde wegen eines 360-Grad-Schritt aufgehört. Trotzdem wollen Sie die Steuerung wieder gestartet werden ?</translation>
    </message>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="27"/>
        <location filename="../../tracking/form_alarm.cpp" line="48"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="29"/>
        <location filename="../../tracking/form_alarm.cpp" line="49"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>tracking::TFormExtraInfo</name>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="174"/>
        <source>EXTRA INFOS</source>
        <translation>ZUSATZINFOS</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Downlink MHz</source>
        <translation>Downlink MHz</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="176"/>
        <source>D-Ops</source>
        <translation>D-Ops</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="176"/>
        <source>Uplink MHz</source>
        <translation>Uplink MHz</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="176"/>
        <source>U-Ops</source>
        <translation>U-Ops</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="177"/>
        <source>ALAT Satellite antenna [-90..+90]</source>
        <translation>ALAT Satellitenantenne [-90..+90]</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="178"/>
        <source>ALON Satellite antenna [0..360]</source>
        <translation>ALON Satellitenantenne [0..360]</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="179"/>
        <source>====== Starting Mode MA [0..255] ======</source>
        <translation>====== Startmodus MA [0..255] ======</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="180"/>
        <source>Save info</source>
        <translation>Infos speichern</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="181"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="182"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tracking::TFormInfo</name>
    <message>
        <location filename="../../tracking/form_info.cpp" line="35"/>
        <source> Info</source>
        <translation> Info</translation>
    </message>
</context>
<context>
    <name>tracking::TrackingOptions</name>
    <message>
        <location filename="../../tracking/tracking_options.cpp" line="41"/>
        <source>Stop tracking on 360° Azimuth step</source>
        <translation>Steuerung bei einem 360°-Azimutschritt anhalten</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_options.cpp" line="42"/>
        <source>Resume tracking when pass ends</source>
        <translation>Steuerung nach dem Überflug fortsetzen</translation>
    </message>
</context>
</TS>
