#pragma once

#include <QString>

#include "app/control.h"

class QWidget;

namespace vellaro::app {

// The help shown when the pointer rests on a control: what it does and, where a player
// might hope for more, what it cannot do.
QString TooltipFor(Control control);

// Gives every widget under `root` that was tagged (Tag) and has no tooltip yet the help for
// its control. Called once for the window and once for the options area when it is made.
void ApplyTooltips(QWidget& root);

}  // namespace vellaro::app
