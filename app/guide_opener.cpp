#include "app/guide_opener.h"

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>

#include "app/area_host.h"
#include "app/player_guide.h"
#include "app/screen_place.h"

namespace vellaro::app {

GuideOpener::GuideOpener(AreaHost& host) : host_(host) {
  QWidget& window = host.surface();
  // Under the save button, as the limits' and the panel's buttons are under the minimise
  // and close buttons: between the history strip and the limits' button, over nothing.
  auto* button = new GuideButton(host.svg(), QRect(346, 30, 21, 21), &window);
  // Clears the other highlights as the head's buttons do.
  button->OnMove([&host] { host.Send(act::PointerOver{act::FramePart::kHead}); });
  button->OnClick([this] { Open(); });
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &window);
  QObject::connect(key, &QShortcut::activated, &window, [this] { Open(); });
}

void GuideOpener::Open() {
  QWidget& window = host_.surface();
  if (guide_ == nullptr) guide_ = new GuideDialog(&window);
  if (!guide_->isVisible()) {
    // Beside the window rather than over the board, on the screen.
    const QRect frame = window.frameGeometry();
    guide_->move(PlaceOnScreens(QPoint(frame.right() + 8, frame.top()), guide_->size(),
                                {window.screen()->availableGeometry()}));
  }
  guide_->show();
  guide_->raise();
  guide_->activateWindow();
}

}  // namespace vellaro::app
