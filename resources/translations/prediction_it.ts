<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>prediction::PanelExplorer</name>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="154"/>
        <source>To display next visibility</source>
        <translation>Mostrare la visibilità successiva</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="155"/>
        <source>To display previous visibility</source>
        <translation>Mostrare la visibilità precedente</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="156"/>
        <source>Back to first visibility</source>
        <translation>Tornare alla prima visibilità</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="157"/>
        <source>To set or clear tracking line</source>
        <translation>Attivare o cancellare la linea di inseguimento</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="158"/>
        <location filename="../../prediction/panel_explorer.cpp" line="159"/>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="160"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="161"/>
        <source>To close this window</source>
        <translation>Chiudere questa finestra</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="150"/>
        <source>Take note : LOCAL time !</source>
        <translation>Attenzione : ora LOCALE !</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="137"/>
        <source>  DATE &amp;&amp;  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation>  DATA &amp;&amp;   ORA  UTC  EL   AZ   DIST.   QUOTA  LAT  LONG  PHAx  DIS RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="138"/>
        <source>  DATE &amp;&amp; LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation>  DATA &amp;&amp; ORA LOCALE  EL   AZ   DIST.   QUOTA  LAT  LONG  PHAx  DIS RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="144"/>
        <source> DATE &amp;  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation> DATA &amp;   ORA  UTC  EL   AZ   DIST.   QUOTA  LAT  LONG  PHAx  DIS RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="145"/>
        <source> DATE &amp; LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation> DATA &amp; ORA LOCALE  EL   AZ   DIST.   QUOTA  LAT  LONG  PHAx  DIS RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="150"/>
        <source>Take note : UTC time !</source>
        <translation>Attenzione : ora UTC !</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="163"/>
        <location filename="../../prediction/panel_explorer.cpp" line="230"/>
        <source>(* = satellite in eclipse)</source>
        <translation>(* = satellite in eclissi)</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="170"/>
        <source>Satellite is visible</source>
        <translation>Il satellite è visibile</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="170"/>
        <source>Satellite is currently not visible</source>
        <translation>Il satellite non è visibile ora</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="198"/>
        <source>Epoch (DD/MM/YY): </source>
        <translation>Epoca (GG/MM/AA): </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="200"/>
        <source>Epoch (NASA): </source>
        <translation>Epoca (NASA): </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>Inclination : </source>
        <translation>Inclinazione : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>R.A.A.N. : </source>
        <translation>A.R.N.A. : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>Eccentricity : </source>
        <translation>Eccentricità : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Argument of perigee : </source>
        <translation>Argomento del perigeo : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Mean anomaly : </source>
        <translation>Anomalia media : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Mean motion : </source>
        <translation>Moto medio : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="203"/>
        <source>Mean motion drift : </source>
        <translation>Deriva del moto medio : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="203"/>
        <source>Reference orbit number : </source>
        <translation>Numero d&apos;orbita di riferimento : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="141"/>
        <source>Save data pass to file</source>
        <translation>Salvare i dati del passaggio</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="144"/>
        <source>Text (*.txt)</source>
        <translation>Testo (*.txt)</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="162"/>
        <source>Can&apos;t write the file </source>
        <translation>Impossibile scrivere il file </translation>
    </message>
</context>
<context>
    <name>prediction::TForm24H</name>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="151"/>
        <source>ORVANE - 24 HOUR TIMETABLE</source>
        <translation>ORVANE - ORARIO PER 24 ORE</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="153"/>
        <source>To print the 24H timetable</source>
        <translation>Stampare il orario per 24 ore</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="152"/>
        <source>PRINT</source>
        <translation>STAMPA</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="197"/>
        <source>Too many passes: this row stops at the limit of the pass history</source>
        <translation>Troppi passaggi: questa riga si ferma al limite della cronologia</translation>
    </message>
</context>
<context>
    <name>prediction::TFormDate</name>
    <message>
        <location filename="../../prediction/form_date.cpp" line="98"/>
        <source>STARTING DATE</source>
        <translation>DATA DI INIZIO</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="99"/>
        <source>Current date</source>
        <translation>Data corrente</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="100"/>
        <source>This date :</source>
        <translation>Questa data :</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="101"/>
        <source>LOCAL    DD/MMM/YYYY    HH:MN</source>
        <translation>LOCALE   GG/MMM/AAAA    HH:MN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="101"/>
        <source> UTC     DD/MMM/YYYY    HH:MN</source>
        <translation> UTC     GG/MMM/AAAA    HH:MN</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPRINT</name>
    <message>
        <location filename="../../prediction/form_print.cpp" line="159"/>
        <location filename="../../prediction/form_print.cpp" line="163"/>
        <source>PRINT</source>
        <translation>STAMPA</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="160"/>
        <source>The number of lines to print is </source>
        <translation>Il numero delle linee da stampare sono </translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="161"/>
        <source>Configure</source>
        <translation>Configura</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="162"/>
        <source>Fonts</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="164"/>
        <source>Cancel</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="165"/>
        <source>Print every </source>
        <translation>Stampa ogni </translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="166"/>
        <source>Minute(s)</source>
        <translation>Minuto(i)</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="167"/>
        <source>until</source>
        <translation>fino a</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="168"/>
        <source>Print from</source>
        <translation>Stampa da</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="169"/>
        <source>DD/MMM/YYYY     HH:MN</source>
        <translation>GG/MMM/AAAA     HH:MN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="265"/>
        <source>Starting or ending time is not set !</source>
        <translation>L&apos;orario di inizio o di fine non e&apos; settato !</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="267"/>
        <source>Nothing to print ! Verify starting or ending date and time.</source>
        <translation>Non c&apos;e&apos; niente da stampare ! Verificare la data e l&apos;orario di inizio o di fine.</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="269"/>
        <source>Starting time is out of pass !</source>
        <translation>L&apos;orario di inizio non corrisponde al passaggio del Satellite selezinato !</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="270"/>
        <source>Ending time is out of pass !</source>
        <translation>L&apos;orario di fine non corrisponde al passaggio del Satellite selezinato !</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24H</name>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="100"/>
        <source>PRINT 24H</source>
        <translation>STAMPA 24H</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="101"/>
        <source>PRINT</source>
        <translation>STAMPA</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="102"/>
        <source>Configure</source>
        <translation>Configura</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="103"/>
        <source>Fonts</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="104"/>
        <source>Preview</source>
        <translation>Visionare</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="105"/>
        <source>Cancel</source>
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24HPreview</name>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="37"/>
        <source>PRINT 24H - PREVIEW</source>
        <translation>STAMPA 24H - VISIONARE</translation>
    </message>
</context>
</TS>
