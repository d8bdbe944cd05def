<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Undo the last spin</source>
        <translation>Deshacer la última tirada</translation>
    </message>
    <message>
        <source>Save the spins</source>
        <translation>Guardar las tiradas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nueva sesión</translation>
    </message>
    <message>
        <source>Analysis at work</source>
        <translation>Análisis en curso</translation>
    </message>
    <message>
        <source>Number board</source>
        <translation>Tablero de números</translation>
    </message>
    <message>
        <source>Last numbers</source>
        <translation>Últimos números</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>SAFE LEVEL lamp</source>
        <translation>Lámpara SAFE LEVEL</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Base stake</source>
        <translation>Apuesta base</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Betting system</source>
        <translation>Sistema de apuestas</translation>
    </message>
    <message>
        <source>Reset bets</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Recalcular</translation>
    </message>
    <message>
        <source>Create matrix</source>
        <translation>Crear matriz</translation>
    </message>
    <message>
        <source>Reset matrix</source>
        <translation>Descartar matriz</translation>
    </message>
    <message>
        <source>SAFE LEVEL</source>
        <translation>SAFE LEVEL</translation>
    </message>
    <message>
        <source>Cat rows</source>
        <translation>Cat.Rows</translation>
    </message>
    <message>
        <source>Show bet</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>UP-TRENDER</source>
        <translation>UP-TRENDER</translation>
    </message>
    <message>
        <source>Automatic reset</source>
        <translation>Reinicio automático</translation>
    </message>
    <message>
        <source>Minimal profit</source>
        <translation>Ganancia mínima</translation>
    </message>
    <message>
        <source>Session limits</source>
        <translation>Límites de la sesión</translation>
    </message>
    <message>
        <source>Why the limit is refused</source>
        <translation>Por qué se rechaza el límite</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Stop loss</source>
        <translation>Stop-loss</translation>
    </message>
    <message>
        <source>Take profit</source>
        <translation>Take-profit</translation>
    </message>
    <message>
        <source>Table maximum</source>
        <translation>Máximo de la mesa</translation>
    </message>
    <message>
        <source>Most losses in a row</source>
        <translation>Máximo de pérdidas seguidas</translation>
    </message>
    <message>
        <source>Bet held back</source>
        <translation>Apuesta retenida</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continuar de todos modos</translation>
    </message>
    <message>
        <source>Add spins</source>
        <translation>Añadir tiradas</translation>
    </message>
    <message>
        <source>Betting systems editor</source>
        <translation>Editor de sistemas de apuestas</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>La más reciente primero</translation>
    </message>
    <message>
        <source>Read spins from a file</source>
        <translation>Leer tiradas de un archivo</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Columna del archivo</translation>
    </message>
    <message>
        <source>Enter the spins</source>
        <translation>Introducir las tiradas</translation>
    </message>
    <message>
        <source>Quick analysis</source>
        <translation>Análisis rápido</translation>
    </message>
</context>
<context>
    <name>AddSpinsDialog</name>
    <message>
        <source>Vellaro — Add spins</source>
        <translation>Vellaro — Añadir tiradas</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>La más reciente primero</translation>
    </message>
    <message>
        <source>File…</source>
        <translation>Archivo…</translation>
    </message>
    <message>
        <source>Spins from a file</source>
        <translation>Tiradas de un archivo</translation>
    </message>
    <message>
        <source>Spins (*.txt *.csv);;All files (*)</source>
        <translation>Tiradas (*.txt *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The numbers that came out, oldest first, separated by spaces, commas, semicolons or new lines; at most %1 at once.</source>
        <translation>Los números que han salido, el más antiguo primero, separados por espacios, comas, puntos y comas o saltos de línea; como máximo %1 a la vez.</translation>
    </message>
    <message>
        <source>Enter 1 spin: %1</source>
        <translation>Introducir 1 tirada: %1</translation>
    </message>
    <message>
        <source>Enter %1 spins: %2 … %3</source>
        <translation>Introducir %1 tiradas: %2 … %3</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Introducir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The column of spins, as found</source>
        <translation>La columna de tiradas encontrada</translation>
    </message>
    <message>
        <source>The list you entered last, %1, is in the box again. Enter it a second time?</source>
        <translation>La última lista introducida, %1, está otra vez en el cuadro. ¿Introducirla una segunda vez?</translation>
    </message>
    <message>
        <source>Enter again</source>
        <translation>Introducir de nuevo</translation>
    </message>
    <message>
        <source>Do not enter</source>
        <translation>No introducir</translation>
    </message>
    <message>
        <source>Enter starts a new line; Ctrl+Enter enters the list.</source>
        <translation>Intro empieza una línea nueva; Ctrl+Intro introduce la lista.</translation>
    </message>
    <message>
        <source>From column &apos;%1&apos; (%2 of %3):</source>
        <translation>De la columna &apos;%1&apos; (%2 de %3):</translation>
    </message>
    <message>
        <source>The copied text is larger than %1 MB: too large for a list of spins.</source>
        <translation>El texto copiado supera los %1 MB: demasiado grande para una lista de tiradas.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Bet %1 on %2</source>
        <translation>Apuesta %1 a %2</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>News said as it comes: a bet shown, a limit that holds the next bet back, the journal gone off.</source>
        <translation>Avisos leídos en cuanto llegan: una apuesta mostrada, un límite que retiene la próxima apuesta, el diario desactivado.</translation>
    </message>
</context>
<context>
    <name>BoardKeys</name>
    <message>
        <source>Number board</source>
        <translation>Tablero de números</translation>
    </message>
    <message>
        <source>Arrow keys move over the numbers, Enter or Space enters the one in focus</source>
        <translation>Las flechas recorren los números; Intro o Espacio introduce el que tiene el foco</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A number of the board as a screen reader says it: &quot;17 black&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: vellaro [OPTION]
Opens the Vellaro window, a betting assistant for single-zero roulette: click the
number of each spin on the number board, and Vellaro shows one of the six
even-money chances with a stake from the betting system you picked. It places no
bets itself, and no analysis changes the house edge of 1/37.

Options:
  --help       show this help and exit
  --version    show the version and exit
  --lang LANG  show the window in LANG (de, fr, ...), not the system&apos;s language

Qt&apos;s own options, such as -platform NAME or -display DISPLAY, are accepted too.
</source>
        <translation>Uso: vellaro [OPCIÓN]
Abre la ventana de Vellaro, un asistente de apuestas para la ruleta de un solo
cero: haga clic en el número de cada tirada en el tablero de números, y Vellaro
muestra una de las seis suertes sencillas con una apuesta del sistema elegido.
No apuesta nada por sí mismo, y ningún análisis cambia la ventaja de la casa de 1/37.

Opciones:
  --help       mostrar esta ayuda y salir
  --version    mostrar la versión y salir
  --lang LANG  mostrar la ventana en LANG (de, fr, ...), no en el idioma del sistema

También se aceptan las opciones propias de Qt, como -platform NOMBRE o -display PANTALLA.
</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>unit</source>
        <translation>unidad</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unidades</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>tirada</translation>
    </message>
    <message>
        <source>spins</source>
        <translation>tiradas</translation>
    </message>
    <message>
        <source>shown loss</source>
        <translation>pérdida mostrada</translation>
    </message>
    <message>
        <source>shown losses</source>
        <translation>pérdidas mostradas</translation>
    </message>
    <message>
        <source>bet</source>
        <translation>apuesta</translation>
    </message>
    <message>
        <source>bets</source>
        <translation>apuestas</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>acierto</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>aciertos</translation>
    </message>
</context>
<context>
    <name>EndEvening</name>
    <message>
        <source>End this evening — %1, net %2 — and %3?</source>
        <translation>¿Terminar esta velada — %1, neto %2 — y %3?</translation>
    </message>
    <message>
        <source>End it</source>
        <translation>Terminarla</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Seguir jugando</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>EveningSaving</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>No spin yet: there is no chart to save.</source>
        <translation>Todavía no hay ninguna tirada: no hay gráfico que guardar.</translation>
    </message>
    <message>
        <source>Could not save %1 as a PNG picture.</source>
        <translation>No se pudo guardar %1 como imagen PNG.</translation>
    </message>
</context>
<context>
    <name>JournalReading</name>
    <message>
        <source>The journal cannot be read: %1</source>
        <translation>No se puede leer el diario: %1</translation>
    </message>
    <message>
        <source>The sessions that still read are listed.</source>
        <translation>Se muestran las sesiones que aún se pueden leer.</translation>
    </message>
    <message>
        <source>Your system</source>
        <translation>Su sistema</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4 shown  net %5</source>
        <translation>%1  %2  %3  %4 mostradas  neto %5</translation>
    </message>
</context>
<context>
    <name>KeyboardEntry</name>
    <message>
        <source>%1 is not on the wheel</source>
        <translation>%1 no está en la rueda</translation>
    </message>
    <message>
        <source>Typed: %1 (Enter to play, Esc to clear)</source>
        <translation>Tecleado: %1 (Intro para jugar, Esc para borrar)</translation>
    </message>
</context>
<context>
    <name>LimitEntry</name>
    <message>
        <source>“%1” refused for the %2: %3. Empty turns it off.</source>
        <translation>«%1» rechazado para %2: %3. Vacío lo desactiva.</translation>
    </message>
    <message>
        <source>whole numbers only</source>
        <translation>solo números enteros</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
</context>
<context>
    <name>LimitsArea</name>
    <message>
        <source>Continue anyway</source>
        <translation>Continuar de todos modos</translation>
    </message>
</context>
<context>
    <name>LimitsDialog</name>
    <message>
        <source>Session limits</source>
        <translation>Límites de la sesión</translation>
    </message>
    <message>
        <source>Whole numbers; empty = off.</source>
        <translation>Números enteros; vacío = desactivado.</translation>
    </message>
    <message>
        <source>BANKROLL:</source>
        <translation>CAPITAL:</translation>
    </message>
    <message>
        <source>unit brought</source>
        <translation>unidad traída</translation>
    </message>
    <message>
        <source>units brought</source>
        <translation>unidades traídas</translation>
    </message>
    <message>
        <source>STOP-LOSS:</source>
        <translation>STOP-LOSS:</translation>
    </message>
    <message>
        <source>unit lost</source>
        <translation>unidad perdida</translation>
    </message>
    <message>
        <source>units lost</source>
        <translation>unidades perdidas</translation>
    </message>
    <message>
        <source>TAKE-PROFIT:</source>
        <translation>TAKE-PROFIT:</translation>
    </message>
    <message>
        <source>unit won</source>
        <translation>unidad ganada</translation>
    </message>
    <message>
        <source>units won</source>
        <translation>unidades ganadas</translation>
    </message>
    <message>
        <source>TABLE MAXIMUM:</source>
        <translation>MÁXIMO DE LA MESA:</translation>
    </message>
    <message>
        <source>unit a stake</source>
        <translation>unidad por apuesta</translation>
    </message>
    <message>
        <source>units a stake</source>
        <translation>unidades por apuesta</translation>
    </message>
    <message>
        <source>LOSSES IN A ROW:</source>
        <translation>PÉRDIDAS SEGUIDAS:</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>como máximo</translation>
    </message>
    <message>
        <source>SESSION LIMITS</source>
        <translation>LÍMITES DE LA SESIÓN</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Session panel (Ctrl+P)</source>
        <translation>Panel de sesión (Ctrl+P)</translation>
    </message>
    <message>
        <source>The session panel cannot be loaded: %1</source>
        <translation>No se puede cargar el panel de sesión: %1</translation>
    </message>
</context>
<context>
    <name>MessageLine</name>
    <message>
        <source>Bet held back — </source>
        <translation>Apuesta retenida — </translation>
    </message>
    <message>
        <source>Refused: </source>
        <translation>Rechazado: </translation>
    </message>
</context>
<context>
    <name>OptionsArea</name>
    <message>
        <source>Spins the matrix learns from</source>
        <translation>Tiradas de las que aprende la matriz</translation>
    </message>
    <message>
        <source>BET:</source>
        <translation>BASE:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>MODO DE JUEGO:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>SISTEMA:</translation>
    </message>
    <message>
        <source>Systems…</source>
        <translation>Sistemas…</translation>
    </message>
    <message>
        <source>SAFE LEVEL:</source>
        <translation>SAFE LEVEL:</translation>
    </message>
</context>
<context>
    <name>PlayerGuide</name>
    <message>
        <source>Vellaro — Player&apos;s guide</source>
        <translation>Vellaro — Guía del jugador</translation>
    </message>
    <message>
        <source>What Vellaro shows and how an evening runs.</source>
        <translation>Qué muestra Vellaro y cómo transcurre una velada.</translation>
    </message>
    <message>
        <source>The player&apos;s guide (F1): what the window shows, each mode and system in plain words, the limits, and the keyboard: Tab and Shift+Tab go from control to control, Space or Enter presses it, the arrow keys move over the board and Enter enters the number; digits and Enter, Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y, Ctrl+S, Ctrl+P and F1 anywhere.</source>
        <translation>La guía del jugador (F1): lo que muestra la ventana, cada modo y cada sistema en palabras sencillas, los límites y el teclado: Tab y Mayús+Tab pasan de un control a otro, Espacio o Intro lo pulsa, las flechas recorren el tablero e Intro introduce el número; dígitos e Intro, Ctrl+Z, Ctrl+Mayús+Z o Ctrl+Y, Ctrl+S, Ctrl+P y F1 en cualquier lugar.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>First recommendation on the next spin</source>
        <translation>Primera recomendación en la próxima tirada</translation>
    </message>
    <message>
        <source>First recommendation in %1</source>
        <translation>Primera recomendación en %1</translation>
    </message>
    <message>
        <source>MATRIX column %1 · spin %2</source>
        <translation>MATRIX columna %1 · tirada %2</translation>
    </message>
    <message>
        <source>MATRIX learning: %1 left</source>
        <translation>MATRIX aprendiendo: faltan %1</translation>
    </message>
    <message>
        <source>Spin %1</source>
        <translation>Tirada %1</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
</context>
<context>
    <name>SessionChart</name>
    <message>
        <source>Net result of the shown bets, from 0 (units)</source>
        <translation>Resultado neto de las apuestas mostradas, desde 0 (unidades)</translation>
    </message>
    <message>
        <source>Spins shown:</source>
        <translation>Tiradas mostradas:</translation>
    </message>
    <message>
        <source>the whole session</source>
        <translation>toda la sesión</translation>
    </message>
    <message>
        <source>the last %1</source>
        <translation>las últimas %1</translation>
    </message>
    <message>
        <source>what-if lines of the systems (dashed; yours solid)</source>
        <translation>líneas «y si» de los sistemas (discontinuas; la suya continua)</translation>
    </message>
    <message>
        <source>net result</source>
        <translation>resultado neto</translation>
    </message>
    <message>
        <source>stake (right axis)</source>
        <translation>apuesta (eje derecho)</translation>
    </message>
    <message>
        <source>won</source>
        <translation>ganada</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdida</translation>
    </message>
    <message>
        <source>reset or setting</source>
        <translation>reinicio o ajuste</translation>
    </message>
    <message>
        <source>spins played</source>
        <translation>tiradas jugadas</translation>
    </message>
    <message>
        <source>stake</source>
        <translation>apuesta</translation>
    </message>
</context>
<context>
    <name>SessionPanel</name>
    <message>
        <source>Vellaro — Session</source>
        <translation>Vellaro — Sesión</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Sesión:</translation>
    </message>
    <message>
        <source>This evening, or a past session from the journal, replayed through the same engine</source>
        <translation>Esta velada, o una sesión anterior del diario, reproducida con el mismo motor</translation>
    </message>
    <message>
        <source>This evening</source>
        <translation>Esta velada</translation>
    </message>
    <message>
        <source>Continue this evening</source>
        <translation>Continuar esta velada</translation>
    </message>
    <message>
        <source>Play on with the session on show: it becomes the evening in the main window again, exactly where it stood, and goes on in the journal as the same session. The evening in the window now is ended first, after asking.</source>
        <translation>Seguir jugando con la sesión mostrada: vuelve a ser la velada de la ventana principal, exactamente donde estaba, y continúa en el diario como la misma sesión. La velada que está ahora en la ventana se termina antes, tras preguntar.</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Guardar informe…</translation>
    </message>
    <message>
        <source>The evening on show as one HTML page with its chart and statistics, as vellaro-sim --report writes it</source>
        <translation>La velada mostrada como una página HTML con su gráfico y sus estadísticas, tal como la escribe vellaro-sim --report</translation>
    </message>
    <message>
        <source>Save the report page</source>
        <translation>Guardar la página del informe</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Página web (*.html)</translation>
    </message>
    <message>
        <source>Save chart…</source>
        <translation>Guardar gráfico…</translation>
    </message>
    <message>
        <source>The chart as a PNG picture, or as SVG</source>
        <translation>El gráfico como imagen PNG, o como SVG</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Guardar el gráfico</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>Imagen PNG (*.png);;Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>What chance alone has done so far. Spins are independent: none of this predicts the next spin. Each chance is expected %1 of the time.</source>
        <translation>Lo que el azar por sí solo ha hecho hasta ahora. Las tiradas son independientes: nada de esto predice la próxima tirada. Se espera cada suerte el %1 de las veces.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Racha actual</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Racha más larga</translation>
    </message>
    <message>
        <source>Spins since</source>
        <translation>Tiradas desde</translation>
    </message>
    <message>
        <source>Chances and numbers</source>
        <translation>Suertes y números</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Lost in total</source>
        <translation>Perdido en total</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Riesgo</translation>
    </message>
    <message>
        <source>What-if</source>
        <translation>Y si</translation>
    </message>
    <message>
        <source>No stored sessions (no journal yet).</source>
        <translation>No hay sesiones guardadas (todavía no hay diario).</translation>
    </message>
    <message>
        <source>No stored sessions.</source>
        <translation>No hay sesiones guardadas.</translation>
    </message>
    <message>
        <source>1 stored session.</source>
        <translation>1 sesión guardada.</translation>
    </message>
    <message>
        <source>%1 stored sessions.</source>
        <translation>%1 sesiones guardadas.</translation>
    </message>
    <message>
        <source>Replaying session %1…</source>
        <translation>Reproduciendo la sesión %1…</translation>
    </message>
    <message>
        <source>Session %1 cannot be shown: %2</source>
        <translation>No se puede mostrar la sesión %1: %2</translation>
    </message>
    <message>
        <source>Session %1, replayed from the journal.</source>
        <translation>Sesión %1, reproducida desde el diario.</translation>
    </message>
    <message>
        <source>Session %1&apos;s spins replayed under each betting system, its other settings and their changes kept. Shown bets only, from 0. Spins are independent: what a system would have made of past spins says nothing about the next ones.</source>
        <translation>Las tiradas de la sesión %1 reproducidas con cada sistema de apuestas, conservando sus demás ajustes y sus cambios. Solo apuestas mostradas, desde 0. Las tiradas son independientes: lo que un sistema habría hecho con tiradas pasadas no dice nada de las siguientes.</translation>
    </message>
    <message>
        <source>Zeros: %1 of %2</source>
        <translation>Ceros: %1 de %2</translation>
    </message>
    <message>
        <source>Are the 37 numbers as even as a fair wheel leaves them? Chi-square %1 on %2 degrees of freedom, p = %3. %4</source>
        <translation>¿Están los 37 números tan igualados como los deja una rueda justa? Chi cuadrado %1 con %2 grados de libertad, p = %3. %4</translation>
    </message>
    <message>
        <source>The test of the 37 numbers needs %1 spins (5 per number); before that it would say nothing honest.</source>
        <translation>La prueba de los 37 números necesita %1 tiradas (5 por número); antes no diría nada honesto.</translation>
    </message>
    <message>
        <source>this panel is not the window&apos;s</source>
        <translation>este panel no es de la ventana</translation>
    </message>
</context>
<context>
    <name>SessionReadout</name>
    <message>
        <source>Net result of the shown bets, from 0: %1 %2</source>
        <translation>Resultado neto de las apuestas mostradas, desde 0: %1 %2</translation>
    </message>
    <message>
        <source>
Bet on show: %1
If it loses, the next stake: %2</source>
        <translation>
Apuesta mostrada: %1
Si pierde, la próxima apuesta: %2</translation>
    </message>
    <message>
        <source>Spins %1  Net %2</source>
        <translation>Tiradas %1  Neto %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Vellaro is already running: its window has been brought forward.</source>
        <translation>Vellaro ya está en marcha: su ventana se ha traído al frente.</translation>
    </message>
    <message>
        <source>Vellaro is already running with the data folder %1, and did not answer.</source>
        <translation>Vellaro ya está en marcha con la carpeta de datos %1 y no ha respondido.</translation>
    </message>
</context>
<context>
    <name>SystemBox</name>
    <message>
        <source> (error)</source>
        <translation> (error)</translation>
    </message>
</context>
<context>
    <name>SystemEditor</name>
    <message>
        <source>Betting systems</source>
        <translation>Sistemas de apuestas</translation>
    </message>
    <message>
        <source>New betting system</source>
        <translation>Nuevo sistema de apuestas</translation>
    </message>
    <message>
        <source>Name of the system:</source>
        <translation>Nombre del sistema:</translation>
    </message>
    <message>
        <source>Next stake</source>
        <translation>Próxima apuesta</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Nuevo…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>A preset: read only. &quot;Save as…&quot; makes a copy of your own.</source>
        <translation>Una plantilla: solo lectura. «Guardar como…» crea una copia propia.</translation>
    </message>
    <message>
        <source>A name needs a letter or a digit.</source>
        <translation>Un nombre necesita una letra o una cifra.</translation>
    </message>
    <message>
        <source>%1 already exists: open it from the list.</source>
        <translation>%1 ya existe: ábralo desde la lista.</translation>
    </message>
    <message>
        <source>My system</source>
        <translation>Mi sistema</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source> (preset)</source>
        <translation> (plantilla)</translation>
    </message>
    <message>
        <source> (error)</source>
        <translation> (error)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source> (mine)</source>
        <translation> (propio)</translation>
    </message>
    <message>
        <source># A betting system of your own: see &quot;Your own betting systems&quot; in the guide (F1).</source>
        <translation># Un sistema de apuestas propio: vea «Sus propios sistemas de apuestas» en la guía (F1).</translation>
    </message>
    <message>
        <source>win</source>
        <translation>ganancia</translation>
    </message>
    <message>
        <source>The stake after 1 to 10 losses in a row from the start (with SAFE LEVEL 0), and after a win, times your base stake. How far the stakes climb is the risk; the house keeps 1 unit in 37 of every stake whatever they are.</source>
        <translation>La apuesta tras 1 a 10 pérdidas seguidas desde el principio (con SAFE LEVEL 0), y tras una ganancia, en veces su apuesta base. Hasta dónde suben las apuestas es el riesgo; la casa se queda 1 unidad de cada 37 de toda apuesta, sean cuales sean.</translation>
    </message>
    <message>
        <source>Changed: not saved yet.</source>
        <translation>Modificado: aún no guardado.</translation>
    </message>
    <message>
        <source> (the first of %1 errors)</source>
        <translation> (el primero de %1 errores)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Saved to %1, with an error: %2. It cannot be chosen until it is put right.</source>
        <translation>Guardado en %1, con un error: %2. No se puede elegir hasta que se corrija.</translation>
    </message>
    <message>
        <source>Saved to %1, with %2 errors; the first: %3. It cannot be chosen until they are put right.</source>
        <translation>Guardado en %1, con %2 errores; el primero: %3. No se puede elegir hasta que se corrijan.</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source> Spins of a fair wheel are independent: no analysis can foresee the next one, and the house keeps 1 unit in 37 of everything staked whatever you choose.</source>
        <translation> Las tiradas de una ruleta justa son independientes: ningún análisis puede prever la siguiente, y la banca se queda con 1 unidad de cada 37 de todo lo apostado, elija lo que elija.</translation>
    </message>
    <message>
        <source>Enter the number that came out (or type it and press Enter). Locked while an analysis runs; a number just taken back by the undo is crossed out.</source>
        <translation>Introduzca el número que ha salido (o escríbalo y pulse Intro). Bloqueado mientras se ejecuta un análisis; un número recién retirado con deshacer aparece tachado.</translation>
    </message>
    <message>
        <source>The last numbers entered, the newest on the left.</source>
        <translation>Los últimos números introducidos, el más reciente a la izquierda.</translation>
    </message>
    <message>
        <source>The chance to bet on now and the stake in units of your base stake: place it yourself, Vellaro places nothing. It is settled at the next spin.</source>
        <translation>La suerte a la que apostar ahora y la apuesta en unidades de su apuesta base: colóquela usted mismo, Vellaro no apuesta nada. Se liquida en la próxima tirada.</translation>
    </message>
    <message>
        <source>An even-money chance: it pays 1 to 1, and 0 loses it.</source>
        <translation>Una suerte sencilla: paga 1 a 1, y con el 0 se pierde.</translation>
    </message>
    <message>
        <source>TREND: click to turn this chance&apos;s trend switch on or off. While on, a recommendation of the opposite chance is turned to this one. It changes which chance you see, not your odds.</source>
        <translation>TREND: haga clic para activar o desactivar el interruptor de tendencia de esta suerte. Mientras está activado, una recomendación de la suerte opuesta se cambia a esta. Cambia qué suerte ve, no sus probabilidades.</translation>
    </message>
    <message>
        <source>SAFE LEVEL lamp: it follows the recommendations lost in a row, and is off while the SAFE LEVEL is 0 (every recommendation is then shown as a bet). Dark: the losses in a row are two or more short of the SAFE LEVEL; no bet is shown. Green: they are one short, or have reached it. Green is not a bet: a bet, its chip and stake, is shown only once the losses in a row have reached the SAFE LEVEL, so one short the lamp is green and no bet is shown yet. Waiting for losses does not make a win more likely.</source>
        <translation>Lámpara SAFE LEVEL: sigue las recomendaciones perdidas seguidas y está apagada mientras el SAFE LEVEL es 0 (entonces cada recomendación se muestra como apuesta). Oscura: a las pérdidas seguidas les faltan dos o más para el SAFE LEVEL; no se muestra ninguna apuesta. Verde: les falta una, o lo han alcanzado. Verde no es una apuesta: una apuesta, con su ficha y su importe, se muestra solo cuando las pérdidas seguidas han alcanzado el SAFE LEVEL, así que cuando falta una la lámpara está verde y todavía no se muestra ninguna apuesta. Esperar pérdidas no hace más probable una ganancia.</translation>
    </message>
    <message>
        <source>Open or close the options area.</source>
        <translation>Abrir o cerrar el área de opciones.</translation>
    </message>
    <message>
        <source>Take back the last number entered (Ctrl+Z); Ctrl+Shift+Z or Ctrl+Y brings it back until anything else changes. Offered once after each spin; greyed when there is nothing to take back.</source>
        <translation>Retirar el último número introducido (Ctrl+Z); Ctrl+Mayús+Z o Ctrl+Y lo devuelve mientras no cambie nada más. Se ofrece una vez tras cada tirada; en gris cuando no hay nada que retirar.</translation>
    </message>
    <message>
        <source>Save the numbers of this game to a text file (Ctrl+S).</source>
        <translation>Guardar los números de esta partida en un archivo de texto (Ctrl+S).</translation>
    </message>
    <message>
        <source>Close Vellaro. Your settings and this session are kept: the session goes on where it stood when Vellaro starts again.</source>
        <translation>Cerrar Vellaro. Sus ajustes y esta sesión se conservan: la sesión continúa donde estaba cuando Vellaro se vuelve a iniciar.</translation>
    </message>
    <message>
        <source>New session: end this evening and start a fresh game with the same settings. Asks first, naming the spins and the net result that end; not while an analysis runs. The evening ended stays in the journal: the session panel can show it and continue it, and vellaro-sim can list and replay it.</source>
        <translation>Nueva sesión: terminar esta velada y empezar una partida nueva con los mismos ajustes. Pregunta antes, indicando las tiradas y el resultado neto que terminan; no mientras se ejecuta un análisis. La velada terminada queda en el diario: el panel de sesión puede mostrarla y continuarla, y vellaro-sim puede listarla y reproducirla.</translation>
    </message>
    <message>
        <source>Add spins (Ctrl+Shift+V with a list copied): enter many numbers at once, typed, pasted or read from a file, exactly as if you had clicked them one after another. The undo then takes back the last one, as after a click. The past spins say nothing about the next one.</source>
        <translation>Añadir tiradas (Ctrl+Mayús+V con una lista copiada): introducir muchos números a la vez, escritos, pegados o leídos de un archivo, exactamente como si los hubiera pulsado uno tras otro. Deshacer retira entonces el último, como tras un clic. Las tiradas pasadas no dicen nada sobre la siguiente.</translation>
    </message>
    <message>
        <source>Tick when the list shows the newest number first, as many tables&apos; displays do: the oldest is entered first all the same.</source>
        <translation>Marque esta casilla si la lista muestra primero el número más reciente, como hacen muchos marcadores de mesa: de todos modos se introduce primero el más antiguo.</translation>
    </message>
    <message>
        <source>Read the numbers from a file: a text file, or a CSV file (*.csv) with a column of numbers; a header line is allowed.</source>
        <translation>Leer los números de un archivo: un archivo de texto o un archivo CSV (*.csv) con una columna de números; se admite una línea de encabezado.</translation>
    </message>
    <message>
        <source>Enter the numbers, oldest first, each as a click on its tile with the analysis run to its end. Greyed while the list does not read whole.</source>
        <translation>Introducir los números, el más antiguo primero, cada uno como un clic en su casilla, con el análisis llevado hasta el final. En gris mientras la lista no se puede leer entera.</translation>
    </message>
    <message>
        <source>Minimise the window.</source>
        <translation>Minimizar la ventana.</translation>
    </message>
    <message>
        <source>The analysis at work. The board is locked until it ends, and numbers typed meanwhile are refused, not kept.</source>
        <translation>El análisis en curso. El tablero está bloqueado hasta que termine, y los números escritos mientras tanto se rechazan, no se guardan.</translation>
    </message>
    <message>
        <source>BET: your base stake in units, 1 to 1000. Every system starts from it and comes back to it after a reset.</source>
        <translation>BASE: su apuesta base en unidades, de 1 a 1000. Todo sistema empieza por ella y vuelve a ella tras un reinicio.</translation>
    </message>
    <message>
        <source>GAME MODE: how the next chance is chosen once five numbers are in.</source>
        <translation>MODO DE JUEGO: cómo se elige la próxima suerte una vez introducidos cinco números.</translation>
    </message>
    <message>
        <source>BETTING SYSTEM: how the stake follows wins and losses. Picking another one starts the stakes again from the base. A system changes how much you stake and how your results swing, never the house&apos;s share. After the six built-in systems come the presets and your own systems written as files (&quot;Systems…&quot;); a file with an error is listed but cannot be chosen. A system you chose is kept as its text was then: if its file changes or goes, the kept text is what is played until you choose again.</source>
        <translation>SISTEMA: cómo sigue la apuesta a las ganancias y las pérdidas. Elegir otro vuelve a empezar las apuestas desde la base. Un sistema cambia cuánto apuesta y cuánto oscilan sus resultados, nunca la parte de la banca. Tras los seis sistemas integrados vienen las plantillas y sus propios sistemas escritos como archivos («Sistemas…»); un archivo con un error aparece en la lista pero no se puede elegir. Un sistema elegido se conserva tal como era su texto entonces: si su archivo cambia o desaparece, se juega el texto conservado hasta que vuelva a elegir.</translation>
    </message>
    <message>
        <source>Systems…: write your own betting system, or look at a preset, with the stakes it would ask for after losses in a row and after a win. No system changes the house&apos;s share of 1 unit in 37.</source>
        <translation>Sistemas…: escribir su propio sistema de apuestas, o consultar una plantilla, con las apuestas que pediría tras pérdidas seguidas y tras una ganancia. Ningún sistema cambia la parte de la banca de 1 unidad de cada 37.</translation>
    </message>
    <message>
        <source>Reset Bets: put the stake back to the base stake and start the ledger again.</source>
        <translation>Reiniciar: devolver la apuesta a la apuesta base y empezar de nuevo el balance.</translation>
    </message>
    <message>
        <source>ReCalculate: choose the chance again from the same numbers.</source>
        <translation>Recalcular: volver a elegir la suerte a partir de los mismos números.</translation>
    </message>
    <message>
        <source>Create Matrix: learn from the next spins and then follow a column of the number matrix.</source>
        <translation>Crear matriz: aprender de las próximas tiradas y luego seguir una columna de la matriz de números.</translation>
    </message>
    <message>
        <source>RM: discard the matrix and go back to the mode of the mode box.</source>
        <translation>RM: descartar la matriz y volver al modo del selector de modo.</translation>
    </message>
    <message>
        <source>SAFE LEVEL, 0 to 10: show a bet only after this many recommendations lost in a row; until then they are only followed. A loss streak does not make the next spin more likely to win.</source>
        <translation>SAFE LEVEL, de 0 a 10: mostrar una apuesta solo después de que tantas recomendaciones se hayan perdido seguidas; hasta entonces solo se siguen. Una racha de pérdidas no hace más probable que la próxima tirada gane.</translation>
    </message>
    <message>
        <source>Cat.Rows: in ADAPTIVE mode, recommend the same chance again after a win instead of drawing a new one. Greyed while it cannot be used.</source>
        <translation>Cat.Rows: en el modo ADAPTIVE, recomendar de nuevo la misma suerte tras una ganancia en lugar de sortear una nueva. En gris mientras no se puede usar.</translation>
    </message>
    <message>
        <source>Show Bet: show the stake on the chip; unticked, only the chip shows where to bet.</source>
        <translation>Importe: mostrar la apuesta sobre la ficha; sin marcar, la ficha solo indica dónde apostar.</translation>
    </message>
    <message>
        <source>UP-TRENDER settings, read only by the UP-TRENDER system: after ON wins, add WINS ADD TO BET units to the stake. Greyed while they cannot be changed.</source>
        <translation>Ajustes de UP-TRENDER, leídos solo por el sistema UP-TRENDER: tras el número de apuestas ganadas de la primera casilla (A), sumar a la apuesta las unidades de la segunda (GANADAS, SUMAR). En gris mientras no se pueden cambiar.</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET: put the stake back to the base whenever the ledger reaches a new high. It limits how long a progression runs on; it cannot lock in a profit.</source>
        <translation>REINICIO AUTOMÁTICO: devolver la apuesta a la base cada vez que el balance alcanza un nuevo máximo. Limita cuánto tiempo sigue una progresión; no puede asegurar una ganancia.</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT: after a win, cut the next stake to the smallest one with which one more win reaches a new high. Needs BET AUTOMATIC RESET. It stakes less, it does not make a win more likely.</source>
        <translation>GANANCIA MÍNIMA: tras una ganancia, reducir la próxima apuesta a la menor con la que una ganancia más alcanza un nuevo máximo. Requiere REINICIO AUTOMÁTICO. Apuesta menos, no hace más probable una ganancia.</translation>
    </message>
    <message>
        <source>Session limits: a bankroll, a stop-loss, a take-profit, a table maximum and the losses in a row a progression may follow. A bet that would break one is held back, with a banner saying why. Limits decide how much you risk, not whether you win.</source>
        <translation>Límites de la sesión: un capital, un stop-loss, un take-profit, un máximo de la mesa y las pérdidas seguidas que puede seguir una progresión. Una apuesta que superaría uno de ellos se retiene, con un aviso que explica por qué. Los límites deciden cuánto arriesga, no si gana.</translation>
    </message>
    <message>
        <source> Whole units; leave it empty to turn it off.</source>
        <translation> Unidades enteras; déjelo vacío para desactivarlo.</translation>
    </message>
    <message>
        <source>BANKROLL: the units you brought to this session. A stake larger than what is left of them (the bankroll plus your net result) is held back.</source>
        <translation>CAPITAL: las unidades que ha traído a esta sesión. Una apuesta mayor que lo que queda de ellas (el capital más su resultado neto) se retiene.</translation>
    </message>
    <message>
        <source>STOP-LOSS: once you have lost this many units (your net result from the bets shown), no more bets are shown.</source>
        <translation>STOP-LOSS: una vez que ha perdido tantas unidades (su resultado neto de las apuestas mostradas), no se muestran más apuestas.</translation>
    </message>
    <message>
        <source>TAKE-PROFIT: once you have won this many units, no more bets are shown. Stopping ahead keeps a win; it does not make one more likely.</source>
        <translation>TAKE-PROFIT: una vez que ha ganado tantas unidades, no se muestran más apuestas. Parar con ventaja conserva una ganancia; no hace más probable ninguna.</translation>
    </message>
    <message>
        <source>TABLE MAXIMUM: the largest stake your table accepts. A progression that asks for more is held back instead of shown at a stake you could not place.</source>
        <translation>MÁXIMO DE LA MESA: la mayor apuesta que acepta su mesa. Una progresión que pide más se retiene en lugar de mostrarse con una apuesta que no podría colocar.</translation>
    </message>
    <message>
        <source>LOSSES IN A ROW: how many losses in a row the progression may follow; the bet after more is held back. 0 holds back every bet after a loss. A count, empty to turn it off.</source>
        <translation>PÉRDIDAS SEGUIDAS: cuántas pérdidas seguidas puede seguir la progresión; la apuesta tras más pérdidas se retiene. 0 retiene toda apuesta tras una pérdida. Un recuento; vacío para desactivarlo.</translation>
    </message>
    <message>
        <source>A session limit holds the next bet back: no chip is shown and nothing is counted. Enter the next number to go on without it, or change the limit.</source>
        <translation>Un límite de la sesión retiene la próxima apuesta: no se muestra ninguna ficha y no se cuenta nada. Introduzca el siguiente número para seguir sin ella, o cambie el límite.</translation>
    </message>
    <message>
        <source>Continue anyway: show the held-back bet for this spin and count it, whatever the limit says. The limit stays set for the spins after.</source>
        <translation>Continuar de todos modos: mostrar la apuesta retenida para esta tirada y contarla, diga lo que diga el límite. El límite sigue fijado para las tiradas siguientes.</translation>
    </message>
    <message>
        <source>Close the limits; each one typed counts.</source>
        <translation>Cerrar los límites; cuenta cada uno que se haya escrito.</translation>
    </message>
    <message>
        <source>Why the last entry was not taken.</source>
        <translation>Por qué no se aceptó la última entrada.</translation>
    </message>
    <message>
        <source>The column of the CSV file that holds the numbers.</source>
        <translation>La columna del archivo CSV que contiene los números.</translation>
    </message>
    <message>
        <source>Quick analysis (Ctrl+Shift+A): each spin&apos;s analysis runs to its end at once, without its animation, so the board opens again straight away. The game is exactly the one the animation gives, only without the wait.</source>
        <translation>Análisis rápido (Ctrl+Mayús+A): el análisis de cada tirada llega a su fin al instante, sin su animación, y el tablero se abre de nuevo enseguida. El juego es exactamente el que da la animación, solo que sin la espera.</translation>
    </message>
</context>
<context>
    <name>WhatIfTable</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Resultado neto</translation>
    </message>
    <message>
        <source>Largest stake</source>
        <translation>Apuesta más alta</translation>
    </message>
    <message>
        <source>Deepest drawdown</source>
        <translation>Mayor caída</translation>
    </message>
    <message>
        <source>Bets won</source>
        <translation>Apuestas ganadas</translation>
    </message>
    <message>
        <source>Bets lost</source>
        <translation>Apuestas perdidas</translation>
    </message>
    <message>
        <source>This evening&apos;s spins replayed under each betting system, your other settings and their changes kept. Shown bets only, from 0. Spins are independent: what a system would have made of past spins says nothing about the next ones.</source>
        <translation>Las tiradas de esta velada reproducidas con cada sistema de apuestas, conservando sus demás ajustes y sus cambios. Solo apuestas mostradas, desde 0. Las tiradas son independientes: lo que un sistema habría hecho con tiradas pasadas no dice nada de las siguientes.</translation>
    </message>
</context>
<context>
    <name>WheelDrawing</name>
    <message>
        <source>The wheel&apos;s pockets in their order, each shaded by how often it came: the darker, the more hits. The last number is outlined.</source>
        <translation>Las casillas de la rueda en su orden, cada una sombreada según las veces que salió: cuanto más oscura, más aciertos. El último número está contorneado.</translation>
    </message>
    <message>
        <source>Last
%1</source>
        <translation>Último
%1</translation>
    </message>
</context>
<context>
    <name>WheelTab</name>
    <message>
        <source>yes: both</source>
        <translation>sí: ambos</translation>
    </message>
    <message>
        <source>yes: hits</source>
        <translation>sí: aciertos</translation>
    </message>
    <message>
        <source>yes: absence</source>
        <translation>sí: ausencia</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>What the wheel has done so far. Spins are independent: none of this predicts the next spin. A figure is unusual only when its chance after Holm&apos;s correction (in brackets) is %1 % or less.</source>
        <translation>Lo que la rueda ha hecho hasta ahora. Las tiradas son independientes: nada de esto predice la próxima tirada. Una cifra solo es inusual cuando su probabilidad tras la corrección de Holm (entre paréntesis) es del %1 % o menos.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Justa</translation>
    </message>
    <message>
        <source>Away now</source>
        <translation>Ausente ahora</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Más larga</translation>
    </message>
    <message>
        <source>p hits (Holm)</source>
        <translation>p aciertos (Holm)</translation>
    </message>
    <message>
        <source>p away (Holm)</source>
        <translation>p ausencia (Holm)</translation>
    </message>
    <message>
        <source>Unusual?</source>
        <translation>¿Inusual?</translation>
    </message>
    <message>
        <source>How many spins it came</source>
        <translation>En cuántas tiradas salió</translation>
    </message>
    <message>
        <source>Its share of the spins</source>
        <translation>Su proporción de las tiradas</translation>
    </message>
    <message>
        <source>The share a fair wheel gives it: its pockets of the 37</source>
        <translation>La proporción que le da una rueda justa: sus casillas de las 37</translation>
    </message>
    <message>
        <source>Spins since it last came</source>
        <translation>Tiradas desde la última vez que salió</translation>
    </message>
    <message>
        <source>The most spins in a row without it, the current ones included</source>
        <translation>El mayor número de tiradas seguidas sin él, incluidas las actuales</translation>
    </message>
    <message>
        <source>The chance that a fair wheel keeps it away at least this long somewhere in these spins; after Holm&apos;s correction in brackets</source>
        <translation>La probabilidad de que una rueda justa lo mantenga ausente al menos este tiempo en algún punto de estas tiradas; tras la corrección de Holm entre paréntesis</translation>
    </message>
    <message>
        <source>Whether the corrected chance of its hits or of its absence is 5 % or less</source>
        <translation>Si la probabilidad corregida de sus aciertos o de su ausencia es del 5 % o menos</translation>
    </message>
    <message>
        <source>too few spins</source>
        <translation>muy pocas tiradas</translation>
    </message>
    <message>
        <source>Neighbours on the wheel: after the first spin.</source>
        <translation>Vecinos en la rueda: tras la primera tirada.</translation>
    </message>
    <message>
        <source>The last number, %1, and its neighbours on the wheel, clockwise: %2.</source>
        <translation>El último número, %1, y sus vecinos en la rueda, en el sentido de las agujas del reloj: %2.</translation>
    </message>
    <message>
        <source>The chance that a fair wheel gives a count no more likely than this one, on either side of the expected count; after Holm&apos;s correction in brackets</source>
        <translation>La probabilidad de que una rueda justa dé un recuento no más probable que este, a uno u otro lado del recuento esperado; tras la corrección de Holm entre paréntesis</translation>
    </message>
</context>
<context>
    <name>WindowAccess</name>
    <message>
        <source>Player&apos;s guide</source>
        <translation>Guía del jugador</translation>
    </message>
    <message>
        <source>Session panel</source>
        <translation>Panel de sesión</translation>
    </message>
    <message>
        <source>Session result</source>
        <translation>Resultado de la sesión</translation>
    </message>
    <message>
        <source>The spins of this session and the net result of the bets shown, in units.</source>
        <translation>Las tiradas de esta sesión y el resultado neto de las apuestas mostradas, en unidades.</translation>
    </message>
    <message>
        <source>Where the game stands</source>
        <translation>Dónde está la partida</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>ninguno todavía</translation>
    </message>
    <message>
        <source>Bet on </source>
        <translation>Apuesta a </translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>sin apuesta</translation>
    </message>
    <message>
        <source>Trend </source>
        <translation>Trend </translation>
    </message>
    <message>
        <source> units</source>
        <translation> unidades</translation>
    </message>
    <message>
        <source>The spins to the first recommendation, the digits typed, or why a number was refused.</source>
        <translation>Las tiradas hasta la primera recomendación, los dígitos tecleados, o por qué se rechazó un número.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagada</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>oscura</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
</context>
<context>
    <name>WindowJournal</name>
    <message>
        <source>start a new one</source>
        <translation>empezar una nueva</translation>
    </message>
    <message>
        <source>Session %1 is the evening on show.</source>
        <translation>La sesión %1 es la velada mostrada.</translation>
    </message>
    <message>
        <source>Session %1 cannot be continued: %2.</source>
        <translation>La sesión %1 no se puede continuar: %2.</translation>
    </message>
    <message>
        <source>continue session %1</source>
        <translation>continuar la sesión %1</translation>
    </message>
</context>
<context>
    <name>WindowKeys</name>
    <message>
        <source>Nothing typed: Ctrl+Z undoes the last spin</source>
        <translation>Nada tecleado: Ctrl+Z deshace la última tirada</translation>
    </message>
    <message>
        <source>%1: the board is locked while the analysis runs</source>
        <translation>%1: el tablero está bloqueado mientras dura el análisis</translation>
    </message>
    <message>
        <source>%1: crossed out, the undo took it back</source>
        <translation>%1: tachado, se deshizo</translation>
    </message>
</context>
</TS>
