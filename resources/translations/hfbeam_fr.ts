<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tools::TFormFavorites</name>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="57"/>
        <source>Favorite azimuths</source>
        <translation>Azimuts favoris</translation>
    </message>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="58"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="59"/>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="60"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tools::TFormHFBeam</name>
    <message>
        <location filename="../../tools/form_hf_beam.cpp" line="181"/>
        <source>The file is larger than 5 MB</source>
        <translation>Le fichier dépasse 5 Mo</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam.cpp" line="182"/>
        <source>Can&apos;t open the file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="202"/>
        <source>AZ BEAM </source>
        <translation>AZ FAISCEAU </translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="203"/>
        <source>DX position</source>
        <translation>Position DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="204"/>
        <source>Azimuth (deg)</source>
        <translation>Azimut (degrés)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="205"/>
        <source>Distance (km)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="206"/>
        <source>AZ COMMAND</source>
        <translation>COMMANDE AZ</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="207"/>
        <source>STOP</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="208"/>
        <source>Click right to define the favorite azimuths</source>
        <translation>Clic droit pour définir les azimuts favoris</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="209"/>
        <source>To enable or disable azimuth command</source>
        <translation>Pour activer ou désactiver la commande d&apos;azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="210"/>
        <source>To stop azimuth command</source>
        <translation>Pour arrêter la commande d&apos;azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="211"/>
        <source>Opposite azimuth (Long Pass)</source>
        <translation>Azimut opposé (grand chemin)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="212"/>
        <source>No CB country list is available</source>
        <translation>Aucune liste de pays CB n&apos;est disponible</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="213"/>
        <source>Click right to load your own list (*.bdx)</source>
        <translation>Clic droit pour charger votre propre liste (*.bdx)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="214"/>
        <source>Format of your own list</source>
        <translation>Format de votre propre liste</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="215"/>
        <source>Azimuth to command</source>
        <translation>Azimut à commander</translation>
    </message>
</context>
<context>
    <name>tools::TFormHelpMyList</name>
    <message>
        <location filename="../../tools/form_help_my_list.cpp" line="24"/>
        <source>Your own list</source>
        <translation>Votre propre liste</translation>
    </message>
    <message>
        <location filename="../../tools/form_help_my_list.cpp" line="26"/>
        <source>Your own list is a text file with the extension .bdx, one place a line.
The fields of a line are separated by a TAB:
  1) prefix, number or any reference
  2) name of the place or call sign
  3) latitude in decimal degrees, such as 48.85N or 33.87S
  4) longitude in decimal degrees, such as 2.35E or 151.21E
  5) a comment (optional)
The decimal separator may be a point or a comma; the decimal part is optional.
Lines containing &quot;=&quot;, &quot;/&quot; or &quot;_&quot; are skipped; lines beginning with &quot;[&quot; are comments.
Click right on MY LIST to choose the file.</source>
        <translation>Votre propre liste est un fichier texte d&apos;extension .bdx, un lieu par ligne.
Les champs d&apos;une ligne sont séparés par une TAB :
  1) préfixe, numéro ou toute référence
  2) nom du lieu ou indicatif
  3) latitude en degrés décimaux, par exemple 48.85N ou 33.87S
  4) longitude en degrés décimaux, par exemple 2.35E ou 151.21E
  5) un commentaire (facultatif)
Le séparateur décimal peut être un point ou une virgule ; la partie décimale est facultative.
Les lignes contenant &quot;=&quot;, &quot;/&quot; ou &quot;_&quot; sont ignorées ; les lignes commençant par &quot;[&quot; sont des commentaires.
Clic droit sur MY LIST pour choisir le fichier.</translation>
    </message>
</context>
</TS>
