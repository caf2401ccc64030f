<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Absenden</translation>
    </message>
    <message>
        <location filename="../../app/download/login_panel.cpp" line="41"/>
        <source>No page could be loaded.</source>
        <translation>Es konnte keine Seite geladen werden.</translation>
    </message>
    <message>
        <location filename="../../app/download/login_panel.cpp" line="42"/>
        <source>Page: %1</source>
        <translation>Seite: %1</translation>
    </message>
</context>
<context>
    <name>app::download::TFormAPropos</name>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="60"/>
        <source>A more recent release is available ! Please see menu ? About Orvane</source>
        <translation>Eine neuere Version ist verfügbar ! Siehe Menü ? Über Orvane</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="64"/>
        <source>About Orvane</source>
        <translation>Über Orvane</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="65"/>
        <source>Look for a new release when opening the program.</source>
        <translation>Beim Programmstart nach einer neuen Version suchen.</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="66"/>
        <source>Check if I am up to date</source>
        <translation>Prüfen, ob ich auf dem neuesten Stand bin</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="68"/>
        <source>Other programs of the maker: %1</source>
        <translation>Weitere Programme des Autors: %1</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="70"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="89"/>
        <source>Internet failure !</source>
        <translation>Internetfehler !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="94"/>
        <source>You are using the latest release!</source>
        <translation>Sie verwenden die neueste Version!</translation>
    </message>
</context>
<context>
    <name>app::download::TFormAlarmTLE</name>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="64"/>
        <source>The TLE file <byte value="xd"/>
%1<byte value="xd"/>
 is older than %2 days !</source>
        <translation>Die TLE-Datei <byte value="xd"/>
%1<byte value="xd"/>
 ist älter als %2 Tage !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="65"/>
        <source>Do you want to download a more recent release ?</source>
        <translation>Möchten Sie eine neuere Version herunterladen ?</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="66"/>
        <source>Don&apos;t warn me anymore when a TLE file is too old (not recommended !)</source>
        <translation>Nicht mehr warnen, wenn eine TLE-Datei zu alt ist (nicht empfohlen !)</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="69"/>
        <source>PLEASE WAIT !
<byte value="xd"/>Orvane is downloading the last TLE file</source>
        <translation>BITTE WARTEN !
<byte value="xd"/>Orvane lädt die neueste TLE-Datei herunter</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="73"/>
        <source>Automatic download of this file was already tried in this run.
<byte value="xd"/>Click OK to download</source>
        <translation>Der automatische Download dieser Datei wurde in dieser Sitzung schon versucht.
<byte value="xd"/>Zum Herunterladen OK klicken</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="77"/>
        <source>Automatic downloading is disabled.
<byte value="xd"/>Click OK to download</source>
        <translation>Der automatische Download ist ausgeschaltet.
<byte value="xd"/>Zum Herunterladen OK klicken</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="80"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="81"/>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
</context>
<context>
    <name>app::download::TFormHlpDownload</name>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="64"/>
        <source>ORVANE - Download help</source>
        <translation>ORVANE - Hilfe zum Download</translation>
    </message>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="68"/>
        <source>File URL: the address of a 3-line element file (http or https). A file compressed with gzip is unpacked.
To local file: where the file is stored, usually the element file of the group. The previous file is replaced only when the new one holds valid element sets.

Orvane asks a server for the same file at most once in two hours; press Download a second time to fetch it anyway.

The age alarm warns when the group&apos;s element file is older than the number of days given. With automatic download, the file is fetched without a click.</source>
        <translation>Datei-URL: die Adresse einer 3-Zeilen-Elementdatei (http oder https). Eine mit gzip gepackte Datei wird entpackt.
In die lokale Datei: wo die Datei gespeichert wird, meist die Elementdatei der Gruppe. Die bisherige Datei wird nur ersetzt, wenn die neue gültige Elementsätze enthält.

Orvane fragt einen Server höchstens einmal in zwei Stunden nach derselben Datei; klicken Sie ein zweites Mal auf Herunterladen, um sie trotzdem zu laden.

Der Altersalarm warnt, wenn die Elementdatei der Gruppe älter als die angegebene Zahl von Tagen ist. Mit dem automatischen Download wird die Datei ohne Klick geladen.</translation>
    </message>
</context>
<context>
    <name>app::download::TFormHlpLogin</name>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="45"/>
        <source>ORVANE - Login help</source>
        <translation>ORVANE - Hilfe zur Anmeldung</translation>
    </message>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="49"/>
        <source>Some services give their element files only to registered users.

Login URL: the address of the service&apos;s login page (http or https). Leave &quot;http://&quot; when the file needs no login.
User name and password: your account at that service. The password is sent only to the login page&apos;s own site, and only in a form.

For the space-track.org service Orvane fills in the login page itself. For any other service the page is shown with its fields: complete them, press Submit, and press Continue once you are logged in.

A successful login is kept until the program ends or you press Disconnect.</source>
        <translation>Manche Dienste geben ihre Elementdateien nur an registrierte Benutzer.

Anmelde-URL: die Adresse der Anmeldeseite des Dienstes (http oder https). Lassen Sie &quot;http://&quot; stehen, wenn die Datei keine Anmeldung braucht.
Benutzername und Passwort: Ihr Konto bei diesem Dienst. Das Passwort wird nur an die Website der Anmeldeseite gesendet, und nur in einem Formular.

Beim Dienst space-track.org füllt Orvane die Anmeldeseite selbst aus. Bei jedem anderen Dienst wird die Seite mit ihren Feldern gezeigt: füllen Sie sie aus, klicken Sie Absenden und nach der Anmeldung Weiter.

Eine erfolgreiche Anmeldung bleibt bis zum Programmende oder bis Trennen bestehen.</translation>
    </message>
</context>
<context>
    <name>app::download::TFormTLEinfo</name>
    <message>
        <location filename="../../app/download/form_tle_info.cpp" line="32"/>
        <source>The TLE file %1 has been updated!</source>
        <translation>Die TLE-Datei %1 wurde aktualisiert!</translation>
    </message>
</context>
<context>
    <name>app::download::TFormWEB</name>
    <message>
        <location filename="../../app/download/form_web.cpp" line="172"/>
        <source>3-LINE ELEMENTS DOWNLOADING</source>
        <translation>3-ZEILEN-ELEMENTE HERUNTERLADEN</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="173"/>
        <source>File URL (http or https only) :</source>
        <translation>Datei-URL (nur http oder https) :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="174"/>
        <source>Login URL (http or https only) :</source>
        <translation>Anmelde-URL (nur http oder https) :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="175"/>
        <source>User name :</source>
        <translation>Benutzername :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="176"/>
        <source>Password :</source>
        <translation>Passwort :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="177"/>
        <source>to local file (full path):</source>
        <translation>in die lokale Datei (voller Pfad):</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="178"/>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="179"/>
        <source>Please, notify me if the TLE file is older than </source>
        <translation>Bitte warnen, wenn die TLE-Datei älter ist als </translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="180"/>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="181"/>
        <source>Automatic download if TLE file is too old</source>
        <translation>Automatisch herunterladen, wenn die TLE-Datei zu alt ist</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="182"/>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="183"/>
        <source>to start login or download if no login required</source>
        <translation>startet die Anmeldung, oder den Download, wenn keine Anmeldung nötig ist</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="184"/>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="185"/>
        <source>to continue download after login success</source>
        <translation>setzt den Download nach erfolgreicher Anmeldung fort</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="186"/>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="187"/>
        <source>to forget the login of this session</source>
        <translation>vergisst die Anmeldung dieser Sitzung</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="188"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="189"/>
        <source>Help about the login fields</source>
        <translation>Hilfe zu den Anmeldefeldern</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="190"/>
        <source>Help about the download fields</source>
        <translation>Hilfe zu den Download-Feldern</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="192"/>
        <source>Pse Login WEB site. If success click CONTINUE. If failure click CLOSE and check data</source>
        <translation>Bitte auf der WEB-Seite anmelden. Bei Erfolg WEITER klicken. Bei Misserfolg SCHLIESSEN klicken und die Angaben prüfen</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="203"/>
        <source>Download 3-line elements from WEB</source>
        <translation>3-Zeilen-Elemente aus dem Netz laden</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="211"/>
        <source>Login URL ....</source>
        <translation>Anmelde-URL ....</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="213"/>
        <source>Checking cookie ... Please wait a few seconds</source>
        <translation>Cookie wird geprüft ... Bitte einige Sekunden warten</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="215"/>
        <source>URL error</source>
        <translation>URL-Fehler</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="217"/>
        <source>Fetched less than two hours ago. Press Download again to fetch it anyway.</source>
        <translation>Vor weniger als zwei Stunden geladen. Erneut auf Herunterladen klicken, um trotzdem zu laden.</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="219"/>
        <source>Downloading ....</source>
        <translation>Herunterladen ....</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="221"/>
        <source>Error ! Not Text file !</source>
        <translation>Fehler ! Keine Textdatei !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="223"/>
        <source>GZip extracting</source>
        <translation>GZip wird entpackt</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="225"/>
        <source>Extracting error</source>
        <translation>Fehler beim Entpacken</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="227"/>
        <source>Downloading completed OK</source>
        <translation>Download erfolgreich beendet</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="229"/>
        <source>Login error</source>
        <translation>Anmeldefehler</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="231"/>
        <source>Can&apos;t write the TLE file</source>
        <translation>Die TLE-Datei kann nicht geschrieben werden</translation>
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
        <translation>leere Antwort</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="244"/>
        <source>transfer cut off</source>
        <translation>Übertragung abgebrochen</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="247"/>
        <source>time-out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="250"/>
        <source>server not reachable</source>
        <translation>Server nicht erreichbar</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="253"/>
        <source>certificate not trusted</source>
        <translation>Zertifikat nicht vertrauenswürdig</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="256"/>
        <source>file too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="259"/>
        <source>not an http or https address</source>
        <translation>keine http- oder https-Adresse</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="262"/>
        <source>too many redirections</source>
        <translation>zu viele Umleitungen</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="270"/>
        <source>Downloading error </source>
        <translation>Downloadfehler </translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="369"/>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2-Zeilen, Text (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="370"/>
        <source>All/Tous (*)</source>
        <translation>Alle (*)</translation>
    </message>
</context>
</TS>
