<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>prediction::TFormPRINT</name>
    <message>
        <source>PRINT</source>
        <translation>IMPRIMIR</translation>
    </message>
    <message>
        <source>The number of lines to print is </source>
        <translation>El número de líneas a imprimir son </translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Print every </source>
        <translation>Imprimir cada </translation>
    </message>
    <message>
        <source>Minute(s)</source>
        <translation>Minuto(s)</translation>
    </message>
    <message>
        <source>until</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>Print from</source>
        <translation>Imprimir desde</translation>
    </message>
    <message>
        <source>DD/MMM/YYYY     HH:MN</source>
        <translation>DD/MMM/AAAA     HH:MN</translation>
    </message>
    <message>
        <source>Starting or ending time is not set !</source>
        <translation>¡la hora de inicio o fin no está fijada!</translation>
    </message>
    <message>
        <source>Nothing to print ! Verify starting or ending date and time.</source>
        <translation>¡Nada para imprimir! Verifique la fecha y hora de inicio o fin</translation>
    </message>
    <message>
        <source>Starting time is out of pass !</source>
        <translation>¡La hora de inicio está fuera de la pasada!</translation>
    </message>
    <message>
        <source>Ending time is out of pass !</source>
        <translation>¡La hora de fin está fuera de la pasada!</translation>
    </message>
</context>
<context>
    <name>prediction::TForm24H</name>
    <message>
        <source>ORVANE - 24 HOUR TIMETABLE</source>
        <translation>ORVANE - HORARIO de 24 HORAS</translation>
    </message>
    <message>
        <source>To print the 24H timetable</source>
        <translation>Para imprimir el horario de 24H</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>IMPRIMIR</translation>
    </message>
    <message>
        <source>Too many passes: this row stops at the limit of the pass history</source>
        <translation>Demasiados pasos: esta fila se detiene en el límite del historial</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24H</name>
    <message>
        <source>PRINT 24H</source>
        <translation>IMPRIMIR 24H</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>IMPRIMIR</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24HPreview</name>
    <message>
        <source>PRINT 24H - PREVIEW</source>
        <translation>IMPRIMIR 24H -VISTA PREVIA</translation>
    </message>
</context>
<context>
    <name>prediction::TFormDate</name>
    <message>
        <source>STARTING DATE</source>
        <translation>FECHA DE INICIO</translation>
    </message>
    <message>
        <source>Current date</source>
        <translation>Fecha actual</translation>
    </message>
    <message>
        <source>This date :</source>
        <translation>Esta fecha :</translation>
    </message>
    <message>
        <source>LOCAL    DD/MMM/YYYY    HH:MN</source>
        <translation>LOCAL    DD/MMM/AAAA    HH:MN</translation>
    </message>
    <message>
        <source> UTC     DD/MMM/YYYY    HH:MN</source>
        <translation> UTC     DD/MMM/AAAA    HH:MN</translation>
    </message>
</context>
<context>
    <name>prediction::PanelExplorer</name>
    <message>
        <source>To display next visibility</source>
        <translation>Mostrar la visibilidad siguiente</translation>
    </message>
    <message>
        <source>To display previous visibility</source>
        <translation>Mostrar la visibilidad anterior</translation>
    </message>
    <message>
        <source>Back to first visibility</source>
        <translation>Volver a la primera visibilidad</translation>
    </message>
    <message>
        <source>To set or clear tracking line</source>
        <translation>Marcar o borrar la línea de seguimiento</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>To close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>Take note : LOCAL time !</source>
        <translation>Atención : ¡hora LOCAL!</translation>
    </message>
    <message>
        <source>Take note : UTC time !</source>
        <translation>Atención : ¡hora UTC!</translation>
    </message>
    <message>
        <source>(* = satellite in eclipse)</source>
        <translation>(* = satélite en eclipse)</translation>
    </message>
    <message>
        <source>Satellite is visible</source>
        <translation>El satélite es visible</translation>
    </message>
    <message>
        <source>Satellite is currently not visible</source>
        <translation>El satélite no es visible ahora</translation>
    </message>
    <message>
        <source>Epoch (DD/MM/YY): </source>
        <translation>Época (DD/MM/AA): </translation>
    </message>
    <message>
        <source>Epoch (NASA): </source>
        <translation>Época (NASA): </translation>
    </message>
    <message>
        <source>Inclination : </source>
        <translation>Inclinación : </translation>
    </message>
    <message>
        <source>R.A.A.N. : </source>
        <translation>A.R.N.A. : </translation>
    </message>
    <message>
        <source>Eccentricity : </source>
        <translation>Excentricidad : </translation>
    </message>
    <message>
        <source>Argument of perigee : </source>
        <translation>Argumento del perigeo : </translation>
    </message>
    <message>
        <source>Mean anomaly : </source>
        <translation>Anomalía media : </translation>
    </message>
    <message>
        <source>Mean motion : </source>
        <translation>Movimiento medio : </translation>
    </message>
    <message>
        <source>Mean motion drift : </source>
        <translation>Deriva del movimiento medio : </translation>
    </message>
    <message>
        <source>Reference orbit number : </source>
        <translation>Número de órbita de referencia : </translation>
    </message>
    <message>
        <source>Save data pass to file</source>
        <translation>Guardar los datos del paso</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <source>Can't write the file </source>
        <translation>No se puede escribir el fichero </translation>
    </message>
</context>
</TS>
