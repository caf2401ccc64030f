<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>sharing::DdeServer</name>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="80"/>
        <source>DDE server off: no D-Bus session bus</source>
        <translation>Servidor DDE apagado: no hay bus de sesión D-Bus</translation>
    </message>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="83"/>
        <source>DDE server off: %1</source>
        <translation>Servidor DDE apagado: %1</translation>
    </message>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="86"/>
        <source>DDE server off: the name %1 is held by another program</source>
        <translation>Servidor DDE apagado: otro programa ocupa el nombre %1</translation>
    </message>
</context>
<context>
    <name>sharing::GroupBoxServer</name>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="99"/>
        <source>To initialize TCPIP server</source>
        <translation>Para inicializar el servidor TCPIP</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="105"/>
        <source>Server is running not connected</source>
        <translation>Servidor corriendo no conectado</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="107"/>
        <source>Server is running and connected</source>
        <translation>Servidor corriendo y conectado</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="111"/>
        <source>Server is stopped</source>
        <translation>Servidor parado</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="115"/>
        <source>TCPIP Server</source>
        <translation>Servidor TCPIP</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="116"/>
        <source>IPs :</source>
        <translation>IPs :</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="117"/>
        <source>Port :</source>
        <translation>Puerto :</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="118"/>
        <source>Please check IP(s) to start server or uncheck IPs to stop server</source>
        <translation>Por favor marque la IP(s) para iniciar el servidor o desmarque para parar el servidor</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="119"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="120"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="121"/>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="122"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="211"/>
        <source>Cannot proceed until you select at least one IP to bind!</source>
        <translation>¡No se puede continuar sin seleccionar al menos una IP para enlazar!</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="217"/>
        <source>Error starting server</source>
        <translation>Error al iniciar el servidor</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="225"/>
        <source>Error stopping server </source>
        <translation>Error al parar el servidor </translation>
    </message>
</context>
<context>
    <name>sharing::TcpServer</name>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="72"/>
        <source>Error stopping server</source>
        <translation>Error al parar el servidor</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="85"/>
        <source>&quot;%1&quot; is not a valid port number</source>
        <translation>&quot;%1&quot; no es un número de puerto válido</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="88"/>
        <source>No address to bind</source>
        <translation>Ninguna dirección para enlazar</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="93"/>
        <source>&quot;%1&quot; is not a valid IP address</source>
        <translation>&quot;%1&quot; no es una dirección IP válida</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="103"/>
        <source>Could not bind %1:%2: %3</source>
        <translation>No se pudo enlazar %1:%2: %3</translation>
    </message>
</context>
</TS>
