<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AccelerationModel</name>
    <message>
        <source>Couple insuffisant : le véhicule n&apos;atteint jamais la fin du démarrage (%1 km/h)</source>
        <translation>Not enough torque: the car never reaches the end of the launch (%1 km/h)</translation>
    </message>
    <message>
        <source>%1/h en %2 à %3 tr/min</source>
        <translation>%1/h in gear %2 at %3 rpm</translation>
    </message>
</context>
<context>
    <name>AirCorrection</name>
    <message>
        <source>air temperature</source>
        <translation>air temperature</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>pressure</translation>
    </message>
    <message>
        <source>relative humidity</source>
        <translation>relative humidity</translation>
    </message>
    <message>
        <source>the %1 %2%3 is outside %4 to %5%3</source>
        <translation>the %1 %2%3 is outside %4 to %5%3</translation>
    </message>
</context>
<context>
    <name>AppFolder</name>
    <message>
        <source>The language files could not be written to %1; the program runs in French from %2.</source>
        <translation>The language files could not be written to %1; the program runs in French from %2.</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>the setting %1 cannot be written</source>
        <translation>the setting %1 cannot be written</translation>
    </message>
</context>
<context>
    <name>AudioImport</name>
    <message>
        <source>truncated: its data chunk declares %1 bytes, the file holds %2</source>
        <translation>truncated: its data chunk declares %1 bytes, the file holds %2</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>not an audio file the program can read</source>
        <translation>not an audio file the program can read</translation>
    </message>
    <message>
        <source>damaged audio file (%1)</source>
        <translation>damaged audio file (%1)</translation>
    </message>
    <message>
        <source>no decoder for its audio</source>
        <translation>no decoder for its audio</translation>
    </message>
    <message>
        <source>no audio stream in the file</source>
        <translation>no audio stream in the file</translation>
    </message>
    <message>
        <source>its audio cannot be decoded</source>
        <translation>its audio cannot be decoded</translation>
    </message>
    <message>
        <source>its audio cannot be decoded (%1)</source>
        <translation>its audio cannot be decoded (%1)</translation>
    </message>
    <message>
        <source>its audio changes format midway</source>
        <translation>its audio changes format midway</translation>
    </message>
    <message>
        <source>damaged audio: nothing could be decoded</source>
        <translation>damaged audio: nothing could be decoded</translation>
    </message>
    <message>
        <source>its audio stream holds no samples</source>
        <translation>its audio stream holds no samples</translation>
    </message>
    <message>
        <source>damaged audio: %1 of %2 packets could not be decoded</source>
        <translation>damaged audio: %1 of %2 packets could not be decoded</translation>
    </message>
    <message>
        <source>truncated: it holds %1 s of the %2 s its header declares</source>
        <translation>truncated: it holds %1 s of the %2 s its header declares</translation>
    </message>
    <message>
        <source>too long for a recording</source>
        <translation>too long for a recording</translation>
    </message>
    <message>
        <source>%1: the converted recording cannot replace its own source</source>
        <translation>%1: the converted recording cannot replace its own source</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>damaged audio: samples far beyond full scale or not numbers</source>
        <translation>damaged audio: samples far beyond full scale or not numbers</translation>
    </message>
</context>
<context>
    <name>AverageCurve</name>
    <message>
        <source>no curve is ticked: tick the curves to average</source>
        <translation>no curve is ticked: tick the curves to average</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Autre</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Boite 3 sync. Standard</source>
        <translation>3-synchro gearbox, standard</translation>
    </message>
    <message>
        <source>Boite 3 sync. Cooper</source>
        <translation>3-synchro gearbox, Cooper</translation>
    </message>
    <message>
        <source>Boite 3 sync. Etagement court</source>
        <translation>3-synchro gearbox, close ratios</translation>
    </message>
    <message>
        <source>Boite 4 sync. Standard-Inno90</source>
        <translation>4-synchro gearbox, standard-Inno90</translation>
    </message>
    <message>
        <source>Boite 4 sync. S-1275GT-Inno120L</source>
        <translation>4-synchro gearbox, S-1275GT-Inno120L</translation>
    </message>
    <message>
        <source>Boite 4 sync. Moteur A+</source>
        <translation>4-synchro gearbox, A+ engine</translation>
    </message>
    <message>
        <source>Boite 4 Autre</source>
        <translation>4-speed gearbox, other</translation>
    </message>
    <message>
        <source>Boite 5</source>
        <translation>5-speed gearbox</translation>
    </message>
    <message>
        <source>Boite 6</source>
        <translation>6-speed gearbox</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Droit</source>
        <translation>Straight-cut</translation>
    </message>
    <message>
        <source>Semi-élicoïdale</source>
        <translation>Semi-helical</translation>
    </message>
</context>
<context>
    <name>ConditionWav</name>
    <message>
        <source>Fichier trop long</source>
        <translation>File too long</translation>
    </message>
    <message>
        <source>Fichier incorrect: la taille des données dépasse celle du fichier</source>
        <translation>Incorrect file: the data size exceeds the file size</translation>
    </message>
    <message>
        <source>Filtre Wav impossible: l&apos;échantillon %1 lissé vaut %2, hors de 0 à 255</source>
        <translation>WAV filter impossible: smoothed sample %1 is %2, outside 0 to 255</translation>
    </message>
    <message>
        <source>Le fichier de sortie est le fichier d&apos;entrée: choisissez un autre nom</source>
        <translation>The output file is the input file: choose another name</translation>
    </message>
</context>
<context>
    <name>CurveFile</name>
    <message>
        <source>Fichier incorrect: aucun point</source>
        <translation>Incorrect file: no point</translation>
    </message>
    <message>
        <source>Fichier incorrect: %1 lignes, au plus %2</source>
        <translation>Incorrect file: %1 lines, at most %2</translation>
    </message>
    <message>
        <source>Fichier incorrect: ligne %1 %2 sans &quot;;&quot;</source>
        <translation>Incorrect file: line %1 %2 without &quot;;&quot;</translation>
    </message>
    <message>
        <source>Fichier incorrect: ligne %1 %2 n&apos;est pas un nombre</source>
        <translation>Incorrect file: line %1 %2 is not a number</translation>
    </message>
</context>
<context>
    <name>CurvePlot</name>
    <message>
        <source>tr/min</source>
        <translation>rpm</translation>
    </message>
</context>
<context>
    <name>CurveSlot</name>
    <message>
        <source>line %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>%1: %2 needs three fields, engine speed;torque;power</source>
        <translation>%1: %2 needs three fields, engine speed;torque;power</translation>
    </message>
    <message>
        <source>%1: %2 is not three numbers</source>
        <translation>%1: %2 is not three numbers</translation>
    </message>
    <message>
        <source>more than %1 lines</source>
        <translation>more than %1 lines</translation>
    </message>
    <message>
        <source>%1: %2 is neither a data line nor one of the two factor lines at the end</source>
        <translation>%1: %2 is neither a data line nor one of the two factor lines at the end</translation>
    </message>
    <message>
        <source>%1: the power unit factor %2 is not a usable number</source>
        <translation>%1: the power unit factor %2 is not a usable number</translation>
    </message>
    <message>
        <source>%1: the torque unit factor %2 is not a usable number</source>
        <translation>%1: the torque unit factor %2 is not a usable number</translation>
    </message>
    <message>
        <source>%1: %2 holds a value out of range</source>
        <translation>%1: %2 holds a value out of range</translation>
    </message>
</context>
<context>
    <name>EntryCaption</name>
    <message>
        <source>%1 gear ratio</source>
        <translation>%1 gear ratio</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6th</translation>
    </message>
    <message>
        <source>Width (mm)</source>
        <translation>Width (mm)</translation>
    </message>
    <message>
        <source>Height (%)</source>
        <translation>Height (%)</translation>
    </message>
    <message>
        <source>Rim (inches)</source>
        <translation>Rim (inches)</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>the power factor (line 60 of the language file)</source>
        <translation>the power factor (line 60 of the language file)</translation>
    </message>
    <message>
        <source>the torque factor (line 61 of the language file)</source>
        <translation>the torque factor (line 61 of the language file)</translation>
    </message>
    <message>
        <source>the speed factor (line 56 of the language file)</source>
        <translation>the speed factor (line 56 of the language file)</translation>
    </message>
    <message>
        <source>Rolling coefficient</source>
        <translation>Rolling coefficient</translation>
    </message>
</context>
<context>
    <name>MappedFile</name>
    <message>
        <source>&quot;%1&quot; is not a readable file</source>
        <translation>&quot;%1&quot; is not a readable file</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>cannot read &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>MiniFile</name>
    <message>
        <source>Dépassement de capacité</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Type incompatible</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Fichier introuvable</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Tentative de lecture après la fin du fichier</source>
        <translation>Input past end of file</translation>
    </message>
    <message>
        <source>Erreur d&apos;accès au chemin/fichier</source>
        <translation>Path/file access error</translation>
    </message>
    <message>
        <source>Valeur de propriété non valide</source>
        <translation>Invalid property value</translation>
    </message>
    <message>
        <source>Erreur d&apos;exécution</source>
        <translation>Run-time error</translation>
    </message>
    <message>
        <source>le nom du véhicule</source>
        <translation>the name of the car</translation>
    </message>
    <message>
        <source>le rapport de pont</source>
        <translation>the final drive ratio</translation>
    </message>
    <message>
        <source>le rapport de 1ère</source>
        <translation>the 1st gear ratio</translation>
    </message>
    <message>
        <source>le rapport de 2ème</source>
        <translation>the 2nd gear ratio</translation>
    </message>
    <message>
        <source>le rapport de 3ème</source>
        <translation>the 3rd gear ratio</translation>
    </message>
    <message>
        <source>le rapport de 4ème</source>
        <translation>the 4th gear ratio</translation>
    </message>
    <message>
        <source>le rapport de 5ème</source>
        <translation>the 5th gear ratio</translation>
    </message>
    <message>
        <source>la largeur du pneu</source>
        <translation>the tyre width</translation>
    </message>
    <message>
        <source>la hauteur du pneu</source>
        <translation>the tyre height</translation>
    </message>
    <message>
        <source>le diamètre de jante</source>
        <translation>the rim diameter</translation>
    </message>
    <message>
        <source>le poids</source>
        <translation>the weight</translation>
    </message>
    <message>
        <source>le S·Cx</source>
        <translation>the S·Cx</translation>
    </message>
    <message>
        <source>l&apos;inertie moteur</source>
        <translation>the engine inertia</translation>
    </message>
    <message>
        <source>la valeur</source>
        <translation>the value</translation>
    </message>
    <message>
        <source>le choix du pont</source>
        <translation>the final drive choice</translation>
    </message>
    <message>
        <source>le choix de la boîte</source>
        <translation>the gearbox choice</translation>
    </message>
    <message>
        <source>le choix du pneu</source>
        <translation>the tyre choice</translation>
    </message>
    <message>
        <source>la taille de la cascade</source>
        <translation>the cut of the drop gears</translation>
    </message>
    <message>
        <source>la taille de la boîte</source>
        <translation>the cut of the gearbox</translation>
    </message>
    <message>
        <source>la taille du différentiel</source>
        <translation>the cut of the differential</translation>
    </message>
    <message>
        <source>le choix de la carrosserie</source>
        <translation>the body choice</translation>
    </message>
    <message>
        <source>le choix du moteur</source>
        <translation>the engine choice</translation>
    </message>
    <message>
        <source>le choix de la jante</source>
        <translation>the rim choice</translation>
    </message>
    <message>
        <source>Ligne %1 : « %2 » est hors des numéros d&apos;entrée pour %3.</source>
        <translation>Line %1: &quot;%2&quot; is outside the entry numbers for %3.</translation>
    </message>
    <message>
        <source>Ligne %1 : « %2 » n&apos;est pas un numéro d&apos;entrée pour %3.</source>
        <translation>Line %1: &quot;%2&quot; is not an entry number for %3.</translation>
    </message>
    <message>
        <source>Ligne %1 : %2 n&apos;a pas d&apos;entrée %3.</source>
        <translation>Line %1: %2 has no entry %3.</translation>
    </message>
    <message>
        <source>Ligne %1 : le fichier s&apos;arrête avant %2.</source>
        <translation>Line %1: the file ends before %2.</translation>
    </message>
    <message>
        <source>Fichier Incorrect</source>
        <translation>Incorrect file</translation>
    </message>
    <message>
        <source>Erreur %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>Le fichier est vide.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier.</source>
        <translation>&quot;%1&quot; is not a file.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;existe pas.</source>
        <translation>&quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>Error The Vornax Meter</source>
        <translation>Error The Vornax Meter</translation>
    </message>
</context>
<context>
    <name>MiniFileCommands</name>
    <message>
        <source>Enregistrement</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Fichiers Mini *.Dat|*.Dat;*.dat;*.DAT</source>
        <translation>Mini files *.Dat|*.Dat;*.dat;*.DAT</translation>
    </message>
</context>
<context>
    <name>PlotPainter</name>
    <message>
        <source>&quot;%1&quot;: a picture of no size cannot be drawn</source>
        <translation>&quot;%1&quot;: a picture of no size cannot be drawn</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the drawing could not be started</source>
        <translation>&quot;%1&quot;: the drawing could not be started</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture could not be encoded</source>
        <translation>&quot;%1&quot;: the picture could not be encoded</translation>
    </message>
</context>
<context>
    <name>PlotPictures</name>
    <message>
        <source>the curves have no extent to draw (a flat or empty curve)</source>
        <translation>the curves have no extent to draw (a flat or empty curve)</translation>
    </message>
    <message>
        <source>neither a curve, a power curve nor an acceleration file (no line holds a &quot;;&quot;)</source>
        <translation>neither a curve, a power curve nor an acceleration file (no line holds a &quot;;&quot;)</translation>
    </message>
</context>
<context>
    <name>PowerComputation</name>
    <message>
        <source>the overall ratio of this gear is 0 (gear ratio %1, final drive %2)</source>
        <translation>the overall ratio of this gear is 0 (gear ratio %1, final drive %2)</translation>
    </message>
    <message>
        <source>a transmission loss of 100 % leaves no power to measure</source>
        <translation>a transmission loss of 100 % leaves no power to measure</translation>
    </message>
    <message>
        <source>the transmission loss of %1 % gives no usable factor</source>
        <translation>the transmission loss of %1 % gives no usable factor</translation>
    </message>
    <message>
        <source>this point and the next have the same time</source>
        <translation>this point and the next have the same time</translation>
    </message>
    <message>
        <source>the power overflows (engine speed or time out of range)</source>
        <translation>the power overflows (engine speed or time out of range)</translation>
    </message>
    <message>
        <source>an engine speed of 0 gives no torque</source>
        <translation>an engine speed of 0 gives no torque</translation>
    </message>
    <message>
        <source>the power or torque overflows (check the unit factors of the language file)</source>
        <translation>the power or torque overflows (check the unit factors of the language file)</translation>
    </message>
    <message>
        <source>the engine speed does not vary over the curve: nothing to draw</source>
        <translation>the engine speed does not vary over the curve: nothing to draw</translation>
    </message>
    <message>
        <source>the power and torque do not vary over the curve: nothing to draw</source>
        <translation>the power and torque do not vary over the curve: nothing to draw</translation>
    </message>
    <message>
        <source>the torque and power scales do not fit one chart</source>
        <translation>the torque and power scales do not fit one chart</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more than %2 points</source>
        <translation>&quot;%1&quot; has more than %2 points</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 lines; the computation needs at least 3</source>
        <translation>&quot;%1&quot; has %2 lines; the computation needs at least 3</translation>
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
        <translation>None</translation>
    </message>
    <message>
        <source>Air (°C)</source>
        <translation>Air (°C)</translation>
    </message>
    <message>
        <source>Pressure (hPa)</source>
        <translation>Pressure (hPa)</translation>
    </message>
    <message>
        <source>Humidity (%)</source>
        <translation>Humidity (%)</translation>
    </message>
    <message>
        <source>corrected</source>
        <translation>corrected</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Report…</translation>
    </message>
</context>
<context>
    <name>PowerCurveInput</name>
    <message>
        <source>&quot;%1&quot;, line %2</source>
        <translation>&quot;%1&quot;, line %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 lines; a curve for the power computation holds at most %3</source>
        <translation>&quot;%1&quot; has %2 lines; a curve for the power computation holds at most %3</translation>
    </message>
    <message>
        <source>%1: no &quot;;&quot; between time and engine speed</source>
        <translation>%1: no &quot;;&quot; between time and engine speed</translation>
    </message>
    <message>
        <source>%1: %2 is not time;engine speed</source>
        <translation>%1: %2 is not time;engine speed</translation>
    </message>
</context>
<context>
    <name>PowerInputs</name>
    <message>
        <source>%1: %2 is not a number (no vehicle has been confirmed yet)</source>
        <translation>%1: %2 is not a number (no vehicle has been confirmed yet)</translation>
    </message>
    <message>
        <source>%1: %2 is not a number (no language file has been loaded)</source>
        <translation>%1: %2 is not a number (no language file has been loaded)</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 is not a number</translation>
    </message>
    <message>
        <source>gear %1 does not exist (1 to 6)</source>
        <translation>gear %1 does not exist (1 to 6)</translation>
    </message>
    <message>
        <source>%1: %2 is not a usable value (%3)</source>
        <translation>%1: %2 is not a usable value (%3)</translation>
    </message>
    <message>
        <source>the mass must be above zero</source>
        <translation>the mass must be above zero</translation>
    </message>
    <message>
        <source>the final drive ratio must be above zero</source>
        <translation>the final drive ratio must be above zero</translation>
    </message>
    <message>
        <source>the gear ratio must be above zero</source>
        <translation>the gear ratio must be above zero</translation>
    </message>
    <message>
        <source>the loss must be below 100 %</source>
        <translation>the loss must be below 100 %</translation>
    </message>
    <message>
        <source>%1 %2 has no usable wheel radius (it must be above zero)</source>
        <translation>%1 %2 has no usable wheel radius (it must be above zero)</translation>
    </message>
    <message>
        <source>1e</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>2e</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3e</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>4e</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>5e</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>6e</source>
        <translation>6th</translation>
    </message>
    <message>
        <source>the rolling coefficient must be above 0 and below 0,1</source>
        <translation>the rolling coefficient must be above 0 and below 0.1</translation>
    </message>
</context>
<context>
    <name>PreciseCurve</name>
    <message>
        <source>Precise: engine speed ± %1 %, power ± %2 % (1 standard deviation)</source>
        <translation>Precise: engine speed ± %1 %, power ± %2 % (1 standard deviation)</translation>
    </message>
    <message>
        <source>the sparks per revolution must be positive</source>
        <translation>the sparks per revolution must be positive</translation>
    </message>
    <message>
        <source>too few sparks for a curve: %1</source>
        <translation>too few sparks for a curve: %1</translation>
    </message>
    <message>
        <source>the sparks span less than %1 ms</source>
        <translation>the sparks span less than %1 ms</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelled</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>WAV Recorder</source>
        <translation>WAV Recorder</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>WAV file (*.wav*)|*.wav</source>
        <translation>WAV file (*.wav*)|*.wav</translation>
    </message>
    <message>
        <source>This name is used by the recorder for its temporary recording. Please choose another.</source>
        <translation>This name is used by the recorder for its temporary recording. Please choose another.</translation>
    </message>
    <message>
        <source>The recording could not be saved: %1</source>
        <translation>The recording could not be saved: %1</translation>
    </message>
    <message>
        <source>not ready</source>
        <translation>not ready</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>recording</source>
        <translation>recording</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>playing</translation>
    </message>
    <message>
        <source>no sound input</source>
        <translation>no sound input</translation>
    </message>
    <message>
        <source>The sound device is not ready.</source>
        <translation>The sound device is not ready.</translation>
    </message>
    <message>
        <source>No sound input was found: connect a microphone or a line input, then press Record again.</source>
        <translation>No sound input was found: connect a microphone or a line input, then press Record again.</translation>
    </message>
    <message>
        <source>The sound input offers no format the recorder can read.</source>
        <translation>The sound input offers no format the recorder can read.</translation>
    </message>
    <message>
        <source>The sound input could not be opened.</source>
        <translation>The sound input could not be opened.</translation>
    </message>
    <message>
        <source>No sound output was found to play the recording.</source>
        <translation>No sound output was found to play the recording.</translation>
    </message>
    <message>
        <source>The sound output could not be opened.</source>
        <translation>The sound output could not be opened.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>the report could not be drawn</source>
        <translation>the report could not be drawn</translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>unsupported sample rate or channel count (%1 Hz, %2 channels)</source>
        <translation>unsupported sample rate or channel count (%1 Hz, %2 channels)</translation>
    </message>
    <message>
        <source>unknown sample encoding</source>
        <translation>unknown sample encoding</translation>
    </message>
    <message>
        <source>the sample-rate converter could not start</source>
        <translation>the sample-rate converter could not start</translation>
    </message>
    <message>
        <source>the sample-rate converter failed</source>
        <translation>the sample-rate converter failed</translation>
    </message>
</context>
<context>
    <name>RunChecks</name>
    <message>
        <source>Valeur inadapter : %1 (%2)</source>
        <translation>Unsuitable value: %1 (%2)</translation>
    </message>
    <message>
        <source>Courbe de couple trop courte : il faut au moins trois lignes de données</source>
        <translation>Torque curve too short: at least three data lines are needed</translation>
    </message>
    <message>
        <source>Durée (s)</source>
        <translation>Duration (s)</translation>
    </message>
    <message>
        <source>%1, confirmez d&apos;abord la Mini</source>
        <translation>%1, confirm the Mini first</translation>
    </message>
    <message>
        <source>%1, il faut une valeur supérieure à zéro</source>
        <translation>%1, the value must be above zero</translation>
    </message>
    <message>
        <source>%1, il faut une perte inférieure à 100 %</source>
        <translation>%1, the loss must be below 100 %</translation>
    </message>
    <message>
        <source>%1, au-dessus du régime maximal de la courbe (%2 tr/min)</source>
        <translation>%1, above the highest engine speed of the curve (%2 rpm)</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Run report</source>
        <translation>Run report</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Vehicle</translation>
    </message>
    <message>
        <source>Gear ratios</source>
        <translation>Gear ratios</translation>
    </message>
    <message>
        <source>Gear of the run</source>
        <translation>Gear of the run</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Engine inertia</source>
        <translation>Engine inertia</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Sparks</source>
        <translation>Sparks</translation>
    </message>
    <message>
        <source>found at the default threshold</source>
        <translation>found at the default threshold</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Uncertainty</source>
        <translation>Uncertainty</translation>
    </message>
    <message>
        <source>Engine-speed curve</source>
        <translation>Engine-speed curve</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>Power curve</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>Conditions and correction</source>
        <translation>Conditions and correction</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>factor</translation>
    </message>
    <message>
        <source>Peak figures</source>
        <translation>Peak figures</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Made with The Vornax Meter</source>
        <translation>Made with The Vornax Meter</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>not reached</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 data lines; a chart needs at least 2</source>
        <translation>&quot;%1&quot; has %2 data lines; a chart needs at least 2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more rows than a power result holds</source>
        <translation>&quot;%1&quot; has more rows than a power result holds</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>the curve is not trustworthy, %1</source>
        <translation>the curve is not trustworthy, %1</translation>
    </message>
    <message>
        <source>not trustworthy</source>
        <translation>not trustworthy</translation>
    </message>
</context>
<context>
    <name>Smoothing</name>
    <message>
        <source>Niveau du filtre: de 1 à 4</source>
        <translation>Smoothing level: 1 to 4</translation>
    </message>
    <message>
        <source>Nombre de point sauté par Bezier: un entier positif</source>
        <translation>Points skipped by the Bezier curve: a positive whole number</translation>
    </message>
</context>
<context>
    <name>SignalVerdict</name>
    <message>
        <source>not an ignition signal: only %1 pulses, too few for a run</source>
        <translation>not an ignition signal: only %1 pulses, too few for a run</translation>
    </message>
    <message>
        <source>not an ignition signal: the engine speed reaches %1 rpm</source>
        <translation>not an ignition signal: the engine speed reaches %1 rpm</translation>
    </message>
    <message>
        <source>not an ignition signal: the engine speed falls to %1 rpm</source>
        <translation>not an ignition signal: the engine speed falls to %1 rpm</translation>
    </message>
    <message>
        <source>not an ignition signal: %1 % of the pulses are off the rhythm of a spark train</source>
        <translation>not an ignition signal: %1 % of the pulses are off the rhythm of a spark train</translation>
    </message>
    <message>
        <source>not an ignition signal: the intervals change by %1 % from one pulse to the next</source>
        <translation>not an ignition signal: the intervals change by %1 % from one pulse to the next</translation>
    </message>
    <message>
        <source>not an ignition signal: the engine speed jumps by up to %1 rpm from one spark to the next</source>
        <translation>not an ignition signal: the engine speed jumps by up to %1 rpm from one spark to the next</translation>
    </message>
    <message>
        <source>not an ignition signal: pulses at %1 Hz all along, mains hum</source>
        <translation>not an ignition signal: pulses at %1 Hz all along, mains hum</translation>
    </message>
</context>
<context>
    <name>SparkCheck</name>
    <message>
        <source>1 missed spark near %1 s</source>
        <translation>1 missed spark near %1 s</translation>
    </message>
    <message>
        <source>%1 missed sparks near %2 s</source>
        <translation>%1 missed sparks near %2 s</translation>
    </message>
    <message>
        <source>1 extra pulse near %1 s</source>
        <translation>1 extra pulse near %1 s</translation>
    </message>
    <message>
        <source>%1 extra pulses near %2 s</source>
        <translation>%1 extra pulses near %2 s</translation>
    </message>
</context>
<context>
    <name>SparkDetection</name>
    <message>
        <source>%1: the start time %2 s is not before the end of the recording (%3 s)</source>
        <translation>%1: the start time %2 s is not before the end of the recording (%3 s)</translation>
    </message>
    <message>
        <source>%1: no spark found: no byte reaches the threshold %2 (low polarity) after the start time</source>
        <translation>%1: no spark found: no byte reaches the threshold %2 (low polarity) after the start time</translation>
    </message>
    <message>
        <source>%1: no spark found: no byte reaches the threshold %2 after the start time</source>
        <translation>%1: no spark found: no byte reaches the threshold %2 after the start time</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>no such file or folder</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>this is a folder</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>disk quota exceeded</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>input/output error</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>cannot open &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>&quot;%1&quot; is a folder, not a file</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes)</source>
        <translation>&quot;%1&quot; is too large (%2 bytes)</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;</source>
        <translation>cannot read &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cannot write in &quot;%1&quot;: %2</source>
        <translation>cannot write in &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>cannot write &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>cannot replace &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>TitlePicture</name>
    <message>
        <source>Puissance et couple de la Mini
à partir du signal d&apos;allumage</source>
        <translation>Power and torque of the Mini
from the ignition signal</translation>
    </message>
    <message>
        <source>tr/min  ·  couple  ·  puissance  ·  0-100 km/h  ·  400 m  ·  1000 m</source>
        <translation>rpm  ·  torque  ·  power  ·  0-100 km/h  ·  400 m  ·  1000 m</translation>
    </message>
</context>
<context>
    <name>TorqueCurve</name>
    <message>
        <source>Fichier Incorrect : ligne %1, %2</source>
        <translation>Incorrect file: line %1, %2</translation>
    </message>
    <message>
        <source>Fichier Incorrect : plus de %1 lignes</source>
        <translation>Incorrect file: more than %1 lines</translation>
    </message>
    <message>
        <source>une ligne de données suit les facteurs d&apos;unité</source>
        <translation>a data line follows the unit factors</translation>
    </message>
    <message>
        <source>régime illisible</source>
        <translation>unreadable engine speed</translation>
    </message>
    <message>
        <source>facteur de couple manquant</source>
        <translation>torque factor missing</translation>
    </message>
    <message>
        <source>facteur de puissance illisible</source>
        <translation>unreadable power factor</translation>
    </message>
    <message>
        <source>facteur de couple illisible</source>
        <translation>unreadable torque factor</translation>
    </message>
    <message>
        <source>Fichier Incorrect : aucune ligne de données</source>
        <translation>Incorrect file: no data line</translation>
    </message>
    <message>
        <source>Valeur inadapter : facteur d&apos;unité nul</source>
        <translation>Unsuitable value: unit factor of zero</translation>
    </message>
    <message>
        <source>couple ou puissance manquant</source>
        <translation>torque or power missing</translation>
    </message>
    <message>
        <source>couple illisible</source>
        <translation>unreadable torque</translation>
    </message>
    <message>
        <source>puissance illisible</source>
        <translation>unreadable power</translation>
    </message>
    <message>
        <source>couple hors limites</source>
        <translation>torque out of range</translation>
    </message>
    <message>
        <source>puissance hors limites</source>
        <translation>power out of range</translation>
    </message>
</context>
<context>
    <name>WavReader</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
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
        <translation>Channel error.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>not a WAV file (no RIFF/WAVE header)</source>
        <translation>not a WAV file (no RIFF/WAVE header)</translation>
    </message>
    <message>
        <source>no data chunk found where the recorder puts it (truncated or unusual WAV header)</source>
        <translation>no data chunk found where the recorder puts it (truncated or unusual WAV header)</translation>
    </message>
    <message>
        <source>not plain PCM (format tag %1); record 8-bit mono PCM at 44100 Hz</source>
        <translation>not plain PCM (format tag %1); record 8-bit mono PCM at 44100 Hz</translation>
    </message>
    <message>
        <source>stereo recording; record in mono</source>
        <translation>stereo recording; record in mono</translation>
    </message>
    <message>
        <source>unusable channel count %1</source>
        <translation>unusable channel count %1</translation>
    </message>
    <message>
        <source>%1-bit samples; record 8-bit mono at 44100 Hz</source>
        <translation>%1-bit samples; record 8-bit mono at 44100 Hz</translation>
    </message>
    <message>
        <source>%1 Hz recording; record at 44100 Hz</source>
        <translation>%1 Hz recording; record at 44100 Hz</translation>
    </message>
    <message>
        <source>truncated: the data chunk declares %1 bytes but the file holds %2</source>
        <translation>truncated: the data chunk declares %1 bytes but the file holds %2</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>the recording is too long for a WAV file</source>
        <translation>the recording is too long for a WAV file</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <source>This window is not available in this version of the program.</source>
        <translation>This window is not available in this version of the program.</translation>
    </message>
</context>
<context>
    <name>vornax::AboutBox</name>
    <message>
        <source>Titre de l&apos;application</source>
        <translation>Application title</translation>
    </message>
    <message>
        <source>À propos de %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>En cas de bug ou Question:</source>
        <translation>For bugs or questions:</translation>
    </message>
</context>
<context>
    <name>vornax::CompareWindow</name>
    <message>
        <source>Moyenne</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Chargement des courbes</source>
        <translation>Loading the curves</translation>
    </message>
    <message>
        <source>Fichier text *.txt|*.txt</source>
        <translation>Text file *.txt|*.txt</translation>
    </message>
    <message>
        <source>Fichier Incorrect: %1</source>
        <translation>Incorrect file: %1</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The average could not be saved: %1</source>
        <translation>The average could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>vornax::MainWindow</name>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Enregistrer un Wav</source>
        <translation>Record a WAV</translation>
    </message>
    <message>
        <source>The language file could not be used: %1</source>
        <translation>The language file could not be used: %1</translation>
    </message>
    <message>
        <source>Journal de vitesse</source>
        <translation>Speed log</translation>
    </message>
</context>
<context>
    <name>vornax::PlotCanvas</name>
    <message>
        <source>Save picture as PNG or SVG...</source>
        <translation>Save picture as PNG or SVG...</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg</source>
        <translation>PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>Cannot save the picture to &quot;%1&quot;.</source>
        <translation>Cannot save the picture to &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>vornax::PowerWindow</name>
    <message>
        <source>Calcul</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Fichier courbe *.ReT|*.ReT</source>
        <translation>Curve file *.ReT|*.ReT</translation>
    </message>
    <message>
        <source>Fichier text *.txt|*.txt</source>
        <translation>Text file *.txt|*.txt</translation>
    </message>
    <message>
        <source>%1: %2 %3 is not a number</source>
        <translation>%1: %2 %3 is not a number</translation>
    </message>
</context>
<context>
    <name>vornax::RecorderWindow</name>
    <message>
        <source>WAV Recorder</source>
        <translation>WAV Recorder</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>Recorded: 16 bits, mono, 48 000 Hz (or the input&apos;s own rate), from the input chosen above.</source>
        <translation>Recorded: 16 bits, mono, 48 000 Hz (or the input&apos;s own rate), from the input chosen above.</translation>
    </message>
    <message>
        <source>Recorded: 8 bits, mono, 44 100 Hz, from the system&apos;s default input.</source>
        <translation>Recorded: 8 bits, mono, 44 100 Hz, from the system&apos;s default input.</translation>
    </message>
    <message>
        <source>Ignition pickup (line input)</source>
        <translation>Ignition pickup (line input)</translation>
    </message>
    <message>
        <source>Engine sound (microphone)</source>
        <translation>Engine sound (microphone)</translation>
    </message>
</context>
<context>
    <name>vornax::SimTD</name>
    <message>
        <source>Comparaison d&apos;acceleration</source>
        <translation>Acceleration comparison</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Estimer</source>
        <translation>Estimate</translation>
    </message>
    <message>
        <source>Durée (s)</source>
        <translation>Duration (s)</translation>
    </message>
    <message>
        <source>Courbe de puissance (*.txt)|*.txt</source>
        <translation>Power curve (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Courbe d&apos;accélération (*.txt)|*.txt</source>
        <translation>Acceleration curve (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Charger un journal de vitesse (départ arrêté)</source>
        <translation>Load a speed log (standing start)</translation>
    </message>
    <message>
        <source>Mesuré (%1) : %2 %3 s, %4 %5 s, %6 %7 s, %8 %9 %10/h</source>
        <translation>Measured (%1): %2 %3 s, %4 %5 s, %6 %7 s, %8 %9 %10/h</translation>
    </message>
</context>
<context>
    <name>vornax::VehicleEditorWindow</name>
    <message>
        <source>5eme</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>6eme</source>
        <translation>6th</translation>
    </message>
    <message>
        <source>Largeur (mm)</source>
        <translation>Width (mm)</translation>
    </message>
    <message>
        <source>Hauteur (%)</source>
        <translation>Height (%)</translation>
    </message>
    <message>
        <source>Jante (pouces)</source>
        <translation>Rim (inches)</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Drop gears</translation>
    </message>
    <message>
        <source>Boite</source>
        <translation>Gearbox</translation>
    </message>
    <message>
        <source>Pont</source>
        <translation>Differential</translation>
    </message>
    <message>
        <source>Moteur</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Roue</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Valeur inadapter : %1 est vide</source>
        <translation>Unsuitable value: %1 is empty</translation>
    </message>
    <message>
        <source>Valeur inadapter : %1 « %2 » n&apos;est pas un nombre</source>
        <translation>Unsuitable value: %1 &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>Valeur inadapter : %1 « %2 » doit être supérieur à zéro</source>
        <translation>Unsuitable value: %1 &quot;%2&quot; must be above zero</translation>
    </message>
</context>
<context>
    <name>vornax::WavWindow</name>
    <message>
        <source>Courbe non enregistrée : du son du moteur, seule la courbe Précise donne une puissance utilisable ; choisissez Précise puis Filtrer.</source>
        <translation>Curve not saved: from the engine&apos;s sound only the Precise curve gives a usable power; choose Precise, then Smooth.</translation>
    </message>
    <message>
        <source>PUISSANCE INCERTAINE : %1. %2</source>
        <translation>POWER UNCERTAIN: %1. %2</translation>
    </message>
    <message>
        <source>Zoom X</source>
        <translation>Zoom X</translation>
    </message>
    <message>
        <source>Seuil de détection</source>
        <translation>Detection threshold</translation>
    </message>
    <message>
        <source>Nombre d&apos;éteincelles par tours</source>
        <translation>Sparks per revolution</translation>
    </message>
    <message>
        <source>Début en sec</source>
        <translation>Start in s</translation>
    </message>
    <message>
        <source>Fin en sec</source>
        <translation>End in s</translation>
    </message>
    <message>
        <source>Niveau du filtre</source>
        <translation>Smoothing level</translation>
    </message>
    <message>
        <source>Filtrer</source>
        <translation>Smooth</translation>
    </message>
    <message>
        <source>Enregistreur</source>
        <translation>Recorder</translation>
    </message>
    <message>
        <source>filtre Wav</source>
        <translation>WAV filter</translation>
    </message>
    <message>
        <source>Filtre Wav</source>
        <translation>WAV filter</translation>
    </message>
    <message>
        <source>largeur de la séquence</source>
        <translation>sequence width</translation>
    </message>
    <message>
        <source>Filtrage</source>
        <translation>Smoothing</translation>
    </message>
    <message>
        <source>Utilise le moyennage Oui-Non</source>
        <translation>Use the averaging (yes/no)</translation>
    </message>
    <message>
        <source>Utilise Bezier</source>
        <translation>Use the Bezier curve</translation>
    </message>
    <message>
        <source>Nombre de point sauté par Bezier</source>
        <translation>Points skipped by the Bezier curve</translation>
    </message>
    <message>
        <source>Traitement</source>
        <translation>Processing</translation>
    </message>
    <message>
        <source>Bornage des variation entre 0 et 1</source>
        <translation>Bound of the variation, 0 to 1</translation>
    </message>
    <message>
        <source>Anti rebond en ms</source>
        <translation>Anti-bounce in ms</translation>
    </message>
    <message>
        <source>Fichier Son *.Wav|*.wav</source>
        <translation>Sound file *.Wav|*.wav</translation>
    </message>
    <message>
        <source>Fichier courbe *.ReT|*.ReT</source>
        <translation>Curve file *.ReT|*.ReT</translation>
    </message>
    <message>
        <source>Fichier incorrect: Stereo</source>
        <translation>Incorrect file: Stereo</translation>
    </message>
    <message>
        <source>Fichier incorrect: %1 bits</source>
        <translation>Incorrect file: %1 bits</translation>
    </message>
    <message>
        <source>Valeur inadapter: Bornage des variation</source>
        <translation>Unsuitable value: Bound of the variation</translation>
    </message>
    <message>
        <source>Valeur inadapter: Anti rebond</source>
        <translation>Unsuitable value: Anti-bounce</translation>
    </message>
    <message>
        <source>Trop d&apos;étincelles: la courbe s&apos;arrête à %1 points. Réduisez l&apos;intervalle Début - Fin.</source>
        <translation>Too many sparks: the curve stops at %1 points. Narrow the Start - End interval.</translation>
    </message>
    <message>
        <source>Valeur inadapter: %1 n&apos;est pas un temps en secondes</source>
        <translation>Unsuitable value: %1 is not a time in seconds</translation>
    </message>
    <message>
        <source>Valeur inadapter</source>
        <translation>Unsuitable value</translation>
    </message>
    <message>
        <source>Valeur inadapter: Nombre de point sauté par Bezier</source>
        <translation>Unsuitable value: Points skipped by the Bezier curve</translation>
    </message>
    <message>
        <source>Aucune courbe à enregistrer : chargez d&apos;abord un Wav ou un Ret.</source>
        <translation>No curve to save: open a WAV or a Ret first.</translation>
    </message>
    <message>
        <source>Le fichier de sortie est le fichier d&apos;entrée: choisissez un autre nom</source>
        <translation>The output file is the input file: choose another name</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Précise</source>
        <translation>Precise</translation>
    </message>
    <message>
        <source>Fichier Son|*.wav;*.flac;*.mp3;*.m4a;*.aac;*.ogg;*.opus;*.aif;*.aiff|Tous les fichiers|*</source>
        <translation>Sound file|*.wav;*.flac;*.mp3;*.m4a;*.aac;*.ogg;*.opus;*.aif;*.aiff|All files|*</translation>
    </message>
    <message>
        <source>1 canal</source>
        <translation>1 channel</translation>
    </message>
    <message>
        <source>%1 canaux</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>&quot;%1&quot; converti en &quot;%2&quot; (8 bits mono 44100 Hz) : %3 %4 Hz, %5</source>
        <translation>&quot;%1&quot; converted to &quot;%2&quot; (8-bit mono 44100 Hz): %3 %4 Hz, %5</translation>
    </message>
    <message>
        <source>, canaux mélangés</source>
        <translation>, channels mixed</translation>
    </message>
    <message>
        <source>, canal %1 retenu</source>
        <translation>, channel %1 used</translation>
    </message>
    <message>
        <source>, signal retourné</source>
        <translation>, signal inverted</translation>
    </message>
    <message>
        <source>, gain %1 dB.</source>
        <translation>, gain %1 dB.</translation>
    </message>
    <message>
        <source>Le fichier converti ne peut pas remplacer l&apos;original : choisissez un autre nom</source>
        <translation>The converted file cannot replace the original: choose another name</translation>
    </message>
    <message>
        <source>La courbe précise se calcule sur les étincelles d&apos;un enregistrement : ouvrez un fichier Wav</source>
        <translation>The precise curve needs the sparks of a recording: open a WAV file</translation>
    </message>
    <message>
        <source>Pas assez d&apos;étincelles au seuil %1 entre le début et la fin : changez le seuil ou appuyez sur Auto</source>
        <translation>Too few sparks at the threshold %1 between the start and the end: change the threshold or press Auto</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Filtre Wav : le fichier Wav à filtrer</source>
        <translation>Wav filter: the WAV file to filter</translation>
    </message>
    <message>
        <source>Filtre Wav : enregistrer le fichier filtré sous</source>
        <translation>Wav filter: save the filtered file as</translation>
    </message>
    <message>
        <source>Enregistrer la conversion de « %1 » sous</source>
        <translation>Save the conversion of “%1” as</translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Canal %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>Canal 1 (gauche)</source>
        <translation>Channel 1 (left)</translation>
    </message>
    <message>
        <source>Canal 2 (droite)</source>
        <translation>Channel 2 (right)</translation>
    </message>
    <message>
        <source>Mélange</source>
        <translation>Mix</translation>
    </message>
    <message>
        <source>%1 canaux mélangés</source>
        <translation>%1 channels mixed</translation>
    </message>
    <message>
        <source>canal %1 sur %2 retenu</source>
        <translation>channel %1 of %2 used</translation>
    </message>
    <message>
        <source>raies fixes ôtées à %1 Hz</source>
        <translation>steady lines taken out at %1 Hz</translation>
    </message>
    <message>
        <source>%1 étincelles, aucune manquée</source>
        <translation>%1 sparks, none missed</translation>
    </message>
    <message>
        <source>%1 étincelles : %2</source>
        <translation>%1 sparks: %2</translation>
    </message>
    <message>
        <source>COURBE NON FIABLE, %1 : essayez l&apos;autre canal, le seuil Auto ou l&apos;autre nombre d&apos;étincelles par tour</source>
        <translation>CURVE NOT TRUSTWORTHY, %1: try the other channel, the Auto threshold or the other number of sparks per revolution</translation>
    </message>
    <message>
        <source>Courbe non enregistrée : %1.</source>
        <translation>Curve not saved: %1.</translation>
    </message>
    <message>
        <source>Mesure par :</source>
        <translation>Measured from:</translation>
    </message>
    <message>
        <source>Allumage</source>
        <translation>Ignition</translation>
    </message>
    <message>
        <source>Son du moteur</source>
        <translation>Engine sound</translation>
    </message>
    <message>
        <source>Moteur</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Cylindres</source>
        <translation>Cylinders</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Strokes</translation>
    </message>
    <message>
        <source>Régime</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Fréquence log</source>
        <translation>Log frequency</translation>
    </message>
    <message>
        <source>Valeur inadapter : le régime va de 100 à 30000 tr/min, le haut au moins 1,5 fois le bas</source>
        <translation>Unsuitable value: the engine speed runs from 100 to 30000 rpm, the top at least 1,5 times the foot</translation>
    </message>
    <message>
        <source>Son du moteur : %1</source>
        <translation>Engine sound: %1</translation>
    </message>
    <message>
        <source>Son du moteur : %1 allumages par tour, accélération de %2 à %3 s suivie à %4 %, confiance %5 dB</source>
        <translation>Engine sound: %1 firings per revolution, pull from %2 to %3 s followed for %4 %, confidence %5 dB</translation>
    </message>
    <message>
        <source>le suivi du son du moteur n&apos;est pas sûr</source>
        <translation>the engine sound&apos;s track is not sure</translation>
    </message>
    <message>
        <source>SUIVI INCERTAIN : cliquez sur la bonne raie du spectrogramme ou vérifiez le moteur. %1</source>
        <translation>UNSURE TRACK: click the right line on the spectrogram or check the engine. %1</translation>
    </message>
    <message>
        <source>Le point cliqué donne %1 tr/min, hors du régime %2 - %3 tr/min</source>
        <translation>The point clicked gives %1 rpm, outside the range %2 - %3 rpm</translation>
    </message>
</context>
<context>
    <name>StoreReadings</name>
    <message>
        <source>%1: %2 is not a usable unit factor (a number other than zero)</source>
        <translation>%1: %2 is not a usable unit factor (a number other than zero)</translation>
    </message>
    <message>
        <source>%1: %2 is not a usable speed factor (a number above zero)</source>
        <translation>%1: %2 is not a usable speed factor (a number above zero)</translation>
    </message>
</context>
<context>
    <name>vornax::SpeedLogDialog</name>
    <message>
        <source>Journal de vitesse (*.nmea *.nma *.gpx *.csv *.vbo *.txt)|*.nmea;*.nma;*.gpx;*.csv;*.vbo;*.txt</source>
        <translation>Speed log (*.nmea *.nma *.gpx *.csv *.vbo *.txt)|*.nmea;*.nma;*.gpx;*.csv;*.vbo;*.txt</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>vornax::SpeedLogWindow</name>
    <message>
        <source>Journal de vitesse</source>
        <translation>Speed log</translation>
    </message>
    <message>
        <source>Ouvrir un journal...</source>
        <translation>Open a log...</translation>
    </message>
    <message>
        <source>Rapport de la montée</source>
        <translation>Gear of the pull</translation>
    </message>
    <message>
        <source>Envoyer à sa fenêtre</source>
        <translation>Send to its window</translation>
    </message>
    <message>
        <source>Écrire dans un véhicule...</source>
        <translation>Write into a vehicle...</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 : %2, %3 points, %4 par seconde</source>
        <translation>%1: %2, %3 fixes, %4 a second</translation>
    </message>
    <message>
        <source>, %1 lignes illisibles sautées</source>
        <translation>, %1 unreadable lines skipped</translation>
    </message>
    <message>
        <source>montée dans un rapport</source>
        <translation>pull in one gear</translation>
    </message>
    <message>
        <source>décélération au point mort</source>
        <translation>coast-down in neutral</translation>
    </message>
    <message>
        <source>départ arrêté</source>
        <translation>standing start</translation>
    </message>
    <message>
        <source>%1. %2 : %3 à %4 s, %5 à %6 km/h</source>
        <translation>%1. %2: %3 to %4 s, %5 to %6 km/h</translation>
    </message>
    <message>
        <source>Aucune montée, décélération ou départ arrêté trouvé dans ce journal.</source>
        <translation>No pull, coast-down or standing start found in this log.</translation>
    </message>
    <message>
        <source>Enregistrer la courbe de régime</source>
        <translation>Save the engine-speed curve</translation>
    </message>
    <message>
        <source>Fichier courbe *.ReT|*.ReT</source>
        <translation>Curve file *.ReT|*.ReT</translation>
    </message>
    <message>
        <source>Courbe de régime enregistrée : régime ± %1 %, puissance ± %2 % (1 écart-type).</source>
        <translation>Engine-speed curve saved: engine speed ± %1 %, power ± %2 % (1 standard deviation).</translation>
    </message>
    <message>
        <source>S·Cx %1 ± %2 m², coefficient de roulement %3 ± %4 (air à 20 °C, 1013 hPa). Un seul sens : un vent ou une pente n&apos;est pas compensé (vornax coastdown prend les deux sens).</source>
        <translation>S·Cx %1 ± %2 m², rolling coefficient %3 ± %4 (air at 20 °C, 1013 hPa). One direction only: a wind or a slope is not cancelled (vornax coastdown takes both directions).</translation>
    </message>
    <message>
        <source>Fichiers Mini *.Dat|*.dat</source>
        <translation>Mini files *.Dat|*.dat</translation>
    </message>
    <message>
        <source>S·Cx et coefficient de roulement écrits dans %1 ; ouvrez ce véhicule et validez-le pour que le calcul de puissance les prenne.</source>
        <translation>S·Cx and rolling coefficient written into %1; open that vehicle and confirm it for the power computation to use them.</translation>
    </message>
</context>
<context>
    <name>SoundCurve</name>
    <message>
        <source>its power would be uncertain by ± %1 % (1 standard deviation, at most %2 % is taken): the firing&apos;s phase wanders in this recording; record nearer the engine or the exhaust</source>
        <translation>its power would be uncertain by ± %1 % (1 standard deviation, at most %2 % is taken): the firing&apos;s phase wanders in this recording; record nearer the engine or the exhaust</translation>
    </message>
</context>
</TS>
