#pragma once

#include <QFont>
#include <QString>
#include <cstdint>

class QLabel;

namespace vellaro::app {

// A stake or a count in a small place: the exact figure in the design's font if it fits,
// else in a smaller font down to the smallest one still readable, else a short form.
struct FittedNumber {
  QString text;
  QFont font;
  bool exact = true;  // false for the short form
};

// The smallest font a figure is drawn in; smaller digits are no longer read correctly.
inline constexpr int kSmallestReadablePixels = 9;

// `value` in three significant digits with K (thousand), M (million) or B (billion),
// rounded toward zero so that the short form never shows more than the figure: 729000 is
// "729K", 6561000 "6.56M", 2147483647 "2.14B". Values below 1000 are written in full.
QString ShortNumber(int64_t value);

// How `text` is drawn in `width` pixels, starting from `design`. A text that is a whole
// number may fall back to its short form; any other text only shrinks.
FittedNumber FitNumber(const QString& text, const QFont& design, int width);

// Writes `text` into `label` as FitNumber decides, within the label's width less `margin`
// on each side; the exact text goes into the tooltip whenever the label shows less.
void ShowFitted(QLabel* label, const QString& text, const QFont& design, int margin = 0);

}  // namespace vellaro::app
