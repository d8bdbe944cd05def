#pragma once

// What the main window knows of the session panel. The panel itself, the only user of Qt
// Charts, lives in a plugin that the window loads the first time the player opens it, so
// that neither it nor Qt Charts is loaded at start-up.

#include <QCoreApplication>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <utility>

#include "front/game.h"
#include "replay/what_if.h"
#include "session/session_track.h"
#include "text/process_state.h"

namespace vellaro::app {

class SessionPanelWindow : public QWidget {
 public:
  using QWidget::QWidget;
  // Follows the track: redraws what changed since the last call. Cheap when nothing did.
  virtual void Refresh() = 0;
  // Whether the size and place of an earlier evening were restored.
  virtual bool RestoredPlace() const = 0;
  // The evening on show saved as its report page; why it could not, or an empty text.
  virtual QString SaveReport(const QString& path) const = 0;

  // What "Continue this evening" does with the stored session of that id: the window makes
  // it the evening on show, and answers why it could not, or nothing.
  using ContinueEvening = std::function<QString(int64_t id)>;
  void SetContinueEvening(ContinueEvening go_on) { continue_evening_ = std::move(go_on); }

 protected:
  QString ContinueStored(int64_t id) {
    return continue_evening_
               ? continue_evening_(id)
               : QCoreApplication::translate("SessionPanel", "this panel is not the window's");
  }

 private:
  ContinueEvening continue_evening_;
};

// What the plugin is given by the program before it builds anything. The plugin carries its
// own hidden copy of the engine, which starts with none of the program's state: left alone,
// its texts would be English in any window, and would not follow a change of language. It
// reads and sets the program's state instead of its own (text/process_state.h).
struct SessionPanelContext {
  vellaro::ProcessState* process = nullptr;  // the program's: CurrentProcessState()
};

// The plugin's one entry point, looked up by this name.
using MakeSessionPanel =
    SessionPanelWindow* (*)(const SessionPanelContext& context, const vellaro::Game& game,
                            const vellaro::SessionTrack& track,
                            std::function<vellaro::replay::SessionSpins()> spins);
inline constexpr char kMakeSessionPanel[] = "vellaro_make_session_panel";

// Loads the plugin and makes the panel; null, with the reason in `error`, when it cannot.
SessionPanelWindow* LoadSessionPanel(const vellaro::Game& game, const vellaro::SessionTrack& track,
                                     std::function<vellaro::replay::SessionSpins()> spins,
                                     QString& error);

}  // namespace vellaro::app
