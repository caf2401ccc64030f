<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>PrinterPort</name>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="69"/>
        <source>Printer port access is not granted.<byte value="xd"/>
It is mandatory when controling an LPT port.<byte value="xd"/>
Please allow your user to open /dev/parport0 (group lp)<byte value="xd"/>
and restart ORVANE.</source>
        <translation>No se ha concedido el acceso al puerto de impresora.<byte value="xd"/>
Es obligatorio para controlar un puerto LPT.<byte value="xd"/>
Permita a su usuario abrir /dev/parport0 (grupo lp)<byte value="xd"/>
y reinicie ORVANE.</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="76"/>
        <source>Enter a VALID address as a 4 hexadecimal character string.<byte value="xd"/>
This address must be associated to an existing LPT port.<byte value="xd"/>
A non-valid address may generate a system error!<byte value="xd"/>
</source>
        <translation>Introduzca una dirección VÁLIDA como cadena de 4 caracteres hexadecimales.<byte value="xd"/>
Esta dirección debe corresponder a un puerto LPT existente.<byte value="xd"/>
¡Una dirección no válida puede provocar un error del sistema!<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="81"/>
        <source>Detected LPT ports:<byte value="xd"/>
</source>
        <translation>Puertos LPT detectados:<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="88"/>
        <source>NONE</source>
        <translation>NINGUNO</translation>
    </message>
</context>
<context>
    <name>RadioData</name>
    <message>
        <location filename="../../tracking/radio_data_file.cpp" line="140"/>
        <source>Can&apos;t create Orvane.dat</source>
        <translation>No se puede crear Orvane.dat</translation>
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
        <translation> error</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="63"/>
        <source>ARSWIN must be running !</source>
        <translation>¡ ARSWIN debe estar en marcha !</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="54"/>
        <source>Target out of range: nothing sent</source>
        <translation>Objetivo fuera de rango: nada enviado</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="28"/>
        <source>rotctld %1 error (%2)</source>
        <translation>rotctld %1 error (%2)</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="38"/>
        <source>connection closed</source>
        <translation>conexión cerrada</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="64"/>
        <source>bad port</source>
        <translation>puerto no válido</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="154"/>
        <source>no reply within %1 s</source>
        <translation>sin respuesta en %1 s</translation>
    </message>
    <message>
        <location filename="../../tracking/rigctld_tuner.cpp" line="32"/>
        <source>rigctld %1 error (%2)</source>
        <translation>rigctld %1 error (%2)</translation>
    </message>
    <message>
        <location filename="../../tracking/pass_commands.cpp" line="113"/>
        <source>Command could not be started: %1 (%2)</source>
        <translation>No se pudo iniciar la orden: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TFormExtraInfo</name>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="172"/>
        <source>Only one character for mode !</source>
        <translation>¡Un solo carácter para el modo!</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="173"/>
        <source>No &quot;/&quot; please !</source>
        <translation>¡Sin &quot;/&quot;, por favor!</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="174"/>
        <source>Enter one character for mode, please !</source>
        <translation>¡Introduzca un carácter para el modo, por favor!</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="175"/>
        <source>Incorrect frequency !</source>
        <translation>¡Frecuencia incorrecta!</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="176"/>
        <source>Undefined mode in MA definition !</source>
        <translation>¡Modo no definido en la definición MA!</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="177"/>
        <source>Incorrect ALAT !</source>
        <translation>¡ALAT incorrecto!</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="178"/>
        <source>Incorrect ALON !</source>
        <translation>¡ALON incorrecto!</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="179"/>
        <source>Successive MAs must be increasing integers !</source>
        <translation>¡Los MA sucesivos deben ser enteros crecientes!</translation>
    </message>
</context>
<context>
    <name>Tracking</name>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="69"/>
        <source>Start tracking</source>
        <translation>Iniciar seguimiento</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="74"/>
        <source>Overlap 180 - 270°</source>
        <translation>Solape 180 - 270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="75"/>
        <source>Overlap 360 - 450°</source>
        <translation>Solape 360 - 450°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="77"/>
        <source>Overlap 180-270°</source>
        <translation>Solape 180-270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="78"/>
        <source>Overlap 360-450°</source>
        <translation>Solape 360-450°</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="147"/>
        <source>Satellite is visible</source>
        <translation>El satélite es visible</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="148"/>
        <source>Satellite is currently not visible</source>
        <translation>El satélite no es visible ahora</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_controller.cpp" line="15"/>
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
        <location filename="../../tracking/page_control_antenne_build.cpp" line="294"/>
        <source>Stop</source>
        <translation>Tope</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="295"/>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="297"/>
        <source>x0.1° Min step</source>
        <translation>x0.1° Paso mín</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="299"/>
        <source>x0.01° Min step</source>
        <translation>x0.01° Paso mín</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="301"/>
        <source>Min step</source>
        <translation>Paso mín</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="305"/>
        <source>Azimuth offset</source>
        <translation>Desvío de azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="307"/>
        <source>Elevation offset</source>
        <translation>Desvío de elevación</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="309"/>
        <source>Parking position</source>
        <translation>Posición de aparcamiento</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="311"/>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="312"/>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="313"/>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="315"/>
        <source>Check to quit in Host mode</source>
        <translation>Marcar para salir en modo Host</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="320"/>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="323"/>
        <source>Host</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="321"/>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="324"/>
        <source>TCP port</source>
        <translation>Puerto TCP</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="322"/>
        <source>Tune the radio through rigctld (Doppler)</source>
        <translation>Sintonizar la radio con rigctld (Doppler)</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="325"/>
        <source>Minimum step (Hz)</source>
        <translation>Paso mínimo (Hz)</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="326"/>
        <source>Command at AOS</source>
        <translation>Orden en AOS</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="327"/>
        <source>Command at LOS</source>
        <translation>Orden en LOS</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="328"/>
        <source>Program and arguments, run without a shell when the satellite rises</source>
        <translation>Programa y argumentos, ejecutados sin intérprete cuando sale el satélite</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="329"/>
        <source>Program and arguments, run without a shell when the satellite sets</source>
        <translation>Programa y argumentos, ejecutados sin intérprete cuando se pone el satélite</translation>
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
    <name>tracking::TFormExtraInfo</name>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="174"/>
        <source>EXTRA INFOS</source>
        <translation>INFO EXTRA</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Downlink MHz</source>
        <translation>Bajada MHz</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="176"/>
        <source>D-Ops</source>
        <translation>D-Ops</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="176"/>
        <source>Uplink MHz</source>
        <translation>Subida MHz</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="176"/>
        <source>U-Ops</source>
        <translation>U-Ops</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="177"/>
        <source>ALAT Satellite antenna [-90..+90]</source>
        <translation>ALAT antena del satélite [-90..+90]</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="178"/>
        <source>ALON Satellite antenna [0..360]</source>
        <translation>ALON antena del satélite [0..360]</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="179"/>
        <source>====== Starting Mode MA [0..255] ======</source>
        <translation>====== Modo inicial MA [0..255] ======</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="180"/>
        <source>Save info</source>
        <translation>Guardar info</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="181"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="182"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Parar el seguimiento en un paso de 360° de azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_options.cpp" line="42"/>
        <source>Resume tracking when pass ends</source>
        <translation>Reanudar el seguimiento al final del paso</translation>
    </message>
</context>
</TS>
