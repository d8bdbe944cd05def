#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace vellaro::app {

// How a control the engine has locked (during an analysis, or while its setting does not
// apply) looks: greyed text on a darker ground, in the colours of the artwork, so that the
// player sees the lock before clicking.
inline constexpr QColor kLockedText{112, 112, 112};
inline constexpr QColor kLockedGround{38, 44, 34};

// Sets `role` to `usable` in the active and inactive colour groups and to `locked` in the
// disabled one. (QPalette::setColor(role, colour) sets all three groups, so a control
// painted that way looks usable when locked.)
void PaintUsable(QWidget* widget, QPalette::ColorRole role, const QColor& usable,
                 const QColor& locked);

// A hand cursor while the control is usable, the plain arrow while it is locked.
void PointWhileUsable(QWidget* widget);

}  // namespace vellaro::app
