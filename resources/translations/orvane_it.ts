<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Messages</name>
    <message>
        <source>Can't create Orvane.ini</source>
        <translation>Impossibile creare Orvane.ini</translation>
    </message>
    <message>
        <source>Can't open the satellite data file</source>
        <translation>Impossibile aprire il file dei dati dei satelliti</translation>
    </message>
    <message>
        <source>The 3-line file is limited to 1000 satellites<byte value="xd" />
 Please split this or choose a shorter file</source>
        <translation>Il file a 3 righe è limitato a 1000 satelliti<byte value="xd" />
 Dividerlo o scegliere un file più corto</translation>
    </message>
    <message>
        <source>Enter your locator or lattitude+longitude, please ...</source>
        <translation>Inserire il locator o latitudine+longitudine, per favore ...</translation>
    </message>
    <message>
        <source>Enter your altitude please ...</source>
        <translation>Inserire la propria altitudine, per favore ...</translation>
    </message>
    <message>
        <source>Enter your local time difference with UTC please...</source>
        <translation>Inserire la differenza tra l'ora locale e UTC, per favore...</translation>
    </message>
    <message>
        <source>Enter 3-line file path and name please...</source>
        <translation>Inserire percorso e nome del file a 3 righe, per favore...</translation>
    </message>
    <message>
        <source>Choose 1 to %1 satellites please...</source>
        <translation>Scegliere da 1 a %1 satelliti, per favore...</translation>
    </message>
    <message>
        <source>%1 satellites maximum please ...</source>
        <translation>%1 satelliti al massimo, per favore ...</translation>
    </message>
    <message>
        <source>Local time has changed ! Please update time lag between local time/UTC.</source>
        <translation>L'ora locale è cambiata! Aggiornare la differenza tra ora locale e UTC.</translation>
    </message>
    <message>
        <source>You quit ORVANE ! Are you sure ?</source>
        <translation>Si sta per uscire da ORVANE! Confermare?</translation>
    </message>
    <message>
        <source>A DDE conversation is in progress ! Please close the client conversation before quitting !</source>
        <translation>È in corso una conversazione DDE! Chiudere la conversazione del client prima di uscire!</translation>
    </message>
    <message>
        <source>One or more satellites are missing in your Two-Line-Elements file</source>
        <translation>Uno o più satelliti mancano nel file degli elementi orbitali</translation>
    </message>
    <message>
        <source>Satellite visibility</source>
        <translation>Visibilità dei satelliti</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2 righe, testo (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <source>All/Tous (*)</source>
        <translation>Tutti (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Rename satellites</source>
        <translation>&amp;Rinomina satelliti</translation>
    </message>
    <message>
        <source>&amp;Save data pass to file</source>
        <translation>&amp;Salva il passaggio su file</translation>
    </message>
    <message>
        <source>Don't control checksums of the TLE files</source>
        <translation>Non controllare le somme di controllo dei file TLE</translation>
    </message>
    <message>
        <source>Don't confirm when quitting</source>
        <translation>Non chiedere conferma all'uscita</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Gruppo</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>AZ Beam</source>
        <translation>Direzione AZ</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Starting &amp;Date</source>
        <translation>&amp;Data di partenza</translation>
    </message>
    <message>
        <source>Display &amp;UTC</source>
        <translation>Mostra &amp;UTC</translation>
    </message>
    <message>
        <source>Display current time in 24-hour format</source>
        <translation>Mostra l'ora corrente nel formato 24 ore</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Finestra</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Reduced</source>
        <translation>&amp;Ridotta</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Per iniziare</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;Informazioni su Orvane</translation>
    </message>
    <message>
        <source>Check for a new release when opening the program.</source>
        <translation>Cercare una nuova versione all'apertura del programma.</translation>
    </message>
    <message>
        <source>INITIALIZATION</source>
        <translation>IMPOSTAZIONI</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Stazione</translation>
    </message>
    <message>
        <source>QRA locator</source>
        <translation>Locator QRA</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Altitudine (m)</translation>
    </message>
    <message>
        <source>Local time - UTC (h)</source>
        <translation>Ora locale - UTC (h)</translation>
    </message>
    <message>
        <source>Locator form : AR09AX</source>
        <translation>Formato del locator: AR09AX</translation>
    </message>
    <message>
        <source>Form : 45.123456789</source>
        <translation>Formato: 45.123456789</translation>
    </message>
    <message>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Gradi, minuti, secondi in gradi decimali</translation>
    </message>
    <message>
        <source>Satellite groups</source>
        <translation>Gruppi di satelliti</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>SFOGLIA</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nome del gruppo</translation>
    </message>
    <message>
        <source>to change group name</source>
        <translation>per cambiare il nome del gruppo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>to reset the group</source>
        <translation>per azzerare il gruppo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Red satellites out of work</source>
        <translation>Satelliti in rosso fuori servizio</translation>
    </message>
    <message>
        <source>Antenna interface</source>
        <translation>Interfaccia d'antenna</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Minimum elevation (degrees)</source>
        <translation>Elevazione minima (gradi)</translation>
    </message>
    <message>
        <source>Sound alarm when a satellite rises</source>
        <translation>Allarme sonoro al sorgere di un satellite</translation>
    </message>
    <message>
        <source>Alarm length (seconds)</source>
        <translation>Durata dell'allarme (secondi)</translation>
    </message>
    <message>
        <source>Warning before the satellite rises</source>
        <translation>Preavviso prima del sorgere del satellite</translation>
    </message>
    <message>
        <source>Warning time (minutes)</source>
        <translation>Anticipo del preavviso (minuti)</translation>
    </message>
    <message>
        <source>EXPLORE</source>
        <translation>ESPLORA</translation>
    </message>
    <message>
        <source>SATELLITE  : IN    FOR</source>
        <translation>SATELLITE  :TRA   DUR.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>The elements of %1 are damaged in your Two-Line-Elements file</source>
        <translation>Gli elementi di %1 sono danneggiati nel file degli elementi orbitali</translation>
    </message>
    <message>
        <source>'%1' is not a valid floating point value</source>
        <translation>'%1' non è un numero decimale valido</translation>
    </message>
</context>
<context>
    <name>app::TFormDialog</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>app::TFormRename</name>
    <message>
        <source>ORVANE - Rename Satellites</source>
        <translation>ORVANE - Rinomina satelliti</translation>
    </message>
    <message>
        <source>Old name or NORAD number</source>
        <translation>Vecchio nome o numero NORAD</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>It is recommanded to use the NORAD satellite number as reference</source>
        <translation>Si consiglia di usare il numero NORAD del satellite come riferimento</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
</context>
</TS>