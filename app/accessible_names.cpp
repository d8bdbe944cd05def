#include "app/accessible_names.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>

namespace vellaro::app {

QString AccessibleName(Control control) {
  // Every control has its name: the compiler names a control left out of the switch.
  // clang-format off
  switch (control) {
    case Control::kUndo: return QCoreApplication::translate("AccessibleNames", "Undo the last spin");
    case Control::kSave: return QCoreApplication::translate("AccessibleNames", "Save the spins");
    case Control::kClose: return QCoreApplication::translate("AccessibleNames", "Close");
    case Control::kMinimize: return QCoreApplication::translate("AccessibleNames", "Minimise");
    case Control::kNewSession: return QCoreApplication::translate("AccessibleNames", "New session");
    case Control::kAnalysisGauge: return QCoreApplication::translate("AccessibleNames", "Analysis at work");
    case Control::kTile: return QCoreApplication::translate("AccessibleNames", "Number board");
    case Control::kHistory: return QCoreApplication::translate("AccessibleNames", "Last numbers");
    case Control::kChip: return QCoreApplication::translate("AccessibleNames", "Bet");
    case Control::kField: return QCoreApplication::translate("AccessibleNames", "Chance");
    case Control::kTrend: return QCoreApplication::translate("AccessibleNames", "Trend");
    case Control::kSafeLevelLamp: return QCoreApplication::translate("AccessibleNames", "SAFE LEVEL lamp");
    case Control::kOptionsButton: return QCoreApplication::translate("AccessibleNames", "Options");
    case Control::kBaseStake: return QCoreApplication::translate("AccessibleNames", "Base stake");
    case Control::kGameMode: return QCoreApplication::translate("AccessibleNames", "Game mode");
    case Control::kBettingSystem: return QCoreApplication::translate("AccessibleNames", "Betting system");
    case Control::kResetBets: return QCoreApplication::translate("AccessibleNames", "Reset bets");
    case Control::kRecalculate: return QCoreApplication::translate("AccessibleNames", "Recalculate");
    case Control::kCreateMatrix: return QCoreApplication::translate("AccessibleNames", "Create matrix");
    case Control::kResetMatrix: return QCoreApplication::translate("AccessibleNames", "Reset matrix");
    case Control::kSafeLevel: return QCoreApplication::translate("AccessibleNames", "SAFE LEVEL");
    case Control::kCatRows: return QCoreApplication::translate("AccessibleNames", "Cat rows");
    case Control::kShowBet: return QCoreApplication::translate("AccessibleNames", "Show bet");
    case Control::kUpTrender: return QCoreApplication::translate("AccessibleNames", "UP-TRENDER");
    case Control::kAutomaticReset: return QCoreApplication::translate("AccessibleNames", "Automatic reset");
    case Control::kMinimalProfit: return QCoreApplication::translate("AccessibleNames", "Minimal profit");
    case Control::kLimits: return QCoreApplication::translate("AccessibleNames", "Session limits");
    case Control::kLimitsClose: return QCoreApplication::translate("AccessibleNames", "Close");
    case Control::kLimitsRefusal: return QCoreApplication::translate("AccessibleNames", "Why the limit is refused");
    case Control::kBankroll: return QCoreApplication::translate("AccessibleNames", "Bankroll");
    case Control::kStopLoss: return QCoreApplication::translate("AccessibleNames", "Stop loss");
    case Control::kTakeProfit: return QCoreApplication::translate("AccessibleNames", "Take profit");
    case Control::kTableMax: return QCoreApplication::translate("AccessibleNames", "Table maximum");
    case Control::kMaxLosses: return QCoreApplication::translate("AccessibleNames", "Most losses in a row");
    case Control::kLimitBanner: return QCoreApplication::translate("AccessibleNames", "Bet held back");
    case Control::kContinueAnyway: return QCoreApplication::translate("AccessibleNames", "Continue anyway");
    case Control::kAddSpins: return QCoreApplication::translate("AccessibleNames", "Add spins");
    case Control::kSystemsEditor: return QCoreApplication::translate("AccessibleNames", "Betting systems editor");
    case Control::kNewestFirst: return QCoreApplication::translate("AccessibleNames", "Newest first");
    case Control::kSpinsFile: return QCoreApplication::translate("AccessibleNames", "Read spins from a file");
    case Control::kSpinsColumn: return QCoreApplication::translate("AccessibleNames", "Column of the file");
    case Control::kEnterSpins: return QCoreApplication::translate("AccessibleNames", "Enter the spins");
    case Control::kQuickAnalysis: return QCoreApplication::translate("AccessibleNames", "Quick analysis");
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
