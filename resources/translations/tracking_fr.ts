<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Rotator</name>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="43"/>
        <source> error</source>
        <translation> erreur</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="47"/>
        <source>ARSWIN must be running !</source>
        <translation>ARSWIN doit être lancé !</translation>
    </message>
</context>
<context>
    <name>Tracking</name>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="103"/>
        <source>Start tracking</source>
        <translation>Démarrer la poursuite</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="108"/>
        <source>Overlap 180 - 270°</source>
        <translation>Recouvrement 180 - 270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="109"/>
        <source>Overlap 360 - 450°</source>
        <translation>Recouvrement 360 - 450°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="111"/>
        <source>Overlap 180-270°</source>
        <translation>Recouvrement 180-270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="112"/>
        <source>Overlap 360-450°</source>
        <translation>Recouvrement 360-450°</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="146"/>
        <source>Satellite is visible</source>
        <translation>Le satellite est visible</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="147"/>
        <source>Satellite is currently not visible</source>
        <translation>Le satellite n&apos;est pas visible actuellement</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_controller.cpp" line="14"/>
        <source>  Elevation      Azimuth</source>
        <translation>  Elévation      Azimut</translation>
    </message>
</context>
<context>
    <name>tracking::PageControlAntenne</name>
    <message>
        <location filename="../../tracking/page_control_antenne.cpp" line="21"/>
        <source>Can&apos;t find Movenow.com in the relevant directory. Please check the path.</source>
        <translation>Movenow.com introuvable dans le répertoire indiqué. Vérifiez le chemin.</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="231"/>
        <source>Stop</source>
        <translation>Butée</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="232"/>
        <source>Elevation</source>
        <translation>Elévation</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="234"/>
        <source>x0.1° Min step</source>
        <translation>x0.1° Pas min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="236"/>
        <source>x0.01° Min step</source>
        <translation>x0.01° Pas min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="238"/>
        <source>Min step</source>
        <translation>Pas min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="242"/>
        <source>Azimuth offset</source>
        <translation>Décalage azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="244"/>
        <source>Elevation offset</source>
        <translation>Décalage élévation</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="246"/>
        <source>Parking position</source>
        <translation>Position de parking</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="248"/>
        <source>Use %1</source>
        <translation>Utiliser %1</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="249"/>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="250"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="252"/>
        <source>Check to quit in Host mode</source>
        <translation>Cocher pour quitter en mode Host</translation>
    </message>
</context>
<context>
    <name>tracking::TFormAlarm</name>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="13"/>
        <source>Tracking has been stopped on a 360° azimuth step. Nevertheless, do you want to resume tracking ?</source>
        <translation>La poursuite a été arrètée sur un saut d&apos;azimut de 360°. Voulez-vous reprendre la poursuite ?</translation>
    </message>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="27"/>
        <location filename="../../tracking/form_alarm.cpp" line="48"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="29"/>
        <location filename="../../tracking/form_alarm.cpp" line="49"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>tracking::TrackingOptions</name>
    <message>
        <location filename="../../tracking/tracking_options.cpp" line="41"/>
        <source>Stop tracking on 360° Azimuth step</source>
        <translation>Arrêter la poursuite sur un saut d&apos;azimut de 360°</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_options.cpp" line="42"/>
        <source>Resume tracking when pass ends</source>
        <translation>Reprendre la poursuite en fin de passage</translation>
    </message>
</context>
</TS>
