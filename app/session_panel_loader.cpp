#include <QCoreApplication>
#include <QLibrary>

#include "app/session_panel_window.h"

namespace vellaro::app {

SessionPanelWindow* LoadSessionPanel(const vellaro::Game& game, const vellaro::SessionTrack& track,
                                     std::function<vellaro::sim::SessionSpins()> spins,
                                     QString& error) {
  // Beside the program, else where the build put it (for the tests, run from elsewhere).
  const QStringList places = {QCoreApplication::applicationDirPath(),
                              QStringLiteral(VELLARO_PANEL_PLUGIN_DIR)};
  for (const QString& place : places) {
    QLibrary plugin(place + QStringLiteral("/libvellaro_session_panel"));
    // Never unloaded: the panel's code must stay while the window lives.
    if (auto make = reinterpret_cast<MakeSessionPanel>(plugin.resolve(kMakeSessionPanel))) {
      return make(game, track, std::move(spins));
    }
    error = plugin.errorString();
  }
  return nullptr;
}

}  // namespace vellaro::app
