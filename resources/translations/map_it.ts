<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>map::TFormHelpMap</name>
    <message>
        <location filename="../../map/form_help_map.cpp" line="27"/>
        <source>Local station location</source>
        <translation>Posizione della stazione locale</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="29"/>
        <source>DX station location (click right to change location)</source>
        <translation>Posizione della stazione DX (clic destro per cambiarla)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="31"/>
        <source>Current satellite location when visible (*). Refreshed as menu</source>
        <translation>Posizione attuale del satellite quando è visibile (*). Aggiornata come da menu</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="33"/>
        <source>Same as above but satellite in eclipse</source>
        <translation>Come sopra ma satellite in eclisse</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="35"/>
        <source>Current satellite location if NOT visible. Refreshed every min</source>
        <translation>Posizione attuale del satellite se NON è visibile. Aggiornata ogni minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="37"/>
        <source>Future satellite location when visible on DD/MM/YY HH:MM (*)</source>
        <translation>Posizione futura del satellite quando sarà visibile il GG/MM/AA HH:MM (*)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="39"/>
        <source>Current sun location. Refreshed every 2 min</source>
        <translation>Posizione attuale del sole. Aggiornata ogni 2 min</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="41"/>
        <source>Current coverage if satellite is visible. Refreshed as menu</source>
        <translation>Copertura attuale se il satellite è visibile. Aggiornata come da menu</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="43"/>
        <source>Current coverage of satellite if NOT visible. Refreshed every min</source>
        <translation>Copertura attuale del satellite se NON è visibile. Aggiornata ogni minuto</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="45"/>
        <source>Future coverage when satellte will be visible on DD/MM/YY HH:MM</source>
        <translation>Copertura futura quando il satellite sarà visibile il GG/MM/AA HH:MM</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="47"/>
        <source>Future or current orbit until next visibility</source>
        <translation>Orbita futura o attuale fino alla prossima visibilità</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="49"/>
        <source>Footprint during current or future visibility</source>
        <translation>Traccia a terra durante la visibilità attuale o futura</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="51"/>
        <source>Day/night transition (Sun). Refreshed every 2 minutes</source>
        <translation>Confine giorno/notte (Sole). Aggiornato ogni 2 minuti</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="52"/>
        <source>* : asterisk = satellite in eclipse</source>
        <translation>* : asterisco = satellite in eclisse</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="54"/>
        <source>Move the mouse on an element to know more about it</source>
        <translation>Posizionare il mouse su un elemento per saperne di più</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="94"/>
        <source>MAP KEY</source>
        <translation>LEGENDA DELLA MAPPA</translation>
    </message>
</context>
<context>
    <name>map::TFormMap</name>
    <message>
        <location filename="../../map/form_map.cpp" line="40"/>
        <source>ORVANE MAP</source>
        <translation>ORVANE MAPPA</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="44"/>
        <source>Show coverage area</source>
        <translation>Mostrare la zona di copertura</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="53"/>
        <source>BitMap image (*.bmp)</source>
        <translation>Immagine BitMap (*.bmp)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="270"/>
        <source>&amp;Drawing</source>
        <translation>&amp;Disegno</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="271"/>
        <source>Visibility pass + Footprint during visibilty (current or next if not visible)</source>
        <translation>Passaggio visibile + traccia durante la visibilità (attuale o successivo se non visibile)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="272"/>
        <source>Current coverage and next visibilty pass if not currently visible</source>
        <translation>Copertura attuale e prossimo passaggio visibile se ora non è visibile</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="273"/>
        <source>Current coverage only</source>
        <translation>Solo copertura attuale</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="274"/>
        <source>Visibilty pass only (current or next if not currently visible)</source>
        <translation>Solo passaggio visibile (attuale o successivo se ora non è visibile)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="275"/>
        <source>&amp;Sun</source>
        <translation>&amp;Sole</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="276"/>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="277"/>
        <source>Sun + darkness</source>
        <translation>Sole + oscurità</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="278"/>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="279"/>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="280"/>
        <source>Refresh</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="282"/>
        <source>every %1 s</source>
        <translation>ogni %1 s</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="283"/>
        <source>Pen width</source>
        <translation>Spessore del tratto</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="284"/>
        <source>&amp;Centre</source>
        <translation>&amp;Centratura</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="285"/>
        <source>Longitude 0</source>
        <translation>Longitudine 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="286"/>
        <source>Longitude 180</source>
        <translation>Longitudine 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="287"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Ingrandimento</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="288"/>
        <source>&amp;My Map</source>
        <translation>&amp;La mia mappa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="289"/>
        <source>If centered on longitude 0</source>
        <translation>Se centrata sulla longitudine 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="290"/>
        <source>If centered on longitude 180</source>
        <translation>Se centrata sulla longitudine 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="294"/>
        <source>Stay on top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="296"/>
        <source>To see full coverage</source>
        <translation>Per vedere la copertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="297"/>
        <source>To Clear full coverage</source>
        <translation>Per cancellare la copertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="298"/>
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
        <location filename="../../map/form_map_watch.cpp" line="177"/>
        <source>Violet: Current coverage; Satellite not visible</source>
        <translation>Viola: copertura attuale; satellite non visibile</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="168"/>
        <source>Black: Next visibility pass on</source>
        <translation>Nero: prossimo passaggio visibile il</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="127"/>
        <source>Black: Full coverage</source>
        <translation>Nero: copertura completa</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="222"/>
        <source>SUN</source>
        <translation>SOLE</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="231"/>
        <source>next visibility</source>
        <translation>prossima visibilità</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="235"/>
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
</context>
</TS>
