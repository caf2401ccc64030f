<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Invia</translation>
    </message>
    <message>
        <location filename="../../app/download/login_panel.cpp" line="41"/>
        <source>No page could be loaded.</source>
        <translation>Non è stato possibile caricare alcuna pagina.</translation>
    </message>
    <message>
        <location filename="../../app/download/login_panel.cpp" line="42"/>
        <source>Page: %1</source>
        <translation>Pagina: %1</translation>
    </message>
</context>
<context>
    <name>app::download::TFormAPropos</name>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="60"/>
        <source>A more recent release is available ! Please see menu ? About Orvane</source>
        <translation>È disponibile una versione più recente ! Vedere il menu ? Informazioni su Orvane</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="64"/>
        <source>About Orvane</source>
        <translation>Informazioni su Orvane</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="65"/>
        <source>Look for a new release when opening the program.</source>
        <translation>Cercare una nuova versione all&apos;apertura del programma.</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="66"/>
        <source>Check if I am up to date</source>
        <translation>Verificare se sono aggiornato</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="68"/>
        <source>Other programs of the maker: %1</source>
        <translation>Altri programmi dell&apos;autore: %1</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="70"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="89"/>
        <source>Internet failure !</source>
        <translation>Errore di Internet !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_apropos.cpp" line="94"/>
        <source>You are using the latest release!</source>
        <translation>State usando l&apos;ultima versione!</translation>
    </message>
</context>
<context>
    <name>app::download::TFormAlarmTLE</name>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="64"/>
        <source>The TLE file <byte value="xd"/>
%1<byte value="xd"/>
 is older than %2 days !</source>
        <translation>Il file TLE <byte value="xd"/>
%1<byte value="xd"/>
 è più vecchio di %2 giorni !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="65"/>
        <source>Do you want to download a more recent release ?</source>
        <translation>Volete scaricare una versione più recente ?</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="66"/>
        <source>Don&apos;t warn me anymore when a TLE file is too old (not recommended !)</source>
        <translation>Non avvisarmi più quando un file TLE è troppo vecchio (sconsigliato !)</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="69"/>
        <source>PLEASE WAIT !
<byte value="xd"/>Orvane is downloading the last TLE file</source>
        <translation>ATTENDERE PREGO !
<byte value="xd"/>Orvane sta scaricando l&apos;ultimo file TLE</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="73"/>
        <source>Automatic download of this file was already tried in this run.
<byte value="xd"/>Click OK to download</source>
        <translation>Lo scaricamento automatico di questo file è già stato tentato in questa sessione.
<byte value="xd"/>Cliccare OK per scaricare</translation>
    </message>
    <message>
        <location filename="../../app/download/form_alarm_tle.cpp" line="77"/>
        <source>Automatic downloading is disabled.
<byte value="xd"/>Click OK to download</source>
        <translation>Lo scaricamento automatico è disattivato.
<byte value="xd"/>Cliccare OK per scaricare</translation>
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
        <translation>ORVANE - Aiuto per lo scaricamento</translation>
    </message>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="68"/>
        <source>File URL: the address of a 3-line element file (http or https). A file compressed with gzip is unpacked.
To local file: where the file is stored, usually the element file of the group. The previous file is replaced only when the new one holds valid element sets.

Orvane asks a server for the same file at most once in two hours; press Download a second time to fetch it anyway.

The age alarm warns when the group&apos;s element file is older than the number of days given. With automatic download, the file is fetched without a click.</source>
        <translation>URL del file: l&apos;indirizzo di un file di elementi a 3 righe (http o https). Un file compresso con gzip viene decompresso.
Nel file locale: dove il file viene salvato, di solito il file di elementi del gruppo. Il file precedente viene sostituito solo quando il nuovo contiene gruppi di elementi validi.

Orvane chiede lo stesso file a un server al massimo una volta ogni due ore; premete Scarica una seconda volta per scaricarlo comunque.

L&apos;allarme di età avvisa quando il file di elementi del gruppo è più vecchio del numero di giorni indicato. Con lo scaricamento automatico il file viene scaricato senza un clic.</translation>
    </message>
</context>
<context>
    <name>app::download::TFormHlpLogin</name>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="45"/>
        <source>ORVANE - Login help</source>
        <translation>ORVANE - Aiuto per l&apos;accesso</translation>
    </message>
    <message>
        <location filename="../../app/download/form_help_texts.cpp" line="49"/>
        <source>Some services give their element files only to registered users.

Login URL: the address of the service&apos;s login page (http or https). Leave &quot;http://&quot; when the file needs no login.
User name and password: your account at that service. The password is sent only to the login page&apos;s own site, and only in a form.

For the space-track.org service Orvane fills in the login page itself. For any other service the page is shown with its fields: complete them, press Submit, and press Continue once you are logged in.

A successful login is kept until the program ends or you press Disconnect.</source>
        <translation>Alcuni servizi danno i loro file di elementi solo agli utenti registrati.

URL di accesso: l&apos;indirizzo della pagina di accesso del servizio (http o https). Lasciare &quot;http://&quot; se il file non richiede l&apos;accesso.
Nome utente e password: il vostro account presso quel servizio. La password viene inviata solo al sito della pagina di accesso, e solo in un modulo.

Per il servizio space-track.org Orvane compila da sé la pagina di accesso. Per qualsiasi altro servizio la pagina viene mostrata con i suoi campi: compilateli, premete Invia e poi Continua una volta effettuato l&apos;accesso.

Un accesso riuscito resta valido fino alla fine del programma o fino a Disconnetti.</translation>
    </message>
</context>
<context>
    <name>app::download::TFormTLEinfo</name>
    <message>
        <location filename="../../app/download/form_tle_info.cpp" line="32"/>
        <source>The TLE file %1 has been updated!</source>
        <translation>Il file TLE %1 è stato aggiornato!</translation>
    </message>
</context>
<context>
    <name>app::download::TFormWEB</name>
    <message>
        <location filename="../../app/download/form_web.cpp" line="172"/>
        <source>3-LINE ELEMENTS DOWNLOADING</source>
        <translation>SCARICAMENTO ELEMENTI A 3 RIGHE</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="173"/>
        <source>File URL (http or https only) :</source>
        <translation>URL del file (solo http o https) :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="174"/>
        <source>Login URL (http or https only) :</source>
        <translation>URL di accesso (solo http o https) :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="175"/>
        <source>User name :</source>
        <translation>Nome utente :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="176"/>
        <source>Password :</source>
        <translation>Password :</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="177"/>
        <source>to local file (full path):</source>
        <translation>nel file locale (percorso completo):</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="178"/>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="179"/>
        <source>Please, notify me if the TLE file is older than </source>
        <translation>Avvisami se il file TLE è più vecchio di </translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="180"/>
        <source> days</source>
        <translation> giorni</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="181"/>
        <source>Automatic download if TLE file is too old</source>
        <translation>Scaricamento automatico se il file TLE è troppo vecchio</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="182"/>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="183"/>
        <source>to start login or download if no login required</source>
        <translation>per avviare l&apos;accesso, o lo scaricamento se l&apos;accesso non è richiesto</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="184"/>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="185"/>
        <source>to continue download after login success</source>
        <translation>per continuare lo scaricamento dopo l&apos;accesso riuscito</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="186"/>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="187"/>
        <source>to forget the login of this session</source>
        <translation>per dimenticare l&apos;accesso di questa sessione</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="188"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="189"/>
        <source>Help about the login fields</source>
        <translation>Aiuto sui campi di accesso</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="190"/>
        <source>Help about the download fields</source>
        <translation>Aiuto sui campi di scaricamento</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="192"/>
        <source>Pse Login WEB site. If success click CONTINUE. If failure click CLOSE and check data</source>
        <translation>Effettuare l&apos;accesso al sito WEB. Se riesce cliccare CONTINUA. Se fallisce cliccare CHIUDI e controllare i dati</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="203"/>
        <source>Download 3-line elements from WEB</source>
        <translation>Scarica elementi a 3 righe dal WEB</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="211"/>
        <source>Login URL ....</source>
        <translation>URL di accesso ....</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="213"/>
        <source>Checking cookie ... Please wait a few seconds</source>
        <translation>Verifica del cookie ... Attendere qualche secondo</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="215"/>
        <source>URL error</source>
        <translation>Errore di URL</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="217"/>
        <source>Fetched less than two hours ago. Press Download again to fetch it anyway.</source>
        <translation>Scaricato meno di due ore fa. Premere di nuovo Scarica per scaricarlo comunque.</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="219"/>
        <source>Downloading ....</source>
        <translation>Scaricamento ....</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="221"/>
        <source>Error ! Not Text file !</source>
        <translation>Errore ! Non è un file di testo !</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="223"/>
        <source>GZip extracting</source>
        <translation>Estrazione GZip</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="225"/>
        <source>Extracting error</source>
        <translation>Errore di estrazione</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="227"/>
        <source>Downloading completed OK</source>
        <translation>Scaricamento completato OK</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="229"/>
        <source>Login error</source>
        <translation>Errore di accesso</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="231"/>
        <source>Can&apos;t write the TLE file</source>
        <translation>Impossibile scrivere il file TLE</translation>
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
        <translation>risposta vuota</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="244"/>
        <source>transfer cut off</source>
        <translation>trasferimento interrotto</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="247"/>
        <source>time-out</source>
        <translation>tempo scaduto</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="250"/>
        <source>server not reachable</source>
        <translation>server non raggiungibile</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="253"/>
        <source>certificate not trusted</source>
        <translation>certificato non attendibile</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="256"/>
        <source>file too large</source>
        <translation>file troppo grande</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="259"/>
        <source>not an http or https address</source>
        <translation>non è un indirizzo http o https</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="262"/>
        <source>too many redirections</source>
        <translation>troppi reindirizzamenti</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="270"/>
        <source>Downloading error </source>
        <translation>Errore di scaricamento </translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="369"/>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2 righe, testo (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <location filename="../../app/download/form_web.cpp" line="370"/>
        <source>All/Tous (*)</source>
        <translation>Tutti (*)</translation>
    </message>
</context>
</TS>
