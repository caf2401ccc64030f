<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>app::download::HelpTextWindow</name>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="34"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>app::download::LoginPanel</name>
    <message>
        <location filename="../../app/download/login_panel.cpp" line="39"/>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <location filename="../../app/download/login_panel.cpp" line="41"/>
        <source>No page could be loaded.</source>
        <translation>No se pudo cargar ninguna página.</translation>
    </message>
    <message>
        <location filename="../../app/download/login_panel.cpp" line="42"/>
        <source>Page: %1</source>
        <translation>Página: %1</translation>
    </message>
</context>
<context>
    <name>app::download::TFormAPropos</name>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="60"/>
        <source>A more recent release is available ! Please see menu ? About Orvane</source>
        <translation>¡ Hay una versión más reciente ! Vea el menú ? Acerca de Orvane</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="64"/>
        <source>About Orvane</source>
        <translation>Acerca de Orvane</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="65"/>
        <source>Look for a new release when opening the program.</source>
        <translation>Buscar una nueva versión al abrir el programa.</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="66"/>
        <source>Check if I am up to date</source>
        <translation>Comprobar si estoy al día</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="68"/>
        <source>Other programs of the maker: %1</source>
        <translation>Otros programas del autor: %1</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="70"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="89"/>
        <source>Internet failure !</source>
        <translation>¡ Fallo de Internet !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="94"/>
        <source>You are using the latest release!</source>
        <translation>¡ Usa la última versión !</translation>
    </message>
</context>
<context>
    <name>app::download::TFormAlarmTLE</name>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="64"/>
        <source>The TLE file <byte value="xd"/>
%1<byte value="xd"/>
 is older than %2 days !</source>
        <translation>El archivo TLE <byte value="xd"/>
%1<byte value="xd"/>
 tiene más de %2 días !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="65"/>
        <source>Do you want to download a more recent release ?</source>
        <translation>¿ Desea descargar una versión más reciente ?</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="66"/>
        <source>Don&apos;t warn me anymore when a TLE file is too old (not recommended !)</source>
        <translation>No avisarme más cuando un archivo TLE sea demasiado antiguo (¡ no recomendado !)</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="69"/>
        <source>PLEASE WAIT !
<byte value="xd"/>Orvane is downloading the last TLE file</source>
        <translation>¡ ESPERE POR FAVOR !
<byte value="xd"/>Orvane está descargando el último archivo TLE</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="73"/>
        <source>Automatic download of this file was already tried in this run.
<byte value="xd"/>Click OK to download</source>
        <translation>La descarga automática de este archivo ya se intentó en esta sesión.
<byte value="xd"/>Pulse OK para descargar</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="77"/>
        <source>Automatic downloading is disabled.
<byte value="xd"/>Click OK to download</source>
        <translation>La descarga automática está desactivada.
<byte value="xd"/>Pulse OK para descargar</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="80"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="81"/>
        <source>NO</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>app::download::TFormHlpDownload</name>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="64"/>
        <source>ORVANE - Download help</source>
        <translation>ORVANE - Ayuda de descarga</translation>
    </message>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="68"/>
        <source>File URL: the address of a 3-line element file (http or https). A file compressed with gzip is unpacked.
To local file: where the file is stored, usually the element file of the group. The previous file is replaced only when the new one holds valid element sets.

Orvane asks a server for the same file at most once in two hours; press Download a second time to fetch it anyway.

The age alarm warns when the group&apos;s element file is older than the number of days given. With automatic download, the file is fetched without a click.</source>
        <translation>URL del archivo: la dirección de un archivo de elementos de 3 líneas (http o https). Un archivo comprimido con gzip se descomprime.
Al archivo local: dónde se guarda el archivo, normalmente el archivo de elementos del grupo. El archivo anterior solo se reemplaza cuando el nuevo contiene juegos de elementos válidos.

Orvane pide el mismo archivo a un servidor como mucho una vez cada dos horas; pulse Descargar una segunda vez para descargarlo de todos modos.

La alarma de antigüedad avisa cuando el archivo de elementos del grupo tiene más días de los indicados. Con la descarga automática, el archivo se descarga sin ningún clic.</translation>
    </message>
</context>
<context>
    <name>app::download::TFormHlpLogin</name>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="45"/>
        <source>ORVANE - Login help</source>
        <translation>ORVANE - Ayuda de conexión</translation>
    </message>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="49"/>
        <source>Some services give their element files only to registered users.

Login URL: the address of the service&apos;s login page (http or https). Leave &quot;http://&quot; when the file needs no login.
User name and password: your account at that service. The password is sent only to the login page&apos;s own site, and only in a form.

For the space-track.org service Orvane fills in the login page itself. For any other service the page is shown with its fields: complete them, press Submit, and press Continue once you are logged in.

A successful login is kept until the program ends or you press Disconnect.</source>
        <translation>Algunos servicios solo entregan sus archivos de elementos a usuarios registrados.

URL de conexión: la dirección de la página de conexión del servicio (http o https). Deje &quot;http://&quot; si el archivo no necesita conexión.
Usuario y contraseña: su cuenta en ese servicio. La contraseña solo se envía al propio sitio de la página de conexión, y solo en un formulario.

Para el servicio space-track.org, Orvane rellena él mismo la página de conexión. Para cualquier otro servicio la página se muestra con sus campos: complételos, pulse Enviar y pulse Continuar una vez conectado.

Una conexión lograda se conserva hasta que termina el programa o pulsa Desconectar.</translation>
    </message>
</context>
<context>
    <name>app::download::TFormTLEinfo</name>
    <message>
        <location filename="../../app/download/form_tle_info.cpp" line="32"/>
        <source>The TLE file %1 has been updated!</source>
        <translation>¡ El archivo TLE %1 se ha actualizado !</translation>
    </message>
</context>
<context>
    <name>app::download::TFormWEB</name>
    <message>
        <location filename="../../app/download/form_web.cpp" line="172"/>
        <source>3-LINE ELEMENTS DOWNLOADING</source>
        <translation>DESCARGA DE ELEMENTOS DE 3 LÍNEAS</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="173"/>
        <source>File URL (http or https only) :</source>
        <translation>URL del archivo (solo http o https) :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="174"/>
        <source>Login URL (http or https only) :</source>
        <translation>URL de conexión (solo http o https) :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="175"/>
        <source>User name :</source>
        <translation>Usuario :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="176"/>
        <source>Password :</source>
        <translation>Contraseña :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="177"/>
        <source>to local file (full path):</source>
        <translation>al archivo local (ruta completa):</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="178"/>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="179"/>
        <source>Please, notify me if the TLE file is older than </source>
        <translation>Avisarme si el archivo TLE tiene más de </translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="180"/>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="181"/>
        <source>Automatic download if TLE file is too old</source>
        <translation>Descarga automática si el archivo TLE es demasiado antiguo</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="182"/>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="183"/>
        <source>to start login or download if no login required</source>
        <translation>para iniciar la conexión, o la descarga si no hace falta conexión</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="184"/>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="185"/>
        <source>to continue download after login success</source>
        <translation>para continuar la descarga tras conectarse</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="186"/>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="187"/>
        <source>to forget the login of this session</source>
        <translation>para olvidar la conexión de esta sesión</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="188"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="189"/>
        <source>Help about the login fields</source>
        <translation>Ayuda sobre los campos de conexión</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="190"/>
        <source>Help about the download fields</source>
        <translation>Ayuda sobre los campos de descarga</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="192"/>
        <source>Pse Login WEB site. If success click CONTINUE. If failure click CLOSE and check data</source>
        <translation>Conéctese al sitio WEB. Si lo consigue pulse CONTINUAR. Si falla pulse CERRAR y revise los datos</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="203"/>
        <source>Download 3-line elements from WEB</source>
        <translation>Descargar elementos de 3 líneas de la WEB</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="211"/>
        <source>Login URL ....</source>
        <translation>URL de conexión ....</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="213"/>
        <source>Checking cookie ... Please wait a few seconds</source>
        <translation>Comprobando la cookie ... Espere unos segundos</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="215"/>
        <source>URL error</source>
        <translation>Error de URL</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="217"/>
        <source>Fetched less than two hours ago. Press Download again to fetch it anyway.</source>
        <translation>Descargado hace menos de dos horas. Pulse Descargar otra vez para descargarlo de todos modos.</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="219"/>
        <source>Downloading ....</source>
        <translation>Descargando ....</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="221"/>
        <source>Error ! Not Text file !</source>
        <translation>¡ Error ! ¡ No es un archivo de texto !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="223"/>
        <source>GZip extracting</source>
        <translation>Extrayendo GZip</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="225"/>
        <source>Extracting error</source>
        <translation>Error de extracción</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="227"/>
        <source>Downloading completed OK</source>
        <translation>Descarga terminada correctamente</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="229"/>
        <source>Login error</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="231"/>
        <source>Can&apos;t write the TLE file</source>
        <translation>No se puede escribir el archivo TLE</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="238"/>
        <location filename="../../app/download/form_web.cpp" line="269"/>
        <source>HTTP %1</source>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="241"/>
        <source>empty answer</source>
        <translation>respuesta vacía</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="244"/>
        <source>transfer cut off</source>
        <translation>transferencia interrumpida</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="247"/>
        <source>time-out</source>
        <translation>tiempo agotado</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="250"/>
        <source>server not reachable</source>
        <translation>servidor inaccesible</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="253"/>
        <source>certificate not trusted</source>
        <translation>certificado no fiable</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="256"/>
        <source>file too large</source>
        <translation>archivo demasiado grande</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="259"/>
        <source>not an http or https address</source>
        <translation>no es una dirección http o https</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="262"/>
        <source>too many redirections</source>
        <translation>demasiadas redirecciones</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="270"/>
        <source>Downloading error </source>
        <translation>Error de descarga </translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="369"/>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2 líneas, texto (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="370"/>
        <source>All/Tous (*)</source>
        <translation>Todos (*)</translation>
    </message>
</context>
</TS>
