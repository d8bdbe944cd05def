#pragma once

#include <QString>

class QWidget;

namespace vellaro::app {

// The help shown when the pointer rests on a control: what it does and, where a player
// might hope for more, what it cannot do. Empty for a name that is no control.
QString TooltipFor(const QString& object_name);

// Gives every widget under `root` that has no tooltip yet the help for its name. Called
// once for the window and once for the options area when it is made.
void ApplyTooltips(QWidget& root);

}  // namespace vellaro::app
