<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>map::TFormHelpMap</name>
    <message>
        <location filename="../../map/form_help_map.cpp" line="27"/>
        <source>Local station location</source>
        <translation>Position de la station locale</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="29"/>
        <source>DX station location (click right to change location)</source>
        <translation>Position de la station DX (clic droit pour la changer)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="31"/>
        <source>Current satellite location when visible (*). Refreshed as menu</source>
        <translation>Position actuelle du satellite quand il est visible (*). Rafraîchie selon le menu</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="33"/>
        <source>Same as above but satellite in eclipse</source>
        <translation>Comme ci-dessus mais satellite en éclipse</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="35"/>
        <source>Current satellite location if NOT visible. Refreshed every min</source>
        <translation>Position actuelle du satellite s&apos;il n&apos;est PAS visible. Rafraîchie chaque minute</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="37"/>
        <source>Future satellite location when visible on DD/MM/YY HH:MM (*)</source>
        <translation>Position future du satellite quand il sera visible le JJ/MM/AA HH:MM (*)</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="39"/>
        <source>Current sun location. Refreshed every 2 min</source>
        <translation>Position actuelle du soleil. Rafraîchie toutes les 2 min</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="41"/>
        <source>Current coverage if satellite is visible. Refreshed as menu</source>
        <translation>Couverture actuelle si le satellite est visible. Rafraîchie selon le menu</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="43"/>
        <source>Current coverage of satellite if NOT visible. Refreshed every min</source>
        <translation>Couverture actuelle du satellite s&apos;il n&apos;est PAS visible. Rafraîchie chaque minute</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="45"/>
        <source>Future coverage when satellte will be visible on DD/MM/YY HH:MM</source>
        <translation>Couverture future quand le satellite sera visible le JJ/MM/AA HH:MM</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="47"/>
        <source>Future or current orbit until next visibility</source>
        <translation>Orbite future ou actuelle jusqu&apos;à la prochaine visibilité</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="49"/>
        <source>Footprint during current or future visibility</source>
        <translation>Trace au sol pendant la visibilité actuelle ou future</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="51"/>
        <source>Day/night transition (Sun). Refreshed every 2 minutes</source>
        <translation>Limite jour/nuit (Soleil). Rafraîchie toutes les 2 minutes</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="52"/>
        <source>* : asterisk = satellite in eclipse</source>
        <translation>* : astérisque = satellite en éclipse</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="54"/>
        <source>Move the mouse on an element to know more about it</source>
        <translation>Placez la souris sur un élément pour en savoir plus</translation>
    </message>
    <message>
        <location filename="../../map/form_help_map.cpp" line="94"/>
        <source>MAP KEY</source>
        <translation>LÉGENDE DE LA CARTE</translation>
    </message>
</context>
<context>
    <name>map::TFormMap</name>
    <message>
        <location filename="../../map/form_map.cpp" line="40"/>
        <source>ORVANE MAP</source>
        <translation>ORVANE CARTE</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="44"/>
        <source>Show coverage area</source>
        <translation>Afficher la zone de couverture</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="53"/>
        <source>BitMap image (*.bmp)</source>
        <translation>Image BitMap (*.bmp)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="270"/>
        <source>&amp;Drawing</source>
        <translation>&amp;Dessin</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="271"/>
        <source>Visibility pass + Footprint during visibilty (current or next if not visible)</source>
        <translation>Passage visible + trace pendant la visibilité (actuel ou suivant si non visible)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="272"/>
        <source>Current coverage and next visibilty pass if not currently visible</source>
        <translation>Couverture actuelle et prochain passage visible s&apos;il n&apos;est pas visible actuellement</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="273"/>
        <source>Current coverage only</source>
        <translation>Couverture actuelle seulement</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="274"/>
        <source>Visibilty pass only (current or next if not currently visible)</source>
        <translation>Passage visible seulement (actuel ou suivant s&apos;il n&apos;est pas visible actuellement)</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="275"/>
        <source>&amp;Sun</source>
        <translation>&amp;Soleil</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="276"/>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="277"/>
        <source>Sun + darkness</source>
        <translation>Soleil + obscurité</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="278"/>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="279"/>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="280"/>
        <source>Refresh</source>
        <translation>Rafraîchissement</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="282"/>
        <source>every %1 s</source>
        <translation>toutes les %1 s</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="283"/>
        <source>Pen width</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="284"/>
        <source>&amp;Centre</source>
        <translation>&amp;Centrage</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="285"/>
        <source>Longitude 0</source>
        <translation>Longitude 0°</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="286"/>
        <source>Longitude 180</source>
        <translation>Longitude 180°</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="287"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Agrandissement</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="288"/>
        <source>&amp;My Map</source>
        <translation>&amp;Ma carte</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="289"/>
        <source>If centered on longitude 0</source>
        <translation>Si centrée sur la longitude 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="290"/>
        <source>If centered on longitude 180</source>
        <translation>Si centrée sur la longitude 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="294"/>
        <source>Stay on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="296"/>
        <source>To see full coverage</source>
        <translation>Pour voir la couverture complète</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="297"/>
        <source>To Clear full coverage</source>
        <translation>Pour effacer la couverture complète</translation>
    </message>
    <message>
        <location filename="../../map/form_map.cpp" line="298"/>
        <source>Fast motion until next visibility</source>
        <translation>Mouvement rapide jusqu&apos;à la prochaine visibilité</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="98"/>
        <source>Red: Current coverage</source>
        <translation>Rouge : couverture actuelle</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="139"/>
        <location filename="../../map/form_map_watch.cpp" line="177"/>
        <source>Violet: Current coverage; Satellite not visible</source>
        <translation>Violet : couverture actuelle ; satellite non visible</translation>
    </message>
    <message>
        <location filename="../../map/form_map_draw.cpp" line="168"/>
        <source>Black: Next visibility pass on</source>
        <translation>Noir : prochain passage visible le</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="127"/>
        <source>Black: Full coverage</source>
        <translation>Noir : couverture complète</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="222"/>
        <source>SUN</source>
        <translation>SOLEIL</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="231"/>
        <source>next visibility</source>
        <translation>prochaine visibilité</translation>
    </message>
    <message>
        <location filename="../../map/form_map_watch.cpp" line="235"/>
        <source>current position</source>
        <translation>position actuelle</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="57"/>
        <source>Error BitMap</source>
        <translation>Erreur BitMap</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="71"/>
        <source>================ W A R N I N G ===================</source>
        <translation>============== A T T E N T I O N =================</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="72"/>
        <source>If you want to display your own earth map, it must </source>
        <translation>Si vous voulez afficher votre propre carte de la Terre, elle doit </translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="73"/>
        <source>- show the WHOLE Earth in equirectangular (plate carrée) representation</source>
        <translation>- montrer la Terre ENTIÈRE en projection équirectangulaire (plate carrée)</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="74"/>
        <source>- be centered on latitude 0 / longitude 180</source>
        <translation>- être centrée sur la latitude 0 / longitude 180</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="75"/>
        <source>- be centered on latitude 0 / longitude 0</source>
        <translation>- être centrée sur la latitude 0 / longitude 0</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="76"/>
        <source>- be a BitMap image</source>
        <translation>- être une image BitMap</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="77"/>
        <source>- has a width exactly twice the height (ex : 600x300 pixels)</source>
        <translation>- avoir une largeur égale à exactement deux fois la hauteur (ex : 600x300 pixels)</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="78"/>
        <source> If these constraints are not respected, curves and positions on your map won&apos;t be correct</source>
        <translation> Si ces contraintes ne sont pas respectées, les courbes et positions sur votre carte seront fausses</translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="79"/>
        <source> To reinitiate with the original map, enter &lt;original.bmp&gt; </source>
        <translation> Pour revenir à la carte d&apos;origine, entrez &lt;original.bmp&gt; </translation>
    </message>
    <message>
        <location filename="../../map/form_map_user.cpp" line="94"/>
        <source>Bitmap error</source>
        <translation>Erreur de bitmap</translation>
    </message>
</context>
</TS>
