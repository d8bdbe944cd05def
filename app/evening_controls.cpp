#include "app/evening_controls.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>
#include <stdexcept>

#include "app/accessible_names.h"
#include "app/area_host.h"
#include "app/lit_button.h"
#include "app/picture_widget.h"
#include "app/session_panel_window.h"

namespace vellaro::app {

namespace {

// Left of the limits' button, the same gap between them as between the limits' and the
// panel's.
constexpr QRect kNewSessionPlace{372, 30, 21, 21};

}  // namespace

EveningControls::EveningControls(AreaHost& host,
                                 std::function<SessionPanelWindow*(QString& error)> load_panel,
                                 std::function<void()> ask_new_session)
    : host_(host),
      load_panel_(std::move(load_panel)),
      ask_new_session_(std::move(ask_new_session)) {
  // The panel's button, a smaller twin of the frame buttons, under the close button.
  panel_button_ = std::make_unique<LitButton>(
      host, QStringLiteral("PanelButton"), QStringLiteral("panel"), QRect(424, 30, 21, 21),
      std::nullopt, [this] { host_.Run([this] { TogglePanel(); }); });
  for (PictureWidget* picture : {panel_button_->button(), panel_button_->lit()}) {
    picture->setToolTip(QCoreApplication::translate("MainWindow", "Session panel (Ctrl+P)"));
  }
}

EveningControls::~EveningControls() {
  DropPanel();
}

void EveningControls::DropPanel() {
  delete panel_;  // a window of its own, not a child
  panel_ = nullptr;
}

void EveningControls::BuildNewSession() {
  new_session_ = std::make_unique<LitButton>(host_, QStringLiteral("NewSession"),
                                             QStringLiteral("new_session"), kNewSessionPlace,
                                             Control::kNewSession, ask_new_session_);
}

void EveningControls::TogglePanel() {
  if (panel_ == nullptr) {
    QString error;
    panel_ = load_panel_(error);
    if (panel_ == nullptr)
      throw std::runtime_error(
          QCoreApplication::translate("MainWindow", "The session panel cannot be loaded: %1")
              .arg(error)
              .toStdString());
    NameControls(*panel_);
    // Opened for the first time: beside the board rather than over it, where it fits.
    if (!panel_->RestoredPlace()) PlacePanel();
  }
  if (panel_->isVisible()) {
    panel_->hide();
  } else {
    panel_->show();
    panel_->raise();
  }
}

void EveningControls::PlacePanel() {
  const QWidget& window = host_.surface();
  const QRect screen = window.screen()->availableGeometry();
  const QRect frame = window.frameGeometry();
  QPoint at(frame.right() + 8, frame.top());
  if (at.x() + panel_->width() > screen.right()) at = {frame.left(), frame.bottom() + 8};
  if (at.y() + panel_->height() > screen.bottom()) at = screen.topLeft();
  panel_->move(at);
}

void EveningControls::RenewPanel() {
  // The panel follows the evening it was made for; a new one is made for the new evening.
  // The old one may be the sender of what ended its evening: it goes once that is done.
  if (panel_ == nullptr) return;
  const bool shown = panel_->isVisible();
  panel_->hide();
  panel_->deleteLater();
  panel_ = nullptr;
  if (shown) TogglePanel();
}

void EveningControls::Sync(bool analysis_running) {
  // The game knows nothing of these buttons: their highlights follow the pointer here.
  panel_button_->Sync();
  new_session_->Sync();
  // Once per spin, when its analysis has ended, rather than at every tick of it.
  if (panel_ != nullptr && panel_->isVisible() && !analysis_running) panel_->Refresh();
}

}  // namespace vellaro::app
