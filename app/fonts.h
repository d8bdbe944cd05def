#pragma once

namespace vellaro::app {

// Maps the fonts the window is designed with onto the ones a Debian desktop has. Must run
// before the first SVG is loaded.
void InstallFontSubstitutions();

}  // namespace vellaro::app
