#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "session/wheel_layout.h"

namespace vellaro::app {

// A small drawing of the single-zero wheel: its 37 pockets clockwise from the zero at the
// top, each with its number, shaded by how often it came (the more hits, the darker), in a
// rim of its colour (red, black, the zero green). The last number is outlined and named in
// the hub. It shows the hits only: it says nothing of what comes next.
class WheelDrawing final : public QWidget {
 public:
  explicit WheelDrawing(QWidget* parent = nullptr);

  // The hits of each number, and the last number, none before the first spin.
  void Show(const std::array<int64_t, vellaro::kNumbers>& hits, std::optional<int> last);

  // The fill of a pocket with `hits` when the most any pocket has is `most`: paper white
  // without hits, darkening evenly to the deepest shade for the most.
  static QColor Shade(int64_t hits, int64_t most);
  // The colour of number n on the table: green for the zero, then red or black.
  static QColor TableColour(int n);

  // Where pocket `slot` (its place in kWheelOrder) shows its shade, clear of its number and
  // of the outline; and where it shows its rim.
  QPointF ShadePoint(int slot) const;
  QPointF RimPoint(int slot) const;

  // It draws a circle as large as fits, centred: the tab gives it what the table leaves.
  QSize sizeHint() const override { return {240, 240}; }
  QSize minimumSizeHint() const override { return {170, 170}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The point at `share` of the radius on the middle line of pocket `slot`.
  QPointF At(int slot, double share) const;
  double Radius() const;
  QRectF Circle(double share) const;
  void PaintPocket(QPainter& painter, int slot) const;
  void PaintLast(QPainter& painter) const;
  void PaintHub(QPainter& painter) const;

  std::array<int64_t, vellaro::kNumbers> hits_{};
  int64_t most_ = 0;
  std::optional<int> last_;
};

}  // namespace vellaro::app
