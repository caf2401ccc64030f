<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>sharing::DdeServer</name>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="80"/>
        <source>DDE server off: no D-Bus session bus</source>
        <translation>Server DDE spento: nessun bus di sessione D-Bus</translation>
    </message>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="83"/>
        <source>DDE server off: %1</source>
        <translation>Server DDE spento: %1</translation>
    </message>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="86"/>
        <source>DDE server off: the name %1 is held by another program</source>
        <translation>Server DDE spento: il nome %1 è occupato da un altro programma</translation>
    </message>
</context>
<context>
    <name>sharing::GroupBoxServer</name>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="99"/>
        <source>To initialize TCPIP server</source>
        <translation>Per inizializzare il server TCPIP</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="105"/>
        <source>Server is running not connected</source>
        <translation>Il server é corrente e non collegato</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="107"/>
        <source>Server is running and connected</source>
        <translation>Il server é corrente e collegato</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="111"/>
        <source>Server is stopped</source>
        <translation>Il server é bloccato</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="115"/>
        <source>TCPIP Server</source>
        <translation>Server TCPIP</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="116"/>
        <source>IPs :</source>
        <translation>IPs :</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="117"/>
        <source>Port :</source>
        <translation>Porta :</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="118"/>
        <source>Please check IP(s) to start server or uncheck IPs to stop server</source>
        <translation>Contrassegni prego il IP(s) per iniziare il server o il IP libero per arrestarsi</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="119"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="120"/>
        <source>Cancel</source>
        <translation>Cancellare</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="121"/>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="122"/>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="211"/>
        <source>Cannot proceed until you select at least one IP to bind!</source>
        <translation>Impossibile procedere senza selezionare almeno un IP su cui ascoltare!</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="217"/>
        <source>Error starting server</source>
        <translation>Errore all&apos;avvio del server</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="225"/>
        <source>Error stopping server </source>
        <translation>Errore all&apos;arresto del server </translation>
    </message>
</context>
<context>
    <name>sharing::TcpServer</name>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="72"/>
        <source>Error stopping server</source>
        <translation>Errore all&apos;arresto del server</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="85"/>
        <source>&quot;%1&quot; is not a valid port number</source>
        <translation>&quot;%1&quot; non è un numero di porta valido</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="88"/>
        <source>No address to bind</source>
        <translation>Nessun indirizzo su cui ascoltare</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="93"/>
        <source>&quot;%1&quot; is not a valid IP address</source>
        <translation>&quot;%1&quot; non è un indirizzo IP valido</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="103"/>
        <source>Could not bind %1:%2: %3</source>
        <translation>Impossibile ascoltare su %1:%2: %3</translation>
    </message>
</context>
</TS>
