// The window from the keyboard and to a screen reader: a Tab stop for every control drawn
// as pictures, in the order the player reads the window (the head's buttons row by row,
// the readouts, the board, the undo and the strip, the trends, the chips, the lamp, the
// options button; the options area and "Continue anyway" follow as they are made), the
// focus ring, and the news said as it happens.

#include <QCoreApplication>

#include "app/accessible_key_stop.h"
#include "app/accessible_names.h"
#include "app/announcer.h"
#include "app/bet_area.h"
#include "app/board_area.h"
#include "app/board_keys.h"
#include "app/focus_ring.h"
#include "app/key_stop.h"
#include "app/main_window.h"
#include "app/readout.h"
#include "app/session_readout.h"
#include "app/tooltips.h"
#include "game/types.h"

namespace vellaro::app {

namespace {

using Role = QAccessible::Role;
using Shape = KeyStop::Shape;

// As a person at the table calls it, in the window's language.
QString Chance(int k) {
  const std::string_view name = vellaro::ChanceDisplayName(k);
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

KeyStop* MainWindow::AddStop(const QString& name, const QRect& place, const QString& said,
                             std::function<void()> press) {
  auto* stop = new KeyStop(this, name, place, Shape::kRect, {Role::Button, said, {}, {}, {}});
  stop->OnPress(std::move(press));
  return stop;
}

void MainWindow::BuildHeadStops() {
  AddStop(QStringLiteral("SaveKey"), {370, 3, 25, 25}, AccessibleName(Control::kSave),
          [this] { Handle([this] { SaveLog(); }); });
  AddStop(QStringLiteral("MinimizeKey"), {396, 3, 25, 25}, AccessibleName(Control::kMinimize),
          [this] { Handle([this] { showMinimized(); }); });
  AddStop(QStringLiteral("CloseKey"), {422, 3, 25, 25}, AccessibleName(Control::kClose), [this] {
    Handle([this] {
      close();
      QCoreApplication::quit();
    });
  });
  AddStop(QStringLiteral("AddSpinsKey"), {156, 30, 21, 21}, AccessibleName(Control::kAddSpins),
          [this] { Handle([this] { OpenAddSpins(QString()); }); });
  AddStop(QStringLiteral("GuideKey"), {346, 30, 21, 21},
          QCoreApplication::translate("WindowAccess", "Player's guide"), [this] { OpenGuide(); });
  AddStop(QStringLiteral("NewSessionKey"), {372, 30, 21, 21}, AccessibleName(Control::kNewSession),
          [this] { AskNewSession(); });
  AddStop(QStringLiteral("LimitsKey"), {398, 30, 21, 21}, AccessibleName(Control::kLimits),
          [this] { Handle([this] { OpenLimits(); }); });
  AddStop(QStringLiteral("PanelKey"), {424, 30, 21, 21},
          QCoreApplication::translate("WindowAccess", "Session panel"),
          [this] { Handle([this] { ToggleSessionPanel(); }); });
  auto* result =
      new KeyStop(this, QStringLiteral("SessionReadoutKey"), {214, 40, 130, 13}, Shape::kRect,
                  {Role::StaticText,
                   QCoreApplication::translate("WindowAccess", "Session result"),
                   [this] { return session_readout_->text(); },
                   [this] { return std::optional<double>(play_->track().result().counts().net); },
                   {}});
  result->setToolTip(QCoreApplication::translate(
      "WindowAccess", "The spins of this session and the net result of the bets shown, in units."));
  auto* readout = findChild<Readout*>(QStringLiteral("Readout"));
  auto* line =
      new KeyStop(this, QStringLiteral("ReadoutKey"), {16, 62, 417, 13}, Shape::kRect,
                  {Role::StaticText,
                   QCoreApplication::translate("WindowAccess", "Where the game stands"),
                   [readout] { return (readout->progress() + u' ' + readout->result()).trimmed(); },
                   {},
                   {}});
  line->setToolTip(QCoreApplication::translate(
      "WindowAccess",
      "The spins to the first recommendation, the digits typed, or why a number was refused."));
}

void MainWindow::BuildBoardStops() {
  board_keys_ = new BoardKeys(this, &BoardArea::TilePlace,
                              [this](int n) { Handle([this, n] { EnterNumber(n); }); });
  KeyStop* undo =
      AddStop(QStringLiteral("UndoKey"), {184, 15, 25, 25}, AccessibleName(Control::kUndo),
              [this] { Handle([this] { game().Apply(act::Undo{}); }); });
  undo->ShownWhile([this] { return vellaro::GameView(game()).UndoShown(); });
  constexpr int squares = vellaro::GameView::kHistorySquares;
  new KeyStop(this, QStringLiteral("HistoryKey"), BoardArea::StripPlace(), Shape::kRect,
              {Role::StaticText,
               AccessibleName(Control::kHistory),
               [this] {
                 QStringList numbers;
                 for (int i = 0; i < squares; ++i) {
                   const vellaro::HistorySquare square = vellaro::GameView(game()).History(i);
                   if (square.shown && !square.number.empty()) {
                     numbers << QString::fromStdString(square.number);
                   }
                 }
                 return numbers.isEmpty() ? QCoreApplication::translate("WindowAccess", "none yet")
                                          : numbers.join(u", ");
               },
               {},
               {}});
}

void MainWindow::BuildBetStops() {
  for (int k = 0; k < vellaro::kChances; ++k) {
    auto* trend = new KeyStop(this, QStringLiteral("TrendKey") + Chance(k), BetArea::TrendPlace(k),
                              Shape::kRect,
                              {Role::CheckBox,
                               QCoreApplication::translate("WindowAccess", "Trend ") + Chance(k),
                               {},
                               {},
                               [this, k] { return vellaro::GameView(game()).TrendActive(k); }});
    trend->OnPress([this, k] {
      const bool on = vellaro::GameView(game()).TrendActive(k);
      Handle([this, k, on] {
        if (on) {
          game().Apply(act::ClickActiveTrend{k});
        } else {
          game().Apply(act::SwitchTrendOn{k});
        }
      });
    });
  }
  for (int k = 0; k < vellaro::kChances; ++k) BuildChipStop(k);
  auto* lamp = new KeyStop(this, QStringLiteral("LampKey"), BetArea::kLampPlace, Shape::kRound,
                           {Role::Indicator,
                            AccessibleName(Control::kSafeLevelLamp),
                            [this] {
                              switch (vellaro::GameView(game()).Lamp()) {
                                case vellaro::SafeLevelLamp::kOff:
                                  return QCoreApplication::translate("WindowAccess", "off");
                                case vellaro::SafeLevelLamp::kDark:
                                  return QCoreApplication::translate("WindowAccess", "dark");
                                case vellaro::SafeLevelLamp::kGreen:
                                  return QCoreApplication::translate("WindowAccess", "green");
                              }
                              return QString();
                            },
                            {},
                            {}});
  // At SAFE LEVEL 0 there is no lamp on show: nothing to stop at.
  lamp->ShownWhile(
      [this] { return vellaro::GameView(game()).Lamp() != vellaro::SafeLevelLamp::kOff; });
  auto* options =
      new KeyStop(this, QStringLiteral("OptionsKey"), BetArea::kOptionsPlace, Shape::kRect,
                  {Role::Button, AccessibleName(Control::kOptionsButton), {}, {}, [this] {
                     return vellaro::GameView(game()).OptionsOpen();
                   }});
  options->OnPress([this] { Handle([this] { game().Apply(act::ToggleOptions{}); }); });
}

void MainWindow::BuildChipStop(int k) {
  const auto stake = [this, k]() -> std::optional<double> {
    const vellaro::ChipOnShow chip = vellaro::GameView(game()).Chip(k);
    bool number = false;
    const double units = QString::fromStdString(chip.stake).toDouble(&number);
    if (!chip.stake_shown || !number) return std::nullopt;
    return units;
  };
  new KeyStop(this, QStringLiteral("ChipKey") + Chance(k), BetArea::ChipPlace(k), Shape::kRound,
              {Role::StaticText,
               QCoreApplication::translate("WindowAccess", "Bet on ") + Chance(k),
               [this, k] {
                 const vellaro::ChipOnShow chip = vellaro::GameView(game()).Chip(k);
                 return chip.stake_shown ? QString::fromStdString(chip.stake) +
                                               QCoreApplication::translate("WindowAccess", " units")
                                         : QCoreApplication::translate("WindowAccess", "no bet");
               },
               stake,
               {}});
}

void MainWindow::BuildKeyboardReach() {
  InstallKeyStopAccessibility();
  BuildHeadStops();
  BuildBoardStops();
  BuildBetStops();
  announcer_ = std::make_unique<Announcer>(*this);
  // The stops' help, which a screen reader gives as their description.
  static const std::pair<const char*, Control> kHelp[] = {
      {"SaveKey", Control::kSave},          {"MinimizeKey", Control::kMinimize},
      {"CloseKey", Control::kClose},        {"NewSessionKey", Control::kNewSession},
      {"LimitsKey", Control::kLimits},      {"BoardKeys", Control::kTile},
      {"UndoKey", Control::kUndo},          {"HistoryKey", Control::kHistory},
      {"LampKey", Control::kSafeLevelLamp}, {"OptionsKey", Control::kOptionsButton}};
  for (const auto& [name, control] : kHelp) {
    findChild<QWidget*>(QLatin1String(name))->setToolTip(TooltipFor(control));
  }
  for (QObject* child : children()) {
    auto* stop = dynamic_cast<KeyStop*>(child);
    if (stop == nullptr) continue;
    // Digits typed wait for Enter, whichever stop has the focus.
    stop->EnterFreeWhile([this] { return keyboard_.Digits().empty(); });
    // The others have the help of the picture beneath (the trends, chips, guide, panel).
    const QWidget* beneath = childAt(stop->geometry().center());
    if (beneath != nullptr && stop->toolTip().isEmpty()) stop->setToolTip(beneath->toolTip());
  }
  focus_ring_ = new FocusRing(this);
  NameControls(*this);
}

void MainWindow::SyncKeyboardReach() {
  SyncKeyStops(*this);
  announcer_->Sync(vellaro::GameView(game()), message_line_, JournalNotice());
}

}  // namespace vellaro::app
