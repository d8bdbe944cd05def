// The main window's settings kept across runs.

#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QTimer>

#include "app/main_window.h"
#include "app/screen_place.h"

namespace vellaro::app {

namespace {

// A window dragged across the screen moves many times a second: its place is written
// once it has come to rest.
constexpr int kRestMs = 400;

}  // namespace

void MainWindow::KeepSettings(const SettingsStore& store) {
  settings_store_.emplace(store);
  const StoredSettings stored = settings_store_->Load();
  saved_settings_ = stored;
  if (stored.position) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
      screens.append(screen->availableGeometry());
    move(PlaceOnScreens(*stored.position, size(), screens));
  }
  // A session resumed from the journal keeps its own options; a new one starts with these.
  if (play_->SessionPending()) {
    guard_.Run([this, &stored] { play_->BeginSession(stored.game); });
  }
  // As the player would set them: the engine takes or refuses each value. Handle then
  // writes back what the game holds, so a value it refused or a default that stood in for
  // a bad one does not stay in the file.
  Handle([this, &stored] {
    if (!play_->Resumed()) game().Configure(stored.game);
    if (stored.options_open != OptionsOpen()) game().Apply(act::ToggleOptions{});
  });
  SetQuickAnalysis(stored.quick_analysis);
}

bool MainWindow::OptionsOpen() const {
  return vellaro::GameView(game()).OptionsOpen();
}

StoredSettings MainWindow::CurrentStoredSettings() const {
  StoredSettings now;
  now.game = game().CurrentSettings();
  now.options_open = OptionsOpen();
  now.quick_analysis = quick_analysis_;
  now.position = pos();
  return now;
}

void MainWindow::SaveSettingsIfChanged(bool with_position) {
  if (!settings_store_) return;
  StoredSettings now = CurrentStoredSettings();
  // The place is written once the window has come to rest, not at every step of a drag.
  if (!with_position) now.position = saved_settings_.position;
  if (now == saved_settings_) return;
  saved_settings_ = now;
  settings_store_->Save(now);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!settings_store_) return;
  if (position_rest_ == nullptr) {
    position_rest_ = new QTimer(this);
    position_rest_->setSingleShot(true);
    position_rest_->setInterval(kRestMs);
    connect(position_rest_, &QTimer::timeout, this,
            [this] { Handle([this] { SaveSettingsIfChanged(true); }); });
  }
  position_rest_->start();
}

}  // namespace vellaro::app
