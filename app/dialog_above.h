#pragma once

class QWidget;

namespace vellaro::app {

// The main window stays on top of every other window, so a dialog it opens must as well,
// or a window manager puts the dialog under it. Gives `dialog`, a window whose parent is
// set, the stays-on-top flag of the window it belongs to. Call before showing it: the
// toolkit then opens it over the middle of that window, moved onto the screen where it
// would stick out.
void StandAbove(QWidget& dialog);

}  // namespace vellaro::app
