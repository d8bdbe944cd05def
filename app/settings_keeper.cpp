#include "app/settings_keeper.h"

#include <QTimer>

namespace vellaro::app {

namespace {

// A window dragged across the screen moves many times a second: its place is written
// once it has come to rest.
constexpr int kRestMs = 400;

}  // namespace

StoredSettings SettingsKeeper::Keep(const SettingsStore& store) {
  store_.emplace(store);
  saved_ = store_->Load();
  return saved_;
}

void SettingsKeeper::SaveIfChanged(bool with_position) {
  if (!store_) return;
  StoredSettings now = now_();
  // The place is written once the window has come to rest, not at every step of a drag.
  if (!with_position) now.position = saved_.position;
  if (now == saved_) return;
  saved_ = now;
  store_->Save(now);
}

void SettingsKeeper::Moved(QObject& window, const std::function<void()>& rested) {
  if (!store_) return;
  if (rest_ == nullptr) {
    rest_ = new QTimer(&window);
    rest_->setSingleShot(true);
    rest_->setInterval(kRestMs);
    QObject::connect(rest_, &QTimer::timeout, &window, rested);
  }
  rest_->start();
}

}  // namespace vellaro::app
