<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>prediction::PanelExplorer</name>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="154"/>
        <source>To display next visibility</source>
        <translation>Mostrar la visibilidad siguiente</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="155"/>
        <source>To display previous visibility</source>
        <translation>Mostrar la visibilidad anterior</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="156"/>
        <source>Back to first visibility</source>
        <translation>Volver a la primera visibilidad</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="157"/>
        <source>To set or clear tracking line</source>
        <translation>Marcar o borrar la línea de seguimiento</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="158"/>
        <location filename="../../prediction/panel_explorer.cpp" line="159"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="160"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="161"/>
        <source>To close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="150"/>
        <source>Take note : LOCAL time !</source>
        <translation>Atención : ¡hora LOCAL!</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="137"/>
        <source>  DATE &amp;&amp;  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation>  FECHA &amp;&amp;  HORA UTC  EL   AZ   DIST.   ALTIT  LAT  LONG  PHAx  DES RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="138"/>
        <source>  DATE &amp;&amp; LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation>  FECHA &amp;&amp; HORA LOC.  EL   AZ   DIST.   ALTIT  LAT  LONG  PHAx  DES RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="144"/>
        <source> DATE &amp;  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation> FECHA &amp;  HORA UTC  EL   AZ   DIST.   ALTIT  LAT  LONG  PHAx  DES RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="145"/>
        <source> DATE &amp; LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP</source>
        <translation> FECHA &amp; HORA LOC.  EL   AZ   DIST.   ALTIT  LAT  LONG  PHAx  DES RX-DOPP</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="150"/>
        <source>Take note : UTC time !</source>
        <translation>Atención : ¡hora UTC!</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="163"/>
        <location filename="../../prediction/panel_explorer.cpp" line="230"/>
        <source>(* = satellite in eclipse)</source>
        <translation>(* = satélite en eclipse)</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="170"/>
        <source>Satellite is visible</source>
        <translation>El satélite es visible</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="170"/>
        <source>Satellite is currently not visible</source>
        <translation>El satélite no es visible ahora</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="198"/>
        <source>Epoch (DD/MM/YY): </source>
        <translation>Época (DD/MM/AA): </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="200"/>
        <source>Epoch (NASA): </source>
        <translation>Época (NASA): </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>Inclination : </source>
        <translation>Inclinación : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>R.A.A.N. : </source>
        <translation>A.R.N.A. : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="201"/>
        <source>Eccentricity : </source>
        <translation>Excentricidad : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Argument of perigee : </source>
        <translation>Argumento del perigeo : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Mean anomaly : </source>
        <translation>Anomalía media : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="202"/>
        <source>Mean motion : </source>
        <translation>Movimiento medio : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="203"/>
        <source>Mean motion drift : </source>
        <translation>Deriva del movimiento medio : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer.cpp" line="203"/>
        <source>Reference orbit number : </source>
        <translation>Número de órbita de referencia : </translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="141"/>
        <source>Save data pass to file</source>
        <translation>Guardar los datos del paso</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="144"/>
        <source>Text (*.txt)</source>
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <location filename="../../prediction/panel_explorer_actions.cpp" line="162"/>
        <source>Can&apos;t write the file </source>
        <translation>No se puede escribir el fichero </translation>
    </message>
</context>
<context>
    <name>prediction::TForm24H</name>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="151"/>
        <source>ORVANE - 24 HOUR TIMETABLE</source>
        <translation>ORVANE - HORARIO de 24 HORAS</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="153"/>
        <source>To print the 24H timetable</source>
        <translation>Para imprimir el horario de 24H</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="152"/>
        <source>PRINT</source>
        <translation>IMPRIMIR</translation>
    </message>
    <message>
        <location filename="../../prediction/form_24h.cpp" line="197"/>
        <source>Too many passes: this row stops at the limit of the pass history</source>
        <translation>Demasiados pasos: esta fila se detiene en el límite del historial</translation>
    </message>
</context>
<context>
    <name>prediction::TFormDate</name>
    <message>
        <location filename="../../prediction/form_date.cpp" line="98"/>
        <source>STARTING DATE</source>
        <translation>FECHA DE INICIO</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="99"/>
        <source>Current date</source>
        <translation>Fecha actual</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="100"/>
        <source>This date :</source>
        <translation>Esta fecha :</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="101"/>
        <source>LOCAL    DD/MMM/YYYY    HH:MN</source>
        <translation>LOCAL    DD/MMM/AAAA    HH:MN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_date.cpp" line="101"/>
        <source> UTC     DD/MMM/YYYY    HH:MN</source>
        <translation> UTC     DD/MMM/AAAA    HH:MN</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPRINT</name>
    <message>
        <location filename="../../prediction/form_print.cpp" line="159"/>
        <location filename="../../prediction/form_print.cpp" line="163"/>
        <source>PRINT</source>
        <translation>IMPRIMIR</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="160"/>
        <source>The number of lines to print is </source>
        <translation>El número de líneas a imprimir son </translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="161"/>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="162"/>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="164"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="165"/>
        <source>Print every </source>
        <translation>Imprimir cada </translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="166"/>
        <source>Minute(s)</source>
        <translation>Minuto(s)</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="167"/>
        <source>until</source>
        <translation>hasta</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="168"/>
        <source>Print from</source>
        <translation>Imprimir desde</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="169"/>
        <source>DD/MMM/YYYY     HH:MN</source>
        <translation>DD/MMM/AAAA     HH:MN</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="265"/>
        <source>Starting or ending time is not set !</source>
        <translation>¡la hora de inicio o fin no está fijada!</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="267"/>
        <source>Nothing to print ! Verify starting or ending date and time.</source>
        <translation>¡Nada para imprimir! Verifique la fecha y hora de inicio o fin</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="269"/>
        <source>Starting time is out of pass !</source>
        <translation>¡La hora de inicio está fuera de la pasada!</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print.cpp" line="270"/>
        <source>Ending time is out of pass !</source>
        <translation>¡La hora de fin está fuera de la pasada!</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24H</name>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="100"/>
        <source>PRINT 24H</source>
        <translation>IMPRIMIR 24H</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="101"/>
        <source>PRINT</source>
        <translation>IMPRIMIR</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="102"/>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="103"/>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="104"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="105"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24HPreview</name>
    <message>
        <location filename="../../prediction/form_print24h.cpp" line="37"/>
        <source>PRINT 24H - PREVIEW</source>
        <translation>IMPRIMIR 24H -VISTA PREVIA</translation>
    </message>
</context>
</TS>
