#include "app/readout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "app/counted_text.h"
#include "app/fonts.h"

namespace vellaro::app {

namespace {

constexpr QColor kProgressColour{176, 176, 176};
constexpr int kGap = 12;  // between the two parts

QString Spins(int64_t n) {
  return CountText(n, "spin", "spins");
}

}  // namespace

QString ProgressText(const GameProgress& p) {
  // The spins still to enter before the first analysis runs; the spin that runs it counts.
  const int64_t before_analysis = std::max<int64_t>(0, int64_t{p.first_analysis} - p.spins);
  if (p.matrix) {
    if (p.matrix_chosen) {
      return QCoreApplication::translate("Readout", "MATRIX column %1 \u00b7 spin %2")
          .arg(p.matrix_column)
          .arg(p.entered);
    }
    // Learning starts with the first analysis, and that spin is its first row.
    const int64_t rows_left = std::max<int64_t>(0, int64_t{p.matrix_learning} - p.matrix_step);
    const int64_t left = rows_left + std::max<int64_t>(0, before_analysis - 1);
    return QCoreApplication::translate("Readout", "MATRIX learning: %1 left").arg(Spins(left));
  }
  if (before_analysis == 1)
    return QCoreApplication::translate("Readout", "First recommendation on the next spin");
  if (before_analysis > 1) {
    return QCoreApplication::translate("Readout", "First recommendation in %1")
        .arg(Spins(before_analysis));
  }
  return QCoreApplication::translate("Readout", "Spin %1").arg(p.entered);
}

Readout::Readout(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFont(CaptionFont());
}

void Readout::SetProgress(const QString& text) {
  if (text == progress_) return;
  progress_ = text;
  update();
}

void Readout::SetResult(const QString& text, const QColor& colour) {
  if (text == result_ && colour == result_colour_) return;
  result_ = text;
  result_colour_ = colour;
  update();
}

QRect Readout::ResultRect() const {
  const int width = result_.isEmpty() ? 0 : fontMetrics().horizontalAdvance(result_);
  return {rect().right() + 1 - width, 0, width, height()};
}

QRect Readout::ProgressRect() const {
  const int result = ResultRect().width();
  return {0, 0, std::max(0, width() - result - (result > 0 ? kGap : 0)), height()};
}

void Readout::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(kProgressColour);
  painter.drawText(ProgressRect(), Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(progress_, Qt::ElideRight, ProgressRect().width()));
  if (!result_.isEmpty()) {
    painter.setPen(result_colour_);
    painter.drawText(ResultRect(), Qt::AlignRight | Qt::AlignVCenter, result_);
  }
}

}  // namespace vellaro::app
