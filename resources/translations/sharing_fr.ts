<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>sharing::DdeServer</name>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="80"/>
        <source>DDE server off: no D-Bus session bus</source>
        <translation>Serveur DDE arrêté : pas de bus de session D-Bus</translation>
    </message>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="83"/>
        <source>DDE server off: %1</source>
        <translation>Serveur DDE arrêté : %1</translation>
    </message>
    <message>
        <location filename="../../sharing/dde_server.cpp" line="86"/>
        <source>DDE server off: the name %1 is held by another program</source>
        <translation>Serveur DDE arrêté : le nom %1 est pris par un autre programme</translation>
    </message>
</context>
<context>
    <name>sharing::GroupBoxServer</name>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="99"/>
        <source>To initialize TCPIP server</source>
        <translation>Initialiser le serveur TCPIP</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="105"/>
        <source>Server is running not connected</source>
        <translation>Le server est démarré non connecté</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="107"/>
        <source>Server is running and connected</source>
        <translation>Le serveur est démarré et connecté</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="111"/>
        <source>Server is stopped</source>
        <translation>Le serveur est arrèté</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="115"/>
        <source>TCPIP Server</source>
        <translation>Serveur TCPIP</translation>
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
        <translation>Cocher une IP(s) pour démarrer le serveur ou décocher toutes les IPs pour l&apos;arrèter</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="119"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="120"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="121"/>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="122"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="211"/>
        <source>Cannot proceed until you select at least one IP to bind!</source>
        <translation>Impossible de continuer tant qu&apos;aucune IP n&apos;est choisie pour l&apos;écoute !</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="217"/>
        <source>Error starting server</source>
        <translation>Erreur au démarrage du serveur</translation>
    </message>
    <message>
        <location filename="../../sharing/group_box_server.cpp" line="225"/>
        <source>Error stopping server </source>
        <translation>Erreur à l&apos;arrêt du serveur </translation>
    </message>
</context>
<context>
    <name>sharing::TcpServer</name>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="72"/>
        <source>Error stopping server</source>
        <translation>Erreur à l&apos;arrêt du serveur</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="85"/>
        <source>&quot;%1&quot; is not a valid port number</source>
        <translation>&quot;%1&quot; n&apos;est pas un numéro de port valide</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="88"/>
        <source>No address to bind</source>
        <translation>Aucune adresse pour l&apos;écoute</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="93"/>
        <source>&quot;%1&quot; is not a valid IP address</source>
        <translation>&quot;%1&quot; n&apos;est pas une adresse IP valide</translation>
    </message>
    <message>
        <location filename="../../sharing/tcp_server.cpp" line="103"/>
        <source>Could not bind %1:%2: %3</source>
        <translation>Impossible d&apos;écouter sur %1:%2 : %3</translation>
    </message>
</context>
</TS>
