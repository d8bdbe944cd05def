#include "app/version_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace vellaro::app {

VersionText::VersionText(const QString& text, const QFont& font, QColor colour, QPoint baseline,
                         QWidget* parent)
    : QWidget(parent), text_(text), colour_(colour) {
  // Unhinted, as Qt's SVG renderer draws the artwork's texts.
  QFont unhinted = font;
  unhinted.setHintingPreference(QFont::PreferNoHinting);
  setFont(unhinted);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  const QFontMetrics metrics(unhinted);
  ascent_ = metrics.ascent();
  setGeometry(baseline.x(), baseline.y() - ascent_, metrics.horizontalAdvance(text) + 2,
              metrics.height());
}

void VersionText::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(colour_);
  painter.setFont(font());
  painter.drawText(QPointF(0, ascent_), text_);
}

}  // namespace vellaro::app
