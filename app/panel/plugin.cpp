// The entry point of the session panel's plugin (see app/session_panel_window.h).

#include "app/panel/session_panel.h"
#include "text/process_state.h"

extern "C" __attribute__((visibility("default"))) vellaro::app::SessionPanelWindow*
vellaro_make_session_panel(const vellaro::app::SessionPanelContext& context,
                           const vellaro::Game& game, const vellaro::SessionTrack& track,
                           std::function<vellaro::replay::SessionSpins()> spins) {
  // This copy of the engine reads the program's state from now on, before the panel makes
  // its first text: never a copy of it, which a later change would leave behind.
  if (context.process == nullptr) return nullptr;
  vellaro::ShareProcessState(*context.process);
  return new vellaro::app::SessionPanel(game, track, std::move(spins));
}
