#pragma once

#include <QLabel>

namespace vellaro::app {

// The stake written on a chip. A figure wider than the chip's dark centre would cross its
// orange rim and white notches, where white digits are lost: it is drawn on a dark plate
// of its own width instead.
class ChipStake final : public QLabel {
 public:
  using QLabel::QLabel;

  // The width of the chip's dark centre at the height of the text.
  static constexpr int kCentreWidth = 20;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vellaro::app
