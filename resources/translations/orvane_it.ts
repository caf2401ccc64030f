<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Messages</name>
    <message>
        <location filename="../../app/languages.cpp" line="132"/>
        <source>Can&apos;t create Orvane.ini</source>
        <translation>Impossibile creare Orvane.ini</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="133"/>
        <location filename="../../app/languages.cpp" line="178"/>
        <source>Can&apos;t open the satellite data file</source>
        <translation>Impossibile aprire il file dei dati dei satelliti</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="138"/>
        <location filename="../../app/languages.cpp" line="185"/>
        <source>The 3-line file is limited to 1000 satellites<byte value="xd"/>
 Please split this or choose a shorter file</source>
        <translation>Il file a 3 righe è limitato a 1000 satelliti<byte value="xd"/>
 Dividerlo o scegliere un file più corto</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="145"/>
        <source>Enter your locator or lattitude+longitude, please ...</source>
        <translation>Inserire il locator o latitudine+longitudine, per favore ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="149"/>
        <source>Enter your altitude please ...</source>
        <translation>Inserire la propria altitudine, per favore ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="152"/>
        <source>Enter your local time difference with UTC please...</source>
        <translation>Inserire la differenza tra l&apos;ora locale e UTC, per favore...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="156"/>
        <source>Enter 3-line file path and name please...</source>
        <translation>Inserire percorso e nome del file a 3 righe, per favore...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="159"/>
        <source>Choose 1 to %1 satellites please...</source>
        <translation>Scegliere da 1 a %1 satelliti, per favore...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="162"/>
        <source>%1 satellites maximum please ...</source>
        <translation>%1 satelliti al massimo, per favore ...</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="165"/>
        <source>Local time has changed ! Please update time lag between local time/UTC.</source>
        <translation>L&apos;ora locale è cambiata! Aggiornare la differenza tra ora locale e UTC.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="169"/>
        <source>You quit ORVANE ! Are you sure ?</source>
        <translation>Si sta per uscire da ORVANE! Confermare?</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="172"/>
        <source>A DDE conversation is in progress ! Please close the client conversation before quitting !</source>
        <translation>Una conversazione DDE e&apos; in atto ! Per Piacere chiudi la conversazione prima di uscire !</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="181"/>
        <source>One or more satellites are missing in your Two-Line-Elements file</source>
        <translation>Uno o più satelliti mancano nel file degli elementi orbitali</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="191"/>
        <source>Satellite visibility</source>
        <translation>Visibilità dei satelliti</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="207"/>
        <source>The texts of this language could not be loaded. The language stays unchanged.</source>
        <translation>Non è stato possibile caricare i testi di questa lingua. La lingua resta invariata.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="134"/>
        <source>larger than %1 MB</source>
        <translation>più grande di %1 MB</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="135"/>
        <source>Orvane.ini could not be read at start and is kept as it is. The settings of this session are saved in Orvane.ini.new.</source>
        <translation>Non è stato possibile leggere Orvane.ini all&apos;avvio e il file resta invariato. Le impostazioni di questa sessione sono salvate in Orvane.ini.new.</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="195"/>
        <source>Orvane.ini could not be read: %1</source>
        <translation>Impossibile leggere Orvane.ini: %1</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="199"/>
        <source>Can&apos;t create Orvane.dat</source>
        <translation>Impossibile creare Orvane.dat</translation>
    </message>
    <message>
        <location filename="../../app/languages.cpp" line="203"/>
        <source>Erreur/Error Orvane.nfo</source>
        <translation>Errore Orvane.nfo</translation>
    </message>
</context>
<context>
    <name>app::TForm1</name>
    <message>
        <location filename="../../app/form1_groups.cpp" line="174"/>
        <source>The element file %1 cannot be read from line %2 on</source>
        <translation>Il file degli elementi %1 non è leggibile dalla riga %2 in poi</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="245"/>
        <source>2-Line,Text (*.tle *.2li *.txt)</source>
        <translation>2 righe, testo (*.tle *.2li *.txt)</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="246"/>
        <source>All/Tous (*)</source>
        <translation>Tutti (*)</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="246"/>
        <source>OMM elements (*.csv *.xml *.json)</source>
        <translation>Elementi OMM (*.csv *.xml *.json)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="171"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="172"/>
        <source>&amp;Rename satellites</source>
        <translation>&amp;Rinomina satelliti</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="173"/>
        <source>&amp;Save data pass to file</source>
        <translation>&amp;Salva il passaggio su file</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="174"/>
        <source>Don&apos;t control checksums of the TLE files</source>
        <translation>Non controllare le somme di controllo dei file TLE</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="175"/>
        <source>Don&apos;t confirm when quitting</source>
        <translation>Non chiedere conferma all&apos;uscita</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="176"/>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="177"/>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="178"/>
        <source>&amp;Group</source>
        <translation>&amp;Gruppo</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="179"/>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="180"/>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="181"/>
        <source>AZ Beam</source>
        <translation>Direzione AZ</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="182"/>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="183"/>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="184"/>
        <source>Starting &amp;Date</source>
        <translation>&amp;Data di partenza</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="185"/>
        <source>Display &amp;UTC</source>
        <translation>Mostra &amp;UTC</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="186"/>
        <source>Display current time in 24-hour format</source>
        <translation>Mostra l&apos;ora corrente nel formato 24 ore</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="187"/>
        <source>&amp;Window</source>
        <translation>&amp;Finestra</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="188"/>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="189"/>
        <source>&amp;Reduced</source>
        <translation>&amp;Ridotta</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="190"/>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="191"/>
        <source>Getting started</source>
        <translation>Per iniziare</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="192"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="193"/>
        <source>&amp;About Orvane</source>
        <translation>&amp;Informazioni su Orvane</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="194"/>
        <source>Check for a new release when opening the program.</source>
        <translation>Cercare una nuova versione all&apos;apertura del programma.</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="196"/>
        <source>INITIALIZATION</source>
        <translation>IMPOSTAZIONI</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="197"/>
        <source>Station</source>
        <translation>Stazione</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="198"/>
        <source>QRA locator</source>
        <translation>Locator QRA</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="199"/>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="200"/>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="201"/>
        <source>Altitude (m)</source>
        <translation>Altitudine (m)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="202"/>
        <source>Local time - UTC (h)</source>
        <translation>Ora locale - UTC (h)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="203"/>
        <source>Locator form : AR09AX</source>
        <translation>Formato del locator: AR09AX</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="204"/>
        <location filename="../../app/form1_menus.cpp" line="205"/>
        <source>Form : 45.123456789</source>
        <translation>Formato: 45.123456789</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="206"/>
        <source>Degrees, minutes, seconds to decimal degrees</source>
        <translation>Gradi, minuti, secondi in gradi decimali</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="207"/>
        <source>Satellite groups</source>
        <translation>Gruppi di satelliti</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="208"/>
        <source>BROWSE</source>
        <translation>SFOGLIA</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="209"/>
        <source>Group name</source>
        <translation>Nome del gruppo</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="210"/>
        <source>to change group name</source>
        <translation>per cambiare il nome del gruppo</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="211"/>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="212"/>
        <source>to reset the group</source>
        <translation>per azzerare il gruppo</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="213"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="214"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="215"/>
        <source>Red satellites out of work</source>
        <translation>Satelliti in rosso fuori servizio</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="216"/>
        <location filename="../../app/form1_tracking.cpp" line="190"/>
        <source>Antenna interface</source>
        <translation>Interfaccia d&apos;antenna</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="217"/>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="218"/>
        <source>Minimum elevation (degrees)</source>
        <translation>Elevazione minima (gradi)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="219"/>
        <source>Sound alarm when a satellite rises</source>
        <translation>Allarme sonoro al sorgere di un satellite</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="220"/>
        <source>Alarm length (seconds)</source>
        <translation>Durata dell&apos;allarme (secondi)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="221"/>
        <source>Warning before the satellite rises</source>
        <translation>Preavviso prima del sorgere del satellite</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="222"/>
        <source>Warning time (minutes)</source>
        <translation>Anticipo del preavviso (minuti)</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="223"/>
        <source>EXPLORE</source>
        <translation>ESPLORA</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="224"/>
        <source>SATELLITE  : IN    FOR</source>
        <translation>SATELLITE  :TRA   DUR.</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="225"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location filename="../../app/form1_menus.cpp" line="226"/>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location filename="../../app/form1_groups.cpp" line="184"/>
        <location filename="../../app/form1_passes.cpp" line="119"/>
        <source>The elements of %1 are damaged in your Two-Line-Elements file</source>
        <translation>Gli elementi di %1 sono danneggiati nel file degli elementi orbitali</translation>
    </message>
    <message>
        <location filename="../../app/form1_station.cpp" line="68"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; non è un numero decimale valido</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="189"/>
        <source>ANT</source>
        <translation>ANT</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="191"/>
        <source>Antenna</source>
        <translation>Antenna</translation>
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
        <translation>INSEGUI</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="196"/>
        <source>PARK</source>
        <translation>PARCHEGGIO</translation>
    </message>
    <message>
        <location filename="../../app/form1_tracking.cpp" line="197"/>
        <source>Antennas to their parking position</source>
        <translation>Antenne in posizione di parcheggio</translation>
    </message>
    <message>
        <location filename="../../app/form1_server.cpp" line="101"/>
        <source>TCPIP</source>
        <translation>TCPIP</translation>
    </message>
    <message>
        <location filename="../../app/form1_radio.cpp" line="86"/>
        <source>Radio modes and antenna of the satellite</source>
        <translation>Modi radio e antenna del satellite</translation>
    </message>
    <message>
        <location filename="../../app/form1_radio.cpp" line="87"/>
        <source>Your notes about the satellite</source>
        <translation>Le vostre note sul satellite</translation>
    </message>
    <message>
        <location filename="../../app/form1_window_size.cpp" line="66"/>
        <source>Click here to resize window</source>
        <translation>Fare clic qui per ridimensionare la finestra</translation>
    </message>
    <message>
        <location filename="../../app/form1_window_size.cpp" line="67"/>
        <source>24 hour schedule</source>
        <translation>Programma delle 24 ore</translation>
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
        <translation>Sì</translation>
    </message>
    <message>
        <location filename="../../app/form_dialog.cpp" line="44"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>app::TFormRename</name>
    <message>
        <location filename="../../app/form_rename.cpp" line="45"/>
        <source>ORVANE - Rename Satellites</source>
        <translation>ORVANE - Rinomina satelliti</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="46"/>
        <source>Old name or NORAD number</source>
        <translation>Vecchio nome o numero NORAD</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="46"/>
        <source>New name</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="47"/>
        <source>It is recommanded to use the NORAD satellite number as reference</source>
        <translation>Si consiglia di usare il numero NORAD del satellite come riferimento</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="48"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/form_rename.cpp" line="49"/>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
</context>
</TS>
