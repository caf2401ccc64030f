<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>tools::TFormConv</name>
    <message>
        <location filename="../../tools/form_conv.cpp" line="60"/>
        <source>Deg/Min/Sec =&gt; Decimal</source>
        <translation>Grad/Min/Seg =&gt; Decimal</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="61"/>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="62"/>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="63"/>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="64"/>
        <source>Milliseconds</source>
        <translation>Milisegundos</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="65"/>
        <source>Decimal degrees</source>
        <translation>Grados decimales</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="66"/>
        <source>Below 180</source>
        <translation>Menor que 180</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="67"/>
        <location filename="../../tools/form_conv.cpp" line="68"/>
        <source>Below 60</source>
        <translation>Menor que 60</translation>
    </message>
    <message>
        <location filename="../../tools/form_conv.cpp" line="69"/>
        <source>Below 1000</source>
        <translation>Menor que 1000</translation>
    </message>
</context>
<context>
    <name>tools::TFormDX</name>
    <message>
        <location filename="../../tools/form_dx.cpp" line="31"/>
        <source> DATE &amp;&amp;  UTC  TIME  EL   AZ   RANGE  SQU</source>
        <translation> FECHA &amp;&amp;  HORA UTC  EL   AZ   DIST.  DES</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="32"/>
        <source> DATE &amp;&amp; LOCAL TIME  EL   AZ   RANGE  SQU</source>
        <translation> FECHA &amp;&amp; HORA LOC.  EL   AZ   DIST.  DES</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="37"/>
        <source>DX</source>
        <translation>DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="38"/>
        <source>When a DX station also sees this pass</source>
        <translation>Cuándo una estación DX también ve este paso</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="159"/>
        <location filename="../../tools/form_dx.cpp" line="220"/>
        <location filename="../../tools/form_dx.cpp" line="322"/>
        <location filename="../../tools/form_dx.cpp" line="336"/>
        <location filename="../../tools/form_dx.cpp" line="345"/>
        <source>  Enter or OK to show DX visibility period</source>
        <translation>  Enter u OK para ver la visibilidad DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="188"/>
        <source>DX via </source>
        <translation>DX vía </translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="189"/>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="190"/>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="191"/>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="192"/>
        <source>Altitude (m)</source>
        <translation>Altitud (m)</translation>
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
        <translation>Campos separados por tabulador</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="196"/>
        <source>Fields separated by &quot;_&quot;</source>
        <translation>Campos separados por &quot;_&quot;</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="197"/>
        <source>Fields separated by &quot;/&quot;</source>
        <translation>Campos separados por &quot;/&quot;</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="198"/>
        <source>Fields separated by &quot;=&quot;</source>
        <translation>Campos separados por &quot;=&quot;</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="199"/>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Grados, minutos, segundos a grados decimales</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="200"/>
        <source>Show next covisibility if any</source>
        <translation>Mostrar la siguiente covisibilidad si existe</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="201"/>
        <source>Show previous covisibility if any</source>
        <translation>Mostrar la covisibilidad anterior si existe</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="202"/>
        <source>Sync</source>
        <translation>Sincr.</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="203"/>
        <source>The station&apos;s ephemeris list follows the dates of this list</source>
        <translation>La lista de efemérides de la estación sigue las fechas de esta lista</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="204"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="205"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="385"/>
        <location filename="../../tools/form_dx_compute.cpp" line="64"/>
        <source>Enter Locator or Latitude/Longitude, please</source>
        <translation>Introduzca el locator o la latitud/longitud, por favor</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx.cpp" line="387"/>
        <source>Enter altitude, please</source>
        <translation>Introduzca la altitud, por favor</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx_compute.cpp" line="57"/>
        <source>  No pass is shown: open a satellite&apos;s pass first</source>
        <translation>  No se muestra ningún paso: abra primero un satélite</translation>
    </message>
    <message>
        <location filename="../../tools/form_dx_compute.cpp" line="71"/>
        <source>  This DX can&apos;t be heard during this pass!</source>
        <translation>  ¡Esta estación DX no se oye durante este paso!</translation>
    </message>
</context>
<context>
    <name>tools::TFormOrbit</name>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="60"/>
        <source>Orbit</source>
        <translation>Órbita</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="61"/>
        <source>Show the orbit of this satellite</source>
        <translation>Mostrar la órbita de este satélite</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="94"/>
        <source>ORBIT</source>
        <translation>ÓRBITA</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="95"/>
        <source>Satellite is green : visible, actual position</source>
        <translation>Satélite en verde: visible, posición actual</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="96"/>
        <source>Satellite is purple : not visible, position at beginning of next pass</source>
        <translation>Satélite en morado: no visible, posición al inicio del siguiente paso</translation>
    </message>
    <message>
        <location filename="../../tools/form_orbit.cpp" line="97"/>
        <source>Direction of travel</source>
        <translation>Sentido de la órbita</translation>
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
        <translation>Altitud sat</translation>
    </message>
</context>
</TS>
