<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Rotator</name>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="43"/>
        <source> error</source>
        <translation> error</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="47"/>
        <source>ARSWIN must be running !</source>
        <translation>¡ ARSWIN debe estar en marcha !</translation>
    </message>
</context>
<context>
    <name>Tracking</name>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="103"/>
        <source>Start tracking</source>
        <translation>Iniciar seguimiento</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="108"/>
        <source>Overlap 180 - 270°</source>
        <translation>Solape 180 - 270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="109"/>
        <source>Overlap 360 - 450°</source>
        <translation>Solape 360 - 450°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="111"/>
        <source>Overlap 180-270°</source>
        <translation>Solape 180-270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="112"/>
        <source>Overlap 360-450°</source>
        <translation>Solape 360-450°</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="146"/>
        <source>Satellite is visible</source>
        <translation>El satélite es visible</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="147"/>
        <source>Satellite is currently not visible</source>
        <translation>El satélite no es visible ahora</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_controller.cpp" line="14"/>
        <source>  Elevation      Azimuth</source>
        <translation>  Elevación      Azimut</translation>
    </message>
</context>
<context>
    <name>tracking::PageControlAntenne</name>
    <message>
        <location filename="../../tracking/page_control_antenne.cpp" line="21"/>
        <source>Can&apos;t find Movenow.com in the relevant directory. Please check the path.</source>
        <translation>No se encuentra Movenow.com en el directorio indicado. Compruebe la ruta.</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="231"/>
        <source>Stop</source>
        <translation>Tope</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="232"/>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="234"/>
        <source>x0.1° Min step</source>
        <translation>x0.1° Paso mín</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="236"/>
        <source>x0.01° Min step</source>
        <translation>x0.01° Paso mín</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="238"/>
        <source>Min step</source>
        <translation>Paso mín</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="242"/>
        <source>Azimuth offset</source>
        <translation>Desvío de azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="244"/>
        <source>Elevation offset</source>
        <translation>Desvío de elevación</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="246"/>
        <source>Parking position</source>
        <translation>Posición de aparcamiento</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="248"/>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="249"/>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="250"/>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="252"/>
        <source>Check to quit in Host mode</source>
        <translation>Marcar para salir en modo Host</translation>
    </message>
</context>
<context>
    <name>tracking::TFormAlarm</name>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="13"/>
        <source>Tracking has been stopped on a 360° azimuth step. Nevertheless, do you want to resume tracking ?</source>
        <translation>El seguimiento se ha parado en el paso de 360º. De todas formas, ¿quiere reiniciar el seguimiento?</translation>
    </message>
    <message>
        <location filename="../../tracking/form_alarm.cpp" line="27"/>
        <location filename="../../tracking/form_alarm.cpp" line="48"/>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Parar el seguimiento en un paso de 360° de azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_options.cpp" line="42"/>
        <source>Resume tracking when pass ends</source>
        <translation>Reanudar el seguimiento al final del paso</translation>
    </message>
</context>
</TS>
