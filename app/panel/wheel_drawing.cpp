#include "app/panel/wheel_drawing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace vellaro::app {

namespace {

// The rings, as shares of the radius: the rim outside, the shaded pockets with their
// numbers, the hub inside.
constexpr double kRimInside = 0.9;
constexpr double kHubEdge = 0.54;
constexpr double kNumberAt = 0.72;
constexpr double kShadeSampledAt = 0.60;  // between the hub and the numbers

constexpr double kPocketDegrees = 360.0 / vellaro::kNumbers;

const QColor kPaper(250, 250, 248);
const QColor kDeepest(32, 58, 140);

// Qt's angles run anticlockwise from three o'clock, in sixteenths of a degree; pocket 0 is
// centred at twelve and the pockets follow clockwise.
int PieStart(int slot) {
  return static_cast<int>(std::lround((90.0 - (slot + 0.5) * kPocketDegrees) * 16.0));
}
int PieSpan() {
  return static_cast<int>(std::lround(kPocketDegrees * 16.0));
}

bool IsDark(const QColor& colour) {
  return colour.lightnessF() < 0.55;
}

}  // namespace

WheelDrawing::WheelDrawing(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("WheelDrawing"));
  setToolTip(
      QCoreApplication::translate("WheelDrawing",
                                  "The wheel's pockets in their order, each shaded by how often it "
                                  "came: the darker, the more hits. The last number is outlined."));
}

void WheelDrawing::Show(const std::array<int64_t, vellaro::kNumbers>& hits,
                        std::optional<int> last) {
  if (hits == hits_ && last == last_) return;
  hits_ = hits;
  most_ = *std::max_element(hits_.begin(), hits_.end());
  last_ = last;
  update();
}

QColor WheelDrawing::Shade(int64_t hits, int64_t most) {
  if (most <= 0 || hits <= 0) return kPaper;
  const double t = static_cast<double>(std::min(hits, most)) / static_cast<double>(most);
  const auto mix = [t](int from, int to) {
    return static_cast<int>(std::lround(from + (to - from) * t));
  };
  return {mix(kPaper.red(), kDeepest.red()), mix(kPaper.green(), kDeepest.green()),
          mix(kPaper.blue(), kDeepest.blue())};
}

QColor WheelDrawing::TableColour(int n) {
  if (n == 0) return {0, 128, 64};
  return vellaro::IsRedNumber(n) ? QColor(196, 32, 40) : QColor(24, 24, 24);
}

double WheelDrawing::Radius() const {
  return std::min(width(), height()) / 2.0 - 2.0;
}

QRectF WheelDrawing::Circle(double share) const {
  const double r = Radius() * share;
  return {width() / 2.0 - r, height() / 2.0 - r, 2 * r, 2 * r};
}

QPointF WheelDrawing::At(int slot, double share) const {
  const double degrees = -90.0 + slot * kPocketDegrees;  // clockwise on the screen
  const double radians = degrees * std::numbers::pi / 180.0;
  const double r = Radius() * share;
  return {width() / 2.0 + r * std::cos(radians), height() / 2.0 + r * std::sin(radians)};
}

QPointF WheelDrawing::ShadePoint(int slot) const {
  return At(slot, kShadeSampledAt);
}
QPointF WheelDrawing::RimPoint(int slot) const {
  return At(slot, (1.0 + kRimInside) / 2.0);
}

void WheelDrawing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font = painter.font();
  // As large as the narrowest pocket's width at the numbers lets two digits be.
  const double pocket_width = 2.0 * std::numbers::pi * Radius() * kNumberAt / vellaro::kNumbers;
  font.setPixelSize(std::max(7, static_cast<int>(pocket_width * 0.75)));
  painter.setFont(font);
  for (int slot = 0; slot < vellaro::kNumbers; ++slot) PaintPocket(painter, slot);
  PaintLast(painter);
  PaintHub(painter);
}

void WheelDrawing::PaintPocket(QPainter& painter, int slot) const {
  const int n = vellaro::kWheelOrder[static_cast<size_t>(slot)];
  const QColor shade = Shade(hits_[static_cast<size_t>(n)], most_);
  painter.setPen(QPen(QColor(120, 120, 120), 0.5));
  painter.setBrush(TableColour(n));
  painter.drawPie(Circle(1.0), PieStart(slot), PieSpan());
  painter.setBrush(shade);
  painter.drawPie(Circle(kRimInside), PieStart(slot), PieSpan());
  const QPointF centre = At(slot, kNumberAt);
  const double box = Radius() * 0.2;
  painter.setPen(IsDark(shade) ? Qt::white : Qt::black);
  painter.drawText(QRectF(centre.x() - box / 2, centre.y() - box / 2, box, box), Qt::AlignCenter,
                   QString::number(n));
}

// Drawn over every pocket, so that no neighbour covers part of it.
void WheelDrawing::PaintLast(QPainter& painter) const {
  if (!last_) return;
  const int slot = vellaro::WheelSlot(*last_);
  const double start = PieStart(slot) / 16.0;
  const double span = PieSpan() / 16.0;
  // Along the pocket's edges, clear of its middle.
  QPainterPath edge;
  edge.arcMoveTo(Circle(1.0), start);
  edge.arcTo(Circle(1.0), start, span);
  edge.arcTo(Circle(kHubEdge), start + span, -span);
  edge.closeSubpath();
  painter.setPen(QPen(QColor(230, 160, 0), 2.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(edge);
}

void WheelDrawing::PaintHub(QPainter& painter) const {
  painter.setPen(QPen(QColor(120, 120, 120), 0.5));
  painter.setBrush(palette().window());
  painter.drawEllipse(Circle(kHubEdge));
  if (!last_) return;
  painter.setPen(palette().windowText().color());
  painter.drawText(Circle(kHubEdge * 0.7), Qt::AlignCenter,
                   QCoreApplication::translate("WheelDrawing", "Last\n%1").arg(*last_));
}

}  // namespace vellaro::app
