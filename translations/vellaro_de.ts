<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Undo the last spin</source>
        <translation>Letzte Drehung zurücknehmen</translation>
    </message>
    <message>
        <source>Save the spins</source>
        <translation>Drehungen speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Neue Sitzung</translation>
    </message>
    <message>
        <source>Analysis at work</source>
        <translation>Analyse läuft</translation>
    </message>
    <message>
        <source>Number board</source>
        <translation>Zahlenfeld</translation>
    </message>
    <message>
        <source>Last numbers</source>
        <translation>Letzte Zahlen</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
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
        <translation>SAFE-LEVEL-Lampe</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Base stake</source>
        <translation>Grundeinsatz</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Betting system</source>
        <translation>Wettsystem</translation>
    </message>
    <message>
        <source>Reset bets</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Neu rechnen</translation>
    </message>
    <message>
        <source>Create matrix</source>
        <translation>Matrix anlegen</translation>
    </message>
    <message>
        <source>Reset matrix</source>
        <translation>Matrix verwerfen</translation>
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
        <translation>Betrag</translation>
    </message>
    <message>
        <source>UP-TRENDER</source>
        <translation>UP-TRENDER</translation>
    </message>
    <message>
        <source>Automatic reset</source>
        <translation>Auto-Zurücksetzen</translation>
    </message>
    <message>
        <source>Minimal profit</source>
        <translation>Mindestgewinn</translation>
    </message>
    <message>
        <source>Session limits</source>
        <translation>Sitzungsgrenzen</translation>
    </message>
    <message>
        <source>Why the limit is refused</source>
        <translation>Warum die Grenze abgelehnt wird</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Stop loss</source>
        <translation>Stop-Loss</translation>
    </message>
    <message>
        <source>Take profit</source>
        <translation>Take-Profit</translation>
    </message>
    <message>
        <source>Table maximum</source>
        <translation>Tischmaximum</translation>
    </message>
    <message>
        <source>Most losses in a row</source>
        <translation>Höchstzahl an Verlusten in Folge</translation>
    </message>
    <message>
        <source>Bet held back</source>
        <translation>Einsatz zurückgehalten</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Trotzdem fortfahren</translation>
    </message>
    <message>
        <source>Add spins</source>
        <translation>Drehungen hinzufügen</translation>
    </message>
    <message>
        <source>Betting systems editor</source>
        <translation>Editor für Wettsysteme</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Neueste zuerst</translation>
    </message>
    <message>
        <source>Read spins from a file</source>
        <translation>Drehungen aus einer Datei lesen</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Spalte der Datei</translation>
    </message>
    <message>
        <source>Enter the spins</source>
        <translation>Drehungen eingeben</translation>
    </message>
    <message>
        <source>Quick analysis</source>
        <translation>Schnelle Analyse</translation>
    </message>
</context>
<context>
    <name>AddSpinsDialog</name>
    <message>
        <source>Vellaro — Add spins</source>
        <translation>Vellaro — Drehungen hinzufügen</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Neueste zuerst</translation>
    </message>
    <message>
        <source>File…</source>
        <translation>Datei…</translation>
    </message>
    <message>
        <source>Spins from a file</source>
        <translation>Drehungen aus einer Datei</translation>
    </message>
    <message>
        <source>Spins (*.txt *.csv);;All files (*)</source>
        <translation>Drehungen (*.txt *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The numbers that came out, oldest first, separated by spaces, commas, semicolons or new lines; at most %1 at once.</source>
        <translation>Die gefallenen Zahlen, die älteste zuerst, getrennt durch Leerzeichen, Kommas, Semikolons oder Zeilenumbrüche; höchstens %1 auf einmal.</translation>
    </message>
    <message>
        <source>Enter 1 spin: %1</source>
        <translation>1 Drehung eingeben: %1</translation>
    </message>
    <message>
        <source>Enter %1 spins: %2 … %3</source>
        <translation>%1 Drehungen eingeben: %2 … %3</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingeben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The column of spins, as found</source>
        <translation>Die gefundene Spalte der Drehungen</translation>
    </message>
    <message>
        <source>The list you entered last, %1, is in the box again. Enter it a second time?</source>
        <translation>Die zuletzt eingegebene Liste, %1, steht wieder im Feld. Ein zweites Mal eingeben?</translation>
    </message>
    <message>
        <source>Enter again</source>
        <translation>Erneut eingeben</translation>
    </message>
    <message>
        <source>Do not enter</source>
        <translation>Nicht eingeben</translation>
    </message>
    <message>
        <source>Enter starts a new line; Ctrl+Enter enters the list.</source>
        <translation>Enter beginnt eine neue Zeile; Strg+Enter gibt die Liste ein.</translation>
    </message>
    <message>
        <source>From column &apos;%1&apos; (%2 of %3):</source>
        <translation>Aus Spalte &apos;%1&apos; (%2 von %3):</translation>
    </message>
    <message>
        <source>The copied text is larger than %1 MB: too large for a list of spins.</source>
        <translation>Der kopierte Text ist größer als %1 MB: zu groß für eine Liste von Drehungen.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Bet %1 on %2</source>
        <translation>Einsatz %1 auf %2</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>News said as it comes: a bet shown, a limit that holds the next bet back, the journal gone off.</source>
        <translation>Meldungen, gesprochen, sobald sie kommen: ein gezeigter Einsatz, eine Grenze, die den nächsten Einsatz zurückhält, das ausgefallene Journal.</translation>
    </message>
</context>
<context>
    <name>BoardKeys</name>
    <message>
        <source>Number board</source>
        <translation>Zahlenfeld</translation>
    </message>
    <message>
        <source>Arrow keys move over the numbers, Enter or Space enters the one in focus</source>
        <translation>Die Pfeiltasten bewegen den Fokus über die Zahlen, Enter oder Leertaste gibt die Zahl im Fokus ein</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
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
        <translation>Aufruf: vellaro [OPTION]
Öffnet das Fenster von Vellaro, einem Wett-Assistenten für Roulette mit einer Null:
klicken Sie die Zahl jeder Drehung auf dem Zahlenfeld an, und Vellaro zeigt eine
der sechs einfachen Chancen mit einem Einsatz aus dem gewählten Wettsystem. Es
setzt selbst nichts, und keine Analyse ändert den Vorteil der Bank von 1/37.

Optionen:
  --help       diese Hilfe zeigen und beenden
  --version    die Version zeigen und beenden
  --lang LANG  das Fenster in LANG zeigen (de, fr, ...), nicht in der Systemsprache

Qts eigene Optionen, etwa -platform NAME oder -display DISPLAY, gelten ebenfalls.
</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>spins</source>
        <translation>Drehungen</translation>
    </message>
    <message>
        <source>shown loss</source>
        <translation>gezeigter Verlust</translation>
    </message>
    <message>
        <source>shown losses</source>
        <translation>gezeigte Verluste</translation>
    </message>
    <message>
        <source>bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>bets</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>Treffer</translation>
    </message>
</context>
<context>
    <name>EndEvening</name>
    <message>
        <source>End this evening — %1, net %2 — and %3?</source>
        <translation>Diesen Abend beenden — %1, netto %2 — und %3?</translation>
    </message>
    <message>
        <source>End it</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Weiterspielen</translation>
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
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>No spin yet: there is no chart to save.</source>
        <translation>Noch keine Drehung: es gibt kein Diagramm zu speichern.</translation>
    </message>
    <message>
        <source>Could not save %1 as a PNG picture.</source>
        <translation>%1 konnte nicht als PNG-Bild gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>JournalReading</name>
    <message>
        <source>The journal cannot be read: %1</source>
        <translation>Das Journal kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The sessions that still read are listed.</source>
        <translation>Die Sitzungen, die sich noch lesen lassen, sind aufgeführt.</translation>
    </message>
    <message>
        <source>Your system</source>
        <translation>Ihr System</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4 shown  net %5</source>
        <translation>%1  %2  %3  %4 gezeigt  netto %5</translation>
    </message>
</context>
<context>
    <name>KeyboardEntry</name>
    <message>
        <source>%1 is not on the wheel</source>
        <translation>%1 gibt es im Kessel nicht</translation>
    </message>
    <message>
        <source>Typed: %1 (Enter to play, Esc to clear)</source>
        <translation>Getippt: %1 (Enter gibt ein, Esc löscht)</translation>
    </message>
</context>
<context>
    <name>LimitEntry</name>
    <message>
        <source>“%1” refused for the %2: %3. Empty turns it off.</source>
        <translation>„%1“ für %2 abgelehnt: %3. Leer schaltet die Grenze aus.</translation>
    </message>
    <message>
        <source>whole numbers only</source>
        <translation>nur ganze Zahlen</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>von %1 bis %2</translation>
    </message>
</context>
<context>
    <name>LimitsArea</name>
    <message>
        <source>Continue anyway</source>
        <translation>Trotzdem fortfahren</translation>
    </message>
</context>
<context>
    <name>LimitsDialog</name>
    <message>
        <source>Session limits</source>
        <translation>Sitzungsgrenzen</translation>
    </message>
    <message>
        <source>Whole numbers; empty = off.</source>
        <translation>Ganze Zahlen; leer = aus.</translation>
    </message>
    <message>
        <source>BANKROLL:</source>
        <translation>KASSE:</translation>
    </message>
    <message>
        <source>unit brought</source>
        <translation>Einheit mitgebracht</translation>
    </message>
    <message>
        <source>units brought</source>
        <translation>Einheiten mitgebracht</translation>
    </message>
    <message>
        <source>STOP-LOSS:</source>
        <translation>STOP-LOSS:</translation>
    </message>
    <message>
        <source>unit lost</source>
        <translation>Einheit verloren</translation>
    </message>
    <message>
        <source>units lost</source>
        <translation>Einheiten verloren</translation>
    </message>
    <message>
        <source>TAKE-PROFIT:</source>
        <translation>TAKE-PROFIT:</translation>
    </message>
    <message>
        <source>unit won</source>
        <translation>Einheit gewonnen</translation>
    </message>
    <message>
        <source>units won</source>
        <translation>Einheiten gewonnen</translation>
    </message>
    <message>
        <source>TABLE MAXIMUM:</source>
        <translation>TISCHMAXIMUM:</translation>
    </message>
    <message>
        <source>unit a stake</source>
        <translation>Einheit je Einsatz</translation>
    </message>
    <message>
        <source>units a stake</source>
        <translation>Einheiten je Einsatz</translation>
    </message>
    <message>
        <source>LOSSES IN A ROW:</source>
        <translation>VERLUSTE IN FOLGE:</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>höchstens</translation>
    </message>
    <message>
        <source>SESSION LIMITS</source>
        <translation>SITZUNGSGRENZEN</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Session panel (Ctrl+P)</source>
        <translation>Sitzungsfenster (Strg+P)</translation>
    </message>
    <message>
        <source>The session panel cannot be loaded: %1</source>
        <translation>Das Sitzungsfenster kann nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>MessageLine</name>
    <message>
        <source>Bet held back — </source>
        <translation>Einsatz zurückgehalten — </translation>
    </message>
    <message>
        <source>Refused: </source>
        <translation>Abgelehnt: </translation>
    </message>
</context>
<context>
    <name>OptionsArea</name>
    <message>
        <source>Spins the matrix learns from</source>
        <translation>Drehungen, aus denen die Matrix lernt</translation>
    </message>
    <message>
        <source>BET:</source>
        <translation>EINSATZ:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>SPIELMODUS:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>WETTSYSTEM:</translation>
    </message>
    <message>
        <source>Systems…</source>
        <translation>Systeme…</translation>
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
        <translation>Vellaro — Spielerhandbuch</translation>
    </message>
    <message>
        <source>What Vellaro shows and how an evening runs.</source>
        <translation>Was Vellaro zeigt und wie ein Abend abläuft.</translation>
    </message>
    <message>
        <source>The player&apos;s guide (F1): what the window shows, each mode and system in plain words, the limits, and the keyboard: Tab and Shift+Tab go from control to control, Space or Enter presses it, the arrow keys move over the board and Enter enters the number; digits and Enter, Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y, Ctrl+S, Ctrl+P and F1 anywhere.</source>
        <translation>Das Spielerhandbuch (F1): was das Fenster zeigt, jeder Modus und jedes System in einfachen Worten, die Grenzen und die Tastatur: Tab und Umschalt+Tab gehen von Element zu Element, Leertaste oder Enter betätigt es, die Pfeiltasten bewegen sich über das Zahlenfeld und Enter gibt die Zahl ein; Ziffern und Enter, Strg+Z, Strg+Umschalt+Z oder Strg+Y, Strg+S, Strg+P und F1 überall.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>First recommendation on the next spin</source>
        <translation>Erste Empfehlung bei der nächsten Drehung</translation>
    </message>
    <message>
        <source>First recommendation in %1</source>
        <translation>Erste Empfehlung in %1</translation>
    </message>
    <message>
        <source>MATRIX column %1 · spin %2</source>
        <translation>MATRIX Spalte %1 · Drehung %2</translation>
    </message>
    <message>
        <source>MATRIX learning: %1 left</source>
        <translation>MATRIX lernt: noch %1</translation>
    </message>
    <message>
        <source>Spin %1</source>
        <translation>Drehung %1</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>SessionChart</name>
    <message>
        <source>Net result of the shown bets, from 0 (units)</source>
        <translation>Nettoergebnis der gezeigten Einsätze, ab 0 (Einheiten)</translation>
    </message>
    <message>
        <source>Spins shown:</source>
        <translation>Gezeigte Drehungen:</translation>
    </message>
    <message>
        <source>the whole session</source>
        <translation>die ganze Sitzung</translation>
    </message>
    <message>
        <source>the last %1</source>
        <translation>die letzten %1</translation>
    </message>
    <message>
        <source>what-if lines of the systems (dashed; yours solid)</source>
        <translation>Was-wäre-wenn-Linien der Systeme (gestrichelt; Ihres durchgezogen)</translation>
    </message>
    <message>
        <source>net result</source>
        <translation>Nettoergebnis</translation>
    </message>
    <message>
        <source>stake (right axis)</source>
        <translation>Einsatz (rechte Achse)</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>reset or setting</source>
        <translation>Zurücksetzen oder Einstellung</translation>
    </message>
    <message>
        <source>spins played</source>
        <translation>gespielte Drehungen</translation>
    </message>
    <message>
        <source>stake</source>
        <translation>Einsatz</translation>
    </message>
</context>
<context>
    <name>SessionPanel</name>
    <message>
        <source>Vellaro — Session</source>
        <translation>Vellaro — Sitzung</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Sitzung:</translation>
    </message>
    <message>
        <source>This evening, or a past session from the journal, replayed through the same engine</source>
        <translation>Dieser Abend oder eine frühere Sitzung aus dem Journal, mit derselben Berechnung nachgespielt</translation>
    </message>
    <message>
        <source>This evening</source>
        <translation>Dieser Abend</translation>
    </message>
    <message>
        <source>Continue this evening</source>
        <translation>Diesen Abend fortsetzen</translation>
    </message>
    <message>
        <source>Play on with the session on show: it becomes the evening in the main window again, exactly where it stood, and goes on in the journal as the same session. The evening in the window now is ended first, after asking.</source>
        <translation>Mit der gezeigten Sitzung weiterspielen: sie wird wieder der Abend im Hauptfenster, genau dort, wo sie stand, und geht im Journal als dieselbe Sitzung weiter. Der Abend, der jetzt im Fenster ist, wird zuvor nach Rückfrage beendet.</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Bericht speichern…</translation>
    </message>
    <message>
        <source>The evening on show as one HTML page with its chart and statistics, as vellaro-sim --report writes it</source>
        <translation>Der gezeigte Abend als eine HTML-Seite mit Diagramm und Statistik, wie vellaro-sim --report sie schreibt</translation>
    </message>
    <message>
        <source>Save the report page</source>
        <translation>Berichtsseite speichern</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Webseite (*.html)</translation>
    </message>
    <message>
        <source>Save chart…</source>
        <translation>Diagramm speichern…</translation>
    </message>
    <message>
        <source>The chart as a PNG picture, or as SVG</source>
        <translation>Das Diagramm als PNG-Bild oder als SVG</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>What chance alone has done so far. Spins are independent: none of this predicts the next spin. Each chance is expected %1 of the time.</source>
        <translation>Was der Zufall allein bisher getan hat. Drehungen sind unabhängig: nichts davon sagt die nächste Drehung voraus. Jede Chance wird in %1 der Fälle erwartet.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Aktuelle Serie</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>Spins since</source>
        <translation>Drehungen seit</translation>
    </message>
    <message>
        <source>Chances and numbers</source>
        <translation>Chancen und Zahlen</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Kessel</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Lost in total</source>
        <translation>Insgesamt verloren</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>What-if</source>
        <translation>Was wäre wenn</translation>
    </message>
    <message>
        <source>No stored sessions (no journal yet).</source>
        <translation>Keine gespeicherten Sitzungen (noch kein Journal).</translation>
    </message>
    <message>
        <source>No stored sessions.</source>
        <translation>Keine gespeicherten Sitzungen.</translation>
    </message>
    <message>
        <source>1 stored session.</source>
        <translation>1 gespeicherte Sitzung.</translation>
    </message>
    <message>
        <source>%1 stored sessions.</source>
        <translation>%1 gespeicherte Sitzungen.</translation>
    </message>
    <message>
        <source>Replaying session %1…</source>
        <translation>Sitzung %1 wird nachgespielt…</translation>
    </message>
    <message>
        <source>Session %1 cannot be shown: %2</source>
        <translation>Sitzung %1 kann nicht gezeigt werden: %2</translation>
    </message>
    <message>
        <source>Session %1, replayed from the journal.</source>
        <translation>Sitzung %1, aus dem Journal nachgespielt.</translation>
    </message>
    <message>
        <source>Session %1&apos;s spins replayed under each betting system, its other settings and their changes kept. Shown bets only, from 0. Spins are independent: what a system would have made of past spins says nothing about the next ones.</source>
        <translation>Die Drehungen von Sitzung %1, mit jedem Wettsystem nachgespielt; ihre übrigen Einstellungen und deren Änderungen bleiben. Nur gezeigte Einsätze, ab 0. Drehungen sind unabhängig: was ein System aus vergangenen Drehungen gemacht hätte, sagt nichts über die nächsten.</translation>
    </message>
    <message>
        <source>Zeros: %1 of %2</source>
        <translation>Zeros: %1 von %2</translation>
    </message>
    <message>
        <source>Are the 37 numbers as even as a fair wheel leaves them? Chi-square %1 on %2 degrees of freedom, p = %3. %4</source>
        <translation>Sind die 37 Zahlen so gleichmäßig, wie ein fairer Kessel sie lässt? Chi-Quadrat %1 bei %2 Freiheitsgraden, p = %3. %4</translation>
    </message>
    <message>
        <source>The test of the 37 numbers needs %1 spins (5 per number); before that it would say nothing honest.</source>
        <translation>Der Test der 37 Zahlen braucht %1 Drehungen (5 pro Zahl); vorher würde er nichts Ehrliches sagen.</translation>
    </message>
    <message>
        <source>this panel is not the window&apos;s</source>
        <translation>dieses Sitzungsfenster gehört zu keinem Hauptfenster</translation>
    </message>
</context>
<context>
    <name>SessionReadout</name>
    <message>
        <source>Net result of the shown bets, from 0: %1 %2</source>
        <translation>Nettoergebnis der gezeigten Einsätze, ab 0: %1 %2</translation>
    </message>
    <message>
        <source>
Bet on show: %1
If it loses, the next stake: %2</source>
        <translation>
Gezeigter Einsatz: %1
Bei einem Verlust der nächste Einsatz: %2</translation>
    </message>
    <message>
        <source>Spins %1  Net %2</source>
        <translation>Drehungen %1  Netto %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Vellaro is already running: its window has been brought forward.</source>
        <translation>Vellaro läuft bereits: sein Fenster wurde nach vorn geholt.</translation>
    </message>
    <message>
        <source>Vellaro is already running with the data folder %1, and did not answer.</source>
        <translation>Vellaro läuft bereits mit dem Datenordner %1 und hat nicht geantwortet.</translation>
    </message>
</context>
<context>
    <name>SystemBox</name>
    <message>
        <source> (error)</source>
        <translation> (Fehler)</translation>
    </message>
</context>
<context>
    <name>SystemEditor</name>
    <message>
        <source>Betting systems</source>
        <translation>Wettsysteme</translation>
    </message>
    <message>
        <source>New betting system</source>
        <translation>Neues Wettsystem</translation>
    </message>
    <message>
        <source>Name of the system:</source>
        <translation>Name des Systems:</translation>
    </message>
    <message>
        <source>Next stake</source>
        <translation>Nächster Einsatz</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Neu…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>A preset: read only. &quot;Save as…&quot; makes a copy of your own.</source>
        <translation>Eine Vorlage: nur lesbar. „Speichern unter…“ legt eine eigene Kopie an.</translation>
    </message>
    <message>
        <source>A name needs a letter or a digit.</source>
        <translation>Ein Name braucht einen Buchstaben oder eine Ziffer.</translation>
    </message>
    <message>
        <source>%1 already exists: open it from the list.</source>
        <translation>%1 gibt es schon: öffnen Sie es aus der Liste.</translation>
    </message>
    <message>
        <source>My system</source>
        <translation>Mein System</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source> (preset)</source>
        <translation> (Vorlage)</translation>
    </message>
    <message>
        <source> (error)</source>
        <translation> (Fehler)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source> (mine)</source>
        <translation> (eigenes)</translation>
    </message>
    <message>
        <source># A betting system of your own: see &quot;Your own betting systems&quot; in the guide (F1).</source>
        <translation># Ein eigenes Wettsystem: siehe „Eigene Wettsysteme“ im Spielerhandbuch (F1).</translation>
    </message>
    <message>
        <source>win</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>The stake after 1 to 10 losses in a row from the start (with SAFE LEVEL 0), and after a win, times your base stake. How far the stakes climb is the risk; the house keeps 1 unit in 37 of every stake whatever they are.</source>
        <translation>Der Einsatz nach 1 bis 10 Verlusten in Folge vom Start an (mit SAFE LEVEL 0) und nach einem Gewinn, als Vielfaches Ihres Grundeinsatzes. Wie hoch die Einsätze steigen, ist das Risiko; die Bank behält 1 Einheit von 37 jedes Einsatzes, wie sie auch aussehen.</translation>
    </message>
    <message>
        <source>Changed: not saved yet.</source>
        <translation>Geändert: noch nicht gespeichert.</translation>
    </message>
    <message>
        <source> (the first of %1 errors)</source>
        <translation> (der erste von %1 Fehlern)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Saved to %1, with an error: %2. It cannot be chosen until it is put right.</source>
        <translation>Gespeichert in %1, mit einem Fehler: %2. Es kann erst gewählt werden, wenn er behoben ist.</translation>
    </message>
    <message>
        <source>Saved to %1, with %2 errors; the first: %3. It cannot be chosen until they are put right.</source>
        <translation>Gespeichert in %1, mit %2 Fehlern; der erste: %3. Es kann erst gewählt werden, wenn sie behoben sind.</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source> Spins of a fair wheel are independent: no analysis can foresee the next one, and the house keeps 1 unit in 37 of everything staked whatever you choose.</source>
        <translation> Die Drehungen eines fairen Kessels sind unabhängig: keine Analyse kann die nächste vorhersehen, und die Bank behält 1 Einheit von 37 aller Einsätze, was Sie auch wählen.</translation>
    </message>
    <message>
        <source>Enter the number that came out (or type it and press Enter). Locked while an analysis runs; a number just taken back by the undo is crossed out.</source>
        <translation>Geben Sie die gefallene Zahl ein (oder tippen Sie sie und drücken Sie Enter). Gesperrt, solange eine Analyse läuft; eine gerade zurückgenommene Zahl ist durchgestrichen.</translation>
    </message>
    <message>
        <source>The last numbers entered, the newest on the left.</source>
        <translation>Die zuletzt eingegebenen Zahlen, die neueste links.</translation>
    </message>
    <message>
        <source>The chance to bet on now and the stake in units of your base stake: place it yourself, Vellaro places nothing. It is settled at the next spin.</source>
        <translation>Die Chance, auf die jetzt gesetzt wird, und der Einsatz in Einheiten Ihres Grundeinsatzes: setzen Sie ihn selbst, Vellaro setzt nichts. Er wird mit der nächsten Drehung abgerechnet.</translation>
    </message>
    <message>
        <source>An even-money chance: it pays 1 to 1, and 0 loses it.</source>
        <translation>Eine einfache Chance: sie zahlt 1 zu 1, und bei 0 geht sie verloren.</translation>
    </message>
    <message>
        <source>TREND: click to turn this chance&apos;s trend switch on or off. While on, a recommendation of the opposite chance is turned to this one. It changes which chance you see, not your odds.</source>
        <translation>TREND: klicken, um den Trendschalter dieser Chance ein- oder auszuschalten. Ist er an, wird eine Empfehlung der Gegenchance auf diese umgelenkt. Das ändert, welche Chance Sie sehen, nicht Ihre Gewinnaussichten.</translation>
    </message>
    <message>
        <source>SAFE LEVEL lamp: it follows the recommendations lost in a row, and is off while the SAFE LEVEL is 0 (every recommendation is then shown as a bet). Dark: the losses in a row are two or more short of the SAFE LEVEL; no bet is shown. Green: they are one short, or have reached it. Green is not a bet: a bet, its chip and stake, is shown only once the losses in a row have reached the SAFE LEVEL, so one short the lamp is green and no bet is shown yet. Waiting for losses does not make a win more likely.</source>
        <translation>SAFE-LEVEL-Lampe: sie folgt den Empfehlungen, die in Folge verloren wurden, und ist aus, solange der SAFE LEVEL 0 ist (jede Empfehlung wird dann als Einsatz gezeigt). Dunkel: den Verlusten in Folge fehlen zwei oder mehr bis zum SAFE LEVEL; kein Einsatz wird gezeigt. Grün: es fehlt einer, oder er ist erreicht. Grün ist kein Einsatz: ein Einsatz, sein Jeton und seine Höhe, wird erst gezeigt, wenn die Verluste in Folge den SAFE LEVEL erreicht haben; fehlt einer, ist die Lampe grün und noch kein Einsatz zu sehen. Auf Verluste zu warten macht einen Gewinn nicht wahrscheinlicher.</translation>
    </message>
    <message>
        <source>Open or close the options area.</source>
        <translation>Den Optionsbereich öffnen oder schließen.</translation>
    </message>
    <message>
        <source>Take back the last number entered (Ctrl+Z); Ctrl+Shift+Z or Ctrl+Y brings it back until anything else changes. Offered once after each spin; greyed when there is nothing to take back.</source>
        <translation>Die zuletzt eingegebene Zahl zurücknehmen (Strg+Z); Strg+Umschalt+Z oder Strg+Y bringt sie zurück, bis sich etwas anderes ändert. Einmal nach jeder Drehung möglich; ausgegraut, wenn nichts zurückzunehmen ist.</translation>
    </message>
    <message>
        <source>Save the numbers of this game to a text file (Ctrl+S).</source>
        <translation>Die Zahlen dieses Spiels in einer Textdatei speichern (Strg+S).</translation>
    </message>
    <message>
        <source>Close Vellaro. Your settings and this session are kept: the session goes on where it stood when Vellaro starts again.</source>
        <translation>Vellaro schließen. Ihre Einstellungen und diese Sitzung bleiben erhalten: beim nächsten Start geht die Sitzung dort weiter, wo sie stand.</translation>
    </message>
    <message>
        <source>New session: end this evening and start a fresh game with the same settings. Asks first, naming the spins and the net result that end; not while an analysis runs. The evening ended stays in the journal: the session panel can show it and continue it, and vellaro-sim can list and replay it.</source>
        <translation>Neue Sitzung: diesen Abend beenden und ein neues Spiel mit denselben Einstellungen beginnen. Fragt vorher nach und nennt die Drehungen und das Nettoergebnis, die damit enden; nicht während einer Analyse. Der beendete Abend bleibt im Journal: das Sitzungsfenster kann ihn zeigen und fortsetzen, und vellaro-sim kann ihn auflisten und nachspielen.</translation>
    </message>
    <message>
        <source>Add spins (Ctrl+Shift+V with a list copied): enter many numbers at once, typed, pasted or read from a file, exactly as if you had clicked them one after another. The undo then takes back the last one, as after a click. The past spins say nothing about the next one.</source>
        <translation>Drehungen hinzufügen (Strg+Umschalt+V mit einer kopierten Liste): viele Zahlen auf einmal eingeben, getippt, eingefügt oder aus einer Datei gelesen, genau so, als hätten Sie sie nacheinander angeklickt. Das Rückgängigmachen nimmt dann die letzte zurück, wie nach einem Klick. Die vergangenen Drehungen sagen nichts über die nächste.</translation>
    </message>
    <message>
        <source>Tick when the list shows the newest number first, as many tables&apos; displays do: the oldest is entered first all the same.</source>
        <translation>Ankreuzen, wenn die Liste die neueste Zahl zuerst zeigt, wie es viele Tischanzeigen tun: eingegeben wird trotzdem die älteste zuerst.</translation>
    </message>
    <message>
        <source>Read the numbers from a file: a text file, or a CSV file (*.csv) with a column of numbers; a header line is allowed.</source>
        <translation>Die Zahlen aus einer Datei lesen: einer Textdatei oder einer CSV-Datei (*.csv) mit einer Spalte von Zahlen; eine Kopfzeile ist erlaubt.</translation>
    </message>
    <message>
        <source>Enter the numbers, oldest first, each as a click on its tile with the analysis run to its end. Greyed while the list does not read whole.</source>
        <translation>Die Zahlen eingeben, die älteste zuerst, jede wie ein Klick auf ihr Feld, mit zu Ende gelaufener Analyse. Ausgegraut, solange die Liste nicht vollständig lesbar ist.</translation>
    </message>
    <message>
        <source>Minimise the window.</source>
        <translation>Das Fenster minimieren.</translation>
    </message>
    <message>
        <source>The analysis at work. The board is locked until it ends, and numbers typed meanwhile are refused, not kept.</source>
        <translation>Die Analyse arbeitet. Das Zahlenfeld ist gesperrt, bis sie endet, und in der Zwischenzeit getippte Zahlen werden abgewiesen, nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>BET: your base stake in units, 1 to 1000. Every system starts from it and comes back to it after a reset.</source>
        <translation>EINSATZ: Ihr Grundeinsatz in Einheiten, 1 bis 1000. Jedes System beginnt damit und kehrt nach einem Zurücksetzen dorthin zurück.</translation>
    </message>
    <message>
        <source>GAME MODE: how the next chance is chosen once five numbers are in.</source>
        <translation>SPIELMODUS: wie die nächste Chance gewählt wird, sobald fünf Zahlen eingegeben sind.</translation>
    </message>
    <message>
        <source>BETTING SYSTEM: how the stake follows wins and losses. Picking another one starts the stakes again from the base. A system changes how much you stake and how your results swing, never the house&apos;s share. After the six built-in systems come the presets and your own systems written as files (&quot;Systems…&quot;); a file with an error is listed but cannot be chosen. A system you chose is kept as its text was then: if its file changes or goes, the kept text is what is played until you choose again.</source>
        <translation>WETTSYSTEM: wie der Einsatz Gewinnen und Verlusten folgt. Ein anderes zu wählen beginnt die Einsätze wieder beim Grundeinsatz. Ein System ändert, wie viel Sie setzen und wie Ihre Ergebnisse schwanken, nie den Anteil der Bank. Nach den sechs eingebauten Systemen folgen die Vorlagen und Ihre eigenen, als Dateien geschriebenen Systeme („Systeme…“); eine fehlerhafte Datei wird aufgeführt, kann aber nicht gewählt werden. Ein gewähltes System bleibt so, wie sein Text damals war: ändert sich seine Datei oder verschwindet sie, wird der aufbewahrte Text gespielt, bis Sie neu wählen.</translation>
    </message>
    <message>
        <source>Systems…: write your own betting system, or look at a preset, with the stakes it would ask for after losses in a row and after a win. No system changes the house&apos;s share of 1 unit in 37.</source>
        <translation>Systeme…: ein eigenes Wettsystem schreiben oder eine Vorlage ansehen, mit den Einsätzen, die es nach Verlusten in Folge und nach einem Gewinn verlangen würde. Kein System ändert den Anteil der Bank von 1 Einheit in 37.</translation>
    </message>
    <message>
        <source>Reset Bets: put the stake back to the base stake and start the ledger again.</source>
        <translation>Zurücksetzen: den Einsatz auf den Grundeinsatz zurücksetzen und die Bilanz neu beginnen.</translation>
    </message>
    <message>
        <source>ReCalculate: choose the chance again from the same numbers.</source>
        <translation>Neu rechnen: die Chance aus denselben Zahlen neu wählen.</translation>
    </message>
    <message>
        <source>Create Matrix: learn from the next spins and then follow a column of the number matrix.</source>
        <translation>Matrix anlegen: aus den nächsten Drehungen lernen und dann einer Spalte der Zahlenmatrix folgen.</translation>
    </message>
    <message>
        <source>RM: discard the matrix and go back to the mode of the mode box.</source>
        <translation>RM: die Matrix verwerfen und zum Modus aus dem Modusfeld zurückkehren.</translation>
    </message>
    <message>
        <source>SAFE LEVEL, 0 to 10: show a bet only after this many recommendations lost in a row; until then they are only followed. A loss streak does not make the next spin more likely to win.</source>
        <translation>SAFE LEVEL, 0 bis 10: einen Einsatz erst zeigen, nachdem so viele Empfehlungen in Folge verloren wurden; bis dahin werden sie nur verfolgt. Eine Verlustserie macht einen Gewinn bei der nächsten Drehung nicht wahrscheinlicher.</translation>
    </message>
    <message>
        <source>Cat.Rows: in ADAPTIVE mode, recommend the same chance again after a win instead of drawing a new one. Greyed while it cannot be used.</source>
        <translation>Cat.Rows: im Modus ADAPTIVE nach einem Gewinn dieselbe Chance erneut empfehlen, statt eine neue zu ziehen. Ausgegraut, solange es nicht verwendet werden kann.</translation>
    </message>
    <message>
        <source>Show Bet: show the stake on the chip; unticked, only the chip shows where to bet.</source>
        <translation>Betrag: den Einsatz auf dem Jeton zeigen; ohne Haken zeigt der Jeton nur, wo gesetzt wird.</translation>
    </message>
    <message>
        <source>UP-TRENDER settings, read only by the UP-TRENDER system: after ON wins, add WINS ADD TO BET units to the stake. Greyed while they cannot be changed.</source>
        <translation>UP-TRENDER-EINSTELLUNGEN, nur vom System UP-TRENDER gelesen: BEI n GEWINNEN PLUS m heißt, nach n Gewinnen m Einheiten zum Einsatz hinzufügen. Ausgegraut, solange sie nicht geändert werden können.</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET: put the stake back to the base whenever the ledger reaches a new high. It limits how long a progression runs on; it cannot lock in a profit.</source>
        <translation>AUTO-ZURÜCKSETZEN: den Einsatz auf den Grundeinsatz zurücksetzen, sobald die Bilanz einen neuen Höchststand erreicht. Das begrenzt, wie lange eine Progression weiterläuft; einen Gewinn sichern kann es nicht.</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT: after a win, cut the next stake to the smallest one with which one more win reaches a new high. Needs BET AUTOMATIC RESET. It stakes less, it does not make a win more likely.</source>
        <translation>MINDESTGEWINN: nach einem Gewinn den nächsten Einsatz auf den kleinsten senken, mit dem ein weiterer Gewinn einen neuen Höchststand erreicht. Braucht AUTO-ZURÜCKSETZEN. Es setzt weniger, es macht einen Gewinn nicht wahrscheinlicher.</translation>
    </message>
    <message>
        <source>Session limits: a bankroll, a stop-loss, a take-profit, a table maximum and the losses in a row a progression may follow. A bet that would break one is held back, with a banner saying why. Limits decide how much you risk, not whether you win.</source>
        <translation>Sitzungsgrenzen: eine Kasse, ein Stop-Loss, ein Take-Profit, ein Tischmaximum und die Verluste in Folge, denen eine Progression folgen darf. Ein Einsatz, der eine davon überschreiten würde, wird zurückgehalten, und ein Banner sagt warum. Grenzen bestimmen, wie viel Sie riskieren, nicht ob Sie gewinnen.</translation>
    </message>
    <message>
        <source> Whole units; leave it empty to turn it off.</source>
        <translation> Ganze Einheiten; leer lassen, um sie auszuschalten.</translation>
    </message>
    <message>
        <source>BANKROLL: the units you brought to this session. A stake larger than what is left of them (the bankroll plus your net result) is held back.</source>
        <translation>KASSE: die Einheiten, die Sie für diese Sitzung mitgebracht haben. Ein Einsatz, der größer ist als das, was davon übrig ist (die Kasse plus Ihr Nettoergebnis), wird zurückgehalten.</translation>
    </message>
    <message>
        <source>STOP-LOSS: once you have lost this many units (your net result from the bets shown), no more bets are shown.</source>
        <translation>STOP-LOSS: sobald Sie so viele Einheiten verloren haben (Ihr Nettoergebnis aus den gezeigten Einsätzen), werden keine Einsätze mehr gezeigt.</translation>
    </message>
    <message>
        <source>TAKE-PROFIT: once you have won this many units, no more bets are shown. Stopping ahead keeps a win; it does not make one more likely.</source>
        <translation>TAKE-PROFIT: sobald Sie so viele Einheiten gewonnen haben, werden keine Einsätze mehr gezeigt. Im Plus aufzuhören bewahrt einen Gewinn; es macht keinen wahrscheinlicher.</translation>
    </message>
    <message>
        <source>TABLE MAXIMUM: the largest stake your table accepts. A progression that asks for more is held back instead of shown at a stake you could not place.</source>
        <translation>TISCHMAXIMUM: der höchste Einsatz, den Ihr Tisch annimmt. Eine Progression, die mehr verlangt, wird zurückgehalten, statt mit einem Einsatz gezeigt zu werden, den Sie nicht setzen könnten.</translation>
    </message>
    <message>
        <source>LOSSES IN A ROW: how many losses in a row the progression may follow; the bet after more is held back. 0 holds back every bet after a loss. A count, empty to turn it off.</source>
        <translation>VERLUSTE IN FOLGE: wie vielen Verlusten in Folge die Progression folgen darf; der Einsatz nach weiteren wird zurückgehalten. 0 hält jeden Einsatz nach einem Verlust zurück. Eine Anzahl, leer, um sie auszuschalten.</translation>
    </message>
    <message>
        <source>A session limit holds the next bet back: no chip is shown and nothing is counted. Enter the next number to go on without it, or change the limit.</source>
        <translation>Eine Sitzungsgrenze hält den nächsten Einsatz zurück: kein Jeton wird gezeigt und nichts gezählt. Geben Sie die nächste Zahl ein, um ohne ihn weiterzumachen, oder ändern Sie die Grenze.</translation>
    </message>
    <message>
        <source>Continue anyway: show the held-back bet for this spin and count it, whatever the limit says. The limit stays set for the spins after.</source>
        <translation>Trotzdem fortfahren: den zurückgehaltenen Einsatz für diese Drehung zeigen und zählen, was die Grenze auch sagt. Die Grenze bleibt für die folgenden Drehungen gesetzt.</translation>
    </message>
    <message>
        <source>Close the limits; each one typed counts.</source>
        <translation>Die Grenzen schließen; jede eingetippte zählt.</translation>
    </message>
    <message>
        <source>Why the last entry was not taken.</source>
        <translation>Warum die letzte Eingabe nicht angenommen wurde.</translation>
    </message>
    <message>
        <source>The column of the CSV file that holds the numbers.</source>
        <translation>Die Spalte der CSV-Datei, die die Zahlen enthält.</translation>
    </message>
    <message>
        <source>Quick analysis (Ctrl+Shift+A): each spin&apos;s analysis runs to its end at once, without its animation, so the board opens again straight away. The game is exactly the one the animation gives, only without the wait.</source>
        <translation>Schnelle Analyse (Strg+Umschalt+A): Die Analyse jeder Drehung läuft sofort zu Ende, ohne ihre Animation, sodass das Zahlenfeld gleich wieder frei ist. Das Spiel ist genau das, das die Animation ergibt, nur ohne das Warten.</translation>
    </message>
</context>
<context>
    <name>WhatIfTable</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Nettoergebnis</translation>
    </message>
    <message>
        <source>Largest stake</source>
        <translation>Höchster Einsatz</translation>
    </message>
    <message>
        <source>Deepest drawdown</source>
        <translation>Tiefster Rückgang</translation>
    </message>
    <message>
        <source>Bets won</source>
        <translation>Gewonnene Einsätze</translation>
    </message>
    <message>
        <source>Bets lost</source>
        <translation>Verlorene Einsätze</translation>
    </message>
    <message>
        <source>This evening&apos;s spins replayed under each betting system, your other settings and their changes kept. Shown bets only, from 0. Spins are independent: what a system would have made of past spins says nothing about the next ones.</source>
        <translation>Die Drehungen dieses Abends, mit jedem Wettsystem nachgespielt; Ihre übrigen Einstellungen und deren Änderungen bleiben. Nur gezeigte Einsätze, ab 0. Drehungen sind unabhängig: was ein System aus vergangenen Drehungen gemacht hätte, sagt nichts über die nächsten.</translation>
    </message>
</context>
<context>
    <name>WheelDrawing</name>
    <message>
        <source>The wheel&apos;s pockets in their order, each shaded by how often it came: the darker, the more hits. The last number is outlined.</source>
        <translation>Die Fächer des Kessels in ihrer Reihenfolge, jedes danach schattiert, wie oft es kam: je dunkler, desto mehr Treffer. Die letzte Zahl ist umrandet.</translation>
    </message>
    <message>
        <source>Last
%1</source>
        <translation>Zuletzt
%1</translation>
    </message>
</context>
<context>
    <name>WheelTab</name>
    <message>
        <source>yes: both</source>
        <translation>ja: beides</translation>
    </message>
    <message>
        <source>yes: hits</source>
        <translation>ja: Treffer</translation>
    </message>
    <message>
        <source>yes: absence</source>
        <translation>ja: Ausbleiben</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>What the wheel has done so far. Spins are independent: none of this predicts the next spin. A figure is unusual only when its chance after Holm&apos;s correction (in brackets) is %1 % or less.</source>
        <translation>Was der Kessel bisher getan hat. Drehungen sind unabhängig: nichts davon sagt die nächste Drehung voraus. Ein Wert ist nur dann ungewöhnlich, wenn seine Wahrscheinlichkeit nach der Holm-Korrektur (in Klammern) %1 % oder weniger beträgt.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Fair</translation>
    </message>
    <message>
        <source>Away now</source>
        <translation>Fehlt seit</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Längste</translation>
    </message>
    <message>
        <source>p hits (Holm)</source>
        <translation>p Treffer (Holm)</translation>
    </message>
    <message>
        <source>p away (Holm)</source>
        <translation>p Ausbleiben (Holm)</translation>
    </message>
    <message>
        <source>Unusual?</source>
        <translation>Ungewöhnlich?</translation>
    </message>
    <message>
        <source>How many spins it came</source>
        <translation>In wie vielen Drehungen es kam</translation>
    </message>
    <message>
        <source>Its share of the spins</source>
        <translation>Sein Anteil an den Drehungen</translation>
    </message>
    <message>
        <source>The share a fair wheel gives it: its pockets of the 37</source>
        <translation>Der Anteil, den ein fairer Kessel ihm gibt: seine Fächer von den 37</translation>
    </message>
    <message>
        <source>Spins since it last came</source>
        <translation>Drehungen seit seinem letzten Erscheinen</translation>
    </message>
    <message>
        <source>The most spins in a row without it, the current ones included</source>
        <translation>Die meisten Drehungen in Folge ohne es, die aktuellen eingeschlossen</translation>
    </message>
    <message>
        <source>The chance that a fair wheel keeps it away at least this long somewhere in these spins; after Holm&apos;s correction in brackets</source>
        <translation>Die Wahrscheinlichkeit, dass ein fairer Kessel es irgendwo in diesen Drehungen mindestens so lange ausbleiben lässt; nach der Holm-Korrektur in Klammern</translation>
    </message>
    <message>
        <source>Whether the corrected chance of its hits or of its absence is 5 % or less</source>
        <translation>Ob die korrigierte Wahrscheinlichkeit seiner Treffer oder seines Ausbleibens 5 % oder weniger beträgt</translation>
    </message>
    <message>
        <source>too few spins</source>
        <translation>zu wenige Drehungen</translation>
    </message>
    <message>
        <source>Neighbours on the wheel: after the first spin.</source>
        <translation>Nachbarn im Kessel: nach der ersten Drehung.</translation>
    </message>
    <message>
        <source>The last number, %1, and its neighbours on the wheel, clockwise: %2.</source>
        <translation>Die letzte Zahl, %1, und ihre Nachbarn im Kessel, im Uhrzeigersinn: %2.</translation>
    </message>
    <message>
        <source>The chance that a fair wheel gives a count no more likely than this one, on either side of the expected count; after Holm&apos;s correction in brackets</source>
        <translation>Die Wahrscheinlichkeit, dass ein fairer Kessel eine Anzahl ergibt, die nicht wahrscheinlicher ist als diese, auf beiden Seiten der erwarteten Anzahl; nach der Holm-Korrektur in Klammern</translation>
    </message>
</context>
<context>
    <name>WindowAccess</name>
    <message>
        <source>Player&apos;s guide</source>
        <translation>Spielerhandbuch</translation>
    </message>
    <message>
        <source>Session panel</source>
        <translation>Sitzungsfenster</translation>
    </message>
    <message>
        <source>Session result</source>
        <translation>Sitzungsergebnis</translation>
    </message>
    <message>
        <source>The spins of this session and the net result of the bets shown, in units.</source>
        <translation>Die Drehungen dieser Sitzung und das Nettoergebnis der gezeigten Einsätze, in Einheiten.</translation>
    </message>
    <message>
        <source>Where the game stands</source>
        <translation>Wo das Spiel steht</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keine</translation>
    </message>
    <message>
        <source>Bet on </source>
        <translation>Einsatz auf </translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>kein Einsatz</translation>
    </message>
    <message>
        <source>Trend </source>
        <translation>Trend </translation>
    </message>
    <message>
        <source> units</source>
        <translation> Einheiten</translation>
    </message>
    <message>
        <source>The spins to the first recommendation, the digits typed, or why a number was refused.</source>
        <translation>Die Drehungen bis zur ersten Empfehlung, die getippten Ziffern oder warum eine Zahl abgelehnt wurde.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>dunkel</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
</context>
<context>
    <name>WindowJournal</name>
    <message>
        <source>start a new one</source>
        <translation>einen neuen beginnen</translation>
    </message>
    <message>
        <source>Session %1 is the evening on show.</source>
        <translation>Sitzung %1 ist der gezeigte Abend.</translation>
    </message>
    <message>
        <source>Session %1 cannot be continued: %2.</source>
        <translation>Sitzung %1 kann nicht fortgesetzt werden: %2.</translation>
    </message>
    <message>
        <source>continue session %1</source>
        <translation>Sitzung %1 fortsetzen</translation>
    </message>
</context>
<context>
    <name>WindowKeys</name>
    <message>
        <source>Nothing typed: Ctrl+Z undoes the last spin</source>
        <translation>Nichts getippt: Strg+Z nimmt die letzte Drehung zurück</translation>
    </message>
    <message>
        <source>%1: the board is locked while the analysis runs</source>
        <translation>%1: das Zahlenfeld ist gesperrt, solange die Analyse läuft</translation>
    </message>
    <message>
        <source>%1: crossed out, the undo took it back</source>
        <translation>%1: durchgestrichen, sie wurde zurückgenommen</translation>
    </message>
</context>
</TS>
