<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>tools::TFormConv</name>
    <message>
        <location filename="../../tools/form_conv.cpp" line="60"/>
        <source>Deg/Min/Sec =&gt; Decimal</source>
        <translation>Grad/Min/Sek =&gt; Dezimal</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="61"/>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="62"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="63"/>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="64"/>
        <source>Milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="65"/>
        <source>Decimal degrees</source>
        <translation>Dezimalgrad</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="66"/>
        <source>Below 180</source>
        <translation>Unter 180</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="67"/>
        <location filename="../../tools/form_conv.cpp" line="68"/>
        <source>Below 60</source>
        <translation>Unter 60</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="69"/>
        <source>Below 1000</source>
        <translation>Unter 1000</translation>
    </message>
</context>
<context>
    <name>tools::TFormDX</name>
    <message>
        <location filename="../../tools/form_dx.cpp" line="31"/>
        <source> DATE &amp;&amp;  UTC  TIME  EL   AZ   RANGE  SQU</source>
        <translation> DATUM &amp;&amp;  UTC-ZEIT  EL   AZ   ENTF.  SCH</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="32"/>
        <source> DATE &amp;&amp; LOCAL TIME  EL   AZ   RANGE  SQU</source>
        <translation> DATUM &amp;&amp;  ORTSZEIT  EL   AZ   ENTF.  SCH</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="37"/>
        <source>DX</source>
        <translation>DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="38"/>
        <source>When a DX station also sees this pass</source>
        <translation>Wann eine DX-Station diesen Durchgang ebenfalls sieht</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="159"/>
        <location filename="../../tools/form_dx.cpp" line="220"/>
        <location filename="../../tools/form_dx.cpp" line="322"/>
        <location filename="../../tools/form_dx.cpp" line="336"/>
        <location filename="../../tools/form_dx.cpp" line="345"/>
        <source>  Enter or OK to show DX visibility period</source>
        <translation>  Enter oder OK zeigt die DX-Sichtbarkeit</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="188"/>
        <source>DX via </source>
        <translation>DX über </translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="189"/>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="190"/>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="191"/>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="192"/>
        <source>Altitude (m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="193"/>
        <source>DXCC list</source>
        <translation>DXCC-Liste</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="194"/>
        <source>no</source>
        <translation>kein</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="195"/>
        <source>Fields separated by a tab</source>
        <translation>Felder durch Tabulator getrennt</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="196"/>
        <source>Fields separated by &quot;_&quot;</source>
        <translation>Felder durch &quot;_&quot; getrennt</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="197"/>
        <source>Fields separated by &quot;/&quot;</source>
        <translation>Felder durch &quot;/&quot; getrennt</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="198"/>
        <source>Fields separated by &quot;=&quot;</source>
        <translation>Felder durch &quot;=&quot; getrennt</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="199"/>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Grad, Minuten, Sekunden in Dezimalgrad</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="200"/>
        <source>Show next covisibility if any</source>
        <translation>Nächste gemeinsame Sichtbarkeit zeigen, falls vorhanden</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="201"/>
        <source>Show previous covisibility if any</source>
        <translation>Vorherige gemeinsame Sichtbarkeit zeigen, falls vorhanden</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="202"/>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="203"/>
        <source>The station&apos;s ephemeris list follows the dates of this list</source>
        <translation>Die Ephemeridenliste der Station folgt den Zeiten dieser Liste</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="204"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="205"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="385"/>
        <location filename="../../tools/form_dx_compute.cpp" line="64"/>
        <source>Enter Locator or Latitude/Longitude, please</source>
        <translation>Bitte Locator oder Breite/Länge eingeben</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="387"/>
        <source>Enter altitude, please</source>
        <translation>Bitte Höhe eingeben</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx_compute.cpp" line="57"/>
        <source>  No pass is shown: open a satellite&apos;s pass first</source>
        <translation>  Kein Durchgang angezeigt: zuerst einen Satelliten öffnen</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx_compute.cpp" line="71"/>
        <source>  This DX can&apos;t be heard during this pass!</source>
        <translation>  Diese DX-Station ist in diesem Durchgang nicht hörbar!</translation>
    </message>
</context>
<context>
    <name>tools::TFormOrbit</name>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="60"/>
        <source>Orbit</source>
        <translation>Bahn</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="61"/>
        <source>Show the orbit of this satellite</source>
        <translation>Bahn dieses Satelliten zeigen</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="94"/>
        <source>ORBIT</source>
        <translation>BAHN</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="95"/>
        <source>Satellite is green : visible, actual position</source>
        <translation>Satellit grün: sichtbar, aktuelle Position</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="96"/>
        <source>Satellite is purple : not visible, position at beginning of next pass</source>
        <translation>Satellit violett: nicht sichtbar, Position zu Beginn des nächsten Durchgangs</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="97"/>
        <source>Direction of travel</source>
        <translation>Umlaufrichtung</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="99"/>
        <location filename="../../tools/form_orbit.cpp" line="104"/>
        <source>A(apogee)</source>
        <translation>A(Apogäum)</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="100"/>
        <location filename="../../tools/form_orbit.cpp" line="105"/>
        <source>P(perigee)</source>
        <translation>P(Perigäum)</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="101"/>
        <location filename="../../tools/form_orbit.cpp" line="106"/>
        <source>Sat altitude</source>
        <translation>Sat-Höhe</translation>
    </message>
</context>
</TS>
