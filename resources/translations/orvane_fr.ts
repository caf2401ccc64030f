<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Messages</name>
    <message>
        <location filename="../../app/languages.cpp" line="132"/>
        <source>Can&apos;t create Orvane.ini</source>
        <translation>Impossible de créer Orvane.ini</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="133"/>
        <location filename="../../app/languages.cpp" line="178"/>
        <source>Can&apos;t open the satellite data file</source>
        <translation>Impossible d&apos;ouvrir le fichier de données satellites</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="138"/>
        <location filename="../../app/languages.cpp" line="185"/>
        <source>The 3-line file is limited to 1000 satellites<byte value="xd"/>
 Please split this or choose a shorter file</source>
        <translation>Le fichier 3 lignes est limité à 1000 satellites<byte value="xd"/>
 Veuillez le diviser ou choisir un fichier plus court</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="145"/>
        <source>Enter your locator or lattitude+longitude, please ...</source>
        <translation>Entrez votre locator ou latitude+longitude, SVP ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="149"/>
        <source>Enter your altitude please ...</source>
        <translation>Entrez votre altitude, SVP ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="152"/>
        <source>Enter your local time difference with UTC please...</source>
        <translation>Entrez le décalage entre votre heure locale et UTC, SVP...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="156"/>
        <source>Enter 3-line file path and name please...</source>
        <translation>Entrez le chemin et le nom du fichier 3 lignes, SVP...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="159"/>
        <source>Choose 1 to %1 satellites please...</source>
        <translation>Choisissez de 1 à %1 satellites, SVP...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="162"/>
        <source>%1 satellites maximum please ...</source>
        <translation>%1 satellites maximum, SVP ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="165"/>
        <source>Local time has changed ! Please update time lag between local time/UTC.</source>
        <translation>L&apos;heure locale a changé ! Veuillez mettre à jour le décalage heure locale/UTC.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="169"/>
        <source>You quit ORVANE ! Are you sure ?</source>
        <translation>Vous quittez ORVANE ! Êtes-vous sûr ?</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="172"/>
        <source>A DDE conversation is in progress ! Please close the client conversation before quitting !</source>
        <translation>Une conversation DDE est en cours ! SVP, fermez la conversation client avant de quitter !</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="181"/>
        <source>One or more satellites are missing in your Two-Line-Elements file</source>
        <translation>Un ou plusieurs satellites manquent dans votre fichier de paramètres orbitaux</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="191"/>
        <source>Satellite visibility</source>
        <translation>Visibilité des satellites</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="207"/>
        <source>The texts of this language could not be loaded. The language stays unchanged.</source>
        <translation>Les textes de cette langue n&apos;ont pas pu être chargés. La langue reste inchangée.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="134"/>
        <source>larger than %1 MB</source>
        <translation>plus grand que %1 Mo</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="135"/>
        <source>Orvane.ini could not be read at start and is kept as it is. The settings of this session are saved in Orvane.ini.new.</source>
        <translation>Orvane.ini n&apos;a pas pu être lu au démarrage et reste tel quel. Les réglages de cette session sont enregistrés dans Orvane.ini.new.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="195"/>
        <source>Orvane.ini could not be read: %1</source>
        <translation>Impossible de lire Orvane.ini : %1</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="199"/>
        <source>Can&apos;t create Orvane.dat</source>
        <translation>Impossible de créer Orvane.dat</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="203"/>
        <source>Erreur/Error Orvane.nfo</source>
        <translation>Erreur Orvane.nfo</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <location filename="../../app/form1_groups.cpp" line="174"/>
        <source>The element file %1 cannot be read from line %2 on</source>
        <translation>Le fichier d&apos;éléments %1 est illisible à partir de la ligne %2</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="245"/>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2 lignes, texte (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="246"/>
        <source>All/Tous (*)</source>
        <translation>Tous (*)</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="246"/>
        <source>OMM elements (*.csv *.xml *.json)</source>
        <translation>Éléments OMM (*.csv *.xml *.json)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="171"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="172"/>
        <source>&amp;Rename satellites</source>
        <translation>&amp;Renommer les satellites</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="173"/>
        <source>&amp;Save data pass to file</source>
        <translation>&amp;Enregistrer le passage dans un fichier</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="174"/>
        <source>Don&apos;t control checksums of the TLE files</source>
        <translation>Ne pas contrôler les sommes de contrôle des fichiers TLE</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="175"/>
        <source>Don&apos;t confirm when quitting</source>
        <translation>Ne pas demander de confirmation en quittant</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="176"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="177"/>
        <source>&amp;Settings</source>
        <translation>&amp;Initialisation</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="178"/>
        <source>&amp;Group</source>
        <translation>&amp;Groupe</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="179"/>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="180"/>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="181"/>
        <source>AZ Beam</source>
        <translation>Cap AZ</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="182"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="183"/>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="184"/>
        <source>Starting &amp;Date</source>
        <translation>&amp;Date de départ</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="185"/>
        <source>Display &amp;UTC</source>
        <translation>Afficher en &amp;UTC</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="186"/>
        <source>Display current time in 24-hour format</source>
        <translation>Afficher l&apos;heure courante au format 24 heures</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="187"/>
        <source>&amp;Window</source>
        <translation>F&amp;enêtre</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="188"/>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="189"/>
        <source>&amp;Reduced</source>
        <translation>&amp;Réduite</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="190"/>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="191"/>
        <source>Getting started</source>
        <translation>Comment démarrer</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="192"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="193"/>
        <source>&amp;About Orvane</source>
        <translation>&amp;À propos d&apos;Orvane</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="194"/>
        <source>Check for a new release when opening the program.</source>
        <translation>Rechercher une nouvelle version à l&apos;ouverture du programme.</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="196"/>
        <source>INITIALIZATION</source>
        <translation>INITIALISATION</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="197"/>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="198"/>
        <source>QRA locator</source>
        <translation>Locator QRA</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="199"/>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="200"/>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="201"/>
        <source>Altitude (m)</source>
        <translation>Altitude (m)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="202"/>
        <source>Local time - UTC (h)</source>
        <translation>Heure locale - UTC (h)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="203"/>
        <source>Locator form : AR09AX</source>
        <translation>Forme du locator : AR09AX</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="204"/>
        <location filename="../../app/form1_menus.cpp" line="205"/>
        <source>Form : 45.123456789</source>
        <translation>Forme : 45.123456789</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="206"/>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Degrés, minutes, secondes en degrés décimaux</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="207"/>
        <source>Satellite groups</source>
        <translation>Groupes de satellites</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="208"/>
        <source>BROWSE</source>
        <translation>PARCOURIR</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="209"/>
        <source>Group name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="210"/>
        <source>to change group name</source>
        <translation>pour changer le nom du groupe</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="211"/>
        <source>Reset</source>
        <translation>RAZ</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="212"/>
        <source>to reset the group</source>
        <translation>pour remettre le groupe à zéro</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="213"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="214"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="215"/>
        <source>Red satellites out of work</source>
        <translation>Satellites en rouge hors service</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="216"/>
        <location filename="../../app/form1_tracking.cpp" line="190"/>
        <source>Antenna interface</source>
        <translation>Interface d&apos;antenne</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="217"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="218"/>
        <source>Minimum elevation (degrees)</source>
        <translation>Élévation minimale (degrés)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="219"/>
        <source>Sound alarm when a satellite rises</source>
        <translation>Alarme sonore au lever d&apos;un satellite</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="220"/>
        <source>Alarm length (seconds)</source>
        <translation>Durée de l&apos;alarme (secondes)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="221"/>
        <source>Warning before the satellite rises</source>
        <translation>Prévenir avant le lever du satellite</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="222"/>
        <source>Warning time (minutes)</source>
        <translation>Délai de prévenance (minutes)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="223"/>
        <source>EXPLORE</source>
        <translation>EXPLORER</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="224"/>
        <source>SATELLITE  : IN    FOR</source>
        <translation>SATELLITE  :DELAI DUREE</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="225"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="226"/>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="184"/>
        <location filename="../../app/form1_passes.cpp" line="119"/>
        <source>The elements of %1 are damaged in your Two-Line-Elements file</source>
        <translation>Les paramètres de %1 sont endommagés dans votre fichier de paramètres orbitaux</translation>
    </message>
    <message>
        <location filename="../../app/form1_station.cpp" line="68"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="189"/>
        <source>ANT</source>
        <translation>ANT</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="191"/>
        <source>Antenna</source>
        <translation>Antenne</translation>
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
        <translation>POURSUITE</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="196"/>
        <source>PARK</source>
        <translation>PARKING</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="197"/>
        <source>Antennas to their parking position</source>
        <translation>Antennes en position de parking</translation>
    </message>
    <message>
        <location filename="../../app/form1_server.cpp" line="101"/>
        <source>TCPIP</source>
        <translation>TCPIP</translation>
    </message>
    <message>
        <location filename="../../app/form1_radio.cpp" line="86"/>
        <source>Radio modes and antenna of the satellite</source>
        <translation>Modes radio et antenne du satellite</translation>
    </message>
    <message>
        <location filename="../../app/form1_radio.cpp" line="87"/>
        <source>Your notes about the satellite</source>
        <translation>Vos notes sur le satellite</translation>
    </message>
    <message>
        <location filename="../../app/form1_window_size.cpp" line="66"/>
        <source>Click here to resize window</source>
        <translation>Cliquez ici pour redimensionner la fenêtre</translation>
    </message>
    <message>
        <location filename="../../app/form1_window_size.cpp" line="67"/>
        <source>24 hour schedule</source>
        <translation>Planning sur 24 heures</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <location filename="../../app/form_dialog.cpp" line="44"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>app::TFormRename</name>
    <message>
        <location filename="../../app/form_rename.cpp" line="45"/>
        <source>ORVANE - Rename Satellites</source>
        <translation>ORVANE - Renommer les satellites</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="46"/>
        <source>Old name or NORAD number</source>
        <translation>Ancien nom ou numéro NORAD</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="46"/>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="47"/>
        <source>It is recommanded to use the NORAD satellite number as reference</source>
        <translation>Il est recommandé d&apos;utiliser le numéro NORAD du satellite comme référence</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="48"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="49"/>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
</context>
</TS>
