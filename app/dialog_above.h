#pragma once

class QWidget;

namespace vellaro::app {

// The main window stays on top of every other window, so a dialog it opens must as well,
// or a window manager puts the dialog under it. Gives `dialog`, a window whose parent is
// set, the stays-on-top flag of the window it belongs to, and keeps it whole on the screen
// whenever it is shown, over the middle of that window as the toolkit places it or where
// its owner moved it. Call once, before showing it.
void StandAbove(QWidget& dialog);

}  // namespace vellaro::app
