#include <QCoreApplication>
#include <QKeySequence>
#include <QLibrary>
#include <QShortcut>

#include "app/session_panel_window.h"
#include "text/process_state.h"

namespace vellaro::app {

namespace {

// The panel has the keyboard of its own window: Ctrl+P, which opened it, closes it again
// from there, and so does Escape, as in the window's other dialogs.
void CloseByKeys(SessionPanelWindow& panel) {
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_P)}) {
    auto* shortcut = new QShortcut(keys, &panel);
    shortcut->setObjectName(QStringLiteral("PanelCloseKey"));
    QObject::connect(shortcut, &QShortcut::activated, &panel, &QWidget::hide);
  }
}

}  // namespace

SessionPanelWindow* LoadSessionPanel(const vellaro::Game& game, const vellaro::SessionTrack& track,
                                     std::function<vellaro::replay::SessionSpins()> spins,
                                     QString& error) {
  // Only where the package put it, found from the program's own place, or beside the
  // program as the build leaves it: never a folder compiled in, which on another machine
  // may be absent or anybody's. Tests run from elsewhere name the build's folder.
  QStringList places;
  const QString named = qEnvironmentVariable("VELLARO_TEST_PANEL_DIR");
  if (!named.isEmpty()) places << named;
  const QString program = QCoreApplication::applicationDirPath();
  places << program + QStringLiteral("/" VELLARO_PANEL_FROM_PROGRAM) << program;
  // The plugin's copy of the engine shares the program's state rather than its own.
  const SessionPanelContext context{&vellaro::CurrentProcessState()};
  for (const QString& place : places) {
    QLibrary plugin(place + QStringLiteral("/libvellaro_session_panel.so"));
    // Never unloaded: the panel's code must stay while the window lives.
    if (auto make = reinterpret_cast<MakeSessionPanel>(plugin.resolve(kMakeSessionPanel))) {
      SessionPanelWindow* panel = make(context, game, track, std::move(spins));
      if (panel != nullptr) CloseByKeys(*panel);
      return panel;
    }
    if (error.isEmpty()) error = plugin.errorString();
  }
  return nullptr;
}

}  // namespace vellaro::app
