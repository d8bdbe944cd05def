<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Undo the last spin</source>
        <translation>Annulla l&apos;ultimo giro</translation>
    </message>
    <message>
        <source>Save the spins</source>
        <translation>Salva i giri</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nuova sessione</translation>
    </message>
    <message>
        <source>Analysis at work</source>
        <translation>Analisi in corso</translation>
    </message>
    <message>
        <source>Number board</source>
        <translation>Griglia dei numeri</translation>
    </message>
    <message>
        <source>Last numbers</source>
        <translation>Ultimi numeri</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>SAFE LEVEL lamp</source>
        <translation>Spia SAFE LEVEL</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Base stake</source>
        <translation>Puntata base</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Modalità di gioco</translation>
    </message>
    <message>
        <source>Betting system</source>
        <translation>Sistema di puntata</translation>
    </message>
    <message>
        <source>Reset bets</source>
        <translation>Azzera puntate</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Ricalcola</translation>
    </message>
    <message>
        <source>Create matrix</source>
        <translation>Crea matrice</translation>
    </message>
    <message>
        <source>Reset matrix</source>
        <translation>Scarta la matrice</translation>
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
        <translation>Importo</translation>
    </message>
    <message>
        <source>UP-TRENDER</source>
        <translation>UP-TRENDER</translation>
    </message>
    <message>
        <source>Automatic reset</source>
        <translation>Azzeramento auto</translation>
    </message>
    <message>
        <source>Minimal profit</source>
        <translation>Profitto minimo</translation>
    </message>
    <message>
        <source>Session limits</source>
        <translation>Limiti della sessione</translation>
    </message>
    <message>
        <source>Why the limit is refused</source>
        <translation>Perché il limite è rifiutato</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Capitale</translation>
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
        <translation>Massimo del tavolo</translation>
    </message>
    <message>
        <source>Most losses in a row</source>
        <translation>Massimo di perdite di fila</translation>
    </message>
    <message>
        <source>Bet held back</source>
        <translation>Puntata trattenuta</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continua comunque</translation>
    </message>
    <message>
        <source>Add spins</source>
        <translation>Aggiungi giri</translation>
    </message>
    <message>
        <source>Betting systems editor</source>
        <translation>Editor dei sistemi di puntata</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Prima i più recenti</translation>
    </message>
    <message>
        <source>Read spins from a file</source>
        <translation>Leggi i giri da un file</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Colonna del file</translation>
    </message>
    <message>
        <source>Enter the spins</source>
        <translation>Inserisci i giri</translation>
    </message>
    <message>
        <source>Quick analysis</source>
        <translation>Analisi rapida</translation>
    </message>
</context>
<context>
    <name>AddSpinsDialog</name>
    <message>
        <source>Vellaro — Add spins</source>
        <translation>Vellaro — Aggiungi giri</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Prima i più recenti</translation>
    </message>
    <message>
        <source>File…</source>
        <translation>File…</translation>
    </message>
    <message>
        <source>Spins from a file</source>
        <translation>Giri da un file</translation>
    </message>
    <message>
        <source>Spins (*.txt *.csv);;All files (*)</source>
        <translation>Giri (*.txt *.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The numbers that came out, oldest first, separated by spaces, commas, semicolons or new lines; at most %1 at once.</source>
        <translation>I numeri usciti, dal più vecchio, separati da spazi, virgole, punti e virgola o a capo; al massimo %1 alla volta.</translation>
    </message>
    <message>
        <source>Enter 1 spin: %1</source>
        <translation>Inserisci 1 giro: %1</translation>
    </message>
    <message>
        <source>Enter %1 spins: %2 … %3</source>
        <translation>Inserisci %1 giri: %2 … %3</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The column of spins, as found</source>
        <translation>La colonna dei giri trovata</translation>
    </message>
    <message>
        <source>The list you entered last, %1, is in the box again. Enter it a second time?</source>
        <translation>L’ultimo elenco inserito, %1, è di nuovo nel riquadro. Inserirlo una seconda volta?</translation>
    </message>
    <message>
        <source>Enter again</source>
        <translation>Inserisci di nuovo</translation>
    </message>
    <message>
        <source>Do not enter</source>
        <translation>Non inserire</translation>
    </message>
    <message>
        <source>Enter starts a new line; Ctrl+Enter enters the list.</source>
        <translation>Invio inizia una nuova riga; Ctrl+Invio inserisce l’elenco.</translation>
    </message>
    <message>
        <source>From column &apos;%1&apos; (%2 of %3):</source>
        <translation>Dalla colonna &apos;%1&apos; (%2 di %3):</translation>
    </message>
    <message>
        <source>The copied text is larger than %1 MB: too large for a list of spins.</source>
        <translation>Il testo copiato supera i %1 MB: troppo grande per un elenco di giri.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Bet %1 on %2</source>
        <translation>Puntata di %1 su %2</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>News said as it comes: a bet shown, a limit that holds the next bet back, the journal gone off.</source>
        <translation>Avvisi letti appena arrivano: una puntata mostrata, un limite che trattiene la puntata successiva, il registro disattivato.</translation>
    </message>
</context>
<context>
    <name>BoardKeys</name>
    <message>
        <source>Number board</source>
        <translation>Griglia dei numeri</translation>
    </message>
    <message>
        <source>Arrow keys move over the numbers, Enter or Space enters the one in focus</source>
        <translation>Le frecce si spostano sui numeri, Invio o Spazio inserisce quello selezionato</translation>
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
        <translation>unità</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unità</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>giro</translation>
    </message>
    <message>
        <source>spins</source>
        <translation>giri</translation>
    </message>
    <message>
        <source>shown loss</source>
        <translation>perdita mostrata</translation>
    </message>
    <message>
        <source>shown losses</source>
        <translation>perdite mostrate</translation>
    </message>
    <message>
        <source>bet</source>
        <translation>puntata</translation>
    </message>
    <message>
        <source>bets</source>
        <translation>puntate</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>uscita</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>uscite</translation>
    </message>
</context>
<context>
    <name>EndEvening</name>
    <message>
        <source>End this evening — %1, net %2 — and %3?</source>
        <translation>Terminare questa serata — %1, netto %2 — e %3?</translation>
    </message>
    <message>
        <source>End it</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Continua a giocare</translation>
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
    <name>EveningSaving</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>No spin yet: there is no chart to save.</source>
        <translation>Ancora nessun giro: non c’è nessun grafico da salvare.</translation>
    </message>
    <message>
        <source>Could not save %1 as a PNG picture.</source>
        <translation>Impossibile salvare %1 come immagine PNG.</translation>
    </message>
</context>
<context>
    <name>JournalReading</name>
    <message>
        <source>The journal cannot be read: %1</source>
        <translation>Impossibile leggere il registro: %1</translation>
    </message>
    <message>
        <source>The sessions that still read are listed.</source>
        <translation>Sono elencate le sessioni ancora leggibili.</translation>
    </message>
    <message>
        <source>Your system</source>
        <translation>Il tuo sistema</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4 shown  net %5</source>
        <translation>%1  %2  %3  %4 mostrate  netto %5</translation>
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
        <translation>«%1» rifiutato per il limite «%2»: %3. Lasciarlo vuoto lo disattiva.</translation>
    </message>
    <message>
        <source>whole numbers only</source>
        <translation>solo numeri interi</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
</context>
<context>
    <name>LimitsArea</name>
    <message>
        <source>Continue anyway</source>
        <translation>Continua comunque</translation>
    </message>
</context>
<context>
    <name>LimitsDialog</name>
    <message>
        <source>Session limits</source>
        <translation>Limiti della sessione</translation>
    </message>
    <message>
        <source>Whole numbers; empty = off.</source>
        <translation>Numeri interi; vuoto = disattivato.</translation>
    </message>
    <message>
        <source>BANKROLL:</source>
        <translation>CAPITALE:</translation>
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
        <translation>MASSIMO DEL TAVOLO:</translation>
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
        <translation>PERDITE DI FILA:</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>al massimo</translation>
    </message>
    <message>
        <source>SESSION LIMITS</source>
        <translation>LIMITI DELLA SESSIONE</translation>
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
        <translation>Pannello della sessione (Ctrl+P)</translation>
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
        <translation>Puntata trattenuta — </translation>
    </message>
    <message>
        <source>Refused: </source>
        <translation>Rifiutato: </translation>
    </message>
</context>
<context>
    <name>OptionsArea</name>
    <message>
        <source>Spins the matrix learns from</source>
        <translation>Giri da cui la matrice impara</translation>
    </message>
    <message>
        <source>BET:</source>
        <translation>PUNTATA:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>MODALITÀ DI GIOCO:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>SISTEMA DI PUNTATA:</translation>
    </message>
    <message>
        <source>Systems…</source>
        <translation>Sistemi</translation>
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
        <translation>Vellaro — Guida del giocatore</translation>
    </message>
    <message>
        <source>What Vellaro shows and how an evening runs.</source>
        <translation>Che cosa mostra Vellaro e come si svolge una serata.</translation>
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
        <translation>Primo suggerimento al prossimo giro</translation>
    </message>
    <message>
        <source>First recommendation in %1</source>
        <translation>Primo suggerimento tra %1</translation>
    </message>
    <message>
        <source>MATRIX column %1 · spin %2</source>
        <translation>MATRIX colonna %1 · giro %2</translation>
    </message>
    <message>
        <source>MATRIX learning: %1 left</source>
        <translation>MATRIX impara: ancora %1</translation>
    </message>
    <message>
        <source>Spin %1</source>
        <translation>Giro %1</translation>
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
    <name>SessionChart</name>
    <message>
        <source>Net result of the shown bets, from 0 (units)</source>
        <translation>Risultato netto delle puntate mostrate, da 0 (unità)</translation>
    </message>
    <message>
        <source>Spins shown:</source>
        <translation>Giri mostrati:</translation>
    </message>
    <message>
        <source>the whole session</source>
        <translation>l’intera sessione</translation>
    </message>
    <message>
        <source>the last %1</source>
        <translation>gli ultimi %1</translation>
    </message>
    <message>
        <source>what-if lines of the systems (dashed; yours solid)</source>
        <translation>linee «e se» dei sistemi (tratteggiate; la tua continua)</translation>
    </message>
    <message>
        <source>net result</source>
        <translation>risultato netto</translation>
    </message>
    <message>
        <source>stake (right axis)</source>
        <translation>puntata (asse destro)</translation>
    </message>
    <message>
        <source>won</source>
        <translation>vinta</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>persa</translation>
    </message>
    <message>
        <source>reset or setting</source>
        <translation>azzeramento o impostazione</translation>
    </message>
    <message>
        <source>spins played</source>
        <translation>giri giocati</translation>
    </message>
    <message>
        <source>stake</source>
        <translation>puntata</translation>
    </message>
</context>
<context>
    <name>SessionPanel</name>
    <message>
        <source>Vellaro — Session</source>
        <translation>Vellaro — Sessione</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Sessione:</translation>
    </message>
    <message>
        <source>This evening, or a past session from the journal, replayed through the same engine</source>
        <translation>Questa serata, o una sessione passata del registro, rigiocata con lo stesso motore</translation>
    </message>
    <message>
        <source>This evening</source>
        <translation>Questa serata</translation>
    </message>
    <message>
        <source>Continue this evening</source>
        <translation>Continua questa serata</translation>
    </message>
    <message>
        <source>Play on with the session on show: it becomes the evening in the main window again, exactly where it stood, and goes on in the journal as the same session. The evening in the window now is ended first, after asking.</source>
        <translation>Continua a giocare con la sessione mostrata: torna a essere la serata della finestra principale, esattamente dove era rimasta, e prosegue nel registro come la stessa sessione. La serata ora nella finestra viene prima chiusa, dopo una conferma.</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Salva rapporto…</translation>
    </message>
    <message>
        <source>The evening on show as one HTML page with its chart and statistics, as vellaro-sim --report writes it</source>
        <translation>La serata mostrata come una pagina HTML con il suo grafico e le sue statistiche, come la scrive vellaro-sim --report</translation>
    </message>
    <message>
        <source>Save the report page</source>
        <translation>Salva la pagina del rapporto</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Pagina web (*.html)</translation>
    </message>
    <message>
        <source>Save chart…</source>
        <translation>Salva grafico…</translation>
    </message>
    <message>
        <source>The chart as a PNG picture, or as SVG</source>
        <translation>Il grafico come immagine PNG, o come SVG</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Salva il grafico</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>Immagine PNG (*.png);;Immagine SVG (*.svg)</translation>
    </message>
    <message>
        <source>What chance alone has done so far. Spins are independent: none of this predicts the next spin. Each chance is expected %1 of the time.</source>
        <translation>Ciò che il solo caso ha fatto finora. I giri sono indipendenti: niente di tutto questo predice il prossimo giro. Ogni chance è attesa il %1 delle volte.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Uscite</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Serie attuale</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Serie più lunga</translation>
    </message>
    <message>
        <source>Spins since</source>
        <translation>Giri da allora</translation>
    </message>
    <message>
        <source>Chances and numbers</source>
        <translation>Chance e numeri</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>Lost in total</source>
        <translation>Perso in totale</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Rischio</translation>
    </message>
    <message>
        <source>What-if</source>
        <translation>E se</translation>
    </message>
    <message>
        <source>No stored sessions (no journal yet).</source>
        <translation>Nessuna sessione salvata (ancora nessun registro).</translation>
    </message>
    <message>
        <source>No stored sessions.</source>
        <translation>Nessuna sessione salvata.</translation>
    </message>
    <message>
        <source>1 stored session.</source>
        <translation>1 sessione salvata.</translation>
    </message>
    <message>
        <source>%1 stored sessions.</source>
        <translation>%1 sessioni salvate.</translation>
    </message>
    <message>
        <source>Replaying session %1…</source>
        <translation>Sessione %1 in riproduzione…</translation>
    </message>
    <message>
        <source>Session %1 cannot be shown: %2</source>
        <translation>Impossibile mostrare la sessione %1: %2</translation>
    </message>
    <message>
        <source>Session %1, replayed from the journal.</source>
        <translation>Sessione %1, rigiocata dal registro.</translation>
    </message>
    <message>
        <source>Session %1&apos;s spins replayed under each betting system, its other settings and their changes kept. Shown bets only, from 0. Spins are independent: what a system would have made of past spins says nothing about the next ones.</source>
        <translation>I giri della sessione %1 rigiocati con ogni sistema di puntata, mantenendo le altre impostazioni e le loro modifiche. Solo puntate mostrate, da 0. I giri sono indipendenti: ciò che un sistema avrebbe fatto dei giri passati non dice nulla dei prossimi.</translation>
    </message>
    <message>
        <source>Zeros: %1 of %2</source>
        <translation>Zeri: %1 su %2</translation>
    </message>
    <message>
        <source>Are the 37 numbers as even as a fair wheel leaves them? Chi-square %1 on %2 degrees of freedom, p = %3. %4</source>
        <translation>I 37 numeri sono uniformi quanto li lascia una ruota equa? Chi quadrato %1 con %2 gradi di libertà, p = %3. %4</translation>
    </message>
    <message>
        <source>The test of the 37 numbers needs %1 spins (5 per number); before that it would say nothing honest.</source>
        <translation>Il test dei 37 numeri richiede %1 giri (5 per numero); prima non direbbe nulla di onesto.</translation>
    </message>
    <message>
        <source>this panel is not the window&apos;s</source>
        <translation>questo pannello non è della finestra</translation>
    </message>
</context>
<context>
    <name>SessionReadout</name>
    <message>
        <source>Net result of the shown bets, from 0: %1 %2</source>
        <translation>Risultato netto delle puntate mostrate, da 0: %1 %2</translation>
    </message>
    <message>
        <source>
Bet on show: %1
If it loses, the next stake: %2</source>
        <translation>
Puntata in gioco: %1
Se perde, la prossima puntata: %2</translation>
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
        <translation> (errore)</translation>
    </message>
</context>
<context>
    <name>SystemEditor</name>
    <message>
        <source>Betting systems</source>
        <translation>Sistemi di puntata</translation>
    </message>
    <message>
        <source>New betting system</source>
        <translation>Nuovo sistema di puntata</translation>
    </message>
    <message>
        <source>Name of the system:</source>
        <translation>Nome del sistema:</translation>
    </message>
    <message>
        <source>Next stake</source>
        <translation>Prossima puntata</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Nuovo…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Salva come…</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>A preset: read only. &quot;Save as…&quot; makes a copy of your own.</source>
        <translation>Un modello: sola lettura. &quot;Salva come…&quot; ne crea una copia tua.</translation>
    </message>
    <message>
        <source>A name needs a letter or a digit.</source>
        <translation>Un nome richiede una lettera o una cifra.</translation>
    </message>
    <message>
        <source>%1 already exists: open it from the list.</source>
        <translation>%1 esiste già: aprilo dall&apos;elenco.</translation>
    </message>
    <message>
        <source>My system</source>
        <translation>Il mio sistema</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non salvato: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source> (preset)</source>
        <translation> (modello)</translation>
    </message>
    <message>
        <source> (error)</source>
        <translation> (errore)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source> (mine)</source>
        <translation> (mio)</translation>
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
        <translation>La puntata dopo da 1 a 10 perdite di fila dall&apos;inizio (con SAFE LEVEL 0) e dopo una vincita, in multipli della puntata base. Quanto salgono le puntate è il rischio; il banco trattiene 1 unità su 37 di ogni puntata, qualunque esse siano.</translation>
    </message>
    <message>
        <source>Changed: not saved yet.</source>
        <translation>Modificato: non ancora salvato.</translation>
    </message>
    <message>
        <source> (the first of %1 errors)</source>
        <translation> (il primo di %1 errori)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>Saved to %1, with an error: %2. It cannot be chosen until it is put right.</source>
        <translation>Salvato in %1, con un errore: %2. Non si può scegliere finché non è corretto.</translation>
    </message>
    <message>
        <source>Saved to %1, with %2 errors; the first: %3. It cannot be chosen until they are put right.</source>
        <translation>Salvato in %1, con %2 errori; il primo: %3. Non si può scegliere finché non sono corretti.</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source> Spins of a fair wheel are independent: no analysis can foresee the next one, and the house keeps 1 unit in 37 of everything staked whatever you choose.</source>
        <translation> I giri di una ruota equa sono indipendenti: nessuna analisi può prevedere il prossimo, e il banco trattiene 1 unità su 37 di tutto ciò che si punta, qualunque cosa si scelga.</translation>
    </message>
    <message>
        <source>Enter the number that came out (or type it and press Enter). Locked while an analysis runs; a number just taken back by the undo is crossed out.</source>
        <translation>Inserisci il numero uscito (oppure digitalo e premi Invio). Bloccato mentre un&apos;analisi è in corso; un numero appena annullato appare barrato.</translation>
    </message>
    <message>
        <source>The last numbers entered, the newest on the left.</source>
        <translation>Gli ultimi numeri inseriti, il più recente a sinistra.</translation>
    </message>
    <message>
        <source>The chance to bet on now and the stake in units of your base stake: place it yourself, Vellaro places nothing. It is settled at the next spin.</source>
        <translation>La chance su cui puntare ora e la puntata in unità della puntata base: piazzala tu, Vellaro non punta nulla. Viene regolata al giro successivo.</translation>
    </message>
    <message>
        <source>An even-money chance: it pays 1 to 1, and 0 loses it.</source>
        <translation>Una chance semplice: paga 1 a 1, e con lo 0 si perde.</translation>
    </message>
    <message>
        <source>TREND: click to turn this chance&apos;s trend switch on or off. While on, a recommendation of the opposite chance is turned to this one. It changes which chance you see, not your odds.</source>
        <translation>TREND: fai clic per accendere o spegnere l&apos;interruttore di trend di questa chance. Quando è acceso, un suggerimento della chance opposta viene girato su questa. Cambia quale chance vedi, non le tue probabilità.</translation>
    </message>
    <message>
        <source>SAFE LEVEL lamp: it follows the recommendations lost in a row, and is off while the SAFE LEVEL is 0 (every recommendation is then shown as a bet). Dark: the losses in a row are two or more short of the SAFE LEVEL; no bet is shown. Green: they are one short, or have reached it. Green is not a bet: a bet, its chip and stake, is shown only once the losses in a row have reached the SAFE LEVEL, so one short the lamp is green and no bet is shown yet. Waiting for losses does not make a win more likely.</source>
        <translation>Spia SAFE LEVEL: segue i suggerimenti persi di fila, ed è spenta finché il SAFE LEVEL è 0 (ogni suggerimento viene allora mostrato come puntata). Scura: alle perdite di fila ne mancano due o più per arrivare al SAFE LEVEL; nessuna puntata è mostrata. Verde: ne manca una, oppure l&apos;hanno raggiunto. Verde non è una puntata: una puntata, con la sua fiche e il suo importo, viene mostrata solo quando le perdite di fila hanno raggiunto il SAFE LEVEL, quindi quando ne manca una la spia è verde e nessuna puntata è ancora mostrata. Aspettare le perdite non rende una vincita più probabile.</translation>
    </message>
    <message>
        <source>Open or close the options area.</source>
        <translation>Apri o chiudi l&apos;area delle opzioni.</translation>
    </message>
    <message>
        <source>Take back the last number entered (Ctrl+Z); Ctrl+Shift+Z or Ctrl+Y brings it back until anything else changes. Offered once after each spin; greyed when there is nothing to take back.</source>
        <translation>Annulla l&apos;ultimo numero inserito (Ctrl+Z); Ctrl+Shift+Z o Ctrl+Y lo ripristina finché non cambia nient&apos;altro. Disponibile una volta dopo ogni giro; in grigio quando non c&apos;è nulla da annullare.</translation>
    </message>
    <message>
        <source>Save the numbers of this game to a text file (Ctrl+S).</source>
        <translation>Salva i numeri di questo gioco in un file di testo (Ctrl+S).</translation>
    </message>
    <message>
        <source>Close Vellaro. Your settings and this session are kept: the session goes on where it stood when Vellaro starts again.</source>
        <translation>Chiudi Vellaro. Le impostazioni e questa sessione vengono conservate: la sessione riprende da dove era rimasta quando Vellaro si riavvia.</translation>
    </message>
    <message>
        <source>New session: end this evening and start a fresh game with the same settings. Asks first, naming the spins and the net result that end; not while an analysis runs. The evening ended stays in the journal: the session panel can show it and continue it, and vellaro-sim can list and replay it.</source>
        <translation>Nuova sessione: termina questa serata e inizia un gioco nuovo con le stesse impostazioni. Chiede prima conferma, indicando i giri e il risultato netto che si chiudono; non mentre un&apos;analisi è in corso. La serata terminata resta nel registro: il pannello della sessione può mostrarla e continuarla, e vellaro-sim può elencarla e rigiocarla.</translation>
    </message>
    <message>
        <source>Add spins (Ctrl+Shift+V with a list copied): enter many numbers at once, typed, pasted or read from a file, exactly as if you had clicked them one after another. The undo then takes back the last one, as after a click. The past spins say nothing about the next one.</source>
        <translation>Aggiungi giri (Ctrl+Shift+V con un elenco copiato): inserisci molti numeri in una volta, digitati, incollati o letti da un file, esattamente come se li avessi cliccati uno dopo l&apos;altro. Annulla toglie poi l&apos;ultimo, come dopo un clic. I giri passati non dicono nulla sul prossimo.</translation>
    </message>
    <message>
        <source>Tick when the list shows the newest number first, as many tables&apos; displays do: the oldest is entered first all the same.</source>
        <translation>Spunta quando l&apos;elenco mostra per primo il numero più recente, come fanno i display di molti tavoli: il più vecchio viene comunque inserito per primo.</translation>
    </message>
    <message>
        <source>Read the numbers from a file: a text file, or a CSV file (*.csv) with a column of numbers; a header line is allowed.</source>
        <translation>Leggi i numeri da un file: un file di testo, o un file CSV (*.csv) con una colonna di numeri; è ammessa una riga di intestazione.</translation>
    </message>
    <message>
        <source>Enter the numbers, oldest first, each as a click on its tile with the analysis run to its end. Greyed while the list does not read whole.</source>
        <translation>Inserisci i numeri, dal più vecchio, ciascuno come un clic sulla sua casella con l&apos;analisi portata a termine. In grigio finché l&apos;elenco non si legge per intero.</translation>
    </message>
    <message>
        <source>Minimise the window.</source>
        <translation>Riduci a icona la finestra.</translation>
    </message>
    <message>
        <source>The analysis at work. The board is locked until it ends, and numbers typed meanwhile are refused, not kept.</source>
        <translation>L&apos;analisi è in corso. La griglia è bloccata finché non termina, e i numeri digitati nel frattempo vengono rifiutati, non conservati.</translation>
    </message>
    <message>
        <source>BET: your base stake in units, 1 to 1000. Every system starts from it and comes back to it after a reset.</source>
        <translation>PUNTATA: la puntata base in unità, da 1 a 1000. Ogni sistema parte da essa e vi ritorna dopo un azzeramento.</translation>
    </message>
    <message>
        <source>GAME MODE: how the next chance is chosen once five numbers are in.</source>
        <translation>MODALITÀ DI GIOCO: come viene scelta la prossima chance una volta inseriti cinque numeri.</translation>
    </message>
    <message>
        <source>BETTING SYSTEM: how the stake follows wins and losses. Picking another one starts the stakes again from the base. A system changes how much you stake and how your results swing, never the house&apos;s share. After the six built-in systems come the presets and your own systems written as files (&quot;Systems…&quot;); a file with an error is listed but cannot be chosen. A system you chose is kept as its text was then: if its file changes or goes, the kept text is what is played until you choose again.</source>
        <translation>SISTEMA DI PUNTATA: come la puntata segue vincite e perdite. Sceglierne un altro fa ripartire le puntate dalla base. Un sistema cambia quanto punti e come oscillano i tuoi risultati, mai la quota del banco. Dopo i sei sistemi integrati vengono i modelli e i tuoi sistemi scritti come file («Sistemi»); un file con un errore è elencato ma non si può scegliere. Un sistema scelto è conservato com&apos;era allora il suo testo: se il suo file cambia o sparisce, si gioca il testo conservato finché non scegli di nuovo.</translation>
    </message>
    <message>
        <source>Systems…: write your own betting system, or look at a preset, with the stakes it would ask for after losses in a row and after a win. No system changes the house&apos;s share of 1 unit in 37.</source>
        <translation>Sistemi: scrivi un tuo sistema di puntata, o guarda un modello, con le puntate che chiederebbe dopo perdite di fila e dopo una vincita. Nessun sistema cambia la quota del banco di 1 unità su 37.</translation>
    </message>
    <message>
        <source>Reset Bets: put the stake back to the base stake and start the ledger again.</source>
        <translation>Azzera puntate: riporta la puntata alla puntata base e ricomincia il bilancio.</translation>
    </message>
    <message>
        <source>ReCalculate: choose the chance again from the same numbers.</source>
        <translation>Ricalcola: scegli di nuovo la chance dagli stessi numeri.</translation>
    </message>
    <message>
        <source>Create Matrix: learn from the next spins and then follow a column of the number matrix.</source>
        <translation>Crea matrice: impara dai prossimi giri e poi segui una colonna della matrice dei numeri.</translation>
    </message>
    <message>
        <source>RM: discard the matrix and go back to the mode of the mode box.</source>
        <translation>RM: scarta la matrice e torna alla modalità scelta nel riquadro delle modalità.</translation>
    </message>
    <message>
        <source>SAFE LEVEL, 0 to 10: show a bet only after this many recommendations lost in a row; until then they are only followed. A loss streak does not make the next spin more likely to win.</source>
        <translation>SAFE LEVEL, da 0 a 10: mostra una puntata solo dopo che questo numero di suggerimenti è stato perso di fila; fino ad allora vengono solo seguiti. Una serie di perdite non rende più probabile una vincita al prossimo giro.</translation>
    </message>
    <message>
        <source>Cat.Rows: in ADAPTIVE mode, recommend the same chance again after a win instead of drawing a new one. Greyed while it cannot be used.</source>
        <translation>Cat.Rows: in modalità ADAPTIVE, suggerisci di nuovo la stessa chance dopo una vincita invece di estrarne una nuova. In grigio finché non si può usare.</translation>
    </message>
    <message>
        <source>Show Bet: show the stake on the chip; unticked, only the chip shows where to bet.</source>
        <translation>Importo: mostra l&apos;importo sulla fiche; senza spunta, la fiche mostra solo dove puntare.</translation>
    </message>
    <message>
        <source>UP-TRENDER settings, read only by the UP-TRENDER system: after ON wins, add WINS ADD TO BET units to the stake. Greyed while they cannot be changed.</source>
        <translation>IMPOSTAZIONI UP-TRENDER, lette solo dal sistema UP-TRENDER (A n VINCITE AGGIUNGI m): dopo n vincite, aggiungi m unità alla puntata. In grigio finché non si possono cambiare.</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET: put the stake back to the base whenever the ledger reaches a new high. It limits how long a progression runs on; it cannot lock in a profit.</source>
        <translation>AZZERAMENTO AUTO: riporta la puntata alla base ogni volta che il bilancio raggiunge un nuovo massimo. Limita quanto a lungo prosegue una progressione; non può mettere al sicuro un profitto.</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT: after a win, cut the next stake to the smallest one with which one more win reaches a new high. Needs BET AUTOMATIC RESET. It stakes less, it does not make a win more likely.</source>
        <translation>PROFITTO MINIMO: dopo una vincita, riduci la puntata successiva alla più piccola con cui un&apos;altra vincita raggiunge un nuovo massimo. Richiede AZZERAMENTO AUTO. Punta di meno, non rende una vincita più probabile.</translation>
    </message>
    <message>
        <source>Session limits: a bankroll, a stop-loss, a take-profit, a table maximum and the losses in a row a progression may follow. A bet that would break one is held back, with a banner saying why. Limits decide how much you risk, not whether you win.</source>
        <translation>Limiti della sessione: un capitale, uno stop-loss, un take-profit, un massimo del tavolo e le perdite di fila che una progressione può seguire. Una puntata che ne violerebbe uno viene trattenuta, con un avviso che dice perché. I limiti decidono quanto rischi, non se vinci.</translation>
    </message>
    <message>
        <source> Whole units; leave it empty to turn it off.</source>
        <translation> Unità intere; lascia vuoto per disattivarlo.</translation>
    </message>
    <message>
        <source>BANKROLL: the units you brought to this session. A stake larger than what is left of them (the bankroll plus your net result) is held back.</source>
        <translation>CAPITALE: le unità che hai portato a questa sessione. Una puntata più grande di quanto ne resta (il capitale più il tuo risultato netto) viene trattenuta.</translation>
    </message>
    <message>
        <source>STOP-LOSS: once you have lost this many units (your net result from the bets shown), no more bets are shown.</source>
        <translation>STOP-LOSS: una volta perse queste unità (il tuo risultato netto dalle puntate mostrate), non vengono più mostrate puntate.</translation>
    </message>
    <message>
        <source>TAKE-PROFIT: once you have won this many units, no more bets are shown. Stopping ahead keeps a win; it does not make one more likely.</source>
        <translation>TAKE-PROFIT: una volta vinte queste unità, non vengono più mostrate puntate. Fermarsi in attivo conserva una vincita; non ne rende una più probabile.</translation>
    </message>
    <message>
        <source>TABLE MAXIMUM: the largest stake your table accepts. A progression that asks for more is held back instead of shown at a stake you could not place.</source>
        <translation>MASSIMO DEL TAVOLO: la puntata più alta accettata dal tuo tavolo. Una progressione che chiede di più viene trattenuta invece di essere mostrata con una puntata che non potresti piazzare.</translation>
    </message>
    <message>
        <source>LOSSES IN A ROW: how many losses in a row the progression may follow; the bet after more is held back. 0 holds back every bet after a loss. A count, empty to turn it off.</source>
        <translation>PERDITE DI FILA: quante perdite di fila la progressione può seguire; la puntata dopo ulteriori perdite viene trattenuta. 0 trattiene ogni puntata dopo una perdita. Un conteggio, vuoto per disattivarlo.</translation>
    </message>
    <message>
        <source>A session limit holds the next bet back: no chip is shown and nothing is counted. Enter the next number to go on without it, or change the limit.</source>
        <translation>Un limite della sessione trattiene la prossima puntata: nessuna fiche è mostrata e nulla viene contato. Inserisci il numero successivo per proseguire senza di essa, o cambia il limite.</translation>
    </message>
    <message>
        <source>Continue anyway: show the held-back bet for this spin and count it, whatever the limit says. The limit stays set for the spins after.</source>
        <translation>Continua comunque: mostra la puntata trattenuta per questo giro e contala, qualunque cosa dica il limite. Il limite resta impostato per i giri successivi.</translation>
    </message>
    <message>
        <source>Close the limits; each one typed counts.</source>
        <translation>Chiudi i limiti; ogni valore digitato viene applicato.</translation>
    </message>
    <message>
        <source>Why the last entry was not taken.</source>
        <translation>Perché l&apos;ultima immissione non è stata accettata.</translation>
    </message>
    <message>
        <source>The column of the CSV file that holds the numbers.</source>
        <translation>La colonna del file CSV che contiene i numeri.</translation>
    </message>
    <message>
        <source>Quick analysis (Ctrl+Shift+A): each spin&apos;s analysis runs to its end at once, without its animation, so the board opens again straight away. The game is exactly the one the animation gives, only without the wait.</source>
        <translation>Analisi rapida (Ctrl+Maiusc+A): l’analisi di ogni giro arriva subito alla fine, senza la sua animazione, e la griglia si riapre immediatamente. Il gioco è esattamente quello che dà l’animazione, solo senza l’attesa.</translation>
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
        <translation>Risultato netto</translation>
    </message>
    <message>
        <source>Largest stake</source>
        <translation>Puntata più alta</translation>
    </message>
    <message>
        <source>Deepest drawdown</source>
        <translation>Calo più profondo</translation>
    </message>
    <message>
        <source>Bets won</source>
        <translation>Puntate vinte</translation>
    </message>
    <message>
        <source>Bets lost</source>
        <translation>Puntate perse</translation>
    </message>
    <message>
        <source>This evening&apos;s spins replayed under each betting system, your other settings and their changes kept. Shown bets only, from 0. Spins are independent: what a system would have made of past spins says nothing about the next ones.</source>
        <translation>I giri di questa serata rigiocati con ogni sistema di puntata, mantenendo le altre impostazioni e le loro modifiche. Solo puntate mostrate, da 0. I giri sono indipendenti: ciò che un sistema avrebbe fatto dei giri passati non dice nulla dei prossimi.</translation>
    </message>
</context>
<context>
    <name>WheelDrawing</name>
    <message>
        <source>The wheel&apos;s pockets in their order, each shaded by how often it came: the darker, the more hits. The last number is outlined.</source>
        <translation>Le caselle della ruota nel loro ordine, ciascuna ombreggiata secondo quante volte è uscita: più è scura, più uscite. L’ultimo numero è contornato.</translation>
    </message>
    <message>
        <source>Last
%1</source>
        <translation>Ultimo
%1</translation>
    </message>
</context>
<context>
    <name>WheelTab</name>
    <message>
        <source>yes: both</source>
        <translation>sì: entrambi</translation>
    </message>
    <message>
        <source>yes: hits</source>
        <translation>sì: uscite</translation>
    </message>
    <message>
        <source>yes: absence</source>
        <translation>sì: assenza</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>What the wheel has done so far. Spins are independent: none of this predicts the next spin. A figure is unusual only when its chance after Holm&apos;s correction (in brackets) is %1 % or less.</source>
        <translation>Ciò che la ruota ha fatto finora. I giri sono indipendenti: niente di tutto questo predice il prossimo giro. Un valore è insolito solo quando la sua probabilità dopo la correzione di Holm (tra parentesi) è del %1 % o meno.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Uscite</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Equa</translation>
    </message>
    <message>
        <source>Away now</source>
        <translation>Assente ora</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Più lunga</translation>
    </message>
    <message>
        <source>p hits (Holm)</source>
        <translation>p uscite (Holm)</translation>
    </message>
    <message>
        <source>p away (Holm)</source>
        <translation>p assenza (Holm)</translation>
    </message>
    <message>
        <source>Unusual?</source>
        <translation>Insolito?</translation>
    </message>
    <message>
        <source>How many spins it came</source>
        <translation>In quanti giri è uscito</translation>
    </message>
    <message>
        <source>Its share of the spins</source>
        <translation>La sua quota dei giri</translation>
    </message>
    <message>
        <source>The share a fair wheel gives it: its pockets of the 37</source>
        <translation>La quota che gli dà una ruota equa: le sue caselle sulle 37</translation>
    </message>
    <message>
        <source>Spins since it last came</source>
        <translation>Giri dall’ultima volta che è uscito</translation>
    </message>
    <message>
        <source>The most spins in a row without it, the current ones included</source>
        <translation>Il massimo di giri di fila senza di esso, compresi quelli attuali</translation>
    </message>
    <message>
        <source>The chance that a fair wheel keeps it away at least this long somewhere in these spins; after Holm&apos;s correction in brackets</source>
        <translation>La probabilità che una ruota equa lo tenga assente almeno così a lungo in un punto qualsiasi di questi giri; dopo la correzione di Holm tra parentesi</translation>
    </message>
    <message>
        <source>Whether the corrected chance of its hits or of its absence is 5 % or less</source>
        <translation>Se la probabilità corretta delle sue uscite o della sua assenza è del 5 % o meno</translation>
    </message>
    <message>
        <source>too few spins</source>
        <translation>troppo pochi giri</translation>
    </message>
    <message>
        <source>Neighbours on the wheel: after the first spin.</source>
        <translation>Vicini sulla ruota: dopo il primo giro.</translation>
    </message>
    <message>
        <source>The last number, %1, and its neighbours on the wheel, clockwise: %2.</source>
        <translation>L’ultimo numero, %1, e i suoi vicini sulla ruota, in senso orario: %2.</translation>
    </message>
    <message>
        <source>The chance that a fair wheel gives a count no more likely than this one, on either side of the expected count; after Holm&apos;s correction in brackets</source>
        <translation>La probabilità che una ruota equa dia un conteggio non più probabile di questo, da una parte o dall’altra del conteggio atteso; dopo la correzione di Holm tra parentesi</translation>
    </message>
</context>
<context>
    <name>WindowAccess</name>
    <message>
        <source>Player&apos;s guide</source>
        <translation>Guida del giocatore</translation>
    </message>
    <message>
        <source>Session panel</source>
        <translation>Pannello della sessione</translation>
    </message>
    <message>
        <source>Session result</source>
        <translation>Risultato della sessione</translation>
    </message>
    <message>
        <source>The spins of this session and the net result of the bets shown, in units.</source>
        <translation>I giri di questa sessione e il risultato netto delle puntate mostrate, in unità.</translation>
    </message>
    <message>
        <source>Where the game stands</source>
        <translation>A che punto è il gioco</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>nessuno per ora</translation>
    </message>
    <message>
        <source>Bet on </source>
        <translation>Puntata su </translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>nessuna puntata</translation>
    </message>
    <message>
        <source>Trend </source>
        <translation>Trend </translation>
    </message>
    <message>
        <source> units</source>
        <translation> unità</translation>
    </message>
    <message>
        <source>The spins to the first recommendation, the digits typed, or why a number was refused.</source>
        <translation>I giri fino al primo suggerimento, le cifre digitate, o perché un numero è stato rifiutato.</translation>
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
        <translation>iniziarne una nuova</translation>
    </message>
    <message>
        <source>Session %1 is the evening on show.</source>
        <translation>La sessione %1 è la serata mostrata.</translation>
    </message>
    <message>
        <source>Session %1 cannot be continued: %2.</source>
        <translation>La sessione %1 non può essere continuata: %2.</translation>
    </message>
    <message>
        <source>continue session %1</source>
        <translation>continuare la sessione %1</translation>
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
