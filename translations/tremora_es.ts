<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AnswerWords</name>
    <message>
        <source>x %1 mm, y %2 mm</source>
        <translation>x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>No pair has both of its times: these times cannot tell where the epicenter lies</source>
        <translation>Ningún par tiene sus dos tiempos: estos tiempos no dicen dónde está el epicentro</translation>
    </message>
    <message>
        <source>Pair %1 has no times: the shaded band holds every point that fits pair %2 alone,</source>
        <translation>El par %1 no tiene tiempos: la banda sombreada contiene todos los puntos que cumplen solo el par %2,</translation>
    </message>
    <message>
        <source>so the epicenter cannot be told until pair %1 is recorded</source>
        <translation>así que el epicentro no se sabrá hasta registrar el par %1</translation>
    </message>
    <message>
        <source>No point of the map fits these times, not even the mark</source>
        <translation>Ningún punto del mapa cumple estos tiempos, ni siquiera la marca</translation>
    </message>
    <message>
        <source>The shaded area fits your times: the epicenter may be up to %1 mm from the mark</source>
        <translation>El área sombreada cumple sus tiempos: el epicentro puede estar hasta a %1 mm de la marca</translation>
    </message>
    <message>
        <source>The mark itself lies %1 mm outside the shaded area</source>
        <translation>La propia marca queda %1 mm fuera del área sombreada</translation>
    </message>
    <message>
        <source>The times also fit a separate place: around %1 (orange diamond)</source>
        <translation>Los tiempos también cumplen otro lugar: cerca de %1 (rombo naranja)</translation>
    </message>
    <message>
        <source>The times also fit %1 separate places; the best fitting (orange diamond) is around %2</source>
        <translation>Los tiempos también cumplen %1 lugares distintos; el que mejor cumple (rombo naranja) está cerca de %2</translation>
    </message>
    <message>
        <source>No point can fit: the settings (stations, velocity or sample rate) are not usable</source>
        <translation>Ningún punto puede cumplir: la configuración (estaciones, velocidad o muestreo) no es utilizable</translation>
    </message>
    <message>
        <source>The delay of pair %1 (%2 ms) cannot be right: the pulse needs at most %3 ms to go straight from A to %4 at %5 mm/s</source>
        <translation>El retardo del par %1 (%2 ms) no puede ser correcto: el pulso tarda como mucho %3 ms en ir directo de A a %4 a %5 mm/s</translation>
    </message>
    <message>
        <source>The delay of pair %1 (%2 ms) fits only points off the map</source>
        <translation>El retardo del par %1 (%2 ms) solo cumple puntos fuera del mapa</translation>
    </message>
    <message>
        <source>Each delay fits somewhere on the map, but no point fits both: one of the four times is probably wrong (the closest fit is around %1)</source>
        <translation>Cada retardo cumple algún lugar del mapa, pero ningún punto cumple los dos: uno de los cuatro tiempos debe de estar mal (el ajuste más cercano está cerca de %1)</translation>
    </message>
    <message>
        <source>No point of the map fits these times</source>
        <translation>Ningún punto del mapa cumple estos tiempos</translation>
    </message>
</context>
<context>
    <name>ChooseFont</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation>Colo&amp;r:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>No se puede escribir el informe %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>el escritor de PDF no pudo empezar</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>%1 (%2 located)</source>
        <translation>%1 (%2 localizados)</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>%1, %2 mm</source>
        <translation>%1; %2 mm</translation>
    </message>
    <message>
        <source>SD x, y</source>
        <translation>DT x, y</translation>
    </message>
    <message>
        <source>Struck at</source>
        <translation>Golpe en</translation>
    </message>
    <message>
        <source>Median off</source>
        <translation>Desvío mediano</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Region holds</source>
        <translation>Región contiene</translation>
    </message>
    <message>
        <source>%1 of %2 groups</source>
        <translation>%1 de %2 grupos</translation>
    </message>
    <message>
        <source>The class</source>
        <translation>La clase</translation>
    </message>
    <message>
        <source>● numbered: a group&apos;s epicenter</source>
        <translation>● numerado: el epicentro de un grupo</translation>
    </message>
    <message>
        <source>outline: its fitting region</source>
        <translation>contorno: su región de ajuste</translation>
    </message>
    <message>
        <source>+ and dashed ellipse: mean, 1 sd</source>
        <translation>+ y elipse discontinua: media, 1 dt</translation>
    </message>
    <message>
        <source>×: the struck point</source>
        <translation>×: el punto golpeado</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desvío</translation>
    </message>
    <message>
        <source>in</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>marked: </source>
        <translation>marcado: </translation>
    </message>
    <message>
        <source>Times in ms, d detected, g dragged; x, y, off (distance to the struck point) and ± (the group&apos;s uncertainty) in mm; in: the struck point lies in the group&apos;s region.</source>
        <translation>Tiempos en ms, d detectado, g arrastrado; x, y, desvío (distancia al punto golpeado) y ± (la incertidumbre del grupo) en mm; en: el punto golpeado está en la región del grupo.</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>el PDF no pudo terminarse</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
</context>
<context>
    <name>PickWords</name>
    <message>
        <source>detected</source>
        <translation>detectado</translation>
    </message>
    <message>
        <source>dragged</source>
        <translation>arrastrado</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>sin fijar</translation>
    </message>
    <message>
        <source>detected by onset</source>
        <translation>detectado por inicio</translation>
    </message>
    <message>
        <source>detected by correlation</source>
        <translation>detectado por correlación</translation>
    </message>
    <message>
        <source>no pulse above the noise</source>
        <translation>ningún pulso por encima del ruido</translation>
    </message>
    <message>
        <source>the idle noise reaches the level</source>
        <translation>el ruido en reposo alcanza el nivel</translation>
    </message>
    <message>
        <source>the level was reached by noise before the pulse</source>
        <translation>el ruido alcanzó el nivel antes del pulso</translation>
    </message>
    <message>
        <source>no quiet part before the pulse to measure the noise</source>
        <translation>ningún tramo tranquilo antes del pulso para medir el ruido</translation>
    </message>
    <message>
        <source>the two channels correlate too weakly</source>
        <translation>los dos canales se correlacionan demasiado poco</translation>
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
        <translation>imagen del mapa no disponible</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>En el mapa</translation>
    </message>
    <message>
        <source>stations A, B, C</source>
        <translation>estaciones A, B, C</translation>
    </message>
    <message>
        <source>circles: increment + adjuster</source>
        <translation>círculos: incremento + ajuste</translation>
    </message>
    <message>
        <source>epicenter found</source>
        <translation>epicentro hallado</translation>
    </message>
    <message>
        <source>other point fitting the times</source>
        <translation>otro punto que cumple los tiempos</translation>
    </message>
    <message>
        <source>points that fit the times</source>
        <translation>puntos que cumplen los tiempos</translation>
    </message>
    <message>
        <source>struck point (simulated)</source>
        <translation>punto golpeado (simulado)</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>no registrado</translation>
    </message>
    <message>
        <source>not located: pair %1 has no times</source>
        <translation>no localizado: el par %1 no tiene tiempos</translation>
    </message>
    <message>
        <source>not located yet</source>
        <translation>aún no localizado</translation>
    </message>
    <message>
        <source>Bad Acquisition: the circles do not meet</source>
        <translation>Adquisición fallida: los círculos no se cortan</translation>
    </message>
    <message>
        <source>Bad acquisition: the point is off the map</source>
        <translation>Adquisición fallida: el punto está fuera del mapa</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>No se puede escribir el informe %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>Epicenter location report</source>
        <translation>Informe de localización del epicentro</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>el escritor de PDF no pudo empezar</translation>
    </message>
    <message>
        <source>Station %1</source>
        <translation>Estación %1</translation>
    </message>
    <message>
        <source>x %1, y %2 mm</source>
        <translation>x %1, y %2 mm</translation>
    </message>
    <message>
        <source>Pulse velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>%1 mm/s</source>
        <translation>%1 mm/s</translation>
    </message>
    <message>
        <source>Measured to</source>
        <translation>Medida a</translation>
    </message>
    <message>
        <source>± %1 mm/s</source>
        <translation>± %1 mm/s</translation>
    </message>
    <message>
        <source>Correction B</source>
        <translation>Corrección B</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Correction C</source>
        <translation>Corrección C</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Muestreo</translation>
    </message>
    <message>
        <source>%1 samples/s</source>
        <translation>%1 muestras/s</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Adquisición</translation>
    </message>
    <message>
        <source>%1 s per pair</source>
        <translation>%1 s por par</translation>
    </message>
    <message>
        <source>Detection level</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>%1 ‰ of full scale</source>
        <translation>%1 ‰ de la escala</translation>
    </message>
    <message>
        <source>Map file</source>
        <translation>Archivo del mapa</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Par %1</translation>
    </message>
    <message>
        <source>tA (pair A+B)</source>
        <translation>tA (par A+B)</translation>
    </message>
    <message>
        <source>tB</source>
        <translation>tB</translation>
    </message>
    <message>
        <source>tA (pair A+C)</source>
        <translation>tA (par A+C)</translation>
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
        <translation>sin fijar</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Retardo %1</translation>
    </message>
    <message>
        <source>%1 ± %2 ms</source>
        <translation>%1 ± %2 ms</translation>
    </message>
    <message>
        <source>Arrival times</source>
        <translation>Tiempos de llegada</translation>
    </message>
    <message>
        <source>Increments</source>
        <translation>Incrementos</translation>
    </message>
    <message>
        <source>Circle radii</source>
        <translation>Radios de los círculos</translation>
    </message>
    <message>
        <source>Epicenter</source>
        <translation>Epicentro</translation>
    </message>
    <message>
        <source>none: one place fits the times</source>
        <translation>ninguno: un solo lugar</translation>
    </message>
    <message>
        <source>Other places</source>
        <translation>Otros lugares</translation>
    </message>
    <message>
        <source>Uncertainty</source>
        <translation>Incertidumbre</translation>
    </message>
    <message>
        <source>cannot be told: a pair has no times</source>
        <translation>no se puede saber: un par no tiene tiempos</translation>
    </message>
    <message>
        <source>up to %1 mm from the mark</source>
        <translation>hasta %1 mm de la marca</translation>
    </message>
    <message>
        <source>no point of the map fits the times</source>
        <translation>ningún punto del mapa cumple los tiempos</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Extensión</translation>
    </message>
    <message>
        <source>up to %1 mm, all shaded places</source>
        <translation>hasta %1 mm, toda la zona</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Por qué</translation>
    </message>
    <message>
        <source>Struck at</source>
        <translation>Golpe en</translation>
    </message>
    <message>
        <source>Found off by</source>
        <translation>Error del hallado</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Name: ____________________________   Group: __________   Date: ______________</source>
        <translation>Nombre: ____________________________   Grupo: __________   Fecha: ______________</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>el PDF no pudo terminarse</translation>
    </message>
</context>
<context>
    <name>RunWords</name>
    <message>
        <source>%1 must give the stations and the pulse velocity</source>
        <translation>%1 debe indicar las estaciones y la velocidad del pulso</translation>
    </message>
    <message>
        <source>No pulse detected on pair %1</source>
        <translation>Ningún pulso detectado en el par %1</translation>
    </message>
    <message>
        <source>No recording of pair %1</source>
        <translation>Ninguna grabación del par %1</translation>
    </message>
    <message>
        <source>far from the others</source>
        <translation>lejos de los demás</translation>
    </message>
    <message>
        <source>region excludes the struck point</source>
        <translation>la región excluye el punto golpeado</translation>
    </message>
    <message>
        <source>velocity %1 mm/s (the class&apos;s %2)</source>
        <translation>velocidad %1 mm/s (la de la clase: %2)</translation>
    </message>
    <message>
        <source>rate %1 samples/s (the class&apos;s %2)</source>
        <translation>muestreo %1 muestras/s (el de la clase: %2)</translation>
    </message>
    <message>
        <source>missing pair %1</source>
        <translation>falta el par %1</translation>
    </message>
    <message>
        <source>dragged time %1</source>
        <translation>tiempo %1 arrastrado</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>. The run saved there before is kept as it was.</source>
        <translation>. La medición guardada allí antes se conserva como estaba.</translation>
    </message>
    <message>
        <source>. Nothing was saved in the folder.</source>
        <translation>. No se guardó nada en la carpeta.</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: la carpeta no existe</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 is missing</source>
        <translation>%1: %2 falta %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 are missing</source>
        <translation>%1: %2 faltan %3</translation>
    </message>
    <message>
        <source>%1 is missing: pair %2 is not shown</source>
        <translation>falta %1: el par %2 no se muestra</translation>
    </message>
    <message>
        <source>%1: recorded at %2 samples / s, %3 at %4; a run has one rate</source>
        <translation>%1: grabado a %2 muestras / s, %3 a %4; una medición tiene un solo muestreo</translation>
    </message>
    <message>
        <source>%1: %2 s of sound. %3</source>
        <translation>%1: %2 s de sonido. %3</translation>
    </message>
    <message>
        <source>%1: [TXAQUISICAO] tx = %2 differs from the sound files&apos; rate; %3 samples / s is used</source>
        <translation>%1: [TXAQUISICAO] tx = %2 difiere del muestreo de los archivos de sonido; se usa %3 muestras / s</translation>
    </message>
    <message>
        <source>%1: [TAQUISICAO] taq = %2 s is shorter than the sound files; blocks of %3 s are used</source>
        <translation>%1: [TAQUISICAO] taq = %2 s es más corto que los archivos de sonido; se usan bloques de %3 s</translation>
    </message>
    <message>
        <source>%1: %2 s of sound, followed by silence to fill the block of %3 s</source>
        <translation>%1: %2 s de sonido, seguidos de silencio para completar el bloque de %3 s</translation>
    </message>
    <message>
        <source>%1: [TIMES] %2 = %3 s lies outside the block (0 to %4 s)</source>
        <translation>%1: [TIMES] %2 = %3 s queda fuera del bloque (0 a %4 s)</translation>
    </message>
    <message>
        <source>No pulse picked on pair %1: %2</source>
        <translation>Ningún pulso hallado en el par %1: %2</translation>
    </message>
    <message>
        <source>Pair %1: %2; raise the detection level above the idle noise, or pick by onset or correlation</source>
        <translation>Par %1: %2; suba el nivel de detección por encima del ruido en reposo, o halle las llegadas por el inicio o por correlación</translation>
    </message>
    <message>
        <source>%1: [%2] %3 = &apos;%4&apos; is not a number</source>
        <translation>%1: [%2] %3 = &apos;%4&apos; no es un número</translation>
    </message>
    <message>
        <source>%1: [TIMES] %2_how = &apos;%3&apos; is neither detected nor dragged; the time is taken as dragged</source>
        <translation>%1: [TIMES] %2_how = &apos;%3&apos; no es detected ni dragged; el tiempo se toma como arrastrado</translation>
    </message>
    <message>
        <source>%1: not a WAVE sound file</source>
        <translation>%1: no es un archivo de sonido WAVE</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>%1: %2; a pair is recorded in stereo (left sensor A, right the other sensor)</source>
        <translation>%1: %2; un par se graba en estéreo (izquierda el sensor A, derecha el otro sensor)</translation>
    </message>
    <message>
        <source>%1: recorded at %2 samples / s. %3</source>
        <translation>%1: grabado a %2 muestras / s. %3</translation>
    </message>
    <message>
        <source>%1: holds samples that are not numbers</source>
        <translation>%1: contiene muestras que no son números</translation>
    </message>
    <message>
        <source>%1: holds no sound</source>
        <translation>%1: no contiene sonido</translation>
    </message>
    <message>
        <source>Acquisition time must be between %1 and %2 seconds</source>
        <translation>La duración de la adquisición debe estar entre %1 y %2 segundos</translation>
    </message>
    <message>
        <source>Acquisition rate must be between %1 and %2 samples / s</source>
        <translation>El muestreo debe estar entre %1 y %2 muestras / s</translation>
    </message>
    <message>
        <source>Acquisition time x rate must not exceed %1 samples (30 seconds at 44100 samples / s)</source>
        <translation>Duración x muestreo no debe superar %1 muestras (30 segundos a 44100 muestras / s)</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a whole number</source>
        <translation>[%1] %2 = &apos;%3&apos; no es un número entero</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is none of level, onset, correlation</source>
        <translation>[%1] %2 = &apos;%3&apos; no es level, onset ni correlation</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a number</source>
        <translation>[%1] %2 = &apos;%3&apos; no es un número</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a number of at least 0</source>
        <translation>[%1] %2 = &apos;%3&apos; no es un número mayor o igual que 0</translation>
    </message>
    <message>
        <source>Pulse velocity must be between %1 and %2 mm / s</source>
        <translation>La velocidad del pulso debe estar entre %1 y %2 mm / s</translation>
    </message>
    <message>
        <source>Detection level must be between %1 and %2 (0 to 100 % of full scale)</source>
        <translation>El nivel de detección debe estar entre %1 y %2 (0 a 100 % del fondo de escala)</translation>
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
        <translation>No se puede abrir el dispositivo de audio.</translation>
    </message>
    <message>
        <source>Can&apos;t start audio device.</source>
        <translation>No se puede iniciar el dispositivo de audio.</translation>
    </message>
    <message>
        <source>Can&apos;t restart audio device.</source>
        <translation>No se puede reiniciar el dispositivo de audio.</translation>
    </message>
    <message>
        <source>Can&apos;t get device capabilities.</source>
        <translation>No se pueden obtener las capacidades del dispositivo.</translation>
    </message>
    <message>
        <source>Audio input overrun: sound was lost.</source>
        <translation>Desbordamiento en la entrada de audio: se perdió sonido.</translation>
    </message>
    <message>
        <source>Audio device stopped delivering.</source>
        <translation>El dispositivo de audio dejó de entregar sonido.</translation>
    </message>
    <message>
        <source>Buffer size too large to capture.</source>
        <translation>Tamaño de búfer demasiado grande para capturar.</translation>
    </message>
</context>
<context>
    <name>TBrushStyle</name>
    <message>
        <source>Solid</source>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ninguno</translation>
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
        <translation>Diagonal \</translation>
    </message>
    <message>
        <source>B Diagonal</source>
        <translation>Diagonal /</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Diag Cross</source>
        <translation>Cuadrícula diagonal</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Tremora - Geophysics - Norvale</source>
        <translation>Tremora - Geofísica - Norvale</translation>
    </message>
    <message>
        <source>Increse Radius</source>
        <translation>Aumentar radio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Adquisición</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Move the cursor to increase/decrease the radius of triangulation</source>
        <translation>Mueva el cursor para aumentar/reducir el radio de la triangulación</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Strike here</source>
        <translation>Golpear aquí</translation>
    </message>
    <message>
        <source>Class Results…</source>
        <translation>Resultados de la clase…</translation>
    </message>
    <message>
        <source>Measure Velocity…</source>
        <translation>Medir velocidad…</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>I struck here</source>
        <translation>Golpeé aquí</translation>
    </message>
    <message>
        <source>These values of config.ini were not read; the defaults are used instead:</source>
        <translation>Estos valores de config.ini no se leyeron; se usan los valores por defecto:</translation>
    </message>
    <message>
        <source>For the previous strike:</source>
        <translation>Para el golpe anterior:</translation>
    </message>
    <message>
        <source>Epicenter: x %1 mm, y %2 mm</source>
        <translation>Epicentro: x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>Struck at x %1 mm, y %2 mm: %3 mm away</source>
        <translation>Golpe en x %1 mm, y %2 mm: a %3 mm</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Apply and Save</source>
        <translation>Aplicar y guardar</translation>
    </message>
    <message>
        <source>Station Position</source>
        <translation>Estaciones</translation>
    </message>
    <message>
        <source>Station A</source>
        <translation>Estación A</translation>
    </message>
    <message>
        <source>Station B</source>
        <translation>Estación B</translation>
    </message>
    <message>
        <source>Station C</source>
        <translation>Estación C</translation>
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
        <translation>Seleccione una estación y haga clic en el mapa para tomar sus coordenadas. </translation>
    </message>
    <message>
        <source>Pulse Velocity</source>
        <translation>Vel. del pulso</translation>
    </message>
    <message>
        <source>mm / s</source>
        <translation>mm / s</translation>
    </message>
    <message>
        <source>Use only integers values</source>
        <translation>Use solo números enteros</translation>
    </message>
    <message>
        <source>Acquisition Parameters</source>
        <translation>Adquisición</translation>
    </message>
    <message>
        <source>Acquisition Time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Acquisition Rate</source>
        <translation>Muestreo</translation>
    </message>
    <message>
        <source>samples / s</source>
        <translation>muestras / s</translation>
    </message>
    <message>
        <source>Min. Amplitude</source>
        <translation>Amplitud mín.</translation>
    </message>
    <message>
        <source>Pick arrivals by</source>
        <translation>Llegadas por</translation>
    </message>
    <message>
        <source>level (first sample)</source>
        <translation>nivel (primera muestra)</translation>
    </message>
    <message>
        <source>onset</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>correlation</source>
        <translation>correlación</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Show circles of trilateration</source>
        <translation>Mostrar círculos de trilateración</translation>
    </message>
    <message>
        <source>Sets the level just above what the idle inputs reach in Listen Sensors</source>
        <translation>Pone el nivel justo por encima de lo que alcanzan las entradas en reposo en Escuchar los sensores</translation>
    </message>
    <message>
        <source>Level from Idle Noise</source>
        <translation>Nivel por ruido</translation>
    </message>
    <message>
        <source>Coord. %1 of station %2 must be between 0 and %3 mm, on the map</source>
        <translation>La coord. %1 de la estación %2 debe estar entre 0 y %3 mm, en el mapa</translation>
    </message>
    <message>
        <source>Open Listen Sensors, press Listen Now and keep the sensors still for %1 seconds; then press Level from Idle Noise again.</source>
        <translation>Abra Escuchar los sensores, pulse Escuchar ahora y deje los sensores quietos durante %1 segundos; luego pulse Nivel por ruido otra vez.</translation>
    </message>
    <message>
        <source>The idle inputs reached %1 (left) and %2 (right) of full scale in %3 s</source>
        <translation>Las entradas en reposo alcanzaron %1 (izquierda) y %2 (derecha) del fondo de escala en %3 s</translation>
    </message>
    <message>
        <source>: no level above them is left for a pulse. Quieten the inputs (cables, mains hum, a sensor knocked) or pick arrivals by onset or correlation.</source>
        <translation>: no queda nivel por encima de ellas para un pulso. Calme las entradas (cables, zumbido de la red, un sensor golpeado) o halle las llegadas por inicio o por correlación.</translation>
    </message>
    <message>
        <source>; the level is set half as high again, to %1. Press Apply and Save to keep it.</source>
        <translation>; el nivel se pone una vez y media más alto, en %1. Pulse Aplicar y guardar para conservarlo.</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Signal Acquisition</source>
        <translation>Adquisición de señales</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensores</translation>
    </message>
    <message>
        <source>Pulse time</source>
        <translation>Tiempo del pulso</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Normalized Amplitude</source>
        <translation>Amplitud normalizada</translation>
    </message>
    <message>
        <source>Acquired Signals in the Sensors A and B</source>
        <translation>Señales adquiridas en los sensores A y B</translation>
    </message>
    <message>
        <source>Acquired Signals in the Sensors A and C</source>
        <translation>Señales adquiridas en los sensores A y C</translation>
    </message>
    <message>
        <source>Auto Detect Pulse</source>
        <translation>Detectar pulso</translation>
    </message>
    <message>
        <source>Hold Detection</source>
        <translation>Retener pulso</translation>
    </message>
    <message>
        <source>Select Sensors for Acquisition</source>
        <translation>Sensores de la adquisición</translation>
    </message>
    <message>
        <source>Save the traces, times and result in a run folder</source>
        <translation>Guardar las trazas, los tiempos y el resultado en una carpeta de medición</translation>
    </message>
    <message>
        <source>Save Run…</source>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>Show a saved run folder again</source>
        <translation>Volver a mostrar una carpeta de medición guardada</translation>
    </message>
    <message>
        <source>Open Run…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Write the traces and results as CSV files for a spreadsheet</source>
        <translation>Escribir las trazas y los resultados como archivos CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Find Epicenter</source>
        <translation>Hallar epicentro</translation>
    </message>
    <message>
        <source>Run Folder</source>
        <translation>Carpeta de medición</translation>
    </message>
    <message>
        <source>Read-out</source>
        <translation>Lectura</translation>
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
        <translation>%1 − tA no hallado: %2</translation>
    </message>
    <message>
        <source>%1 − tA not known yet</source>
        <translation>%1 − tA aún desconocido</translation>
    </message>
    <message>
        <source>, noise near the level</source>
        <translation>, ruido cerca del nivel</translation>
    </message>
    <message>
        <source>%1 less its correction %2 ms</source>
        <translation>%1 menos su corrección %2 ms</translation>
    </message>
    <message>
        <source>%1: raise the level</source>
        <translation>%1: suba el nivel</translation>
    </message>
    <message>
        <source>Minimum Amplitude for Auto Detection = 0</source>
        <translation>Amplitud mínima para detección automática = 0</translation>
    </message>
    <message>
        <source>Bad Acquisition</source>
        <translation>Adquisición fallida</translation>
    </message>
    <message>
        <source>Bad acquisition</source>
        <translation>Adquisición fallida</translation>
    </message>
    <message>
        <source>Pair %1 has not been recorded. Find the epicenter anyway?</source>
        <translation>El par %1 no se ha registrado. ¿Hallar el epicentro de todos modos?</translation>
    </message>
    <message>
        <source>Pairs A+B and A+C have not been recorded. Find the epicenter anyway?</source>
        <translation>Los pares A+B y A+C no se han registrado. ¿Hallar el epicentro de todos modos?</translation>
    </message>
    <message>
        <source>Nothing to save: record a pair first.</source>
        <translation>Nada que guardar: registre primero un par.</translation>
    </message>
    <message>
        <source>Save Run</source>
        <translation>Guardar medición</translation>
    </message>
    <message>
        <source>Run saved in %1</source>
        <translation>Medición guardada en %1</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>Abrir medición</translation>
    </message>
    <message>
        <source>The stations and the velocity not given are those in force.</source>
        <translation>Las estaciones y la velocidad no dadas son las vigentes.</translation>
    </message>
    <message>
        <source>Nothing to export: record a pair first.</source>
        <translation>Nada que exportar: registre primero un par.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Written in %1: %2</source>
        <translation>Escritos en %1: %2</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>the Find Epicenter button&apos;s picture, first line</comment>
        <translation>Hallar</translation>
    </message>
    <message>
        <source>Epicenter</source>
        <comment>the Find Epicenter button&apos;s picture, second line</comment>
        <translation>epicentro</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Listen Sensors</source>
        <translation>Escuchar los sensores</translation>
    </message>
    <message>
        <source>Left Channel</source>
        <translation>Canal izquierdo</translation>
    </message>
    <message>
        <source>Right Channel</source>
        <translation>Canal derecho</translation>
    </message>
    <message>
        <source>Listen Now</source>
        <translation>Escuchar ahora</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Busy! Acquisition in progress.</source>
        <translation>¡Ocupado! Adquisición en curso.</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Pulse Velocity</source>
        <translation>Velocidad del pulso</translation>
    </message>
    <message>
        <source>Struck at  x</source>
        <translation>Golpe en  x</translation>
    </message>
    <message>
        <source>Marked with Strike here, or measured with a ruler</source>
        <translation>Marcado con Golpear aquí, o medido con una regla</translation>
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
        <translation>Añadir golpe</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Strike at a known point, record one or both pairs, then press Add Strike.</source>
        <translation>Golpee en un punto conocido, grabe uno o los dos pares y pulse Añadir golpe.</translation>
    </message>
    <message>
        <source>Use this velocity</source>
        <translation>Usar esta velocidad</translation>
    </message>
    <message>
        <source>Type the struck point&apos;s %1 in mm (a number with a dot)</source>
        <translation>Escriba la %1 del punto golpeado en mm (un número)</translation>
    </message>
    <message>
        <source>Record pair A+B or A+C of this strike first (both of its times must be set)</source>
        <translation>Registre primero el par A+B o A+C de este golpe (sus dos tiempos deben estar fijados)</translation>
    </message>
    <message>
        <source>Use %1 mm/s as the pulse velocity and save it in the settings?</source>
        <translation>¿Usar %1 mm/s como velocidad del pulso y guardarla en la configuración?</translation>
    </message>
    <message>
        <source>Strike %1 at (%2, %3) mm: %4</source>
        <translation>Golpe %1 en (%2; %3) mm: %4</translation>
    </message>
    <message>
        <source>Strike %1, %2: </source>
        <translation>Golpe %1, %2: </translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>rechazado: %1</translation>
    </message>
    <message>
        <source>delay %1 ms, difference %2 mm, velocity %3 mm/s</source>
        <translation>retardo %1 ms, diferencia %2 mm, velocidad %3 mm/s</translation>
    </message>
    <message>
        <source>Velocity: not measured: %1</source>
        <translation>Velocidad: no medida: %1</translation>
    </message>
    <message>
        <source>Velocity: %1 mm/s</source>
        <translation>Velocidad: %1 mm/s</translation>
    </message>
    <message>
        <source>Corrections (late beside A): %1</source>
        <translation>Correcciones (retraso respecto a A): %1</translation>
    </message>
    <message>
        <source>Corrections not fitted: %1</source>
        <translation>Correcciones no ajustadas: %1</translation>
    </message>
    <message>
        <source>strike in line with A and %1, outside the segment between them, where the difference is largest</source>
        <translation>golpee en la recta de A y %1, fuera del segmento entre ellos, donde la diferencia es mayor</translation>
    </message>
    <message>
        <source>its delay or its uncertainty is not known</source>
        <translation>su retardo o su incertidumbre no se conoce</translation>
    </message>
    <message>
        <source>the strike is nearly as far from %1 as from A (difference %2 mm), so its delay cannot tell the velocity; %3</source>
        <translation>el golpe está casi tan lejos de %1 como de A (diferencia %2 mm), así que su retardo no dice la velocidad; %3</translation>
    </message>
    <message>
        <source>its difference (%1 mm) is too small for about %2 mm/s: one delay uncertainty changes its velocity by %3 %, more than %4 %; %5</source>
        <translation>su diferencia (%1 mm) es demasiado pequeña para unos %2 mm/s: una incertidumbre del retardo cambia su velocidad en un %3 %, más del %4 %; %5</translation>
    </message>
    <message>
        <source>no strike gives more than the %1 mm between A and %2 (%3 mm needed): place the stations farther apart or record at a higher rate</source>
        <translation>ningún golpe da más que los %1 mm entre A y %2 (%3 mm necesarios): separe más las estaciones o registre con mayor muestreo</translation>
    </message>
    <message>
        <source>no pair can tell the velocity</source>
        <translation>ningún par puede decir la velocidad</translation>
    </message>
    <message>
        <source>the delays do not grow with the distance difference: check the struck points and which sensor is on which input</source>
        <translation>los retardos no crecen con la diferencia de distancia: compruebe los puntos golpeados y qué sensor está en qué entrada</translation>
    </message>
    <message>
        <source>the strikes give sensor %1 one distance difference only, so its delay cannot be told from the velocity; strike at points nearer to A and nearer to %1</source>
        <translation>los golpes dan al sensor %1 una sola diferencia de distancia, así que su retardo no se separa de la velocidad; golpee en puntos más cerca de A y más cerca de %1</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Class Results</source>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Añadir carpeta…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>The strike was here</source>
        <translation>El golpe fue aquí</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Add each group&apos;s run folder, or one folder holding them.</source>
        <translation>Añada la carpeta de medición de cada grupo, o una carpeta que las contenga.</translation>
    </message>
    <message>
        <source>A group&apos;s run folder, or a folder of them</source>
        <translation>La carpeta de medición de un grupo, o una carpeta de ellas</translation>
    </message>
    <message>
        <source>Folder for class.csv and class-report.pdf</source>
        <translation>Carpeta para class.csv y class-report.pdf</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Off (mm)</source>
        <translation>Desvío (mm)</translation>
    </message>
    <message>
        <source>In region</source>
        <translation>En la región</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Click the map where the strike was.</source>
        <translation>Haga clic en el mapa donde fue el golpe.</translation>
    </message>
    <message>
        <source>No group to export: add the groups&apos; folders first.</source>
        <translation>Ningún grupo que exportar: añada primero las carpetas de los grupos.</translation>
    </message>
    <message>
        <source>Written: %1 and %2</source>
        <translation>Escritos: %1 y %2</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Aún no hay grupos.</translation>
    </message>
    <message>
        <source>Groups: %1, located: %2   (times: det detected, drag dragged)</source>
        <translation>Grupos: %1, localizados: %2   (tiempos: det detectado, arr arrastrado)</translation>
    </message>
    <message>
        <source>Mean epicenter: %1, %2 mm   standard deviations: x %3 mm, y %4 mm</source>
        <translation>Epicentro medio: %1; %2 mm   desviaciones típicas: x %3 mm, y %4 mm</translation>
    </message>
    <message>
        <source>Struck at %1, %2 mm   median distance: %3</source>
        <translation>Golpe en %1; %2 mm   distancia mediana: %3</translation>
    </message>
    <message>
        <source>The struck point lies in the region of %1 of %2 groups (%3 %)</source>
        <translation>El punto golpeado está en la región de %1 de %2 grupos (%3 %)</translation>
    </message>
    <message>
        <source>Struck point not known: &quot;The strike was here&quot;, then click the map.</source>
        <translation>Punto golpeado desconocido: &quot;El golpe fue aquí&quot;, luego haga clic en el mapa.</translation>
    </message>
    <message>
        <source>drag</source>
        <translation>arr</translation>
    </message>
    <message>
        <source>det</source>
        <translation>det</translation>
    </message>
    <message>
        <source>marked: </source>
        <translation>marcado: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>TPLCommonPropertiesForm</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TPenMode</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Nop</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Invertir fondo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Not Copy</source>
        <translation>Copiar invertido</translation>
    </message>
    <message>
        <source>Merge Pen Not</source>
        <translation>Trazo O no fondo</translation>
    </message>
    <message>
        <source>Mask Pen Not</source>
        <translation>Trazo Y no fondo</translation>
    </message>
    <message>
        <source>Merge Not Pen</source>
        <translation>No trazo O fondo</translation>
    </message>
    <message>
        <source>Mask Not Pen</source>
        <translation>No trazo Y fondo</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Trazo O fondo</translation>
    </message>
    <message>
        <source>Not Merge</source>
        <translation>Trazo NOR fondo</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Trazo Y fondo</translation>
    </message>
    <message>
        <source>Not Mask</source>
        <translation>Trazo NAND fondo</translation>
    </message>
    <message>
        <source>Xor</source>
        <translation>Trazo XOR fondo</translation>
    </message>
    <message>
        <source>Not Xor</source>
        <translation>Trazo XNOR fondo</translation>
    </message>
</context>
<context>
    <name>TPenStyle</name>
    <message>
        <source>Solid</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Guiones</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Guion-punto</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Guion-punto-punto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <translation>Dentro del marco</translation>
    </message>
</context>
<context>
    <name>TPicture</name>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensión de archivo de imagen desconocida (.%1)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Picture file &quot;%1&quot; is too large</source>
        <translation>El archivo de imagen &quot;%1&quot; es demasiado grande</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>No se puede leer el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture the program can read: it does not hold a %2 image.</source>
        <translation>&quot;%1&quot; no es una imagen que el programa pueda leer: no contiene una imagen %2.</translation>
    </message>
    <message>
        <source>%1 picture is too large (%2 x %3 pixels)</source>
        <translation>Imagen %1 demasiado grande (%2 x %3 píxeles)</translation>
    </message>
    <message>
        <source>%1 picture is not valid: %2</source>
        <translation>Imagen %1 no válida: %2</translation>
    </message>
    <message>
        <source>Vector picture is not valid</source>
        <translation>Imagen vectorial no válida</translation>
    </message>
    <message>
        <source>Metafile error: the picture could not be drawn</source>
        <translation>Error de metarchivo: la imagen no pudo dibujarse</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Formato de imagen desconocido</translation>
    </message>
    <message>
        <source>Unknown picture class %1</source>
        <translation>Clase de imagen desconocida %1</translation>
    </message>
</context>
<context>
    <name>TSLBrushForm</name>
    <message>
        <source>Brush</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Estilo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TSLChannelShadeMode</name>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
</context>
<context>
    <name>TSLCollectionPageForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid name: give a name that is not empty.</source>
        <translation>&apos;%1&apos; no es un nombre válido: indique un nombre que no esté vacío.</translation>
    </message>
</context>
<context>
    <name>TSLDataDisplay</name>
    <message>
        <source>The display could not be printed.</source>
        <translation>No se pudo imprimir la pantalla.</translation>
    </message>
    <message>
        <source>the display has no size</source>
        <translation>la pantalla no tiene tamaño</translation>
    </message>
    <message>
        <source>The image could not be saved to &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar la imagen en &quot;%1&quot;: %2.</translation>
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
        <translation>Ambos</translation>
    </message>
</context>
<context>
    <name>TSLDisplayEllipsesForm</name>
    <message>
        <source>Ellipses</source>
        <translation>Elipses</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Trazo...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Relleno...</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Eje &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Eje &amp;Y</translation>
    </message>
    <message>
        <source> Channlels </source>
        <translation> Canales </translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
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
        <translation>Resaltado</translation>
    </message>
    <message>
        <source>&amp;Highlight inside</source>
        <translation>&amp;Resaltar dentro</translation>
    </message>
    <message>
        <source>The channel selected under Channels is drawn over a band in the ellipse&apos;s pen colour where it runs inside the ellipse.</source>
        <translation>El canal elegido en Canales se dibuja sobre una banda del color del trazo de la elipse donde pasa por dentro de ella.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>&amp;Mark samples inside</source>
        <translation>&amp;Marcar muestras dentro</translation>
    </message>
    <message>
        <source>The samples of the channel selected under Channels that lie inside the ellipse are marked with dots.</source>
        <translation>Las muestras del canal elegido en Canales que quedan dentro de la elipse se marcan con puntos.</translation>
    </message>
</context>
<context>
    <name>TSLDisplayMarkerShape</name>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Triangle Up</source>
        <translation>Triáng. arriba</translation>
    </message>
    <message>
        <source>Triangle Down</source>
        <translation>Triáng. abajo</translation>
    </message>
    <message>
        <source>Triangle Left</source>
        <translation>Triáng. izq.</translation>
    </message>
    <message>
        <source>Triangle Right</source>
        <translation>Triáng. der.</translation>
    </message>
    <message>
        <source>H Line</source>
        <translation>Línea H</translation>
    </message>
    <message>
        <source>V Line</source>
        <translation>Línea V</translation>
    </message>
</context>
<context>
    <name>TSLDisplayToolBar</name>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Mapa de bits (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG File Interchange Format (*.jpg)</source>
        <translation>Imagen JPEG (*.jpg)</translation>
    </message>
</context>
<context>
    <name>TSLDisplayZonesForm</name>
    <message>
        <source>Zones</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Trazo...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Relleno...</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Eje &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Eje &amp;Y</translation>
    </message>
    <message>
        <source>&amp;Points</source>
        <translation>&amp;Puntos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source> Point </source>
        <translation> Punto </translation>
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
        <translation>&amp;Canales</translation>
    </message>
</context>
<context>
    <name>TSLPenForm</name>
    <message>
        <source>the pen width</source>
        <translation>el grosor del trazo</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Trazo</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Estilo</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Grosor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TSLPropertyPageForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid number for %2.</source>
        <translation>&apos;%1&apos; no es un número válido para %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for %2: give a whole number from %3 to %4.</source>
        <translation>&apos;%1&apos; no es un valor válido para %2: indique un número entero de %3 a %4.</translation>
    </message>
</context>
<context>
    <name>TSLScopeAxesForm</name>
    <message>
        <source>X Axis</source>
        <translation>Eje X</translation>
    </message>
    <message>
        <source>Y Axis</source>
        <translation>Eje Y</translation>
    </message>
    <message>
        <source>the minimum</source>
        <translation>el mínimo</translation>
    </message>
    <message>
        <source>the maximum</source>
        <translation>el máximo</translation>
    </message>
    <message>
        <source>The minimum (%1) must be below the maximum (%2).</source>
        <translation>El mínimo (%1) debe ser menor que el máximo (%2).</translation>
    </message>
    <message>
        <source>The range %1 to %2 is too wide or too narrow to be shown.</source>
        <translation>El intervalo de %1 a %2 es demasiado amplio o demasiado estrecho para mostrarse.</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Ejes</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Scale Mode:</source>
        <translation>E&amp;scala:</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarítmica</translation>
    </message>
    <message>
        <source>Logarithmic Decades</source>
        <translation>Décadas logarítmicas</translation>
    </message>
    <message>
        <source> Label </source>
        <translation> Etiqueta </translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Etiqueta</translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isible</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fuente...</translation>
    </message>
    <message>
        <source> Range </source>
        <translation> Intervalo </translation>
    </message>
    <message>
        <source>Mi&amp;n:</source>
        <translation>Mí&amp;n.:</translation>
    </message>
    <message>
        <source>Ma&amp;x:</source>
        <translation>Má&amp;x.:</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelForm</name>
    <message>
        <source>the width</source>
        <translation>el grosor</translation>
    </message>
    <message>
        <source>the point size</source>
        <translation>el tamaño del punto</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Grosor</translation>
    </message>
    <message>
        <source>&amp;Shade</source>
        <translation>&amp;Sombra</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Eje &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Eje &amp;Y</translation>
    </message>
    <message>
        <source> &amp;Points </source>
        <translation> &amp;Puntos </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isible</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forma</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tam.</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Trazo...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Relleno...</translation>
    </message>
    <message>
        <source>&amp;Use Channel Color</source>
        <translation>&amp;Usar color del canal</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelLinkFormUnit</name>
    <message>
        <source>the width</source>
        <translation>el grosor</translation>
    </message>
    <message>
        <source>Channel Links</source>
        <translation>Entre canales</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;First Channel</source>
        <translation>&amp;Primer canal</translation>
    </message>
    <message>
        <source>&amp;Second Channel</source>
        <translation>&amp;Segundo canal</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Grosor</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Relleno...</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelLinkMode</name>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barra</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelMode</name>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Escalón</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barra</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorChannelLinkForm</name>
    <message>
        <source>the size</source>
        <translation>el tamaño</translation>
    </message>
    <message>
        <source>Crossing Mark</source>
        <translation>Marca de cruce</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forma</translation>
    </message>
    <message>
        <source>Shape of the mark where the channel crosses the cursor</source>
        <translation>Forma de la marca donde el canal cruza el cursor</translation>
    </message>
    <message>
        <source>Size of the mark</source>
        <translation>Tamaño de la marca</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Trazo...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Relleno...</translation>
    </message>
    <message>
        <source>Font of the value written beside the mark</source>
        <translation>Fuente del valor escrito junto a la marca</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fuente...</translation>
    </message>
    <message>
        <source>&amp;Use Channel Color</source>
        <translation>&amp;Usar color del canal</translation>
    </message>
    <message>
        <source>Write the value beside the mark</source>
        <translation>Escribir el valor junto a la marca</translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Texto</translation>
    </message>
    <message>
        <source>Text of the label: %X and %Y give the values, %% a percent sign</source>
        <translation>Texto de la etiqueta: %X y %Y dan los valores, %% un signo de porcentaje</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorLinksForm</name>
    <message>
        <source>Cursor Links</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Be&amp;gin Cursor</source>
        <translation>Cursor &amp;inicial</translation>
    </message>
    <message>
        <source>&amp;End Cursor</source>
        <translation>Cursor &amp;final</translation>
    </message>
    <message>
        <source> Selection </source>
        <translation> Selección </translation>
    </message>
    <message>
        <source>Vi&amp;sible</source>
        <translation>Vi&amp;sible</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Relleno...</translation>
    </message>
    <message>
        <source> Measurment </source>
        <translation> Medida </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isible</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Estilo</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source> Label </source>
        <translation> Etiqueta </translation>
    </message>
    <message>
        <source>Visi&amp;ble</source>
        <translation>Visi&amp;ble</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fuente...</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorsForm</name>
    <message>
        <source>Cursors</source>
        <translation>Cursores</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Eje &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Eje &amp;Y</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source> Channlels </source>
        <translation> Canales </translation>
    </message>
</context>
<context>
    <name>TSLScopeMerkerGroupsForm</name>
    <message>
        <source>the marker size</source>
        <translation>el tamaño del marcador</translation>
    </message>
    <message>
        <source>Marker Groups</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forma</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Ta&amp;maño</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Trazo...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Relleno...</translation>
    </message>
    <message>
        <source> Labels </source>
        <translation> Etiquetas </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isible</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fuente...</translation>
    </message>
    <message>
        <source> Crosshairs </source>
        <translation> Retícula </translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izda.</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dcha.</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>X Axis</source>
        <translation>Eje X</translation>
    </message>
    <message>
        <source>Y Axis</source>
        <translation>Eje Y</translation>
    </message>
</context>
<context>
    <name>TSLScopePointsShape</name>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
</context>
<context>
    <name>TSLScopeXAxesForm</name>
    <message>
        <source>X Axes</source>
        <translation>Ejes X</translation>
    </message>
</context>
<context>
    <name>TSLScopeYAxesForm</name>
    <message>
        <source>Y Axes</source>
        <translation>Ejes Y</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>work in the lab folder DIR (given the example lab&apos;s files when it has no config.ini)</source>
        <translation>trabajar en la carpeta del laboratorio DIR (con los archivos del laboratorio
de ejemplo si no tiene config.ini)</translation>
    </message>
    <message>
        <source>the windows&apos; language: de, es, fr, pt_BR or en (default: the desktop&apos;s;
after --simulate: English)</source>
        <translation>el idioma de las ventanas: de, es, fr, pt_BR o en (por defecto: el del
escritorio; tras --simulate: inglés)</translation>
    </message>
    <message>
        <source>record from the input device NAME</source>
        <translation>grabar del dispositivo de entrada NAME</translation>
    </message>
    <message>
        <source>the file the &quot;Recording&quot; device plays in a loop</source>
        <translation>el archivo que el dispositivo &quot;Recording&quot; reproduce en bucle</translation>
    </message>
    <message>
        <source>with --device &quot;Simulated sensors&quot;: the pulse travels at this velocity,
which the settings do not show (for measuring it)</source>
        <translation>con --device &quot;Simulated sensors&quot;: el pulso viaja a esta velocidad, que la
configuración no muestra (para medirla)</translation>
    </message>
    <message>
        <source>with --device &quot;Simulated sensors&quot; or --simulate: clean (the default, a sharp
pulse) or realistic (unequal sensors, the floor&apos;s ringing, hum, offset,
noise and 16-bit samples, as a classroom&apos;s sound card hears them)</source>
        <translation>con --device &quot;Simulated sensors&quot; o --simulate: clean (por defecto, un pulso
nítido) o realistic (sensores desiguales, la vibración del suelo, zumbido,
offset, ruido y muestras de 16 bits, como los oye la tarjeta de sonido de un
aula)</translation>
    </message>
    <message>
        <source>the realistic sensors&apos; signal-to-noise ratio, 0 to 80 dB (default 26)</source>
        <translation>la relación señal-ruido de los sensores realistas, de 0 a 80 dB (por defecto
26)</translation>
    </message>
    <message>
        <source>write a picture of each window into DIR and exit (after --simulate:
the acquisition window recorded and the map with the epicenter)</source>
        <translation>escribir una imagen de cada ventana en DIR y salir (tras --simulate: la
ventana de adquisición registrada y el mapa con el epicentro)</translation>
    </message>
    <message>
        <source>print the names of the input devices and exit</source>
        <translation>mostrar los nombres de los dispositivos de entrada y salir</translation>
    </message>
    <message>
        <source>run the whole experiment on simulated sensors struck at (X, Y) mm (--pick
METHOD: find the times by level, onset or correlation instead of the lab&apos;s
method)</source>
        <translation>hacer todo el experimento con sensores simulados golpeados en (X, Y) mm
(--pick METHOD: hallar los tiempos por nivel, inicio o correlación en lugar
del método del laboratorio)</translation>
    </message>
    <message>
        <source>find the epicenter of four arrival times in seconds</source>
        <translation>hallar el epicentro de cuatro tiempos de llegada en segundos</translation>
    </message>
    <message>
        <source>find the times and the epicenter of a saved run folder (--pick METHOD: find
the times not saved by level, onset or correlation; --report FILE.pdf: also
write its one-page report)</source>
        <translation>hallar los tiempos y el epicentro de una carpeta de medición guardada
(--pick METHOD: hallar los tiempos no guardados por nivel, inicio o
correlación; --report FILE.pdf: escribir también su informe de una página)</translation>
    </message>
    <message>
        <source>measure the pulse velocity and the sensors&apos; delays from run folders struck
at known points (their [STRIKE] point, or --strike X Y mm)</source>
        <translation>medir la velocidad del pulso y los retardos de los sensores a partir de
carpetas de medición golpeadas en puntos conocidos (su punto [STRIKE], o
--strike X Y mm)</translation>
    </message>
    <message>
        <source>pool the groups&apos; run folders (or folders of them): each group&apos;s epicenter,
the class&apos;s mean and spread (--report FILE.pdf, --csv FILE: also write them)</source>
        <translation>reunir las carpetas de medición de los grupos (o carpetas de ellas): el
epicentro de cada grupo, la media y la dispersión de la clase
(--report FILE.pdf, --csv FILE: escribirlos también)</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>options:</source>
        <translation>opciones:</translation>
    </message>
    <message>
        <source>--locate, --analyze, --velocity, --class and --simulate come first; only --simulate takes a leading --lab.</source>
        <translation>--locate, --analyze, --velocity, --class y --simulate van primero; solo --simulate admite --lab antes.</translation>
    </message>
</context>
</TS>
