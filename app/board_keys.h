#pragma once

// The number board from the keyboard: one Tab stop for all 37 tiles, the arrow keys
// moving over them as they lie on the board, Enter or Space entering the number in focus.

#include <functional>

#include "app/key_stop.h"

namespace vellaro::app {

// The moves of the arrow keys. The numbers lie in twelve columns of three, 1 at the
// bottom left, 3 above it, 36 at the top right; 0 stands left of the board, beside the
// middle row. The moves stop at the edges rather than wrap: a key held down rests on the
// last tile instead of jumping across the board. Left from the first column goes to 0;
// Right from 0 goes to 2, the tile beside it; Up and Down at 0 stay there.
enum class BoardMove { kLeft, kRight, kUp, kDown };
int MoveOnBoard(int number, BoardMove move);

// "17 red", "0 green": a number as a screen reader says it.
QString NumberName(int number);

class BoardKeys final : public KeyStop {
 public:
  // `tile`: where the tile of a number lies; `enter`: enters a number as its tile's click.
  BoardKeys(QWidget* window, std::function<QRect(int)> tile, std::function<void(int)> enter);

  int number() const { return number_; }
  void MoveTo(int number);
  QRect RingPlace() const override { return tile_(number_); }
  void Press() override { enter_(number_); }
  void SetNumber(double number) override;
  QString Value() const override { return NumberName(number_); }
  std::optional<double> Number() const override { return number_; }
  // Each number is a part, named as it is said, where its tile lies.
  int Parts() const override;
  QString PartName(int part) const override { return NumberName(part); }
  QRect PartPlace(int part) const override { return tile_(part); }
  int PartInFocus() const override { return number_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<QRect(int)> tile_;
  std::function<void(int)> enter_;
  int number_ = 0;
};

}  // namespace vellaro::app
