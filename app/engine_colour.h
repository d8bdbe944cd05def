#pragma once

// The engine's colours (game/controls.h) as the toolkit's: the one place a window part
// turns an Rgb into a QColor, so that no part types the artwork's colours again.

#include <QColor>

#include "game/controls.h"

namespace vellaro::app {

constexpr QColor ToQColor(vellaro::Rgb rgb) {
  return {rgb.r, rgb.g, rgb.b};
}

}  // namespace vellaro::app
