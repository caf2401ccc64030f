<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>PrinterPort</name>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="69"/>
        <source>Printer port access is not granted.<byte value="xd"/>
It is mandatory when controling an LPT port.<byte value="xd"/>
Please allow your user to open /dev/parport0 (group lp)<byte value="xd"/>
and restart ORVANE.</source>
        <translation>L&apos;accès au port imprimante n&apos;est pas accordé.<byte value="xd"/>
Il est obligatoire pour commander un port LPT.<byte value="xd"/>
Autorisez votre utilisateur à ouvrir /dev/parport0 (groupe lp)<byte value="xd"/>
et redémarrez ORVANE.</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="76"/>
        <source>Enter a VALID address as a 4 hexadecimal character string.<byte value="xd"/>
This address must be associated to an existing LPT port.<byte value="xd"/>
A non-valid address may generate a system error!<byte value="xd"/>
</source>
        <translation>Entrez une adresse VALIDE sous la forme de 4 caractères hexadécimaux.<byte value="xd"/>
Cette adresse doit correspondre à un port LPT existant.<byte value="xd"/>
Une adresse non valide peut provoquer une erreur système !<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="81"/>
        <source>Detected LPT ports:<byte value="xd"/>
</source>
        <translation>Ports LPT détectés :<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../../tracking/printer_ports.cpp" line="88"/>
        <source>NONE</source>
        <translation>AUCUN</translation>
    </message>
</context>
<context>
    <name>RadioData</name>
    <message>
        <location filename="../../tracking/radio_data_file.cpp" line="140"/>
        <source>Can&apos;t create Orvane.dat</source>
        <translation>Impossible de créer Orvane.dat</translation>
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
        <translation> erreur</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="63"/>
        <source>ARSWIN must be running !</source>
        <translation>ARSWIN doit être lancé !</translation>
    </message>
    <message>
        <location filename="../../tracking/rotator_sender.cpp" line="54"/>
        <source>Target out of range: nothing sent</source>
        <translation>Cible hors limites : rien envoyé</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="28"/>
        <source>rotctld %1 error (%2)</source>
        <translation>rotctld %1 erreur (%2)</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="38"/>
        <source>connection closed</source>
        <translation>connexion fermée</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="64"/>
        <source>bad port</source>
        <translation>port invalide</translation>
    </message>
    <message>
        <location filename="../../tracking/hamlib_link.cpp" line="154"/>
        <source>no reply within %1 s</source>
        <translation>pas de réponse en %1 s</translation>
    </message>
    <message>
        <location filename="../../tracking/rigctld_tuner.cpp" line="32"/>
        <source>rigctld %1 error (%2)</source>
        <translation>rigctld %1 erreur (%2)</translation>
    </message>
    <message>
        <location filename="../../tracking/pass_commands.cpp" line="113"/>
        <source>Command could not be started: %1 (%2)</source>
        <translation>Impossible de lancer la commande : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TFormExtraInfo</name>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="172"/>
        <source>Only one character for mode !</source>
        <translation>Un seul caractère pour le mode !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="173"/>
        <source>No &quot;/&quot; please !</source>
        <translation>Pas de &quot;/&quot; s&apos;il vous plaît !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="174"/>
        <source>Enter one character for mode, please !</source>
        <translation>Entrez un caractère pour le mode, s&apos;il vous plaît !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="175"/>
        <source>Incorrect frequency !</source>
        <translation>Fréquence incorrecte !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="176"/>
        <source>Undefined mode in MA definition !</source>
        <translation>Mode non défini dans la définition MA !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="177"/>
        <source>Incorrect ALAT !</source>
        <translation>ALAT incorrect !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="178"/>
        <source>Incorrect ALON !</source>
        <translation>ALON incorrect !</translation>
    </message>
    <message>
        <location filename="../../tracking/extra_info_check.cpp" line="179"/>
        <source>Successive MAs must be increasing integers !</source>
        <translation>Les MA successifs doivent être des entiers croissants !</translation>
    </message>
</context>
<context>
    <name>Tracking</name>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="69"/>
        <source>Start tracking</source>
        <translation>Démarrer la poursuite</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="74"/>
        <source>Overlap 180 - 270°</source>
        <translation>Recouvrement 180 - 270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="75"/>
        <source>Overlap 360 - 450°</source>
        <translation>Recouvrement 360 - 450°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="77"/>
        <source>Overlap 180-270°</source>
        <translation>Recouvrement 180-270°</translation>
    </message>
    <message>
        <location filename="../../tracking/antenna_interfaces.cpp" line="78"/>
        <source>Overlap 360-450°</source>
        <translation>Recouvrement 360-450°</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="147"/>
        <source>Satellite is visible</source>
        <translation>Le satellite est visible</translation>
    </message>
    <message>
        <location filename="../../tracking/tick_steps.cpp" line="148"/>
        <source>Satellite is currently not visible</source>
        <translation>Le satellite n&apos;est pas visible actuellement</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_controller.cpp" line="15"/>
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
        <location filename="../../tracking/page_control_antenne_build.cpp" line="294"/>
        <source>Stop</source>
        <translation>Butée</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="295"/>
        <source>Elevation</source>
        <translation>Elévation</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="297"/>
        <source>x0.1° Min step</source>
        <translation>x0.1° Pas min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="299"/>
        <source>x0.01° Min step</source>
        <translation>x0.01° Pas min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="301"/>
        <source>Min step</source>
        <translation>Pas min</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="305"/>
        <source>Azimuth offset</source>
        <translation>Décalage azimut</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="307"/>
        <source>Elevation offset</source>
        <translation>Décalage élévation</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="309"/>
        <source>Parking position</source>
        <translation>Position de parking</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="311"/>
        <source>Use %1</source>
        <translation>Utiliser %1</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="312"/>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="313"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="315"/>
        <source>Check to quit in Host mode</source>
        <translation>Cocher pour quitter en mode Host</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="320"/>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="323"/>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="321"/>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="324"/>
        <source>TCP port</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="322"/>
        <source>Tune the radio through rigctld (Doppler)</source>
        <translation>Accorder la radio via rigctld (Doppler)</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="325"/>
        <source>Minimum step (Hz)</source>
        <translation>Pas minimal (Hz)</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="326"/>
        <source>Command at AOS</source>
        <translation>Commande à l&apos;AOS</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="327"/>
        <source>Command at LOS</source>
        <translation>Commande à la LOS</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="328"/>
        <source>Program and arguments, run without a shell when the satellite rises</source>
        <translation>Programme et arguments, lancés sans shell au lever du satellite</translation>
    </message>
    <message>
        <location filename="../../tracking/page_control_antenne_build.cpp" line="329"/>
        <source>Program and arguments, run without a shell when the satellite sets</source>
        <translation>Programme et arguments, lancés sans shell au coucher du satellite</translation>
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
    <name>tracking::TFormExtraInfo</name>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="174"/>
        <source>EXTRA INFOS</source>
        <translation>INFOS SUPPLÉMENTAIRES</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="175"/>
        <source>Downlink MHz</source>
        <translation>Descente MHz</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="176"/>
        <source>D-Ops</source>
        <translation>D-Ops</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="176"/>
        <source>Uplink MHz</source>
        <translation>Montée MHz</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="176"/>
        <source>U-Ops</source>
        <translation>U-Ops</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="177"/>
        <source>ALAT Satellite antenna [-90..+90]</source>
        <translation>ALAT antenne du satellite [-90..+90]</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="178"/>
        <source>ALON Satellite antenna [0..360]</source>
        <translation>ALON antenne du satellite [0..360]</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="179"/>
        <source>====== Starting Mode MA [0..255] ======</source>
        <translation>====== Mode de départ MA [0..255] ======</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="180"/>
        <source>Save info</source>
        <translation>Enregistrer les infos</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="181"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../tracking/form_extra_info.cpp" line="182"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Arrêter la poursuite sur un saut d&apos;azimut de 360°</translation>
    </message>
    <message>
        <location filename="../../tracking/tracking_options.cpp" line="42"/>
        <source>Resume tracking when pass ends</source>
        <translation>Reprendre la poursuite en fin de passage</translation>
    </message>
</context>
</TS>
