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
    <name>RadioData</name>
    <message>
        <location filename="../../tracking/radio_data_file.cpp" line="140"/>
        <source>Can&apos;t create Orvane.dat</source>
        <translation>Impossibile creare Orvane.dat</translation>
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
        <translation> errore</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="63"/>
        <source>ARSWIN must be running !</source>
        <translation>ARSWIN deve essere in esecuzione !</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="54"/>
        <source>Target out of range: nothing sent</source>
        <translation>Obiettivo fuori intervallo: niente inviato</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="28"/>
        <source>rotctld %1 error (%2)</source>
        <translation>rotctld %1 errore (%2)</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="38"/>
        <source>connection closed</source>
        <translation>connessione chiusa</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="64"/>
        <source>bad port</source>
        <translation>porta non valida</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="154"/>
        <source>no reply within %1 s</source>
        <translation>nessuna risposta entro %1 s</translation>
    </message>
    <message>
        <location filename="../../tracking/rigctld_tuner.cpp" line="32"/>
        <source>rigctld %1 error (%2)</source>
        <translation>rigctld %1 errore (%2)</translation>
    </message>
    <message>
        <location filename="../../tracking/pass_commands.cpp" line="113"/>
        <source>Command could not be started: %1 (%2)</source>
        <translation>Impossibile avviare il comando: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TFormExtraInfo</name>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="172"/>
        <source>Only one character for mode !</source>
        <translation>Un solo carattere per il modo !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="173"/>
        <source>No &quot;/&quot; please !</source>
        <translation>Niente &quot;/&quot;, per favore !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="174"/>
        <source>Enter one character for mode, please !</source>
        <translation>Inserire un carattere per il modo, per favore !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="175"/>
        <source>Incorrect frequency !</source>
        <translation>Frequenza errata !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="176"/>
        <source>Undefined mode in MA definition !</source>
        <translation>Modo non definito nella definizione MA !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="177"/>
        <source>Incorrect ALAT !</source>
        <translation>ALAT errato !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="178"/>
        <source>Incorrect ALON !</source>
        <translation>ALON errato !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="179"/>
        <source>Successive MAs must be increasing integers !</source>
        <translation>I MA successivi devono essere numeri interi crescenti !</translation>
    </message>
</context>
<context>
    <name>Tracking</name>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="69"/>
        <source>Start tracking</source>
        <translation>Avvia monitoraggio</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="74"/>
        <source>Overlap 180 - 270°</source>
        <translation>Sovrapposizione 180 - 270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="75"/>
        <source>Overlap 360 - 450°</source>
        <translation>Sovrapposizione 360 - 450°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="77"/>
        <source>Overlap 180-270°</source>
        <translation>Sovrapposizione 180-270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="78"/>
        <source>Overlap 360-450°</source>
        <translation>Sovrapposizione 360-450°</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="147"/>
        <source>Satellite is visible</source>
        <translation>Il satellite è visibile</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="148"/>
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
        <location filename="../../tracking/page_control_antenne_build.cpp" line="294"/>
        <source>Stop</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="295"/>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="297"/>
        <source>x0.1° Min step</source>
        <translation>x0.1° Passo min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="299"/>
        <source>x0.01° Min step</source>
        <translation>x0.01° Passo min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="301"/>
        <source>Min step</source>
        <translation>Passo min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="305"/>
        <source>Azimuth offset</source>
        <translation>Scostamento azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="307"/>
        <source>Elevation offset</source>
        <translation>Scostamento elevazione</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="309"/>
        <source>Parking position</source>
        <translation>Posizione di parcheggio</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="311"/>
        <source>Use %1</source>
        <translation>Usa %1</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="312"/>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="313"/>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="315"/>
        <source>Check to quit in Host mode</source>
        <translation>Selezionare per uscire in modo Host</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="320"/>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="323"/>
        <source>Host</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="321"/>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="324"/>
        <source>TCP port</source>
        <translation>Porta TCP</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="322"/>
        <source>Tune the radio through rigctld (Doppler)</source>
        <translation>Sintonizzare la radio tramite rigctld (Doppler)</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="325"/>
        <source>Minimum step (Hz)</source>
        <translation>Passo minimo (Hz)</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="326"/>
        <source>Command at AOS</source>
        <translation>Comando all&apos;AOS</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="327"/>
        <source>Command at LOS</source>
        <translation>Comando alla LOS</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="328"/>
        <source>Program and arguments, run without a shell when the satellite rises</source>
        <translation>Programma e argomenti, eseguiti senza shell al sorgere del satellite</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="329"/>
        <source>Program and arguments, run without a shell when the satellite sets</source>
        <translation>Programma e argomenti, eseguiti senza shell al tramonto del satellite</translation>
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
    <name>tracking::TFormExtraInfo</name>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="174"/>
        <source>EXTRA INFOS</source>
        <translation>INFO AGGIUNTIVE</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Comment</source>
        <translation>Commento</translation>
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
        <translation>ALAT antenna del satellite [-90..+90]</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="178"/>
        <source>ALON Satellite antenna [0..360]</source>
        <translation>ALON antenna del satellite [0..360]</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="179"/>
        <source>====== Starting Mode MA [0..255] ======</source>
        <translation>====== Modo iniziale MA [0..255] ======</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="180"/>
        <source>Save info</source>
        <translation>Salva info</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="181"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="182"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Arresta il monitoraggio su un salto di 360° in azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_options.cpp" line="42"/>
        <source>Resume tracking when pass ends</source>
        <translation>Riprendi il monitoraggio a fine passaggio</translation>
    </message>
</context>
</TS>
