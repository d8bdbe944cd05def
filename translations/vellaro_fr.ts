<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Undo the last spin</source>
        <translation>Annuler le dernier coup</translation>
    </message>
    <message>
        <source>Save the spins</source>
        <translation>Enregistrer les coups</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nouvelle séance</translation>
    </message>
    <message>
        <source>Analysis at work</source>
        <translation>Analyse en cours</translation>
    </message>
    <message>
        <source>Number board</source>
        <translation>Tableau des numéros</translation>
    </message>
    <message>
        <source>Last numbers</source>
        <translation>Derniers numéros</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
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
        <translation>Voyant SAFE LEVEL</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Base stake</source>
        <translation>Mise de base</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>Betting system</source>
        <translation>Système de mise</translation>
    </message>
    <message>
        <source>Reset bets</source>
        <translation>Réinitialiser les mises</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Recalculer</translation>
    </message>
    <message>
        <source>Create matrix</source>
        <translation>Créer matrice</translation>
    </message>
    <message>
        <source>Reset matrix</source>
        <translation>Abandonner la matrice</translation>
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
        <translation>Voir mise</translation>
    </message>
    <message>
        <source>UP-TRENDER</source>
        <translation>UP-TRENDER</translation>
    </message>
    <message>
        <source>Automatic reset</source>
        <translation>Réinitialisation automatique des mises</translation>
    </message>
    <message>
        <source>Minimal profit</source>
        <translation>Gain minimal</translation>
    </message>
    <message>
        <source>Session limits</source>
        <translation>Limites de la séance</translation>
    </message>
    <message>
        <source>Why the limit is refused</source>
        <translation>Pourquoi la limite est refusée</translation>
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
        <translation>Maximum de la table</translation>
    </message>
    <message>
        <source>Most losses in a row</source>
        <translation>Pertes d’affilée au plus</translation>
    </message>
    <message>
        <source>Bet held back</source>
        <translation>Mise retenue</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continuer quand même</translation>
    </message>
    <message>
        <source>Add spins</source>
        <translation>Ajouter des coups</translation>
    </message>
    <message>
        <source>Betting systems editor</source>
        <translation>Éditeur de systèmes de mise</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Le plus récent d’abord</translation>
    </message>
    <message>
        <source>Read spins from a file</source>
        <translation>Lire les coups depuis un fichier</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Colonne du fichier</translation>
    </message>
    <message>
        <source>Enter the spins</source>
        <translation>Saisir les coups</translation>
    </message>
    <message>
        <source>Quick analysis</source>
        <translation>Analyse rapide</translation>
    </message>
</context>
<context>
    <name>AddSpinsDialog</name>
    <message>
        <source>Vellaro — Add spins</source>
        <translation>Vellaro — Ajouter des coups</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Le plus récent d’abord</translation>
    </message>
    <message>
        <source>File…</source>
        <translation>Fichier…</translation>
    </message>
    <message>
        <source>Spins from a file</source>
        <translation>Coups depuis un fichier</translation>
    </message>
    <message>
        <source>Spins (*.txt *.csv);;All files (*)</source>
        <translation>Coups (*.txt *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The numbers that came out, oldest first, separated by spaces, commas, semicolons or new lines; at most %1 at once.</source>
        <translation>Les numéros sortis, le plus ancien d’abord, séparés par des espaces, des virgules, des points-virgules ou des retours à la ligne&#xa0;; au plus %1 à la fois.</translation>
    </message>
    <message>
        <source>Enter 1 spin: %1</source>
        <translation>Saisir 1 coup&#xa0;: %1</translation>
    </message>
    <message>
        <source>Enter %1 spins: %2 … %3</source>
        <translation>Saisir %1 coups&#xa0;: %2 … %3</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Saisir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The column of spins, as found</source>
        <translation>La colonne des coups trouvée</translation>
    </message>
    <message>
        <source>The list you entered last, %1, is in the box again. Enter it a second time?</source>
        <translation>La liste saisie en dernier, %1, est de nouveau dans la boîte. La saisir une seconde fois&#xa0;?</translation>
    </message>
    <message>
        <source>Enter again</source>
        <translation>Saisir de nouveau</translation>
    </message>
    <message>
        <source>Do not enter</source>
        <translation>Ne pas saisir</translation>
    </message>
    <message>
        <source>Enter starts a new line; Ctrl+Enter enters the list.</source>
        <translation>Entrée commence une nouvelle ligne&#xa0;; Ctrl+Entrée saisit la liste.</translation>
    </message>
    <message>
        <source>From column &apos;%1&apos; (%2 of %3):</source>
        <translation>Depuis la colonne &apos;%1&apos; (%2 sur %3)&#xa0;:</translation>
    </message>
    <message>
        <source>The copied text is larger than %1 MB: too large for a list of spins.</source>
        <translation>Le texte copié dépasse %1 Mo : trop grand pour une liste de coups.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Bet %1 on %2</source>
        <translation>Mise de %1 sur %2</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>News said as it comes: a bet shown, a limit that holds the next bet back, the journal gone off.</source>
        <translation>Annonces lues dès qu’elles arrivent&#xa0;: une mise affichée, une limite qui retient la mise suivante, le journal arrêté.</translation>
    </message>
</context>
<context>
    <name>BoardKeys</name>
    <message>
        <source>Number board</source>
        <translation>Tableau des numéros</translation>
    </message>
    <message>
        <source>Arrow keys move over the numbers, Enter or Space enters the one in focus</source>
        <translation>Les flèches se déplacent sur les numéros, Entrée ou Espace saisit celui qui a le focus</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
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
        <translation>Usage&#xa0;: vellaro [OPTION]
Ouvre la fenêtre de Vellaro, un assistant de mise pour la roulette à un zéro&#xa0;:
cliquez le numéro de chaque coup sur le tableau des numéros, et Vellaro affiche
l’une des six chances simples avec une mise tirée du système de mise choisi. Il
ne mise rien lui-même, et aucune analyse ne change l’avantage de la maison de 1/37.

Options&#xa0;:
  --help       afficher cette aide et quitter
  --version    afficher la version et quitter
  --lang LANG  afficher la fenêtre en LANG (de, fr, ...), pas dans la langue du système

Les options propres à Qt, comme -platform NOM ou -display ÉCRAN, sont acceptées aussi.
</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>unit</source>
        <translation>unité</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unités</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>coup</translation>
    </message>
    <message>
        <source>spins</source>
        <translation>coups</translation>
    </message>
    <message>
        <source>shown loss</source>
        <translation>perte affichée</translation>
    </message>
    <message>
        <source>shown losses</source>
        <translation>pertes affichées</translation>
    </message>
    <message>
        <source>bet</source>
        <translation>mise</translation>
    </message>
    <message>
        <source>bets</source>
        <translation>mises</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>réussite</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>réussites</translation>
    </message>
</context>
<context>
    <name>EndEvening</name>
    <message>
        <source>End this evening — %1, net %2 — and %3?</source>
        <translation>Terminer cette soirée — %1, net %2 — et %3&#xa0;?</translation>
    </message>
    <message>
        <source>End it</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Continuer à jouer</translation>
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
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>No spin yet: there is no chart to save.</source>
        <translation>Aucun coup pour l’instant : il n’y a pas de graphique à enregistrer.</translation>
    </message>
    <message>
        <source>Could not save %1 as a PNG picture.</source>
        <translation>Impossible d’enregistrer %1 en image PNG.</translation>
    </message>
</context>
<context>
    <name>JournalReading</name>
    <message>
        <source>The journal cannot be read: %1</source>
        <translation>Le journal ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The sessions that still read are listed.</source>
        <translation>Les séances encore lisibles sont listées.</translation>
    </message>
    <message>
        <source>Your system</source>
        <translation>Votre système</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4 shown  net %5</source>
        <translation>%1  %2  %3  %4 affichées  net %5</translation>
    </message>
</context>
<context>
    <name>KeyboardEntry</name>
    <message>
        <source>%1 is not on the wheel</source>
        <translation>%1 n’est pas sur la roue</translation>
    </message>
    <message>
        <source>Typed: %1 (Enter to play, Esc to clear)</source>
        <translation>Tapé&#xa0;: %1 (Entrée pour jouer, Échap pour effacer)</translation>
    </message>
</context>
<context>
    <name>LimitEntry</name>
    <message>
        <source>“%1” refused for the %2: %3. Empty turns it off.</source>
        <translation>«&#xa0;%1&#xa0;» refusé pour la limite %2&#xa0;: %3. Un champ vide la désactive.</translation>
    </message>
    <message>
        <source>whole numbers only</source>
        <translation>nombres entiers uniquement</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 à %2</translation>
    </message>
</context>
<context>
    <name>LimitsArea</name>
    <message>
        <source>Continue anyway</source>
        <translation>Continuer quand même</translation>
    </message>
</context>
<context>
    <name>LimitsDialog</name>
    <message>
        <source>Session limits</source>
        <translation>Limites de la séance</translation>
    </message>
    <message>
        <source>Whole numbers; empty = off.</source>
        <translation>Nombres entiers&#xa0;; vide = désactivée.</translation>
    </message>
    <message>
        <source>BANKROLL:</source>
        <translation>CAPITAL&#xa0;:</translation>
    </message>
    <message>
        <source>unit brought</source>
        <translation>unité apportée</translation>
    </message>
    <message>
        <source>units brought</source>
        <translation>unités apportées</translation>
    </message>
    <message>
        <source>STOP-LOSS:</source>
        <translation>STOP-LOSS&#xa0;:</translation>
    </message>
    <message>
        <source>unit lost</source>
        <translation>unité perdue</translation>
    </message>
    <message>
        <source>units lost</source>
        <translation>unités perdues</translation>
    </message>
    <message>
        <source>TAKE-PROFIT:</source>
        <translation>TAKE-PROFIT&#xa0;:</translation>
    </message>
    <message>
        <source>unit won</source>
        <translation>unité gagnée</translation>
    </message>
    <message>
        <source>units won</source>
        <translation>unités gagnées</translation>
    </message>
    <message>
        <source>TABLE MAXIMUM:</source>
        <translation>MAXIMUM DE LA TABLE&#xa0;:</translation>
    </message>
    <message>
        <source>unit a stake</source>
        <translation>unité par mise</translation>
    </message>
    <message>
        <source>units a stake</source>
        <translation>unités par mise</translation>
    </message>
    <message>
        <source>LOSSES IN A ROW:</source>
        <translation>PERTES D’AFFILÉE&#xa0;:</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>au plus</translation>
    </message>
    <message>
        <source>SESSION LIMITS</source>
        <translation>LIMITES DE LA SÉANCE</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Session panel (Ctrl+P)</source>
        <translation>Panneau des séances (Ctrl+P)</translation>
    </message>
    <message>
        <source>The session panel cannot be loaded: %1</source>
        <translation>Le panneau des séances ne peut pas être chargé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MessageLine</name>
    <message>
        <source>Bet held back — </source>
        <translation>Mise retenue — </translation>
    </message>
    <message>
        <source>Refused: </source>
        <translation>Refusé&#xa0;: </translation>
    </message>
</context>
<context>
    <name>OptionsArea</name>
    <message>
        <source>Spins the matrix learns from</source>
        <translation>Coups dont la matrice apprend</translation>
    </message>
    <message>
        <source>BET:</source>
        <translation>MISE&#xa0;:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>MODE DE JEU&#xa0;:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>SYSTÈME DE MISE&#xa0;:</translation>
    </message>
    <message>
        <source>Systems…</source>
        <translation>Éditer…</translation>
    </message>
    <message>
        <source>SAFE LEVEL:</source>
        <translation>SAFE LEVEL&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PlayerGuide</name>
    <message>
        <source>Vellaro — Player&apos;s guide</source>
        <translation>Vellaro — Guide du joueur</translation>
    </message>
    <message>
        <source>What Vellaro shows and how an evening runs.</source>
        <translation>Ce que Vellaro affiche et comment se déroule une soirée.</translation>
    </message>
    <message>
        <source>The player&apos;s guide (F1): what the window shows, each mode and system in plain words, the limits, and the keyboard: Tab and Shift+Tab go from control to control, Space or Enter presses it, the arrow keys move over the board and Enter enters the number; digits and Enter, Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y, Ctrl+S, Ctrl+P and F1 anywhere.</source>
        <translation>Le guide du joueur (F1)&#xa0;: ce que montre la fenêtre, chaque mode et chaque système en termes simples, les limites, et le clavier&#xa0;: Tab et Maj+Tab vont d’une commande à l’autre, Espace ou Entrée l’actionne, les flèches se déplacent sur le tableau et Entrée saisit le numéro&#xa0;; chiffres et Entrée, Ctrl+Z, Ctrl+Maj+Z ou Ctrl+Y, Ctrl+S, Ctrl+P et F1 partout.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>First recommendation on the next spin</source>
        <translation>Première recommandation au prochain coup</translation>
    </message>
    <message>
        <source>First recommendation in %1</source>
        <translation>Première recommandation dans %1</translation>
    </message>
    <message>
        <source>MATRIX column %1 · spin %2</source>
        <translation>MATRIX colonne %1 · coup %2</translation>
    </message>
    <message>
        <source>MATRIX learning: %1 left</source>
        <translation>MATRIX apprend&#xa0;: encore %1</translation>
    </message>
    <message>
        <source>Spin %1</source>
        <translation>Coup %1</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>SessionChart</name>
    <message>
        <source>Net result of the shown bets, from 0 (units)</source>
        <translation>Résultat net des mises affichées, depuis 0 (unités)</translation>
    </message>
    <message>
        <source>Spins shown:</source>
        <translation>Coups affichés :</translation>
    </message>
    <message>
        <source>the whole session</source>
        <translation>toute la séance</translation>
    </message>
    <message>
        <source>the last %1</source>
        <translation>les %1 derniers</translation>
    </message>
    <message>
        <source>what-if lines of the systems (dashed; yours solid)</source>
        <translation>courbes « et si » des systèmes (en tirets ; le vôtre en trait plein)</translation>
    </message>
    <message>
        <source>net result</source>
        <translation>résultat net</translation>
    </message>
    <message>
        <source>stake (right axis)</source>
        <translation>mise (axe de droite)</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gagnée</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdue</translation>
    </message>
    <message>
        <source>reset or setting</source>
        <translation>réinitialisation ou réglage</translation>
    </message>
    <message>
        <source>spins played</source>
        <translation>coups joués</translation>
    </message>
    <message>
        <source>stake</source>
        <translation>mise</translation>
    </message>
</context>
<context>
    <name>SessionPanel</name>
    <message>
        <source>Vellaro — Session</source>
        <translation>Vellaro — Séance</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Séance :</translation>
    </message>
    <message>
        <source>This evening, or a past session from the journal, replayed through the same engine</source>
        <translation>Cette soirée, ou une séance passée du journal, rejouée par le même moteur</translation>
    </message>
    <message>
        <source>This evening</source>
        <translation>Cette soirée</translation>
    </message>
    <message>
        <source>Continue this evening</source>
        <translation>Poursuivre cette soirée</translation>
    </message>
    <message>
        <source>Play on with the session on show: it becomes the evening in the main window again, exactly where it stood, and goes on in the journal as the same session. The evening in the window now is ended first, after asking.</source>
        <translation>Continuer à jouer avec la séance affichée : elle redevient la soirée de la fenêtre principale, exactement là où elle en était, et se poursuit dans le journal comme la même séance. La soirée actuellement dans la fenêtre est d’abord terminée, après confirmation.</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Enregistrer le rapport…</translation>
    </message>
    <message>
        <source>The evening on show as one HTML page with its chart and statistics, as vellaro-sim --report writes it</source>
        <translation>La soirée affichée sous forme d’une page HTML avec son graphique et ses statistiques, comme l’écrit vellaro-sim --report</translation>
    </message>
    <message>
        <source>Save the report page</source>
        <translation>Enregistrer la page du rapport</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Page web (*.html)</translation>
    </message>
    <message>
        <source>Save chart…</source>
        <translation>Enregistrer le graphique…</translation>
    </message>
    <message>
        <source>The chart as a PNG picture, or as SVG</source>
        <translation>Le graphique en image PNG, ou en SVG</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>Image PNG (*.png);;Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>What chance alone has done so far. Spins are independent: none of this predicts the next spin. Each chance is expected %1 of the time.</source>
        <translation>Ce que le hasard seul a fait jusqu’ici. Les coups sont indépendants : rien de tout cela ne prédit le prochain coup. Chaque chance est attendue %1 du temps.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Plus longue série</translation>
    </message>
    <message>
        <source>Spins since</source>
        <translation>Coups depuis</translation>
    </message>
    <message>
        <source>Chances and numbers</source>
        <translation>Chances et numéros</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Cylindre</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Lost in total</source>
        <translation>Perdu au total</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risque</translation>
    </message>
    <message>
        <source>What-if</source>
        <translation>Et si</translation>
    </message>
    <message>
        <source>No stored sessions (no journal yet).</source>
        <translation>Aucune séance enregistrée (pas encore de journal).</translation>
    </message>
    <message>
        <source>No stored sessions.</source>
        <translation>Aucune séance enregistrée.</translation>
    </message>
    <message>
        <source>1 stored session.</source>
        <translation>1 séance enregistrée.</translation>
    </message>
    <message>
        <source>%1 stored sessions.</source>
        <translation>%1 séances enregistrées.</translation>
    </message>
    <message>
        <source>Replaying session %1…</source>
        <translation>Séance %1 en cours de relecture…</translation>
    </message>
    <message>
        <source>Session %1 cannot be shown: %2</source>
        <translation>La séance %1 ne peut pas être affichée : %2</translation>
    </message>
    <message>
        <source>Session %1, replayed from the journal.</source>
        <translation>Séance %1, rejouée depuis le journal.</translation>
    </message>
    <message>
        <source>Session %1&apos;s spins replayed under each betting system, its other settings and their changes kept. Shown bets only, from 0. Spins are independent: what a system would have made of past spins says nothing about the next ones.</source>
        <translation>Les coups de la séance %1 rejoués avec chaque système de mise, ses autres réglages et leurs changements conservés. Mises affichées seulement, depuis 0. Les coups sont indépendants : ce qu’un système aurait fait des coups passés ne dit rien des suivants.</translation>
    </message>
    <message>
        <source>Zeros: %1 of %2</source>
        <translation>Zéros : %1 sur %2</translation>
    </message>
    <message>
        <source>Are the 37 numbers as even as a fair wheel leaves them? Chi-square %1 on %2 degrees of freedom, p = %3. %4</source>
        <translation>Les 37 numéros sont-ils aussi réguliers que les laisse un cylindre équitable ? Khi-deux %1 à %2 degrés de liberté, p = %3. %4</translation>
    </message>
    <message>
        <source>The test of the 37 numbers needs %1 spins (5 per number); before that it would say nothing honest.</source>
        <translation>Le test des 37 numéros demande %1 coups (5 par numéro) ; avant cela, il ne dirait rien d’honnête.</translation>
    </message>
    <message>
        <source>this panel is not the window&apos;s</source>
        <translation>ce panneau n’appartient pas à la fenêtre</translation>
    </message>
</context>
<context>
    <name>SessionReadout</name>
    <message>
        <source>Net result of the shown bets, from 0: %1 %2</source>
        <translation>Résultat net des mises affichées, depuis 0&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>
Bet on show: %1
If it loses, the next stake: %2</source>
        <translation>
Mise affichée&#xa0;: %1
Si elle perd, la mise suivante&#xa0;: %2</translation>
    </message>
    <message>
        <source>Spins %1  Net %2</source>
        <translation>Coups %1  Net %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Vellaro is already running: its window has been brought forward.</source>
        <translation>Vellaro est déjà ouvert&#xa0;: sa fenêtre a été mise au premier plan.</translation>
    </message>
    <message>
        <source>Vellaro is already running with the data folder %1, and did not answer.</source>
        <translation>Vellaro est déjà ouvert avec le dossier de données %1, et n’a pas répondu.</translation>
    </message>
</context>
<context>
    <name>SystemBox</name>
    <message>
        <source> (error)</source>
        <translation> (erreur)</translation>
    </message>
</context>
<context>
    <name>SystemEditor</name>
    <message>
        <source>Betting systems</source>
        <translation>Systèmes de mise</translation>
    </message>
    <message>
        <source>New betting system</source>
        <translation>Nouveau système de mise</translation>
    </message>
    <message>
        <source>Name of the system:</source>
        <translation>Nom du système&#xa0;:</translation>
    </message>
    <message>
        <source>Next stake</source>
        <translation>Mise suivante</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Nouveau…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>A preset: read only. &quot;Save as…&quot; makes a copy of your own.</source>
        <translation>Un modèle&#xa0;: lecture seule. «&#xa0;Enregistrer sous…&#xa0;» en fait une copie à vous.</translation>
    </message>
    <message>
        <source>A name needs a letter or a digit.</source>
        <translation>Un nom doit contenir une lettre ou un chiffre.</translation>
    </message>
    <message>
        <source>%1 already exists: open it from the list.</source>
        <translation>%1 existe déjà&#xa0;: ouvrez-le depuis la liste.</translation>
    </message>
    <message>
        <source>My system</source>
        <translation>Mon système</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source> (preset)</source>
        <translation> (modèle)</translation>
    </message>
    <message>
        <source> (error)</source>
        <translation> (erreur)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source> (mine)</source>
        <translation> (personnel)</translation>
    </message>
    <message>
        <source># A betting system of your own: see &quot;Your own betting systems&quot; in the guide (F1).</source>
        <translation># Un système de mise à vous&#xa0;: voir «&#xa0;Vos propres systèmes de mise&#xa0;» dans le guide (F1).</translation>
    </message>
    <message>
        <source>win</source>
        <translation>gain</translation>
    </message>
    <message>
        <source>The stake after 1 to 10 losses in a row from the start (with SAFE LEVEL 0), and after a win, times your base stake. How far the stakes climb is the risk; the house keeps 1 unit in 37 of every stake whatever they are.</source>
        <translation>La mise après 1 à 10 pertes consécutives depuis le départ (avec SAFE LEVEL 0), et après un gain, en multiples de votre mise de base. Jusqu’où les mises montent, c’est le risque&#xa0;; la maison garde 1 unité sur 37 de chaque mise, quelles qu’elles soient.</translation>
    </message>
    <message>
        <source>Changed: not saved yet.</source>
        <translation>Modifié : pas encore enregistré.</translation>
    </message>
    <message>
        <source> (the first of %1 errors)</source>
        <translation> (la première de %1 erreurs)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>Saved to %1, with an error: %2. It cannot be chosen until it is put right.</source>
        <translation>Enregistré dans %1, avec une erreur : %2. Il ne peut être choisi qu’une fois corrigé.</translation>
    </message>
    <message>
        <source>Saved to %1, with %2 errors; the first: %3. It cannot be chosen until they are put right.</source>
        <translation>Enregistré dans %1, avec %2 erreurs ; la première : %3. Il ne peut être choisi qu’une fois corrigé.</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source> Spins of a fair wheel are independent: no analysis can foresee the next one, and the house keeps 1 unit in 37 of everything staked whatever you choose.</source>
        <translation> Les coups d’un cylindre équitable sont indépendants&#xa0;: aucune analyse ne peut prévoir le suivant, et la banque garde 1 unité sur 37 de tout ce qui est misé, quoi que vous choisissiez.</translation>
    </message>
    <message>
        <source>Enter the number that came out (or type it and press Enter). Locked while an analysis runs; a number just taken back by the undo is crossed out.</source>
        <translation>Saisissez le numéro sorti (ou tapez-le et appuyez sur Entrée). Verrouillé pendant une analyse&#xa0;; un numéro que l’annulation vient de retirer est barré.</translation>
    </message>
    <message>
        <source>The last numbers entered, the newest on the left.</source>
        <translation>Les derniers numéros saisis, le plus récent à gauche.</translation>
    </message>
    <message>
        <source>The chance to bet on now and the stake in units of your base stake: place it yourself, Vellaro places nothing. It is settled at the next spin.</source>
        <translation>La chance sur laquelle miser maintenant et la mise en unités de votre mise de base&#xa0;: placez-la vous-même, Vellaro ne place rien. Elle est réglée au coup suivant.</translation>
    </message>
    <message>
        <source>An even-money chance: it pays 1 to 1, and 0 loses it.</source>
        <translation>Une chance simple&#xa0;: elle paie 1 pour 1, et le 0 la fait perdre.</translation>
    </message>
    <message>
        <source>TREND: click to turn this chance&apos;s trend switch on or off. While on, a recommendation of the opposite chance is turned to this one. It changes which chance you see, not your odds.</source>
        <translation>TREND&#xa0;: cliquez pour activer ou désactiver l’interrupteur de tendance de cette chance. Tant qu’il est activé, une recommandation de la chance opposée est reportée sur celle-ci. Cela change la chance que vous voyez, pas vos probabilités de gain.</translation>
    </message>
    <message>
        <source>SAFE LEVEL lamp: it follows the recommendations lost in a row, and is off while the SAFE LEVEL is 0 (every recommendation is then shown as a bet). Dark: the losses in a row are two or more short of the SAFE LEVEL; no bet is shown. Green: they are one short, or have reached it. Green is not a bet: a bet, its chip and stake, is shown only once the losses in a row have reached the SAFE LEVEL, so one short the lamp is green and no bet is shown yet. Waiting for losses does not make a win more likely.</source>
        <translation>Voyant SAFE LEVEL&#xa0;: il suit les recommandations perdues d’affilée, et il est éteint tant que le SAFE LEVEL vaut 0 (chaque recommandation est alors affichée comme une mise). Sombre&#xa0;: il manque deux pertes consécutives ou plus pour atteindre le SAFE LEVEL&#xa0;; aucune mise n’est affichée. Vert&#xa0;: il en manque une, ou il est atteint. Vert n’est pas une mise&#xa0;: une mise, avec son jeton et son montant, n’est affichée qu’une fois que les pertes consécutives ont atteint le SAFE LEVEL&#xa0;; quand il en manque une, le voyant est vert et aucune mise n’est encore affichée. Attendre des pertes ne rend pas un gain plus probable.</translation>
    </message>
    <message>
        <source>Open or close the options area.</source>
        <translation>Ouvrir ou fermer la zone des options.</translation>
    </message>
    <message>
        <source>Take back the last number entered (Ctrl+Z); Ctrl+Shift+Z or Ctrl+Y brings it back until anything else changes. Offered once after each spin; greyed when there is nothing to take back.</source>
        <translation>Retirer le dernier numéro saisi (Ctrl+Z)&#xa0;; Ctrl+Shift+Z ou Ctrl+Y le rétablit tant que rien d’autre ne change. Proposé une fois après chaque coup&#xa0;; grisé quand il n’y a rien à retirer.</translation>
    </message>
    <message>
        <source>Save the numbers of this game to a text file (Ctrl+S).</source>
        <translation>Enregistrer les numéros de cette partie dans un fichier texte (Ctrl+S).</translation>
    </message>
    <message>
        <source>Close Vellaro. Your settings and this session are kept: the session goes on where it stood when Vellaro starts again.</source>
        <translation>Fermer Vellaro. Vos réglages et cette séance sont conservés&#xa0;: la séance reprend là où elle en était au prochain démarrage de Vellaro.</translation>
    </message>
    <message>
        <source>New session: end this evening and start a fresh game with the same settings. Asks first, naming the spins and the net result that end; not while an analysis runs. The evening ended stays in the journal: the session panel can show it and continue it, and vellaro-sim can list and replay it.</source>
        <translation>Nouvelle séance&#xa0;: terminer cette soirée et commencer une nouvelle partie avec les mêmes réglages. Demande d’abord confirmation, en indiquant les coups et le résultat net qui prennent fin&#xa0;; pas pendant une analyse. La soirée terminée reste dans le journal&#xa0;: le panneau des séances peut l’afficher et la reprendre, et vellaro-sim peut la lister et la rejouer.</translation>
    </message>
    <message>
        <source>Add spins (Ctrl+Shift+V with a list copied): enter many numbers at once, typed, pasted or read from a file, exactly as if you had clicked them one after another. The undo then takes back the last one, as after a click. The past spins say nothing about the next one.</source>
        <translation>Ajouter des coups (Ctrl+Shift+V avec une liste copiée)&#xa0;: saisir de nombreux numéros à la fois, tapés, collés ou lus depuis un fichier, exactement comme si vous les aviez cliqués l’un après l’autre. L’annulation retire ensuite le dernier, comme après un clic. Les coups passés ne disent rien du suivant.</translation>
    </message>
    <message>
        <source>Tick when the list shows the newest number first, as many tables&apos; displays do: the oldest is entered first all the same.</source>
        <translation>Cochez si la liste montre le numéro le plus récent en premier, comme le font de nombreux afficheurs de table&#xa0;: le plus ancien est tout de même saisi en premier.</translation>
    </message>
    <message>
        <source>Read the numbers from a file: a text file, or a CSV file (*.csv) with a column of numbers; a header line is allowed.</source>
        <translation>Lire les numéros depuis un fichier&#xa0;: un fichier texte, ou un fichier CSV (*.csv) avec une colonne de numéros&#xa0;; une ligne d’en-tête est admise.</translation>
    </message>
    <message>
        <source>Enter the numbers, oldest first, each as a click on its tile with the analysis run to its end. Greyed while the list does not read whole.</source>
        <translation>Saisir les numéros, le plus ancien d’abord, chacun comme un clic sur sa case, l’analyse étant menée à son terme. Grisé tant que la liste ne se lit pas en entier.</translation>
    </message>
    <message>
        <source>Minimise the window.</source>
        <translation>Réduire la fenêtre.</translation>
    </message>
    <message>
        <source>The analysis at work. The board is locked until it ends, and numbers typed meanwhile are refused, not kept.</source>
        <translation>L’analyse en cours. Le tableau est verrouillé jusqu’à ce qu’elle se termine, et les numéros tapés entre-temps sont refusés, pas conservés.</translation>
    </message>
    <message>
        <source>BET: your base stake in units, 1 to 1000. Every system starts from it and comes back to it after a reset.</source>
        <translation>BET&#xa0;: votre mise de base en unités, de 1 à 1000. Chaque système part d’elle et y revient après une réinitialisation.</translation>
    </message>
    <message>
        <source>GAME MODE: how the next chance is chosen once five numbers are in.</source>
        <translation>MODE DE JEU&#xa0;: comment la chance suivante est choisie une fois cinq numéros saisis.</translation>
    </message>
    <message>
        <source>BETTING SYSTEM: how the stake follows wins and losses. Picking another one starts the stakes again from the base. A system changes how much you stake and how your results swing, never the house&apos;s share. After the six built-in systems come the presets and your own systems written as files (&quot;Systems…&quot;); a file with an error is listed but cannot be chosen. A system you chose is kept as its text was then: if its file changes or goes, the kept text is what is played until you choose again.</source>
        <translation>SYSTÈME DE MISE&#xa0;: comment la mise suit les gains et les pertes. En choisir un autre fait repartir les mises de la mise de base. Un système change combien vous misez et l’ampleur des variations de vos résultats, jamais la part de la banque. Après les six systèmes intégrés viennent les modèles et vos propres systèmes écrits sous forme de fichiers («&#xa0;Éditer…&#xa0;»)&#xa0;; un fichier comportant une erreur est listé mais ne peut pas être choisi. Un système que vous avez choisi est conservé tel qu’était alors son texte&#xa0;: si son fichier change ou disparaît, c’est le texte conservé qui est joué jusqu’à ce que vous choisissiez de nouveau.</translation>
    </message>
    <message>
        <source>Systems…: write your own betting system, or look at a preset, with the stakes it would ask for after losses in a row and after a win. No system changes the house&apos;s share of 1 unit in 37.</source>
        <translation>Éditer…&#xa0;: écrire votre propre système de mise, ou consulter un modèle, avec les mises qu’il demanderait après des pertes consécutives et après un gain. Aucun système ne change la part de la banque de 1 unité sur 37.</translation>
    </message>
    <message>
        <source>Reset Bets: put the stake back to the base stake and start the ledger again.</source>
        <translation>Réinit. mises&#xa0;: ramener la mise à la mise de base et recommencer le bilan.</translation>
    </message>
    <message>
        <source>ReCalculate: choose the chance again from the same numbers.</source>
        <translation>Recalculer&#xa0;: choisir de nouveau la chance à partir des mêmes numéros.</translation>
    </message>
    <message>
        <source>Create Matrix: learn from the next spins and then follow a column of the number matrix.</source>
        <translation>Créer matrice&#xa0;: apprendre des coups suivants puis suivre une colonne de la matrice des numéros.</translation>
    </message>
    <message>
        <source>RM: discard the matrix and go back to the mode of the mode box.</source>
        <translation>RM&#xa0;: abandonner la matrice et revenir au mode choisi dans la liste des modes.</translation>
    </message>
    <message>
        <source>SAFE LEVEL, 0 to 10: show a bet only after this many recommendations lost in a row; until then they are only followed. A loss streak does not make the next spin more likely to win.</source>
        <translation>SAFE LEVEL, de 0 à 10&#xa0;: n’afficher une mise qu’après ce nombre de recommandations perdues d’affilée&#xa0;; jusque-là, elles sont seulement suivies. Une série de pertes ne rend pas un gain au coup suivant plus probable.</translation>
    </message>
    <message>
        <source>Cat.Rows: in ADAPTIVE mode, recommend the same chance again after a win instead of drawing a new one. Greyed while it cannot be used.</source>
        <translation>Cat.Rows&#xa0;: en mode ADAPTIVE, recommander de nouveau la même chance après un gain au lieu d’en tirer une nouvelle. Grisé tant qu’il ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>Show Bet: show the stake on the chip; unticked, only the chip shows where to bet.</source>
        <translation>Voir mise&#xa0;: afficher le montant sur le jeton&#xa0;; décoché, le jeton indique seulement où miser.</translation>
    </message>
    <message>
        <source>UP-TRENDER settings, read only by the UP-TRENDER system: after ON wins, add WINS ADD TO BET units to the stake. Greyed while they cannot be changed.</source>
        <translation>Réglages UP-TRENDER, lus uniquement par le système UP-TRENDER&#xa0;: après le nombre de gains «&#xa0;À&#xa0;», ajouter à la mise le nombre d’unités «&#xa0;GAINS, MISE +&#xa0;». Grisés tant qu’ils ne peuvent pas être modifiés.</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET: put the stake back to the base whenever the ledger reaches a new high. It limits how long a progression runs on; it cannot lock in a profit.</source>
        <translation>RÉINIT. AUTO DES MISES&#xa0;: ramener la mise à la mise de base chaque fois que le bilan atteint un nouveau sommet. Cela limite la durée d’une progression&#xa0;; cela ne peut pas garantir un gain.</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT: after a win, cut the next stake to the smallest one with which one more win reaches a new high. Needs BET AUTOMATIC RESET. It stakes less, it does not make a win more likely.</source>
        <translation>GAIN MINIMAL&#xa0;: après un gain, réduire la mise suivante à la plus petite avec laquelle un gain de plus atteint un nouveau sommet. Nécessite RÉINIT. AUTO DES MISES. Cela mise moins, cela ne rend pas un gain plus probable.</translation>
    </message>
    <message>
        <source>Session limits: a bankroll, a stop-loss, a take-profit, a table maximum and the losses in a row a progression may follow. A bet that would break one is held back, with a banner saying why. Limits decide how much you risk, not whether you win.</source>
        <translation>Limites de la séance&#xa0;: un capital, un stop-loss, un take-profit, un maximum de la table et le nombre de pertes consécutives qu’une progression peut suivre. Une mise qui en enfreindrait une est retenue, avec un bandeau qui dit pourquoi. Les limites décident de combien vous risquez, pas de si vous gagnez.</translation>
    </message>
    <message>
        <source> Whole units; leave it empty to turn it off.</source>
        <translation> Unités entières&#xa0;; laissez vide pour la désactiver.</translation>
    </message>
    <message>
        <source>BANKROLL: the units you brought to this session. A stake larger than what is left of them (the bankroll plus your net result) is held back.</source>
        <translation>CAPITAL&#xa0;: les unités que vous avez apportées à cette séance. Une mise plus grande que ce qu’il en reste (le capital plus votre résultat net) est retenue.</translation>
    </message>
    <message>
        <source>STOP-LOSS: once you have lost this many units (your net result from the bets shown), no more bets are shown.</source>
        <translation>STOP-LOSS&#xa0;: une fois que vous avez perdu ce nombre d’unités (votre résultat net des mises affichées), plus aucune mise n’est affichée.</translation>
    </message>
    <message>
        <source>TAKE-PROFIT: once you have won this many units, no more bets are shown. Stopping ahead keeps a win; it does not make one more likely.</source>
        <translation>TAKE-PROFIT&#xa0;: une fois que vous avez gagné ce nombre d’unités, plus aucune mise n’est affichée. S’arrêter en gain conserve un gain&#xa0;; cela n’en rend aucun plus probable.</translation>
    </message>
    <message>
        <source>TABLE MAXIMUM: the largest stake your table accepts. A progression that asks for more is held back instead of shown at a stake you could not place.</source>
        <translation>MAXIMUM DE LA TABLE&#xa0;: la plus grosse mise que votre table accepte. Une progression qui demande davantage est retenue au lieu d’être affichée avec une mise que vous ne pourriez pas placer.</translation>
    </message>
    <message>
        <source>LOSSES IN A ROW: how many losses in a row the progression may follow; the bet after more is held back. 0 holds back every bet after a loss. A count, empty to turn it off.</source>
        <translation>PERTES D’AFFILÉE&#xa0;: combien de pertes consécutives la progression peut suivre&#xa0;; la mise au-delà est retenue. 0 retient toute mise après une perte. Un nombre, vide pour la désactiver.</translation>
    </message>
    <message>
        <source>A session limit holds the next bet back: no chip is shown and nothing is counted. Enter the next number to go on without it, or change the limit.</source>
        <translation>Une limite de la séance retient la mise suivante&#xa0;: aucun jeton n’est affiché et rien n’est compté. Saisissez le numéro suivant pour continuer sans elle, ou modifiez la limite.</translation>
    </message>
    <message>
        <source>Continue anyway: show the held-back bet for this spin and count it, whatever the limit says. The limit stays set for the spins after.</source>
        <translation>Continuer quand même&#xa0;: afficher la mise retenue pour ce coup et la compter, quoi que dise la limite. La limite reste fixée pour les coups suivants.</translation>
    </message>
    <message>
        <source>Close the limits; each one typed counts.</source>
        <translation>Fermer les limites&#xa0;; chacune de celles saisies compte.</translation>
    </message>
    <message>
        <source>Why the last entry was not taken.</source>
        <translation>Pourquoi la dernière saisie n’a pas été acceptée.</translation>
    </message>
    <message>
        <source>The column of the CSV file that holds the numbers.</source>
        <translation>La colonne du fichier CSV qui contient les numéros.</translation>
    </message>
    <message>
        <source>Quick analysis (Ctrl+Shift+A): each spin&apos;s analysis runs to its end at once, without its animation, so the board opens again straight away. The game is exactly the one the animation gives, only without the wait.</source>
        <translation>Analyse rapide (Ctrl+Maj+A)&#xa0;: l’analyse de chaque coup va aussitôt à son terme, sans son animation, et le tableau se rouvre tout de suite. Le jeu est exactement celui que donne l’animation, seulement sans l’attente.</translation>
    </message>
</context>
<context>
    <name>WhatIfTable</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Résultat net</translation>
    </message>
    <message>
        <source>Largest stake</source>
        <translation>Plus forte mise</translation>
    </message>
    <message>
        <source>Deepest drawdown</source>
        <translation>Plus forte baisse</translation>
    </message>
    <message>
        <source>Bets won</source>
        <translation>Mises gagnées</translation>
    </message>
    <message>
        <source>Bets lost</source>
        <translation>Mises perdues</translation>
    </message>
    <message>
        <source>This evening&apos;s spins replayed under each betting system, your other settings and their changes kept. Shown bets only, from 0. Spins are independent: what a system would have made of past spins says nothing about the next ones.</source>
        <translation>Les coups de cette soirée rejoués avec chaque système de mise, vos autres réglages et leurs changements conservés. Mises affichées seulement, depuis 0. Les coups sont indépendants : ce qu’un système aurait fait des coups passés ne dit rien des suivants.</translation>
    </message>
</context>
<context>
    <name>WheelDrawing</name>
    <message>
        <source>The wheel&apos;s pockets in their order, each shaded by how often it came: the darker, the more hits. The last number is outlined.</source>
        <translation>Les cases du cylindre dans leur ordre, chacune ombrée selon sa fréquence de sortie : plus elle est sombre, plus elle est sortie. Le dernier numéro est entouré.</translation>
    </message>
    <message>
        <source>Last
%1</source>
        <translation>Dernier
%1</translation>
    </message>
</context>
<context>
    <name>WheelTab</name>
    <message>
        <source>yes: both</source>
        <translation>oui : les deux</translation>
    </message>
    <message>
        <source>yes: hits</source>
        <translation>oui : sorties</translation>
    </message>
    <message>
        <source>yes: absence</source>
        <translation>oui : absence</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>What the wheel has done so far. Spins are independent: none of this predicts the next spin. A figure is unusual only when its chance after Holm&apos;s correction (in brackets) is %1 % or less.</source>
        <translation>Ce que le cylindre a fait jusqu’ici. Les coups sont indépendants : rien de tout cela ne prédit le prochain coup. Un chiffre n’est inhabituel que si sa probabilité après la correction de Holm (entre parenthèses) est de %1 % ou moins.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Équitable</translation>
    </message>
    <message>
        <source>Away now</source>
        <translation>Absent depuis</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Plus longue</translation>
    </message>
    <message>
        <source>p hits (Holm)</source>
        <translation>p sorties (Holm)</translation>
    </message>
    <message>
        <source>p away (Holm)</source>
        <translation>p absence (Holm)</translation>
    </message>
    <message>
        <source>Unusual?</source>
        <translation>Inhabituel ?</translation>
    </message>
    <message>
        <source>How many spins it came</source>
        <translation>Le nombre de coups où il est sorti</translation>
    </message>
    <message>
        <source>Its share of the spins</source>
        <translation>Sa part des coups</translation>
    </message>
    <message>
        <source>The share a fair wheel gives it: its pockets of the 37</source>
        <translation>La part qu’un cylindre équitable lui donne : ses cases sur les 37</translation>
    </message>
    <message>
        <source>Spins since it last came</source>
        <translation>Coups depuis sa dernière sortie</translation>
    </message>
    <message>
        <source>The most spins in a row without it, the current ones included</source>
        <translation>Le plus grand nombre de coups d’affilée sans lui, les actuels compris</translation>
    </message>
    <message>
        <source>The chance that a fair wheel keeps it away at least this long somewhere in these spins; after Holm&apos;s correction in brackets</source>
        <translation>La probabilité qu’un cylindre équitable le tienne absent au moins aussi longtemps quelque part dans ces coups ; après la correction de Holm entre parenthèses</translation>
    </message>
    <message>
        <source>Whether the corrected chance of its hits or of its absence is 5 % or less</source>
        <translation>Si la probabilité corrigée de ses sorties ou de son absence est de 5 % ou moins</translation>
    </message>
    <message>
        <source>too few spins</source>
        <translation>trop peu de coups</translation>
    </message>
    <message>
        <source>Neighbours on the wheel: after the first spin.</source>
        <translation>Voisins sur le cylindre : après le premier coup.</translation>
    </message>
    <message>
        <source>The last number, %1, and its neighbours on the wheel, clockwise: %2.</source>
        <translation>Le dernier numéro, %1, et ses voisins sur le cylindre, dans le sens des aiguilles d’une montre : %2.</translation>
    </message>
    <message>
        <source>The chance that a fair wheel gives a count no more likely than this one, on either side of the expected count; after Holm&apos;s correction in brackets</source>
        <translation>La probabilité qu’un cylindre équitable donne un compte pas plus probable que celui-ci, d’un côté ou de l’autre du compte attendu ; après la correction de Holm entre parenthèses</translation>
    </message>
</context>
<context>
    <name>WindowAccess</name>
    <message>
        <source>Player&apos;s guide</source>
        <translation>Guide du joueur</translation>
    </message>
    <message>
        <source>Session panel</source>
        <translation>Panneau des séances</translation>
    </message>
    <message>
        <source>Session result</source>
        <translation>Résultat de la séance</translation>
    </message>
    <message>
        <source>The spins of this session and the net result of the bets shown, in units.</source>
        <translation>Les coups de cette séance et le résultat net des mises affichées, en unités.</translation>
    </message>
    <message>
        <source>Where the game stands</source>
        <translation>Où en est la partie</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>aucun pour l’instant</translation>
    </message>
    <message>
        <source>Bet on </source>
        <translation>Mise sur </translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>pas de mise</translation>
    </message>
    <message>
        <source>Trend </source>
        <translation>Trend </translation>
    </message>
    <message>
        <source> units</source>
        <translation> unités</translation>
    </message>
    <message>
        <source>The spins to the first recommendation, the digits typed, or why a number was refused.</source>
        <translation>Les coups avant la première recommandation, les chiffres tapés, ou pourquoi un numéro a été refusé.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>éteinte</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>sombre</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verte</translation>
    </message>
</context>
<context>
    <name>WindowJournal</name>
    <message>
        <source>start a new one</source>
        <translation>en commencer une nouvelle</translation>
    </message>
    <message>
        <source>Session %1 is the evening on show.</source>
        <translation>La séance %1 est la soirée affichée.</translation>
    </message>
    <message>
        <source>Session %1 cannot be continued: %2.</source>
        <translation>La séance %1 ne peut pas être reprise&#xa0;: %2.</translation>
    </message>
    <message>
        <source>continue session %1</source>
        <translation>reprendre la séance %1</translation>
    </message>
</context>
<context>
    <name>WindowKeys</name>
    <message>
        <source>Nothing typed: Ctrl+Z undoes the last spin</source>
        <translation>Rien de tapé&#xa0;: Ctrl+Z annule le dernier coup</translation>
    </message>
    <message>
        <source>%1: the board is locked while the analysis runs</source>
        <translation>%1&#xa0;: le tableau est verrouillé pendant l’analyse</translation>
    </message>
    <message>
        <source>%1: crossed out, the undo took it back</source>
        <translation>%1&#xa0;: barré, l’annulation l’a repris</translation>
    </message>
</context>
</TS>
