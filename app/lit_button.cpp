#include "app/lit_button.h"

#include "app/main_window.h"
#include "app/picture_widget.h"
#include "app/window_parts.h"

namespace vellaro::app {

LitButton::LitButton(MainWindow& window, const QString& name, const QString& picture,
                     const QRect& place, std::optional<Control> control,
                     std::function<void()> click) {
  const QString svg = QStringLiteral(":/") + picture;
  button_ = AddPicture(&window, window.svg(), name, svg + QStringLiteral(".svg"), place, control);
  button_->setCursor(Qt::PointingHandCursor);
  // Clears the other highlights as the frame buttons do; this one is the shell's own.
  button_->OnMove([this, &window](QMouseEvent&) {
    hovered_ = true;
    window.Handle([&window] { window.game().Apply(act::PointerOver{act::FramePart::kHead}); });
  });
  lit_ = AddPicture(&window, window.svg(), name + QStringLiteral("Lit"),
                    svg + QStringLiteral("_hover.svg"), place, control);
  lit_->setCursor(Qt::PointingHandCursor);
  lit_->OnMove([](QMouseEvent&) {});
  lit_->OnClick(std::move(click));
  lit_->hide();
}

void LitButton::Sync() {
  SetShown(lit_, hovered_ || lit_->underMouse());
  hovered_ = false;
}

}  // namespace vellaro::app
