<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>map::TFormHTML</name>
    <message>
        <location filename="../../map/form_html.cpp" line="180"/>
        <source>HTML disabled</source>
        <translation>HTML desactivado</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="186"/>
        <source>Update:</source>
        <translation>Actualización:</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="191"/>
        <source>Upload disabled</source>
        <translation>Envío desactivado</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="197"/>
        <source>Upload process</source>
        <translation>Envío en curso</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="200"/>
        <source>Upload success</source>
        <translation>Envío correcto</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="203"/>
        <source>Upload failure</source>
        <translation>Fallo del envío</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="211"/>
        <source>The HTML page and relevant image are saved in the &quot;html&quot; directory of Orvane. If upload on ftp server is enabled, give authorization to the firewall.</source>
        <translation>La página HTML y la imagen correspondiente se guardan en la carpeta &quot;html&quot; de Orvane. Si el envío al servidor ftp está activado, autorícelo en el cortafuegos.</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="213"/>
        <source>Check to enable the HTML creation each minute</source>
        <translation>Marcar para crear la página HTML cada minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="214"/>
        <source>Check to upload on ftp server each minute</source>
        <translation>Marcar para enviar al servidor ftp cada minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="215"/>
        <source>Picture size in the page</source>
        <translation>Tamaño de la imagen en la página</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="216"/>
        <source>Original</source>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="217"/>
        <source>Refresh period of the browser (sec)</source>
        <translation>Periodo de actualización del navegador (s)</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="218"/>
        <source>host: ftp.</source>
        <translation>servidor: ftp.</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="219"/>
        <source>host dir:</source>
        <translation>carpeta:</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="220"/>
        <source>user:</source>
        <translation>usuario:</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="221"/>
        <source>pw:</source>
        <translation>contraseña:</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="222"/>
        <source>TEST HTML</source>
        <translation>PRUEBA HTML</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="223"/>
        <source>TEST Upload</source>
        <translation>PRUEBA Envío</translation>
    </message>
</context>
<context>
    <name>map::TFormHelpMap</name>
    <message>
        <location filename="../../map/form_help_map.cpp" line="28"/>
        <source>Local station location</source>
        <translation>Ubicación de la estación local</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="30"/>
        <source>DX station location (click right to change location)</source>
        <translation>Ubicación de la estación DX (clic derecho para cambiarla)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="32"/>
        <source>Current satellite location when visible (*). Refreshed as menu</source>
        <translation>Posición actual del satélite cuando es visible (*). Se refresca según el menú</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="34"/>
        <source>Same as above but satellite in eclipse</source>
        <translation>Igual que arriba pero con el satélite en eclipse</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="36"/>
        <source>Current satellite location if NOT visible. Refreshed every min</source>
        <translation>Posición actual del satélite si NO es visible. Se refresca cada minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="38"/>
        <source>Future satellite location when visible on DD/MM/YY HH:MM (*)</source>
        <translation>Posición futura del satélite cuando sea visible el DD/MM/AA HH:MM (*)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="40"/>
        <source>Current sun location. Refreshed every 2 min</source>
        <translation>Posición actual del sol. Se refresca cada 2 min</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="42"/>
        <source>Current coverage if satellite is visible. Refreshed as menu</source>
        <translation>Cobertura actual si el satélite es visible. Se refresca según el menú</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="44"/>
        <source>Current coverage of satellite if NOT visible. Refreshed every min</source>
        <translation>Cobertura actual del satélite si NO es visible. Se refresca cada minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="46"/>
        <source>Future coverage when satellte will be visible on DD/MM/YY HH:MM</source>
        <translation>Cobertura futura cuando el satélite sea visible el DD/MM/AA HH:MM</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="48"/>
        <source>Future or current orbit until next visibility</source>
        <translation>Órbita futura o actual hasta la próxima visibilidad</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="50"/>
        <source>Footprint during current or future visibility</source>
        <translation>Traza durante la visibilidad actual o futura</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="52"/>
        <source>Day/night transition (Sun). Refreshed every 2 minutes</source>
        <translation>Transición día/noche (Sol). Se refresca cada 2 minutos</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="53"/>
        <source>* : asterisk = satellite in eclipse</source>
        <translation>* : asterisco = satélite en eclipse</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="55"/>
        <source>Move the mouse on an element to know more about it</source>
        <translation>Mueva el ratón sobre un elemento para saber más</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="96"/>
        <source>MAP KEY</source>
        <translation>LEYENDA DEL MAPA</translation>
    </message>
</context>
<context>
    <name>map::TFormMap</name>
    <message>
        <location filename="../../map/form_map.cpp" line="42"/>
        <source>ORVANE MAP</source>
        <translation>ORVANE MAPA</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="46"/>
        <source>Show coverage area</source>
        <translation>Mostrar la zona de cobertura</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="55"/>
        <source>BitMap image (*.bmp)</source>
        <translation>Imagen BitMap (*.bmp)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="274"/>
        <source>&amp;Drawing</source>
        <translation>&amp;Dibujo</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="275"/>
        <source>Visibility pass + Footprint during visibilty (current or next if not visible)</source>
        <translation>Pase visible + traza durante la visibilidad (actual o siguiente si no es visible)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="276"/>
        <source>Current coverage and next visibilty pass if not currently visible</source>
        <translation>Cobertura actual y próximo pase visible si no es visible ahora</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="277"/>
        <source>Current coverage only</source>
        <translation>Solo la cobertura actual</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="278"/>
        <source>Visibilty pass only (current or next if not currently visible)</source>
        <translation>Solo el pase visible (actual o siguiente si no es visible ahora)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="279"/>
        <source>&amp;Sun</source>
        <translation>&amp;Sol</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="280"/>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="281"/>
        <source>Sun + darkness</source>
        <translation>Sol + oscuridad</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="282"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="283"/>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="284"/>
        <source>Refresh</source>
        <translation>Refresco</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="286"/>
        <source>every %1 s</source>
        <translation>cada %1 s</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="287"/>
        <source>Pen width</source>
        <translation>Grosor del trazo</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="288"/>
        <source>&amp;Centre</source>
        <translation>&amp;Centrado</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="289"/>
        <source>Longitude 0</source>
        <translation>Longitud 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="290"/>
        <source>Longitude 180</source>
        <translation>Longitud 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="291"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Ampliación</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="292"/>
        <source>&amp;My Map</source>
        <translation>&amp;Mi mapa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="293"/>
        <source>If centered on longitude 0</source>
        <translation>Si está centrado en la longitud 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="294"/>
        <source>If centered on longitude 180</source>
        <translation>Si está centrado en la longitud 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="298"/>
        <source>Stay on top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="300"/>
        <source>To see full coverage</source>
        <translation>Para ver la cobertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="301"/>
        <source>To Clear full coverage</source>
        <translation>Para borrar la cobertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="302"/>
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
        <location filename="../../map/form_map_watch.cpp" line="178"/>
        <source>Violet: Current coverage; Satellite not visible</source>
        <translation>Violeta: cobertura actual; satélite no visible</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="168"/>
        <source>Black: Next visibility pass on</source>
        <translation>Negro: próximo pase visible el</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="128"/>
        <source>Black: Full coverage</source>
        <translation>Negro: cobertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="223"/>
        <source>SUN</source>
        <translation>SOL</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="232"/>
        <source>next visibility</source>
        <translation>próxima visibilidad</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="236"/>
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
    <message>
        <location filename="../../map/form_map_export.cpp" line="71"/>
        <source>Can&apos;t create %1</source>
        <translation>No se puede crear %1</translation>
    </message>
</context>
</TS>
