// The entry point of the session panel's plugin (see app/session_panel_window.h).

#include "app/panel/session_panel.h"
#include "text/translate.h"

extern "C" __attribute__((visibility("default"))) vellaro::app::SessionPanelWindow*
vellaro_make_session_panel(const vellaro::app::SessionPanelContext& context,
                           const vellaro::Game& game, const vellaro::SessionTrack& track,
                           std::function<vellaro::replay::SessionSpins()> spins) {
  // This copy of the engine's language, before the panel makes its first text.
  vellaro::SetLanguage(context.language != nullptr ? context.language : "en");
  return new vellaro::app::SessionPanel(game, track, std::move(spins));
}
