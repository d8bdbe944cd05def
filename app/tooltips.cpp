#include "app/tooltips.h"

#include <QVariant>
#include <QWidget>

namespace vellaro::app {

namespace {

// Said wherever a control could be taken for a way to win.
const QString kNoEdge = QStringLiteral(
    " Spins of a fair wheel are independent: no analysis can foresee the next one, and the "
    "house keeps 1 unit in 37 of everything staked whatever you choose.");

const QString kTile = QStringLiteral(
    "Enter the number that came out (or type it and press Enter). Locked while an analysis "
    "runs; a number just taken back by the undo is crossed out.");
const QString kHistory = QStringLiteral("The last numbers entered, the newest on the left.");
const QString kChip = QStringLiteral(
    "The chance to bet on now and the stake in units of your base stake: place it yourself, "
    "Vellaro places nothing. It is settled at the next spin.");
const QString kField = QStringLiteral("An even-money chance: it pays 1 to 1, and 0 loses it.");
const QString kTrend = QStringLiteral(
    "TREND: click to turn this chance's trend switch on or off. While on, a recommendation "
    "of the opposite chance is turned to this one. It changes which chance you see, not "
    "your odds.");
// The lamp follows the recommendations lost in a row, not the chips: it turns green a loss
// before a bet can show, and stays green while one is on show.
const QString kSafeLevelLamp = QStringLiteral(
    "SAFE LEVEL lamp: it follows the recommendations lost in a row, and is off while the SAFE "
    "LEVEL is 0 (every recommendation is then shown as a bet). Dark: the losses in a row are "
    "two or more short of the SAFE LEVEL; no bet is shown. Green: they are one short, or have "
    "reached it. Green is not a bet: a bet, its chip and stake, is shown only once the losses "
    "in a row have reached the SAFE LEVEL, so one short the lamp is green and no bet is shown "
    "yet. Waiting for losses does not make a win more likely.");
const QString kOptions = QStringLiteral("Open or close the options area.");
const QString kUndo = QStringLiteral(
    "Take back the last number entered (Ctrl+Z); Ctrl+Shift+Z or Ctrl+Y brings it back "
    "until anything else changes. Offered once after each spin; greyed when there is "
    "nothing to take back.");
const QString kSave = QStringLiteral("Save the numbers of this game to a text file (Ctrl+S).");
const QString kClose = QStringLiteral(
    "Close Vellaro. Your settings and this session are kept: the session goes on where it "
    "stood when Vellaro starts again.");
const QString kNewSession = QStringLiteral(
    "New session: end this evening and start a fresh game with the same settings. Asks "
    "first, naming the spins and the net result that end; not while an analysis runs. The "
    "evening ended stays in the journal: the session panel can show it and continue it, and "
    "vellaro-sim can list and replay it.");
const QString kAddSpins = QStringLiteral(
    "Add spins (Ctrl+Shift+V with a list copied): enter many numbers at once, typed, pasted "
    "or read from a file, exactly as if you had clicked them one after another. The undo "
    "then takes back the last one, as after a click. The past spins say nothing about the "
    "next one.");
const QString kNewestFirst = QStringLiteral(
    "Tick when the list shows the newest number first, as many tables' displays do: the "
    "oldest is entered first all the same.");
const QString kSpinsFile = QStringLiteral(
    "Read the numbers from a file: a text file, or a CSV file (*.csv) with a column of "
    "numbers; a header line is allowed.");
const QString kEnterSpins = QStringLiteral(
    "Enter the numbers, oldest first, each as a click on its tile with the analysis run to "
    "its end. Greyed while the list does not read whole.");
const QString kMinimize = QStringLiteral("Minimise the window.");
const QString kGauge = QStringLiteral(
    "The analysis at work. The board is locked until it ends, and numbers typed meanwhile "
    "are refused, not kept.");

const QString kBase = QStringLiteral(
    "BET: your base stake in units, 1 to 1000. Every system starts from it and comes back "
    "to it after a reset.");
const QString kModes =
    QStringLiteral("GAME MODE: how the next chance is chosen once five numbers are in.") + kNoEdge;
const QString kSystem = QStringLiteral(
    "BETTING SYSTEM: how the stake follows wins and losses. Picking another one starts the "
    "stakes again from the base. A system changes how much you stake and how your results "
    "swing, never the house's share. After the six built-in systems come the presets and "
    "your own systems written as files (\"Systems\u2026\"); a file with an error is listed "
    "but cannot be chosen. A system you chose is kept as its text was then: if its file "
    "changes or goes, the kept text is what is played until you choose again.");
const QString kSystemsEditor = QStringLiteral(
    "Systems\u2026: write your own betting system, or look at a preset, with the stakes it "
    "would ask for after losses in a row and after a win. No system changes the house's "
    "share of 1 unit in 37.");
const QString kResetBets =
    QStringLiteral("Reset Bets: put the stake back to the base stake and start the ledger again.");
const QString kRecalculate =
    QStringLiteral("ReCalculate: choose the chance again from the same numbers.") + kNoEdge;
const QString kCreateMatrix =
    QStringLiteral(
        "Create Matrix: learn from the next spins and then follow a column of the number "
        "matrix.") +
    kNoEdge;
const QString kResetMatrix =
    QStringLiteral("RM: discard the matrix and go back to the mode of the mode box.");
const QString kSafeLevel = QStringLiteral(
    "SAFE LEVEL, 0 to 10: show a bet only after this many recommendations lost in a row; "
    "until then they are only followed. A loss streak does not make the next spin more "
    "likely to win.");
const QString kCatRows =
    QStringLiteral(
        "Cat.Rows: in ADAPTIVE mode, recommend the same chance again after a win instead of "
        "drawing a new one. Greyed while it cannot be used.") +
    kNoEdge;
const QString kShowBet = QStringLiteral(
    "Show Bet: show the stake on the chip; unticked, only the chip shows where to bet.");
const QString kUpTrender = QStringLiteral(
    "UP-TRENDER settings, read only by the UP-TRENDER system: after ON wins, add WINS ADD TO "
    "BET units to the stake. Greyed while they cannot be changed.");
const QString kAutomaticReset = QStringLiteral(
    "BET AUTOMATIC RESET: put the stake back to the base whenever the ledger reaches a new "
    "high. It limits how long a progression runs on; it cannot lock in a profit.");
const QString kMinimalProfit = QStringLiteral(
    "GET MINIMAL PROFIT: after a win, cut the next stake to the smallest one with which one "
    "more win reaches a new high. Needs BET AUTOMATIC RESET. It stakes less, it does not "
    "make a win more likely.");

// The session limits: each stops a bet from being shown, none changes the odds of one.
const QString kLimits = QStringLiteral(
    "Session limits: a bankroll, a stop-loss, a take-profit, a table maximum and the losses "
    "in a row a progression may follow. A bet that would break one is held back, with a "
    "banner saying why. Limits decide how much you risk, not whether you win.");
const QString kLimitsOff = QStringLiteral(" Whole units; leave it empty to turn it off.");
const QString kBankroll =
    QStringLiteral(
        "BANKROLL: the units you brought to this session. A stake larger than what is left of "
        "them (the bankroll plus your net result) is held back.") +
    kLimitsOff;
const QString kStopLoss =
    QStringLiteral(
        "STOP-LOSS: once you have lost this many units (your net result from the bets shown), "
        "no more bets are shown.") +
    kLimitsOff;
const QString kTakeProfit =
    QStringLiteral(
        "TAKE-PROFIT: once you have won this many units, no more bets are shown. Stopping "
        "ahead keeps a win; it does not make one more likely.") +
    kLimitsOff;
const QString kTableMax =
    QStringLiteral(
        "TABLE MAXIMUM: the largest stake your table accepts. A progression that asks for more "
        "is held back instead of shown at a stake you could not place.") +
    kLimitsOff;
const QString kMaxLosses = QStringLiteral(
    "LOSSES IN A ROW: how many losses in a row the progression may follow; the bet after "
    "more is held back. 0 holds back every bet after a loss. A count, empty to turn it off.");
const QString kBanner = QStringLiteral(
    "A session limit holds the next bet back: no chip is shown and nothing is counted. "
    "Enter the next number to go on without it, or change the limit.");
const QString kContinue = QStringLiteral(
    "Continue anyway: show the held-back bet for this spin and count it, whatever the limit "
    "says. The limit stays set for the spins after.");

}  // namespace

namespace {

// The property of a widget that holds its Control, as an int.
constexpr char kControlProperty[] = "vellaroControl";

}  // namespace

void Tag(QWidget* widget, const QString& name, Control control) {
  widget->setObjectName(name);
  widget->setProperty(kControlProperty, static_cast<int>(control));
}

std::optional<Control> TaggedControl(const QWidget& widget) {
  const QVariant control = widget.property(kControlProperty);
  if (!control.isValid()) return std::nullopt;
  return static_cast<Control>(control.toInt());
}

QString TooltipFor(Control control) {
  // Every control has its help: the compiler names a control left out of the switch.
  // clang-format off
  switch (control) {
    case Control::kUndo: return kUndo;
    case Control::kSave: return kSave;
    case Control::kClose: return kClose;
    case Control::kMinimize: return kMinimize;
    case Control::kNewSession: return kNewSession;
    case Control::kAnalysisGauge: return kGauge;
    case Control::kTile: return kTile;
    case Control::kHistory: return kHistory;
    case Control::kChip: return kChip;
    case Control::kField: return kField;
    case Control::kTrend: return kTrend;
    case Control::kSafeLevelLamp: return kSafeLevelLamp;
    case Control::kOptionsButton: return kOptions;
    case Control::kBaseStake: return kBase;
    case Control::kGameMode: return kModes;
    case Control::kBettingSystem: return kSystem;
    case Control::kSystemsEditor: return kSystemsEditor;
    case Control::kResetBets: return kResetBets;
    case Control::kRecalculate: return kRecalculate;
    case Control::kCreateMatrix: return kCreateMatrix;
    case Control::kResetMatrix: return kResetMatrix;
    case Control::kSafeLevel: return kSafeLevel;
    case Control::kCatRows: return kCatRows;
    case Control::kShowBet: return kShowBet;
    case Control::kUpTrender: return kUpTrender;
    case Control::kAutomaticReset: return kAutomaticReset;
    case Control::kMinimalProfit: return kMinimalProfit;
    case Control::kLimits: return kLimits;
    case Control::kLimitsClose: return QStringLiteral("Close the limits; each one typed counts.");
    case Control::kLimitsRefusal: return QStringLiteral("Why the last entry was not taken.");
    case Control::kBankroll: return kBankroll;
    case Control::kStopLoss: return kStopLoss;
    case Control::kTakeProfit: return kTakeProfit;
    case Control::kTableMax: return kTableMax;
    case Control::kMaxLosses: return kMaxLosses;
    case Control::kLimitBanner: return kBanner;
    case Control::kContinueAnyway: return kContinue;
    case Control::kAddSpins: return kAddSpins;
    case Control::kNewestFirst: return kNewestFirst;
    case Control::kSpinsFile: return kSpinsFile;
    case Control::kSpinsColumn: return QStringLiteral("The column of the CSV file that holds the numbers.");
    case Control::kEnterSpins: return kEnterSpins;
  }
  // clang-format on
  return {};
}

void ApplyTooltips(QWidget& root) {
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    const QVariant control = widget->property(kControlProperty);
    if (!widget->toolTip().isEmpty() || !control.isValid()) continue;
    widget->setToolTip(TooltipFor(static_cast<Control>(control.toInt())));
  }
}

}  // namespace vellaro::app
