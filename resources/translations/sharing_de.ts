<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>sharing::DdeServer</name>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="80"/>
        <source>DDE server off: no D-Bus session bus</source>
        <translation>DDE-Server aus: kein D-Bus-Sitzungsbus</translation>
    </message>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="83"/>
        <source>DDE server off: %1</source>
        <translation>DDE-Server aus: %1</translation>
    </message>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="86"/>
        <source>DDE server off: the name %1 is held by another program</source>
        <translation>DDE-Server aus: der Name %1 gehört einem anderen Programm</translation>
    </message>
</context>
<context>
    <name>sharing::GroupBoxServer</name>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="99"/>
        <source>To initialize TCPIP server</source>
        <translation>Den Server initialisieren</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="105"/>
        <source>Server is running not connected</source>
        <translation>Server läuft, is aber nicht verbunden</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="107"/>
        <source>Server is running and connected</source>
        <translation>Server läuft und is verbunden</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="111"/>
        <source>Server is stopped</source>
        <translation>Server ist angehalten</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="115"/>
        <source>TCPIP Server</source>
        <translation>TCPIP-Server</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="116"/>
        <source>IPs :</source>
        <translation>IPs :</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="117"/>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="118"/>
        <source>Please check IP(s) to start server or uncheck IPs to stop server</source>
        <translation>Markieren Sie bitte eine IP(s), um ihn zu aktivieren und entfernen Sie die Markierung, um ihn wieder zu stoppen</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="119"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="120"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="121"/>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="122"/>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="211"/>
        <source>Cannot proceed until you select at least one IP to bind!</source>
        <translation>Ohne mindestens eine ausgewählte IP kann der Server nicht gestartet werden!</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="217"/>
        <source>Error starting server</source>
        <translation>Fehler beim Starten des Servers</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="225"/>
        <source>Error stopping server </source>
        <translation>Fehler beim Stoppen des Servers </translation>
    </message>
</context>
<context>
    <name>sharing::TcpServer</name>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="72"/>
        <source>Error stopping server</source>
        <translation>Fehler beim Stoppen des Servers</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="85"/>
        <source>&quot;%1&quot; is not a valid port number</source>
        <translation>&quot;%1&quot; ist keine gültige Portnummer</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="88"/>
        <source>No address to bind</source>
        <translation>Keine Adresse zum Binden</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="93"/>
        <source>&quot;%1&quot; is not a valid IP address</source>
        <translation>&quot;%1&quot; ist keine gültige IP-Adresse</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="103"/>
        <source>Could not bind %1:%2: %3</source>
        <translation>%1:%2 kann nicht gebunden werden: %3</translation>
    </message>
</context>
</TS>
