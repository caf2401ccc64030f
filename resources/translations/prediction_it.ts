<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>prediction::TFormPRINT</name>
    <message>
        <source>PRINT</source>
        <translation>STAMPA</translation>
    </message>
    <message>
        <source>The number of lines to print is </source>
        <translation>Il numero delle linee da stampare sono </translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configura</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Print every </source>
        <translation>Stampa ogni </translation>
    </message>
    <message>
        <source>Minute(s)</source>
        <translation>Minuto(i)</translation>
    </message>
    <message>
        <source>until</source>
        <translation>fino a</translation>
    </message>
    <message>
        <source>Print from</source>
        <translation>Stampa da</translation>
    </message>
    <message>
        <source>DD/MMM/YYYY     HH:MN</source>
        <translation>DD/MMM/YYYY     HH:MN</translation>
    </message>
    <message>
        <source>Starting or ending time is not set !</source>
        <translation>L'orario di inizio o di fine non e' settato !</translation>
    </message>
    <message>
        <source>Nothing to print ! Verify starting or ending date and time.</source>
        <translation>Non c'e' niente da stampare ! Verificare la data e l'orario di inizio o di fine.</translation>
    </message>
    <message>
        <source>Starting time is out of pass !</source>
        <translation>L'orario di inizio non corrisponde al passaggio del Satellite selezinato !</translation>
    </message>
    <message>
        <source>Ending time is out of pass !</source>
        <translation>L'orario di fine non corrisponde al passaggio del Satellite selezinato !</translation>
    </message>
</context>
<context>
    <name>prediction::TForm24H</name>
    <message>
        <source>ORVANE - 24 HOUR TIMETABLE</source>
        <translation>ORVANE - ORARIO PER 24 ORE</translation>
    </message>
    <message>
        <source>To print the 24H timetable</source>
        <translation>Stampare il orario per 24 ore</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>STAMPA</translation>
    </message>
    <message>
        <source>Too many passes: this row stops at the limit of the pass history</source>
        <translation>Troppi passaggi: questa riga si ferma al limite della cronologia</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24H</name>
    <message>
        <source>PRINT 24H</source>
        <translation>STAMPA 24H</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>STAMPA</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configura</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visionare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24HPreview</name>
    <message>
        <source>PRINT 24H - PREVIEW</source>
        <translation>STAMPA 24H - VISIONARE</translation>
    </message>
</context>
<context>
    <name>prediction::TFormDate</name>
    <message>
        <source>STARTING DATE</source>
        <translation>DATA DI INIZIO</translation>
    </message>
    <message>
        <source>Current date</source>
        <translation>Data corrente</translation>
    </message>
    <message>
        <source>This date :</source>
        <translation>Questa data :</translation>
    </message>
    <message>
        <source>LOCAL    DD/MMM/YYYY    HH:MN</source>
        <translation>LOCALE   DD/MMM/YYYY    HH:MN</translation>
    </message>
    <message>
        <source> UTC     DD/MMM/YYYY    HH:MN</source>
        <translation> UTC     DD/MMM/YYYY    HH:MN</translation>
    </message>
</context>
<context>
    <name>prediction::PanelExplorer</name>
    <message>
        <source>To display next visibility</source>
        <translation>Mostrare la visibilità successiva</translation>
    </message>
    <message>
        <source>To display previous visibility</source>
        <translation>Mostrare la visibilità precedente</translation>
    </message>
    <message>
        <source>Back to first visibility</source>
        <translation>Tornare alla prima visibilità</translation>
    </message>
    <message>
        <source>To set or clear tracking line</source>
        <translation>Attivare o cancellare la linea di inseguimento</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>To close this window</source>
        <translation>Chiudere questa finestra</translation>
    </message>
    <message>
        <source>Take note : LOCAL time !</source>
        <translation>Attenzione : ora LOCALE !</translation>
    </message>
    <message>
        <source>Take note : UTC time !</source>
        <translation>Attenzione : ora UTC !</translation>
    </message>
    <message>
        <source>(* = satellite in eclipse)</source>
        <translation>(* = satellite in eclissi)</translation>
    </message>
    <message>
        <source>Satellite is visible</source>
        <translation>Il satellite è visibile</translation>
    </message>
    <message>
        <source>Satellite is currently not visible</source>
        <translation>Il satellite non è visibile ora</translation>
    </message>
    <message>
        <source>Epoch (DD/MM/YY): </source>
        <translation>Epoca (GG/MM/AA): </translation>
    </message>
    <message>
        <source>Epoch (NASA): </source>
        <translation>Epoca (NASA): </translation>
    </message>
    <message>
        <source>Inclination : </source>
        <translation>Inclinazione : </translation>
    </message>
    <message>
        <source>R.A.A.N. : </source>
        <translation>A.R.N.A. : </translation>
    </message>
    <message>
        <source>Eccentricity : </source>
        <translation>Eccentricità : </translation>
    </message>
    <message>
        <source>Argument of perigee : </source>
        <translation>Argomento del perigeo : </translation>
    </message>
    <message>
        <source>Mean anomaly : </source>
        <translation>Anomalia media : </translation>
    </message>
    <message>
        <source>Mean motion : </source>
        <translation>Moto medio : </translation>
    </message>
    <message>
        <source>Mean motion drift : </source>
        <translation>Deriva del moto medio : </translation>
    </message>
    <message>
        <source>Reference orbit number : </source>
        <translation>Numero d'orbita di riferimento : </translation>
    </message>
    <message>
        <source>Save data pass to file</source>
        <translation>Salvare i dati del passaggio</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Testo (*.txt)</translation>
    </message>
    <message>
        <source>Can't write the file </source>
        <translation>Impossibile scrivere il file </translation>
    </message>
</context>
</TS>
