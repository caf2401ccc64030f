<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>tools::TFormLune</name>
    <message>
        <location filename="../../tools/form_lune.cpp" line="212"/>
        <source>Moon is visible</source>
        <translation>La Luna è visibile</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="212"/>
        <source>The Moon is not visible</source>
        <translation>La Luna non è visibile</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="213"/>
        <source>CURRENT VISIBILITY PERIOD</source>
        <translation>PERIODO DI VISIBILITÀ ATTUALE</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="213"/>
        <source>NEXT VISIBILITY PERIOD</source>
        <translation>PROSSIMO PERIODO DI VISIBILITÀ</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="221"/>
        <source>Warning: No moonrise in the next 48 hours!</source>
        <translation>Attenzione: la Luna non sorge nelle prossime 48 ore!</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="227"/>
        <source>Warning: No moon set in the next 48 hours!</source>
        <translation>Attenzione: la Luna non tramonta nelle prossime 48 ore!</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="236"/>
        <source>None</source>
        <translation>Nessuno</translation>
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
        <translation>Valore attuale = </translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="316"/>
        <source>Tracking not available because no antenna chosen or Moon not visible</source>
        <translation>Inseguimento non disponibile: nessuna antenna scelta o Luna non visibile</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune.cpp" line="318"/>
        <source>Tracking is running</source>
        <translation>Inseguimento in corso</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="251"/>
        <source>ORVANE - MOON TRACKING  @</source>
        <translation>ORVANE - TRACKING LUNA  @</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="252"/>
        <source>&amp;Moon</source>
        <translation>&amp;Luna</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="253"/>
        <source>Copy visibility</source>
        <translation>Copia visibilità</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="254"/>
        <source>EME settings</source>
        <translation>Impostazioni EME</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="255"/>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="256"/>
        <source>&amp;Time</source>
        <translation>&amp;Ora</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="257"/>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="258"/>
        <source>Local time</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="259"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="260"/>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="261"/>
        <source>Below the minimum elevation</source>
        <translation>Sotto l&apos;elevazione minima</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="262"/>
        <source>Sub-lunar point</source>
        <translation>Punto sublunare</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="263"/>
        <source>TRACK</source>
        <translation>INSEGUI</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="264"/>
        <source>Moonrise at:</source>
        <translation>Sorgere della Luna:</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="265"/>
        <source>Moonset at:</source>
        <translation>Tramonto della Luna:</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="266"/>
        <source>EME coverage</source>
        <translation>Copertura EME</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="267"/>
        <source>Compute</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="268"/>
        <source>Self-Doppler frequency (GHz)</source>
        <translation>Frequenza auto-Doppler (GHz)</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="269"/>
        <source>DX-Doppler frequency (GHz)</source>
        <translation>Frequenza Doppler DX (GHz)</translation>
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
        <translation>Lista DXCC</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="274"/>
        <source>DATE &amp;&amp;  UTC  TIME    EL     AZ   ALTIT   LAT  LONG  SELF-DOP*  DX-DOP*</source>
        <translation>DATA &amp;&amp;   ORA  UTC    EL     AZ   ALTIT   LAT  LONG  AUTO-DOP*  DX-DOP*</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="276"/>
        <source>DATE &amp;&amp; LOCAL TIME    EL     AZ   ALTIT   LAT  LONG  SELF-DOP*  DX-DOP*</source>
        <translation>DATA &amp;&amp; ORA LOCALE    EL     AZ   ALTIT   LAT  LONG  AUTO-DOP*  DX-DOP*</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="278"/>
        <source>Take note : UTC time !</source>
        <translation>Attenzione: ora UTC!</translation>
    </message>
    <message>
        <location filename="../../tools/form_lune_build.cpp" line="278"/>
        <source>Take note : LOCAL time !</source>
        <translation>Attenzione: ora LOCALE!</translation>
    </message>
</context>
<context>
    <name>tools::TFormSoleil</name>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="46"/>
        <source>SUN TRACKING</source>
        <translation>TRACKING SOLE</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="47"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="48"/>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="49"/>
        <source>TRACK</source>
        <translation>INSEGUI</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="103"/>
        <source>Tracking not available because no antenna chosen or Sun not visible</source>
        <translation>Inseguimento non disponibile: nessuna antenna scelta o Sole non visibile</translation>
    </message>
    <message>
        <location filename="../../tools/form_soleil.cpp" line="105"/>
        <source>Tracking is running</source>
        <translation>Inseguimento in corso</translation>
    </message>
</context>
</TS>
