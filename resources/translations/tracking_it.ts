<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Rotator</name>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="43"/>
        <source> error</source>
        <translation> errore</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="47"/>
        <source>ARSWIN must be running !</source>
        <translation>ARSWIN deve essere in esecuzione !</translation>
    </message>
</context>
<context>
    <name>Tracking</name>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="103"/>
        <source>Start tracking</source>
        <translation>Avvia monitoraggio</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="108"/>
        <source>Overlap 180 - 270°</source>
        <translation>Sovrapposizione 180 - 270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="109"/>
        <source>Overlap 360 - 450°</source>
        <translation>Sovrapposizione 360 - 450°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="111"/>
        <source>Overlap 180-270°</source>
        <translation>Sovrapposizione 180-270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="112"/>
        <source>Overlap 360-450°</source>
        <translation>Sovrapposizione 360-450°</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="146"/>
        <source>Satellite is visible</source>
        <translation>Il satellite è visibile</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="147"/>
        <source>Satellite is currently not visible</source>
        <translation>Il satellite non è visibile al momento</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_controller.cpp" line="14"/>
        <source>  Elevation      Azimuth</source>
        <translation>  Elevazione      Azimut</translation>
    </message>
</context>
<context>
    <name>tracking::PageControlAntenne</name>
    <message>
        <location filename="../../tracking/page_control_antenne.cpp" line="21"/>
        <source>Can&apos;t find Movenow.com in the relevant directory. Please check the path.</source>
        <translation>Movenow.com non trovato nella cartella indicata. Controllare il percorso.</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="231"/>
        <source>Stop</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="232"/>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="234"/>
        <source>x0.1° Min step</source>
        <translation>x0.1° Passo min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="236"/>
        <source>x0.01° Min step</source>
        <translation>x0.01° Passo min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="238"/>
        <source>Min step</source>
        <translation>Passo min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="242"/>
        <source>Azimuth offset</source>
        <translation>Scostamento azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="244"/>
        <source>Elevation offset</source>
        <translation>Scostamento elevazione</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="246"/>
        <source>Parking position</source>
        <translation>Posizione di parcheggio</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="248"/>
        <source>Use %1</source>
        <translation>Usa %1</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="249"/>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="250"/>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="252"/>
        <source>Check to quit in Host mode</source>
        <translation>Selezionare per uscire in modo Host</translation>
    </message>
</context>
<context>
    <name>tracking::TFormAlarm</name>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="13"/>
        <source>Tracking has been stopped on a 360° azimuth step. Nevertheless, do you want to resume tracking ?</source>
        <translation>Monitoraggio delle antenne è stato arresto a causa di un salto di 360° in azimut. Tuttavia, non si desidera riavviare il monitoraggio ?</translation>
    </message>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="27"/>
        <location filename="../../tracking/form_alarm.cpp" line="48"/>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="29"/>
        <location filename="../../tracking/form_alarm.cpp" line="49"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>tracking::TrackingOptions</name>
    <message>
        <location filename="../../tracking/tracking_options.cpp" line="41"/>
        <source>Stop tracking on 360° Azimuth step</source>
        <translation>Arresta il monitoraggio su un salto di 360° in azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_options.cpp" line="42"/>
        <source>Resume tracking when pass ends</source>
        <translation>Riprendi il monitoraggio a fine passaggio</translation>
    </message>
</context>
</TS>
