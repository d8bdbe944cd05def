#include "app/compact_combo_style.h"

#include <QStyleOptionComplex>

namespace vellaro::app {

namespace {
constexpr int kArrowWidth = 14;
constexpr int kFrame = 2;
}  // namespace

QRect CompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                        SubControl part, const QWidget* widget) const {
  if (control == CC_ComboBox) {
    const QRect frame = option->rect;
    if (part == SC_ComboBoxArrow) {
      return {frame.right() - kArrowWidth, frame.top(), kArrowWidth, frame.height()};
    }
    if (part == SC_ComboBoxEditField) {
      return frame.adjusted(kFrame + 1, kFrame, -(kArrowWidth + 1), -kFrame);
    }
  }
  return QProxyStyle::subControlRect(control, option, part, widget);
}

}  // namespace vellaro::app
