<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>map::TFormHelpMap</name>
    <message>
        <location filename="../../map/form_help_map.cpp" line="27"/>
        <source>Local station location</source>
        <translation>Ubicación de la estación local</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="29"/>
        <source>DX station location (click right to change location)</source>
        <translation>Ubicación de la estación DX (clic derecho para cambiarla)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="31"/>
        <source>Current satellite location when visible (*). Refreshed as menu</source>
        <translation>Posición actual del satélite cuando es visible (*). Se refresca según el menú</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="33"/>
        <source>Same as above but satellite in eclipse</source>
        <translation>Igual que arriba pero con el satélite en eclipse</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="35"/>
        <source>Current satellite location if NOT visible. Refreshed every min</source>
        <translation>Posición actual del satélite si NO es visible. Se refresca cada minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="37"/>
        <source>Future satellite location when visible on DD/MM/YY HH:MM (*)</source>
        <translation>Posición futura del satélite cuando sea visible el DD/MM/AA HH:MM (*)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="39"/>
        <source>Current sun location. Refreshed every 2 min</source>
        <translation>Posición actual del sol. Se refresca cada 2 min</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="41"/>
        <source>Current coverage if satellite is visible. Refreshed as menu</source>
        <translation>Cobertura actual si el satélite es visible. Se refresca según el menú</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="43"/>
        <source>Current coverage of satellite if NOT visible. Refreshed every min</source>
        <translation>Cobertura actual del satélite si NO es visible. Se refresca cada minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="45"/>
        <source>Future coverage when satellte will be visible on DD/MM/YY HH:MM</source>
        <translation>Cobertura futura cuando el satélite sea visible el DD/MM/AA HH:MM</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="47"/>
        <source>Future or current orbit until next visibility</source>
        <translation>Órbita futura o actual hasta la próxima visibilidad</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="49"/>
        <source>Footprint during current or future visibility</source>
        <translation>Traza durante la visibilidad actual o futura</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="51"/>
        <source>Day/night transition (Sun). Refreshed every 2 minutes</source>
        <translation>Transición día/noche (Sol). Se refresca cada 2 minutos</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="52"/>
        <source>* : asterisk = satellite in eclipse</source>
        <translation>* : asterisco = satélite en eclipse</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="54"/>
        <source>Move the mouse on an element to know more about it</source>
        <translation>Mueva el ratón sobre un elemento para saber más</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="94"/>
        <source>MAP KEY</source>
        <translation>LEYENDA DEL MAPA</translation>
    </message>
</context>
<context>
    <name>map::TFormMap</name>
    <message>
        <location filename="../../map/form_map.cpp" line="40"/>
        <source>ORVANE MAP</source>
        <translation>ORVANE MAPA</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="44"/>
        <source>Show coverage area</source>
        <translation>Mostrar la zona de cobertura</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="53"/>
        <source>BitMap image (*.bmp)</source>
        <translation>Imagen BitMap (*.bmp)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="270"/>
        <source>&amp;Drawing</source>
        <translation>&amp;Dibujo</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="271"/>
        <source>Visibility pass + Footprint during visibilty (current or next if not visible)</source>
        <translation>Pase visible + traza durante la visibilidad (actual o siguiente si no es visible)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="272"/>
        <source>Current coverage and next visibilty pass if not currently visible</source>
        <translation>Cobertura actual y próximo pase visible si no es visible ahora</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="273"/>
        <source>Current coverage only</source>
        <translation>Solo la cobertura actual</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="274"/>
        <source>Visibilty pass only (current or next if not currently visible)</source>
        <translation>Solo el pase visible (actual o siguiente si no es visible ahora)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="275"/>
        <source>&amp;Sun</source>
        <translation>&amp;Sol</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="276"/>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="277"/>
        <source>Sun + darkness</source>
        <translation>Sol + oscuridad</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="278"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="279"/>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="280"/>
        <source>Refresh</source>
        <translation>Refresco</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="282"/>
        <source>every %1 s</source>
        <translation>cada %1 s</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="283"/>
        <source>Pen width</source>
        <translation>Grosor del trazo</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="284"/>
        <source>&amp;Centre</source>
        <translation>&amp;Centrado</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="285"/>
        <source>Longitude 0</source>
        <translation>Longitud 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="286"/>
        <source>Longitude 180</source>
        <translation>Longitud 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="287"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Ampliación</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="288"/>
        <source>&amp;My Map</source>
        <translation>&amp;Mi mapa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="289"/>
        <source>If centered on longitude 0</source>
        <translation>Si está centrado en la longitud 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="290"/>
        <source>If centered on longitude 180</source>
        <translation>Si está centrado en la longitud 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="294"/>
        <source>Stay on top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="296"/>
        <source>To see full coverage</source>
        <translation>Para ver la cobertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="297"/>
        <source>To Clear full coverage</source>
        <translation>Para borrar la cobertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="298"/>
        <source>Fast motion until next visibility</source>
        <translation>Movimiento rápido hasta la próxima visibilidad</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="98"/>
        <source>Red: Current coverage</source>
        <translation>Rojo: cobertura actual</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="139"/>
        <location filename="../../map/form_map_watch.cpp" line="177"/>
        <source>Violet: Current coverage; Satellite not visible</source>
        <translation>Violeta: cobertura actual; satélite no visible</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="168"/>
        <source>Black: Next visibility pass on</source>
        <translation>Negro: próximo pase visible el</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="127"/>
        <source>Black: Full coverage</source>
        <translation>Negro: cobertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="222"/>
        <source>SUN</source>
        <translation>SOL</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="231"/>
        <source>next visibility</source>
        <translation>próxima visibilidad</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="235"/>
        <source>current position</source>
        <translation>posición actual</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="57"/>
        <source>Error BitMap</source>
        <translation>Error de BitMap</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="71"/>
        <source>================ W A R N I N G ===================</source>
        <translation>============== A D V E R T E N C I A =============</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="72"/>
        <source>If you want to display your own earth map, it must </source>
        <translation>Si quiere mostrar su propio mapa de la Tierra, este debe </translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="73"/>
        <source>- show the WHOLE Earth in equirectangular (plate carrée) representation</source>
        <translation>- mostrar TODA la Tierra en proyección equirrectangular (plate carrée)</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="74"/>
        <source>- be centered on latitude 0 / longitude 180</source>
        <translation>- estar centrado en latitud 0 / longitud 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="75"/>
        <source>- be centered on latitude 0 / longitude 0</source>
        <translation>- estar centrado en latitud 0 / longitud 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="76"/>
        <source>- be a BitMap image</source>
        <translation>- ser una imagen BitMap</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="77"/>
        <source>- has a width exactly twice the height (ex : 600x300 pixels)</source>
        <translation>- tener una anchura exactamente doble que la altura (ej.: 600x300 píxeles)</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="78"/>
        <source> If these constraints are not respected, curves and positions on your map won&apos;t be correct</source>
        <translation> Si no se respetan estas condiciones, las curvas y posiciones en su mapa no serán correctas</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="79"/>
        <source> To reinitiate with the original map, enter &lt;original.bmp&gt; </source>
        <translation> Para volver al mapa original, introduzca &lt;original.bmp&gt; </translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="94"/>
        <source>Bitmap error</source>
        <translation>Error de bitmap</translation>
    </message>
</context>
</TS>
