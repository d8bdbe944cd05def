#include "app/tooltips.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace vellaro::app {

namespace {

// Said wherever a control could be taken for a way to win.
constexpr const char* kNoEdge = QT_TRANSLATE_NOOP(
    "Tooltips",
    " Spins of a fair wheel are independent: no analysis can foresee the next one, and the "
    "house keeps 1 unit in 37 of everything staked whatever you choose.");

constexpr const char* kTile = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Enter the number that came out (or type it and press Enter). Locked while an analysis "
    "runs; a number just taken back by the undo is crossed out.");
constexpr const char* kHistory =
    QT_TRANSLATE_NOOP("Tooltips", "The last numbers entered, the newest on the left.");
constexpr const char* kChip = QT_TRANSLATE_NOOP(
    "Tooltips",
    "The chance to bet on now and the stake in units of your base stake: place it yourself, "
    "Vellaro places nothing. It is settled at the next spin.");
constexpr const char* kField =
    QT_TRANSLATE_NOOP("Tooltips", "An even-money chance: it pays 1 to 1, and 0 loses it.");
constexpr const char* kTrend = QT_TRANSLATE_NOOP(
    "Tooltips",
    "TREND: click to turn this chance's trend switch on or off. While on, a recommendation "
    "of the opposite chance is turned to this one. It changes which chance you see, not "
    "your odds.");
// The lamp follows the recommendations lost in a row, not the chips: it turns green a loss
// before a bet can show, and stays green while one is on show.
constexpr const char* kSafeLevelLamp = QT_TRANSLATE_NOOP(
    "Tooltips",
    "SAFE LEVEL lamp: it follows the recommendations lost in a row, and is off while the SAFE "
    "LEVEL is 0 (every recommendation is then shown as a bet). Dark: the losses in a row are "
    "two or more short of the SAFE LEVEL; no bet is shown. Green: they are one short, or have "
    "reached it. Green is not a bet: a bet, its chip and stake, is shown only once the losses "
    "in a row have reached the SAFE LEVEL, so one short the lamp is green and no bet is shown "
    "yet. Waiting for losses does not make a win more likely.");
constexpr const char* kOptions = QT_TRANSLATE_NOOP("Tooltips", "Open or close the options area.");
constexpr const char* kUndo = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Take back the last number entered (Ctrl+Z); Ctrl+Shift+Z or Ctrl+Y brings it back "
    "until anything else changes. Offered once after each spin; greyed when there is "
    "nothing to take back.");
constexpr const char* kSave =
    QT_TRANSLATE_NOOP("Tooltips", "Save the numbers of this game to a text file (Ctrl+S).");
constexpr const char* kClose = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Close Vellaro. Your settings and this session are kept: the session goes on where it "
    "stood when Vellaro starts again.");
constexpr const char* kNewSession = QT_TRANSLATE_NOOP(
    "Tooltips",
    "New session: end this evening and start a fresh game with the same settings. Asks "
    "first, naming the spins and the net result that end; not while an analysis runs. The "
    "evening ended stays in the journal: the session panel can show it and continue it, and "
    "vellaro-sim can list and replay it.");
constexpr const char* kAddSpins = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Add spins (Ctrl+Shift+V with a list copied): enter many numbers at once, typed, pasted "
    "or read from a file, exactly as if you had clicked them one after another. The undo "
    "then takes back the last one, as after a click. The past spins say nothing about the "
    "next one.");
constexpr const char* kNewestFirst = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Tick when the list shows the newest number first, as many tables' displays do: the "
    "oldest is entered first all the same.");
constexpr const char* kSpinsFile = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Read the numbers from a file: a text file, or a CSV file (*.csv) with a column of "
    "numbers; a header line is allowed.");
constexpr const char* kEnterSpins = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Enter the numbers, oldest first, each as a click on its tile with the analysis run to "
    "its end. Greyed while the list does not read whole.");
constexpr const char* kQuickAnalysis = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Quick analysis (Ctrl+Shift+A): each spin's analysis runs to its end at once, without "
    "its animation, so the board opens again straight away. The game is exactly the one the "
    "animation gives, only without the wait.");
constexpr const char* kMinimize = QT_TRANSLATE_NOOP("Tooltips", "Minimise the window.");
constexpr const char* kGauge = QT_TRANSLATE_NOOP(
    "Tooltips",
    "The analysis at work. The board is locked until it ends, and numbers typed meanwhile "
    "are refused, not kept.");

constexpr const char* kBase = QT_TRANSLATE_NOOP(
    "Tooltips",
    "BET: your base stake in units, 1 to 1000. Every system starts from it and comes back "
    "to it after a reset.");
constexpr const char* kModes = QT_TRANSLATE_NOOP(
    "Tooltips", "GAME MODE: how the next chance is chosen once five numbers are in.");
constexpr const char* kSystem = QT_TRANSLATE_NOOP(
    "Tooltips",
    "BETTING SYSTEM: how the stake follows wins and losses. Picking another one starts the "
    "stakes again from the base. A system changes how much you stake and how your results "
    "swing, never the house's share. After the six built-in systems come the presets and "
    "your own systems written as files (\"Systems\u2026\"); a file with an error is listed "
    "but cannot be chosen. A system you chose is kept as its text was then: if its file "
    "changes or goes, the kept text is what is played until you choose again.");
constexpr const char* kSystemsEditor = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Systems\u2026: write your own betting system, or look at a preset, with the stakes it "
    "would ask for after losses in a row and after a win. No system changes the house's "
    "share of 1 unit in 37.");
constexpr const char* kResetBets = QT_TRANSLATE_NOOP(
    "Tooltips", "Reset Bets: put the stake back to the base stake and start the ledger again.");
constexpr const char* kRecalculate =
    QT_TRANSLATE_NOOP("Tooltips", "ReCalculate: choose the chance again from the same numbers.");
constexpr const char* kCreateMatrix = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Create Matrix: learn from the next spins and then follow a column of the number "
    "matrix.");
constexpr const char* kResetMatrix = QT_TRANSLATE_NOOP(
    "Tooltips", "RM: discard the matrix and go back to the mode of the mode box.");
constexpr const char* kSafeLevel = QT_TRANSLATE_NOOP(
    "Tooltips",
    "SAFE LEVEL, 0 to 10: show a bet only after this many recommendations lost in a row; "
    "until then they are only followed. A loss streak does not make the next spin more "
    "likely to win.");
constexpr const char* kCatRows = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Cat.Rows: in ADAPTIVE mode, recommend the same chance again after a win instead of "
    "drawing a new one. Greyed while it cannot be used.");
constexpr const char* kShowBet = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Show Bet: show the stake on the chip; unticked, only the chip shows where to bet.");
constexpr const char* kUpTrender = QT_TRANSLATE_NOOP(
    "Tooltips",
    "UP-TRENDER settings, read only by the UP-TRENDER system: after ON wins, add WINS ADD TO "
    "BET units to the stake. Greyed while they cannot be changed.");
constexpr const char* kAutomaticReset = QT_TRANSLATE_NOOP(
    "Tooltips",
    "BET AUTOMATIC RESET: put the stake back to the base whenever the ledger reaches a new "
    "high. It limits how long a progression runs on; it cannot lock in a profit.");
constexpr const char* kMinimalProfit = QT_TRANSLATE_NOOP(
    "Tooltips",
    "GET MINIMAL PROFIT: after a win, cut the next stake to the smallest one with which one "
    "more win reaches a new high. Needs BET AUTOMATIC RESET. It stakes less, it does not "
    "make a win more likely.");

// The session limits: each stops a bet from being shown, none changes the odds of one.
constexpr const char* kLimits = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Session limits: a bankroll, a stop-loss, a take-profit, a table maximum and the losses "
    "in a row a progression may follow. A bet that would break one is held back, with a "
    "banner saying why. Limits decide how much you risk, not whether you win.");
constexpr const char* kLimitsOff =
    QT_TRANSLATE_NOOP("Tooltips", " Whole units; leave it empty to turn it off.");
constexpr const char* kBankroll = QT_TRANSLATE_NOOP(
    "Tooltips",
    "BANKROLL: the units you brought to this session. A stake larger than what is left of "
    "them (the bankroll plus your net result) is held back.");
constexpr const char* kStopLoss = QT_TRANSLATE_NOOP(
    "Tooltips",
    "STOP-LOSS: once you have lost this many units (your net result from the bets shown), "
    "no more bets are shown.");
constexpr const char* kTakeProfit = QT_TRANSLATE_NOOP(
    "Tooltips",
    "TAKE-PROFIT: once you have won this many units, no more bets are shown. Stopping "
    "ahead keeps a win; it does not make one more likely.");
constexpr const char* kTableMax = QT_TRANSLATE_NOOP(
    "Tooltips",
    "TABLE MAXIMUM: the largest stake your table accepts. A progression that asks for more "
    "is held back instead of shown at a stake you could not place.");
constexpr const char* kMaxLosses = QT_TRANSLATE_NOOP(
    "Tooltips",
    "LOSSES IN A ROW: how many losses in a row the progression may follow; the bet after "
    "more is held back. 0 holds back every bet after a loss. A count, empty to turn it off.");
constexpr const char* kBanner = QT_TRANSLATE_NOOP(
    "Tooltips",
    "A session limit holds the next bet back: no chip is shown and nothing is counted. "
    "Enter the next number to go on without it, or change the limit.");
constexpr const char* kContinue = QT_TRANSLATE_NOOP(
    "Tooltips",
    "Continue anyway: show the held-back bet for this spin and count it, whatever the limit "
    "says. The limit stays set for the spins after.");

}  // namespace

namespace {

// The help is kept as English source text and translated when asked for, so that the
// language installed at start is the one shown.
QString Tr(const char* text) {
  return QCoreApplication::translate("Tooltips", text);
}

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
    case Control::kUndo: return Tr(kUndo);
    case Control::kSave: return Tr(kSave);
    case Control::kClose: return Tr(kClose);
    case Control::kMinimize: return Tr(kMinimize);
    case Control::kNewSession: return Tr(kNewSession);
    case Control::kAnalysisGauge: return Tr(kGauge);
    case Control::kTile: return Tr(kTile);
    case Control::kHistory: return Tr(kHistory);
    case Control::kChip: return Tr(kChip);
    case Control::kField: return Tr(kField);
    case Control::kTrend: return Tr(kTrend);
    case Control::kSafeLevelLamp: return Tr(kSafeLevelLamp);
    case Control::kOptionsButton: return Tr(kOptions);
    case Control::kBaseStake: return Tr(kBase);
    case Control::kGameMode: return Tr(kModes) + Tr(kNoEdge);
    case Control::kBettingSystem: return Tr(kSystem);
    case Control::kSystemsEditor: return Tr(kSystemsEditor);
    case Control::kResetBets: return Tr(kResetBets);
    case Control::kRecalculate: return Tr(kRecalculate) + Tr(kNoEdge);
    case Control::kCreateMatrix: return Tr(kCreateMatrix) + Tr(kNoEdge);
    case Control::kResetMatrix: return Tr(kResetMatrix);
    case Control::kSafeLevel: return Tr(kSafeLevel);
    case Control::kCatRows: return Tr(kCatRows) + Tr(kNoEdge);
    case Control::kShowBet: return Tr(kShowBet);
    case Control::kUpTrender: return Tr(kUpTrender);
    case Control::kAutomaticReset: return Tr(kAutomaticReset);
    case Control::kMinimalProfit: return Tr(kMinimalProfit);
    case Control::kLimits: return Tr(kLimits);
    case Control::kLimitsClose: return Tr(QT_TRANSLATE_NOOP("Tooltips", "Close the limits; each one typed counts."));
    case Control::kLimitsRefusal: return Tr(QT_TRANSLATE_NOOP("Tooltips", "Why the last entry was not taken."));
    case Control::kBankroll: return Tr(kBankroll) + Tr(kLimitsOff);
    case Control::kStopLoss: return Tr(kStopLoss) + Tr(kLimitsOff);
    case Control::kTakeProfit: return Tr(kTakeProfit) + Tr(kLimitsOff);
    case Control::kTableMax: return Tr(kTableMax) + Tr(kLimitsOff);
    case Control::kMaxLosses: return Tr(kMaxLosses);
    case Control::kLimitBanner: return Tr(kBanner);
    case Control::kContinueAnyway: return Tr(kContinue);
    case Control::kAddSpins: return Tr(kAddSpins);
    case Control::kNewestFirst: return Tr(kNewestFirst);
    case Control::kSpinsFile: return Tr(kSpinsFile);
    case Control::kSpinsColumn: return Tr(QT_TRANSLATE_NOOP("Tooltips", "The column of the CSV file that holds the numbers."));
    case Control::kEnterSpins: return Tr(kEnterSpins);
    case Control::kQuickAnalysis: return Tr(kQuickAnalysis);
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
