<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnswerWords</name>
    <message>
        <source>x %1 mm, y %2 mm</source>
        <translation>x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>No pair has both of its times: these times cannot tell where the epicenter lies</source>
        <translation>Kein Paar hat beide Zeiten: diese Zeiten sagen nicht, wo das Epizentrum liegt</translation>
    </message>
    <message>
        <source>Pair %1 has no times: the shaded band holds every point that fits pair %2 alone,</source>
        <translation>Paar %1 hat keine Zeiten: das schattierte Band enthält jeden Punkt, der allein zu Paar %2 passt,</translation>
    </message>
    <message>
        <source>so the epicenter cannot be told until pair %1 is recorded</source>
        <translation>daher ist das Epizentrum erst bekannt, wenn Paar %1 aufgenommen ist</translation>
    </message>
    <message>
        <source>No point of the map fits these times, not even the mark</source>
        <translation>Kein Punkt der Karte passt zu diesen Zeiten, nicht einmal die Marke</translation>
    </message>
    <message>
        <source>The shaded area fits your times: the epicenter may be up to %1 mm from the mark</source>
        <translation>Die schattierte Fläche passt zu Ihren Zeiten: das Epizentrum kann bis zu %1 mm von der Marke entfernt sein</translation>
    </message>
    <message>
        <source>The mark itself lies %1 mm outside the shaded area</source>
        <translation>Die Marke selbst liegt %1 mm außerhalb der schattierten Fläche</translation>
    </message>
    <message>
        <source>The times also fit a separate place: around %1 (orange diamond)</source>
        <translation>Die Zeiten passen auch zu einem anderen Ort: um %1 (orange Raute)</translation>
    </message>
    <message>
        <source>The times also fit %1 separate places; the best fitting (orange diamond) is around %2</source>
        <translation>Die Zeiten passen auch zu %1 anderen Orten; der beste (orange Raute) liegt um %2</translation>
    </message>
    <message>
        <source>No point can fit: the settings (stations, velocity or sample rate) are not usable</source>
        <translation>Kein Punkt kann passen: die Einstellungen (Stationen, Geschwindigkeit oder Abtastrate) sind unbrauchbar</translation>
    </message>
    <message>
        <source>The delay of pair %1 (%2 ms) cannot be right: the pulse needs at most %3 ms to go straight from A to %4 at %5 mm/s</source>
        <translation>Die Verzögerung von Paar %1 (%2 ms) kann nicht stimmen: der Impuls braucht höchstens %3 ms, um bei %5 mm/s direkt von A nach %4 zu gelangen</translation>
    </message>
    <message>
        <source>The delay of pair %1 (%2 ms) fits only points off the map</source>
        <translation>Die Verzögerung von Paar %1 (%2 ms) passt nur zu Punkten außerhalb der Karte</translation>
    </message>
    <message>
        <source>Each delay fits somewhere on the map, but no point fits both: one of the four times is probably wrong (the closest fit is around %1)</source>
        <translation>Jede Verzögerung passt irgendwo auf der Karte, aber kein Punkt zu beiden: eine der vier Zeiten ist wohl falsch (am nächsten passt es um %1)</translation>
    </message>
    <message>
        <source>No point of the map fits these times</source>
        <translation>Kein Punkt der Karte passt zu diesen Zeiten</translation>
    </message>
</context>
<context>
    <name>ChooseFont</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>Der Bericht %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>das Schreiben des PDF konnte nicht beginnen</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>%1 (%2 located)</source>
        <translation>%1 (%2 verortet)</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>%1, %2 mm</source>
        <translation>%1; %2 mm</translation>
    </message>
    <message>
        <source>SD x, y</source>
        <translation>SA x, y</translation>
    </message>
    <message>
        <source>Struck at</source>
        <translation>Schlag bei</translation>
    </message>
    <message>
        <source>Median off</source>
        <translation>Median-Abstand</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Region holds</source>
        <translation>Bereich enthält</translation>
    </message>
    <message>
        <source>%1 of %2 groups</source>
        <translation>%1 von %2 Gruppen</translation>
    </message>
    <message>
        <source>The class</source>
        <translation>Die Klasse</translation>
    </message>
    <message>
        <source>● numbered: a group&apos;s epicenter</source>
        <translation>● nummeriert: das Epizentrum einer Gruppe</translation>
    </message>
    <message>
        <source>outline: its fitting region</source>
        <translation>Umriss: sein passender Bereich</translation>
    </message>
    <message>
        <source>+ and dashed ellipse: mean, 1 sd</source>
        <translation>+ und gestrichelte Ellipse: Mittelwert, 1 SA</translation>
    </message>
    <message>
        <source>×: the struck point</source>
        <translation>×: der Schlagpunkt</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>off</source>
        <translation>Abst.</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>marked: </source>
        <translation>markiert: </translation>
    </message>
    <message>
        <source>Times in ms, d detected, g dragged; x, y, off (distance to the struck point) and ± (the group&apos;s uncertainty) in mm; in: the struck point lies in the group&apos;s region.</source>
        <translation>Zeiten in ms, d erkannt, g gezogen; x, y, Abst. (Abstand zum Schlagpunkt) und ± (Unsicherheit der Gruppe) in mm; in: der Schlagpunkt liegt im Bereich der Gruppe.</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>das PDF konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>PickWords</name>
    <message>
        <source>detected</source>
        <translation>erkannt</translation>
    </message>
    <message>
        <source>dragged</source>
        <translation>gezogen</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>detected by onset</source>
        <translation>erkannt am Einsatz</translation>
    </message>
    <message>
        <source>detected by correlation</source>
        <translation>erkannt per Korrelation</translation>
    </message>
    <message>
        <source>no pulse above the noise</source>
        <translation>kein Impuls über dem Rauschen</translation>
    </message>
    <message>
        <source>the idle noise reaches the level</source>
        <translation>das Ruherauschen erreicht den Pegel</translation>
    </message>
    <message>
        <source>the level was reached by noise before the pulse</source>
        <translation>das Rauschen erreichte den Pegel vor dem Impuls</translation>
    </message>
    <message>
        <source>no quiet part before the pulse to measure the noise</source>
        <translation>kein ruhiger Abschnitt vor dem Impuls, um das Rauschen zu messen</translation>
    </message>
    <message>
        <source>the two channels correlate too weakly</source>
        <translation>die beiden Kanäle korrelieren zu schwach</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>x %1 mm, y %2 mm</source>
        <translation>x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>A %1, B %2, C %3 mm</source>
        <translation>A %1, B %2, C %3 mm</translation>
    </message>
    <message>
        <source>map picture not available</source>
        <translation>Kartenbild nicht verfügbar</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>Auf der Karte</translation>
    </message>
    <message>
        <source>stations A, B, C</source>
        <translation>Stationen A, B, C</translation>
    </message>
    <message>
        <source>circles: increment + adjuster</source>
        <translation>Kreise: Zuwachs + Regler</translation>
    </message>
    <message>
        <source>epicenter found</source>
        <translation>gefundenes Epizentrum</translation>
    </message>
    <message>
        <source>other point fitting the times</source>
        <translation>anderer Punkt, der zu den Zeiten passt</translation>
    </message>
    <message>
        <source>points that fit the times</source>
        <translation>Punkte, die zu den Zeiten passen</translation>
    </message>
    <message>
        <source>struck point (simulated)</source>
        <translation>Schlagpunkt (simuliert)</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>nicht aufgenommen</translation>
    </message>
    <message>
        <source>not located: pair %1 has no times</source>
        <translation>nicht verortet: Paar %1 hat keine Zeiten</translation>
    </message>
    <message>
        <source>not located yet</source>
        <translation>noch nicht verortet</translation>
    </message>
    <message>
        <source>Bad Acquisition: the circles do not meet</source>
        <translation>Fehlerhafte Aufnahme: die Kreise treffen sich nicht</translation>
    </message>
    <message>
        <source>Bad acquisition: the point is off the map</source>
        <translation>Fehlerhafte Aufnahme: der Punkt liegt außerhalb der Karte</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>Der Bericht %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>Epicenter location report</source>
        <translation>Bericht zur Ortung des Epizentrums</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>das Schreiben des PDF konnte nicht beginnen</translation>
    </message>
    <message>
        <source>Station %1</source>
        <translation>Station %1</translation>
    </message>
    <message>
        <source>x %1, y %2 mm</source>
        <translation>x %1, y %2 mm</translation>
    </message>
    <message>
        <source>Pulse velocity</source>
        <translation>Geschw.</translation>
    </message>
    <message>
        <source>%1 mm/s</source>
        <translation>%1 mm/s</translation>
    </message>
    <message>
        <source>Measured to</source>
        <translation>Gemessen auf</translation>
    </message>
    <message>
        <source>± %1 mm/s</source>
        <translation>± %1 mm/s</translation>
    </message>
    <message>
        <source>Correction B</source>
        <translation>Korrektur B</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Correction C</source>
        <translation>Korrektur C</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>%1 samples/s</source>
        <translation>%1 Werte/s</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>%1 s per pair</source>
        <translation>%1 s je Paar</translation>
    </message>
    <message>
        <source>Detection level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>%1 ‰ of full scale</source>
        <translation>%1 ‰ Vollausschlag</translation>
    </message>
    <message>
        <source>Map file</source>
        <translation>Kartendatei</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Paar %1</translation>
    </message>
    <message>
        <source>tA (pair A+B)</source>
        <translation>tA (Paar A+B)</translation>
    </message>
    <message>
        <source>tB</source>
        <translation>tB</translation>
    </message>
    <message>
        <source>tA (pair A+C)</source>
        <translation>tA (Paar A+C)</translation>
    </message>
    <message>
        <source>tC</source>
        <translation>tC</translation>
    </message>
    <message>
        <source>%1 ms, %2</source>
        <translation>%1 ms, %2</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Verzögerung %1</translation>
    </message>
    <message>
        <source>%1 ± %2 ms</source>
        <translation>%1 ± %2 ms</translation>
    </message>
    <message>
        <source>Arrival times</source>
        <translation>Ankunftszeiten</translation>
    </message>
    <message>
        <source>Increments</source>
        <translation>Zuwächse</translation>
    </message>
    <message>
        <source>Circle radii</source>
        <translation>Kreisradien</translation>
    </message>
    <message>
        <source>Epicenter</source>
        <translation>Epizentrum</translation>
    </message>
    <message>
        <source>none: one place fits the times</source>
        <translation>keine: ein Ort passt zu den Zeiten</translation>
    </message>
    <message>
        <source>Other places</source>
        <translation>Andere Orte</translation>
    </message>
    <message>
        <source>Uncertainty</source>
        <translation>Unsicherheit</translation>
    </message>
    <message>
        <source>cannot be told: a pair has no times</source>
        <translation>nicht bestimmbar: einem Paar fehlen die Zeiten</translation>
    </message>
    <message>
        <source>up to %1 mm from the mark</source>
        <translation>bis zu %1 mm von der Marke</translation>
    </message>
    <message>
        <source>no point of the map fits the times</source>
        <translation>kein Punkt der Karte passt zu den Zeiten</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Ausdehnung</translation>
    </message>
    <message>
        <source>up to %1 mm, all shaded places</source>
        <translation>bis %1 mm, alles Schattierte</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Warum</translation>
    </message>
    <message>
        <source>Struck at</source>
        <translation>Schlag bei</translation>
    </message>
    <message>
        <source>Found off by</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Name: ____________________________   Group: __________   Date: ______________</source>
        <translation>Name: ____________________________   Gruppe: __________   Datum: ______________</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>das PDF konnte nicht abgeschlossen werden</translation>
    </message>
</context>
<context>
    <name>RunWords</name>
    <message>
        <source>%1 must give the stations and the pulse velocity</source>
        <translation>%1 muss die Stationen und die Impulsgeschwindigkeit angeben</translation>
    </message>
    <message>
        <source>No pulse detected on pair %1</source>
        <translation>Kein Impuls bei Paar %1 erkannt</translation>
    </message>
    <message>
        <source>No recording of pair %1</source>
        <translation>Keine Aufnahme von Paar %1</translation>
    </message>
    <message>
        <source>far from the others</source>
        <translation>weit von den anderen</translation>
    </message>
    <message>
        <source>region excludes the struck point</source>
        <translation>der Bereich schließt den Schlagpunkt aus</translation>
    </message>
    <message>
        <source>velocity %1 mm/s (the class&apos;s %2)</source>
        <translation>Geschwindigkeit %1 mm/s (die der Klasse: %2)</translation>
    </message>
    <message>
        <source>rate %1 samples/s (the class&apos;s %2)</source>
        <translation>Abtastrate %1 Werte/s (die der Klasse: %2)</translation>
    </message>
    <message>
        <source>missing pair %1</source>
        <translation>Paar %1 fehlt</translation>
    </message>
    <message>
        <source>dragged time %1</source>
        <translation>Zeit %1 gezogen</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>. The run saved there before is kept as it was.</source>
        <translation>. Die dort zuvor gespeicherte Messung bleibt unverändert.</translation>
    </message>
    <message>
        <source>. Nothing was saved in the folder.</source>
        <translation>. Im Ordner wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1: %2 %3 is missing</source>
        <translation>%1: %2 %3 fehlt</translation>
    </message>
    <message>
        <source>%1: %2 %3 are missing</source>
        <translation>%1: %2 %3 fehlen</translation>
    </message>
    <message>
        <source>%1 is missing: pair %2 is not shown</source>
        <translation>%1 fehlt: Paar %2 wird nicht angezeigt</translation>
    </message>
    <message>
        <source>%1: recorded at %2 samples / s, %3 at %4; a run has one rate</source>
        <translation>%1: aufgenommen mit %2 Abtastwerten / s, %3 mit %4; eine Messung hat eine einzige Abtastrate</translation>
    </message>
    <message>
        <source>%1: %2 s of sound. %3</source>
        <translation>%1: %2 s Ton. %3</translation>
    </message>
    <message>
        <source>%1: [TXAQUISICAO] tx = %2 differs from the sound files&apos; rate; %3 samples / s is used</source>
        <translation>%1: [TXAQUISICAO] tx = %2 weicht von der Abtastrate der Tondateien ab; %3 Abtastwerte / s werden verwendet</translation>
    </message>
    <message>
        <source>%1: [TAQUISICAO] taq = %2 s is shorter than the sound files; blocks of %3 s are used</source>
        <translation>%1: [TAQUISICAO] taq = %2 s ist kürzer als die Tondateien; Blöcke von %3 s werden verwendet</translation>
    </message>
    <message>
        <source>%1: %2 s of sound, followed by silence to fill the block of %3 s</source>
        <translation>%1: %2 s Ton, danach Stille bis zum Ende des Blocks von %3 s</translation>
    </message>
    <message>
        <source>%1: [TIMES] %2 = %3 s lies outside the block (0 to %4 s)</source>
        <translation>%1: [TIMES] %2 = %3 s liegt außerhalb des Blocks (0 bis %4 s)</translation>
    </message>
    <message>
        <source>No pulse picked on pair %1: %2</source>
        <translation>Kein Impuls bei Paar %1 gefunden: %2</translation>
    </message>
    <message>
        <source>Pair %1: %2; raise the detection level above the idle noise, or pick by onset or correlation</source>
        <translation>Paar %1: %2; den Erkennungspegel über das Ruherauschen heben oder die Ankünfte nach Einsatz oder Korrelation finden</translation>
    </message>
    <message>
        <source>%1: [%2] %3 = &apos;%4&apos; is not a number</source>
        <translation>%1: [%2] %3 = &apos;%4&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: [TIMES] %2_how = &apos;%3&apos; is neither detected nor dragged; the time is taken as dragged</source>
        <translation>%1: [TIMES] %2_how = &apos;%3&apos; ist weder detected noch dragged; die Zeit gilt als gezogen</translation>
    </message>
    <message>
        <source>%1: not a WAVE sound file</source>
        <translation>%1: keine WAVE-Tondatei</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>%1: %2; a pair is recorded in stereo (left sensor A, right the other sensor)</source>
        <translation>%1: %2; ein Paar wird in Stereo aufgenommen (links Sensor A, rechts der andere Sensor)</translation>
    </message>
    <message>
        <source>%1: recorded at %2 samples / s. %3</source>
        <translation>%1: aufgenommen mit %2 Abtastwerten / s. %3</translation>
    </message>
    <message>
        <source>%1: holds samples that are not numbers</source>
        <translation>%1: enthält Abtastwerte, die keine Zahlen sind</translation>
    </message>
    <message>
        <source>%1: holds no sound</source>
        <translation>%1: enthält keinen Ton</translation>
    </message>
    <message>
        <source>Acquisition time must be between %1 and %2 seconds</source>
        <translation>Die Aufnahmedauer muss zwischen %1 und %2 Sekunden liegen</translation>
    </message>
    <message>
        <source>Acquisition rate must be between %1 and %2 samples / s</source>
        <translation>Die Abtastrate muss zwischen %1 und %2 Abtastwerten / s liegen</translation>
    </message>
    <message>
        <source>Acquisition time x rate must not exceed %1 samples (30 seconds at 44100 samples / s)</source>
        <translation>Aufnahmedauer x Abtastrate darf %1 Abtastwerte nicht überschreiten (30 Sekunden bei 44100 Abtastwerten / s)</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a whole number</source>
        <translation>[%1] %2 = &apos;%3&apos; ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is none of level, onset, correlation</source>
        <translation>[%1] %2 = &apos;%3&apos; ist weder level noch onset noch correlation</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a number</source>
        <translation>[%1] %2 = &apos;%3&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a number of at least 0</source>
        <translation>[%1] %2 = &apos;%3&apos; ist keine Zahl von mindestens 0</translation>
    </message>
    <message>
        <source>Pulse velocity must be between %1 and %2 mm / s</source>
        <translation>Die Impulsgeschwindigkeit muss zwischen %1 und %2 mm / s liegen</translation>
    </message>
    <message>
        <source>Detection level must be between %1 and %2 (0 to 100 % of full scale)</source>
        <translation>Der Erkennungspegel muss zwischen %1 und %2 liegen (0 bis 100 % des Vollausschlags)</translation>
    </message>
    <message>
        <source>[%1] %2 = %3: %4</source>
        <translation>[%1] %2 = %3: %4</translation>
    </message>
</context>
<context>
    <name>TALAudioIn</name>
    <message>
        <source>Can&apos;t open audio device.</source>
        <translation>Das Audiogerät kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Can&apos;t start audio device.</source>
        <translation>Das Audiogerät kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Can&apos;t restart audio device.</source>
        <translation>Das Audiogerät kann nicht neu gestartet werden.</translation>
    </message>
    <message>
        <source>Can&apos;t get device capabilities.</source>
        <translation>Die Fähigkeiten des Geräts können nicht abgefragt werden.</translation>
    </message>
    <message>
        <source>Audio input overrun: sound was lost.</source>
        <translation>Überlauf am Audioeingang: Ton ging verloren.</translation>
    </message>
    <message>
        <source>Audio device stopped delivering.</source>
        <translation>Das Audiogerät liefert nichts mehr.</translation>
    </message>
    <message>
        <source>Buffer size too large to capture.</source>
        <translation>Puffergröße zu groß für die Aufnahme.</translation>
    </message>
</context>
<context>
    <name>TBrushStyle</name>
    <message>
        <source>Solid</source>
        <translation>Voll</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>F Diagonal</source>
        <translation>Diagonal \</translation>
    </message>
    <message>
        <source>B Diagonal</source>
        <translation>Diagonal /</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Diag Cross</source>
        <translation>Diagonalgitter</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Tremora - Geophysics - Norvale</source>
        <translation>Tremora - Geophysik - Norvale</translation>
    </message>
    <message>
        <source>Increse Radius</source>
        <translation>Radius vergrößern</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Mithören</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Move the cursor to increase/decrease the radius of triangulation</source>
        <translation>Schieben Sie den Regler, um den Radius der Triangulation zu vergrößern/verkleinern</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Strike here</source>
        <translation>Hier schlagen</translation>
    </message>
    <message>
        <source>Class Results…</source>
        <translation>Ergebnisse der Klasse…</translation>
    </message>
    <message>
        <source>Measure Velocity…</source>
        <translation>Geschwindigkeit messen…</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>I struck here</source>
        <translation>Hier geschlagen</translation>
    </message>
    <message>
        <source>These values of config.ini were not read; the defaults are used instead:</source>
        <translation>Diese Werte aus config.ini wurden nicht gelesen; stattdessen gelten die Vorgaben:</translation>
    </message>
    <message>
        <source>For the previous strike:</source>
        <translation>Für den vorigen Schlag:</translation>
    </message>
    <message>
        <source>Epicenter: x %1 mm, y %2 mm</source>
        <translation>Epizentrum: x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>Struck at x %1 mm, y %2 mm: %3 mm away</source>
        <translation>Schlag bei x %1 mm, y %2 mm: %3 mm entfernt</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Apply and Save</source>
        <translation>Übernehmen und speichern</translation>
    </message>
    <message>
        <source>Station Position</source>
        <translation>Stationen</translation>
    </message>
    <message>
        <source>Station A</source>
        <translation>Station A</translation>
    </message>
    <message>
        <source>Station B</source>
        <translation>Station B</translation>
    </message>
    <message>
        <source>Station C</source>
        <translation>Station C</translation>
    </message>
    <message>
        <source>Coord. X</source>
        <translation>Koord. X</translation>
    </message>
    <message>
        <source>Coord. Y</source>
        <translation>Koord. Y</translation>
    </message>
    <message>
        <source>Select a station and click on map to capture coordenates. </source>
        <translation>Wählen Sie eine Station und klicken Sie auf die Karte, um ihre Koordinaten zu übernehmen. </translation>
    </message>
    <message>
        <source>Pulse Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>mm / s</source>
        <translation>mm / s</translation>
    </message>
    <message>
        <source>Use only integers values</source>
        <translation>Nur ganze Zahlen</translation>
    </message>
    <message>
        <source>Acquisition Parameters</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Acquisition Time</source>
        <translation>Aufnahmedauer</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Acquisition Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>samples / s</source>
        <translation>Abtastwerte / s</translation>
    </message>
    <message>
        <source>Min. Amplitude</source>
        <translation>Min. Amplitude</translation>
    </message>
    <message>
        <source>Pick arrivals by</source>
        <translation>Ankünfte nach</translation>
    </message>
    <message>
        <source>level (first sample)</source>
        <translation>Pegel (erster Abtastwert)</translation>
    </message>
    <message>
        <source>onset</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>correlation</source>
        <translation>Korrelation</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Show circles of trilateration</source>
        <translation>Kreise der Trilateration zeigen</translation>
    </message>
    <message>
        <source>Sets the level just above what the idle inputs reach in Listen Sensors</source>
        <translation>Setzt den Pegel knapp über das, was die ruhenden Eingänge in Sensoren abhören erreichen</translation>
    </message>
    <message>
        <source>Level from Idle Noise</source>
        <translation>Pegel aus Rauschen</translation>
    </message>
    <message>
        <source>Coord. %1 of station %2 must be between 0 and %3 mm, on the map</source>
        <translation>Koord. %1 der Station %2 muss zwischen 0 und %3 mm liegen, auf der Karte</translation>
    </message>
    <message>
        <source>Open Listen Sensors, press Listen Now and keep the sensors still for %1 seconds; then press Level from Idle Noise again.</source>
        <translation>Öffnen Sie Sensoren abhören, drücken Sie Jetzt abhören und lassen Sie die Sensoren %1 Sekunden ruhig; dann drücken Sie erneut Pegel aus Rauschen.</translation>
    </message>
    <message>
        <source>The idle inputs reached %1 (left) and %2 (right) of full scale in %3 s</source>
        <translation>Die ruhenden Eingänge erreichten %1 (links) und %2 (rechts) des Vollausschlags in %3 s</translation>
    </message>
    <message>
        <source>: no level above them is left for a pulse. Quieten the inputs (cables, mains hum, a sensor knocked) or pick arrivals by onset or correlation.</source>
        <translation>: darüber bleibt kein Pegel für einen Impuls. Beruhigen Sie die Eingänge (Kabel, Netzbrummen, ein angestoßener Sensor) oder finden Sie die Ankünfte nach Einsatz oder Korrelation.</translation>
    </message>
    <message>
        <source>; the level is set half as high again, to %1. Press Apply and Save to keep it.</source>
        <translation>; der Pegel wird auf das Anderthalbfache gesetzt, auf %1. Drücken Sie Übernehmen und speichern, um ihn zu behalten.</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Signal Acquisition</source>
        <translation>Signalaufnahme</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensoren</translation>
    </message>
    <message>
        <source>Pulse time</source>
        <translation>Impulszeit</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Normalized Amplitude</source>
        <translation>Normierte Amplitude</translation>
    </message>
    <message>
        <source>Acquired Signals in the Sensors A and B</source>
        <translation>Aufgenommene Signale der Sensoren A und B</translation>
    </message>
    <message>
        <source>Acquired Signals in the Sensors A and C</source>
        <translation>Aufgenommene Signale der Sensoren A und C</translation>
    </message>
    <message>
        <source>Auto Detect Pulse</source>
        <translation>Impuls erkennen</translation>
    </message>
    <message>
        <source>Hold Detection</source>
        <translation>Impuls halten</translation>
    </message>
    <message>
        <source>Select Sensors for Acquisition</source>
        <translation>Sensoren der Aufnahme</translation>
    </message>
    <message>
        <source>Save the traces, times and result in a run folder</source>
        <translation>Spuren, Zeiten und Ergebnis in einem Messordner speichern</translation>
    </message>
    <message>
        <source>Save Run…</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <source>Show a saved run folder again</source>
        <translation>Einen gespeicherten Messordner wieder anzeigen</translation>
    </message>
    <message>
        <source>Open Run…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Write the traces and results as CSV files for a spreadsheet</source>
        <translation>Spuren und Ergebnisse als CSV-Dateien für eine Tabellenkalkulation schreiben</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Find Epicenter</source>
        <translation>Epizentrum finden</translation>
    </message>
    <message>
        <source>Run Folder</source>
        <translation>Messordner</translation>
    </message>
    <message>
        <source>Read-out</source>
        <translation>Ablesung</translation>
    </message>
    <message>
        <source>%1 %2 ms, %3</source>
        <translation>%1 %2 ms, %3</translation>
    </message>
    <message>
        <source>%1 − tA = %2 ± %3 ms</source>
        <translation>%1 − tA = %2 ± %3 ms</translation>
    </message>
    <message>
        <source>%1 − tA not picked: %2</source>
        <translation>%1 − tA nicht gefunden: %2</translation>
    </message>
    <message>
        <source>%1 − tA not known yet</source>
        <translation>%1 − tA noch unbekannt</translation>
    </message>
    <message>
        <source>, noise near the level</source>
        <translation>, Rauschen nahe am Pegel</translation>
    </message>
    <message>
        <source>%1 less its correction %2 ms</source>
        <translation>%1 abzüglich seiner Korrektur %2 ms</translation>
    </message>
    <message>
        <source>%1: raise the level</source>
        <translation>%1: Pegel erhöhen</translation>
    </message>
    <message>
        <source>Minimum Amplitude for Auto Detection = 0</source>
        <translation>Minimale Amplitude für die automatische Erkennung = 0</translation>
    </message>
    <message>
        <source>Bad Acquisition</source>
        <translation>Fehlerhafte Aufnahme</translation>
    </message>
    <message>
        <source>Bad acquisition</source>
        <translation>Fehlerhafte Aufnahme</translation>
    </message>
    <message>
        <source>Pair %1 has not been recorded. Find the epicenter anyway?</source>
        <translation>Paar %1 wurde nicht aufgenommen. Das Epizentrum trotzdem finden?</translation>
    </message>
    <message>
        <source>Pairs A+B and A+C have not been recorded. Find the epicenter anyway?</source>
        <translation>Die Paare A+B und A+C wurden nicht aufgenommen. Das Epizentrum trotzdem finden?</translation>
    </message>
    <message>
        <source>Nothing to save: record a pair first.</source>
        <translation>Nichts zu speichern: nehmen Sie zuerst ein Paar auf.</translation>
    </message>
    <message>
        <source>Save Run</source>
        <translation>Messung speichern</translation>
    </message>
    <message>
        <source>Run saved in %1</source>
        <translation>Messung gespeichert in %1</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>Messung öffnen</translation>
    </message>
    <message>
        <source>The stations and the velocity not given are those in force.</source>
        <translation>Nicht angegebene Stationen und Geschwindigkeit sind die geltenden.</translation>
    </message>
    <message>
        <source>Nothing to export: record a pair first.</source>
        <translation>Nichts zu exportieren: nehmen Sie zuerst ein Paar auf.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Written in %1: %2</source>
        <translation>Geschrieben in %1: %2</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>the Find Epicenter button&apos;s picture, first line</comment>
        <translation>Epizentrum</translation>
    </message>
    <message>
        <source>Epicenter</source>
        <comment>the Find Epicenter button&apos;s picture, second line</comment>
        <translation>finden</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Listen Sensors</source>
        <translation>Sensoren abhören</translation>
    </message>
    <message>
        <source>Left Channel</source>
        <translation>Linker Kanal</translation>
    </message>
    <message>
        <source>Right Channel</source>
        <translation>Rechter Kanal</translation>
    </message>
    <message>
        <source>Listen Now</source>
        <translation>Jetzt abhören</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Busy! Acquisition in progress.</source>
        <translation>Beschäftigt! Aufnahme läuft.</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Pulse Velocity</source>
        <translation>Impulsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Struck at  x</source>
        <translation>Schlag bei  x</translation>
    </message>
    <message>
        <source>Marked with Strike here, or measured with a ruler</source>
        <translation>Mit Hier schlagen markiert oder mit dem Lineal gemessen</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Add Strike</source>
        <translation>Schlag hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Strike at a known point, record one or both pairs, then press Add Strike.</source>
        <translation>An einem bekannten Punkt schlagen, ein oder beide Paare aufnehmen, dann Schlag hinzufügen drücken.</translation>
    </message>
    <message>
        <source>Use this velocity</source>
        <translation>Diese Geschwindigkeit verwenden</translation>
    </message>
    <message>
        <source>Type the struck point&apos;s %1 in mm (a number with a dot)</source>
        <translation>Geben Sie %1 des Schlagpunkts in mm ein (eine Zahl)</translation>
    </message>
    <message>
        <source>Record pair A+B or A+C of this strike first (both of its times must be set)</source>
        <translation>Nehmen Sie zuerst Paar A+B oder A+C dieses Schlags auf (beide Zeiten müssen gesetzt sein)</translation>
    </message>
    <message>
        <source>Use %1 mm/s as the pulse velocity and save it in the settings?</source>
        <translation>%1 mm/s als Impulsgeschwindigkeit verwenden und in den Einstellungen speichern?</translation>
    </message>
    <message>
        <source>Strike %1 at (%2, %3) mm: %4</source>
        <translation>Schlag %1 bei (%2; %3) mm: %4</translation>
    </message>
    <message>
        <source>Strike %1, %2: </source>
        <translation>Schlag %1, %2: </translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>delay %1 ms, difference %2 mm, velocity %3 mm/s</source>
        <translation>Verzögerung %1 ms, Differenz %2 mm, Geschwindigkeit %3 mm/s</translation>
    </message>
    <message>
        <source>Velocity: not measured: %1</source>
        <translation>Geschwindigkeit: nicht gemessen: %1</translation>
    </message>
    <message>
        <source>Velocity: %1 mm/s</source>
        <translation>Geschwindigkeit: %1 mm/s</translation>
    </message>
    <message>
        <source>Corrections (late beside A): %1</source>
        <translation>Korrekturen (Verspätung gegenüber A): %1</translation>
    </message>
    <message>
        <source>Corrections not fitted: %1</source>
        <translation>Korrekturen nicht angepasst: %1</translation>
    </message>
    <message>
        <source>strike in line with A and %1, outside the segment between them, where the difference is largest</source>
        <translation>schlagen Sie auf der Geraden durch A und %1, außerhalb der Strecke zwischen ihnen, wo die Differenz am größten ist</translation>
    </message>
    <message>
        <source>its delay or its uncertainty is not known</source>
        <translation>seine Verzögerung oder deren Unsicherheit ist unbekannt</translation>
    </message>
    <message>
        <source>the strike is nearly as far from %1 as from A (difference %2 mm), so its delay cannot tell the velocity; %3</source>
        <translation>der Schlag ist fast so weit von %1 wie von A entfernt (Differenz %2 mm), daher verrät seine Verzögerung die Geschwindigkeit nicht; %3</translation>
    </message>
    <message>
        <source>its difference (%1 mm) is too small for about %2 mm/s: one delay uncertainty changes its velocity by %3 %, more than %4 %; %5</source>
        <translation>ihre Differenz (%1 mm) ist zu klein für etwa %2 mm/s: eine Unsicherheit der Verzögerung ändert ihre Geschwindigkeit um %3 %, mehr als %4 %; %5</translation>
    </message>
    <message>
        <source>no strike gives more than the %1 mm between A and %2 (%3 mm needed): place the stations farther apart or record at a higher rate</source>
        <translation>kein Schlag ergibt mehr als die %1 mm zwischen A und %2 (%3 mm nötig): stellen Sie die Stationen weiter auseinander oder nehmen Sie mit höherer Abtastrate auf</translation>
    </message>
    <message>
        <source>no pair can tell the velocity</source>
        <translation>kein Paar kann die Geschwindigkeit angeben</translation>
    </message>
    <message>
        <source>the delays do not grow with the distance difference: check the struck points and which sensor is on which input</source>
        <translation>die Verzögerungen wachsen nicht mit der Abstandsdifferenz: prüfen Sie die Schlagpunkte und welcher Sensor an welchem Eingang hängt</translation>
    </message>
    <message>
        <source>the strikes give sensor %1 one distance difference only, so its delay cannot be told from the velocity; strike at points nearer to A and nearer to %1</source>
        <translation>die Schläge geben Sensor %1 nur eine Abstandsdifferenz, daher lässt sich seine Verzögerung nicht von der Geschwindigkeit trennen; schlagen Sie an Punkten näher an A und näher an %1</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Class Results</source>
        <translation>Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>The strike was here</source>
        <translation>Hier war der Schlag</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Add each group&apos;s run folder, or one folder holding them.</source>
        <translation>Fügen Sie den Messordner jeder Gruppe hinzu oder einen Ordner, der sie enthält.</translation>
    </message>
    <message>
        <source>A group&apos;s run folder, or a folder of them</source>
        <translation>Der Messordner einer Gruppe oder ein Ordner solcher Ordner</translation>
    </message>
    <message>
        <source>Folder for class.csv and class-report.pdf</source>
        <translation>Ordner für class.csv und class-report.pdf</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Off (mm)</source>
        <translation>Abstand (mm)</translation>
    </message>
    <message>
        <source>In region</source>
        <translation>Im Bereich</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Click the map where the strike was.</source>
        <translation>Klicken Sie auf die Karte, wo der Schlag war.</translation>
    </message>
    <message>
        <source>No group to export: add the groups&apos; folders first.</source>
        <translation>Keine Gruppe zu exportieren: fügen Sie zuerst die Ordner der Gruppen hinzu.</translation>
    </message>
    <message>
        <source>Written: %1 and %2</source>
        <translation>Geschrieben: %1 und %2</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Noch keine Gruppen.</translation>
    </message>
    <message>
        <source>Groups: %1, located: %2   (times: det detected, drag dragged)</source>
        <translation>Gruppen: %1, verortet: %2   (Zeiten: erk erkannt, gez gezogen)</translation>
    </message>
    <message>
        <source>Mean epicenter: %1, %2 mm   standard deviations: x %3 mm, y %4 mm</source>
        <translation>Mittleres Epizentrum: %1; %2 mm   Standardabweichungen: x %3 mm, y %4 mm</translation>
    </message>
    <message>
        <source>Struck at %1, %2 mm   median distance: %3</source>
        <translation>Schlag bei %1; %2 mm   mittlerer Abstand (Median): %3</translation>
    </message>
    <message>
        <source>The struck point lies in the region of %1 of %2 groups (%3 %)</source>
        <translation>Der Schlagpunkt liegt im Bereich von %1 der %2 Gruppen (%3 %)</translation>
    </message>
    <message>
        <source>Struck point not known: &quot;The strike was here&quot;, then click the map.</source>
        <translation>Schlagpunkt unbekannt: „Hier war der Schlag“, dann auf die Karte klicken.</translation>
    </message>
    <message>
        <source>drag</source>
        <translation>gez</translation>
    </message>
    <message>
        <source>det</source>
        <translation>erk</translation>
    </message>
    <message>
        <source>marked: </source>
        <translation>markiert: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>TPLCommonPropertiesForm</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TPenMode</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Nop</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Ziel invertieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Not Copy</source>
        <translation>Invertiert kopieren</translation>
    </message>
    <message>
        <source>Merge Pen Not</source>
        <translation>Stift ODER inv. Ziel</translation>
    </message>
    <message>
        <source>Mask Pen Not</source>
        <translation>Stift UND inv. Ziel</translation>
    </message>
    <message>
        <source>Merge Not Pen</source>
        <translation>Inv. Stift ODER Ziel</translation>
    </message>
    <message>
        <source>Mask Not Pen</source>
        <translation>Inv. Stift UND Ziel</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Stift ODER Ziel</translation>
    </message>
    <message>
        <source>Not Merge</source>
        <translation>Stift NOR Ziel</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Stift UND Ziel</translation>
    </message>
    <message>
        <source>Not Mask</source>
        <translation>Stift NAND Ziel</translation>
    </message>
    <message>
        <source>Xor</source>
        <translation>Stift XOR Ziel</translation>
    </message>
    <message>
        <source>Not Xor</source>
        <translation>Stift XNOR Ziel</translation>
    </message>
</context>
<context>
    <name>TPenStyle</name>
    <message>
        <source>Solid</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Strich-Punkt</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Strich-Punkt-Punkt</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <translation>Im Rahmen</translation>
    </message>
</context>
<context>
    <name>TPicture</name>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Unbekannte Bilddatei-Endung (.%1)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Picture file &quot;%1&quot; is too large</source>
        <translation>Die Bilddatei &quot;%1&quot; ist zu groß</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture the program can read: it does not hold a %2 image.</source>
        <translation>&quot;%1&quot; ist kein Bild, das das Programm lesen kann: Es enthält kein %2-Bild.</translation>
    </message>
    <message>
        <source>%1 picture is too large (%2 x %3 pixels)</source>
        <translation>%1-Bild ist zu groß (%2 x %3 Pixel)</translation>
    </message>
    <message>
        <source>%1 picture is not valid: %2</source>
        <translation>%1-Bild ist ungültig: %2</translation>
    </message>
    <message>
        <source>Vector picture is not valid</source>
        <translation>Vektorbild ist ungültig</translation>
    </message>
    <message>
        <source>Metafile error: the picture could not be drawn</source>
        <translation>Metadatei-Fehler: Das Bild konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Unbekanntes Bildformat</translation>
    </message>
    <message>
        <source>Unknown picture class %1</source>
        <translation>Unbekannte Bildklasse %1</translation>
    </message>
</context>
<context>
    <name>TSLBrushForm</name>
    <message>
        <source>Brush</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Stil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSLChannelShadeMode</name>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
</context>
<context>
    <name>TSLCollectionPageForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid name: give a name that is not empty.</source>
        <translation>„%1“ ist kein gültiger Name: Geben Sie einen nicht leeren Namen an.</translation>
    </message>
</context>
<context>
    <name>TSLDataDisplay</name>
    <message>
        <source>The display could not be printed.</source>
        <translation>Die Anzeige konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>the display has no size</source>
        <translation>die Anzeige hat keine Größe</translation>
    </message>
    <message>
        <source>The image could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Das Bild konnte nicht unter &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>TSLDisplayCursorKind</name>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
</context>
<context>
    <name>TSLDisplayEllipsesForm</name>
    <message>
        <source>Ellipses</source>
        <translation>Ellipsen</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Sichtbar</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>Sti&amp;ft...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>F&amp;üllung...</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>&amp;X-Achse</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>&amp;Y-Achse</translation>
    </message>
    <message>
        <source> Channlels </source>
        <translation> Kanäle </translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>X1:</source>
        <translation>X1:</translation>
    </message>
    <message>
        <source>Y1:</source>
        <translation>Y1:</translation>
    </message>
    <message>
        <source>X2:</source>
        <translation>X2:</translation>
    </message>
    <message>
        <source>Y2:</source>
        <translation>Y2:</translation>
    </message>
    <message>
        <source>Highlighting</source>
        <translation>Hervorhebung</translation>
    </message>
    <message>
        <source>&amp;Highlight inside</source>
        <translation>&amp;Innen hervorheben</translation>
    </message>
    <message>
        <source>The channel selected under Channels is drawn over a band in the ellipse&apos;s pen colour where it runs inside the ellipse.</source>
        <translation>Der unter Kanäle gewählte Kanal wird, wo er innerhalb der Ellipse verläuft, über einem Band in der Stiftfarbe der Ellipse gezeichnet.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>&amp;Mark samples inside</source>
        <translation>Abtastwerte innen &amp;markieren</translation>
    </message>
    <message>
        <source>The samples of the channel selected under Channels that lie inside the ellipse are marked with dots.</source>
        <translation>Die Abtastwerte des unter Kanäle gewählten Kanals, die innerhalb der Ellipse liegen, werden mit Punkten markiert.</translation>
    </message>
</context>
<context>
    <name>TSLDisplayMarkerShape</name>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Triangle Up</source>
        <translation>Dreieck oben</translation>
    </message>
    <message>
        <source>Triangle Down</source>
        <translation>Dreieck unten</translation>
    </message>
    <message>
        <source>Triangle Left</source>
        <translation>Dreieck links</translation>
    </message>
    <message>
        <source>Triangle Right</source>
        <translation>Dreieck rechts</translation>
    </message>
    <message>
        <source>H Line</source>
        <translation>H-Linie</translation>
    </message>
    <message>
        <source>V Line</source>
        <translation>V-Linie</translation>
    </message>
</context>
<context>
    <name>TSLDisplayToolBar</name>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG File Interchange Format (*.jpg)</source>
        <translation>JPEG-Bild (*.jpg)</translation>
    </message>
</context>
<context>
    <name>TSLDisplayZonesForm</name>
    <message>
        <source>Zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Sichtbar</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>Sti&amp;ft...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>F&amp;üllung...</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>&amp;X-Achse</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>&amp;Y-Achse</translation>
    </message>
    <message>
        <source>&amp;Points</source>
        <translation>&amp;Punkte</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source> Point </source>
        <translation> Punkt </translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanäle</translation>
    </message>
</context>
<context>
    <name>TSLPenForm</name>
    <message>
        <source>the pen width</source>
        <translation>die Stiftbreite</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Stil</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSLPropertyPageForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid number for %2.</source>
        <translation>„%1“ ist keine gültige Zahl für %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for %2: give a whole number from %3 to %4.</source>
        <translation>„%1“ ist kein gültiger Wert für %2: Geben Sie eine ganze Zahl von %3 bis %4 an.</translation>
    </message>
</context>
<context>
    <name>TSLScopeAxesForm</name>
    <message>
        <source>X Axis</source>
        <translation>X-Achse</translation>
    </message>
    <message>
        <source>Y Axis</source>
        <translation>Y-Achse</translation>
    </message>
    <message>
        <source>the minimum</source>
        <translation>das Minimum</translation>
    </message>
    <message>
        <source>the maximum</source>
        <translation>das Maximum</translation>
    </message>
    <message>
        <source>The minimum (%1) must be below the maximum (%2).</source>
        <translation>Das Minimum (%1) muss kleiner als das Maximum (%2) sein.</translation>
    </message>
    <message>
        <source>The range %1 to %2 is too wide or too narrow to be shown.</source>
        <translation>Der Bereich von %1 bis %2 ist zu breit oder zu schmal, um angezeigt zu werden.</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Sichtbar</translation>
    </message>
    <message>
        <source>&amp;Scale Mode:</source>
        <translation>&amp;Skala:</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmisch</translation>
    </message>
    <message>
        <source>Logarithmic Decades</source>
        <translation>Dekaden (log.)</translation>
    </message>
    <message>
        <source> Label </source>
        <translation> Beschriftung </translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Beschriftung</translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>Si&amp;chtbar</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>Sc&amp;hrift...</translation>
    </message>
    <message>
        <source> Range </source>
        <translation> Bereich </translation>
    </message>
    <message>
        <source>Mi&amp;n:</source>
        <translation>Mi&amp;n.:</translation>
    </message>
    <message>
        <source>Ma&amp;x:</source>
        <translation>Ma&amp;x.:</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelForm</name>
    <message>
        <source>the width</source>
        <translation>die Breite</translation>
    </message>
    <message>
        <source>the point size</source>
        <translation>die Punktgröße</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;An</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Shade</source>
        <translation>&amp;Fläche</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>&amp;X-Achse</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>&amp;Y-Achse</translation>
    </message>
    <message>
        <source> &amp;Points </source>
        <translation> &amp;Punkte </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>Si&amp;chtbar</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>Sti&amp;ft...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>F&amp;üllung...</translation>
    </message>
    <message>
        <source>&amp;Use Channel Color</source>
        <translation>&amp;Kanalfarbe verwenden</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelLinkFormUnit</name>
    <message>
        <source>the width</source>
        <translation>die Breite</translation>
    </message>
    <message>
        <source>Channel Links</source>
        <translation>Kanalpaare</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Sichtbar</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;First Channel</source>
        <translation>&amp;Erster Kanal</translation>
    </message>
    <message>
        <source>&amp;Second Channel</source>
        <translation>&amp;Zweiter Kanal</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>F&amp;üllung...</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelLinkMode</name>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Balken</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelMode</name>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorChannelLinkForm</name>
    <message>
        <source>the size</source>
        <translation>die Größe</translation>
    </message>
    <message>
        <source>Crossing Mark</source>
        <translation>Schnittmarke</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <source>Shape of the mark where the channel crosses the cursor</source>
        <translation>Form der Marke, wo der Kanal den Cursor schneidet</translation>
    </message>
    <message>
        <source>Size of the mark</source>
        <translation>Größe der Marke</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>Sti&amp;ft...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>F&amp;üllung...</translation>
    </message>
    <message>
        <source>Font of the value written beside the mark</source>
        <translation>Schrift des Werts neben der Marke</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>Sc&amp;hrift...</translation>
    </message>
    <message>
        <source>&amp;Use Channel Color</source>
        <translation>&amp;Kanalfarbe verwenden</translation>
    </message>
    <message>
        <source>Write the value beside the mark</source>
        <translation>Den Wert neben die Marke schreiben</translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Text of the label: %X and %Y give the values, %% a percent sign</source>
        <translation>Text der Beschriftung: %X und %Y geben die Werte, %% ein Prozentzeichen</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorLinksForm</name>
    <message>
        <source>Cursor Links</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Be&amp;gin Cursor</source>
        <translation>&amp;Anfangscursor</translation>
    </message>
    <message>
        <source>&amp;End Cursor</source>
        <translation>&amp;Endcursor</translation>
    </message>
    <message>
        <source> Selection </source>
        <translation> Auswahl </translation>
    </message>
    <message>
        <source>Vi&amp;sible</source>
        <translation>Sic&amp;htbar</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>F&amp;üllung...</translation>
    </message>
    <message>
        <source> Measurment </source>
        <translation> Messung </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>&amp;An</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Stil</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source> Label </source>
        <translation> Beschriftung </translation>
    </message>
    <message>
        <source>Visi&amp;ble</source>
        <translation>Sicht&amp;bar</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>Sc&amp;hrift...</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorsForm</name>
    <message>
        <source>Cursors</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Art</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;An</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source> Channlels </source>
        <translation> Kanäle </translation>
    </message>
</context>
<context>
    <name>TSLScopeMerkerGroupsForm</name>
    <message>
        <source>the marker size</source>
        <translation>die Markergröße</translation>
    </message>
    <message>
        <source>Marker Groups</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Sichtbar</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Grö&amp;ße</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>Sti&amp;ft...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>F&amp;üllung...</translation>
    </message>
    <message>
        <source> Labels </source>
        <translation> Beschriftungen </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>Si&amp;chtbar</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>Sc&amp;hrift...</translation>
    </message>
    <message>
        <source> Crosshairs </source>
        <translation> Fadenkreuz </translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>X Axis</source>
        <translation>X-Achse</translation>
    </message>
    <message>
        <source>Y Axis</source>
        <translation>Y-Achse</translation>
    </message>
</context>
<context>
    <name>TSLScopePointsShape</name>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
</context>
<context>
    <name>TSLScopeXAxesForm</name>
    <message>
        <source>X Axes</source>
        <translation>X-Achsen</translation>
    </message>
</context>
<context>
    <name>TSLScopeYAxesForm</name>
    <message>
        <source>Y Axes</source>
        <translation>Y-Achsen</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>work in the lab folder DIR (given the example lab&apos;s files when it has no config.ini)</source>
        <translation>im Laborordner DIR arbeiten (mit den Dateien des Beispiellabors, wenn er
keine config.ini hat)</translation>
    </message>
    <message>
        <source>the windows&apos; language: de, es, fr, pt_BR or en (default: the desktop&apos;s;
after --simulate: English)</source>
        <translation>die Sprache der Fenster: de, es, fr, pt_BR oder en (Vorgabe: die des
Desktops; nach --simulate: Englisch)</translation>
    </message>
    <message>
        <source>record from the input device NAME</source>
        <translation>vom Eingabegerät NAME aufnehmen</translation>
    </message>
    <message>
        <source>the file the &quot;Recording&quot; device plays in a loop</source>
        <translation>die Datei, die das Gerät &quot;Recording&quot; in Schleife abspielt</translation>
    </message>
    <message>
        <source>with --device &quot;Simulated sensors&quot;: the pulse travels at this velocity,
which the settings do not show (for measuring it)</source>
        <translation>mit --device &quot;Simulated sensors&quot;: der Impuls läuft mit dieser
Geschwindigkeit, die die Einstellungen nicht zeigen (zum Messen)</translation>
    </message>
    <message>
        <source>with --device &quot;Simulated sensors&quot; or --simulate: clean (the default, a sharp
pulse) or realistic (unequal sensors, the floor&apos;s ringing, hum, offset,
noise and 16-bit samples, as a classroom&apos;s sound card hears them)</source>
        <translation>mit --device &quot;Simulated sensors&quot; oder --simulate: clean (Vorgabe, ein
scharfer Impuls) oder realistic (ungleiche Sensoren, Nachschwingen des
Bodens, Brummen, Offset, Rauschen und 16-Bit-Abtastwerte, wie die Soundkarte
eines Klassenraums sie hört)</translation>
    </message>
    <message>
        <source>the realistic sensors&apos; signal-to-noise ratio, 0 to 80 dB (default 26)</source>
        <translation>der Signal-Rausch-Abstand der realistischen Sensoren, 0 bis 80 dB (Vorgabe
26)</translation>
    </message>
    <message>
        <source>write a picture of each window into DIR and exit (after --simulate:
the acquisition window recorded and the map with the epicenter)</source>
        <translation>ein Bild jedes Fensters in DIR schreiben und beenden (nach --simulate: das
Aufnahmefenster nach der Aufnahme und die Karte mit dem Epizentrum)</translation>
    </message>
    <message>
        <source>print the names of the input devices and exit</source>
        <translation>die Namen der Eingabegeräte ausgeben und beenden</translation>
    </message>
    <message>
        <source>run the whole experiment on simulated sensors struck at (X, Y) mm (--pick
METHOD: find the times by level, onset or correlation instead of the lab&apos;s
method)</source>
        <translation>das ganze Experiment mit simulierten Sensoren ausführen, geschlagen bei
(X, Y) mm (--pick METHOD: die Zeiten nach Pegel, Einsatz oder Korrelation
statt nach der Methode des Labors finden)</translation>
    </message>
    <message>
        <source>find the epicenter of four arrival times in seconds</source>
        <translation>das Epizentrum aus vier Ankunftszeiten in Sekunden finden</translation>
    </message>
    <message>
        <source>find the times and the epicenter of a saved run folder (--pick METHOD: find
the times not saved by level, onset or correlation; --report FILE.pdf: also
write its one-page report)</source>
        <translation>die Zeiten und das Epizentrum eines gespeicherten Messordners finden
(--pick METHOD: nicht gespeicherte Zeiten nach Pegel, Einsatz oder
Korrelation finden; --report FILE.pdf: auch seinen einseitigen Bericht
schreiben)</translation>
    </message>
    <message>
        <source>measure the pulse velocity and the sensors&apos; delays from run folders struck
at known points (their [STRIKE] point, or --strike X Y mm)</source>
        <translation>die Impulsgeschwindigkeit und die Verzögerungen der Sensoren aus Messordnern
messen, die an bekannten Punkten geschlagen wurden (ihr [STRIKE]-Punkt oder
--strike X Y mm)</translation>
    </message>
    <message>
        <source>pool the groups&apos; run folders (or folders of them): each group&apos;s epicenter,
the class&apos;s mean and spread (--report FILE.pdf, --csv FILE: also write them)</source>
        <translation>die Messordner der Gruppen zusammenführen (oder Ordner solcher Ordner): das
Epizentrum jeder Gruppe, Mittelwert und Streuung der Klasse
(--report FILE.pdf, --csv FILE: diese auch schreiben)</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>diese Hilfe ausgeben und beenden</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>die Version ausgeben und beenden</translation>
    </message>
    <message>
        <source>options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>--locate, --analyze, --velocity, --class and --simulate come first; only --simulate takes a leading --lab.</source>
        <translation>--locate, --analyze, --velocity, --class und --simulate zuerst; nur --simulate nimmt ein --lab davor.</translation>
    </message>
</context>
</TS>
