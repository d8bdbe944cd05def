#include "app/lit_button.h"

#include "app/area_host.h"
#include "app/picture_widget.h"
#include "app/svg_cache.h"
#include "app/window_parts.h"

namespace vellaro::app {

LitButton::LitButton(AreaHost& host, const QString& name, const QString& picture,
                     const QRect& place, std::optional<Control> control,
                     std::function<void()> click) {
  QWidget& window = host.surface();
  const QString svg = QStringLiteral(":/") + picture;
  button_ = AddPicture(&window, host.svg(), name, svg + QStringLiteral(".svg"), place, control);
  button_->setCursor(Qt::PointingHandCursor);
  // Clears the other highlights as the frame buttons do; this one is the shell's own.
  button_->OnMove([this, &host](QMouseEvent&) {
    hovered_ = true;
    host.Send(act::PointerOver{act::FramePart::kHead});
  });
  lit_ = AddPicture(&window, host.svg(), name + QStringLiteral("Lit"),
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
