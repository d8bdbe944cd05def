#include "app/tooltip_wrap.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace vellaro::app {

namespace {

// Catches a widget's tooltip before the widget shows it on one line. A widget without a
// tooltip of its own (an item view's viewport) is left to show its items' help itself.
class TooltipWrapper final : public QObject {
 public:
  explicit TooltipWrapper(QObject& owner) : QObject(&owner) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const QString tip = widget->toolTip();
    if (tip.isEmpty() || Qt::mightBeRichText(tip)) return false;
    const QString wrapped = WrapTooltip(tip, QFontMetrics(QToolTip::font()));
    if (wrapped == tip) return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), wrapped, widget, QRect(),
                       widget->toolTipDuration());
    return true;
  }
};

}  // namespace

QString WrapTooltip(const QString& text, const QFontMetrics& metrics, int width) {
  QString wrapped;
  wrapped.reserve(text.size());
  const QStringList lines = text.split(u'\n');
  for (qsizetype l = 0; l < lines.size(); ++l) {
    if (l > 0) wrapped += u'\n';
    QString line;
    bool first = true;
    for (const QString& word : lines[l].split(u' ')) {
      if (first) {
        line = word;
        first = false;
      } else if (metrics.horizontalAdvance(line + u' ' + word) <= width) {
        line += u' ' + word;
      } else {
        wrapped += line + u'\n';
        line = word;
      }
    }
    wrapped += line;
  }
  return wrapped;
}

void WrapTooltips(QObject& owner) {
  QApplication::instance()->installEventFilter(new TooltipWrapper(owner));
}

}  // namespace vellaro::app
