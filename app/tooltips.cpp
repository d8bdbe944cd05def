#include "app/tooltips.h"

#include <QHash>
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
const QString kMinimize = QStringLiteral("Minimise the window.");
const QString kGauge = QStringLiteral(
    "The analysis at work. The board is locked until it ends, and numbers typed meanwhile "
    "are refused, not kept.");

const QString kBase = QStringLiteral(
    "BET: your base stake in units, 1 to 1000. Every system starts from it and comes back "
    "to it after a reset.");
const QString kModes =
    QStringLiteral("GAME MODE: how the next chance is chosen once five numbers are in.") +
    kNoEdge;
const QString kSystem = QStringLiteral(
    "BETTING SYSTEM: how the stake follows wins and losses. Picking another one starts the "
    "stakes again from the base. A system changes how much you stake and how your results "
    "swing, never the house's share.");
const QString kResetBets =
    QStringLiteral("Reset Bets: put the stake back to the base stake and start the ledger again.");
const QString kRecalculate =
    QStringLiteral("ReCalculate: choose the chance again from the same numbers.") + kNoEdge;
const QString kCreateMatrix = QStringLiteral(
    "Create Matrix: learn from the next spins and then follow a column of the number "
    "matrix.") + kNoEdge;
const QString kResetMatrix =
    QStringLiteral("RM: discard the matrix and go back to the mode of the mode box.");
const QString kSafeLevel = QStringLiteral(
    "SAFE LEVEL, 0 to 10: show a bet only after this many recommendations lost in a row; "
    "until then they are only followed. A loss streak does not make the next spin more "
    "likely to win.");
const QString kCatRows = QStringLiteral(
    "Cat.Rows: in ADAPTIVE mode, recommend the same chance again after a win instead of "
    "drawing a new one. Greyed while it cannot be used.") + kNoEdge;
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
const QString kBankroll = QStringLiteral(
    "BANKROLL: the units you brought to this session. A stake larger than what is left of "
    "them (the bankroll plus your net result) is held back.") + kLimitsOff;
const QString kStopLoss = QStringLiteral(
    "STOP-LOSS: once you have lost this many units (your net result from the bets shown), "
    "no more bets are shown.") + kLimitsOff;
const QString kTakeProfit = QStringLiteral(
    "TAKE-PROFIT: once you have won this many units, no more bets are shown. Stopping "
    "ahead keeps a win; it does not make one more likely.") + kLimitsOff;
const QString kTableMax = QStringLiteral(
    "TABLE MAXIMUM: the largest stake your table accepts. A progression that asks for more "
    "is held back instead of shown at a stake you could not place.") + kLimitsOff;
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

bool IsDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

// "0" to "36", as the pockets are named: no leading zero.
bool IsPocket(QStringView text) {
  if (text.isEmpty() || text.size() > 2 || !IsDigit(text[0]) || !IsDigit(text.back())) {
    return false;
  }
  if (text.size() == 1) return true;
  return text[0] != u'0' && text.toInt() <= 36;
}

// A chance's name in the control names: a capital, then small letters ("Red", "Even").
bool IsChanceWord(QStringView text) {
  if (text.size() < 2 || text[0] < u'A' || text[0] > u'Z') return false;
  for (const QChar c : text.mid(1)) {
    if (c < u'a' || c > u'z') return false;
  }
  return true;
}

// Whether `name` is one of `prefixes` followed by what `rest` takes.
template <typename Rest>
bool AfterAny(const QString& name, std::initializer_list<QStringView> prefixes, Rest rest) {
  for (const QStringView prefix : prefixes) {
    if (name.startsWith(prefix) && rest(QStringView(name).mid(prefix.size()))) return true;
  }
  return false;
}

}  // namespace

QString TooltipFor(const QString& name) {
  static const QHash<QString, QString> kExact = {
      {QStringLiteral("ImageUndo"), kUndo},
      {QStringLiteral("Image83"), kUndo},
      {QStringLiteral("Button_Save"), kSave},
      {QStringLiteral("Button_Save_Hover"), kSave},
      {QStringLiteral("Button_Close"), kClose},
      {QStringLiteral("Button_Close_Hover"), kClose},
      {QStringLiteral("Button_Minimize"), kMinimize},
      {QStringLiteral("Button_Minimize_2"), kMinimize},
      {QStringLiteral("CGauge1"), kGauge},
      {QStringLiteral("SL_Indicator1"), kSafeLevelLamp},
      {QStringLiteral("SL_Indicator2"), kSafeLevelLamp},
      {QStringLiteral("Image_Options1"), kOptions},
      {QStringLiteral("Image_Options2"), kOptions},
      {QStringLiteral("Image_Options3"), kOptions},
      {QStringLiteral("Init_Bet"), kBase},
      {QStringLiteral("BetCaption"), kBase},
      {QStringLiteral("GameModes"), kModes},
      {QStringLiteral("GameModeCaption"), kModes},
      {QStringLiteral("BetStrategy"), kSystem},
      {QStringLiteral("BetStrategyCaption"), kSystem},
      {QStringLiteral("ResetBets"), kResetBets},
      {QStringLiteral("NewSession"), kNewSession},
      {QStringLiteral("NewSession_Hover"), kNewSession},
      {QStringLiteral("ReCalculate"), kRecalculate},
      {QStringLiteral("CGauge2"), kRecalculate},
      {QStringLiteral("CreateMatrix"), kCreateMatrix},
      {QStringLiteral("CGauge3"), kCreateMatrix},
      {QStringLiteral("ResetMatrix"), kResetMatrix},
      {QStringLiteral("SafeLevel"), kSafeLevel},
      {QStringLiteral("SafeLevelCaption"), kSafeLevel},
      {QStringLiteral("Label4"), kSafeLevel},
      {QStringLiteral("CatRows"), kCatRows},
      {QStringLiteral("ShowBetSize"), kShowBet},
      {QStringLiteral("GroupBox1"), kUpTrender},
      {QStringLiteral("On_Wins"), kUpTrender},
      {QStringLiteral("Add_To_Bet"), kUpTrender},
      {QStringLiteral("Label28"), kUpTrender},
      {QStringLiteral("Label29"), kUpTrender},
      {QStringLiteral("Bet_Automatic_Reset"), kAutomaticReset},
      {QStringLiteral("Get_Minimal_Profit"), kMinimalProfit},
      {QStringLiteral("Button_Limits"), kLimits},
      {QStringLiteral("Button_Limits_Hover"), kLimits},
      {QStringLiteral("LimitsDialog"), kLimits},
      {QStringLiteral("LimitsClose"), QStringLiteral("Close the limits; each one typed counts.")},
      {QStringLiteral("LimitsRefusal"), QStringLiteral("Why the last entry was not taken.")},
      {QStringLiteral("Limit_Bankroll"), kBankroll},
      {QStringLiteral("LimitCaption_Bankroll"), kBankroll},
      {QStringLiteral("LimitUnit_Bankroll"), kBankroll},
      {QStringLiteral("Limit_StopLoss"), kStopLoss},
      {QStringLiteral("LimitCaption_StopLoss"), kStopLoss},
      {QStringLiteral("LimitUnit_StopLoss"), kStopLoss},
      {QStringLiteral("Limit_TakeProfit"), kTakeProfit},
      {QStringLiteral("LimitCaption_TakeProfit"), kTakeProfit},
      {QStringLiteral("LimitUnit_TakeProfit"), kTakeProfit},
      {QStringLiteral("Limit_TableMax"), kTableMax},
      {QStringLiteral("LimitCaption_TableMax"), kTableMax},
      {QStringLiteral("LimitUnit_TableMax"), kTableMax},
      {QStringLiteral("Limit_MaxLosses"), kMaxLosses},
      {QStringLiteral("LimitCaption_MaxLosses"), kMaxLosses},
      {QStringLiteral("LimitUnit_MaxLosses"), kMaxLosses},
      {QStringLiteral("LimitBanner"), kBanner},
      {QStringLiteral("ContinueAnyway"), kContinue},
  };
  if (const auto found = kExact.constFind(name); found != kExact.constEnd()) return *found;
  // The families of controls, one per number or chance.
  if (AfterAny(name, {u"Image_Act_", u"Inactive", u"Image"}, IsPocket)) return kTile;
  if (AfterAny(name, {u"HisNum"}, [](QStringView n) { return n.size() == 1 && IsDigit(n[0]); })) {
    return kHistory;
  }
  if (AfterAny(name, {u"ChipGrey", u"Chip", u"BetSizeShow_"}, IsChanceWord)) return kChip;
  if (AfterAny(name, {u"Field"}, IsChanceWord)) return kField;
  if (AfterAny(name, {u"Trend_"}, [](QStringView rest) {
        // A chance, then which of the three trend pictures.
        return rest.size() > 2 && rest[rest.size() - 2] == u'_' &&
               QStringView(u"012").contains(rest.back()) && IsChanceWord(rest.chopped(2));
      })) {
    return kTrend;
  }
  return {};
}

void ApplyTooltips(QWidget& root) {
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    if (!widget->toolTip().isEmpty()) continue;
    const QString text = TooltipFor(widget->objectName());
    if (!text.isEmpty()) widget->setToolTip(text);
  }
}

}  // namespace vellaro::app
