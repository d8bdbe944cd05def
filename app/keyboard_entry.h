#pragma once

#include <optional>
#include <string>

namespace vellaro::app {

// The number typed on the keyboard, digit by digit, before Enter plays it: the logic of
// the keys without the window, which asks it what each key means.
class KeyboardEntry {
 public:
  // What the window should do after a key.
  enum class Action {
    kNone,     // nothing beyond showing Text()
    kEnter,    // enter the number Number() as a click on its tile would
    kHint,     // nothing to take back: the window says where the undo is
    kRefused,  // the key was refused; Text() says why
  };

  Action Digit(int digit);  // 0..9
  // Enter: the number typed, or nothing when no digit was typed.
  Action Enter();
  // Backspace: takes back the last digit. With no digit typed it does nothing to the game:
  // one press too many must not take a spin back.
  Action Backspace();
  // Escape: forgets the digits and any refusal shown.
  void Clear();
  // The board refused the number: it is forgotten, and `why` is shown.
  void Refuse(const std::string& why);

  // The number of the last kEnter (0..36).
  int Number() const { return number_; }
  const std::string& Digits() const { return digits_; }
  // Why the last number was refused; empty once a digit, Enter or Escape came after it.
  const std::string& Refusal() const { return refusal_; }
  // What the window shows: the digits typed so far, a refusal, or nothing.
  std::string Text() const;

 private:
  std::string digits_;
  std::string refusal_;
  int number_ = 0;
};

}  // namespace vellaro::app
