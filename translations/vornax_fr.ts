<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccelerationModel</name>
    <message>
        <source>Couple insuffisant : le véhicule n&apos;atteint jamais la fin du démarrage (%1 km/h)</source>
        <translation>Couple insuffisant : le véhicule n&apos;atteint jamais la fin du démarrage (%1 km/h)</translation>
    </message>
    <message>
        <source>%1/h en %2 à %3 tr/min</source>
        <translation>%1/h en %2 à %3 tr/min</translation>
    </message>
</context>
<context>
    <name>AirCorrection</name>
    <message>
        <source>air temperature</source>
        <translation>température de l&apos;air</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>pression</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>humidité relative</translation>
    </message>
    <message>
        <source>the %1 %2%3 is outside %4 to %5%3</source>
        <translation>la %1 %2%3 est hors de %4 à %5%3</translation>
    </message>
</context>
<context>
    <name>AppFolder</name>
    <message>
        <source>The language files could not be written to %1; the program runs in French from %2.</source>
        <translation>Les fichiers de langue n&apos;ont pas pu être écrits dans %1 ; le programme fonctionne en français avec %2.</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>the setting %1 cannot be written</source>
        <translation>le réglage %1 ne peut pas être écrit</translation>
    </message>
</context>
<context>
    <name>AudioImport</name>
    <message>
        <source>truncated: its data chunk declares %1 bytes, the file holds %2</source>
        <translation>tronqué : son bloc de données annonce %1 octets, le fichier en contient %2</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it has no channel %1 (one channel)</source>
        <translation>il n&apos;a pas de canal %1 (un seul canal)</translation>
    </message>
    <message>
        <source>it has no channel %1 (%2 channels)</source>
        <translation>il n&apos;a pas de canal %1 (%2 canaux)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>not an audio file the program can read</source>
        <translation>ce n&apos;est pas un fichier audio que le programme sait lire</translation>
    </message>
    <message>
        <source>damaged audio file (%1)</source>
        <translation>fichier audio abîmé (%1)</translation>
    </message>
    <message>
        <source>no decoder for its audio</source>
        <translation>aucun décodeur pour son audio</translation>
    </message>
    <message>
        <source>no audio stream in the file</source>
        <translation>aucun flux audio dans le fichier</translation>
    </message>
    <message>
        <source>its audio cannot be decoded</source>
        <translation>son audio ne peut pas être décodé</translation>
    </message>
    <message>
        <source>its audio cannot be decoded (%1)</source>
        <translation>son audio ne peut pas être décodé (%1)</translation>
    </message>
    <message>
        <source>its audio changes format midway</source>
        <translation>son audio change de format en cours de route</translation>
    </message>
    <message>
        <source>damaged audio: nothing could be decoded</source>
        <translation>audio abîmé : rien n&apos;a pu être décodé</translation>
    </message>
    <message>
        <source>its audio stream holds no samples</source>
        <translation>son flux audio ne contient aucun échantillon</translation>
    </message>
    <message>
        <source>damaged audio: %1 of %2 packets could not be decoded</source>
        <translation>audio abîmé : %1 paquets sur %2 n&apos;ont pas pu être décodés</translation>
    </message>
    <message>
        <source>truncated: it holds %1 s of the %2 s its header declares</source>
        <translation>tronqué : il contient %1 s des %2 s annoncées par son en-tête</translation>
    </message>
    <message>
        <source>too long for a recording</source>
        <translation>trop long pour un enregistrement</translation>
    </message>
    <message>
        <source>%1: the converted recording cannot replace its own source</source>
        <translation>%1 : l&apos;enregistrement converti ne peut pas remplacer sa propre source</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>damaged audio: samples far beyond full scale or not numbers</source>
        <translation>audio abîmé : des échantillons bien au-delà de la pleine échelle, ou qui ne sont pas des nombres</translation>
    </message>
</context>
<context>
    <name>AverageCurve</name>
    <message>
        <source>no curve is ticked: tick the curves to average</source>
        <translation>aucune courbe n&apos;est cochée : cochez les courbes à moyenner</translation>
    </message>
    <message>
        <source>slot %1 is ticked but holds no curve: plot the curves before averaging them</source>
        <translation>la case %1 est cochée mais ne contient aucune courbe : tracez les courbes avant d&apos;en faire la moyenne</translation>
    </message>
    <message>
        <source>the curve of slot %1 has fewer than two engine speeds to average</source>
        <translation>la courbe de la case %1 a moins de deux régimes à moyenner</translation>
    </message>
    <message>
        <source>the curves do not share their engine speeds and have no engine-speed range in common: nothing to average</source>
        <translation>les courbes n&apos;ont pas les mêmes régimes ni de plage de régime commune : rien à moyenner</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Autre</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Boite 3 sync. Standard</source>
        <translation>Boite 3 sync. Standard</translation>
    </message>
    <message>
        <source>Boite 3 sync. Cooper</source>
        <translation>Boite 3 sync. Cooper</translation>
    </message>
    <message>
        <source>Boite 3 sync. Etagement court</source>
        <translation>Boite 3 sync. Etagement court</translation>
    </message>
    <message>
        <source>Boite 4 sync. Standard-Inno90</source>
        <translation>Boite 4 sync. Standard-Inno90</translation>
    </message>
    <message>
        <source>Boite 4 sync. S-1275GT-Inno120L</source>
        <translation>Boite 4 sync. S-1275GT-Inno120L</translation>
    </message>
    <message>
        <source>Boite 4 sync. Moteur A+</source>
        <translation>Boite 4 sync. Moteur A+</translation>
    </message>
    <message>
        <source>Boite 4 Autre</source>
        <translation>Boite 4 Autre</translation>
    </message>
    <message>
        <source>Boite 5</source>
        <translation>Boite 5</translation>
    </message>
    <message>
        <source>Boite 6</source>
        <translation>Boite 6</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Droit</source>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Semi-élicoïdale</source>
        <translation>Semi-élicoïdale</translation>
    </message>
</context>
<context>
    <name>ConditionWav</name>
    <message>
        <source>Fichier trop long</source>
        <translation>Fichier trop long</translation>
    </message>
    <message>
        <source>Fichier incorrect: la taille des données dépasse celle du fichier</source>
        <translation>Fichier incorrect: la taille des données dépasse celle du fichier</translation>
    </message>
    <message>
        <source>Filtre Wav impossible: l&apos;échantillon %1 lissé vaut %2, hors de 0 à 255</source>
        <translation>Filtre Wav impossible: l&apos;échantillon %1 lissé vaut %2, hors de 0 à 255</translation>
    </message>
    <message>
        <source>Le fichier de sortie est le fichier d&apos;entrée: choisissez un autre nom</source>
        <translation>Le fichier de sortie est le fichier d&apos;entrée: choisissez un autre nom</translation>
    </message>
</context>
<context>
    <name>CurveFile</name>
    <message>
        <source>Fichier incorrect: aucun point</source>
        <translation>Fichier incorrect: aucun point</translation>
    </message>
    <message>
        <source>Fichier incorrect: %1 lignes, au plus %2</source>
        <translation>Fichier incorrect: %1 lignes, au plus %2</translation>
    </message>
    <message>
        <source>Fichier incorrect: ligne %1 %2 sans &quot;;&quot;</source>
        <translation>Fichier incorrect: ligne %1 %2 sans &quot;;&quot;</translation>
    </message>
    <message>
        <source>Fichier incorrect: ligne %1 %2 n&apos;est pas un nombre</source>
        <translation>Fichier incorrect: ligne %1 %2 n&apos;est pas un nombre</translation>
    </message>
</context>
<context>
    <name>CurvePlot</name>
    <message>
        <source>Tick &quot;%1&quot; or &quot;%2&quot; to see the curves</source>
        <translation>Cochez « %1 » ou « %2 » pour voir les courbes</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>tr/min</translation>
    </message>
</context>
<context>
    <name>CurveSlot</name>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1: %2 needs three fields, engine speed;torque;power</source>
        <translation>%1 : %2 doit avoir trois champs, régime;couple;puissance</translation>
    </message>
    <message>
        <source>%1: %2 is not three numbers</source>
        <translation>%1 : %2 n&apos;est pas fait de trois nombres</translation>
    </message>
    <message>
        <source>more than %1 lines</source>
        <translation>plus de %1 lignes</translation>
    </message>
    <message>
        <source>%1: %2 is neither a data line nor one of the two factor lines at the end</source>
        <translation>%1 : %2 n&apos;est ni une ligne de données ni l&apos;une des deux lignes de facteurs de la fin</translation>
    </message>
    <message>
        <source>%1: the power unit factor %2 is not a usable number</source>
        <translation>%1 : le facteur d&apos;unité de puissance %2 n&apos;est pas un nombre utilisable</translation>
    </message>
    <message>
        <source>%1: the torque unit factor %2 is not a usable number</source>
        <translation>%1 : le facteur d&apos;unité de couple %2 n&apos;est pas un nombre utilisable</translation>
    </message>
    <message>
        <source>%1: %2 holds a value out of range</source>
        <translation>%1 : %2 contient une valeur hors limites</translation>
    </message>
</context>
<context>
    <name>EngineSoundTracker</name>
    <message>
        <source>the recording&apos;s rate is under 4 000 Hz: too low to hear the engine&apos;s harmonics</source>
        <translation>la fréquence d&apos;échantillonnage de l&apos;enregistrement est sous 4 000 Hz : trop basse pour entendre les harmoniques du moteur</translation>
    </message>
    <message>
        <source>the engine must have 1 to 16 cylinders and 2 or 4 strokes</source>
        <translation>le moteur doit avoir de 1 à 16 cylindres et 2 ou 4 temps</translation>
    </message>
    <message>
        <source>the engine-speed range must lie within 100 to 30 000 rpm, its top at least 1,5 times its foot</source>
        <translation>la plage de régime doit tenir entre 100 et 30 000 tr/min, son haut au moins 1,5 fois son bas</translation>
    </message>
    <message>
        <source>the recording lasts under 3 s: too short for a pull</source>
        <translation>l&apos;enregistrement dure moins de 3 s : trop court pour une accélération</translation>
    </message>
    <message>
        <source>the recording is silent</source>
        <translation>l&apos;enregistrement est muet</translation>
    </message>
    <message>
        <source>the top of the engine-speed range fires above %1 Hz: lower it, or check the cylinders and strokes</source>
        <translation>le haut de la plage de régime allume au-dessus de %1 Hz : abaissez-le, ou vérifiez les cylindres et les temps</translation>
    </message>
    <message>
        <source>the Fourier transform could not be set up</source>
        <translation>la transformée de Fourier n&apos;a pas pu être préparée</translation>
    </message>
    <message>
        <source>no engine firing is heard in the recording (harmonic contrast %1 dB): check that it holds the engine, and the cylinders and strokes</source>
        <translation>aucun allumage de moteur ne s&apos;entend dans l&apos;enregistrement (contraste harmonique %1 dB) : vérifiez qu&apos;il contient le moteur, et les cylindres et les temps</translation>
    </message>
    <message>
        <source>no pull is heard in the recording: the engine speed never climbs for long</source>
        <translation>aucune accélération ne s&apos;entend dans l&apos;enregistrement : le régime ne monte jamais longtemps</translation>
    </message>
    <message>
        <source>the pull lasts %1 s, under the 3 s a curve needs: if it was longer, widen the engine-speed range, or check the cylinders and strokes</source>
        <translation>l&apos;accélération dure %1 s, moins des 3 s qu&apos;il faut pour une courbe : si elle a duré plus, élargissez la plage de régime, ou vérifiez les cylindres et les temps</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>the firing can&apos;t be followed from %1 s to %2 s</source>
        <translation>l&apos;allumage ne peut pas être suivi de %1 s à %2 s</translation>
    </message>
    <message>
        <source>something louder than the engine covers it from %1 s to %2 s: the track there holds to the engine&apos;s run</source>
        <translation>un bruit plus fort que le moteur le couvre de %1 s à %2 s : le suivi y tient à la marche du moteur</translation>
    </message>
    <message>
        <source>at %1 s the track falls to half the engine speed or less at once: the pull may go on beyond it at a lower order (a weak cylinder)</source>
        <translation>à %1 s le suivi tombe d&apos;un coup à la moitié du régime ou moins : l&apos;accélération continue peut-être au-delà sur un ordre plus bas (un cylindre faible)</translation>
    </message>
    <message>
        <source>the engine speed reaches the end of the range %1 to %2 rpm: widen the range, or check the cylinders and strokes (an order twice or half the expected one)</source>
        <translation>le régime atteint le bord de la plage %1 à %2 tr/min : élargissez la plage, ou vérifiez les cylindres et les temps (un ordre double ou moitié de celui attendu)</translation>
    </message>
    <message>
        <source>the engine&apos;s sound repeats twice in each cycle of the engine set: too many cylinders, or four strokes for a two-stroke (the engine speed read is then half or twice the true one): check the cylinders and strokes</source>
        <translation>le son du moteur se répète deux fois à chaque cycle du moteur indiqué : trop de cylindres, ou quatre temps pour un deux-temps (le régime lu est alors la moitié ou le double du vrai) : vérifiez les cylindres et les temps</translation>
    </message>
    <message>
        <source>the engine&apos;s sound holds lines between the orders of the cycle of the engine set: the engine has other cylinders or strokes than those set (the engine speed read is then wrong): check the cylinders and strokes</source>
        <translation>le son du moteur a des raies entre les ordres du cycle du moteur indiqué : le moteur a d&apos;autres cylindres ou temps que ceux indiqués (le régime lu est alors faux) : vérifiez les cylindres et les temps</translation>
    </message>
    <message>
        <source>the engine&apos;s sound can&apos;t confirm the setting of %1 cylinders and %2 strokes: four cylinders and four strokes fire as often at %3 times the engine speed read: check the setting</source>
        <translation>le son du moteur ne peut pas confirmer le réglage de %1 cylindres et %2 temps : quatre cylindres et quatre temps allument aussi souvent à %3 fois le régime lu : vérifiez le réglage</translation>
    </message>
    <message>
        <source>the pull tops out at %1 rpm: check the cylinders and strokes (an order twice or half the expected one)</source>
        <translation>l&apos;accélération culmine à %1 tr/min : vérifiez les cylindres et les temps (un ordre double ou moitié de celui attendu)</translation>
    </message>
</context>
<context>
    <name>EntryCaption</name>
    <message>
        <source>%1 gear ratio</source>
        <translation>Rapport de %1</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5eme</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6eme</translation>
    </message>
    <message>
        <source>Width (mm)</source>
        <translation>Largeur (mm)</translation>
    </message>
    <message>
        <source>Height (%)</source>
        <translation>Hauteur (%)</translation>
    </message>
    <message>
        <source>Rim (inches)</source>
        <translation>Jante (pouces)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>the power factor (line 60 of the language file)</source>
        <translation>le facteur de puissance (ligne 60 du fichier de langue)</translation>
    </message>
    <message>
        <source>the torque factor (line 61 of the language file)</source>
        <translation>le facteur de couple (ligne 61 du fichier de langue)</translation>
    </message>
    <message>
        <source>the speed factor (line 56 of the language file)</source>
        <translation>le facteur de vitesse (ligne 56 du fichier de langue)</translation>
    </message>
    <message>
        <source>Rolling coefficient</source>
        <translation>Coefficient de roulement</translation>
    </message>
</context>
<context>
    <name>MappedFile</name>
    <message>
        <source>&quot;%1&quot; is not a readable file</source>
        <translation>« %1 » n&apos;est pas un fichier lisible</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>impossible de lire « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>MiniFile</name>
    <message>
        <source>Dépassement de capacité</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Type incompatible</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Fichier introuvable</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Tentative de lecture après la fin du fichier</source>
        <translation>Tentative de lecture après la fin du fichier</translation>
    </message>
    <message>
        <source>Erreur d&apos;accès au chemin/fichier</source>
        <translation>Erreur d&apos;accès au chemin/fichier</translation>
    </message>
    <message>
        <source>Valeur de propriété non valide</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Erreur d&apos;exécution</source>
        <translation>Erreur d&apos;exécution</translation>
    </message>
    <message>
        <source>le nom du véhicule</source>
        <translation>le nom du véhicule</translation>
    </message>
    <message>
        <source>le rapport de pont</source>
        <translation>le rapport de pont</translation>
    </message>
    <message>
        <source>le rapport de 1ère</source>
        <translation>le rapport de 1ère</translation>
    </message>
    <message>
        <source>le rapport de 2ème</source>
        <translation>le rapport de 2ème</translation>
    </message>
    <message>
        <source>le rapport de 3ème</source>
        <translation>le rapport de 3ème</translation>
    </message>
    <message>
        <source>le rapport de 4ème</source>
        <translation>le rapport de 4ème</translation>
    </message>
    <message>
        <source>le rapport de 5ème</source>
        <translation>le rapport de 5ème</translation>
    </message>
    <message>
        <source>la largeur du pneu</source>
        <translation>la largeur du pneu</translation>
    </message>
    <message>
        <source>la hauteur du pneu</source>
        <translation>la hauteur du pneu</translation>
    </message>
    <message>
        <source>le diamètre de jante</source>
        <translation>le diamètre de jante</translation>
    </message>
    <message>
        <source>le poids</source>
        <translation>le poids</translation>
    </message>
    <message>
        <source>le S·Cx</source>
        <translation>le S·Cx</translation>
    </message>
    <message>
        <source>l&apos;inertie moteur</source>
        <translation>l&apos;inertie moteur</translation>
    </message>
    <message>
        <source>la valeur</source>
        <translation>la valeur</translation>
    </message>
    <message>
        <source>le choix du pont</source>
        <translation>le choix du pont</translation>
    </message>
    <message>
        <source>le choix de la boîte</source>
        <translation>le choix de la boîte</translation>
    </message>
    <message>
        <source>le choix du pneu</source>
        <translation>le choix du pneu</translation>
    </message>
    <message>
        <source>la taille de la cascade</source>
        <translation>la taille de la cascade</translation>
    </message>
    <message>
        <source>la taille de la boîte</source>
        <translation>la taille de la boîte</translation>
    </message>
    <message>
        <source>la taille du différentiel</source>
        <translation>la taille du différentiel</translation>
    </message>
    <message>
        <source>le choix de la carrosserie</source>
        <translation>le choix de la carrosserie</translation>
    </message>
    <message>
        <source>le choix du moteur</source>
        <translation>le choix du moteur</translation>
    </message>
    <message>
        <source>le choix de la jante</source>
        <translation>le choix de la jante</translation>
    </message>
    <message>
        <source>Ligne %1 : « %2 » est hors des numéros d&apos;entrée pour %3.</source>
        <translation>Ligne %1 : « %2 » est hors des numéros d&apos;entrée pour %3.</translation>
    </message>
    <message>
        <source>Ligne %1 : « %2 » n&apos;est pas un numéro d&apos;entrée pour %3.</source>
        <translation>Ligne %1 : « %2 » n&apos;est pas un numéro d&apos;entrée pour %3.</translation>
    </message>
    <message>
        <source>Ligne %1 : %2 n&apos;a pas d&apos;entrée %3.</source>
        <translation>Ligne %1 : %2 n&apos;a pas d&apos;entrée %3.</translation>
    </message>
    <message>
        <source>Ligne %1 : le fichier s&apos;arrête avant %2.</source>
        <translation>Ligne %1 : le fichier s&apos;arrête avant %2.</translation>
    </message>
    <message>
        <source>Fichier Incorrect</source>
        <translation>Fichier Incorrect</translation>
    </message>
    <message>
        <source>Erreur %1</source>
        <translation>Erreur %1</translation>
    </message>
    <message>
        <source>Le fichier est vide.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier.</source>
        <translation>« %1 » n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;existe pas.</source>
        <translation>« %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Error The Vornax Meter</source>
        <translation>Erreur The Vornax Meter</translation>
    </message>
</context>
<context>
    <name>MiniFileCommands</name>
    <message>
        <source>Enregistrement</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Fichiers Mini *.Dat|*.Dat;*.dat;*.DAT</source>
        <translation>Fichiers Mini *.Dat|*.Dat;*.dat;*.DAT</translation>
    </message>
</context>
<context>
    <name>PlotPainter</name>
    <message>
        <source>&quot;%1&quot;: a picture of no size cannot be drawn</source>
        <translation>« %1 » : une image sans taille ne peut pas être dessinée</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the drawing could not be started</source>
        <translation>« %1 » : le dessin n&apos;a pas pu commencer</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture could not be encoded</source>
        <translation>« %1 » : l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
</context>
<context>
    <name>PlotPictures</name>
    <message>
        <source>the curves have no extent to draw (a flat or empty curve)</source>
        <translation>les courbes n&apos;ont pas d&apos;étendue à dessiner (courbe plate ou vide)</translation>
    </message>
    <message>
        <source>neither a curve, a power curve nor an acceleration file (no line holds a &quot;;&quot;)</source>
        <translation>ni une courbe de régime, ni une courbe de puissance, ni un fichier d&apos;accélération (aucune ligne ne contient « ; »)</translation>
    </message>
</context>
<context>
    <name>PowerComputation</name>
    <message>
        <source>the overall ratio of this gear is 0 (gear ratio %1, final drive %2)</source>
        <translation>le rapport total de ce rapport de boîte est 0 (rapport de boîte %1, pont %2)</translation>
    </message>
    <message>
        <source>a transmission loss of 100 % leaves no power to measure</source>
        <translation>une perte de transmission de 100 % ne laisse aucune puissance à mesurer</translation>
    </message>
    <message>
        <source>the transmission loss of %1 % gives no usable factor</source>
        <translation>la perte de transmission de %1 % ne donne aucun facteur utilisable</translation>
    </message>
    <message>
        <source>this point and the next have the same time</source>
        <translation>ce point et le suivant ont le même temps</translation>
    </message>
    <message>
        <source>the power overflows (engine speed or time out of range)</source>
        <translation>la puissance déborde (régime ou temps hors limites)</translation>
    </message>
    <message>
        <source>an engine speed of 0 gives no torque</source>
        <translation>un régime de 0 ne donne aucun couple</translation>
    </message>
    <message>
        <source>the power or torque overflows (check the unit factors of the language file)</source>
        <translation>la puissance ou le couple déborde (vérifiez les facteurs d&apos;unité du fichier de langue)</translation>
    </message>
    <message>
        <source>the engine speed does not vary over the curve: nothing to draw</source>
        <translation>le régime ne varie pas sur la courbe : rien à tracer</translation>
    </message>
    <message>
        <source>the power and torque do not vary over the curve: nothing to draw</source>
        <translation>la puissance et le couple ne varient pas sur la courbe : rien à tracer</translation>
    </message>
    <message>
        <source>the torque and power scales do not fit one chart</source>
        <translation>les échelles de couple et de puissance ne tiennent pas dans un même graphique</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more than %2 points</source>
        <translation>« %1 » a plus de %2 points</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 lines; the computation needs at least 3</source>
        <translation>« %1 » a %2 lignes ; le calcul en demande au moins 3</translation>
    </message>
    <message>
        <source>an engine speed of %1 rpm is not an engine&apos;s (0 to %2 rpm): this curve gives no power</source>
        <translation>un régime de %1 tr/min n&apos;est pas celui d&apos;un moteur (0 à %2 tr/min) : cette courbe ne donne aucune puissance</translation>
    </message>
    <message>
        <source>a power of %1 ch is beyond any engine of a car (at most %2 ch either way): this curve gives no usable power</source>
        <translation>une puissance de %1 ch dépasse celle de tout moteur de voiture (au plus %2 ch dans un sens ou dans l&apos;autre) : cette courbe ne donne aucune puissance utilisable</translation>
    </message>
</context>
<context>
    <name>PowerConditions</name>
    <message>
        <source>Conditions</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Air (°C)</source>
        <translation>Air (°C)</translation>
    </message>
    <message>
        <source>Pressure (hPa)</source>
        <translation>Pression (hPa)</translation>
    </message>
    <message>
        <source>Humidity (%)</source>
        <translation>Humidité (%)</translation>
    </message>
    <message>
        <source>corrected</source>
        <translation>corrigée</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Rapport…</translation>
    </message>
</context>
<context>
    <name>PowerCurveInput</name>
    <message>
        <source>&quot;%1&quot;, line %2</source>
        <translation>« %1 », ligne %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 lines; a curve for the power computation holds at most %3</source>
        <translation>« %1 » a %2 lignes ; une courbe pour le calcul de puissance en a au plus %3</translation>
    </message>
    <message>
        <source>%1: no &quot;;&quot; between time and engine speed</source>
        <translation>%1 : pas de « ; » entre le temps et le régime</translation>
    </message>
    <message>
        <source>%1: %2 is not time;engine speed</source>
        <translation>%1 : %2 n&apos;est pas temps;régime</translation>
    </message>
</context>
<context>
    <name>PowerInputs</name>
    <message>
        <source>%1: %2 is not a number (no vehicle has been confirmed yet)</source>
        <translation>%1 : %2 n&apos;est pas un nombre (aucune Mini n&apos;a encore été validée)</translation>
    </message>
    <message>
        <source>%1: %2 is not a number (no language file has been loaded)</source>
        <translation>%1 : %2 n&apos;est pas un nombre (aucun fichier de langue n&apos;a été chargé)</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1 : %2 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>gear %1 does not exist (1 to 6)</source>
        <translation>le rapport %1 n&apos;existe pas (1 à 6)</translation>
    </message>
    <message>
        <source>%1: %2 is not a usable value (%3)</source>
        <translation>%1 : %2 n&apos;est pas une valeur utilisable (%3)</translation>
    </message>
    <message>
        <source>the mass must be above zero</source>
        <translation>le poids doit être supérieur à zéro</translation>
    </message>
    <message>
        <source>the final drive ratio must be above zero</source>
        <translation>le rapport de pont doit être supérieur à zéro</translation>
    </message>
    <message>
        <source>the gear ratio must be above zero</source>
        <translation>le rapport de boîte doit être supérieur à zéro</translation>
    </message>
    <message>
        <source>the loss must be below 100 %</source>
        <translation>la perte doit être inférieure à 100 %</translation>
    </message>
    <message>
        <source>%1 %2 has no usable wheel radius (it must be above zero)</source>
        <translation>%1 %2 : pas de rayon de roue utilisable (il doit être supérieur à zéro)</translation>
    </message>
    <message>
        <source>1e</source>
        <translation>1e</translation>
    </message>
    <message>
        <source>2e</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3e</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4e</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>5e</source>
        <translation>5e</translation>
    </message>
    <message>
        <source>6e</source>
        <translation>6e</translation>
    </message>
    <message>
        <source>the rolling coefficient must be above 0 and below 0,1</source>
        <translation>le coefficient de roulement doit être supérieur à 0 et inférieur à 0,1</translation>
    </message>
</context>
<context>
    <name>PreciseCurve</name>
    <message>
        <source>Precise: engine speed ± %1 %, power ± %2 % (1 standard deviation)</source>
        <translation>Précise : régime ± %1 %, puissance ± %2 % (1 écart-type)</translation>
    </message>
    <message>
        <source>the sparks per revolution must be positive</source>
        <translation>le nombre d&apos;étincelles par tour doit être positif</translation>
    </message>
    <message>
        <source>too few sparks for a curve: %1</source>
        <translation>trop peu d&apos;étincelles pour une courbe : %1</translation>
    </message>
    <message>
        <source>the sparks span less than %1 ms</source>
        <translation>les étincelles couvrent moins de %1 ms</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>%1 of the %2 pulses break the rhythm of an ignition (missed sparks, extra pulses): this recording is not an ignition signal</source>
        <translation>%1 des %2 impulsions rompent le rythme d&apos;un allumage (étincelles manquantes, impulsions en trop) : cet enregistrement n&apos;est pas un signal d&apos;allumage</translation>
    </message>
    <message>
        <source>the pulse times scatter by %1 % of their interval; an ignition&apos;s sparks scatter far less: this recording is not an ignition signal</source>
        <translation>les instants des impulsions se dispersent de %1 % de leur intervalle ; les étincelles d&apos;un allumage se dispersent bien moins : cet enregistrement n&apos;est pas un signal d&apos;allumage</translation>
    </message>
    <message>
        <source>the fit cannot follow the sparks (residuals %1 times their scatter)</source>
        <translation>l&apos;ajustement ne peut pas suivre les étincelles (écarts %1 fois leur dispersion)</translation>
    </message>
    <message>
        <source>the fitted engine speed runs from %1 to %2 rpm, outside what an engine turns at (%3 to %4 rpm): the fit cannot follow these pulses</source>
        <translation>le régime ajusté va de %1 à %2 tr/min, hors de ce que tourne un moteur (%3 à %4 tr/min) : l&apos;ajustement ne peut pas suivre ces impulsions</translation>
    </message>
    <message>
        <source>The pull lasts %1 s: the precise curve has one row every %2 ms so that the power computation reads it whole</source>
        <translation>L&apos;accélération dure %1 s : la courbe précise a un point toutes les %2 ms pour que le calcul de puissance la lise en entier</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>WAV Recorder</source>
        <translation>Enregistreur Wav</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>WAV file (*.wav*)|*.wav</source>
        <translation>Fichier WAV (*.wav*)|*.wav</translation>
    </message>
    <message>
        <source>This name is used by the recorder for its temporary recording. Please choose another.</source>
        <translation>Ce nom est celui de l&apos;enregistrement provisoire de l&apos;enregistreur. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>The recording could not be saved: %1</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être sauvegardé : %1</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>pas prêt</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>enregistrement</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>no sound input</source>
        <translation>pas d&apos;entrée son</translation>
    </message>
    <message>
        <source>The sound device is not ready.</source>
        <translation>Le périphérique son n&apos;est pas prêt.</translation>
    </message>
    <message>
        <source>No sound input was found: connect a microphone or a line input, then press Record again.</source>
        <translation>Aucune entrée son trouvée : branchez un micro ou une entrée ligne, puis appuyez de nouveau sur Enregistrer.</translation>
    </message>
    <message>
        <source>The sound input offers no format the recorder can read.</source>
        <translation>L&apos;entrée son n&apos;offre aucun format que l&apos;enregistreur sait lire.</translation>
    </message>
    <message>
        <source>The sound input could not be opened.</source>
        <translation>L&apos;entrée son n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>No sound output was found to play the recording.</source>
        <translation>Aucune sortie son trouvée pour écouter l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>The sound output could not be opened.</source>
        <translation>La sortie son n&apos;a pas pu être ouverte.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>the report could not be drawn</source>
        <translation>le rapport n&apos;a pas pu être dessiné</translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>unsupported sample rate or channel count (%1 Hz, %2 channels)</source>
        <translation>fréquence d&apos;échantillonnage ou nombre de voies non pris en charge (%1 Hz, %2 voies)</translation>
    </message>
    <message>
        <source>unknown sample encoding</source>
        <translation>codage des échantillons inconnu</translation>
    </message>
    <message>
        <source>the sample-rate converter could not start</source>
        <translation>le convertisseur de fréquence n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>the sample-rate converter failed</source>
        <translation>le convertisseur de fréquence a échoué</translation>
    </message>
</context>
<context>
    <name>RunChecks</name>
    <message>
        <source>Valeur inadapter : %1 (%2)</source>
        <translation>Valeur inadapter : %1 (%2)</translation>
    </message>
    <message>
        <source>Courbe de couple trop courte : il faut au moins trois lignes de données</source>
        <translation>Courbe de couple trop courte : il faut au moins trois lignes de données</translation>
    </message>
    <message>
        <source>Durée (s)</source>
        <translation>Durée (s)</translation>
    </message>
    <message>
        <source>%1, confirmez d&apos;abord la Mini</source>
        <translation>%1, confirmez d&apos;abord la Mini</translation>
    </message>
    <message>
        <source>%1, il faut une valeur supérieure à zéro</source>
        <translation>%1, il faut une valeur supérieure à zéro</translation>
    </message>
    <message>
        <source>%1, il faut une perte inférieure à 100 %</source>
        <translation>%1, il faut une perte inférieure à 100 %</translation>
    </message>
    <message>
        <source>%1, au-dessus du régime maximal de la courbe (%2 tr/min)</source>
        <translation>%1, au-dessus du régime maximal de la courbe (%2 tr/min)</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Run report</source>
        <translation>Rapport de mesure</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Véhicule</translation>
    </message>
    <message>
        <source>Gear ratios</source>
        <translation>Rapports de boîte</translation>
    </message>
    <message>
        <source>Gear of the run</source>
        <translation>Rapport de la mesure</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Engine inertia</source>
        <translation>Inertie moteur</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Sparks</source>
        <translation>Étincelles</translation>
    </message>
    <message>
        <source>found at the default threshold</source>
        <translation>détectées au seuil par défaut</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Uncertainty</source>
        <translation>Incertitude</translation>
    </message>
    <message>
        <source>Engine-speed curve</source>
        <translation>Courbe de régime</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>Courbe de puissance</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>Conditions and correction</source>
        <translation>Conditions et correction</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>facteur</translation>
    </message>
    <message>
        <source>Peak figures</source>
        <translation>Valeurs maximales</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accélération</translation>
    </message>
    <message>
        <source>Made with The Vornax Meter</source>
        <translation>Fait avec The Vornax Meter</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>non atteint</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 data lines; a chart needs at least 2</source>
        <translation>« %1 » a %2 lignes de données ; un graphique en demande au moins 2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more rows than a power result holds</source>
        <translation>« %1 » a plus de lignes qu&apos;un résultat de puissance n&apos;en contient</translation>
    </message>
    <message>
        <source>How the engine speed was found</source>
        <translation>Calcul du régime</translation>
    </message>
    <message>
        <source>not recorded with the curve</source>
        <translation>non enregistrée avec la courbe</translation>
    </message>
    <message>
        <source>unsmoothed: one point per spark</source>
        <translation>non lissée : un point par étincelle</translation>
    </message>
    <message>
        <source>standard smoothing: %1, %2</source>
        <translation>lissage standard : %1, %2</translation>
    </message>
    <message>
        <source>averaging level %1</source>
        <translation>moyenne de niveau %1</translation>
    </message>
    <message>
        <source>no averaging</source>
        <translation>sans moyenne</translation>
    </message>
    <message>
        <source>Bezier curve skipping %1 points</source>
        <translation>courbe de Bézier sautant %1 points</translation>
    </message>
    <message>
        <source>no Bezier curve</source>
        <translation>sans courbe de Bézier</translation>
    </message>
    <message>
        <source>precise: the crank angle fitted through every spark</source>
        <translation>précise : angle du vilebrequin ajusté sur chaque étincelle</translation>
    </message>
    <message>
        <source>engine speed ± %1, power ± %2 (1 standard deviation)</source>
        <translation>régime ± %1, puissance ± %2 (1 écart-type)</translation>
    </message>
    <message>
        <source>threshold %1</source>
        <translation>seuil %1</translation>
    </message>
    <message>
        <source>low polarity</source>
        <translation>polarité basse</translation>
    </message>
    <message>
        <source>high polarity</source>
        <translation>polarité haute</translation>
    </message>
    <message>
        <source>%1 sparks per revolution</source>
        <translation>%1 étincelle(s) par tour</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Détection</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>the curve is not trustworthy, %1</source>
        <translation>la courbe n&apos;est pas fiable, %1</translation>
    </message>
    <message>
        <source>not trustworthy</source>
        <translation>non fiable</translation>
    </message>
</context>
<context>
    <name>Smoothing</name>
    <message>
        <source>Niveau du filtre: de 1 à 4</source>
        <translation>Niveau du filtre: de 1 à 4</translation>
    </message>
    <message>
        <source>Nombre de point sauté par Bezier: un entier positif</source>
        <translation>Nombre de point sauté par Bezier: un entier positif</translation>
    </message>
</context>
<context>
    <name>SignalVerdict</name>
    <message>
        <source>not an ignition signal: only %1 pulses, too few for a run</source>
        <translation>pas un signal d&apos;allumage : seulement %1 impulsions, trop peu pour une mesure</translation>
    </message>
    <message>
        <source>not an ignition signal: the engine speed reaches %1 rpm</source>
        <translation>pas un signal d&apos;allumage : le régime atteint %1 tr/min</translation>
    </message>
    <message>
        <source>not an ignition signal: the engine speed falls to %1 rpm</source>
        <translation>pas un signal d&apos;allumage : le régime tombe à %1 tr/min</translation>
    </message>
    <message>
        <source>not an ignition signal: %1 % of the pulses are off the rhythm of a spark train</source>
        <translation>pas un signal d&apos;allumage : %1 % des impulsions sortent du rythme d&apos;une suite d&apos;étincelles</translation>
    </message>
    <message>
        <source>not an ignition signal: the intervals change by %1 % from one pulse to the next</source>
        <translation>pas un signal d&apos;allumage : les intervalles changent de %1 % d&apos;une impulsion à la suivante</translation>
    </message>
    <message>
        <source>not an ignition signal: the engine speed jumps by up to %1 rpm from one spark to the next</source>
        <translation>pas un signal d&apos;allumage : le régime saute de %1 tr/min d&apos;une étincelle à la suivante</translation>
    </message>
    <message>
        <source>not an ignition signal: pulses at %1 Hz all along, mains hum</source>
        <translation>pas un signal d&apos;allumage : des impulsions à %1 Hz tout du long, un ronflement du secteur</translation>
    </message>
</context>
<context>
    <name>SparkCheck</name>
    <message>
        <source>1 missed spark near %1 s</source>
        <translation>1 étincelle manquante vers %1 s</translation>
    </message>
    <message>
        <source>%1 missed sparks near %2 s</source>
        <translation>%1 étincelles manquantes vers %2 s</translation>
    </message>
    <message>
        <source>1 extra pulse near %1 s</source>
        <translation>1 impulsion en trop vers %1 s</translation>
    </message>
    <message>
        <source>%1 extra pulses near %2 s</source>
        <translation>%1 impulsions en trop vers %2 s</translation>
    </message>
</context>
<context>
    <name>SparkDetection</name>
    <message>
        <source>%1: the start time %2 s is not before the end of the recording (%3 s)</source>
        <translation>%1 : le début %2 s n&apos;est pas avant la fin de l&apos;enregistrement (%3 s)</translation>
    </message>
    <message>
        <source>%1: no spark found: no byte reaches the threshold %2 (low polarity) after the start time</source>
        <translation>%1 : aucune étincelle : aucun octet n&apos;atteint le seuil %2 (polarité basse) après le début</translation>
    </message>
    <message>
        <source>%1: no spark found: no byte reaches the threshold %2 after the start time</source>
        <translation>%1 : aucune étincelle : aucun octet n&apos;atteint le seuil %2 après le début</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>no such file or folder</source>
        <translation>fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>plus de place sur le disque</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>disk quota exceeded</source>
        <translation>quota disque dépassé</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>erreur d&apos;entrée/sortie</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>« %1 » est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes)</source>
        <translation>« %1 » est trop gros (%2 octets)</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;</source>
        <translation>impossible de lire « %1 »</translation>
    </message>
    <message>
        <source>cannot write in &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;écrire dans « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>impossible de remplacer « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>TitlePicture</name>
    <message>
        <source>Puissance et couple de la Mini
à partir du signal d&apos;allumage</source>
        <translation>Puissance et couple de la Mini
à partir du signal d&apos;allumage</translation>
    </message>
    <message>
        <source>tr/min  ·  couple  ·  puissance  ·  0-100 km/h  ·  400 m  ·  1000 m</source>
        <translation>tr/min  ·  couple  ·  puissance  ·  0-100 km/h  ·  400 m  ·  1000 m</translation>
    </message>
</context>
<context>
    <name>TorqueCurve</name>
    <message>
        <source>Fichier Incorrect : ligne %1, %2</source>
        <translation>Fichier Incorrect : ligne %1, %2</translation>
    </message>
    <message>
        <source>Fichier Incorrect : plus de %1 lignes</source>
        <translation>Fichier Incorrect : plus de %1 lignes</translation>
    </message>
    <message>
        <source>une ligne de données suit les facteurs d&apos;unité</source>
        <translation>une ligne de données suit les facteurs d&apos;unité</translation>
    </message>
    <message>
        <source>régime illisible</source>
        <translation>régime illisible</translation>
    </message>
    <message>
        <source>facteur de couple manquant</source>
        <translation>facteur de couple manquant</translation>
    </message>
    <message>
        <source>facteur de puissance illisible</source>
        <translation>facteur de puissance illisible</translation>
    </message>
    <message>
        <source>facteur de couple illisible</source>
        <translation>facteur de couple illisible</translation>
    </message>
    <message>
        <source>Fichier Incorrect : aucune ligne de données</source>
        <translation>Fichier Incorrect : aucune ligne de données</translation>
    </message>
    <message>
        <source>Valeur inadapter : facteur d&apos;unité nul</source>
        <translation>Valeur inadapter : facteur d&apos;unité nul</translation>
    </message>
    <message>
        <source>couple ou puissance manquant</source>
        <translation>couple ou puissance manquant</translation>
    </message>
    <message>
        <source>couple illisible</source>
        <translation>couple illisible</translation>
    </message>
    <message>
        <source>puissance illisible</source>
        <translation>puissance illisible</translation>
    </message>
    <message>
        <source>couple hors limites</source>
        <translation>couple hors limites</translation>
    </message>
    <message>
        <source>puissance hors limites</source>
        <translation>puissance hors limites</translation>
    </message>
</context>
<context>
    <name>WavReader</name>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Erreur de canaux.</source>
        <translation>Erreur de canaux.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>not a WAV file (no RIFF/WAVE header)</source>
        <translation>ce n&apos;est pas un fichier WAV (pas d&apos;en-tête RIFF/WAVE)</translation>
    </message>
    <message>
        <source>no data chunk found where the recorder puts it (truncated or unusual WAV header)</source>
        <translation>pas de bloc de données là où l&apos;enregistreur le met (en-tête WAV tronqué ou inhabituel)</translation>
    </message>
    <message>
        <source>not plain PCM (format tag %1); record 8-bit mono PCM at 44100 Hz</source>
        <translation>ce n&apos;est pas du PCM simple (format %1) ; enregistrez en PCM 8 bits mono à 44100 Hz</translation>
    </message>
    <message>
        <source>stereo recording; record in mono</source>
        <translation>enregistrement stéréo ; enregistrez en mono</translation>
    </message>
    <message>
        <source>unusable channel count %1</source>
        <translation>nombre de canaux inutilisable : %1</translation>
    </message>
    <message>
        <source>%1-bit samples; record 8-bit mono at 44100 Hz</source>
        <translation>échantillons sur %1 bits ; enregistrez en 8 bits mono à 44100 Hz</translation>
    </message>
    <message>
        <source>%1 Hz recording; record at 44100 Hz</source>
        <translation>enregistrement à %1 Hz ; enregistrez à 44100 Hz</translation>
    </message>
    <message>
        <source>truncated: the data chunk declares %1 bytes but the file holds %2</source>
        <translation>tronqué : le bloc de données annonce %1 octets mais le fichier en contient %2</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>the recording is too long for a WAV file</source>
        <translation>l&apos;enregistrement est trop long pour un fichier WAV</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>This window is not available in this version of the program.</source>
        <translation>Cette fenêtre n&apos;existe pas dans cette version du programme.</translation>
    </message>
</context>
<context>
    <name>vornax::AboutBox</name>
    <message>
        <source>Titre de l&apos;application</source>
        <translation>Titre de l&apos;application</translation>
    </message>
    <message>
        <source>À propos de %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>En cas de bug ou Question:</source>
        <translation>En cas de bug ou Question:</translation>
    </message>
</context>
<context>
    <name>vornax::CompareWindow</name>
    <message>
        <source>Tick the box of a curve and choose its file, then &quot;%1&quot;</source>
        <translation>Cochez la case d&apos;une courbe et choisissez son fichier, puis « %1 »</translation>
    </message>
    <message>
        <source>Moyenne</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Chargement des courbes</source>
        <translation>Chargement des courbes</translation>
    </message>
    <message>
        <source>Fichier text *.txt|*.txt</source>
        <translation>Fichier text *.txt|*.txt</translation>
    </message>
    <message>
        <source>Fichier Incorrect: %1</source>
        <translation>Fichier Incorrect: %1</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The average could not be saved: %1</source>
        <translation>La moyenne n&apos;a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>The curves do not share their engine speeds: they were averaged on a common grid of %1 engine speeds from %2 to %3 rpm, the range all of them cover.</source>
        <translation>Les courbes n&apos;ont pas les mêmes régimes : leur moyenne a été faite sur une grille commune de %1 régimes de %2 à %3 tr/min, la plage que toutes couvrent.</translation>
    </message>
</context>
<context>
    <name>vornax::MainWindow</name>
    <message>
        <source>Langue</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Enregistrer un Wav</source>
        <translation>Enregistrer un Wav</translation>
    </message>
    <message>
        <source>The language file could not be used: %1</source>
        <translation>Le fichier de langue n&apos;a pas pu être utilisé : %1</translation>
    </message>
    <message>
        <source>Journal de vitesse</source>
        <translation>Journal de vitesse</translation>
    </message>
</context>
<context>
    <name>vornax::PlotCanvas</name>
    <message>
        <source>Save picture as PNG or SVG...</source>
        <translation>Enregistrer l&apos;image en PNG ou SVG...</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg</source>
        <translation>Image PNG (*.png)|*.png|Dessin SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>Cannot save the picture to &quot;%1&quot;.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image dans « %1 ».</translation>
    </message>
</context>
<context>
    <name>vornax::PowerWindow</name>
    <message>
        <source>%1: %2-%3 %4/h</source>
        <translation>%1 : %2-%3 %4/h</translation>
    </message>
    <message>
        <source>Calcul</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Fichier courbe *.ReT|*.ReT</source>
        <translation>Fichier courbe *.ReT|*.ReT</translation>
    </message>
    <message>
        <source>Fichier text *.txt|*.txt</source>
        <translation>Fichier text *.txt|*.txt</translation>
    </message>
    <message>
        <source>%1: %2 %3 is not a number</source>
        <translation>%1 : %2 %3 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapport enregistré : %1</translation>
    </message>
</context>
<context>
    <name>vornax::RecorderWindow</name>
    <message>
        <source>A recording is under way. Stop it and close? It will be saved in the Wav folder as &quot;%1&quot;.</source>
        <translation>Un enregistrement est en cours. L&apos;arrêter et fermer ? Il sera sauvegardé dans le dossier Wav sous le nom « %1 ».</translation>
    </message>
    <message>
        <source>The recording could not be saved: %1</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être sauvegardé : %1</translation>
    </message>
    <message>
        <source>WAV Recorder</source>
        <translation>Enregistreur Wav</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (par défaut)</translation>
    </message>
    <message>
        <source>Recorded: 16 bits, mono, 48 000 Hz (or the input&apos;s own rate), from the input chosen above.</source>
        <translation>Enregistré : 16 bits, mono, 48 000 Hz (ou la fréquence propre de l&apos;entrée), depuis l&apos;entrée choisie ci-dessus.</translation>
    </message>
    <message>
        <source>Recorded: 8 bits, mono, 44 100 Hz, from the system&apos;s default input.</source>
        <translation>Enregistré : 8 bits, mono, 44 100 Hz, depuis l&apos;entrée par défaut du système.</translation>
    </message>
    <message>
        <source>Ignition pickup (line input)</source>
        <translation>Allumage (capteur sur l&apos;entrée ligne)</translation>
    </message>
    <message>
        <source>Engine sound (microphone)</source>
        <translation>Son du moteur (microphone)</translation>
    </message>
</context>
<context>
    <name>vornax::SimTD</name>
    <message>
        <source>Comparaison d&apos;acceleration</source>
        <translation>Comparaison d&apos;acceleration</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Estimer</source>
        <translation>Estimer</translation>
    </message>
    <message>
        <source>Durée (s)</source>
        <translation>Durée (s)</translation>
    </message>
    <message>
        <source>Courbe de puissance (*.txt)|*.txt</source>
        <translation>Courbe de puissance (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Courbe d&apos;accélération (*.txt)|*.txt</source>
        <translation>Courbe d&apos;accélération (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Charger un journal de vitesse (départ arrêté)</source>
        <translation>Charger un journal de vitesse (départ arrêté)</translation>
    </message>
    <message>
        <source>Mesuré (%1) : %2 %3 s, %4 %5 s, %6 %7 s, %8 %9 %10/h</source>
        <translation>Mesuré (%1) : %2 %3 s, %4 %5 s, %6 %7 s, %8 %9 %10/h</translation>
    </message>
</context>
<context>
    <name>vornax::VehicleEditorWindow</name>
    <message>
        <source>5eme</source>
        <translation>5eme</translation>
    </message>
    <message>
        <source>6eme</source>
        <translation>6eme</translation>
    </message>
    <message>
        <source>Largeur (mm)</source>
        <translation>Largeur (mm)</translation>
    </message>
    <message>
        <source>Hauteur (%)</source>
        <translation>Hauteur (%)</translation>
    </message>
    <message>
        <source>Jante (pouces)</source>
        <translation>Jante (pouces)</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Boite</source>
        <translation>Boite</translation>
    </message>
    <message>
        <source>Pont</source>
        <translation>Pont</translation>
    </message>
    <message>
        <source>Moteur</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Roue</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>Valeur inadapter : %1 est vide</source>
        <translation>Valeur inadapter : %1 est vide</translation>
    </message>
    <message>
        <source>Valeur inadapter : %1 « %2 » n&apos;est pas un nombre</source>
        <translation>Valeur inadapter : %1 « %2 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>Valeur inadapter : %1 « %2 » doit être supérieur à zéro</source>
        <translation>Valeur inadapter : %1 « %2 » doit être supérieur à zéro</translation>
    </message>
</context>
<context>
    <name>vornax::WavWindow</name>
    <message>
        <source>Courbe non enregistrée : du son du moteur, seule la courbe Précise donne une puissance utilisable ; choisissez Précise puis Filtrer.</source>
        <translation>Courbe non enregistrée : du son du moteur, seule la courbe Précise donne une puissance utilisable ; choisissez Précise puis Filtrer.</translation>
    </message>
    <message>
        <source>PUISSANCE INCERTAINE : %1. %2</source>
        <translation>PUISSANCE INCERTAINE : %1. %2</translation>
    </message>
    <message>
        <source>Zoom X</source>
        <translation>Zoom X</translation>
    </message>
    <message>
        <source>Seuil de détection</source>
        <translation>Seuil de détection</translation>
    </message>
    <message>
        <source>Nombre d&apos;éteincelles par tours</source>
        <translation>Nombre d&apos;éteincelles par tours</translation>
    </message>
    <message>
        <source>Début en sec</source>
        <translation>Début en sec</translation>
    </message>
    <message>
        <source>Fin en sec</source>
        <translation>Fin en sec</translation>
    </message>
    <message>
        <source>Niveau du filtre</source>
        <translation>Niveau du filtre</translation>
    </message>
    <message>
        <source>Filtrer</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Enregistreur</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>filtre Wav</source>
        <translation>filtre Wav</translation>
    </message>
    <message>
        <source>Filtre Wav</source>
        <translation>Filtre Wav</translation>
    </message>
    <message>
        <source>largeur de la séquence</source>
        <translation>largeur de la séquence</translation>
    </message>
    <message>
        <source>Filtrage</source>
        <translation>Filtrage</translation>
    </message>
    <message>
        <source>Utilise le moyennage Oui-Non</source>
        <translation>Utilise le moyennage Oui-Non</translation>
    </message>
    <message>
        <source>Utilise Bezier</source>
        <translation>Utilise Bezier</translation>
    </message>
    <message>
        <source>Nombre de point sauté par Bezier</source>
        <translation>Nombre de point sauté par Bezier</translation>
    </message>
    <message>
        <source>Traitement</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Bornage des variation entre 0 et 1</source>
        <translation>Bornage des variation entre 0 et 1</translation>
    </message>
    <message>
        <source>Anti rebond en ms</source>
        <translation>Anti rebond en ms</translation>
    </message>
    <message>
        <source>Fichier Son *.Wav|*.wav</source>
        <translation>Fichier Son *.Wav|*.wav</translation>
    </message>
    <message>
        <source>Fichier courbe *.ReT|*.ReT</source>
        <translation>Fichier courbe *.ReT|*.ReT</translation>
    </message>
    <message>
        <source>Fichier incorrect: Stereo</source>
        <translation>Fichier incorrect: Stereo</translation>
    </message>
    <message>
        <source>Fichier incorrect: %1 bits</source>
        <translation>Fichier incorrect: %1 bits</translation>
    </message>
    <message>
        <source>Valeur inadapter: Bornage des variation</source>
        <translation>Valeur inadapter: Bornage des variation</translation>
    </message>
    <message>
        <source>Valeur inadapter: Anti rebond</source>
        <translation>Valeur inadapter: Anti rebond</translation>
    </message>
    <message>
        <source>Trop d&apos;étincelles: la courbe s&apos;arrête à %1 points. Réduisez l&apos;intervalle Début - Fin.</source>
        <translation>Trop d&apos;étincelles: la courbe s&apos;arrête à %1 points. Réduisez l&apos;intervalle Début - Fin.</translation>
    </message>
    <message>
        <source>Valeur inadapter: %1 n&apos;est pas un temps en secondes</source>
        <translation>Valeur inadapter: %1 n&apos;est pas un temps en secondes</translation>
    </message>
    <message>
        <source>Valeur inadapter</source>
        <translation>Valeur inadapter</translation>
    </message>
    <message>
        <source>Valeur inadapter: Nombre de point sauté par Bezier</source>
        <translation>Valeur inadapter: Nombre de point sauté par Bezier</translation>
    </message>
    <message>
        <source>Aucune courbe à enregistrer : chargez d&apos;abord un Wav ou un Ret.</source>
        <translation>Aucune courbe à enregistrer : chargez d&apos;abord un Wav ou un Ret.</translation>
    </message>
    <message>
        <source>Le fichier de sortie est le fichier d&apos;entrée: choisissez un autre nom</source>
        <translation>Le fichier de sortie est le fichier d&apos;entrée: choisissez un autre nom</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Précise</source>
        <translation>Précise</translation>
    </message>
    <message>
        <source>Fichier Son|*.wav;*.flac;*.mp3;*.m4a;*.aac;*.ogg;*.opus;*.aif;*.aiff|Tous les fichiers|*</source>
        <translation>Fichier Son|*.wav;*.flac;*.mp3;*.m4a;*.aac;*.ogg;*.opus;*.aif;*.aiff|Tous les fichiers|*</translation>
    </message>
    <message>
        <source>1 canal</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 canaux</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>&quot;%1&quot; converti en &quot;%2&quot; (8 bits mono 44100 Hz) : %3 %4 Hz, %5</source>
        <translation>&quot;%1&quot; converti en &quot;%2&quot; (8 bits mono 44100 Hz) : %3 %4 Hz, %5</translation>
    </message>
    <message>
        <source>, canaux mélangés</source>
        <translation>, canaux mélangés</translation>
    </message>
    <message>
        <source>, canal %1 retenu</source>
        <translation>, canal %1 retenu</translation>
    </message>
    <message>
        <source>, signal retourné</source>
        <translation>, signal retourné</translation>
    </message>
    <message>
        <source>, gain %1 dB.</source>
        <translation>, gain %1 dB.</translation>
    </message>
    <message>
        <source>Le fichier converti ne peut pas remplacer l&apos;original : choisissez un autre nom</source>
        <translation>Le fichier converti ne peut pas remplacer l&apos;original : choisissez un autre nom</translation>
    </message>
    <message>
        <source>La courbe précise se calcule sur les étincelles d&apos;un enregistrement : ouvrez un fichier Wav</source>
        <translation>La courbe précise se calcule sur les étincelles d&apos;un enregistrement : ouvrez un fichier Wav</translation>
    </message>
    <message>
        <source>Pas assez d&apos;étincelles au seuil %1 entre le début et la fin : changez le seuil ou appuyez sur Auto</source>
        <translation>Pas assez d&apos;étincelles au seuil %1 entre le début et la fin : changez le seuil ou appuyez sur Auto</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Filtre Wav : le fichier Wav à filtrer</source>
        <translation>Filtre Wav : le fichier Wav à filtrer</translation>
    </message>
    <message>
        <source>Filtre Wav : enregistrer le fichier filtré sous</source>
        <translation>Filtre Wav : enregistrer le fichier filtré sous</translation>
    </message>
    <message>
        <source>Enregistrer la conversion de « %1 » sous</source>
        <translation>Enregistrer la conversion de « %1 » sous</translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Canal %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Canal 1 (gauche)</source>
        <translation>Canal 1 (gauche)</translation>
    </message>
    <message>
        <source>Canal 2 (droite)</source>
        <translation>Canal 2 (droite)</translation>
    </message>
    <message>
        <source>Mélange</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>%1 canaux mélangés</source>
        <translation>%1 canaux mélangés</translation>
    </message>
    <message>
        <source>canal %1 sur %2 retenu</source>
        <translation>canal %1 sur %2 retenu</translation>
    </message>
    <message>
        <source>%1 étincelles, aucune manquée</source>
        <translation>%1 étincelles, aucune manquée</translation>
    </message>
    <message>
        <source>%1 étincelles : %2</source>
        <translation>%1 étincelles : %2</translation>
    </message>
    <message>
        <source>COURBE NON FIABLE, %1 : essayez l&apos;autre canal, le seuil Auto ou l&apos;autre nombre d&apos;étincelles par tour</source>
        <translation>COURBE NON FIABLE, %1 : essayez l&apos;autre canal, le seuil Auto ou l&apos;autre nombre d&apos;étincelles par tour</translation>
    </message>
    <message>
        <source>Courbe non enregistrée : %1.</source>
        <translation>Courbe non enregistrée : %1.</translation>
    </message>
    <message>
        <source>Mesure par :</source>
        <translation>Mesure par :</translation>
    </message>
    <message>
        <source>Allumage</source>
        <translation>Allumage</translation>
    </message>
    <message>
        <source>Son du moteur</source>
        <translation>Son du moteur</translation>
    </message>
    <message>
        <source>Moteur</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Cylindres</source>
        <translation>Cylindres</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Régime</source>
        <translation>Régime</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Fréquence log</source>
        <translation>Fréquence log</translation>
    </message>
    <message>
        <source>Valeur inadapter : le régime va de 100 à 30000 tr/min, le haut au moins 1,5 fois le bas</source>
        <translation>Valeur inadapter : le régime va de 100 à 30000 tr/min, le haut au moins 1,5 fois le bas</translation>
    </message>
    <message>
        <source>Son du moteur : %1</source>
        <translation>Son du moteur : %1</translation>
    </message>
    <message>
        <source>Son du moteur : %1 allumages par tour, accélération de %2 à %3 s suivie à %4 %, confiance %5 dB</source>
        <translation>Son du moteur : %1 allumages par tour, accélération de %2 à %3 s suivie à %4 %, confiance %5 dB</translation>
    </message>
    <message>
        <source>le suivi du son du moteur n&apos;est pas sûr</source>
        <translation>le suivi du son du moteur n&apos;est pas sûr</translation>
    </message>
    <message>
        <source>SUIVI INCERTAIN : cliquez sur la bonne raie du spectrogramme ou vérifiez le moteur. %1</source>
        <translation>SUIVI INCERTAIN : cliquez sur la bonne raie du spectrogramme ou vérifiez le moteur. %1</translation>
    </message>
    <message>
        <source>Le point cliqué donne %1 tr/min, hors du régime %2 - %3 tr/min</source>
        <translation>Le point cliqué donne %1 tr/min, hors du régime %2 - %3 tr/min</translation>
    </message>
</context>
<context>
    <name>StoreReadings</name>
    <message>
        <source>%1: %2 is not a usable unit factor (a number other than zero)</source>
        <translation>%1 : %2 n&apos;est pas un facteur d&apos;unité utilisable (un nombre autre que zéro)</translation>
    </message>
    <message>
        <source>%1: %2 is not a usable speed factor (a number above zero)</source>
        <translation>%1 : %2 n&apos;est pas un facteur de vitesse utilisable (un nombre au-dessus de zéro)</translation>
    </message>
</context>
<context>
    <name>vornax::SpeedLogDialog</name>
    <message>
        <source>Journal de vitesse (*.nmea *.nma *.gpx *.csv *.vbo *.txt)|*.nmea;*.nma;*.gpx;*.csv;*.vbo;*.txt</source>
        <translation>Journal de vitesse (*.nmea *.nma *.gpx *.csv *.vbo *.txt)|*.nmea;*.nma;*.gpx;*.csv;*.vbo;*.txt</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>vornax::SpeedLogWindow</name>
    <message>
        <source>Journal de vitesse</source>
        <translation>Journal de vitesse</translation>
    </message>
    <message>
        <source>Ouvrir un journal...</source>
        <translation>Ouvrir un journal...</translation>
    </message>
    <message>
        <source>Rapport de la montée</source>
        <translation>Rapport de la montée</translation>
    </message>
    <message>
        <source>Envoyer à sa fenêtre</source>
        <translation>Envoyer à sa fenêtre</translation>
    </message>
    <message>
        <source>Écrire dans un véhicule...</source>
        <translation>Écrire dans un véhicule...</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>%1 : %2, %3 points, %4 par seconde</source>
        <translation>%1 : %2, %3 points, %4 par seconde</translation>
    </message>
    <message>
        <source>, %1 lignes illisibles sautées</source>
        <translation>, %1 lignes illisibles sautées</translation>
    </message>
    <message>
        <source>montée dans un rapport</source>
        <translation>montée dans un rapport</translation>
    </message>
    <message>
        <source>décélération au point mort</source>
        <translation>décélération au point mort</translation>
    </message>
    <message>
        <source>départ arrêté</source>
        <translation>départ arrêté</translation>
    </message>
    <message>
        <source>%1. %2 : %3 à %4 s, %5 à %6 km/h</source>
        <translation>%1. %2 : %3 à %4 s, %5 à %6 km/h</translation>
    </message>
    <message>
        <source>Aucune montée, décélération ou départ arrêté trouvé dans ce journal.</source>
        <translation>Aucune montée, décélération ou départ arrêté trouvé dans ce journal.</translation>
    </message>
    <message>
        <source>Enregistrer la courbe de régime</source>
        <translation>Enregistrer la courbe de régime</translation>
    </message>
    <message>
        <source>Fichier courbe *.ReT|*.ReT</source>
        <translation>Fichier courbe *.ReT|*.ReT</translation>
    </message>
    <message>
        <source>Courbe de régime enregistrée : régime ± %1 %, puissance ± %2 % (1 écart-type).</source>
        <translation>Courbe de régime enregistrée : régime ± %1 %, puissance ± %2 % (1 écart-type).</translation>
    </message>
    <message>
        <source>S·Cx %1 ± %2 m², coefficient de roulement %3 ± %4 (air à 20 °C, 1013 hPa). Un seul sens : un vent ou une pente n&apos;est pas compensé (vornax coastdown prend les deux sens).</source>
        <translation>S·Cx %1 ± %2 m², coefficient de roulement %3 ± %4 (air à 20 °C, 1013 hPa). Un seul sens : un vent ou une pente n&apos;est pas compensé (vornax coastdown prend les deux sens).</translation>
    </message>
    <message>
        <source>Fichiers Mini *.Dat|*.dat</source>
        <translation>Fichiers Mini *.Dat|*.dat</translation>
    </message>
    <message>
        <source>S·Cx et coefficient de roulement écrits dans %1 ; ouvrez ce véhicule et validez-le pour que le calcul de puissance les prenne.</source>
        <translation>S·Cx et coefficient de roulement écrits dans %1 ; ouvrez ce véhicule et validez-le pour que le calcul de puissance les prenne.</translation>
    </message>
</context>
<context>
    <name>SoundCurve</name>
    <message>
        <source>its power would be uncertain by ± %1 % (1 standard deviation, at most %2 % is taken): the firing&apos;s phase wanders in this recording; record nearer the engine or the exhaust</source>
        <translation>sa puissance serait incertaine à ± %1 % (1 écart type, au plus %2 % est admis) : la phase de l&apos;allumage erre dans cet enregistrement ; enregistrez plus près du moteur ou de l&apos;échappement</translation>
    </message>
</context>
</TS>
