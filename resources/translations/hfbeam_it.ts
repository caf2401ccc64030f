<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>tools::TFormFavorites</name>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="57"/>
        <source>Favorite azimuths</source>
        <translation>Azimut preferiti</translation>
    </message>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="58"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="59"/>
        <source>Label</source>
        <translation>Etichetta</translation>
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
        <translation>Il file supera 5 MB</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam.cpp" line="182"/>
        <source>Can&apos;t open the file</source>
        <translation>Impossibile aprire il file</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="202"/>
        <source>AZ BEAM </source>
        <translation>AZ FASCIO </translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="203"/>
        <source>DX position</source>
        <translation>Posizione DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="204"/>
        <source>Azimuth (deg)</source>
        <translation>Azimut (gradi)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="205"/>
        <source>Distance (km)</source>
        <translation>Distanza (km)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="206"/>
        <source>AZ COMMAND</source>
        <translation>COMANDO AZ</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="207"/>
        <source>STOP</source>
        <translation>ARRESTO</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="208"/>
        <source>Click right to define the favorite azimuths</source>
        <translation>Clic destro per definire gli azimut preferiti</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="209"/>
        <source>To enable or disable azimuth command</source>
        <translation>Per attivare o disattivare il comando di azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="210"/>
        <source>To stop azimuth command</source>
        <translation>Per fermare il comando di azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="211"/>
        <source>Opposite azimuth (Long Pass)</source>
        <translation>Azimut opposto (percorso lungo)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="212"/>
        <source>No CB country list is available</source>
        <translation>Nessun elenco di paesi CB disponibile</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="213"/>
        <source>Click right to load your own list (*.bdx)</source>
        <translation>Clic destro per caricare il proprio elenco (*.bdx)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="214"/>
        <source>Format of your own list</source>
        <translation>Formato del proprio elenco</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="215"/>
        <source>Azimuth to command</source>
        <translation>Azimut da comandare</translation>
    </message>
</context>
<context>
    <name>tools::TFormHelpMyList</name>
    <message>
        <location filename="../../tools/form_help_my_list.cpp" line="24"/>
        <source>Your own list</source>
        <translation>Il proprio elenco</translation>
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
        <translation>Il proprio elenco è un file di testo con estensione .bdx, un luogo per riga.
I campi di una riga sono separati da un TAB:
  1) prefisso, numero o qualsiasi riferimento
  2) nome del luogo o nominativo
  3) latitudine in gradi decimali, come 48.85N o 33.87S
  4) longitudine in gradi decimali, come 2.35E o 151.21E
  5) un commento (facoltativo)
Il separatore decimale può essere un punto o una virgola; la parte decimale è facoltativa.
Le righe che contengono &quot;=&quot;, &quot;/&quot; o &quot;_&quot; vengono saltate; le righe che iniziano con &quot;[&quot; sono commenti.
Clic destro su MY LIST per scegliere il file.</translation>
    </message>
</context>
</TS>
