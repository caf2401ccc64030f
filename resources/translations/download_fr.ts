<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Envoyer</translation>
    </message>
    <message>
        <location filename="../../app/download/login_panel.cpp" line="41"/>
        <source>No page could be loaded.</source>
        <translation>Aucune page n&apos;a pu être chargée.</translation>
    </message>
    <message>
        <location filename="../../app/download/login_panel.cpp" line="42"/>
        <source>Page: %1</source>
        <translation>Page : %1</translation>
    </message>
</context>
<context>
    <name>app::download::TFormAPropos</name>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="60"/>
        <source>A more recent release is available ! Please see menu ? About Orvane</source>
        <translation>Une version plus récente est disponible ! Voir le menu ? À propos d&apos;Orvane</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="64"/>
        <source>About Orvane</source>
        <translation>À propos d&apos;Orvane</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="65"/>
        <source>Look for a new release when opening the program.</source>
        <translation>Rechercher une nouvelle version à l&apos;ouverture du programme.</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="66"/>
        <source>Check if I am up to date</source>
        <translation>Vérifier si je suis à jour</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="68"/>
        <source>Other programs of the maker: %1</source>
        <translation>Autres programmes de l&apos;auteur : %1</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="70"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="89"/>
        <source>Internet failure !</source>
        <translation>Échec Internet !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="94"/>
        <source>You are using the latest release!</source>
        <translation>Vous utilisez la dernière version !</translation>
    </message>
</context>
<context>
    <name>app::download::TFormAlarmTLE</name>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="64"/>
        <source>The TLE file <byte value="xd"/>
%1<byte value="xd"/>
 is older than %2 days !</source>
        <translation>Le fichier TLE <byte value="xd"/>
%1<byte value="xd"/>
 a plus de %2 jours !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="65"/>
        <source>Do you want to download a more recent release ?</source>
        <translation>Voulez-vous télécharger une version plus récente ?</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="66"/>
        <source>Don&apos;t warn me anymore when a TLE file is too old (not recommended !)</source>
        <translation>Ne plus me prévenir quand un fichier TLE est trop ancien (déconseillé !)</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="69"/>
        <source>PLEASE WAIT !
<byte value="xd"/>Orvane is downloading the last TLE file</source>
        <translation>VEUILLEZ PATIENTER !
<byte value="xd"/>Orvane télécharge le dernier fichier TLE</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="73"/>
        <source>Automatic download of this file was already tried in this run.
<byte value="xd"/>Click OK to download</source>
        <translation>Le téléchargement automatique de ce fichier a déjà été tenté pendant cette session.
<byte value="xd"/>Cliquez OK pour télécharger</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="77"/>
        <source>Automatic downloading is disabled.
<byte value="xd"/>Click OK to download</source>
        <translation>Le téléchargement automatique est désactivé.
<byte value="xd"/>Cliquez OK pour télécharger</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="80"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="81"/>
        <source>NO</source>
        <translation>NON</translation>
    </message>
</context>
<context>
    <name>app::download::TFormHlpDownload</name>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="64"/>
        <source>ORVANE - Download help</source>
        <translation>ORVANE - Aide au téléchargement</translation>
    </message>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="68"/>
        <source>File URL: the address of a 3-line element file (http or https). A file compressed with gzip is unpacked.
To local file: where the file is stored, usually the element file of the group. The previous file is replaced only when the new one holds valid element sets.

Orvane asks a server for the same file at most once in two hours; press Download a second time to fetch it anyway.

The age alarm warns when the group&apos;s element file is older than the number of days given. With automatic download, the file is fetched without a click.</source>
        <translation>URL du fichier : l&apos;adresse d&apos;un fichier d&apos;éléments 3 lignes (http ou https). Un fichier compressé avec gzip est décompressé.
Vers le fichier local : où le fichier est enregistré, en général le fichier d&apos;éléments du groupe. L&apos;ancien fichier n&apos;est remplacé que si le nouveau contient des jeux d&apos;éléments valides.

Orvane ne demande le même fichier à un serveur qu&apos;une fois toutes les deux heures au plus ; cliquez une seconde fois sur Télécharger pour le récupérer quand même.

L&apos;alarme d&apos;âge prévient quand le fichier d&apos;éléments du groupe a plus que le nombre de jours indiqué. Avec le téléchargement automatique, le fichier est récupéré sans un clic.</translation>
    </message>
</context>
<context>
    <name>app::download::TFormHlpLogin</name>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="45"/>
        <source>ORVANE - Login help</source>
        <translation>ORVANE - Aide à la connexion</translation>
    </message>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="49"/>
        <source>Some services give their element files only to registered users.

Login URL: the address of the service&apos;s login page (http or https). Leave &quot;http://&quot; when the file needs no login.
User name and password: your account at that service. The password is sent only to the login page&apos;s own site, and only in a form.

For the space-track.org service Orvane fills in the login page itself. For any other service the page is shown with its fields: complete them, press Submit, and press Continue once you are logged in.

A successful login is kept until the program ends or you press Disconnect.</source>
        <translation>Certains services ne donnent leurs fichiers d&apos;éléments qu&apos;aux utilisateurs inscrits.

URL de connexion : l&apos;adresse de la page de connexion du service (http ou https). Laissez &quot;http://&quot; si le fichier ne demande pas de connexion.
Identifiant et mot de passe : votre compte auprès de ce service. Le mot de passe n&apos;est envoyé qu&apos;au site de la page de connexion, et seulement dans un formulaire.

Pour le service space-track.org, Orvane remplit lui-même la page de connexion. Pour tout autre service la page est affichée avec ses champs : remplissez-les, cliquez Envoyer, puis Continuer une fois connecté.

Une connexion réussie est gardée jusqu&apos;à la fin du programme ou jusqu&apos;à Déconnecter.</translation>
    </message>
</context>
<context>
    <name>app::download::TFormTLEinfo</name>
    <message>
        <location filename="../../app/download/form_tle_info.cpp" line="32"/>
        <source>The TLE file %1 has been updated!</source>
        <translation>Le fichier TLE %1 a été mis à jour !</translation>
    </message>
</context>
<context>
    <name>app::download::TFormWEB</name>
    <message>
        <location filename="../../app/download/form_web.cpp" line="172"/>
        <source>3-LINE ELEMENTS DOWNLOADING</source>
        <translation>TÉLÉCHARGEMENT DES ÉLÉMENTS 3 LIGNES</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="173"/>
        <source>File URL (http or https only) :</source>
        <translation>URL du fichier (http ou https seulement) :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="174"/>
        <source>Login URL (http or https only) :</source>
        <translation>URL de connexion (http ou https seulement) :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="175"/>
        <source>User name :</source>
        <translation>Identifiant :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="176"/>
        <source>Password :</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="177"/>
        <source>to local file (full path):</source>
        <translation>vers le fichier local (chemin complet) :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="178"/>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="179"/>
        <source>Please, notify me if the TLE file is older than </source>
        <translation>Me prévenir si le fichier TLE a plus de </translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="180"/>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="181"/>
        <source>Automatic download if TLE file is too old</source>
        <translation>Téléchargement automatique si le fichier TLE est trop ancien</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="182"/>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="183"/>
        <source>to start login or download if no login required</source>
        <translation>pour lancer la connexion, ou le téléchargement si aucune connexion n&apos;est requise</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="184"/>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="185"/>
        <source>to continue download after login success</source>
        <translation>pour poursuivre le téléchargement après la connexion</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="186"/>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="187"/>
        <source>to forget the login of this session</source>
        <translation>pour oublier la connexion de cette session</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="188"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="189"/>
        <source>Help about the login fields</source>
        <translation>Aide sur les champs de connexion</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="190"/>
        <source>Help about the download fields</source>
        <translation>Aide sur les champs de téléchargement</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="192"/>
        <source>Pse Login WEB site. If success click CONTINUE. If failure click CLOSE and check data</source>
        <translation>Connectez-vous au site WEB. En cas de succès cliquez CONTINUER. En cas d&apos;échec cliquez FERMER et vérifiez les données</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="203"/>
        <source>Download 3-line elements from WEB</source>
        <translation>Télécharger des éléments 3 lignes depuis le WEB</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="211"/>
        <source>Login URL ....</source>
        <translation>URL de connexion ....</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="213"/>
        <source>Checking cookie ... Please wait a few seconds</source>
        <translation>Vérification du cookie ... Patientez quelques secondes</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="215"/>
        <source>URL error</source>
        <translation>Erreur d&apos;URL</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="217"/>
        <source>Fetched less than two hours ago. Press Download again to fetch it anyway.</source>
        <translation>Téléchargé il y a moins de deux heures. Cliquez à nouveau sur Télécharger pour le récupérer quand même.</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="219"/>
        <source>Downloading ....</source>
        <translation>Téléchargement ....</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="221"/>
        <source>Error ! Not Text file !</source>
        <translation>Erreur ! Pas un fichier texte !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="223"/>
        <source>GZip extracting</source>
        <translation>Extraction GZip</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="225"/>
        <source>Extracting error</source>
        <translation>Erreur d&apos;extraction</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="227"/>
        <source>Downloading completed OK</source>
        <translation>Téléchargement terminé OK</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="229"/>
        <source>Login error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="231"/>
        <source>Can&apos;t write the TLE file</source>
        <translation>Impossible d&apos;écrire le fichier TLE</translation>
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
        <translation>réponse vide</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="244"/>
        <source>transfer cut off</source>
        <translation>transfert interrompu</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="247"/>
        <source>time-out</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="250"/>
        <source>server not reachable</source>
        <translation>serveur injoignable</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="253"/>
        <source>certificate not trusted</source>
        <translation>certificat non reconnu</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="256"/>
        <source>file too large</source>
        <translation>fichier trop gros</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="259"/>
        <source>not an http or https address</source>
        <translation>pas une adresse http ou https</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="262"/>
        <source>too many redirections</source>
        <translation>trop de redirections</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="270"/>
        <source>Downloading error </source>
        <translation>Erreur de téléchargement </translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="369"/>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2 lignes, texte (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="370"/>
        <source>All/Tous (*)</source>
        <translation>Tous (*)</translation>
    </message>
</context>
</TS>
