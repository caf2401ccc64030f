<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>prediction::TFormPRINT</name>
    <message>
        <source>PRINT</source>
        <translation>IMPRIMER</translation>
    </message>
    <message>
        <source>The number of lines to print is </source>
        <translation>Le nombre de lignes à imprimer est </translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Print every </source>
        <translation>Imprimer toutes les </translation>
    </message>
    <message>
        <source>Minute(s)</source>
        <translation>Minute(s)</translation>
    </message>
    <message>
        <source>until</source>
        <translation>jusqu'à</translation>
    </message>
    <message>
        <source>Print from</source>
        <translation>Imprimer de</translation>
    </message>
    <message>
        <source>DD/MMM/YYYY     HH:MN</source>
        <translation>JJ/MMM/AAAA     HH:MN</translation>
    </message>
    <message>
        <source>Starting or ending time is not set !</source>
        <translation>date début ou fin incomplète !</translation>
    </message>
    <message>
        <source>Nothing to print ! Verify starting or ending date and time.</source>
        <translation>Rien à imprimer ! Vérifiez les dates début et fin.</translation>
    </message>
    <message>
        <source>Starting time is out of pass !</source>
        <translation>Starting time is out of pass !</translation>
    </message>
    <message>
        <source>Ending time is out of pass !</source>
        <translation>Date fin hors visibilité !</translation>
    </message>
</context>
<context>
    <name>prediction::TForm24H</name>
    <message>
        <source>ORVANE - 24 HOUR TIMETABLE</source>
        <translation>ORVANE - VISIBILITES sur 24 HEURES</translation>
    </message>
    <message>
        <source>To print the 24H timetable</source>
        <translation>Imprimer les visibilités sur 24h</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>IMPRIMER</translation>
    </message>
    <message>
        <source>Too many passes: this row stops at the limit of the pass history</source>
        <translation>Trop de passages : cette ligne s'arrête à la limite de l'historique</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24H</name>
    <message>
        <source>PRINT 24H</source>
        <translation>IMPRIMER 24H</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>IMPRIMER</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualiser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>prediction::TFormPrint24HPreview</name>
    <message>
        <source>PRINT 24H - PREVIEW</source>
        <translation>IMPRIMER 24H - VISU</translation>
    </message>
</context>
<context>
    <name>prediction::TFormDate</name>
    <message>
        <source>STARTING DATE</source>
        <translation>DATE DE DEPART</translation>
    </message>
    <message>
        <source>Current date</source>
        <translation>Date courante</translation>
    </message>
    <message>
        <source>This date :</source>
        <translation>Cette date :</translation>
    </message>
    <message>
        <source>LOCAL    DD/MMM/YYYY    HH:MN</source>
        <translation>LOCAL    JJ/MMM/AAAA    HH:MN</translation>
    </message>
    <message>
        <source> UTC     DD/MMM/YYYY    HH:MN</source>
        <translation> UTC     JJ/MMM/AAAA    HH:MN</translation>
    </message>
</context>
<context>
    <name>prediction::PanelExplorer</name>
    <message>
        <source>To display next visibility</source>
        <translation>Afficher la visibilité suivante</translation>
    </message>
    <message>
        <source>To display previous visibility</source>
        <translation>Afficher la visibilité précédente</translation>
    </message>
    <message>
        <source>Back to first visibility</source>
        <translation>Retour à la première visibilité</translation>
    </message>
    <message>
        <source>To set or clear tracking line</source>
        <translation>Activer ou effacer la ligne de poursuite</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>To close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Take note : LOCAL time !</source>
        <translation>Attention : heure LOCALE !</translation>
    </message>
    <message>
        <source>Take note : UTC time !</source>
        <translation>Attention : heure UTC !</translation>
    </message>
    <message>
        <source>(* = satellite in eclipse)</source>
        <translation>(* = satellite en éclipse)</translation>
    </message>
    <message>
        <source>Satellite is visible</source>
        <translation>Le satellite est visible</translation>
    </message>
    <message>
        <source>Satellite is currently not visible</source>
        <translation>Le satellite n'est pas visible actuellement</translation>
    </message>
    <message>
        <source>Epoch (DD/MM/YY): </source>
        <translation>Epoque (JJ/MM/AA): </translation>
    </message>
    <message>
        <source>Epoch (NASA): </source>
        <translation>Epoque (NASA): </translation>
    </message>
    <message>
        <source>Inclination : </source>
        <translation>Inclinaison : </translation>
    </message>
    <message>
        <source>R.A.A.N. : </source>
        <translation>A.D.N.A. : </translation>
    </message>
    <message>
        <source>Eccentricity : </source>
        <translation>Excentricité : </translation>
    </message>
    <message>
        <source>Argument of perigee : </source>
        <translation>Argument du périgée : </translation>
    </message>
    <message>
        <source>Mean anomaly : </source>
        <translation>Anomalie moyenne : </translation>
    </message>
    <message>
        <source>Mean motion : </source>
        <translation>Moyen mouvement : </translation>
    </message>
    <message>
        <source>Mean motion drift : </source>
        <translation>Dérive du moyen mouvement : </translation>
    </message>
    <message>
        <source>Reference orbit number : </source>
        <translation>Numéro d'orbite de référence : </translation>
    </message>
    <message>
        <source>Save data pass to file</source>
        <translation>Enregistrer les données du passage</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texte (*.txt)</translation>
    </message>
    <message>
        <source>Can't write the file </source>
        <translation>Impossible d'écrire le fichier </translation>
    </message>
</context>
</TS>
