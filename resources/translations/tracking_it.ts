<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>PrinterPort</name>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="69"/>
        <source>Printer port access is not granted.<byte value="xd"/>
It is mandatory when controling an LPT port.<byte value="xd"/>
Please allow your user to open /dev/parport0 (group lp)<byte value="xd"/>
and restart ORVANE.</source>
        <translation>L&apos;accesso alla porta stampante non è concesso.<byte value="xd"/>
È indispensabile per controllare una porta LPT.<byte value="xd"/>
Consentire al proprio utente di aprire /dev/parport0 (gruppo lp)<byte value="xd"/>
e riavviare ORVANE.</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="76"/>
        <source>Enter a VALID address as a 4 hexadecimal character string.<byte value="xd"/>
This address must be associated to an existing LPT port.<byte value="xd"/>
A non-valid address may generate a system error!<byte value="xd"/>
</source>
        <translation>Inserire un indirizzo VALIDO di 4 caratteri esadecimali.<byte value="xd"/>
Questo indirizzo deve corrispondere a una porta LPT esistente.<byte value="xd"/>
Un indirizzo non valido può causare un errore di sistema!<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="81"/>
        <source>Detected LPT ports:<byte value="xd"/>
</source>
        <translation>Porte LPT rilevate:<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="88"/>
        <source>NONE</source>
        <translation>NESSUNA</translation>
    </message>
</context>
<context>
    <name>Rotator</name>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="45"/>
        <source> error</source>
        <translation> errore</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="49"/>
        <source>Target out of range: nothing sent</source>
        <translation>Obiettivo fuori intervallo: niente inviato</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="58"/>
        <source>ARSWIN must be running !</source>
        <translation>ARSWIN deve essere in esecuzione !</translation>
    </message>
</context>
<context>
    <name>Tracking</name>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="68"/>
        <source>Start tracking</source>
        <translation>Avvia monitoraggio</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="73"/>
        <source>Overlap 180 - 270°</source>
        <translation>Sovrapposizione 180 - 270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="74"/>
        <source>Overlap 360 - 450°</source>
        <translation>Sovrapposizione 360 - 450°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="76"/>
        <source>Overlap 180-270°</source>
        <translation>Sovrapposizione 180-270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="77"/>
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
        <location filename="../../tracking/tracking_controller.cpp" line="15"/>
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
        <location filename="../../tracking/page_control_antenne_build.cpp" line="238"/>
        <source>Stop</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="239"/>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="241"/>
        <source>x0.1° Min step</source>
        <translation>x0.1° Passo min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="243"/>
        <source>x0.01° Min step</source>
        <translation>x0.01° Passo min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="245"/>
        <source>Min step</source>
        <translation>Passo min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="249"/>
        <source>Azimuth offset</source>
        <translation>Scostamento azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="251"/>
        <source>Elevation offset</source>
        <translation>Scostamento elevazione</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="253"/>
        <source>Parking position</source>
        <translation>Posizione di parcheggio</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="255"/>
        <source>Use %1</source>
        <translation>Usa %1</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="256"/>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="257"/>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="259"/>
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
