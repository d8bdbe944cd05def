#include "app/fitted_number.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <array>

namespace vellaro::app {

namespace {

bool Fits(const QString& text, const QFont& font, int width) {
  return QFontMetrics(font).horizontalAdvance(text) <= width;
}

// The largest pixel size from the design's down to the smallest readable one at which
// `text` fits, or 0.
int LargestFittingSize(const QString& text, const QFont& design, int width) {
  QFont font = design;
  const int largest = design.pixelSize() > 0 ? design.pixelSize() : QFontInfo(design).pixelSize();
  for (int size = largest; size >= kSmallestReadablePixels; --size) {
    font.setPixelSize(size);
    if (Fits(text, font, width)) return size;
  }
  return 0;
}

}  // namespace

QString ShortNumber(int64_t value) {
  const bool negative = value < 0;
  // In unsigned arithmetic the magnitude of the most negative value still fits.
  const uint64_t magnitude =
      negative ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  const QString sign = negative ? QStringLiteral("-") : QString();
  if (magnitude < 1000) return sign + QString::number(magnitude);
  struct Unit {
    uint64_t size;
    char letter;
  };
  static constexpr std::array<Unit, 6> kUnits = {{{1'000'000'000'000'000'000, 'E'},
                                                  {1'000'000'000'000'000, 'P'},
                                                  {1'000'000'000'000, 'T'},
                                                  {1'000'000'000, 'B'},
                                                  {1'000'000, 'M'},
                                                  {1'000, 'K'}}};
  for (const Unit& unit : kUnits) {
    if (magnitude < unit.size) continue;
    const uint64_t whole = magnitude / unit.size;
    // Three significant digits: as many decimals as the whole part leaves room for.
    const int decimals = whole >= 100 ? 0 : whole >= 10 ? 1 : 2;
    const uint64_t scale = decimals == 0 ? 1 : decimals == 1 ? 10 : 100;
    const uint64_t fraction = (magnitude % unit.size) / (unit.size / scale);
    QString text = QString::number(whole);
    if (decimals > 0) {
      QString digits = QString::number(fraction).rightJustified(decimals, u'0');
      while (digits.endsWith(u'0')) digits.chop(1);  // "1M", not "1.00M"
      if (!digits.isEmpty()) text += u'.' + digits;
    }
    return sign + text + QLatin1Char(unit.letter);
  }
  return sign + QString::number(magnitude);  // not reached: every magnitude >= 1000 has a unit
}

FittedNumber FitNumber(const QString& text, const QFont& design, int width) {
  FittedNumber fitted{text, design, true};
  if (Fits(text, design, width)) return fitted;
  if (const int size = LargestFittingSize(text, design, width); size > 0) {
    fitted.font.setPixelSize(size);
    return fitted;
  }
  bool number = false;
  const qint64 value = text.toLongLong(&number);
  if (number) {
    fitted.text = ShortNumber(value);
    fitted.exact = fitted.text == text;
    if (const int size = LargestFittingSize(fitted.text, design, width); size > 0) {
      fitted.font.setPixelSize(size);
      return fitted;
    }
  }
  // Nothing fits at a readable size: the smallest one, cut at the edges.
  fitted.font.setPixelSize(kSmallestReadablePixels);
  return fitted;
}

void ShowFitted(QLabel* label, const QString& text, const QFont& design, int margin) {
  const FittedNumber fitted = FitNumber(text, design, label->width() - 2 * margin);
  if (label->font() != fitted.font) label->setFont(fitted.font);
  label->setText(fitted.text);
  const bool shrunk = !fitted.exact || fitted.font.pixelSize() != design.pixelSize();
  label->setToolTip(shrunk ? text : QString());
}

}  // namespace vellaro::app
