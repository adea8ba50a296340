<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AnswerWords</name>
    <message>
        <source>x %1 mm, y %2 mm</source>
        <translation>x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>No pair has both of its times: these times cannot tell where the epicenter lies</source>
        <translation>Aucune paire n&apos;a ses deux temps : ces temps ne disent pas où est l&apos;épicentre</translation>
    </message>
    <message>
        <source>Pair %1 has no times: the shaded band holds every point that fits pair %2 alone,</source>
        <translation>La paire %1 n&apos;a pas de temps : la bande grisée contient tous les points qui conviennent à la seule paire %2,</translation>
    </message>
    <message>
        <source>so the epicenter cannot be told until pair %1 is recorded</source>
        <translation>donc l&apos;épicentre ne peut être dit avant l&apos;enregistrement de la paire %1</translation>
    </message>
    <message>
        <source>No point of the map fits these times, not even the mark</source>
        <translation>Aucun point de la carte ne convient à ces temps, pas même la marque</translation>
    </message>
    <message>
        <source>The shaded area fits your times: the epicenter may be up to %1 mm from the mark</source>
        <translation>La zone grisée convient à vos temps : l&apos;épicentre peut être jusqu&apos;à %1 mm de la marque</translation>
    </message>
    <message>
        <source>The mark itself lies %1 mm outside the shaded area</source>
        <translation>La marque elle-même est à %1 mm hors de la zone grisée</translation>
    </message>
    <message>
        <source>The times also fit a separate place: around %1 (orange diamond)</source>
        <translation>Les temps conviennent aussi à un autre endroit : vers %1 (losange orange)</translation>
    </message>
    <message>
        <source>The times also fit %1 separate places; the best fitting (orange diamond) is around %2</source>
        <translation>Les temps conviennent aussi à %1 autres endroits ; le meilleur (losange orange) est vers %2</translation>
    </message>
    <message>
        <source>No point can fit: the settings (stations, velocity or sample rate) are not usable</source>
        <translation>Aucun point ne peut convenir : les réglages (stations, vitesse ou échantillonnage) sont inutilisables</translation>
    </message>
    <message>
        <source>The delay of pair %1 (%2 ms) cannot be right: the pulse needs at most %3 ms to go straight from A to %4 at %5 mm/s</source>
        <translation>Le retard de la paire %1 (%2 ms) ne peut pas être juste : l&apos;impulsion met au plus %3 ms pour aller tout droit de A à %4 à %5 mm/s</translation>
    </message>
    <message>
        <source>The delay of pair %1 (%2 ms) fits only points off the map</source>
        <translation>Le retard de la paire %1 (%2 ms) ne convient qu&apos;à des points hors de la carte</translation>
    </message>
    <message>
        <source>Each delay fits somewhere on the map, but no point fits both: one of the four times is probably wrong (the closest fit is around %1)</source>
        <translation>Chaque retard convient quelque part sur la carte, mais aucun point ne convient aux deux : l&apos;un des quatre temps est sans doute faux (le plus proche est vers %1)</translation>
    </message>
    <message>
        <source>No point of the map fits these times</source>
        <translation>Aucun point de la carte ne convient à ces temps</translation>
    </message>
</context>
<context>
    <name>ChooseFont</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation>Coule&amp;ur :</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>Impossible d&apos;écrire le rapport %1 : %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Résultats de la classe</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>l&apos;écriture du PDF n&apos;a pas pu commencer</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>%1 (%2 located)</source>
        <translation>%1 (%2 localisés)</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>%1, %2 mm</source>
        <translation>%1 ; %2 mm</translation>
    </message>
    <message>
        <source>SD x, y</source>
        <translation>ÉT x, y</translation>
    </message>
    <message>
        <source>Struck at</source>
        <translation>Frappé en</translation>
    </message>
    <message>
        <source>Median off</source>
        <translation>Écart médian</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Region holds</source>
        <translation>Zone contient</translation>
    </message>
    <message>
        <source>%1 of %2 groups</source>
        <translation>%1 groupes sur %2</translation>
    </message>
    <message>
        <source>The class</source>
        <translation>La classe</translation>
    </message>
    <message>
        <source>● numbered: a group&apos;s epicenter</source>
        <translation>● numéroté : l&apos;épicentre d&apos;un groupe</translation>
    </message>
    <message>
        <source>outline: its fitting region</source>
        <translation>contour : sa zone compatible</translation>
    </message>
    <message>
        <source>+ and dashed ellipse: mean, 1 sd</source>
        <translation>+ et ellipse en tirets : moyenne, 1 ét</translation>
    </message>
    <message>
        <source>×: the struck point</source>
        <translation>× : le point frappé</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>off</source>
        <translation>écart</translation>
    </message>
    <message>
        <source>in</source>
        <translation>dans</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>marked: </source>
        <translation>marqué : </translation>
    </message>
    <message>
        <source>Times in ms, d detected, g dragged; x, y, off (distance to the struck point) and ± (the group&apos;s uncertainty) in mm; in: the struck point lies in the group&apos;s region.</source>
        <translation>Temps en ms, d détecté, g déplacé ; x, y, écart (distance au point frappé) et ± (l&apos;incertitude du groupe) en mm ; dans : le point frappé est dans la zone du groupe.</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>le PDF n&apos;a pas pu être terminé</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>PickWords</name>
    <message>
        <source>detected</source>
        <translation>détecté</translation>
    </message>
    <message>
        <source>dragged</source>
        <translation>déplacé</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>non fixé</translation>
    </message>
    <message>
        <source>detected by onset</source>
        <translation>détecté par le début</translation>
    </message>
    <message>
        <source>detected by correlation</source>
        <translation>détecté par corrélation</translation>
    </message>
    <message>
        <source>no pulse above the noise</source>
        <translation>aucune impulsion au-dessus du bruit</translation>
    </message>
    <message>
        <source>the idle noise reaches the level</source>
        <translation>le bruit au repos atteint le niveau</translation>
    </message>
    <message>
        <source>the level was reached by noise before the pulse</source>
        <translation>le bruit a atteint le niveau avant l&apos;impulsion</translation>
    </message>
    <message>
        <source>no quiet part before the pulse to measure the noise</source>
        <translation>aucune partie calme avant l&apos;impulsion pour mesurer le bruit</translation>
    </message>
    <message>
        <source>the two channels correlate too weakly</source>
        <translation>les deux canaux sont trop peu corrélés</translation>
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
        <translation>image de la carte indisponible</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>Sur la carte</translation>
    </message>
    <message>
        <source>stations A, B, C</source>
        <translation>stations A, B, C</translation>
    </message>
    <message>
        <source>circles: increment + adjuster</source>
        <translation>cercles : incrément + réglage</translation>
    </message>
    <message>
        <source>epicenter found</source>
        <translation>épicentre trouvé</translation>
    </message>
    <message>
        <source>other point fitting the times</source>
        <translation>autre point compatible avec les temps</translation>
    </message>
    <message>
        <source>points that fit the times</source>
        <translation>points compatibles avec les temps</translation>
    </message>
    <message>
        <source>struck point (simulated)</source>
        <translation>point frappé (simulé)</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>not located: pair %1 has no times</source>
        <translation>non localisé : la paire %1 n&apos;a pas de temps</translation>
    </message>
    <message>
        <source>not located yet</source>
        <translation>pas encore localisé</translation>
    </message>
    <message>
        <source>Bad Acquisition: the circles do not meet</source>
        <translation>Acquisition ratée : les cercles ne se rencontrent pas</translation>
    </message>
    <message>
        <source>Bad acquisition: the point is off the map</source>
        <translation>Acquisition ratée : le point est hors de la carte</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>Impossible d&apos;écrire le rapport %1 : %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>Epicenter location report</source>
        <translation>Rapport de localisation de l&apos;épicentre</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>l&apos;écriture du PDF n&apos;a pas pu commencer</translation>
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
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>%1 mm/s</source>
        <translation>%1 mm/s</translation>
    </message>
    <message>
        <source>Measured to</source>
        <translation>Mesurée à</translation>
    </message>
    <message>
        <source>± %1 mm/s</source>
        <translation>± %1 mm/s</translation>
    </message>
    <message>
        <source>Correction B</source>
        <translation>Correction B</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Correction C</source>
        <translation>Correction C</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>%1 samples/s</source>
        <translation>%1 éch./s</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>%1 s per pair</source>
        <translation>%1 s par paire</translation>
    </message>
    <message>
        <source>Detection level</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>%1 ‰ of full scale</source>
        <translation>%1 ‰ de l&apos;échelle</translation>
    </message>
    <message>
        <source>Map file</source>
        <translation>Fichier de la carte</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Paire %1</translation>
    </message>
    <message>
        <source>tA (pair A+B)</source>
        <translation>tA (paire A+B)</translation>
    </message>
    <message>
        <source>tB</source>
        <translation>tB</translation>
    </message>
    <message>
        <source>tA (pair A+C)</source>
        <translation>tA (paire A+C)</translation>
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
        <translation>non fixé</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Retard %1</translation>
    </message>
    <message>
        <source>%1 ± %2 ms</source>
        <translation>%1 ± %2 ms</translation>
    </message>
    <message>
        <source>Arrival times</source>
        <translation>Temps d&apos;arrivée</translation>
    </message>
    <message>
        <source>Increments</source>
        <translation>Incréments</translation>
    </message>
    <message>
        <source>Circle radii</source>
        <translation>Rayons des cercles</translation>
    </message>
    <message>
        <source>Epicenter</source>
        <translation>Épicentre</translation>
    </message>
    <message>
        <source>none: one place fits the times</source>
        <translation>aucun : un seul endroit</translation>
    </message>
    <message>
        <source>Other places</source>
        <translation>Autres endroits</translation>
    </message>
    <message>
        <source>Uncertainty</source>
        <translation>Incertitude</translation>
    </message>
    <message>
        <source>cannot be told: a pair has no times</source>
        <translation>impossible à dire : une paire n&apos;a pas de temps</translation>
    </message>
    <message>
        <source>up to %1 mm from the mark</source>
        <translation>jusqu&apos;à %1 mm de la marque</translation>
    </message>
    <message>
        <source>no point of the map fits the times</source>
        <translation>aucun point de la carte ne convient aux temps</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Étendue</translation>
    </message>
    <message>
        <source>up to %1 mm, all shaded places</source>
        <translation>jusqu&apos;à %1 mm, tout le grisé</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Pourquoi</translation>
    </message>
    <message>
        <source>Struck at</source>
        <translation>Frappé en</translation>
    </message>
    <message>
        <source>Found off by</source>
        <translation>Écart trouvé</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Name: ____________________________   Group: __________   Date: ______________</source>
        <translation>Nom : ____________________________   Groupe : __________   Date : ______________</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>le PDF n&apos;a pas pu être terminé</translation>
    </message>
</context>
<context>
    <name>RunWords</name>
    <message>
        <source>%1 must give the stations and the pulse velocity</source>
        <translation>%1 doit donner les stations et la vitesse de l&apos;impulsion</translation>
    </message>
    <message>
        <source>No pulse detected on pair %1</source>
        <translation>Aucune impulsion détectée sur la paire %1</translation>
    </message>
    <message>
        <source>No recording of pair %1</source>
        <translation>Aucun enregistrement de la paire %1</translation>
    </message>
    <message>
        <source>far from the others</source>
        <translation>loin des autres</translation>
    </message>
    <message>
        <source>region excludes the struck point</source>
        <translation>la zone exclut le point frappé</translation>
    </message>
    <message>
        <source>velocity %1 mm/s (the class&apos;s %2)</source>
        <translation>vitesse %1 mm/s (celle de la classe : %2)</translation>
    </message>
    <message>
        <source>rate %1 samples/s (the class&apos;s %2)</source>
        <translation>échantillonnage %1 éch./s (celui de la classe : %2)</translation>
    </message>
    <message>
        <source>missing pair %1</source>
        <translation>paire %1 manquante</translation>
    </message>
    <message>
        <source>dragged time %1</source>
        <translation>temps %1 déplacé</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>. The run saved there before is kept as it was.</source>
        <translation>. La mesure enregistrée là auparavant est conservée telle quelle.</translation>
    </message>
    <message>
        <source>. Nothing was saved in the folder.</source>
        <translation>. Rien n&apos;a été enregistré dans le dossier.</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1 : ce dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est manquant</translation>
    </message>
    <message>
        <source>%1: %2 %3 is missing</source>
        <translation>%1 : %2 %3 manque</translation>
    </message>
    <message>
        <source>%1: %2 %3 are missing</source>
        <translation>%1 : %2 %3 manquent</translation>
    </message>
    <message>
        <source>%1 is missing: pair %2 is not shown</source>
        <translation>%1 est manquant : la paire %2 n&apos;est pas affichée</translation>
    </message>
    <message>
        <source>%1: recorded at %2 samples / s, %3 at %4; a run has one rate</source>
        <translation>%1 : enregistré à %2 échantillons / s, %3 à %4 ; une mesure a un seul échantillonnage</translation>
    </message>
    <message>
        <source>%1: %2 s of sound. %3</source>
        <translation>%1 : %2 s de son. %3</translation>
    </message>
    <message>
        <source>%1: [TXAQUISICAO] tx = %2 differs from the sound files&apos; rate; %3 samples / s is used</source>
        <translation>%1 : [TXAQUISICAO] tx = %2 diffère de l&apos;échantillonnage des fichiers son ; %3 échantillons / s sont utilisés</translation>
    </message>
    <message>
        <source>%1: [TAQUISICAO] taq = %2 s is shorter than the sound files; blocks of %3 s are used</source>
        <translation>%1 : [TAQUISICAO] taq = %2 s est plus court que les fichiers son ; des blocs de %3 s sont utilisés</translation>
    </message>
    <message>
        <source>%1: %2 s of sound, followed by silence to fill the block of %3 s</source>
        <translation>%1 : %2 s de son, suivies de silence pour remplir le bloc de %3 s</translation>
    </message>
    <message>
        <source>%1: [TIMES] %2 = %3 s lies outside the block (0 to %4 s)</source>
        <translation>%1 : [TIMES] %2 = %3 s est hors du bloc (0 à %4 s)</translation>
    </message>
    <message>
        <source>No pulse picked on pair %1: %2</source>
        <translation>Aucune impulsion trouvée sur la paire %1 : %2</translation>
    </message>
    <message>
        <source>Pair %1: %2; raise the detection level above the idle noise, or pick by onset or correlation</source>
        <translation>Paire %1 : %2 ; montez le niveau de détection au-dessus du bruit au repos, ou trouvez les arrivées par le début ou par corrélation</translation>
    </message>
    <message>
        <source>%1: [%2] %3 = &apos;%4&apos; is not a number</source>
        <translation>%1 : [%2] %3 = &apos;%4&apos; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1: [TIMES] %2_how = &apos;%3&apos; is neither detected nor dragged; the time is taken as dragged</source>
        <translation>%1 : [TIMES] %2_how = &apos;%3&apos; n&apos;est ni detected ni dragged ; le temps est pris comme déplacé</translation>
    </message>
    <message>
        <source>%1: not a WAVE sound file</source>
        <translation>%1 : ce n&apos;est pas un fichier son WAVE</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>%1: %2; a pair is recorded in stereo (left sensor A, right the other sensor)</source>
        <translation>%1 : %2 ; une paire est enregistrée en stéréo (à gauche le capteur A, à droite l&apos;autre capteur)</translation>
    </message>
    <message>
        <source>%1: recorded at %2 samples / s. %3</source>
        <translation>%1 : enregistré à %2 échantillons / s. %3</translation>
    </message>
    <message>
        <source>%1: holds samples that are not numbers</source>
        <translation>%1 : contient des échantillons qui ne sont pas des nombres</translation>
    </message>
    <message>
        <source>%1: holds no sound</source>
        <translation>%1 : ne contient aucun son</translation>
    </message>
    <message>
        <source>Acquisition time must be between %1 and %2 seconds</source>
        <translation>La durée d&apos;acquisition doit être entre %1 et %2 secondes</translation>
    </message>
    <message>
        <source>Acquisition rate must be between %1 and %2 samples / s</source>
        <translation>L&apos;échantillonnage doit être entre %1 et %2 échantillons / s</translation>
    </message>
    <message>
        <source>Acquisition time x rate must not exceed %1 samples (30 seconds at 44100 samples / s)</source>
        <translation>Durée x échantillonnage ne doit pas dépasser %1 échantillons (30 secondes à 44100 échantillons / s)</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a whole number</source>
        <translation>[%1] %2 = &apos;%3&apos; n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is none of level, onset, correlation</source>
        <translation>[%1] %2 = &apos;%3&apos; n&apos;est ni level, ni onset, ni correlation</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a number</source>
        <translation>[%1] %2 = &apos;%3&apos; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a number of at least 0</source>
        <translation>[%1] %2 = &apos;%3&apos; n&apos;est pas un nombre d&apos;au moins 0</translation>
    </message>
    <message>
        <source>Pulse velocity must be between %1 and %2 mm / s</source>
        <translation>La vitesse de l&apos;impulsion doit être entre %1 et %2 mm / s</translation>
    </message>
    <message>
        <source>Detection level must be between %1 and %2 (0 to 100 % of full scale)</source>
        <translation>Le niveau de détection doit être entre %1 et %2 (0 à 100 % de la pleine échelle)</translation>
    </message>
    <message>
        <source>[%1] %2 = %3: %4</source>
        <translation>[%1] %2 = %3 : %4</translation>
    </message>
</context>
<context>
    <name>TALAudioIn</name>
    <message>
        <source>Can&apos;t open audio device.</source>
        <translation>Impossible d&apos;ouvrir le périphérique audio.</translation>
    </message>
    <message>
        <source>Can&apos;t start audio device.</source>
        <translation>Impossible de démarrer le périphérique audio.</translation>
    </message>
    <message>
        <source>Can&apos;t restart audio device.</source>
        <translation>Impossible de redémarrer le périphérique audio.</translation>
    </message>
    <message>
        <source>Can&apos;t get device capabilities.</source>
        <translation>Impossible d&apos;obtenir les capacités du périphérique.</translation>
    </message>
    <message>
        <source>Audio input overrun: sound was lost.</source>
        <translation>Débordement de l&apos;entrée audio : du son a été perdu.</translation>
    </message>
    <message>
        <source>Audio device stopped delivering.</source>
        <translation>Le périphérique audio a cessé de fournir du son.</translation>
    </message>
    <message>
        <source>Buffer size too large to capture.</source>
        <translation>Taille de tampon trop grande pour la capture.</translation>
    </message>
</context>
<context>
    <name>TBrushStyle</name>
    <message>
        <source>Solid</source>
        <translation>Plein</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontales</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticales</translation>
    </message>
    <message>
        <source>F Diagonal</source>
        <translation>Diagonale \</translation>
    </message>
    <message>
        <source>B Diagonal</source>
        <translation>Diagonale /</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Diag Cross</source>
        <translation>Grille diagonale</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Tremora - Geophysics - Norvale</source>
        <translation>Tremora - Géophysique - Norvale</translation>
    </message>
    <message>
        <source>Increse Radius</source>
        <translation>Agrandir le rayon</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Écoute</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Move the cursor to increase/decrease the radius of triangulation</source>
        <translation>Déplacez le curseur pour agrandir/réduire le rayon de la triangulation</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>Strike here</source>
        <translation>Frapper ici</translation>
    </message>
    <message>
        <source>Class Results…</source>
        <translation>Résultats de la classe…</translation>
    </message>
    <message>
        <source>Measure Velocity…</source>
        <translation>Mesurer la vitesse…</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>I struck here</source>
        <translation>J&apos;ai frappé ici</translation>
    </message>
    <message>
        <source>These values of config.ini were not read; the defaults are used instead:</source>
        <translation>Ces valeurs de config.ini n&apos;ont pas été lues ; les valeurs par défaut sont utilisées :</translation>
    </message>
    <message>
        <source>For the previous strike:</source>
        <translation>Pour la frappe précédente :</translation>
    </message>
    <message>
        <source>Epicenter: x %1 mm, y %2 mm</source>
        <translation>Épicentre : x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>Struck at x %1 mm, y %2 mm: %3 mm away</source>
        <translation>Frappé en x %1 mm, y %2 mm : à %3 mm</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Apply and Save</source>
        <translation>Appliquer et enregistrer</translation>
    </message>
    <message>
        <source>Station Position</source>
        <translation>Stations</translation>
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
        <translation>Coord. X</translation>
    </message>
    <message>
        <source>Coord. Y</source>
        <translation>Coord. Y</translation>
    </message>
    <message>
        <source>Select a station and click on map to capture coordenates. </source>
        <translation>Choisissez une station et cliquez sur la carte pour relever ses coordonnées. </translation>
    </message>
    <message>
        <source>Pulse Velocity</source>
        <translation>Vit. impulsion</translation>
    </message>
    <message>
        <source>mm / s</source>
        <translation>mm / s</translation>
    </message>
    <message>
        <source>Use only integers values</source>
        <translation>Nombres entiers seulement</translation>
    </message>
    <message>
        <source>Acquisition Parameters</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Acquisition Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Acquisition Rate</source>
        <translation>Échantillonnage</translation>
    </message>
    <message>
        <source>samples / s</source>
        <translation>échantillons / s</translation>
    </message>
    <message>
        <source>Min. Amplitude</source>
        <translation>Amplitude min.</translation>
    </message>
    <message>
        <source>Pick arrivals by</source>
        <translation>Arrivées par</translation>
    </message>
    <message>
        <source>level (first sample)</source>
        <translation>niveau (premier échantillon)</translation>
    </message>
    <message>
        <source>onset</source>
        <translation>début</translation>
    </message>
    <message>
        <source>correlation</source>
        <translation>corrélation</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Show circles of trilateration</source>
        <translation>Afficher les cercles de trilatération</translation>
    </message>
    <message>
        <source>Sets the level just above what the idle inputs reach in Listen Sensors</source>
        <translation>Place le niveau juste au-dessus de ce que les entrées au repos atteignent dans Écouter les capteurs</translation>
    </message>
    <message>
        <source>Level from Idle Noise</source>
        <translation>Niveau du bruit</translation>
    </message>
    <message>
        <source>Coord. %1 of station %2 must be between 0 and %3 mm, on the map</source>
        <translation>La coord. %1 de la station %2 doit être entre 0 et %3 mm, sur la carte</translation>
    </message>
    <message>
        <source>Open Listen Sensors, press Listen Now and keep the sensors still for %1 seconds; then press Level from Idle Noise again.</source>
        <translation>Ouvrez Écouter les capteurs, appuyez sur Écouter et laissez les capteurs immobiles pendant %1 secondes ; puis appuyez à nouveau sur Niveau du bruit.</translation>
    </message>
    <message>
        <source>The idle inputs reached %1 (left) and %2 (right) of full scale in %3 s</source>
        <translation>Les entrées au repos ont atteint %1 (gauche) et %2 (droite) de la pleine échelle en %3 s</translation>
    </message>
    <message>
        <source>: no level above them is left for a pulse. Quieten the inputs (cables, mains hum, a sensor knocked) or pick arrivals by onset or correlation.</source>
        <translation> : il ne reste aucun niveau au-dessus pour une impulsion. Calmez les entrées (câbles, ronflement du secteur, capteur heurté) ou trouvez les arrivées par le début ou par corrélation.</translation>
    </message>
    <message>
        <source>; the level is set half as high again, to %1. Press Apply and Save to keep it.</source>
        <translation> ; le niveau est mis une fois et demie plus haut, à %1. Appuyez sur Appliquer et enregistrer pour le garder.</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Signal Acquisition</source>
        <translation>Acquisition des signaux</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Capteurs</translation>
    </message>
    <message>
        <source>Pulse time</source>
        <translation>Temps de l&apos;impulsion</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retard</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Normalized Amplitude</source>
        <translation>Amplitude normalisée</translation>
    </message>
    <message>
        <source>Acquired Signals in the Sensors A and B</source>
        <translation>Signaux acquis par les capteurs A et B</translation>
    </message>
    <message>
        <source>Acquired Signals in the Sensors A and C</source>
        <translation>Signaux acquis par les capteurs A et C</translation>
    </message>
    <message>
        <source>Auto Detect Pulse</source>
        <translation>Détecter l&apos;impulsion</translation>
    </message>
    <message>
        <source>Hold Detection</source>
        <translation>Figer</translation>
    </message>
    <message>
        <source>Select Sensors for Acquisition</source>
        <translation>Capteurs de l&apos;acquisition</translation>
    </message>
    <message>
        <source>Save the traces, times and result in a run folder</source>
        <translation>Enregistrer les traces, les temps et le résultat dans un dossier de mesure</translation>
    </message>
    <message>
        <source>Save Run…</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Show a saved run folder again</source>
        <translation>Afficher à nouveau un dossier de mesure enregistré</translation>
    </message>
    <message>
        <source>Open Run…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Write the traces and results as CSV files for a spreadsheet</source>
        <translation>Écrire les traces et les résultats en fichiers CSV pour un tableur</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Find Epicenter</source>
        <translation>Trouver l&apos;épicentre</translation>
    </message>
    <message>
        <source>Run Folder</source>
        <translation>Dossier de mesure</translation>
    </message>
    <message>
        <source>Read-out</source>
        <translation>Relevé</translation>
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
        <translation>%1 − tA non trouvé : %2</translation>
    </message>
    <message>
        <source>%1 − tA not known yet</source>
        <translation>%1 − tA pas encore connu</translation>
    </message>
    <message>
        <source>, noise near the level</source>
        <translation>, bruit proche du niveau</translation>
    </message>
    <message>
        <source>%1 less its correction %2 ms</source>
        <translation>%1 moins sa correction %2 ms</translation>
    </message>
    <message>
        <source>%1: raise the level</source>
        <translation>%1 : montez le niveau</translation>
    </message>
    <message>
        <source>Minimum Amplitude for Auto Detection = 0</source>
        <translation>Amplitude minimale pour la détection automatique = 0</translation>
    </message>
    <message>
        <source>Bad Acquisition</source>
        <translation>Acquisition ratée</translation>
    </message>
    <message>
        <source>Bad acquisition</source>
        <translation>Acquisition ratée</translation>
    </message>
    <message>
        <source>Pair %1 has not been recorded. Find the epicenter anyway?</source>
        <translation>La paire %1 n&apos;a pas été enregistrée. Trouver l&apos;épicentre quand même ?</translation>
    </message>
    <message>
        <source>Pairs A+B and A+C have not been recorded. Find the epicenter anyway?</source>
        <translation>Les paires A+B et A+C n&apos;ont pas été enregistrées. Trouver l&apos;épicentre quand même ?</translation>
    </message>
    <message>
        <source>Nothing to save: record a pair first.</source>
        <translation>Rien à enregistrer : enregistrez d&apos;abord une paire.</translation>
    </message>
    <message>
        <source>Save Run</source>
        <translation>Enregistrer la mesure</translation>
    </message>
    <message>
        <source>Run saved in %1</source>
        <translation>Mesure enregistrée dans %1</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>Ouvrir une mesure</translation>
    </message>
    <message>
        <source>The stations and the velocity not given are those in force.</source>
        <translation>Les stations et la vitesse non données sont celles en vigueur.</translation>
    </message>
    <message>
        <source>Nothing to export: record a pair first.</source>
        <translation>Rien à exporter : enregistrez d&apos;abord une paire.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Written in %1: %2</source>
        <translation>Écrits dans %1 : %2</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>the Find Epicenter button&apos;s picture, first line</comment>
        <translation>Trouver</translation>
    </message>
    <message>
        <source>Epicenter</source>
        <comment>the Find Epicenter button&apos;s picture, second line</comment>
        <translation>épicentre</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Listen Sensors</source>
        <translation>Écouter les capteurs</translation>
    </message>
    <message>
        <source>Left Channel</source>
        <translation>Canal gauche</translation>
    </message>
    <message>
        <source>Right Channel</source>
        <translation>Canal droit</translation>
    </message>
    <message>
        <source>Listen Now</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Busy! Acquisition in progress.</source>
        <translation>Occupé ! Acquisition en cours.</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Pulse Velocity</source>
        <translation>Vitesse de l&apos;impulsion</translation>
    </message>
    <message>
        <source>Struck at  x</source>
        <translation>Frappé en  x</translation>
    </message>
    <message>
        <source>Marked with Strike here, or measured with a ruler</source>
        <translation>Marqué par Frapper ici, ou mesuré à la règle</translation>
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
        <translation>Ajouter la frappe</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Strike at a known point, record one or both pairs, then press Add Strike.</source>
        <translation>Frappez en un point connu, enregistrez une paire ou les deux, puis cliquez sur Ajouter la frappe.</translation>
    </message>
    <message>
        <source>Use this velocity</source>
        <translation>Utiliser cette vitesse</translation>
    </message>
    <message>
        <source>Type the struck point&apos;s %1 in mm (a number with a dot)</source>
        <translation>Tapez le %1 du point frappé en mm (un nombre)</translation>
    </message>
    <message>
        <source>Record pair A+B or A+C of this strike first (both of its times must be set)</source>
        <translation>Enregistrez d&apos;abord la paire A+B ou A+C de cette frappe (ses deux temps doivent être fixés)</translation>
    </message>
    <message>
        <source>Use %1 mm/s as the pulse velocity and save it in the settings?</source>
        <translation>Utiliser %1 mm/s comme vitesse de l&apos;impulsion et l&apos;enregistrer dans les réglages ?</translation>
    </message>
    <message>
        <source>Strike %1 at (%2, %3) mm: %4</source>
        <translation>Frappe %1 en (%2 ; %3) mm : %4</translation>
    </message>
    <message>
        <source>Strike %1, %2: </source>
        <translation>Frappe %1, %2 : </translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refusé : %1</translation>
    </message>
    <message>
        <source>delay %1 ms, difference %2 mm, velocity %3 mm/s</source>
        <translation>retard %1 ms, différence %2 mm, vitesse %3 mm/s</translation>
    </message>
    <message>
        <source>Velocity: not measured: %1</source>
        <translation>Vitesse : non mesurée : %1</translation>
    </message>
    <message>
        <source>Velocity: %1 mm/s</source>
        <translation>Vitesse : %1 mm/s</translation>
    </message>
    <message>
        <source>Corrections (late beside A): %1</source>
        <translation>Corrections (retard par rapport à A) : %1</translation>
    </message>
    <message>
        <source>Corrections not fitted: %1</source>
        <translation>Corrections non ajustées : %1</translation>
    </message>
    <message>
        <source>strike in line with A and %1, outside the segment between them, where the difference is largest</source>
        <translation>frappez dans l&apos;alignement de A et %1, hors du segment qui les relie, là où la différence est la plus grande</translation>
    </message>
    <message>
        <source>its delay or its uncertainty is not known</source>
        <translation>son retard ou son incertitude n&apos;est pas connu</translation>
    </message>
    <message>
        <source>the strike is nearly as far from %1 as from A (difference %2 mm), so its delay cannot tell the velocity; %3</source>
        <translation>la frappe est presque aussi loin de %1 que de A (différence %2 mm), donc son retard ne dit pas la vitesse ; %3</translation>
    </message>
    <message>
        <source>its difference (%1 mm) is too small for about %2 mm/s: one delay uncertainty changes its velocity by %3 %, more than %4 %; %5</source>
        <translation>sa différence (%1 mm) est trop petite pour environ %2 mm/s : une incertitude du retard change sa vitesse de %3 %, plus de %4 % ; %5</translation>
    </message>
    <message>
        <source>no strike gives more than the %1 mm between A and %2 (%3 mm needed): place the stations farther apart or record at a higher rate</source>
        <translation>aucune frappe ne donne plus que les %1 mm entre A et %2 (%3 mm nécessaires) : écartez les stations ou enregistrez à un échantillonnage plus élevé</translation>
    </message>
    <message>
        <source>no pair can tell the velocity</source>
        <translation>aucune paire ne peut dire la vitesse</translation>
    </message>
    <message>
        <source>the delays do not grow with the distance difference: check the struck points and which sensor is on which input</source>
        <translation>les retards ne croissent pas avec la différence de distance : vérifiez les points frappés et quel capteur est sur quelle entrée</translation>
    </message>
    <message>
        <source>the strikes give sensor %1 one distance difference only, so its delay cannot be told from the velocity; strike at points nearer to A and nearer to %1</source>
        <translation>les frappes ne donnent au capteur %1 qu&apos;une seule différence de distance, donc son retard ne se distingue pas de la vitesse ; frappez en des points plus près de A et plus près de %1</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Class Results</source>
        <translation>Résultats de la classe</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>The strike was here</source>
        <translation>La frappe était ici</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Add each group&apos;s run folder, or one folder holding them.</source>
        <translation>Ajoutez le dossier de mesure de chaque groupe, ou un dossier qui les contient.</translation>
    </message>
    <message>
        <source>A group&apos;s run folder, or a folder of them</source>
        <translation>Le dossier de mesure d&apos;un groupe, ou un dossier qui en contient</translation>
    </message>
    <message>
        <source>Folder for class.csv and class-report.pdf</source>
        <translation>Dossier pour class.csv et class-report.pdf</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Off (mm)</source>
        <translation>Écart (mm)</translation>
    </message>
    <message>
        <source>In region</source>
        <translation>Dans la zone</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Click the map where the strike was.</source>
        <translation>Cliquez sur la carte là où était la frappe.</translation>
    </message>
    <message>
        <source>No group to export: add the groups&apos; folders first.</source>
        <translation>Aucun groupe à exporter : ajoutez d&apos;abord les dossiers des groupes.</translation>
    </message>
    <message>
        <source>Written: %1 and %2</source>
        <translation>Écrits : %1 et %2</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Pas encore de groupe.</translation>
    </message>
    <message>
        <source>Groups: %1, located: %2   (times: det detected, drag dragged)</source>
        <translation>Groupes : %1, localisés : %2   (temps : dét détecté, dépl déplacé)</translation>
    </message>
    <message>
        <source>Mean epicenter: %1, %2 mm   standard deviations: x %3 mm, y %4 mm</source>
        <translation>Épicentre moyen : %1 ; %2 mm   écarts types : x %3 mm, y %4 mm</translation>
    </message>
    <message>
        <source>Struck at %1, %2 mm   median distance: %3</source>
        <translation>Frappé en %1 ; %2 mm   distance médiane : %3</translation>
    </message>
    <message>
        <source>The struck point lies in the region of %1 of %2 groups (%3 %)</source>
        <translation>Le point frappé est dans la zone de %1 groupes sur %2 (%3 %)</translation>
    </message>
    <message>
        <source>Struck point not known: &quot;The strike was here&quot;, then click the map.</source>
        <translation>Point frappé inconnu : « La frappe était ici », puis cliquez sur la carte.</translation>
    </message>
    <message>
        <source>drag</source>
        <translation>dépl</translation>
    </message>
    <message>
        <source>det</source>
        <translation>dét</translation>
    </message>
    <message>
        <source>marked: </source>
        <translation>marqué : </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>TPLCommonPropertiesForm</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
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
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Nop</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Inverser le fond</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Not Copy</source>
        <translation>Copier inversé</translation>
    </message>
    <message>
        <source>Merge Pen Not</source>
        <translation>Trait OU non fond</translation>
    </message>
    <message>
        <source>Mask Pen Not</source>
        <translation>Trait ET non fond</translation>
    </message>
    <message>
        <source>Merge Not Pen</source>
        <translation>Non trait OU fond</translation>
    </message>
    <message>
        <source>Mask Not Pen</source>
        <translation>Non trait ET fond</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Trait OU fond</translation>
    </message>
    <message>
        <source>Not Merge</source>
        <translation>Trait NOR fond</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Trait ET fond</translation>
    </message>
    <message>
        <source>Not Mask</source>
        <translation>Trait NAND fond</translation>
    </message>
    <message>
        <source>Xor</source>
        <translation>Trait XOR fond</translation>
    </message>
    <message>
        <source>Not Xor</source>
        <translation>Trait XNOR fond</translation>
    </message>
</context>
<context>
    <name>TPenStyle</name>
    <message>
        <source>Solid</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Pointillé</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Tiret-point</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Tiret-point-point</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <translation>Dans le cadre</translation>
    </message>
</context>
<context>
    <name>TPicture</name>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extension de fichier d&apos;image inconnue (.%1)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Picture file &quot;%1&quot; is too large</source>
        <translation>Le fichier d&apos;image &quot;%1&quot; est trop grand</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossible de lire le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture the program can read: it does not hold a %2 image.</source>
        <translation>&quot;%1&quot; n&apos;est pas une image que le programme sait lire : elle ne contient pas d&apos;image %2.</translation>
    </message>
    <message>
        <source>%1 picture is too large (%2 x %3 pixels)</source>
        <translation>Image %1 trop grande (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>%1 picture is not valid: %2</source>
        <translation>L&apos;image %1 n&apos;est pas valide : %2</translation>
    </message>
    <message>
        <source>Vector picture is not valid</source>
        <translation>L&apos;image vectorielle n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Metafile error: the picture could not be drawn</source>
        <translation>Erreur de métafichier : l&apos;image n&apos;a pas pu être dessinée</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Format d&apos;image inconnu</translation>
    </message>
    <message>
        <source>Unknown picture class %1</source>
        <translation>Classe d&apos;image inconnue %1</translation>
    </message>
</context>
<context>
    <name>TSLBrushForm</name>
    <message>
        <source>Brush</source>
        <translation>Brosse</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Style</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TSLChannelShadeMode</name>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
</context>
<context>
    <name>TSLCollectionPageForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid name: give a name that is not empty.</source>
        <translation>« %1 » n&apos;est pas un nom valable : donnez un nom non vide.</translation>
    </message>
</context>
<context>
    <name>TSLDataDisplay</name>
    <message>
        <source>The display could not be printed.</source>
        <translation>L&apos;affichage n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>the display has no size</source>
        <translation>l&apos;affichage n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>The image could not be saved to &quot;%1&quot;: %2.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée dans &quot;%1&quot; : %2.</translation>
    </message>
</context>
<context>
    <name>TSLDisplayCursorKind</name>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
</context>
<context>
    <name>TSLDisplayEllipsesForm</name>
    <message>
        <source>Ellipses</source>
        <translation>Ellipses</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Trait...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Brosse...</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Axe &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Axe &amp;Y</translation>
    </message>
    <message>
        <source> Channlels </source>
        <translation> Canaux </translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>X1:</source>
        <translation>X1 :</translation>
    </message>
    <message>
        <source>Y1:</source>
        <translation>Y1 :</translation>
    </message>
    <message>
        <source>X2:</source>
        <translation>X2 :</translation>
    </message>
    <message>
        <source>Y2:</source>
        <translation>Y2 :</translation>
    </message>
    <message>
        <source>Highlighting</source>
        <translation>Mise en évidence</translation>
    </message>
    <message>
        <source>&amp;Highlight inside</source>
        <translation>&amp;Souligner dedans</translation>
    </message>
    <message>
        <source>The channel selected under Channels is drawn over a band in the ellipse&apos;s pen colour where it runs inside the ellipse.</source>
        <translation>Le canal choisi sous Canaux est tracé sur une bande de la couleur du trait de l&apos;ellipse là où il passe à l&apos;intérieur.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>&amp;Mark samples inside</source>
        <translation>&amp;Marquer les points dedans</translation>
    </message>
    <message>
        <source>The samples of the channel selected under Channels that lie inside the ellipse are marked with dots.</source>
        <translation>Les échantillons du canal choisi sous Canaux qui sont dans l&apos;ellipse sont marqués par des points.</translation>
    </message>
</context>
<context>
    <name>TSLDisplayMarkerShape</name>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Triangle Up</source>
        <translation>Tri. haut</translation>
    </message>
    <message>
        <source>Triangle Down</source>
        <translation>Tri. bas</translation>
    </message>
    <message>
        <source>Triangle Left</source>
        <translation>Tri. gauche</translation>
    </message>
    <message>
        <source>Triangle Right</source>
        <translation>Tri. droite</translation>
    </message>
    <message>
        <source>H Line</source>
        <translation>Ligne H</translation>
    </message>
    <message>
        <source>V Line</source>
        <translation>Ligne V</translation>
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
        <translation>Image JPEG (*.jpg)</translation>
    </message>
</context>
<context>
    <name>TSLDisplayZonesForm</name>
    <message>
        <source>Zones</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Trait...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Brosse...</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Axe &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Axe &amp;Y</translation>
    </message>
    <message>
        <source>&amp;Points</source>
        <translation>&amp;Points</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source> Point </source>
        <translation> Point </translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X :</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y :</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canaux</translation>
    </message>
</context>
<context>
    <name>TSLPenForm</name>
    <message>
        <source>the pen width</source>
        <translation>l&apos;épaisseur du trait</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Trait</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Style</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TSLPropertyPageForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid number for %2.</source>
        <translation>« %1 » n&apos;est pas un nombre valable pour %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for %2: give a whole number from %3 to %4.</source>
        <translation>« %1 » n&apos;est pas une valeur valable pour %2 : donnez un nombre entier de %3 à %4.</translation>
    </message>
</context>
<context>
    <name>TSLScopeAxesForm</name>
    <message>
        <source>X Axis</source>
        <translation>Axe X</translation>
    </message>
    <message>
        <source>Y Axis</source>
        <translation>Axe Y</translation>
    </message>
    <message>
        <source>the minimum</source>
        <translation>le minimum</translation>
    </message>
    <message>
        <source>the maximum</source>
        <translation>le maximum</translation>
    </message>
    <message>
        <source>The minimum (%1) must be below the maximum (%2).</source>
        <translation>Le minimum (%1) doit être inférieur au maximum (%2).</translation>
    </message>
    <message>
        <source>The range %1 to %2 is too wide or too narrow to be shown.</source>
        <translation>L&apos;intervalle de %1 à %2 est trop large ou trop étroit pour être affiché.</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Scale Mode:</source>
        <translation>É&amp;chelle :</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmique</translation>
    </message>
    <message>
        <source>Logarithmic Decades</source>
        <translation>Décades logarithmiques</translation>
    </message>
    <message>
        <source> Label </source>
        <translation> Étiquette </translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>É&amp;tiquette</translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isible</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Police...</translation>
    </message>
    <message>
        <source> Range </source>
        <translation> Intervalle </translation>
    </message>
    <message>
        <source>Mi&amp;n:</source>
        <translation>Mi&amp;n :</translation>
    </message>
    <message>
        <source>Ma&amp;x:</source>
        <translation>Ma&amp;x :</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelForm</name>
    <message>
        <source>the width</source>
        <translation>l&apos;épaisseur</translation>
    </message>
    <message>
        <source>the point size</source>
        <translation>la taille des points</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>&amp;Shade</source>
        <translation>&amp;Ombre</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Axe &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Axe &amp;Y</translation>
    </message>
    <message>
        <source> &amp;Points </source>
        <translation> &amp;Points </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isible</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forme</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Trait...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Brosse...</translation>
    </message>
    <message>
        <source>&amp;Use Channel Color</source>
        <translation>&amp;Couleur du canal</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelLinkFormUnit</name>
    <message>
        <source>the width</source>
        <translation>l&apos;épaisseur</translation>
    </message>
    <message>
        <source>Channel Links</source>
        <translation>Entre canaux</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;First Channel</source>
        <translation>&amp;Premier canal</translation>
    </message>
    <message>
        <source>&amp;Second Channel</source>
        <translation>&amp;Second canal</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Brosse...</translation>
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
        <translation>Barre</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelMode</name>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Escalier</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barre</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorChannelLinkForm</name>
    <message>
        <source>the size</source>
        <translation>la taille</translation>
    </message>
    <message>
        <source>Crossing Mark</source>
        <translation>Marque de croisement</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forme</translation>
    </message>
    <message>
        <source>Shape of the mark where the channel crosses the cursor</source>
        <translation>Forme de la marque où le canal croise le curseur</translation>
    </message>
    <message>
        <source>Size of the mark</source>
        <translation>Taille de la marque</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Trait...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Brosse...</translation>
    </message>
    <message>
        <source>Font of the value written beside the mark</source>
        <translation>Police de la valeur écrite à côté de la marque</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Police...</translation>
    </message>
    <message>
        <source>&amp;Use Channel Color</source>
        <translation>&amp;Couleur du canal</translation>
    </message>
    <message>
        <source>Write the value beside the mark</source>
        <translation>Écrire la valeur à côté de la marque</translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>Text of the label: %X and %Y give the values, %% a percent sign</source>
        <translation>Texte de l&apos;étiquette : %X et %Y donnent les valeurs, %% un signe pour cent</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorLinksForm</name>
    <message>
        <source>Cursor Links</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Be&amp;gin Cursor</source>
        <translation>Curseur de &amp;début</translation>
    </message>
    <message>
        <source>&amp;End Cursor</source>
        <translation>Curseur de &amp;fin</translation>
    </message>
    <message>
        <source> Selection </source>
        <translation> Sélection </translation>
    </message>
    <message>
        <source>Vi&amp;sible</source>
        <translation>Vi&amp;sible</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Brosse...</translation>
    </message>
    <message>
        <source> Measurment </source>
        <translation> Mesure </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isible</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Style</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source> Label </source>
        <translation> Étiquette </translation>
    </message>
    <message>
        <source>Visi&amp;ble</source>
        <translation>Visi&amp;ble</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Police...</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorsForm</name>
    <message>
        <source>Cursors</source>
        <translation>Curseurs</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Axe &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Axe &amp;Y</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source> Channlels </source>
        <translation> Canaux </translation>
    </message>
</context>
<context>
    <name>TSLScopeMerkerGroupsForm</name>
    <message>
        <source>the marker size</source>
        <translation>la taille du marqueur</translation>
    </message>
    <message>
        <source>Marker Groups</source>
        <translation>Marqueurs</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forme</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Tai&amp;lle</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Trait...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Brosse...</translation>
    </message>
    <message>
        <source> Labels </source>
        <translation> Étiquettes </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isible</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Police...</translation>
    </message>
    <message>
        <source> Crosshairs </source>
        <translation> Réticule </translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>X Axis</source>
        <translation>Axe X</translation>
    </message>
    <message>
        <source>Y Axis</source>
        <translation>Axe Y</translation>
    </message>
</context>
<context>
    <name>TSLScopePointsShape</name>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
</context>
<context>
    <name>TSLScopeXAxesForm</name>
    <message>
        <source>X Axes</source>
        <translation>Axes X</translation>
    </message>
</context>
<context>
    <name>TSLScopeYAxesForm</name>
    <message>
        <source>Y Axes</source>
        <translation>Axes Y</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>work in the lab folder DIR (given the example lab&apos;s files when it has no config.ini)</source>
        <translation>travailler dans le dossier du laboratoire DIR (avec les fichiers du
laboratoire d&apos;exemple s&apos;il n&apos;a pas de config.ini)</translation>
    </message>
    <message>
        <source>the windows&apos; language: de, es, fr, pt_BR or en (default: the desktop&apos;s;
after --simulate: English)</source>
        <translation>la langue des fenêtres : de, es, fr, pt_BR ou en (par défaut : celle du
bureau ; après --simulate : anglais)</translation>
    </message>
    <message>
        <source>record from the input device NAME</source>
        <translation>enregistrer depuis le périphérique d&apos;entrée NAME</translation>
    </message>
    <message>
        <source>the file the &quot;Recording&quot; device plays in a loop</source>
        <translation>le fichier que le périphérique &quot;Recording&quot; joue en boucle</translation>
    </message>
    <message>
        <source>with --device &quot;Simulated sensors&quot;: the pulse travels at this velocity,
which the settings do not show (for measuring it)</source>
        <translation>avec --device &quot;Simulated sensors&quot; : l&apos;impulsion se propage à cette
vitesse, que les réglages ne montrent pas (pour la mesurer)</translation>
    </message>
    <message>
        <source>with --device &quot;Simulated sensors&quot; or --simulate: clean (the default, a sharp
pulse) or realistic (unequal sensors, the floor&apos;s ringing, hum, offset,
noise and 16-bit samples, as a classroom&apos;s sound card hears them)</source>
        <translation>avec --device &quot;Simulated sensors&quot; ou --simulate : clean (par défaut, une
impulsion nette) ou realistic (capteurs inégaux, résonance du sol,
ronflement, décalage, bruit et échantillons 16 bits, comme les entend la
carte son d&apos;une classe)</translation>
    </message>
    <message>
        <source>the realistic sensors&apos; signal-to-noise ratio, 0 to 80 dB (default 26)</source>
        <translation>le rapport signal sur bruit des capteurs réalistes, de 0 à 80 dB (par défaut
26)</translation>
    </message>
    <message>
        <source>write a picture of each window into DIR and exit (after --simulate:
the acquisition window recorded and the map with the epicenter)</source>
        <translation>écrire une image de chaque fenêtre dans DIR et quitter (après --simulate :
la fenêtre d&apos;acquisition enregistrée et la carte avec l&apos;épicentre)</translation>
    </message>
    <message>
        <source>print the names of the input devices and exit</source>
        <translation>afficher les noms des périphériques d&apos;entrée et quitter</translation>
    </message>
    <message>
        <source>run the whole experiment on simulated sensors struck at (X, Y) mm (--pick
METHOD: find the times by level, onset or correlation instead of the lab&apos;s
method)</source>
        <translation>faire toute l&apos;expérience avec des capteurs simulés frappés en (X, Y) mm
(--pick METHOD : trouver les temps par niveau, début ou corrélation au lieu
de la méthode du laboratoire)</translation>
    </message>
    <message>
        <source>find the epicenter of four arrival times in seconds</source>
        <translation>trouver l&apos;épicentre de quatre temps d&apos;arrivée en secondes</translation>
    </message>
    <message>
        <source>find the times and the epicenter of a saved run folder (--pick METHOD: find
the times not saved by level, onset or correlation; --report FILE.pdf: also
write its one-page report)</source>
        <translation>trouver les temps et l&apos;épicentre d&apos;un dossier de mesure enregistré
(--pick METHOD : trouver les temps non enregistrés par niveau, début ou
corrélation ; --report FILE.pdf : écrire aussi son rapport d&apos;une page)</translation>
    </message>
    <message>
        <source>measure the pulse velocity and the sensors&apos; delays from run folders struck
at known points (their [STRIKE] point, or --strike X Y mm)</source>
        <translation>mesurer la vitesse de l&apos;impulsion et les retards des capteurs à partir de
dossiers de mesure frappés en des points connus (leur point [STRIKE], ou
--strike X Y mm)</translation>
    </message>
    <message>
        <source>pool the groups&apos; run folders (or folders of them): each group&apos;s epicenter,
the class&apos;s mean and spread (--report FILE.pdf, --csv FILE: also write them)</source>
        <translation>réunir les dossiers de mesure des groupes (ou des dossiers qui en
contiennent) : l&apos;épicentre de chaque groupe, la moyenne et la dispersion de
la classe (--report FILE.pdf, --csv FILE : les écrire aussi)</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>options:</source>
        <translation>options :</translation>
    </message>
    <message>
        <source>--locate, --analyze, --velocity, --class and --simulate come first; only --simulate takes a leading --lab.</source>
        <translation>--locate, --analyze, --velocity, --class et --simulate d&apos;abord ; seul --simulate accepte un --lab avant.</translation>
    </message>
</context>
</TS>
