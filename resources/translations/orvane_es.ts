<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Messages</name>
    <message>
        <source>Can't create Orvane.ini</source>
        <translation>No se puede crear Orvane.ini</translation>
    </message>
    <message>
        <source>Can't open the satellite data file</source>
        <translation>No se puede abrir el archivo de datos de satélites</translation>
    </message>
    <message>
        <source>The 3-line file is limited to 1000 satellites<byte value="xd" />
 Please split this or choose a shorter file</source>
        <translation>El archivo de 3 líneas está limitado a 1000 satélites<byte value="xd" />
 Divídalo o elija un archivo más corto</translation>
    </message>
    <message>
        <source>Enter your locator or lattitude+longitude, please ...</source>
        <translation>Introduzca su locator o latitud+longitud, por favor ...</translation>
    </message>
    <message>
        <source>Enter your altitude please ...</source>
        <translation>Introduzca su altitud, por favor ...</translation>
    </message>
    <message>
        <source>Enter your local time difference with UTC please...</source>
        <translation>Introduzca la diferencia entre su hora local y UTC, por favor...</translation>
    </message>
    <message>
        <source>Enter 3-line file path and name please...</source>
        <translation>Introduzca la ruta y el nombre del archivo de 3 líneas, por favor...</translation>
    </message>
    <message>
        <source>Choose 1 to %1 satellites please...</source>
        <translation>Elija de 1 a %1 satélites, por favor...</translation>
    </message>
    <message>
        <source>%1 satellites maximum please ...</source>
        <translation>%1 satélites como máximo, por favor ...</translation>
    </message>
    <message>
        <source>Local time has changed ! Please update time lag between local time/UTC.</source>
        <translation>¡La hora local ha cambiado! Actualice la diferencia entre la hora local y UTC.</translation>
    </message>
    <message>
        <source>You quit ORVANE ! Are you sure ?</source>
        <translation>¡Va a salir de ORVANE! ¿Está seguro?</translation>
    </message>
    <message>
        <source>A DDE conversation is in progress ! Please close the client conversation before quitting !</source>
        <translation>¡Hay una conversación DDE en curso! Cierre la conversación del cliente antes de salir.</translation>
    </message>
    <message>
        <source>One or more satellites are missing in your Two-Line-Elements file</source>
        <translation>Faltan uno o varios satélites en su archivo de elementos orbitales</translation>
    </message>
    <message>
        <source>Satellite visibility</source>
        <translation>Visibilidad de satélites</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2 líneas, texto (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <source>All/Tous (*)</source>
        <translation>Todos (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Rename satellites</source>
        <translation>&amp;Renombrar satélites</translation>
    </message>
    <message>
        <source>&amp;Save data pass to file</source>
        <translation>&amp;Guardar el paso en un archivo</translation>
    </message>
    <message>
        <source>Don't control checksums of the TLE files</source>
        <translation>No comprobar las sumas de control de los archivos TLE</translation>
    </message>
    <message>
        <source>Don't confirm when quitting</source>
        <translation>No pedir confirmación al salir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Grupo</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>AZ Beam</source>
        <translation>Rumbo AZ</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Starting &amp;Date</source>
        <translation>&amp;Fecha de inicio</translation>
    </message>
    <message>
        <source>Display &amp;UTC</source>
        <translation>Mostrar &amp;UTC</translation>
    </message>
    <message>
        <source>Display current time in 24-hour format</source>
        <translation>Mostrar la hora actual en formato de 24 horas</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Reduced</source>
        <translation>&amp;Reducida</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;Acerca de Orvane</translation>
    </message>
    <message>
        <source>Check for a new release when opening the program.</source>
        <translation>Buscar una nueva versión al abrir el programa.</translation>
    </message>
    <message>
        <source>INITIALIZATION</source>
        <translation>CONFIGURACIÓN</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>QRA locator</source>
        <translation>Locator QRA</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Altitud (m)</translation>
    </message>
    <message>
        <source>Local time - UTC (h)</source>
        <translation>Hora local - UTC (h)</translation>
    </message>
    <message>
        <source>Locator form : AR09AX</source>
        <translation>Formato del locator: AR09AX</translation>
    </message>
    <message>
        <source>Form : 45.123456789</source>
        <translation>Formato: 45.123456789</translation>
    </message>
    <message>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Grados, minutos, segundos a grados decimales</translation>
    </message>
    <message>
        <source>Satellite groups</source>
        <translation>Grupos de satélites</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>EXAMINAR</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <source>to change group name</source>
        <translation>para cambiar el nombre del grupo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>to reset the group</source>
        <translation>para reiniciar el grupo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Red satellites out of work</source>
        <translation>Satélites en rojo fuera de servicio</translation>
    </message>
    <message>
        <source>Antenna interface</source>
        <translation>Interfaz de antena</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Minimum elevation (degrees)</source>
        <translation>Elevación mínima (grados)</translation>
    </message>
    <message>
        <source>Sound alarm when a satellite rises</source>
        <translation>Alarma sonora al salir un satélite</translation>
    </message>
    <message>
        <source>Alarm length (seconds)</source>
        <translation>Duración de la alarma (segundos)</translation>
    </message>
    <message>
        <source>Warning before the satellite rises</source>
        <translation>Aviso antes de la salida del satélite</translation>
    </message>
    <message>
        <source>Warning time (minutes)</source>
        <translation>Antelación del aviso (minutos)</translation>
    </message>
    <message>
        <source>EXPLORE</source>
        <translation>EXPLORAR</translation>
    </message>
    <message>
        <source>SATELLITE  : IN    FOR</source>
        <translation>SATÉLITE   :EN    DUR.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>The elements of %1 are damaged in your Two-Line-Elements file</source>
        <translation>Los elementos de %1 están dañados en su archivo de elementos orbitales</translation>
    </message>
    <message>
        <source>'%1' is not a valid floating point value</source>
        <translation>'%1' no es un número decimal válido</translation>
    </message>
</context>
<context>
    <name>app::TFormDialog</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>app::TFormRename</name>
    <message>
        <source>ORVANE - Rename Satellites</source>
        <translation>ORVANE - Renombrar satélites</translation>
    </message>
    <message>
        <source>Old name or NORAD number</source>
        <translation>Nombre antiguo o número NORAD</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>It is recommanded to use the NORAD satellite number as reference</source>
        <translation>Se recomienda usar el número NORAD del satélite como referencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
</TS>