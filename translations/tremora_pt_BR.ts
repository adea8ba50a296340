<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AnswerWords</name>
    <message>
        <source>x %1 mm, y %2 mm</source>
        <translation>x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>No pair has both of its times: these times cannot tell where the epicenter lies</source>
        <translation>Nenhum par tem seus dois tempos: estes tempos não dizem onde está o epicentro</translation>
    </message>
    <message>
        <source>Pair %1 has no times: the shaded band holds every point that fits pair %2 alone,</source>
        <translation>O par %1 não tem tempos: a faixa sombreada contém todos os pontos que servem só ao par %2,</translation>
    </message>
    <message>
        <source>so the epicenter cannot be told until pair %1 is recorded</source>
        <translation>então o epicentro só pode ser dito quando o par %1 for registrado</translation>
    </message>
    <message>
        <source>No point of the map fits these times, not even the mark</source>
        <translation>Nenhum ponto do mapa serve a estes tempos, nem mesmo a marca</translation>
    </message>
    <message>
        <source>The shaded area fits your times: the epicenter may be up to %1 mm from the mark</source>
        <translation>A área sombreada serve aos seus tempos: o epicentro pode estar a até %1 mm da marca</translation>
    </message>
    <message>
        <source>The mark itself lies %1 mm outside the shaded area</source>
        <translation>A própria marca fica %1 mm fora da área sombreada</translation>
    </message>
    <message>
        <source>The times also fit a separate place: around %1 (orange diamond)</source>
        <translation>Os tempos também servem a outro lugar: perto de %1 (losango laranja)</translation>
    </message>
    <message>
        <source>The times also fit %1 separate places; the best fitting (orange diamond) is around %2</source>
        <translation>Os tempos também servem a %1 outros lugares; o que melhor serve (losango laranja) fica perto de %2</translation>
    </message>
    <message>
        <source>No point can fit: the settings (stations, velocity or sample rate) are not usable</source>
        <translation>Nenhum ponto pode servir: as configurações (estações, velocidade ou amostragem) não são utilizáveis</translation>
    </message>
    <message>
        <source>The delay of pair %1 (%2 ms) cannot be right: the pulse needs at most %3 ms to go straight from A to %4 at %5 mm/s</source>
        <translation>O atraso do par %1 (%2 ms) não pode estar certo: o pulso leva no máximo %3 ms para ir direto de A a %4 a %5 mm/s</translation>
    </message>
    <message>
        <source>The delay of pair %1 (%2 ms) fits only points off the map</source>
        <translation>O atraso do par %1 (%2 ms) só serve a pontos fora do mapa</translation>
    </message>
    <message>
        <source>Each delay fits somewhere on the map, but no point fits both: one of the four times is probably wrong (the closest fit is around %1)</source>
        <translation>Cada atraso serve a algum lugar do mapa, mas nenhum ponto serve aos dois: um dos quatro tempos deve estar errado (o ajuste mais próximo fica perto de %1)</translation>
    </message>
    <message>
        <source>No point of the map fits these times</source>
        <translation>Nenhum ponto do mapa serve a estes tempos</translation>
    </message>
</context>
<context>
    <name>ChooseFont</name>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation>C&amp;or:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>Não foi possível gravar o relatório %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Resultados da turma</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>o gravador de PDF não pôde começar</translation>
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
        <translation>Média</translation>
    </message>
    <message>
        <source>%1, %2 mm</source>
        <translation>%1; %2 mm</translation>
    </message>
    <message>
        <source>SD x, y</source>
        <translation>DP x, y</translation>
    </message>
    <message>
        <source>Struck at</source>
        <translation>Golpe em</translation>
    </message>
    <message>
        <source>Median off</source>
        <translation>Desvio mediano</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Region holds</source>
        <translation>Região contém</translation>
    </message>
    <message>
        <source>%1 of %2 groups</source>
        <translation>%1 de %2 grupos</translation>
    </message>
    <message>
        <source>The class</source>
        <translation>A turma</translation>
    </message>
    <message>
        <source>● numbered: a group&apos;s epicenter</source>
        <translation>● numerado: o epicentro de um grupo</translation>
    </message>
    <message>
        <source>outline: its fitting region</source>
        <translation>contorno: sua região de ajuste</translation>
    </message>
    <message>
        <source>+ and dashed ellipse: mean, 1 sd</source>
        <translation>+ e elipse tracejada: média, 1 dp</translation>
    </message>
    <message>
        <source>×: the struck point</source>
        <translation>×: o ponto golpeado</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desvio</translation>
    </message>
    <message>
        <source>in</source>
        <translation>na</translation>
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
        <translation>Tempos em ms, d detectado, g arrastado; x, y, desvio (distância ao ponto golpeado) e ± (a incerteza do grupo) em mm; na: o ponto golpeado está na região do grupo.</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>o PDF não pôde ser terminado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um número inteiro válido</translation>
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
        <translation>arrastado</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>não definido</translation>
    </message>
    <message>
        <source>detected by onset</source>
        <translation>detectado pelo início</translation>
    </message>
    <message>
        <source>detected by correlation</source>
        <translation>detectado por correlação</translation>
    </message>
    <message>
        <source>no pulse above the noise</source>
        <translation>nenhum pulso acima do ruído</translation>
    </message>
    <message>
        <source>the idle noise reaches the level</source>
        <translation>o ruído em repouso atinge o nível</translation>
    </message>
    <message>
        <source>the level was reached by noise before the pulse</source>
        <translation>o nível foi atingido pelo ruído antes do pulso</translation>
    </message>
    <message>
        <source>no quiet part before the pulse to measure the noise</source>
        <translation>nenhum trecho calmo antes do pulso para medir o ruído</translation>
    </message>
    <message>
        <source>the two channels correlate too weakly</source>
        <translation>os dois canais se correlacionam fraco demais</translation>
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
        <translation>imagem do mapa indisponível</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>No mapa</translation>
    </message>
    <message>
        <source>stations A, B, C</source>
        <translation>estações A, B, C</translation>
    </message>
    <message>
        <source>circles: increment + adjuster</source>
        <translation>círculos: incremento + ajuste</translation>
    </message>
    <message>
        <source>epicenter found</source>
        <translation>epicentro achado</translation>
    </message>
    <message>
        <source>other point fitting the times</source>
        <translation>outro ponto que serve aos tempos</translation>
    </message>
    <message>
        <source>points that fit the times</source>
        <translation>pontos que servem aos tempos</translation>
    </message>
    <message>
        <source>struck point (simulated)</source>
        <translation>ponto golpeado (simulado)</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>não registrado</translation>
    </message>
    <message>
        <source>not located: pair %1 has no times</source>
        <translation>não localizado: o par %1 não tem tempos</translation>
    </message>
    <message>
        <source>not located yet</source>
        <translation>ainda não localizado</translation>
    </message>
    <message>
        <source>Bad Acquisition: the circles do not meet</source>
        <translation>Aquisição ruim: os círculos não se encontram</translation>
    </message>
    <message>
        <source>Bad acquisition: the point is off the map</source>
        <translation>Aquisição ruim: o ponto está fora do mapa</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>Não foi possível gravar o relatório %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>Epicenter location report</source>
        <translation>Relatório da localização do epicentro</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>o gravador de PDF não pôde começar</translation>
    </message>
    <message>
        <source>Station %1</source>
        <translation>Estação %1</translation>
    </message>
    <message>
        <source>x %1, y %2 mm</source>
        <translation>x %1, y %2 mm</translation>
    </message>
    <message>
        <source>Pulse velocity</source>
        <translation>Velocidade</translation>
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
        <translation>Correção B</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Correction C</source>
        <translation>Correção C</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Amostragem</translation>
    </message>
    <message>
        <source>%1 samples/s</source>
        <translation>%1 amostras/s</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Aquisição</translation>
    </message>
    <message>
        <source>%1 s per pair</source>
        <translation>%1 s por par</translation>
    </message>
    <message>
        <source>Detection level</source>
        <translation>Limiar</translation>
    </message>
    <message>
        <source>%1 ‰ of full scale</source>
        <translation>%1 ‰ da escala</translation>
    </message>
    <message>
        <source>Map file</source>
        <translation>Arquivo do mapa</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
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
        <translation>não definido</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Atraso %1</translation>
    </message>
    <message>
        <source>%1 ± %2 ms</source>
        <translation>%1 ± %2 ms</translation>
    </message>
    <message>
        <source>Arrival times</source>
        <translation>Tempos de chegada</translation>
    </message>
    <message>
        <source>Increments</source>
        <translation>Incrementos</translation>
    </message>
    <message>
        <source>Circle radii</source>
        <translation>Raios dos círculos</translation>
    </message>
    <message>
        <source>Epicenter</source>
        <translation>Epicentro</translation>
    </message>
    <message>
        <source>none: one place fits the times</source>
        <translation>nenhum: um só lugar</translation>
    </message>
    <message>
        <source>Other places</source>
        <translation>Outros lugares</translation>
    </message>
    <message>
        <source>Uncertainty</source>
        <translation>Incerteza</translation>
    </message>
    <message>
        <source>cannot be told: a pair has no times</source>
        <translation>não se pode dizer: um par não tem tempos</translation>
    </message>
    <message>
        <source>up to %1 mm from the mark</source>
        <translation>até %1 mm da marca</translation>
    </message>
    <message>
        <source>no point of the map fits the times</source>
        <translation>nenhum ponto do mapa serve aos tempos</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Extensão</translation>
    </message>
    <message>
        <source>up to %1 mm, all shaded places</source>
        <translation>até %1 mm, todo o sombreado</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Por quê</translation>
    </message>
    <message>
        <source>Struck at</source>
        <translation>Golpe em</translation>
    </message>
    <message>
        <source>Found off by</source>
        <translation>Erro do achado</translation>
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
        <translation>Nome: ____________________________   Grupo: __________   Data: ______________</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>o PDF não pôde ser terminado</translation>
    </message>
</context>
<context>
    <name>RunWords</name>
    <message>
        <source>%1 must give the stations and the pulse velocity</source>
        <translation>%1 deve informar as estações e a velocidade do pulso</translation>
    </message>
    <message>
        <source>No pulse detected on pair %1</source>
        <translation>Nenhum pulso detectado no par %1</translation>
    </message>
    <message>
        <source>No recording of pair %1</source>
        <translation>Nenhuma gravação do par %1</translation>
    </message>
    <message>
        <source>far from the others</source>
        <translation>longe dos outros</translation>
    </message>
    <message>
        <source>region excludes the struck point</source>
        <translation>a região exclui o ponto golpeado</translation>
    </message>
    <message>
        <source>velocity %1 mm/s (the class&apos;s %2)</source>
        <translation>velocidade %1 mm/s (a da turma: %2)</translation>
    </message>
    <message>
        <source>rate %1 samples/s (the class&apos;s %2)</source>
        <translation>amostragem %1 amostras/s (a da turma: %2)</translation>
    </message>
    <message>
        <source>missing pair %1</source>
        <translation>falta o par %1</translation>
    </message>
    <message>
        <source>dragged time %1</source>
        <translation>tempo %1 arrastado</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>. The run saved there before is kept as it was.</source>
        <translation>. A medição salva ali antes foi mantida como estava.</translation>
    </message>
    <message>
        <source>. Nothing was saved in the folder.</source>
        <translation>. Nada foi salvo na pasta.</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: pasta inexistente</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 está faltando</translation>
    </message>
    <message>
        <source>%1: %2 %3 is missing</source>
        <translation>%1: %2 falta %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 are missing</source>
        <translation>%1: %2 faltam %3</translation>
    </message>
    <message>
        <source>%1 is missing: pair %2 is not shown</source>
        <translation>%1 está faltando: o par %2 não é mostrado</translation>
    </message>
    <message>
        <source>%1: recorded at %2 samples / s, %3 at %4; a run has one rate</source>
        <translation>%1: gravado a %2 amostras / s, %3 a %4; uma medição tem uma só amostragem</translation>
    </message>
    <message>
        <source>%1: %2 s of sound. %3</source>
        <translation>%1: %2 s de som. %3</translation>
    </message>
    <message>
        <source>%1: [TXAQUISICAO] tx = %2 differs from the sound files&apos; rate; %3 samples / s is used</source>
        <translation>%1: [TXAQUISICAO] tx = %2 difere da amostragem dos arquivos de som; usa-se %3 amostras / s</translation>
    </message>
    <message>
        <source>%1: [TAQUISICAO] taq = %2 s is shorter than the sound files; blocks of %3 s are used</source>
        <translation>%1: [TAQUISICAO] taq = %2 s é mais curto que os arquivos de som; usam-se blocos de %3 s</translation>
    </message>
    <message>
        <source>%1: %2 s of sound, followed by silence to fill the block of %3 s</source>
        <translation>%1: %2 s de som, seguidos de silêncio para completar o bloco de %3 s</translation>
    </message>
    <message>
        <source>%1: [TIMES] %2 = %3 s lies outside the block (0 to %4 s)</source>
        <translation>%1: [TIMES] %2 = %3 s fica fora do bloco (0 a %4 s)</translation>
    </message>
    <message>
        <source>No pulse picked on pair %1: %2</source>
        <translation>Nenhum pulso achado no par %1: %2</translation>
    </message>
    <message>
        <source>Pair %1: %2; raise the detection level above the idle noise, or pick by onset or correlation</source>
        <translation>Par %1: %2; suba o nível de detecção acima do ruído em repouso, ou ache as chegadas pelo início ou por correlação</translation>
    </message>
    <message>
        <source>%1: [%2] %3 = &apos;%4&apos; is not a number</source>
        <translation>%1: [%2] %3 = &apos;%4&apos; não é um número</translation>
    </message>
    <message>
        <source>%1: [TIMES] %2_how = &apos;%3&apos; is neither detected nor dragged; the time is taken as dragged</source>
        <translation>%1: [TIMES] %2_how = &apos;%3&apos; não é detected nem dragged; o tempo é tomado como arrastado</translation>
    </message>
    <message>
        <source>%1: not a WAVE sound file</source>
        <translation>%1: não é um arquivo de som WAVE</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canais</translation>
    </message>
    <message>
        <source>%1: %2; a pair is recorded in stereo (left sensor A, right the other sensor)</source>
        <translation>%1: %2; um par é gravado em estéreo (esquerda o sensor A, direita o outro sensor)</translation>
    </message>
    <message>
        <source>%1: recorded at %2 samples / s. %3</source>
        <translation>%1: gravado a %2 amostras / s. %3</translation>
    </message>
    <message>
        <source>%1: holds samples that are not numbers</source>
        <translation>%1: contém amostras que não são números</translation>
    </message>
    <message>
        <source>%1: holds no sound</source>
        <translation>%1: não contém som</translation>
    </message>
    <message>
        <source>Acquisition time must be between %1 and %2 seconds</source>
        <translation>A duração da aquisição deve estar entre %1 e %2 segundos</translation>
    </message>
    <message>
        <source>Acquisition rate must be between %1 and %2 samples / s</source>
        <translation>A amostragem deve estar entre %1 e %2 amostras / s</translation>
    </message>
    <message>
        <source>Acquisition time x rate must not exceed %1 samples (30 seconds at 44100 samples / s)</source>
        <translation>Duração x amostragem não pode passar de %1 amostras (30 segundos a 44100 amostras / s)</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a whole number</source>
        <translation>[%1] %2 = &apos;%3&apos; não é um número inteiro</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is none of level, onset, correlation</source>
        <translation>[%1] %2 = &apos;%3&apos; não é level, onset nem correlation</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a number</source>
        <translation>[%1] %2 = &apos;%3&apos; não é um número</translation>
    </message>
    <message>
        <source>[%1] %2 = &apos;%3&apos; is not a number of at least 0</source>
        <translation>[%1] %2 = &apos;%3&apos; não é um número maior ou igual a 0</translation>
    </message>
    <message>
        <source>Pulse velocity must be between %1 and %2 mm / s</source>
        <translation>A velocidade do pulso deve estar entre %1 e %2 mm / s</translation>
    </message>
    <message>
        <source>Detection level must be between %1 and %2 (0 to 100 % of full scale)</source>
        <translation>O nível de detecção deve estar entre %1 e %2 (0 a 100 % do fundo de escala)</translation>
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
        <translation>Não foi possível abrir o dispositivo de áudio.</translation>
    </message>
    <message>
        <source>Can&apos;t start audio device.</source>
        <translation>Não foi possível iniciar o dispositivo de áudio.</translation>
    </message>
    <message>
        <source>Can&apos;t restart audio device.</source>
        <translation>Não foi possível reiniciar o dispositivo de áudio.</translation>
    </message>
    <message>
        <source>Can&apos;t get device capabilities.</source>
        <translation>Não foi possível obter as capacidades do dispositivo.</translation>
    </message>
    <message>
        <source>Audio input overrun: sound was lost.</source>
        <translation>Estouro na entrada de áudio: som foi perdido.</translation>
    </message>
    <message>
        <source>Audio device stopped delivering.</source>
        <translation>O dispositivo de áudio parou de enviar som.</translation>
    </message>
    <message>
        <source>Buffer size too large to capture.</source>
        <translation>Tamanho de buffer grande demais para capturar.</translation>
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
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontais</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticais</translation>
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
        <translation>Grade</translation>
    </message>
    <message>
        <source>Diag Cross</source>
        <translation>Grade diagonal</translation>
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
        <translation>Aumentar raio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Escutar</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Aquisição</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Move the cursor to increase/decrease the radius of triangulation</source>
        <translation>Mova o cursor para aumentar/diminuir o raio da triangulação</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Carregar imagem</translation>
    </message>
    <message>
        <source>Strike here</source>
        <translation>Golpear aqui</translation>
    </message>
    <message>
        <source>Class Results…</source>
        <translation>Resultados da turma…</translation>
    </message>
    <message>
        <source>Measure Velocity…</source>
        <translation>Medir velocidade…</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>I struck here</source>
        <translation>Golpeei aqui</translation>
    </message>
    <message>
        <source>These values of config.ini were not read; the defaults are used instead:</source>
        <translation>Estes valores de config.ini não foram lidos; usam-se os valores padrão:</translation>
    </message>
    <message>
        <source>For the previous strike:</source>
        <translation>Para o golpe anterior:</translation>
    </message>
    <message>
        <source>Epicenter: x %1 mm, y %2 mm</source>
        <translation>Epicentro: x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>Struck at x %1 mm, y %2 mm: %3 mm away</source>
        <translation>Golpe em x %1 mm, y %2 mm: a %3 mm</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Apply and Save</source>
        <translation>Aplicar e salvar</translation>
    </message>
    <message>
        <source>Station Position</source>
        <translation>Estações</translation>
    </message>
    <message>
        <source>Station A</source>
        <translation>Estação A</translation>
    </message>
    <message>
        <source>Station B</source>
        <translation>Estação B</translation>
    </message>
    <message>
        <source>Station C</source>
        <translation>Estação C</translation>
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
        <translation>Selecione uma estação e clique no mapa para capturar as coordenadas. </translation>
    </message>
    <message>
        <source>Pulse Velocity</source>
        <translation>Vel. do pulso</translation>
    </message>
    <message>
        <source>mm / s</source>
        <translation>mm / s</translation>
    </message>
    <message>
        <source>Use only integers values</source>
        <translation>Use apenas números inteiros</translation>
    </message>
    <message>
        <source>Acquisition Parameters</source>
        <translation>Aquisição</translation>
    </message>
    <message>
        <source>Acquisition Time</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Acquisition Rate</source>
        <translation>Amostragem</translation>
    </message>
    <message>
        <source>samples / s</source>
        <translation>amostras / s</translation>
    </message>
    <message>
        <source>Min. Amplitude</source>
        <translation>Amplitude mín.</translation>
    </message>
    <message>
        <source>Pick arrivals by</source>
        <translation>Chegadas por</translation>
    </message>
    <message>
        <source>level (first sample)</source>
        <translation>nível (primeira amostra)</translation>
    </message>
    <message>
        <source>onset</source>
        <translation>início</translation>
    </message>
    <message>
        <source>correlation</source>
        <translation>correlação</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>Show circles of trilateration</source>
        <translation>Mostrar círculos da trilateração</translation>
    </message>
    <message>
        <source>Sets the level just above what the idle inputs reach in Listen Sensors</source>
        <translation>Põe o nível logo acima do que as entradas em repouso atingem em Escutar os sensores</translation>
    </message>
    <message>
        <source>Level from Idle Noise</source>
        <translation>Nível pelo ruído</translation>
    </message>
    <message>
        <source>Coord. %1 of station %2 must be between 0 and %3 mm, on the map</source>
        <translation>A coord. %1 da estação %2 deve estar entre 0 e %3 mm, no mapa</translation>
    </message>
    <message>
        <source>Open Listen Sensors, press Listen Now and keep the sensors still for %1 seconds; then press Level from Idle Noise again.</source>
        <translation>Abra Escutar os sensores, aperte Escutar agora e deixe os sensores parados por %1 segundos; depois aperte Nível pelo ruído de novo.</translation>
    </message>
    <message>
        <source>The idle inputs reached %1 (left) and %2 (right) of full scale in %3 s</source>
        <translation>As entradas em repouso atingiram %1 (esquerda) e %2 (direita) do fundo de escala em %3 s</translation>
    </message>
    <message>
        <source>: no level above them is left for a pulse. Quieten the inputs (cables, mains hum, a sensor knocked) or pick arrivals by onset or correlation.</source>
        <translation>: não sobra nível acima delas para um pulso. Acalme as entradas (cabos, zumbido da rede, um sensor esbarrado) ou ache as chegadas pelo início ou por correlação.</translation>
    </message>
    <message>
        <source>; the level is set half as high again, to %1. Press Apply and Save to keep it.</source>
        <translation>; o nível foi posto uma vez e meia mais alto, em %1. Aperte Aplicar e salvar para guardá-lo.</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Signal Acquisition</source>
        <translation>Aquisição de sinais</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensores</translation>
    </message>
    <message>
        <source>Pulse time</source>
        <translation>Tempo do pulso</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tempo (s)</translation>
    </message>
    <message>
        <source>Normalized Amplitude</source>
        <translation>Amplitude normalizada</translation>
    </message>
    <message>
        <source>Acquired Signals in the Sensors A and B</source>
        <translation>Sinais adquiridos nos sensores A e B</translation>
    </message>
    <message>
        <source>Acquired Signals in the Sensors A and C</source>
        <translation>Sinais adquiridos nos sensores A e C</translation>
    </message>
    <message>
        <source>Auto Detect Pulse</source>
        <translation>Detectar pulso</translation>
    </message>
    <message>
        <source>Hold Detection</source>
        <translation>Reter pulso</translation>
    </message>
    <message>
        <source>Select Sensors for Acquisition</source>
        <translation>Sensores da aquisição</translation>
    </message>
    <message>
        <source>Save the traces, times and result in a run folder</source>
        <translation>Salvar os traços, os tempos e o resultado numa pasta de medição</translation>
    </message>
    <message>
        <source>Save Run…</source>
        <translation>Salvar…</translation>
    </message>
    <message>
        <source>Show a saved run folder again</source>
        <translation>Mostrar de novo uma pasta de medição salva</translation>
    </message>
    <message>
        <source>Open Run…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Write the traces and results as CSV files for a spreadsheet</source>
        <translation>Gravar os traços e os resultados como arquivos CSV para uma planilha</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Find Epicenter</source>
        <translation>Achar epicentro</translation>
    </message>
    <message>
        <source>Run Folder</source>
        <translation>Pasta de medição</translation>
    </message>
    <message>
        <source>Read-out</source>
        <translation>Leitura</translation>
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
        <translation>%1 − tA não achado: %2</translation>
    </message>
    <message>
        <source>%1 − tA not known yet</source>
        <translation>%1 − tA ainda desconhecido</translation>
    </message>
    <message>
        <source>, noise near the level</source>
        <translation>, ruído perto do nível</translation>
    </message>
    <message>
        <source>%1 less its correction %2 ms</source>
        <translation>%1 menos sua correção %2 ms</translation>
    </message>
    <message>
        <source>%1: raise the level</source>
        <translation>%1: aumente o nível</translation>
    </message>
    <message>
        <source>Minimum Amplitude for Auto Detection = 0</source>
        <translation>Amplitude mínima para detecção automática = 0</translation>
    </message>
    <message>
        <source>Bad Acquisition</source>
        <translation>Aquisição ruim</translation>
    </message>
    <message>
        <source>Bad acquisition</source>
        <translation>Aquisição ruim</translation>
    </message>
    <message>
        <source>Pair %1 has not been recorded. Find the epicenter anyway?</source>
        <translation>O par %1 não foi registrado. Achar o epicentro assim mesmo?</translation>
    </message>
    <message>
        <source>Pairs A+B and A+C have not been recorded. Find the epicenter anyway?</source>
        <translation>Os pares A+B e A+C não foram registrados. Achar o epicentro assim mesmo?</translation>
    </message>
    <message>
        <source>Nothing to save: record a pair first.</source>
        <translation>Nada a salvar: registre um par primeiro.</translation>
    </message>
    <message>
        <source>Save Run</source>
        <translation>Salvar medição</translation>
    </message>
    <message>
        <source>Run saved in %1</source>
        <translation>Medição salva em %1</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>Abrir medição</translation>
    </message>
    <message>
        <source>The stations and the velocity not given are those in force.</source>
        <translation>As estações e a velocidade não dadas são as atuais.</translation>
    </message>
    <message>
        <source>Nothing to export: record a pair first.</source>
        <translation>Nada a exportar: registre um par primeiro.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Written in %1: %2</source>
        <translation>Gravados em %1: %2</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>the Find Epicenter button&apos;s picture, first line</comment>
        <translation>Achar</translation>
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
        <translation>Escutar os sensores</translation>
    </message>
    <message>
        <source>Left Channel</source>
        <translation>Canal esquerdo</translation>
    </message>
    <message>
        <source>Right Channel</source>
        <translation>Canal direito</translation>
    </message>
    <message>
        <source>Listen Now</source>
        <translation>Escutar agora</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Busy! Acquisition in progress.</source>
        <translation>Ocupado! Aquisição em andamento.</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Pulse Velocity</source>
        <translation>Velocidade do pulso</translation>
    </message>
    <message>
        <source>Struck at  x</source>
        <translation>Golpe em  x</translation>
    </message>
    <message>
        <source>Marked with Strike here, or measured with a ruler</source>
        <translation>Marcado com Golpear aqui, ou medido com uma régua</translation>
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
        <translation>Adicionar golpe</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Strike at a known point, record one or both pairs, then press Add Strike.</source>
        <translation>Golpeie num ponto conhecido, grave um ou os dois pares e clique em Adicionar golpe.</translation>
    </message>
    <message>
        <source>Use this velocity</source>
        <translation>Usar esta velocidade</translation>
    </message>
    <message>
        <source>Type the struck point&apos;s %1 in mm (a number with a dot)</source>
        <translation>Digite o %1 do ponto golpeado em mm (um número)</translation>
    </message>
    <message>
        <source>Record pair A+B or A+C of this strike first (both of its times must be set)</source>
        <translation>Registre primeiro o par A+B ou A+C deste golpe (seus dois tempos devem estar definidos)</translation>
    </message>
    <message>
        <source>Use %1 mm/s as the pulse velocity and save it in the settings?</source>
        <translation>Usar %1 mm/s como velocidade do pulso e salvá-la nas configurações?</translation>
    </message>
    <message>
        <source>Strike %1 at (%2, %3) mm: %4</source>
        <translation>Golpe %1 em (%2; %3) mm: %4</translation>
    </message>
    <message>
        <source>Strike %1, %2: </source>
        <translation>Golpe %1, %2: </translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>recusado: %1</translation>
    </message>
    <message>
        <source>delay %1 ms, difference %2 mm, velocity %3 mm/s</source>
        <translation>atraso %1 ms, diferença %2 mm, velocidade %3 mm/s</translation>
    </message>
    <message>
        <source>Velocity: not measured: %1</source>
        <translation>Velocidade: não medida: %1</translation>
    </message>
    <message>
        <source>Velocity: %1 mm/s</source>
        <translation>Velocidade: %1 mm/s</translation>
    </message>
    <message>
        <source>Corrections (late beside A): %1</source>
        <translation>Correções (atraso em relação a A): %1</translation>
    </message>
    <message>
        <source>Corrections not fitted: %1</source>
        <translation>Correções não ajustadas: %1</translation>
    </message>
    <message>
        <source>strike in line with A and %1, outside the segment between them, where the difference is largest</source>
        <translation>golpeie na reta de A e %1, fora do segmento entre eles, onde a diferença é maior</translation>
    </message>
    <message>
        <source>its delay or its uncertainty is not known</source>
        <translation>seu atraso ou sua incerteza não é conhecido</translation>
    </message>
    <message>
        <source>the strike is nearly as far from %1 as from A (difference %2 mm), so its delay cannot tell the velocity; %3</source>
        <translation>o golpe está quase tão longe de %1 quanto de A (diferença %2 mm), então seu atraso não diz a velocidade; %3</translation>
    </message>
    <message>
        <source>its difference (%1 mm) is too small for about %2 mm/s: one delay uncertainty changes its velocity by %3 %, more than %4 %; %5</source>
        <translation>sua diferença (%1 mm) é pequena demais para cerca de %2 mm/s: uma incerteza do atraso muda sua velocidade em %3 %, mais que %4 %; %5</translation>
    </message>
    <message>
        <source>no strike gives more than the %1 mm between A and %2 (%3 mm needed): place the stations farther apart or record at a higher rate</source>
        <translation>nenhum golpe dá mais que os %1 mm entre A e %2 (%3 mm necessários): afaste mais as estações ou registre com amostragem maior</translation>
    </message>
    <message>
        <source>no pair can tell the velocity</source>
        <translation>nenhum par pode dizer a velocidade</translation>
    </message>
    <message>
        <source>the delays do not grow with the distance difference: check the struck points and which sensor is on which input</source>
        <translation>os atrasos não crescem com a diferença de distância: confira os pontos golpeados e qual sensor está em qual entrada</translation>
    </message>
    <message>
        <source>the strikes give sensor %1 one distance difference only, so its delay cannot be told from the velocity; strike at points nearer to A and nearer to %1</source>
        <translation>os golpes dão ao sensor %1 uma só diferença de distância, então seu atraso não se separa da velocidade; golpeie em pontos mais perto de A e mais perto de %1</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Class Results</source>
        <translation>Resultados da turma</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Adicionar pasta…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>The strike was here</source>
        <translation>O golpe foi aqui</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Add each group&apos;s run folder, or one folder holding them.</source>
        <translation>Adicione a pasta de medição de cada grupo, ou uma pasta que contenha todas.</translation>
    </message>
    <message>
        <source>A group&apos;s run folder, or a folder of them</source>
        <translation>A pasta de medição de um grupo, ou uma pasta delas</translation>
    </message>
    <message>
        <source>Folder for class.csv and class-report.pdf</source>
        <translation>Pasta para class.csv e class-report.pdf</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Off (mm)</source>
        <translation>Desvio (mm)</translation>
    </message>
    <message>
        <source>In region</source>
        <translation>Na região</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Click the map where the strike was.</source>
        <translation>Clique no mapa onde foi o golpe.</translation>
    </message>
    <message>
        <source>No group to export: add the groups&apos; folders first.</source>
        <translation>Nenhum grupo a exportar: adicione primeiro as pastas dos grupos.</translation>
    </message>
    <message>
        <source>Written: %1 and %2</source>
        <translation>Gravados: %1 e %2</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Ainda não há grupos.</translation>
    </message>
    <message>
        <source>Groups: %1, located: %2   (times: det detected, drag dragged)</source>
        <translation>Grupos: %1, localizados: %2   (tempos: det detectado, arr arrastado)</translation>
    </message>
    <message>
        <source>Mean epicenter: %1, %2 mm   standard deviations: x %3 mm, y %4 mm</source>
        <translation>Epicentro médio: %1; %2 mm   desvios-padrão: x %3 mm, y %4 mm</translation>
    </message>
    <message>
        <source>Struck at %1, %2 mm   median distance: %3</source>
        <translation>Golpe em %1; %2 mm   distância mediana: %3</translation>
    </message>
    <message>
        <source>The struck point lies in the region of %1 of %2 groups (%3 %)</source>
        <translation>O ponto golpeado está na região de %1 de %2 grupos (%3 %)</translation>
    </message>
    <message>
        <source>Struck point not known: &quot;The strike was here&quot;, then click the map.</source>
        <translation>Ponto golpeado desconhecido: &quot;O golpe foi aqui&quot;, depois clique no mapa.</translation>
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
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
</context>
<context>
    <name>TPLCommonPropertiesForm</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
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
        <translation>Preto</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Nop</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Inverter fundo</translation>
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
        <translation>Traço OU não fundo</translation>
    </message>
    <message>
        <source>Mask Pen Not</source>
        <translation>Traço E não fundo</translation>
    </message>
    <message>
        <source>Merge Not Pen</source>
        <translation>Não traço OU fundo</translation>
    </message>
    <message>
        <source>Mask Not Pen</source>
        <translation>Não traço E fundo</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Traço OU fundo</translation>
    </message>
    <message>
        <source>Not Merge</source>
        <translation>Traço NOR fundo</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Traço E fundo</translation>
    </message>
    <message>
        <source>Not Mask</source>
        <translation>Traço NAND fundo</translation>
    </message>
    <message>
        <source>Xor</source>
        <translation>Traço XOR fundo</translation>
    </message>
    <message>
        <source>Not Xor</source>
        <translation>Traço XNOR fundo</translation>
    </message>
</context>
<context>
    <name>TPenStyle</name>
    <message>
        <source>Solid</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Tracejado</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Pontilhado</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Traço-ponto</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Traço-ponto-ponto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <translation>Dentro da moldura</translation>
    </message>
</context>
<context>
    <name>TPicture</name>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensão de arquivo de imagem desconhecida (.%1)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não foi possível abrir o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Picture file &quot;%1&quot; is too large</source>
        <translation>O arquivo de imagem &quot;%1&quot; é grande demais</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Não foi possível ler o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture the program can read: it does not hold a %2 image.</source>
        <translation>&quot;%1&quot; não é uma imagem que o programa consiga ler: não contém uma imagem %2.</translation>
    </message>
    <message>
        <source>%1 picture is too large (%2 x %3 pixels)</source>
        <translation>Imagem %1 grande demais (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>%1 picture is not valid: %2</source>
        <translation>Imagem %1 inválida: %2</translation>
    </message>
    <message>
        <source>Vector picture is not valid</source>
        <translation>Imagem vetorial inválida</translation>
    </message>
    <message>
        <source>Metafile error: the picture could not be drawn</source>
        <translation>Erro de metarquivo: a imagem não pôde ser desenhada</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Formato de imagem desconhecido</translation>
    </message>
    <message>
        <source>Unknown picture class %1</source>
        <translation>Classe de imagem desconhecida %1</translation>
    </message>
</context>
<context>
    <name>TSLBrushForm</name>
    <message>
        <source>Brush</source>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Cor...</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Estilo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Zero</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Acima</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abaixo</translation>
    </message>
</context>
<context>
    <name>TSLCollectionPageForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid name: give a name that is not empty.</source>
        <translation>&apos;%1&apos; não é um nome válido: dê um nome que não esteja vazio.</translation>
    </message>
</context>
<context>
    <name>TSLDataDisplay</name>
    <message>
        <source>The display could not be printed.</source>
        <translation>Não foi possível imprimir a tela.</translation>
    </message>
    <message>
        <source>the display has no size</source>
        <translation>a tela não tem tamanho</translation>
    </message>
    <message>
        <source>The image could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Não foi possível salvar a imagem em &quot;%1&quot;: %2.</translation>
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
        <translation>&amp;Visível</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Traço...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Pincel...</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Eixo &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Eixo &amp;Y</translation>
    </message>
    <message>
        <source> Channlels </source>
        <translation> Canais </translation>
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
        <translation>Destaque</translation>
    </message>
    <message>
        <source>&amp;Highlight inside</source>
        <translation>&amp;Destacar dentro</translation>
    </message>
    <message>
        <source>The channel selected under Channels is drawn over a band in the ellipse&apos;s pen colour where it runs inside the ellipse.</source>
        <translation>O canal escolhido em Canais é desenhado sobre uma faixa na cor do traço da elipse onde passa dentro dela.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>&amp;Mark samples inside</source>
        <translation>&amp;Marcar amostras dentro</translation>
    </message>
    <message>
        <source>The samples of the channel selected under Channels that lie inside the ellipse are marked with dots.</source>
        <translation>As amostras do canal escolhido em Canais que ficam dentro da elipse são marcadas com pontos.</translation>
    </message>
</context>
<context>
    <name>TSLDisplayMarkerShape</name>
    <message>
        <source>Point</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrado</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losango</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>Triangle Up</source>
        <translation>Triâng. cima</translation>
    </message>
    <message>
        <source>Triangle Down</source>
        <translation>Triâng. baixo</translation>
    </message>
    <message>
        <source>Triangle Left</source>
        <translation>Triâng. esq.</translation>
    </message>
    <message>
        <source>Triangle Right</source>
        <translation>Triâng. dir.</translation>
    </message>
    <message>
        <source>H Line</source>
        <translation>Linha H</translation>
    </message>
    <message>
        <source>V Line</source>
        <translation>Linha V</translation>
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
        <translation>Imagem JPEG (*.jpg)</translation>
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
        <translation>&amp;Visível</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Traço...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Pincel...</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Eixo &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Eixo &amp;Y</translation>
    </message>
    <message>
        <source>&amp;Points</source>
        <translation>&amp;Pontos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source> Point </source>
        <translation> Ponto </translation>
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
        <translation>&amp;Canais</translation>
    </message>
</context>
<context>
    <name>TSLPenForm</name>
    <message>
        <source>the pen width</source>
        <translation>a espessura do traço</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Traço</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Cor...</translation>
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
        <translation>&amp;Largura</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>&apos;%1&apos; não é um número válido para %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for %2: give a whole number from %3 to %4.</source>
        <translation>&apos;%1&apos; não é um valor válido para %2: dê um número inteiro de %3 a %4.</translation>
    </message>
</context>
<context>
    <name>TSLScopeAxesForm</name>
    <message>
        <source>X Axis</source>
        <translation>Eixo X</translation>
    </message>
    <message>
        <source>Y Axis</source>
        <translation>Eixo Y</translation>
    </message>
    <message>
        <source>the minimum</source>
        <translation>o mínimo</translation>
    </message>
    <message>
        <source>the maximum</source>
        <translation>o máximo</translation>
    </message>
    <message>
        <source>The minimum (%1) must be below the maximum (%2).</source>
        <translation>O mínimo (%1) deve ser menor que o máximo (%2).</translation>
    </message>
    <message>
        <source>The range %1 to %2 is too wide or too narrow to be shown.</source>
        <translation>O intervalo de %1 a %2 é largo ou estreito demais para ser mostrado.</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Eixos</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visível</translation>
    </message>
    <message>
        <source>&amp;Scale Mode:</source>
        <translation>E&amp;scala:</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
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
        <translation> Rótulo </translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Rótulo</translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isível</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fonte...</translation>
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
        <translation>a espessura</translation>
    </message>
    <message>
        <source>the point size</source>
        <translation>o tamanho do ponto</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visível</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Cor...</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largura</translation>
    </message>
    <message>
        <source>&amp;Shade</source>
        <translation>&amp;Sombra</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Eixo &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Eixo &amp;Y</translation>
    </message>
    <message>
        <source> &amp;Points </source>
        <translation> &amp;Pontos </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isível</translation>
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
        <translation>&amp;Traço...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Pincel...</translation>
    </message>
    <message>
        <source>&amp;Use Channel Color</source>
        <translation>&amp;Usar cor do canal</translation>
    </message>
</context>
<context>
    <name>TSLScopeChannelLinkFormUnit</name>
    <message>
        <source>the width</source>
        <translation>a espessura</translation>
    </message>
    <message>
        <source>Channel Links</source>
        <translation>Entre canais</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visível</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;First Channel</source>
        <translation>&amp;Primeiro canal</translation>
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
        <translation>&amp;Largura</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Pincel...</translation>
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
        <translation>Linha</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Degrau</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barra</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Ponto</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorChannelLinkForm</name>
    <message>
        <source>the size</source>
        <translation>o tamanho</translation>
    </message>
    <message>
        <source>Crossing Mark</source>
        <translation>Marca de cruzamento</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forma</translation>
    </message>
    <message>
        <source>Shape of the mark where the channel crosses the cursor</source>
        <translation>Forma da marca onde o canal cruza o cursor</translation>
    </message>
    <message>
        <source>Size of the mark</source>
        <translation>Tamanho da marca</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Traço...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Pincel...</translation>
    </message>
    <message>
        <source>Font of the value written beside the mark</source>
        <translation>Fonte do valor escrito ao lado da marca</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fonte...</translation>
    </message>
    <message>
        <source>&amp;Use Channel Color</source>
        <translation>&amp;Usar cor do canal</translation>
    </message>
    <message>
        <source>Write the value beside the mark</source>
        <translation>Escrever o valor ao lado da marca</translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Rótulo</translation>
    </message>
    <message>
        <source>Text of the label: %X and %Y give the values, %% a percent sign</source>
        <translation>Texto do rótulo: %X e %Y dão os valores, %% um sinal de porcentagem</translation>
    </message>
</context>
<context>
    <name>TSLScopeCursorLinksForm</name>
    <message>
        <source>Cursor Links</source>
        <translation>Medições</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
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
        <translation> Seleção </translation>
    </message>
    <message>
        <source>Vi&amp;sible</source>
        <translation>Vi&amp;sível</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Pincel...</translation>
    </message>
    <message>
        <source> Measurment </source>
        <translation> Medida </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isível</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Cor...</translation>
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
        <translation> Rótulo </translation>
    </message>
    <message>
        <source>Visi&amp;ble</source>
        <translation>Visí&amp;vel</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fonte...</translation>
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
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>&amp;X Axis</source>
        <translation>Eixo &amp;X</translation>
    </message>
    <message>
        <source>&amp;Y Axis</source>
        <translation>Eixo &amp;Y</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visível</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Cor...</translation>
    </message>
    <message>
        <source> Channlels </source>
        <translation> Canais </translation>
    </message>
</context>
<context>
    <name>TSLScopeMerkerGroupsForm</name>
    <message>
        <source>the marker size</source>
        <translation>o tamanho do marcador</translation>
    </message>
    <message>
        <source>Marker Groups</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visível</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forma</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Ta&amp;m.</translation>
    </message>
    <message>
        <source>&amp;Pen...</source>
        <translation>&amp;Traço...</translation>
    </message>
    <message>
        <source>&amp;Brush...</source>
        <translation>&amp;Pincel...</translation>
    </message>
    <message>
        <source> Labels </source>
        <translation> Rótulos </translation>
    </message>
    <message>
        <source>V&amp;isible</source>
        <translation>V&amp;isível</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fonte...</translation>
    </message>
    <message>
        <source> Crosshairs </source>
        <translation> Retículo </translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esq.</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Acima</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abaixo</translation>
    </message>
    <message>
        <source>X Axis</source>
        <translation>Eixo X</translation>
    </message>
    <message>
        <source>Y Axis</source>
        <translation>Eixo Y</translation>
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
        <translation>Quadrado</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losango</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
</context>
<context>
    <name>TSLScopeXAxesForm</name>
    <message>
        <source>X Axes</source>
        <translation>Eixos X</translation>
    </message>
</context>
<context>
    <name>TSLScopeYAxesForm</name>
    <message>
        <source>Y Axes</source>
        <translation>Eixos Y</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>work in the lab folder DIR (given the example lab&apos;s files when it has no config.ini)</source>
        <translation>trabalhar na pasta do laboratório DIR (com os arquivos do laboratório de
exemplo quando não tiver config.ini)</translation>
    </message>
    <message>
        <source>the windows&apos; language: de, es, fr, pt_BR or en (default: the desktop&apos;s;
after --simulate: English)</source>
        <translation>o idioma das janelas: de, es, fr, pt_BR ou en (padrão: o do ambiente; após
--simulate: inglês)</translation>
    </message>
    <message>
        <source>record from the input device NAME</source>
        <translation>gravar do dispositivo de entrada NAME</translation>
    </message>
    <message>
        <source>the file the &quot;Recording&quot; device plays in a loop</source>
        <translation>o arquivo que o dispositivo &quot;Recording&quot; toca em laço</translation>
    </message>
    <message>
        <source>with --device &quot;Simulated sensors&quot;: the pulse travels at this velocity,
which the settings do not show (for measuring it)</source>
        <translation>com --device &quot;Simulated sensors&quot;: o pulso viaja a esta velocidade, que as
configurações não mostram (para medi-la)</translation>
    </message>
    <message>
        <source>with --device &quot;Simulated sensors&quot; or --simulate: clean (the default, a sharp
pulse) or realistic (unequal sensors, the floor&apos;s ringing, hum, offset,
noise and 16-bit samples, as a classroom&apos;s sound card hears them)</source>
        <translation>com --device &quot;Simulated sensors&quot; ou --simulate: clean (o padrão, um pulso
nítido) ou realistic (sensores desiguais, a vibração do piso, zumbido,
offset, ruído e amostras de 16 bits, como a placa de som de uma sala de aula
os ouve)</translation>
    </message>
    <message>
        <source>the realistic sensors&apos; signal-to-noise ratio, 0 to 80 dB (default 26)</source>
        <translation>a relação sinal-ruído dos sensores realistas, de 0 a 80 dB (padrão 26)</translation>
    </message>
    <message>
        <source>write a picture of each window into DIR and exit (after --simulate:
the acquisition window recorded and the map with the epicenter)</source>
        <translation>gravar uma imagem de cada janela em DIR e sair (após --simulate: a janela de
aquisição registrada e o mapa com o epicentro)</translation>
    </message>
    <message>
        <source>print the names of the input devices and exit</source>
        <translation>mostrar os nomes dos dispositivos de entrada e sair</translation>
    </message>
    <message>
        <source>run the whole experiment on simulated sensors struck at (X, Y) mm (--pick
METHOD: find the times by level, onset or correlation instead of the lab&apos;s
method)</source>
        <translation>fazer o experimento todo com sensores simulados golpeados em (X, Y) mm
(--pick METHOD: achar os tempos por nível, início ou correlação em vez do
método do laboratório)</translation>
    </message>
    <message>
        <source>find the epicenter of four arrival times in seconds</source>
        <translation>achar o epicentro de quatro tempos de chegada em segundos</translation>
    </message>
    <message>
        <source>find the times and the epicenter of a saved run folder (--pick METHOD: find
the times not saved by level, onset or correlation; --report FILE.pdf: also
write its one-page report)</source>
        <translation>achar os tempos e o epicentro de uma pasta de medição salva (--pick METHOD:
achar os tempos não salvos por nível, início ou correlação;
--report FILE.pdf: gravar também seu relatório de uma página)</translation>
    </message>
    <message>
        <source>measure the pulse velocity and the sensors&apos; delays from run folders struck
at known points (their [STRIKE] point, or --strike X Y mm)</source>
        <translation>medir a velocidade do pulso e os atrasos dos sensores a partir de pastas de
medição golpeadas em pontos conhecidos (seu ponto [STRIKE], ou
--strike X Y mm)</translation>
    </message>
    <message>
        <source>pool the groups&apos; run folders (or folders of them): each group&apos;s epicenter,
the class&apos;s mean and spread (--report FILE.pdf, --csv FILE: also write them)</source>
        <translation>reunir as pastas de medição dos grupos (ou pastas delas): o epicentro de
cada grupo, a média e a dispersão da turma (--report FILE.pdf, --csv FILE:
gravá-los também)</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>mostrar esta ajuda e sair</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>mostrar a versão e sair</translation>
    </message>
    <message>
        <source>options:</source>
        <translation>opções:</translation>
    </message>
    <message>
        <source>--locate, --analyze, --velocity, --class and --simulate come first; only --simulate takes a leading --lab.</source>
        <translation>--locate, --analyze, --velocity, --class e --simulate vêm primeiro; só --simulate aceita --lab antes.</translation>
    </message>
</context>
</TS>
