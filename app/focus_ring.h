#pragma once

// The focus ring of the main window: a thin bright outline around the control that has
// the keyboard, fitted to its artwork (round around a chip or the lamp, around the tile in
// focus on the board). One transparent layer over the whole window draws it, so it is never
// clipped by the control's own rectangle nor hidden under a neighbouring picture.

#include <QRect>
#include <QWidget>

namespace vellaro::app {

class FocusRing final : public QWidget {
 public:
  explicit FocusRing(QWidget* window);

  // Moves the ring of `window` to where its focus is now (after a move within a control,
  // such as the board's).
  static void Follow(QWidget& window);
  // Where the ring is drawn, in the window's coordinates; empty when none is.
  QRect Place() const { return place_; }
  bool Round() const { return round_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Update();

  QRect place_;
  bool round_ = false;
};

}  // namespace vellaro::app
