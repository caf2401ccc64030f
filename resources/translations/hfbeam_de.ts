<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>tools::TFormFavorites</name>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="57"/>
        <source>Favorite azimuths</source>
        <translation>Lieblingsazimute</translation>
    </message>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="58"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="59"/>
        <source>Label</source>
        <translation>Beschriftung</translation>
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
        <translation>Die Datei ist größer als 5 MB</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam.cpp" line="182"/>
        <source>Can&apos;t open the file</source>
        <translation>Die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="202"/>
        <source>AZ BEAM </source>
        <translation>AZ STRAHL </translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="203"/>
        <source>DX position</source>
        <translation>DX-Position</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="204"/>
        <source>Azimuth (deg)</source>
        <translation>Azimut (Grad)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="205"/>
        <source>Distance (km)</source>
        <translation>Entfernung (km)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="206"/>
        <source>AZ COMMAND</source>
        <translation>AZ-STEUERUNG</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="207"/>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="208"/>
        <source>Click right to define the favorite azimuths</source>
        <translation>Rechtsklick, um die Lieblingsazimute festzulegen</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="209"/>
        <source>To enable or disable azimuth command</source>
        <translation>Azimutsteuerung ein- oder ausschalten</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="210"/>
        <source>To stop azimuth command</source>
        <translation>Azimutsteuerung anhalten</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="211"/>
        <source>Opposite azimuth (Long Pass)</source>
        <translation>Gegenazimut (Long Path)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="212"/>
        <source>No CB country list is available</source>
        <translation>Keine CB-Länderliste verfügbar</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="213"/>
        <source>Click right to load your own list (*.bdx)</source>
        <translation>Rechtsklick, um die eigene Liste (*.bdx) zu laden</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="214"/>
        <source>Format of your own list</source>
        <translation>Format der eigenen Liste</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="215"/>
        <source>Azimuth to command</source>
        <translation>Zu steuernder Azimut</translation>
    </message>
</context>
<context>
    <name>tools::TFormHelpMyList</name>
    <message>
        <location filename="../../tools/form_help_my_list.cpp" line="24"/>
        <source>Your own list</source>
        <translation>Eigene Liste</translation>
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
        <translation>Die eigene Liste ist eine Textdatei mit der Endung .bdx, ein Ort pro Zeile.
Die Felder einer Zeile sind durch einen TAB getrennt:
  1) Präfix, Nummer oder beliebige Referenz
  2) Name des Ortes oder Rufzeichen
  3) Breite in Dezimalgrad, etwa 48.85N oder 33.87S
  4) Länge in Dezimalgrad, etwa 2.35E oder 151.21E
  5) ein Kommentar (optional)
Das Dezimaltrennzeichen darf ein Punkt oder ein Komma sein; der Nachkommateil ist optional.
Zeilen mit &quot;=&quot;, &quot;/&quot; oder &quot;_&quot; werden übersprungen; Zeilen, die mit &quot;[&quot; beginnen, sind Kommentare.
Rechtsklick auf MY LIST, um die Datei zu wählen.</translation>
    </message>
</context>
</TS>
