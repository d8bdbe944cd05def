#pragma once

// The numbers a person reads in the panel (cells, sentences, tooltips, the chart's axes),
// written in the person's locale: 1,234.5 in English, 1.234,5 in German. The saved report
// and chart keep the engine's own writing.

#include <QLocale>
#include <QString>
#include <cstdint>

namespace vellaro::app {

// The locale the window made the default one for its language, by the rule of
// PersonLocale (app/language.h): English where none is set, since the "C" locale writes no
// thousands separators. Repeated here because the plugin links none of the window's code.
inline QLocale PanelLocale() {
  const QLocale locale;
  return locale.language() == QLocale::C ? QLocale(QLocale::English) : locale;
}

inline QString Whole(int64_t n) {
  return PanelLocale().toString(static_cast<qlonglong>(n));
}

inline QString Decimal(double x, int decimals) {
  return PanelLocale().toString(x, 'f', decimals);
}

// A share as a percentage with two decimals: 0.4865 is "48.65 %".
inline QString Percent(double share) {
  return Decimal(100.0 * share, 2) + QStringLiteral(" %");
}

// A probability as a percentage with four significant digits: 0.012345 is "1.234 %".
inline QString ChancePercent(double probability) {
  return PanelLocale().toString(100.0 * probability, 'g', 4) + QStringLiteral(" %");
}

}  // namespace vellaro::app
