#include "app/accessible_names.h"

#include <QAccessible>
#include <QWidget>

namespace vellaro::app {

QString AccessibleName(Control control) {
  // Every control has its name: the compiler names a control left out of the switch.
  // clang-format off
  switch (control) {
    case Control::kUndo: return QStringLiteral("Undo the last spin");
    case Control::kSave: return QStringLiteral("Save the spins");
    case Control::kClose: return QStringLiteral("Close");
    case Control::kMinimize: return QStringLiteral("Minimise");
    case Control::kNewSession: return QStringLiteral("New session");
    case Control::kAnalysisGauge: return QStringLiteral("Analysis at work");
    case Control::kTile: return QStringLiteral("Number board");
    case Control::kHistory: return QStringLiteral("Last numbers");
    case Control::kChip: return QStringLiteral("Bet");
    case Control::kField: return QStringLiteral("Chance");
    case Control::kTrend: return QStringLiteral("Trend");
    case Control::kSafeLevelLamp: return QStringLiteral("SAFE LEVEL lamp");
    case Control::kOptionsButton: return QStringLiteral("Options");
    case Control::kBaseStake: return QStringLiteral("Base stake");
    case Control::kGameMode: return QStringLiteral("Game mode");
    case Control::kBettingSystem: return QStringLiteral("Betting system");
    case Control::kResetBets: return QStringLiteral("Reset bets");
    case Control::kRecalculate: return QStringLiteral("Recalculate");
    case Control::kCreateMatrix: return QStringLiteral("Create matrix");
    case Control::kResetMatrix: return QStringLiteral("Reset matrix");
    case Control::kSafeLevel: return QStringLiteral("SAFE LEVEL");
    case Control::kCatRows: return QStringLiteral("Cat rows");
    case Control::kShowBet: return QStringLiteral("Show bet");
    case Control::kUpTrender: return QStringLiteral("UP-TRENDER");
    case Control::kAutomaticReset: return QStringLiteral("Automatic reset");
    case Control::kMinimalProfit: return QStringLiteral("Minimal profit");
    case Control::kLimits: return QStringLiteral("Session limits");
    case Control::kLimitsClose: return QStringLiteral("Close");
    case Control::kLimitsRefusal: return QStringLiteral("Why the limit is refused");
    case Control::kBankroll: return QStringLiteral("Bankroll");
    case Control::kStopLoss: return QStringLiteral("Stop loss");
    case Control::kTakeProfit: return QStringLiteral("Take profit");
    case Control::kTableMax: return QStringLiteral("Table maximum");
    case Control::kMaxLosses: return QStringLiteral("Most losses in a row");
    case Control::kLimitBanner: return QStringLiteral("Bet held back");
    case Control::kContinueAnyway: return QStringLiteral("Continue anyway");
    case Control::kAddSpins: return QStringLiteral("Add spins");
    case Control::kSystemsEditor: return QStringLiteral("Betting systems editor");
    case Control::kNewestFirst: return QStringLiteral("Newest first");
    case Control::kSpinsFile: return QStringLiteral("Read spins from a file");
    case Control::kSpinsColumn: return QStringLiteral("Column of the file");
    case Control::kEnterSpins: return QStringLiteral("Enter the spins");
  }
  // clang-format on
  return {};
}

QString NameInWords(const QString& object_name) {
  QString words;
  for (const QChar c : object_name) {
    if (c.isUpper() && !words.isEmpty()) {
      words += u' ';
      words += c.toLower();
    } else {
      words += c;
    }
  }
  return words;
}

void NameControls(QWidget& root) {
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    if ((widget->focusPolicy() & Qt::TabFocus) == 0 || !widget->accessibleName().isEmpty()) {
      continue;
    }
    // What the toolkit finds itself: a button's text, a caption made its buddy.
    QAccessibleInterface* known = QAccessible::queryAccessibleInterface(widget);
    if (known != nullptr && !known->text(QAccessible::Name).isEmpty()) continue;
    if (const std::optional<Control> control = TaggedControl(*widget)) {
      widget->setAccessibleName(AccessibleName(*control));
    } else if (!widget->objectName().isEmpty() &&
               !widget->objectName().startsWith(QLatin1String("qt_"))) {
      widget->setAccessibleName(NameInWords(widget->objectName()));
    }
  }
}

}  // namespace vellaro::app
