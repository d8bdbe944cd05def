#include "app/window_parts.h"

#include <QAbstractButton>
#include <QFont>
#include <QLabel>
#include <QSignalBlocker>

#include "app/engine_colour.h"
#include "app/fonts.h"
#include "app/picture_widget.h"

namespace vellaro::app {

void Bindings::Shown(QWidget* widget, Read<bool> shown) {
  Follow<bool>(std::move(shown), [widget](bool value) { widget->setVisible(value); });
}

void Bindings::Enabled(QWidget* widget, Read<bool> enabled) {
  Follow<bool>(std::move(enabled), [widget](bool value) { widget->setEnabled(value); });
}

void Bindings::Text(QLabel* label, Read<std::string> text) {
  Follow<std::string>(std::move(text), [label](const std::string& value) {
    label->setText(QString::fromStdString(value));
  });
}

void Bindings::Colour(QWidget* widget, QPalette::ColorRole role, Read<vellaro::Rgb> colour) {
  Follow<vellaro::Rgb>(std::move(colour), [widget, role](const vellaro::Rgb& value) {
    QPalette colours = widget->palette();
    colours.setColor(role, ToQColor(value));
    widget->setPalette(colours);
  });
}

void Bindings::Checked(QAbstractButton* box, Read<bool> checked) {
  syncs_.emplace_back([box, checked = std::move(checked)](const vellaro::GameView& view) {
    const bool held = checked(view);
    if (box->isChecked() == held) return;
    const QSignalBlocker quiet(box);
    box->setChecked(held);
  });
}

void Bindings::Sync(const vellaro::GameView& view) {
  for (const auto& sync : syncs_) sync(view);
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
