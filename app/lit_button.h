#pragma once

// A small button of the head that the game knows nothing of (the limits, the session
// panel, New session): drawn as the twin of the frame buttons, its lit picture follows the
// pointer at the window's redraw, and only the lit picture acts.

#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "app/control.h"

namespace vellaro::app {

class AreaHost;
class PictureWidget;

class LitButton {
 public:
  // `picture` names the artwork: ":/<picture>.svg" and ":/<picture>_hover.svg". The
  // widgets are `name` and `name`Lit.
  LitButton(AreaHost& host, const QString& name, const QString& picture, const QRect& place,
            std::optional<Control> control, std::function<void()> click);
  LitButton(const LitButton&) = delete;
  LitButton& operator=(const LitButton&) = delete;

  PictureWidget* button() const { return button_; }
  PictureWidget* lit() const { return lit_; }
  // Lit while the pointer was over the button since the last redraw, or is over the twin.
  void Sync();

 private:
  PictureWidget* button_ = nullptr;
  PictureWidget* lit_ = nullptr;
  bool hovered_ = false;
};

}  // namespace vellaro::app
