<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tools::TFormLune</name>
    <message>
        <location filename="../../tools/form_lune.cpp" line="212"/>
        <source>Moon is visible</source>
        <translation>La Lune est visible</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="212"/>
        <source>The Moon is not visible</source>
        <translation>La Lune n&apos;est pas visible</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="213"/>
        <source>CURRENT VISIBILITY PERIOD</source>
        <translation>PÉRIODE DE VISIBILITÉ EN COURS</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="213"/>
        <source>NEXT VISIBILITY PERIOD</source>
        <translation>PROCHAINE PÉRIODE DE VISIBILITÉ</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="221"/>
        <source>Warning: No moonrise in the next 48 hours!</source>
        <translation>Attention : pas de lever de Lune dans les 48 heures !</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="227"/>
        <source>Warning: No moon set in the next 48 hours!</source>
        <translation>Attention : pas de coucher de Lune dans les 48 heures !</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="236"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="238"/>
        <source>*SELF-DOPPLER @Ft=</source>
        <translation>*AUTO-DOPPLER @Ft=</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="249"/>
        <location filename="../../tools/form_lune.cpp" line="252"/>
        <source>Current value = </source>
        <translation>Valeur actuelle = </translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="316"/>
        <source>Tracking not available because no antenna chosen or Moon not visible</source>
        <translation>Poursuite impossible : aucune antenne choisie ou Lune non visible</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="318"/>
        <source>Tracking is running</source>
        <translation>Poursuite en cours</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="251"/>
        <source>ORVANE - MOON TRACKING  @</source>
        <translation>ORVANE - POURSUITE LUNE  @</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="252"/>
        <source>&amp;Moon</source>
        <translation>&amp;Lune</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="253"/>
        <source>Copy visibility</source>
        <translation>Copier la visibilité</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="254"/>
        <source>EME settings</source>
        <translation>Réglages EME</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="255"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="256"/>
        <source>&amp;Time</source>
        <translation>&amp;Heure</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="257"/>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="258"/>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="259"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="260"/>
        <source>Elevation</source>
        <translation>Elévation</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="261"/>
        <source>Below the minimum elevation</source>
        <translation>Sous l&apos;élévation minimale</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="262"/>
        <source>Sub-lunar point</source>
        <translation>Point sublunaire</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="263"/>
        <source>TRACK</source>
        <translation>POURSUITE</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="264"/>
        <source>Moonrise at:</source>
        <translation>Lever de Lune :</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="265"/>
        <source>Moonset at:</source>
        <translation>Coucher de Lune :</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="266"/>
        <source>EME coverage</source>
        <translation>Couverture EME</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="267"/>
        <source>Compute</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="268"/>
        <source>Self-Doppler frequency (GHz)</source>
        <translation>Fréquence auto-Doppler (GHz)</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="269"/>
        <source>DX-Doppler frequency (GHz)</source>
        <translation>Fréquence Doppler DX (GHz)</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="270"/>
        <source>Max 12GHz</source>
        <translation>Max 12GHz</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="271"/>
        <source>DX locator</source>
        <translation>Locator DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="272"/>
        <source>DXCC list</source>
        <translation>Liste DXCC</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="274"/>
        <source>DATE &amp;&amp;  UTC  TIME    EL     AZ   ALTIT   LAT  LONG  SELF-DOP*  DX-DOP*</source>
        <translation>DATE &amp;&amp;  HEURE UTC    EL     AZ   ALTIT   LAT  LONG  AUTO-DOP*  DX-DOP*</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="276"/>
        <source>DATE &amp;&amp; LOCAL TIME    EL     AZ   ALTIT   LAT  LONG  SELF-DOP*  DX-DOP*</source>
        <translation>DATE &amp;&amp; HEURE LOC.    EL     AZ   ALTIT   LAT  LONG  AUTO-DOP*  DX-DOP*</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="278"/>
        <source>Take note : UTC time !</source>
        <translation>Attention : heure UTC !</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="278"/>
        <source>Take note : LOCAL time !</source>
        <translation>Attention : heure LOCALE !</translation>
    </message>
</context>
<context>
    <name>tools::TFormSoleil</name>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="46"/>
        <source>SUN TRACKING</source>
        <translation>POURSUITE SOLEIL</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="47"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="48"/>
        <source>Elevation</source>
        <translation>Elévation</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="49"/>
        <source>TRACK</source>
        <translation>POURSUITE</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="103"/>
        <source>Tracking not available because no antenna chosen or Sun not visible</source>
        <translation>Poursuite impossible : aucune antenne choisie ou Soleil non visible</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="105"/>
        <source>Tracking is running</source>
        <translation>Poursuite en cours</translation>
    </message>
</context>
</TS>
