<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>tools::TFormConv</name>
    <message>
        <location filename="../../tools/form_conv.cpp" line="60"/>
        <source>Deg/Min/Sec =&gt; Decimal</source>
        <translation>Grad/Min/Sec =&gt; Decimale</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="61"/>
        <source>Degrees</source>
        <translation>Gradi</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="62"/>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="63"/>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="64"/>
        <source>Milliseconds</source>
        <translation>Millisecondi</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="65"/>
        <source>Decimal degrees</source>
        <translation>Gradi decimali</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="66"/>
        <source>Below 180</source>
        <translation>Minore di 180</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="67"/>
        <location filename="../../tools/form_conv.cpp" line="68"/>
        <source>Below 60</source>
        <translation>Minore di 60</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="69"/>
        <source>Below 1000</source>
        <translation>Minore di 1000</translation>
    </message>
</context>
<context>
    <name>tools::TFormDX</name>
    <message>
        <location filename="../../tools/form_dx.cpp" line="31"/>
        <source> DATE &amp;&amp;  UTC  TIME  EL   AZ   RANGE  SQU</source>
        <translation> DATA &amp;&amp;   ORA  UTC  EL   AZ   DIST.  DIS</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="32"/>
        <source> DATE &amp;&amp; LOCAL TIME  EL   AZ   RANGE  SQU</source>
        <translation> DATA &amp;&amp; ORA LOCALE  EL   AZ   DIST.  DIS</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="37"/>
        <source>DX</source>
        <translation>DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="38"/>
        <source>When a DX station also sees this pass</source>
        <translation>Quando anche una stazione DX vede questo passaggio</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="159"/>
        <location filename="../../tools/form_dx.cpp" line="220"/>
        <location filename="../../tools/form_dx.cpp" line="322"/>
        <location filename="../../tools/form_dx.cpp" line="336"/>
        <location filename="../../tools/form_dx.cpp" line="345"/>
        <source>  Enter or OK to show DX visibility period</source>
        <translation>  Invio o OK per vedere la visibilità DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="188"/>
        <source>DX via </source>
        <translation>DX via </translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="189"/>
        <source>Locator</source>
        <translation>Locatore</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="190"/>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="191"/>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="192"/>
        <source>Altitude (m)</source>
        <translation>Altitudine (m)</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="193"/>
        <source>DXCC list</source>
        <translation>Lista DXCC</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="194"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="195"/>
        <source>Fields separated by a tab</source>
        <translation>Campi separati da tabulazione</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="196"/>
        <source>Fields separated by &quot;_&quot;</source>
        <translation>Campi separati da &quot;_&quot;</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="197"/>
        <source>Fields separated by &quot;/&quot;</source>
        <translation>Campi separati da &quot;/&quot;</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="198"/>
        <source>Fields separated by &quot;=&quot;</source>
        <translation>Campi separati da &quot;=&quot;</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="199"/>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Gradi, minuti, secondi in gradi decimali</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="200"/>
        <source>Show next covisibility if any</source>
        <translation>Mostra la covisibilità successiva, se esiste</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="201"/>
        <source>Show previous covisibility if any</source>
        <translation>Mostra la covisibilità precedente, se esiste</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="202"/>
        <source>Sync</source>
        <translation>Sincr.</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="203"/>
        <source>The station&apos;s ephemeris list follows the dates of this list</source>
        <translation>L&apos;elenco delle effemeridi della stazione segue le date di questo elenco</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="204"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="205"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="385"/>
        <location filename="../../tools/form_dx_compute.cpp" line="64"/>
        <source>Enter Locator or Latitude/Longitude, please</source>
        <translation>Inserire il locatore o la latitudine/longitudine, per favore</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="387"/>
        <source>Enter altitude, please</source>
        <translation>Inserire l&apos;altitudine, per favore</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx_compute.cpp" line="57"/>
        <source>  No pass is shown: open a satellite&apos;s pass first</source>
        <translation>  Nessun passaggio mostrato: aprire prima un satellite</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx_compute.cpp" line="71"/>
        <source>  This DX can&apos;t be heard during this pass!</source>
        <translation>  Questa stazione DX non è udibile durante questo passaggio!</translation>
    </message>
</context>
<context>
    <name>tools::TFormOrbit</name>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="60"/>
        <source>Orbit</source>
        <translation>Orbita</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="61"/>
        <source>Show the orbit of this satellite</source>
        <translation>Mostra l&apos;orbita di questo satellite</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="94"/>
        <source>ORBIT</source>
        <translation>ORBITA</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="95"/>
        <source>Satellite is green : visible, actual position</source>
        <translation>Satellite verde: visibile, posizione attuale</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="96"/>
        <source>Satellite is purple : not visible, position at beginning of next pass</source>
        <translation>Satellite viola: non visibile, posizione all&apos;inizio del prossimo passaggio</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="97"/>
        <source>Direction of travel</source>
        <translation>Senso di percorrenza</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="99"/>
        <location filename="../../tools/form_orbit.cpp" line="104"/>
        <source>A(apogee)</source>
        <translation>A(apogeo)</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="100"/>
        <location filename="../../tools/form_orbit.cpp" line="105"/>
        <source>P(perigee)</source>
        <translation>P(perigeo)</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="101"/>
        <location filename="../../tools/form_orbit.cpp" line="106"/>
        <source>Sat altitude</source>
        <translation>Quota sat</translation>
    </message>
</context>
</TS>
