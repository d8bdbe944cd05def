#include "app/window_parts.h"

#include <QFont>
#include <QLabel>

#include "app/fonts.h"
#include "app/picture_widget.h"

namespace vellaro::app {

void Bindings::Sync(const vellaro::GameView& view) {
  for (Binding& binding : shown_) {
    const bool shown = binding.flag(view);
    if (binding.shown != shown) {
      binding.shown = shown;
      binding.widget->setVisible(shown);
    }
  }
  for (Binding& binding : enabled_) {
    const bool enabled = binding.flag(view);
    if (binding.shown != enabled) {
      binding.shown = enabled;
      binding.widget->setEnabled(enabled);
    }
  }
}

PictureWidget* AddPicture(QWidget* parent, SvgCache& svg, const QString& name,
                          const QString& picture, const QRect& place,
                          std::optional<Control> control) {
  auto* widget = new PictureWidget(svg, picture, place, parent);
  widget->setObjectName(name);
  if (control) Tag(widget, name, *control);
  return widget;
}

QLabel* AddCaption(QWidget* parent, const QString& name, const QString& caption,
                   const QPoint& place, std::optional<Control> control) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  if (control) Tag(label, name, *control);
  label->setFont(CaptionFont());
  label->move(place);
  label->adjustSize();
  return label;
}

QFont ArialFont(int pixel_size, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  return font;
}

}  // namespace vellaro::app
