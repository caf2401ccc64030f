<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tools::TFormConv</name>
    <message>
        <location filename="../../tools/form_conv.cpp" line="60"/>
        <source>Deg/Min/Sec =&gt; Decimal</source>
        <translation>Deg/Min/Sec =&gt; Décimal</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="61"/>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="62"/>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="63"/>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="64"/>
        <source>Milliseconds</source>
        <translation>Millisecondes</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="65"/>
        <source>Decimal degrees</source>
        <translation>Degrés décimaux</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="66"/>
        <source>Below 180</source>
        <translation>Inférieur à 180</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="67"/>
        <location filename="../../tools/form_conv.cpp" line="68"/>
        <source>Below 60</source>
        <translation>Inférieur à 60</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="69"/>
        <source>Below 1000</source>
        <translation>Inférieur à 1000</translation>
    </message>
</context>
<context>
    <name>tools::TFormDX</name>
    <message>
        <location filename="../../tools/form_dx.cpp" line="31"/>
        <source> DATE &amp;&amp;  UTC  TIME  EL   AZ   RANGE  SQU</source>
        <translation> DATE &amp;&amp; HEURE  UTC  EL   AZ   DIST.  DEP</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="32"/>
        <source> DATE &amp;&amp; LOCAL TIME  EL   AZ   RANGE  SQU</source>
        <translation> DATE &amp;&amp; HEURE LOC.  EL   AZ   DIST.  DEP</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="37"/>
        <source>DX</source>
        <translation>DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="38"/>
        <source>When a DX station also sees this pass</source>
        <translation>Quand une station DX voit aussi ce passage</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="159"/>
        <location filename="../../tools/form_dx.cpp" line="220"/>
        <location filename="../../tools/form_dx.cpp" line="322"/>
        <location filename="../../tools/form_dx.cpp" line="336"/>
        <location filename="../../tools/form_dx.cpp" line="345"/>
        <source>  Enter or OK to show DX visibility period</source>
        <translation>  Entrée ou OK pour voir la visibilité DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="188"/>
        <source>DX via </source>
        <translation>DX via </translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="189"/>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="190"/>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="191"/>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="192"/>
        <source>Altitude (m)</source>
        <translation>Altitude (m)</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="193"/>
        <source>DXCC list</source>
        <translation>Liste DXCC</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="194"/>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="195"/>
        <source>Fields separated by a tab</source>
        <translation>Champs séparés par une tabulation</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="196"/>
        <source>Fields separated by &quot;_&quot;</source>
        <translation>Champs séparés par &quot;_&quot;</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="197"/>
        <source>Fields separated by &quot;/&quot;</source>
        <translation>Champs séparés par &quot;/&quot;</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="198"/>
        <source>Fields separated by &quot;=&quot;</source>
        <translation>Champs séparés par &quot;=&quot;</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="199"/>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Degrés, minutes, secondes en degrés décimaux</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="200"/>
        <source>Show next covisibility if any</source>
        <translation>Afficher la covisibilité suivante s&apos;il y en a une</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="201"/>
        <source>Show previous covisibility if any</source>
        <translation>Afficher la covisibilité précédente s&apos;il y en a une</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="202"/>
        <source>Sync</source>
        <translation>Synchro</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="203"/>
        <source>The station&apos;s ephemeris list follows the dates of this list</source>
        <translation>La liste des éphémérides de la station suit les dates de cette liste</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="204"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="205"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="385"/>
        <location filename="../../tools/form_dx_compute.cpp" line="64"/>
        <source>Enter Locator or Latitude/Longitude, please</source>
        <translation>Entrez le locator ou la latitude/longitude, SVP</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="387"/>
        <source>Enter altitude, please</source>
        <translation>Entrez l&apos;altitude, SVP</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx_compute.cpp" line="57"/>
        <source>  No pass is shown: open a satellite&apos;s pass first</source>
        <translation>  Aucun passage affiché : ouvrez d&apos;abord un satellite</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx_compute.cpp" line="71"/>
        <source>  This DX can&apos;t be heard during this pass!</source>
        <translation>  Ce DX ne peut pas être entendu pendant ce passage !</translation>
    </message>
</context>
<context>
    <name>tools::TFormOrbit</name>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="60"/>
        <source>Orbit</source>
        <translation>Orbite</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="61"/>
        <source>Show the orbit of this satellite</source>
        <translation>Afficher l&apos;orbite de ce satellite</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="94"/>
        <source>ORBIT</source>
        <translation>ORBITE</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="95"/>
        <source>Satellite is green : visible, actual position</source>
        <translation>Satellite en vert : visible, position actuelle</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="96"/>
        <source>Satellite is purple : not visible, position at beginning of next pass</source>
        <translation>Satellite en violet : non visible, position au début du prochain passage</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="97"/>
        <source>Direction of travel</source>
        <translation>Sens de parcours</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="99"/>
        <location filename="../../tools/form_orbit.cpp" line="104"/>
        <source>A(apogee)</source>
        <translation>A(apogée)</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="100"/>
        <location filename="../../tools/form_orbit.cpp" line="105"/>
        <source>P(perigee)</source>
        <translation>P(périgée)</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="101"/>
        <location filename="../../tools/form_orbit.cpp" line="106"/>
        <source>Sat altitude</source>
        <translation>Altitude sat</translation>
    </message>
</context>
</TS>
