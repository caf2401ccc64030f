<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Messages</name>
    <message>
        <location filename="../../app/languages.cpp" line="132"/>
        <source>Can&apos;t create Orvane.ini</source>
        <translation>No se puede crear Orvane.ini</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="133"/>
        <location filename="../../app/languages.cpp" line="178"/>
        <source>Can&apos;t open the satellite data file</source>
        <translation>No se puede abrir el archivo de datos de satélites</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="138"/>
        <location filename="../../app/languages.cpp" line="185"/>
        <source>The 3-line file is limited to 1000 satellites<byte value="xd"/>
 Please split this or choose a shorter file</source>
        <translation>El archivo de 3 líneas está limitado a 1000 satélites<byte value="xd"/>
 Divídalo o elija un archivo más corto</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="145"/>
        <source>Enter your locator or lattitude+longitude, please ...</source>
        <translation>Introduzca su locator o latitud+longitud, por favor ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="149"/>
        <source>Enter your altitude please ...</source>
        <translation>Introduzca su altitud, por favor ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="152"/>
        <source>Enter your local time difference with UTC please...</source>
        <translation>Introduzca la diferencia entre su hora local y UTC, por favor...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="156"/>
        <source>Enter 3-line file path and name please...</source>
        <translation>Introduzca la ruta y el nombre del archivo de 3 líneas, por favor...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="159"/>
        <source>Choose 1 to %1 satellites please...</source>
        <translation>Elija de 1 a %1 satélites, por favor...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="162"/>
        <source>%1 satellites maximum please ...</source>
        <translation>%1 satélites como máximo, por favor ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="165"/>
        <source>Local time has changed ! Please update time lag between local time/UTC.</source>
        <translation>¡La hora local ha cambiado! Actualice la diferencia entre la hora local y UTC.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="169"/>
        <source>You quit ORVANE ! Are you sure ?</source>
        <translation>¡Va a salir de ORVANE! ¿Está seguro?</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="172"/>
        <source>A DDE conversation is in progress ! Please close the client conversation before quitting !</source>
        <translation>¡Hay un intercambio DDE en curso! ¡Cierre el cliente antes de salir!</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="181"/>
        <source>One or more satellites are missing in your Two-Line-Elements file</source>
        <translation>Faltan uno o varios satélites en su archivo de elementos orbitales</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="191"/>
        <source>Satellite visibility</source>
        <translation>Visibilidad de satélites</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="207"/>
        <source>The texts of this language could not be loaded. The language stays unchanged.</source>
        <translation>No se han podido cargar los textos de este idioma. El idioma no cambia.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="134"/>
        <source>larger than %1 MB</source>
        <translation>mayor de %1 MB</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="135"/>
        <source>Orvane.ini could not be read at start and is kept as it is. The settings of this session are saved in Orvane.ini.new.</source>
        <translation>No se pudo leer Orvane.ini al iniciar y se conserva tal cual. Los ajustes de esta sesión se guardan en Orvane.ini.new.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="195"/>
        <source>Orvane.ini could not be read: %1</source>
        <translation>No se pudo leer Orvane.ini: %1</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="199"/>
        <source>Can&apos;t create Orvane.dat</source>
        <translation>No se puede crear Orvane.dat</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="203"/>
        <source>Erreur/Error Orvane.nfo</source>
        <translation>Error Orvane.nfo</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <location filename="../../app/form1_groups.cpp" line="174"/>
        <source>The element file %1 cannot be read from line %2 on</source>
        <translation>El fichero de elementos %1 no se puede leer a partir de la línea %2</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="245"/>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2 líneas, texto (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="246"/>
        <source>All/Tous (*)</source>
        <translation>Todos (*)</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="246"/>
        <source>OMM elements (*.csv *.xml *.json)</source>
        <translation>Elementos OMM (*.csv *.xml *.json)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="171"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="172"/>
        <source>&amp;Rename satellites</source>
        <translation>&amp;Renombrar satélites</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="173"/>
        <source>&amp;Save data pass to file</source>
        <translation>&amp;Guardar el paso en un archivo</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="174"/>
        <source>Don&apos;t control checksums of the TLE files</source>
        <translation>No comprobar las sumas de control de los archivos TLE</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="175"/>
        <source>Don&apos;t confirm when quitting</source>
        <translation>No pedir confirmación al salir</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="176"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="177"/>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="178"/>
        <source>&amp;Group</source>
        <translation>&amp;Grupo</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="179"/>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="180"/>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="181"/>
        <source>AZ Beam</source>
        <translation>Rumbo AZ</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="182"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="183"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="184"/>
        <source>Starting &amp;Date</source>
        <translation>&amp;Fecha de inicio</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="185"/>
        <source>Display &amp;UTC</source>
        <translation>Mostrar &amp;UTC</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="186"/>
        <source>Display current time in 24-hour format</source>
        <translation>Mostrar la hora actual en formato de 24 horas</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="187"/>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="188"/>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="189"/>
        <source>&amp;Reduced</source>
        <translation>&amp;Reducida</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="190"/>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="191"/>
        <source>Getting started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="192"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="193"/>
        <source>&amp;About Orvane</source>
        <translation>&amp;Acerca de Orvane</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="194"/>
        <source>Check for a new release when opening the program.</source>
        <translation>Buscar una nueva versión al abrir el programa.</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="196"/>
        <source>INITIALIZATION</source>
        <translation>CONFIGURACIÓN</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="197"/>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="198"/>
        <source>QRA locator</source>
        <translation>Locator QRA</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="199"/>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="200"/>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="201"/>
        <source>Altitude (m)</source>
        <translation>Altitud (m)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="202"/>
        <source>Local time - UTC (h)</source>
        <translation>Hora local - UTC (h)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="203"/>
        <source>Locator form : AR09AX</source>
        <translation>Formato del locator: AR09AX</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="204"/>
        <location filename="../../app/form1_menus.cpp" line="205"/>
        <source>Form : 45.123456789</source>
        <translation>Formato: 45.123456789</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="206"/>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Grados, minutos, segundos a grados decimales</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="207"/>
        <source>Satellite groups</source>
        <translation>Grupos de satélites</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="208"/>
        <source>BROWSE</source>
        <translation>EXAMINAR</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="209"/>
        <source>Group name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="210"/>
        <source>to change group name</source>
        <translation>para cambiar el nombre del grupo</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="211"/>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="212"/>
        <source>to reset the group</source>
        <translation>para reiniciar el grupo</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="213"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="214"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="215"/>
        <source>Red satellites out of work</source>
        <translation>Satélites en rojo fuera de servicio</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="216"/>
        <location filename="../../app/form1_tracking.cpp" line="190"/>
        <source>Antenna interface</source>
        <translation>Interfaz de antena</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="217"/>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="218"/>
        <source>Minimum elevation (degrees)</source>
        <translation>Elevación mínima (grados)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="219"/>
        <source>Sound alarm when a satellite rises</source>
        <translation>Alarma sonora al salir un satélite</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="220"/>
        <source>Alarm length (seconds)</source>
        <translation>Duración de la alarma (segundos)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="221"/>
        <source>Warning before the satellite rises</source>
        <translation>Aviso antes de la salida del satélite</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="222"/>
        <source>Warning time (minutes)</source>
        <translation>Antelación del aviso (minutos)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="223"/>
        <source>EXPLORE</source>
        <translation>EXPLORAR</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="224"/>
        <source>SATELLITE  : IN    FOR</source>
        <translation>SATÉLITE   :EN    DUR.</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="225"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="226"/>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="184"/>
        <location filename="../../app/form1_passes.cpp" line="119"/>
        <source>The elements of %1 are damaged in your Two-Line-Elements file</source>
        <translation>Los elementos de %1 están dañados en su archivo de elementos orbitales</translation>
    </message>
    <message>
        <location filename="../../app/form1_station.cpp" line="68"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un número decimal válido</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="189"/>
        <source>ANT</source>
        <translation>ANT</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="191"/>
        <source>Antenna</source>
        <translation>Antena</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="192"/>
        <source>Doppler</source>
        <translation>Doppler</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="193"/>
        <source>RX Doppler (Hz)</source>
        <translation>Doppler RX (Hz)</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="194"/>
        <source>TX Doppler (Hz)</source>
        <translation>Doppler TX (Hz)</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="195"/>
        <source>TRACK</source>
        <translation>SEGUIR</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="196"/>
        <source>PARK</source>
        <translation>APARCAR</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="197"/>
        <source>Antennas to their parking position</source>
        <translation>Antenas a su posición de aparcamiento</translation>
    </message>
    <message>
        <location filename="../../app/form1_server.cpp" line="101"/>
        <source>TCPIP</source>
        <translation>TCPIP</translation>
    </message>
    <message>
        <location filename="../../app/form1_radio.cpp" line="86"/>
        <source>Radio modes and antenna of the satellite</source>
        <translation>Modos de radio y antena del satélite</translation>
    </message>
    <message>
        <location filename="../../app/form1_radio.cpp" line="87"/>
        <source>Your notes about the satellite</source>
        <translation>Sus notas sobre el satélite</translation>
    </message>
    <message>
        <location filename="../../app/form1_window_size.cpp" line="66"/>
        <source>Click here to resize window</source>
        <translation>Haga clic aquí para cambiar el tamaño de la ventana</translation>
    </message>
    <message>
        <location filename="../../app/form1_window_size.cpp" line="67"/>
        <source>24 hour schedule</source>
        <translation>Horario de 24 horas</translation>
    </message>
    <message>
        <location filename="../../app/form1_window_size.cpp" line="68"/>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
</context>
<context>
    <name>app::TFormDialog</name>
    <message>
        <location filename="../../app/form_dialog.cpp" line="43"/>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location filename="../../app/form_dialog.cpp" line="44"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>app::TFormRename</name>
    <message>
        <location filename="../../app/form_rename.cpp" line="45"/>
        <source>ORVANE - Rename Satellites</source>
        <translation>ORVANE - Renombrar satélites</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="46"/>
        <source>Old name or NORAD number</source>
        <translation>Nombre antiguo o número NORAD</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="46"/>
        <source>New name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="47"/>
        <source>It is recommanded to use the NORAD satellite number as reference</source>
        <translation>Se recomienda usar el número NORAD del satélite como referencia</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="48"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="49"/>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
</TS>
