<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>tools::TFormLune</name>
    <message>
        <location filename="../../tools/form_lune.cpp" line="212"/>
        <source>Moon is visible</source>
        <translation>Der Mond ist sichtbar</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="212"/>
        <source>The Moon is not visible</source>
        <translation>Der Mond ist nicht sichtbar</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="213"/>
        <source>CURRENT VISIBILITY PERIOD</source>
        <translation>AKTUELLE SICHTBARKEITSPERIODE</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="213"/>
        <source>NEXT VISIBILITY PERIOD</source>
        <translation>NÄCHSTE SICHTBARKEITSPERIODE</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="221"/>
        <source>Warning: No moonrise in the next 48 hours!</source>
        <translation>Achtung: kein Mondaufgang in den nächsten 48 Stunden!</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="227"/>
        <source>Warning: No moon set in the next 48 hours!</source>
        <translation>Achtung: kein Monduntergang in den nächsten 48 Stunden!</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="236"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="238"/>
        <source>*SELF-DOPPLER @Ft=</source>
        <translation>*EIGEN-DOPPLER @Ft=</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="249"/>
        <location filename="../../tools/form_lune.cpp" line="252"/>
        <source>Current value = </source>
        <translation>Aktueller Wert = </translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="316"/>
        <source>Tracking not available because no antenna chosen or Moon not visible</source>
        <translation>Nachführung nicht möglich: keine Antenne gewählt oder Mond nicht sichtbar</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="318"/>
        <source>Tracking is running</source>
        <translation>Nachführung läuft</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="251"/>
        <source>ORVANE - MOON TRACKING  @</source>
        <translation>ORVANE - MOND-TRACKING  @</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="252"/>
        <source>&amp;Moon</source>
        <translation>&amp;Mond</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="253"/>
        <source>Copy visibility</source>
        <translation>Sichtbarkeit kopieren</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="254"/>
        <source>EME settings</source>
        <translation>EME-Einstellungen</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="255"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="256"/>
        <source>&amp;Time</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="257"/>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="258"/>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="259"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="260"/>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="261"/>
        <source>Below the minimum elevation</source>
        <translation>Unter der Mindestelevation</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="262"/>
        <source>Sub-lunar point</source>
        <translation>Sublunarer Punkt</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="263"/>
        <source>TRACK</source>
        <translation>NACHFÜHREN</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="264"/>
        <source>Moonrise at:</source>
        <translation>Mondaufgang:</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="265"/>
        <source>Moonset at:</source>
        <translation>Monduntergang:</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="266"/>
        <source>EME coverage</source>
        <translation>EME-Abdeckung</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="267"/>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="268"/>
        <source>Self-Doppler frequency (GHz)</source>
        <translation>Frequenz Eigen-Doppler (GHz)</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="269"/>
        <source>DX-Doppler frequency (GHz)</source>
        <translation>Frequenz DX-Doppler (GHz)</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="270"/>
        <source>Max 12GHz</source>
        <translation>Max 12GHz</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="271"/>
        <source>DX locator</source>
        <translation>DX-Locator</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="272"/>
        <source>DXCC list</source>
        <translation>DXCC-Liste</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="274"/>
        <source>DATE &amp;&amp;  UTC  TIME    EL     AZ   ALTIT   LAT  LONG  SELF-DOP*  DX-DOP*</source>
        <translation>DATUM &amp;&amp;  UTC-ZEIT    EL     AZ   HÖHE    BRT  LÄNG  EIGN-DOP*  DX-DOP*</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="276"/>
        <source>DATE &amp;&amp; LOCAL TIME    EL     AZ   ALTIT   LAT  LONG  SELF-DOP*  DX-DOP*</source>
        <translation>DATUM &amp;&amp;  ORTSZEIT    EL     AZ   HÖHE    BRT  LÄNG  EIGN-DOP*  DX-DOP*</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="278"/>
        <source>Take note : UTC time !</source>
        <translation>Achtung: UTC-Zeit!</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="278"/>
        <source>Take note : LOCAL time !</source>
        <translation>Achtung: ORTSZEIT!</translation>
    </message>
</context>
<context>
    <name>tools::TFormSoleil</name>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="46"/>
        <source>SUN TRACKING</source>
        <translation>SONNE-TRACKING</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="47"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="48"/>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="49"/>
        <source>TRACK</source>
        <translation>NACHFÜHREN</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="103"/>
        <source>Tracking not available because no antenna chosen or Sun not visible</source>
        <translation>Nachführung nicht möglich: keine Antenne gewählt oder Sonne nicht sichtbar</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="105"/>
        <source>Tracking is running</source>
        <translation>Nachführung läuft</translation>
    </message>
</context>
</TS>
