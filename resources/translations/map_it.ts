<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>map::TFormHTML</name>
    <message>
        <location filename="../../map/form_html.cpp" line="180"/>
        <source>HTML disabled</source>
        <translation>HTML disattivato</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="186"/>
        <source>Update:</source>
        <translation>Aggiornamento:</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="191"/>
        <source>Upload disabled</source>
        <translation>Invio disattivato</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="197"/>
        <source>Upload process</source>
        <translation>Invio in corso</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="200"/>
        <source>Upload success</source>
        <translation>Invio riuscito</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="203"/>
        <source>Upload failure</source>
        <translation>Invio fallito</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="211"/>
        <source>The HTML page and relevant image are saved in the &quot;html&quot; directory of Orvane. If upload on ftp server is enabled, give authorization to the firewall.</source>
        <translation>La pagina HTML e la relativa immagine sono salvate nella cartella &quot;html&quot; di Orvane. Se l&apos;invio al server ftp è attivato, autorizzarlo nel firewall.</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="213"/>
        <source>Check to enable the HTML creation each minute</source>
        <translation>Spuntare per creare la pagina HTML ogni minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="214"/>
        <source>Check to upload on ftp server each minute</source>
        <translation>Spuntare per inviare al server ftp ogni minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="215"/>
        <source>Picture size in the page</source>
        <translation>Dimensione dell&apos;immagine nella pagina</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="216"/>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="217"/>
        <source>Refresh period of the browser (sec)</source>
        <translation>Periodo di aggiornamento del browser (s)</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="218"/>
        <source>host: ftp.</source>
        <translation>server: ftp.</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="219"/>
        <source>host dir:</source>
        <translation>cartella:</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="220"/>
        <source>user:</source>
        <translation>utente:</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="221"/>
        <source>pw:</source>
        <translation>password:</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="222"/>
        <source>TEST HTML</source>
        <translation>PROVA HTML</translation>
    </message>
    <message>
        <location filename="../../map/form_html.cpp" line="223"/>
        <source>TEST Upload</source>
        <translation>PROVA Invio</translation>
    </message>
</context>
<context>
    <name>map::TFormHelpMap</name>
    <message>
        <location filename="../../map/form_help_map.cpp" line="28"/>
        <source>Local station location</source>
        <translation>Posizione della stazione locale</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="30"/>
        <source>DX station location (click right to change location)</source>
        <translation>Posizione della stazione DX (clic destro per cambiarla)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="32"/>
        <source>Current satellite location when visible (*). Refreshed as menu</source>
        <translation>Posizione attuale del satellite quando è visibile (*). Aggiornata come da menu</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="34"/>
        <source>Same as above but satellite in eclipse</source>
        <translation>Come sopra ma satellite in eclisse</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="36"/>
        <source>Current satellite location if NOT visible. Refreshed every min</source>
        <translation>Posizione attuale del satellite se NON è visibile. Aggiornata ogni minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="38"/>
        <source>Future satellite location when visible on DD/MM/YY HH:MM (*)</source>
        <translation>Posizione futura del satellite quando sarà visibile il GG/MM/AA HH:MM (*)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="40"/>
        <source>Current sun location. Refreshed every 2 min</source>
        <translation>Posizione attuale del sole. Aggiornata ogni 2 min</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="42"/>
        <source>Current coverage if satellite is visible. Refreshed as menu</source>
        <translation>Copertura attuale se il satellite è visibile. Aggiornata come da menu</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="44"/>
        <source>Current coverage of satellite if NOT visible. Refreshed every min</source>
        <translation>Copertura attuale del satellite se NON è visibile. Aggiornata ogni minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="46"/>
        <source>Future coverage when satellte will be visible on DD/MM/YY HH:MM</source>
        <translation>Copertura futura quando il satellite sarà visibile il GG/MM/AA HH:MM</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="48"/>
        <source>Future or current orbit until next visibility</source>
        <translation>Orbita futura o attuale fino alla prossima visibilità</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="50"/>
        <source>Footprint during current or future visibility</source>
        <translation>Traccia a terra durante la visibilità attuale o futura</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="52"/>
        <source>Day/night transition (Sun). Refreshed every 2 minutes</source>
        <translation>Confine giorno/notte (Sole). Aggiornato ogni 2 minuti</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="53"/>
        <source>* : asterisk = satellite in eclipse</source>
        <translation>* : asterisco = satellite in eclisse</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="55"/>
        <source>Move the mouse on an element to know more about it</source>
        <translation>Posizionare il mouse su un elemento per saperne di più</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="96"/>
        <source>MAP KEY</source>
        <translation>LEGENDA DELLA MAPPA</translation>
    </message>
</context>
<context>
    <name>map::TFormMap</name>
    <message>
        <location filename="../../map/form_map.cpp" line="42"/>
        <source>ORVANE MAP</source>
        <translation>ORVANE MAPPA</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="46"/>
        <source>Show coverage area</source>
        <translation>Mostrare la zona di copertura</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="55"/>
        <source>BitMap image (*.bmp)</source>
        <translation>Immagine BitMap (*.bmp)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="274"/>
        <source>&amp;Drawing</source>
        <translation>&amp;Disegno</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="275"/>
        <source>Visibility pass + Footprint during visibilty (current or next if not visible)</source>
        <translation>Passaggio visibile + traccia durante la visibilità (attuale o successivo se non visibile)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="276"/>
        <source>Current coverage and next visibilty pass if not currently visible</source>
        <translation>Copertura attuale e prossimo passaggio visibile se ora non è visibile</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="277"/>
        <source>Current coverage only</source>
        <translation>Solo copertura attuale</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="278"/>
        <source>Visibilty pass only (current or next if not currently visible)</source>
        <translation>Solo passaggio visibile (attuale o successivo se ora non è visibile)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="279"/>
        <source>&amp;Sun</source>
        <translation>&amp;Sole</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="280"/>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="281"/>
        <source>Sun + darkness</source>
        <translation>Sole + oscurità</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="282"/>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="283"/>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="284"/>
        <source>Refresh</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="286"/>
        <source>every %1 s</source>
        <translation>ogni %1 s</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="287"/>
        <source>Pen width</source>
        <translation>Spessore del tratto</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="288"/>
        <source>&amp;Centre</source>
        <translation>&amp;Centratura</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="289"/>
        <source>Longitude 0</source>
        <translation>Longitudine 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="290"/>
        <source>Longitude 180</source>
        <translation>Longitudine 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="291"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Ingrandimento</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="292"/>
        <source>&amp;My Map</source>
        <translation>&amp;La mia mappa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="293"/>
        <source>If centered on longitude 0</source>
        <translation>Se centrata sulla longitudine 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="294"/>
        <source>If centered on longitude 180</source>
        <translation>Se centrata sulla longitudine 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="298"/>
        <source>Stay on top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="300"/>
        <source>To see full coverage</source>
        <translation>Per vedere la copertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="301"/>
        <source>To Clear full coverage</source>
        <translation>Per cancellare la copertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="302"/>
        <source>Fast motion until next visibility</source>
        <translation>Movimento veloce fino alla prossima visibilità</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="98"/>
        <source>Red: Current coverage</source>
        <translation>Rosso: copertura attuale</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="139"/>
        <location filename="../../map/form_map_watch.cpp" line="178"/>
        <source>Violet: Current coverage; Satellite not visible</source>
        <translation>Viola: copertura attuale; satellite non visibile</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="168"/>
        <source>Black: Next visibility pass on</source>
        <translation>Nero: prossimo passaggio visibile il</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="128"/>
        <source>Black: Full coverage</source>
        <translation>Nero: copertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="223"/>
        <source>SUN</source>
        <translation>SOLE</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="232"/>
        <source>next visibility</source>
        <translation>prossima visibilità</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="236"/>
        <source>current position</source>
        <translation>posizione attuale</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="57"/>
        <source>Error BitMap</source>
        <translation>Errore BitMap</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="71"/>
        <source>================ W A R N I N G ===================</source>
        <translation>============== A T T E N Z I O N E ===============</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="72"/>
        <source>If you want to display your own earth map, it must </source>
        <translation>Se si vuole mostrare la propria mappa della Terra, essa deve </translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="73"/>
        <source>- show the WHOLE Earth in equirectangular (plate carrée) representation</source>
        <translation>- mostrare TUTTA la Terra in proiezione equirettangolare (plate carrée)</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="74"/>
        <source>- be centered on latitude 0 / longitude 180</source>
        <translation>- essere centrata su latitudine 0 / longitudine 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="75"/>
        <source>- be centered on latitude 0 / longitude 0</source>
        <translation>- essere centrata su latitudine 0 / longitudine 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="76"/>
        <source>- be a BitMap image</source>
        <translation>- essere un&apos;immagine BitMap</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="77"/>
        <source>- has a width exactly twice the height (ex : 600x300 pixels)</source>
        <translation>- avere una larghezza esattamente doppia dell&apos;altezza (es.: 600x300 pixel)</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="78"/>
        <source> If these constraints are not respected, curves and positions on your map won&apos;t be correct</source>
        <translation> Se questi vincoli non sono rispettati, curve e posizioni sulla mappa non saranno corrette</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="79"/>
        <source> To reinitiate with the original map, enter &lt;original.bmp&gt; </source>
        <translation> Per tornare alla mappa originale, inserire &lt;original.bmp&gt; </translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="94"/>
        <source>Bitmap error</source>
        <translation>Errore bitmap</translation>
    </message>
    <message>
        <location filename="../../map/form_map_export.cpp" line="71"/>
        <source>Can&apos;t create %1</source>
        <translation>Impossibile creare %1</translation>
    </message>
</context>
</TS>
