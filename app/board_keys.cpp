#include "app/board_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "app/focus_ring.h"
#include "game/types.h"

namespace vellaro::app {

namespace {

constexpr int kColumns = 12;
constexpr int kRows = 3;

QRect BoardPlace(const std::function<QRect(int)>& tile) {
  QRect board = tile(0);
  for (int n = 1; n < vellaro::kNumbers; ++n) board |= tile(n);
  return board;
}

}  // namespace

int MoveOnBoard(int number, BoardMove move) {
  if (number == 0) return move == BoardMove::kRight ? 2 : 0;
  const int column = (number - 1) / kRows;
  const int row = (number - 1) % kRows;  // 0 at the bottom
  switch (move) {
    case BoardMove::kLeft:
      return column == 0 ? 0 : number - kRows;
    case BoardMove::kRight:
      return column == kColumns - 1 ? number : number + kRows;
    case BoardMove::kUp:
      return row == kRows - 1 ? number : number + 1;
    case BoardMove::kDown:
      return row == 0 ? number : number - 1;
  }
  return number;
}

QString NumberName(int number) {
  const char* colour = number == 0                    ? QT_TRANSLATE_NOOP("BoardKeys", "green")
                       : vellaro::IsRedNumber(number) ? QT_TRANSLATE_NOOP("BoardKeys", "red")
                                                      : QT_TRANSLATE_NOOP("BoardKeys", "black");
  //: A number of the board as a screen reader says it: "17 black".
  return QCoreApplication::translate("BoardKeys", "%1 %2")
      .arg(number)
      .arg(QCoreApplication::translate("BoardKeys", colour));
}

BoardKeys::BoardKeys(QWidget* window, std::function<QRect(int)> tile,
                     std::function<void(int)> enter)
    : KeyStop(window, QStringLiteral("BoardKeys"), BoardPlace(tile), Shape::kRect,
              {QAccessible::List,
               QCoreApplication::translate("BoardKeys", "Number board"),
               {},
               {},
               {}}),
      tile_(std::move(tile)),
      enter_(std::move(enter)) {
  setAccessibleDescription(QCoreApplication::translate(
      "BoardKeys", "Arrow keys move over the numbers, Enter or Space enters the one in focus"));
}

void BoardKeys::MoveTo(int number) {
  if (number == number_ || number < 0 || number >= vellaro::kNumbers) return;
  number_ = number;
  FocusRing::Follow(*parentWidget());
  Sync();  // tells a screen reader the number now in focus
}

int BoardKeys::Parts() const {
  return vellaro::kNumbers;
}

void BoardKeys::SetNumber(double number) {
  MoveTo(static_cast<int>(number));
}

void BoardKeys::keyPressEvent(QKeyEvent* event) {
  if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    KeyStop::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
      MoveTo(MoveOnBoard(number_, BoardMove::kLeft));
      break;
    case Qt::Key_Right:
      MoveTo(MoveOnBoard(number_, BoardMove::kRight));
      break;
    case Qt::Key_Up:
      MoveTo(MoveOnBoard(number_, BoardMove::kUp));
      break;
    case Qt::Key_Down:
      MoveTo(MoveOnBoard(number_, BoardMove::kDown));
      break;
    case Qt::Key_Home:
      MoveTo(0);
      break;
    case Qt::Key_End:
      MoveTo(vellaro::kNumbers - 1);
      break;
    default:
      KeyStop::keyPressEvent(event);
      return;
  }
}

}  // namespace vellaro::app
