<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Undo the last spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Chiudi</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis at work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAFE LEVEL lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base stake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betting system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create matrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset matrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAFE LEVEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cat rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UP-TRENDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimal profit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why the limit is refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take profit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most losses in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet held back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betting systems editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read spins from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the spins</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddSpinsDialog</name>
    <message>
        <source>Vellaro — Add spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins (*.txt *.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The numbers that came out, oldest first, separated by spaces, commas, semicolons or new lines; at most %1 at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter 1 spin: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter %1 spins: %2 … %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First column of numbers 0 to 36</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Bet %1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>News said as it comes: a bet shown, a limit that holds the next bet back, the journal gone off.</source>
        <translation>Avvisi letti appena arrivano: una puntata mostrata, un limite che trattiene la puntata successiva, il diario spento.</translation>
    </message>
</context>
<context>
    <name>BoardKeys</name>
    <message>
        <source>Number board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys move over the numbers, Enter or Space enters the one in focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>black</source>
        <translation>nero</translation>
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
        <translation>Uso: vellaro [OPZIONE]
Apre la finestra di Vellaro, un assistente di puntata per la roulette a uno zero:
fai clic sul numero di ogni giro nella griglia dei numeri, e Vellaro mostra una
delle sei chance semplici con una puntata dal sistema di puntata scelto. Non
punta nulla da solo, e nessuna analisi cambia il vantaggio del banco di 1/37.

Opzioni:
  --help       mostra questo aiuto ed esci
  --version    mostra la versione ed esci
  --lang LANG  mostra la finestra in LANG (de, fr, ...), non nella lingua del sistema

Sono accettate anche le opzioni proprie di Qt, come -platform NOME o -display DISPLAY.
</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shown loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shown losses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EndEvening</name>
    <message>
        <source>End this evening — %1, net %2 — and %3?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KeyboardEntry</name>
    <message>
        <source>%1 is not on the wheel</source>
        <translation>%1 non è sulla ruota</translation>
    </message>
    <message>
        <source>Typed: %1 (Enter to play, Esc to clear)</source>
        <translation>Digitato: %1 (Invio per giocare, Esc per cancellare)</translation>
    </message>
</context>
<context>
    <name>LimitEntry</name>
    <message>
        <source>“%1” refused for the %2: %3. Empty turns it off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whole numbers only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LimitsArea</name>
    <message>
        <source>Continue anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LimitsDialog</name>
    <message>
        <source>Session limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole numbers; empty = off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BANKROLL:</source>
        <translation>BANKROLL:</translation>
    </message>
    <message>
        <source>unit brought</source>
        <translation>unità portata</translation>
    </message>
    <message>
        <source>units brought</source>
        <translation>unità portate</translation>
    </message>
    <message>
        <source>STOP-LOSS:</source>
        <translation>STOP-LOSS:</translation>
    </message>
    <message>
        <source>unit lost</source>
        <translation>unità persa</translation>
    </message>
    <message>
        <source>units lost</source>
        <translation>unità perse</translation>
    </message>
    <message>
        <source>TAKE-PROFIT:</source>
        <translation>TAKE-PROFIT:</translation>
    </message>
    <message>
        <source>unit won</source>
        <translation>unità vinta</translation>
    </message>
    <message>
        <source>units won</source>
        <translation>unità vinte</translation>
    </message>
    <message>
        <source>TABLE MAXIMUM:</source>
        <translation>TABLE MAXIMUM:</translation>
    </message>
    <message>
        <source>unit a stake</source>
        <translation>unità a puntata</translation>
    </message>
    <message>
        <source>units a stake</source>
        <translation>unità a puntata</translation>
    </message>
    <message>
        <source>LOSSES IN A ROW:</source>
        <translation>LOSSES IN A ROW:</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>al massimo</translation>
    </message>
    <message>
        <source>SESSION LIMITS</source>
        <translation>SESSION LIMITS</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Session panel (Ctrl+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The session panel cannot be loaded: %1</source>
        <translation>Impossibile caricare il pannello della sessione: %1</translation>
    </message>
</context>
<context>
    <name>MessageLine</name>
    <message>
        <source>Bet held back — </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsArea</name>
    <message>
        <source>Spins the matrix learns from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BET:</source>
        <translation>BET:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>GAME MODE:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>BETTING SYSTEM:</translation>
    </message>
    <message>
        <source>Systems…</source>
        <translation>Systems…</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Vellaro shows and how an evening runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player&apos;s guide (F1): what the window shows, each mode and system in plain words, the limits, and the keyboard: Tab and Shift+Tab go from control to control, Space or Enter presses it, the arrow keys move over the board and Enter enters the number; digits and Enter, Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y, Ctrl+S, Ctrl+P and F1 anywhere.</source>
        <translation>La guida del giocatore (F1): cosa mostra la finestra, ogni modalità e ogni sistema in parole semplici, i limiti e la tastiera: Tab e Maiusc+Tab passano da un controllo all&apos;altro, Spazio o Invio lo preme, le frecce si spostano sulla griglia e Invio inserisce il numero; cifre e Invio, Ctrl+Z, Ctrl+Maiusc+Z o Ctrl+Y, Ctrl+S, Ctrl+P e F1 ovunque.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>First recommendation on the next spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First recommendation in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MATRIX column %1 · spin %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MATRIX learning: %1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
</context>
<context>
    <name>SessionPanel</name>
    <message>
        <source>this panel is not the window&apos;s</source>
        <translation>questo pannello non è della finestra</translation>
    </message>
</context>
<context>
    <name>SessionReadout</name>
    <message>
        <source>Net result of the shown bets, from 0: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Bet on show: %1
If it loses, the next stake: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins %1  Net %2</source>
        <translation>Giri %1  Netto %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Vellaro is already running: its window has been brought forward.</source>
        <translation>Vellaro è già in esecuzione: la sua finestra è stata portata in primo piano.</translation>
    </message>
    <message>
        <source>Vellaro is already running with the data folder %1, and did not answer.</source>
        <translation>Vellaro è già in esecuzione con la cartella dei dati %1 e non ha risposto.</translation>
    </message>
</context>
<context>
    <name>SystemBox</name>
    <message>
        <source> (error)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemEditor</name>
    <message>
        <source>Betting systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New betting system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the system:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next stake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Chiudi</translation>
    </message>
    <message>
        <source>A preset: read only. &quot;Save as…&quot; makes a copy of your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name needs a letter or a digit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists: open it from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (preset)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (error)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (mine)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># A betting system of your own: see &quot;Your own betting systems&quot; in the guide (F1).</source>
        <translation># Un sistema di puntata tuo: vedi «I tuoi sistemi di puntata» nella guida (F1).</translation>
    </message>
    <message>
        <source>win</source>
        <translation>vincita</translation>
    </message>
    <message>
        <source>The stake after 1 to 10 losses in a row from the start (with SAFE LEVEL 0), and after a win, times your base stake. How far the stakes climb is the risk; the house keeps 1 unit in 37 of every stake whatever they are.</source>
        <translation>La puntata dopo da 1 a 10 perdite consecutive dall&apos;inizio (con SAFE LEVEL 0) e dopo una vincita, in multipli della puntata base. Quanto salgono le puntate è il rischio; il banco trattiene 1 unità su 37 di ogni puntata, qualunque esse siano.</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source> Spins of a fair wheel are independent: no analysis can foresee the next one, and the house keeps 1 unit in 37 of everything staked whatever you choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the number that came out (or type it and press Enter). Locked while an analysis runs; a number just taken back by the undo is crossed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last numbers entered, the newest on the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chance to bet on now and the stake in units of your base stake: place it yourself, Vellaro places nothing. It is settled at the next spin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An even-money chance: it pays 1 to 1, and 0 loses it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TREND: click to turn this chance&apos;s trend switch on or off. While on, a recommendation of the opposite chance is turned to this one. It changes which chance you see, not your odds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAFE LEVEL lamp: it follows the recommendations lost in a row, and is off while the SAFE LEVEL is 0 (every recommendation is then shown as a bet). Dark: the losses in a row are two or more short of the SAFE LEVEL; no bet is shown. Green: they are one short, or have reached it. Green is not a bet: a bet, its chip and stake, is shown only once the losses in a row have reached the SAFE LEVEL, so one short the lamp is green and no bet is shown yet. Waiting for losses does not make a win more likely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open or close the options area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last number entered (Ctrl+Z); Ctrl+Shift+Z or Ctrl+Y brings it back until anything else changes. Offered once after each spin; greyed when there is nothing to take back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the numbers of this game to a text file (Ctrl+S).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Vellaro. Your settings and this session are kept: the session goes on where it stood when Vellaro starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New session: end this evening and start a fresh game with the same settings. Asks first, naming the spins and the net result that end; not while an analysis runs. The evening ended stays in the journal: the session panel can show it and continue it, and vellaro-sim can list and replay it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add spins (Ctrl+Shift+V with a list copied): enter many numbers at once, typed, pasted or read from a file, exactly as if you had clicked them one after another. The undo then takes back the last one, as after a click. The past spins say nothing about the next one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick when the list shows the newest number first, as many tables&apos; displays do: the oldest is entered first all the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the numbers from a file: a text file, or a CSV file (*.csv) with a column of numbers; a header line is allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the numbers, oldest first, each as a click on its tile with the analysis run to its end. Greyed while the list does not read whole.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The analysis at work. The board is locked until it ends, and numbers typed meanwhile are refused, not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BET: your base stake in units, 1 to 1000. Every system starts from it and comes back to it after a reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME MODE: how the next chance is chosen once five numbers are in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BETTING SYSTEM: how the stake follows wins and losses. Picking another one starts the stakes again from the base. A system changes how much you stake and how your results swing, never the house&apos;s share. After the six built-in systems come the presets and your own systems written as files (&quot;Systems…&quot;); a file with an error is listed but cannot be chosen. A system you chose is kept as its text was then: if its file changes or goes, the kept text is what is played until you choose again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systems…: write your own betting system, or look at a preset, with the stakes it would ask for after losses in a row and after a win. No system changes the house&apos;s share of 1 unit in 37.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Bets: put the stake back to the base stake and start the ledger again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ReCalculate: choose the chance again from the same numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Matrix: learn from the next spins and then follow a column of the number matrix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RM: discard the matrix and go back to the mode of the mode box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAFE LEVEL, 0 to 10: show a bet only after this many recommendations lost in a row; until then they are only followed. A loss streak does not make the next spin more likely to win.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cat.Rows: in ADAPTIVE mode, recommend the same chance again after a win instead of drawing a new one. Greyed while it cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Bet: show the stake on the chip; unticked, only the chip shows where to bet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UP-TRENDER settings, read only by the UP-TRENDER system: after ON wins, add WINS ADD TO BET units to the stake. Greyed while they cannot be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET: put the stake back to the base whenever the ledger reaches a new high. It limits how long a progression runs on; it cannot lock in a profit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT: after a win, cut the next stake to the smallest one with which one more win reaches a new high. Needs BET AUTOMATIC RESET. It stakes less, it does not make a win more likely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session limits: a bankroll, a stop-loss, a take-profit, a table maximum and the losses in a row a progression may follow. A bet that would break one is held back, with a banner saying why. Limits decide how much you risk, not whether you win.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Whole units; leave it empty to turn it off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BANKROLL: the units you brought to this session. A stake larger than what is left of them (the bankroll plus your net result) is held back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP-LOSS: once you have lost this many units (your net result from the bets shown), no more bets are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAKE-PROFIT: once you have won this many units, no more bets are shown. Stopping ahead keeps a win; it does not make one more likely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TABLE MAXIMUM: the largest stake your table accepts. A progression that asks for more is held back instead of shown at a stake you could not place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOSSES IN A ROW: how many losses in a row the progression may follow; the bet after more is held back. 0 holds back every bet after a loss. A count, empty to turn it off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A session limit holds the next bet back: no chip is shown and nothing is counted. Enter the next number to go on without it, or change the limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue anyway: show the held-back bet for this spin and count it, whatever the limit says. The limit stays set for the spins after.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the limits; each one typed counts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why the last entry was not taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The column of the CSV file that holds the numbers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowAccess</name>
    <message>
        <source>Player&apos;s guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spins of this session and the net result of the bets shown, in units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the game stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spins to the first recommendation, the digits typed, or why a number was refused.</source>
        <translation>I giri fino alla prima raccomandazione, le cifre digitate, o perché un numero è stato rifiutato.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>spenta</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>scura</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session %1 is the evening on show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session %1 cannot be continued: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>continue session %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowKeys</name>
    <message>
        <source>Nothing typed: Ctrl+Z undoes the last spin</source>
        <translation>Niente digitato: Ctrl+Z annulla l&apos;ultimo giro</translation>
    </message>
    <message>
        <source>%1: the board is locked while the analysis runs</source>
        <translation>%1: la griglia è bloccata mentre l&apos;analisi è in corso</translation>
    </message>
    <message>
        <source>%1: crossed out, the undo took it back</source>
        <translation>%1: barrato, l&apos;annullamento l&apos;ha ripreso</translation>
    </message>
</context>
</TS>
