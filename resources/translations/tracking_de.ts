<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Rotator</name>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="43"/>
        <source> error</source>
        <translation> Fehler</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="47"/>
        <source>ARSWIN must be running !</source>
        <translation>ARSWIN muss laufen !</translation>
    </message>
</context>
<context>
    <name>Tracking</name>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="103"/>
        <source>Start tracking</source>
        <translation>Steuerung starten</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="108"/>
        <source>Overlap 180 - 270°</source>
        <translation>Überlappung 180 - 270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="109"/>
        <source>Overlap 360 - 450°</source>
        <translation>Überlappung 360 - 450°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="111"/>
        <source>Overlap 180-270°</source>
        <translation>Überlappung 180-270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="112"/>
        <source>Overlap 360-450°</source>
        <translation>Überlappung 360-450°</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="146"/>
        <source>Satellite is visible</source>
        <translation>Satellit ist sichtbar</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="147"/>
        <source>Satellite is currently not visible</source>
        <translation>Satellit ist zur Zeit nicht sichtbar</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_controller.cpp" line="14"/>
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
        <location filename="../../tracking/page_control_antenne_build.cpp" line="231"/>
        <source>Stop</source>
        <translation>Anschlag</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="232"/>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="234"/>
        <source>x0.1° Min step</source>
        <translation>x0.1° Min. Schritt</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="236"/>
        <source>x0.01° Min step</source>
        <translation>x0.01° Min. Schritt</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="238"/>
        <source>Min step</source>
        <translation>Min. Schritt</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="242"/>
        <source>Azimuth offset</source>
        <translation>Azimut-Versatz</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="244"/>
        <source>Elevation offset</source>
        <translation>Elevations-Versatz</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="246"/>
        <source>Parking position</source>
        <translation>Parkposition</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="248"/>
        <source>Use %1</source>
        <translation>%1 verwenden</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="249"/>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="250"/>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="252"/>
        <source>Check to quit in Host mode</source>
        <translation>Ankreuzen, um im Host-Modus zu beenden</translation>
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
