#pragma once

#include <QProxyStyle>

namespace vellaro::app {

// The selectors are narrow for their captions ("DEEP SCAN 7.2" in 113 px): this style
// gives their text the room that the window style spends on margins and a wide arrow.
class CompactComboStyle final : public QProxyStyle {
 public:
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override;
};

}  // namespace vellaro::app
