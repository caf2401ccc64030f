<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>map::TFormHelpMap</name>
    <message>
        <location filename="../../map/form_help_map.cpp" line="27"/>
        <source>Local station location</source>
        <translation>Standort der eigenen Station</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="29"/>
        <source>DX station location (click right to change location)</source>
        <translation>Standort der DX-Station (Rechtsklick zum Ändern)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="31"/>
        <source>Current satellite location when visible (*). Refreshed as menu</source>
        <translation>Aktuelle Satellitenposition, wenn sichtbar (*). Aktualisiert wie im Menü</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="33"/>
        <source>Same as above but satellite in eclipse</source>
        <translation>Wie oben, aber Satellit im Erdschatten</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="35"/>
        <source>Current satellite location if NOT visible. Refreshed every min</source>
        <translation>Aktuelle Satellitenposition, wenn NICHT sichtbar. Jede Minute aktualisiert</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="37"/>
        <source>Future satellite location when visible on DD/MM/YY HH:MM (*)</source>
        <translation>Künftige Satellitenposition, wenn sichtbar am TT/MM/JJ HH:MM (*)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="39"/>
        <source>Current sun location. Refreshed every 2 min</source>
        <translation>Aktuelle Sonnenposition. Alle 2 Min. aktualisiert</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="41"/>
        <source>Current coverage if satellite is visible. Refreshed as menu</source>
        <translation>Aktuelle Ausleuchtzone, wenn der Satellit sichtbar ist. Aktualisiert wie im Menü</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="43"/>
        <source>Current coverage of satellite if NOT visible. Refreshed every min</source>
        <translation>Aktuelle Ausleuchtzone des Satelliten, wenn NICHT sichtbar. Jede Minute aktualisiert</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="45"/>
        <source>Future coverage when satellte will be visible on DD/MM/YY HH:MM</source>
        <translation>Künftige Ausleuchtzone, wenn der Satellit am TT/MM/JJ HH:MM sichtbar ist</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="47"/>
        <source>Future or current orbit until next visibility</source>
        <translation>Künftige oder aktuelle Bahn bis zur nächsten Sichtbarkeit</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="49"/>
        <source>Footprint during current or future visibility</source>
        <translation>Bodenspur während der aktuellen oder künftigen Sichtbarkeit</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="51"/>
        <source>Day/night transition (Sun). Refreshed every 2 minutes</source>
        <translation>Tag-Nacht-Grenze (Sonne). Alle 2 Minuten aktualisiert</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="52"/>
        <source>* : asterisk = satellite in eclipse</source>
        <translation>* : Sternchen = Satellit im Erdschatten</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="54"/>
        <source>Move the mouse on an element to know more about it</source>
        <translation>Bewegen Sie die Maus auf ein Element, um mehr darüber zu erfahren</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="94"/>
        <source>MAP KEY</source>
        <translation>KARTENLEGENDE</translation>
    </message>
</context>
<context>
    <name>map::TFormMap</name>
    <message>
        <location filename="../../map/form_map.cpp" line="40"/>
        <source>ORVANE MAP</source>
        <translation>ORVANE KARTE</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="44"/>
        <source>Show coverage area</source>
        <translation>Ausleuchtzone anzeigen</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="53"/>
        <source>BitMap image (*.bmp)</source>
        <translation>BitMap-Bild (*.bmp)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="270"/>
        <source>&amp;Drawing</source>
        <translation>&amp;Zeichnung</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="271"/>
        <source>Visibility pass + Footprint during visibilty (current or next if not visible)</source>
        <translation>Sichtbarer Überflug + Bodenspur während der Sichtbarkeit (aktuell oder nächster, wenn nicht sichtbar)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="272"/>
        <source>Current coverage and next visibilty pass if not currently visible</source>
        <translation>Aktuelle Ausleuchtzone und nächster sichtbarer Überflug, wenn jetzt nicht sichtbar</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="273"/>
        <source>Current coverage only</source>
        <translation>Nur aktuelle Ausleuchtzone</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="274"/>
        <source>Visibilty pass only (current or next if not currently visible)</source>
        <translation>Nur sichtbarer Überflug (aktuell oder nächster, wenn jetzt nicht sichtbar)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="275"/>
        <source>&amp;Sun</source>
        <translation>&amp;Sonne</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="276"/>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="277"/>
        <source>Sun + darkness</source>
        <translation>Sonne + Dunkelheit</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="278"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="279"/>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="280"/>
        <source>Refresh</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="282"/>
        <source>every %1 s</source>
        <translation>alle %1 s</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="283"/>
        <source>Pen width</source>
        <translation>Strichstärke</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="284"/>
        <source>&amp;Centre</source>
        <translation>&amp;Zentrierung</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="285"/>
        <source>Longitude 0</source>
        <translation>Länge 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="286"/>
        <source>Longitude 180</source>
        <translation>Länge 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="287"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Vergrößerung</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="288"/>
        <source>&amp;My Map</source>
        <translation>&amp;Meine Karte</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="289"/>
        <source>If centered on longitude 0</source>
        <translation>Wenn auf Länge 0 zentriert</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="290"/>
        <source>If centered on longitude 180</source>
        <translation>Wenn auf Länge 180 zentriert</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="294"/>
        <source>Stay on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="296"/>
        <source>To see full coverage</source>
        <translation>Gesamte Ausleuchtzone anzeigen</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="297"/>
        <source>To Clear full coverage</source>
        <translation>Gesamte Ausleuchtzone löschen</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="298"/>
        <source>Fast motion until next visibility</source>
        <translation>Zeitraffer bis zur nächsten Sichtbarkeit</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="98"/>
        <source>Red: Current coverage</source>
        <translation>Rot: aktuelle Ausleuchtzone</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="139"/>
        <location filename="../../map/form_map_watch.cpp" line="177"/>
        <source>Violet: Current coverage; Satellite not visible</source>
        <translation>Violett: aktuelle Ausleuchtzone; Satellit nicht sichtbar</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="168"/>
        <source>Black: Next visibility pass on</source>
        <translation>Schwarz: nächster sichtbarer Überflug am</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="127"/>
        <source>Black: Full coverage</source>
        <translation>Schwarz: gesamte Ausleuchtzone</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="222"/>
        <source>SUN</source>
        <translation>SONNE</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="231"/>
        <source>next visibility</source>
        <translation>nächste Sichtbarkeit</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="235"/>
        <source>current position</source>
        <translation>aktuelle Position</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="57"/>
        <source>Error BitMap</source>
        <translation>BitMap-Fehler</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="71"/>
        <source>================ W A R N I N G ===================</source>
        <translation>================ W A R N U N G ===================</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="72"/>
        <source>If you want to display your own earth map, it must </source>
        <translation>Wenn Sie Ihre eigene Erdkarte anzeigen wollen, muss sie </translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="73"/>
        <source>- show the WHOLE Earth in equirectangular (plate carrée) representation</source>
        <translation>- die GANZE Erde in abstandstreuer Zylinderprojektion (plate carrée) zeigen</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="74"/>
        <source>- be centered on latitude 0 / longitude 180</source>
        <translation>- auf Breite 0 / Länge 180 zentriert sein</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="75"/>
        <source>- be centered on latitude 0 / longitude 0</source>
        <translation>- auf Breite 0 / Länge 0 zentriert sein</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="76"/>
        <source>- be a BitMap image</source>
        <translation>- ein BitMap-Bild sein</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="77"/>
        <source>- has a width exactly twice the height (ex : 600x300 pixels)</source>
        <translation>- genau doppelt so breit wie hoch sein (z. B. 600x300 Pixel)</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="78"/>
        <source> If these constraints are not respected, curves and positions on your map won&apos;t be correct</source>
        <translation> Werden diese Bedingungen nicht eingehalten, sind Kurven und Positionen auf Ihrer Karte falsch</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="79"/>
        <source> To reinitiate with the original map, enter &lt;original.bmp&gt; </source>
        <translation> Um zur Originalkarte zurückzukehren, geben Sie &lt;original.bmp&gt; ein </translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="94"/>
        <source>Bitmap error</source>
        <translation>Bitmap-Fehler</translation>
    </message>
</context>
</TS>
