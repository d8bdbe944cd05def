#pragma once

// The keyboard of the main window: numbers typed and entered with Enter, the undo and redo
// keys, and the clipboard's spins pasted into "Add spins…".

#include <QString>
#include <functional>
#include <string>

#include "app/keyboard_entry.h"

class QKeyEvent;

namespace vellaro::app {

class AreaHost;
class MessageLine;

class TypedEntry {
 public:
  // `paste` opens "Add spins…" with a text; `click_number` enters a number as a click on
  // its tile does. Refusals and hints are said in `line`.
  TypedEntry(AreaHost& host, MessageLine& line, std::function<void(const QString&)> paste,
             std::function<void(int)> click_number);

  // A key of the keyboard entry; false when it is not one of them.
  bool Press(const QKeyEvent& key);
  // Enters `n` as a click on its tile would: refused, and said why, while the board is
  // locked or the tile is crossed out.
  void EnterNumber(int n);
  const KeyboardEntry& keyboard() const { return keyboard_; }
  // Forgets the digits typed (a new evening on show).
  void Clear() { keyboard_.Clear(); }

 private:
  void Refuse(const std::string& why);  // forgets the digits and says why

  AreaHost& host_;
  MessageLine& line_;
  std::function<void(const QString&)> paste_;
  std::function<void(int)> click_number_;
  KeyboardEntry keyboard_;
};

}  // namespace vellaro::app
