<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Messages</name>
    <message>
        <source>Can't create Orvane.ini</source>
        <translation>Impossible de créer Orvane.ini</translation>
    </message>
    <message>
        <source>Can't open the satellite data file</source>
        <translation>Impossible d'ouvrir le fichier de données satellites</translation>
    </message>
    <message>
        <source>The 3-line file is limited to 1000 satellites<byte value="xd" />
 Please split this or choose a shorter file</source>
        <translation>Le fichier 3 lignes est limité à 1000 satellites<byte value="xd" />
 Veuillez le diviser ou choisir un fichier plus court</translation>
    </message>
    <message>
        <source>Enter your locator or lattitude+longitude, please ...</source>
        <translation>Entrez votre locator ou latitude+longitude, SVP ...</translation>
    </message>
    <message>
        <source>Enter your altitude please ...</source>
        <translation>Entrez votre altitude, SVP ...</translation>
    </message>
    <message>
        <source>Enter your local time difference with UTC please...</source>
        <translation>Entrez le décalage entre votre heure locale et UTC, SVP...</translation>
    </message>
    <message>
        <source>Enter 3-line file path and name please...</source>
        <translation>Entrez le chemin et le nom du fichier 3 lignes, SVP...</translation>
    </message>
    <message>
        <source>Choose 1 to %1 satellites please...</source>
        <translation>Choisissez de 1 à %1 satellites, SVP...</translation>
    </message>
    <message>
        <source>%1 satellites maximum please ...</source>
        <translation>%1 satellites maximum, SVP ...</translation>
    </message>
    <message>
        <source>Local time has changed ! Please update time lag between local time/UTC.</source>
        <translation>L'heure locale a changé ! Veuillez mettre à jour le décalage heure locale/UTC.</translation>
    </message>
    <message>
        <source>You quit ORVANE ! Are you sure ?</source>
        <translation>Vous quittez ORVANE ! Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>A DDE conversation is in progress ! Please close the client conversation before quitting !</source>
        <translation>Une conversation DDE est en cours ! Veuillez fermer la conversation du client avant de quitter !</translation>
    </message>
    <message>
        <source>One or more satellites are missing in your Two-Line-Elements file</source>
        <translation>Un ou plusieurs satellites manquent dans votre fichier de paramètres orbitaux</translation>
    </message>
    <message>
        <source>Satellite visibility</source>
        <translation>Visibilité des satellites</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2 lignes, texte (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <source>All/Tous (*)</source>
        <translation>Tous (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Rename satellites</source>
        <translation>&amp;Renommer les satellites</translation>
    </message>
    <message>
        <source>&amp;Save data pass to file</source>
        <translation>&amp;Enregistrer le passage dans un fichier</translation>
    </message>
    <message>
        <source>Don't control checksums of the TLE files</source>
        <translation>Ne pas contrôler les sommes de contrôle des fichiers TLE</translation>
    </message>
    <message>
        <source>Don't confirm when quitting</source>
        <translation>Ne pas demander de confirmation en quittant</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Initialisation</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Groupe</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>AZ Beam</source>
        <translation>Cap AZ</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Starting &amp;Date</source>
        <translation>&amp;Date de départ</translation>
    </message>
    <message>
        <source>Display &amp;UTC</source>
        <translation>Afficher en &amp;UTC</translation>
    </message>
    <message>
        <source>Display current time in 24-hour format</source>
        <translation>Afficher l'heure courante au format 24 heures</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>F&amp;enêtre</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Reduced</source>
        <translation>&amp;Réduite</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Comment démarrer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;À propos d'Orvane</translation>
    </message>
    <message>
        <source>Check for a new release when opening the program.</source>
        <translation>Rechercher une nouvelle version à l'ouverture du programme.</translation>
    </message>
    <message>
        <source>INITIALIZATION</source>
        <translation>INITIALISATION</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>QRA locator</source>
        <translation>Locator QRA</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Altitude (m)</translation>
    </message>
    <message>
        <source>Local time - UTC (h)</source>
        <translation>Heure locale - UTC (h)</translation>
    </message>
    <message>
        <source>Locator form : AR09AX</source>
        <translation>Forme du locator : AR09AX</translation>
    </message>
    <message>
        <source>Form : 45.123456789</source>
        <translation>Forme : 45.123456789</translation>
    </message>
    <message>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Degrés, minutes, secondes en degrés décimaux</translation>
    </message>
    <message>
        <source>Satellite groups</source>
        <translation>Groupes de satellites</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>PARCOURIR</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <source>to change group name</source>
        <translation>pour changer le nom du groupe</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>RAZ</translation>
    </message>
    <message>
        <source>to reset the group</source>
        <translation>pour remettre le groupe à zéro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Red satellites out of work</source>
        <translation>Satellites en rouge hors service</translation>
    </message>
    <message>
        <source>Antenna interface</source>
        <translation>Interface d'antenne</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Minimum elevation (degrees)</source>
        <translation>Élévation minimale (degrés)</translation>
    </message>
    <message>
        <source>Sound alarm when a satellite rises</source>
        <translation>Alarme sonore au lever d'un satellite</translation>
    </message>
    <message>
        <source>Alarm length (seconds)</source>
        <translation>Durée de l'alarme (secondes)</translation>
    </message>
    <message>
        <source>Warning before the satellite rises</source>
        <translation>Prévenir avant le lever du satellite</translation>
    </message>
    <message>
        <source>Warning time (minutes)</source>
        <translation>Délai de prévenance (minutes)</translation>
    </message>
    <message>
        <source>EXPLORE</source>
        <translation>EXPLORER</translation>
    </message>
    <message>
        <source>SATELLITE  : IN    FOR</source>
        <translation>SATELLITE  :DELAI DUREE</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>The elements of %1 are damaged in your Two-Line-Elements file</source>
        <translation>Les paramètres de %1 sont endommagés dans votre fichier de paramètres orbitaux</translation>
    </message>
    <message>
        <source>'%1' is not a valid floating point value</source>
        <translation>'%1' n'est pas un nombre décimal valide</translation>
    </message>
</context>
<context>
    <name>app::TFormDialog</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>app::TFormRename</name>
    <message>
        <source>ORVANE - Rename Satellites</source>
        <translation>ORVANE - Renommer les satellites</translation>
    </message>
    <message>
        <source>Old name or NORAD number</source>
        <translation>Ancien nom ou numéro NORAD</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>It is recommanded to use the NORAD satellite number as reference</source>
        <translation>Il est recommandé d'utiliser le numéro NORAD du satellite comme référence</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
</context>
</TS>