<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</TS>
