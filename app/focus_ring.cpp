#include "app/focus_ring.h"

#include <QApplication>
#include <QPainter>

#include "app/key_stop.h"

namespace vellaro::app {

namespace {

// Bright on the dark artwork and unlike any of its colours (the gold of the gauge, the
// green of the lamp, the red and black of the tiles).
constexpr QColor kRing{64, 224, 255};
constexpr int kRingWidth = 2;
// Outside the control by this much; KeyStop leaves room for it.
constexpr int kRingMargin = 2;

}  // namespace

FocusRing::FocusRing(QWidget* window) : QWidget(window) {
  setObjectName(QStringLiteral("FocusRing"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(window->rect());
  QObject::connect(qApp, &QApplication::focusChanged, this, [this] { Update(); });
}

void FocusRing::Follow(QWidget& window) {
  for (QObject* child : window.children()) {
    if (auto* ring = dynamic_cast<FocusRing*>(child)) ring->Update();
  }
}

void FocusRing::Update() {
  QWidget* window = parentWidget();
  QWidget* focus = QApplication::focusWidget();
  QRect place;
  bool round = false;
  if (focus != nullptr && focus != window && window->isAncestorOf(focus)) {
    if (const auto* stop = dynamic_cast<const KeyStop*>(focus)) {
      place = stop->RingPlace();
      round = stop->shape() == KeyStop::Shape::kRound;
    } else {
      place = QRect(focus->mapTo(window, QPoint(0, 0)), focus->size());
    }
    place.adjust(-kRingMargin, -kRingMargin, kRingMargin, kRingMargin);
  }
  if (place == place_ && round == round_) return;
  const QRect old = place_;
  place_ = place;
  round_ = round;
  // The window may have grown (the options area) since the last time.
  if (size() != window->size()) setGeometry(window->rect());
  raise();  // over the widgets made since, such as the options area
  update(old.adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth));
  update(place_.adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth));
}

void FocusRing::paintEvent(QPaintEvent*) {
  if (place_.isEmpty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kRing, kRingWidth));
  painter.setBrush(Qt::NoBrush);
  const QRectF ring = QRectF(place_).adjusted(0.5, 0.5, -0.5, -0.5);
  if (round_) {
    painter.drawEllipse(ring);
  } else {
    painter.drawRoundedRect(ring, 3, 3);
  }
}

}  // namespace vellaro::app
