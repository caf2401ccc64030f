<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>tools::TFormFavorites</name>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="57"/>
        <source>Favorite azimuths</source>
        <translation>Azimuts favoritos</translation>
    </message>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="58"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_favorites.cpp" line="59"/>
        <source>Label</source>
        <translation>Etiqueta</translation>
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
        <translation>El archivo supera 5 MB</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam.cpp" line="182"/>
        <source>Can&apos;t open the file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="202"/>
        <source>AZ BEAM </source>
        <translation>AZ ANTENA </translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="203"/>
        <source>DX position</source>
        <translation>Posición DX</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="204"/>
        <source>Azimuth (deg)</source>
        <translation>Azimut (grados)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="205"/>
        <source>Distance (km)</source>
        <translation>Distancia (km)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="206"/>
        <source>AZ COMMAND</source>
        <translation>MANDO AZ</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="207"/>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="208"/>
        <source>Click right to define the favorite azimuths</source>
        <translation>Clic derecho para definir los azimuts favoritos</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="209"/>
        <source>To enable or disable azimuth command</source>
        <translation>Para activar o desactivar el mando de azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="210"/>
        <source>To stop azimuth command</source>
        <translation>Para detener el mando de azimut</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="211"/>
        <source>Opposite azimuth (Long Pass)</source>
        <translation>Azimut opuesto (camino largo)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="212"/>
        <source>No CB country list is available</source>
        <translation>No hay lista de países CB disponible</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="213"/>
        <source>Click right to load your own list (*.bdx)</source>
        <translation>Clic derecho para cargar su propia lista (*.bdx)</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="214"/>
        <source>Format of your own list</source>
        <translation>Formato de su propia lista</translation>
    </message>
    <message>
        <location filename="../../tools/form_hf_beam_build.cpp" line="215"/>
        <source>Azimuth to command</source>
        <translation>Azimut a mandar</translation>
    </message>
</context>
<context>
    <name>tools::TFormHelpMyList</name>
    <message>
        <location filename="../../tools/form_help_my_list.cpp" line="24"/>
        <source>Your own list</source>
        <translation>Su propia lista</translation>
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
        <translation>Su propia lista es un archivo de texto con la extensión .bdx, un lugar por línea.
Los campos de una línea están separados por un TAB:
  1) prefijo, número o cualquier referencia
  2) nombre del lugar o indicativo
  3) latitud en grados decimales, como 48.85N o 33.87S
  4) longitud en grados decimales, como 2.35E o 151.21E
  5) un comentario (opcional)
El separador decimal puede ser un punto o una coma; la parte decimal es opcional.
Se omiten las líneas que contienen &quot;=&quot;, &quot;/&quot; o &quot;_&quot;; las líneas que empiezan por &quot;[&quot; son comentarios.
Haga clic derecho en MY LIST para elegir el archivo.</translation>
    </message>
</context>
</TS>
