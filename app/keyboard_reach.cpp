#include "app/keyboard_reach.h"

#include <QCoreApplication>

#include "app/accessible_key_stop.h"
#include "app/accessible_names.h"
#include "app/announcer.h"
#include "app/area_host.h"
#include "app/bet_area.h"
#include "app/board_area.h"
#include "app/board_keys.h"
#include "app/focus_ring.h"
#include "app/key_stop.h"
#include "app/message_line.h"
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

KeyboardReach::KeyboardReach(AreaHost& host, WindowCommands commands, Readers readers)
    : host_(host), commands_(std::move(commands)), readers_(std::move(readers)) {
  InstallKeyStopAccessibility();
  BuildHeadStops();
  BuildReadoutStops();
  BuildBoardStops();
  BuildBetStops();
  announcer_ = std::make_unique<Announcer>(host.surface());
  GiveHelp();
  new FocusRing(&host.surface());
  NameControls(host.surface());
}

KeyboardReach::~KeyboardReach() = default;

KeyStop* KeyboardReach::AddStop(const QString& name, const QRect& place, const QString& said,
                                std::function<void()> press) {
  auto* stop =
      new KeyStop(&host_.surface(), name, place, Shape::kRect, {Role::Button, said, {}, {}, {}});
  stop->OnPress(std::move(press));
  return stop;
}

void KeyboardReach::BuildHeadStops() {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  const WindowCommands& run = commands_;
  AddStop(QStringLiteral("SaveKey"), {370, 3, 25, 25}, AccessibleName(Control::kSave),
          [&host, &run] { host.Run(run.save_log); });
  AddStop(QStringLiteral("MinimizeKey"), {396, 3, 25, 25}, AccessibleName(Control::kMinimize),
          [&host, &window] { host.Run([&window] { window.showMinimized(); }); });
  AddStop(QStringLiteral("CloseKey"), {422, 3, 25, 25}, AccessibleName(Control::kClose),
          [&host, &window] {
            host.Run([&window] {
              window.close();
              QCoreApplication::quit();
            });
          });
  AddStop(QStringLiteral("AddSpinsKey"), {156, 30, 21, 21}, AccessibleName(Control::kAddSpins),
          [&host, &run] { host.Run(run.open_add_spins); });
  AddStop(QStringLiteral("GuideKey"), {346, 30, 21, 21},
          QCoreApplication::translate("WindowAccess", "Player's guide"),
          [&run] { run.open_guide(); });
  AddStop(QStringLiteral("NewSessionKey"), {372, 30, 21, 21}, AccessibleName(Control::kNewSession),
          [&run] { run.ask_new_session(); });
  AddStop(QStringLiteral("LimitsKey"), {398, 30, 21, 21}, AccessibleName(Control::kLimits),
          [&host, &run] { host.Run(run.open_limits); });
  AddStop(QStringLiteral("PanelKey"), {424, 30, 21, 21},
          QCoreApplication::translate("WindowAccess", "Session panel"),
          [&host, &run] { host.Run(run.toggle_panel); });
}

void KeyboardReach::BuildReadoutStops() {
  QWidget& window = host_.surface();
  const Readers& read = readers_;
  auto* result =
      new KeyStop(&window, QStringLiteral("SessionReadoutKey"), {214, 40, 130, 13}, Shape::kRect,
                  {Role::StaticText,
                   QCoreApplication::translate("WindowAccess", "Session result"),
                   [&read] { return read.session_readout->text(); },
                   [&read] { return std::optional<double>(read.session_net()); },
                   {}});
  result->setToolTip(QCoreApplication::translate(
      "WindowAccess", "The spins of this session and the net result of the bets shown, in units."));
  auto* readout = window.findChild<Readout*>(QStringLiteral("Readout"));
  auto* line =
      new KeyStop(&window, QStringLiteral("ReadoutKey"), {16, 62, 417, 13}, Shape::kRect,
                  {Role::StaticText,
                   QCoreApplication::translate("WindowAccess", "Where the game stands"),
                   [readout] { return (readout->progress() + u' ' + readout->result()).trimmed(); },
                   {},
                   {}});
  line->setToolTip(QCoreApplication::translate(
      "WindowAccess",
      "The spins to the first recommendation, the digits typed, or why a number was refused."));
}

void KeyboardReach::BuildBoardStops() {
  AreaHost& host = host_;
  board_keys_ = new BoardKeys(&host.surface(), &BoardArea::TilePlace, [this](int n) {
    host_.Run([this, n] { readers_.enter_number(n); });
  });
  KeyStop* undo = AddStop(QStringLiteral("UndoKey"), {184, 15, 25, 25},
                          AccessibleName(Control::kUndo), [&host] { host.Send(act::Undo{}); });
  undo->ShownWhile([&host] { return host.view().UndoShown(); });
  constexpr int squares = vellaro::GameView::kHistorySquares;
  new KeyStop(&host.surface(), QStringLiteral("HistoryKey"), BoardArea::StripPlace(), Shape::kRect,
              {Role::StaticText,
               AccessibleName(Control::kHistory),
               [&host] {
                 QStringList numbers;
                 for (int i = 0; i < squares; ++i) {
                   const vellaro::HistorySquare square = host.view().History(i);
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

void KeyboardReach::BuildBetStops() {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  for (int k = 0; k < vellaro::kChances; ++k) {
    auto* trend = new KeyStop(&window, QStringLiteral("TrendKey") + Chance(k),
                              BetArea::TrendPlace(k), Shape::kRect,
                              {Role::CheckBox,
                               QCoreApplication::translate("WindowAccess", "Trend ") + Chance(k),
                               {},
                               {},
                               [&host, k] { return host.view().TrendActive(k); }});
    trend->OnPress([&host, k] {
      if (host.view().TrendActive(k)) {
        host.Send(act::ClickActiveTrend{k});
      } else {
        host.Send(act::SwitchTrendOn{k});
      }
    });
  }
  for (int k = 0; k < vellaro::kChances; ++k) BuildChipStop(k);
  auto* lamp = new KeyStop(&window, QStringLiteral("LampKey"), BetArea::kLampPlace, Shape::kRound,
                           {Role::Indicator,
                            AccessibleName(Control::kSafeLevelLamp),
                            [&host] {
                              switch (host.view().Lamp()) {
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
  lamp->ShownWhile([&host] { return host.view().Lamp() != vellaro::SafeLevelLamp::kOff; });
  auto* options =
      new KeyStop(&window, QStringLiteral("OptionsKey"), BetArea::kOptionsPlace, Shape::kRect,
                  {Role::Button, AccessibleName(Control::kOptionsButton), {}, {}, [&host] {
                     return host.view().OptionsOpen();
                   }});
  options->OnPress([&host] { host.Send(act::ToggleOptions{}); });
}

void KeyboardReach::BuildChipStop(int k) {
  AreaHost& host = host_;
  const auto stake = [&host, k]() -> std::optional<double> {
    const vellaro::ChipOnShow chip = host.view().Chip(k);
    bool number = false;
    const double units = QString::fromStdString(chip.stake).toDouble(&number);
    if (!chip.stake_shown || !number) return std::nullopt;
    return units;
  };
  new KeyStop(&host.surface(), QStringLiteral("ChipKey") + Chance(k), BetArea::ChipPlace(k),
              Shape::kRound,
              {Role::StaticText,
               QCoreApplication::translate("WindowAccess", "Bet on ") + Chance(k),
               [&host, k] {
                 const vellaro::ChipOnShow chip = host.view().Chip(k);
                 return chip.stake_shown ? QString::fromStdString(chip.stake) +
                                               QCoreApplication::translate("WindowAccess", " units")
                                         : QCoreApplication::translate("WindowAccess", "no bet");
               },
               stake,
               {}});
}

void KeyboardReach::GiveHelp() {
  QWidget& window = host_.surface();
  // The stops' help, which a screen reader gives as their description.
  static const std::pair<const char*, Control> kHelp[] = {
      {"SaveKey", Control::kSave},          {"MinimizeKey", Control::kMinimize},
      {"CloseKey", Control::kClose},        {"NewSessionKey", Control::kNewSession},
      {"LimitsKey", Control::kLimits},      {"BoardKeys", Control::kTile},
      {"UndoKey", Control::kUndo},          {"HistoryKey", Control::kHistory},
      {"LampKey", Control::kSafeLevelLamp}, {"OptionsKey", Control::kOptionsButton}};
  for (const auto& [name, control] : kHelp) {
    window.findChild<QWidget*>(QLatin1String(name))->setToolTip(TooltipFor(control));
  }
  for (QObject* child : window.children()) {
    auto* stop = dynamic_cast<KeyStop*>(child);
    if (stop == nullptr) continue;
    // Digits typed wait for Enter, whichever stop has the focus.
    stop->EnterFreeWhile([this] { return !readers_.typing(); });
    // The others have the help of the picture beneath (the trends, chips, guide, panel).
    const QWidget* beneath = window.childAt(stop->geometry().center());
    if (beneath != nullptr && stop->toolTip().isEmpty()) stop->setToolTip(beneath->toolTip());
  }
}

void KeyboardReach::Sync(const vellaro::GameView& view, const MessageLine& line,
                         const QString& journal) {
  SyncKeyStops(host_.surface());
  announcer_->Sync(view, line, journal);
}

}  // namespace vellaro::app
