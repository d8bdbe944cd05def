#pragma once

// What a widget of the window is, for the help it shows: one identifier per kind of
// control, shared by every widget that draws a part of it (a button and its lit twin, an
// edit and its caption, the 37 tiles).

#include <QString>
#include <optional>

class QWidget;

namespace vellaro::app {

enum class Control {
  kUndo,
  kSave,
  kClose,
  kMinimize,
  kNewSession,
  kAnalysisGauge,
  kTile,
  kHistory,
  kChip,  // the chip, its grey place and its stake
  kField,
  kTrend,
  kSafeLevelLamp,
  kOptionsButton,
  kBaseStake,
  kGameMode,
  kBettingSystem,
  kSystemsEditor,  // the "Systems…" button beside the box
  kResetBets,
  kRecalculate,
  kCreateMatrix,
  kResetMatrix,
  kSafeLevel,
  kCatRows,
  kShowBet,
  kUpTrender,
  kAutomaticReset,
  kMinimalProfit,
  kLimits,
  kLimitsClose,
  kLimitsRefusal,
  kBankroll,
  kStopLoss,
  kTakeProfit,
  kTableMax,
  kMaxLosses,
  kLimitBanner,
  kContinueAnyway,
  kAddSpins,  // the head's button, the dialog and its box
  kNewestFirst,
  kSpinsFile,
  kSpinsColumn,
  kEnterSpins,
  kQuickAnalysis,  // the window's context menu and Ctrl+Shift+A
};

// Names `widget` (tests and the style find it by its name) and records what it is.
void Tag(QWidget* widget, const QString& name, Control control);
// What Tag recorded of `widget`, if anything.
std::optional<Control> TaggedControl(const QWidget& widget);

}  // namespace vellaro::app
