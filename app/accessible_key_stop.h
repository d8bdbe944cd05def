#pragma once

// What a screen reader learns of a KeyStop: its role, name and value from the stop's
// Reading, a number through the value interface where the value is one, and "press". The
// pictures beneath the stops are marked as artwork a screen reader passes over.

class QAccessibleInterface;
class QObject;
class QString;

namespace vellaro::app {

// The factory Qt asks for the interface of an object; null for all but a KeyStop or picture.
QAccessibleInterface* KeyStopAccessible(const QString& class_name, QObject* object);
// Installs the factory, once per process.
void InstallKeyStopAccessibility();

}  // namespace vellaro::app
