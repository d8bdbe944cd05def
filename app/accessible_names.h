#pragma once

// The names a screen reader says for the controls of the window, its dialogs and the
// session panel.

#include <QString>

#include "app/control.h"

class QWidget;

namespace vellaro::app {

// A short name for a control ("Base stake"), said before its role and value.
QString AccessibleName(Control control);

// Names every widget under `root` that the keyboard reaches and that has no name yet: a
// tagged one by its Control, others (the panel's) by a caption made their buddy, else by
// their object name in words ("StoredSessions": "Stored sessions"). Call again after new
// widgets are made; names already given stay.
void NameControls(QWidget& root);

// "StoredSessions" -> "Stored sessions".
QString NameInWords(const QString& object_name);

}  // namespace vellaro::app
