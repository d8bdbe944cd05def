#pragma once

#include <QFont>
#include <thread>

namespace vellaro::app {

// The artwork's font for captions: the options area's labels ("BET:", "GAME MODE:") are
// drawn in it, and so are the readouts, the figures a player reads most, never smaller.
QFont CaptionFont();

// Maps the fonts the window is designed with onto the ones a Debian desktop has. Must run
// before the first SVG is loaded.
void InstallFontSubstitutions();

// Reads the system's font configuration and font caches on a thread of its own. Started
// first thing in main(), the reading (several milliseconds) overlaps Qt's connection to
// the display instead of delaying the first text the artwork draws.
class FontConfigurationLoader {
 public:
  FontConfigurationLoader();
  // Returns once the configuration is loaded. Call it before Qt first looks for a font, so
  // that Qt does not load a second configuration of its own beside this one.
  void Wait();

 private:
  std::jthread thread_;
};

}  // namespace vellaro::app
