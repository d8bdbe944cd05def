#include "app/keyboard_entry.h"

#include <QCoreApplication>

namespace vellaro::app {

namespace {

constexpr int kHighest = 36;

}  // namespace

KeyboardEntry::Action KeyboardEntry::Digit(int digit) {
  refusal_.clear();
  const std::string typed = digits_ + static_cast<char>('0' + digit);
  // "0" is a number, but nothing starts with a 0; two digits are the most any number has.
  const bool possible =
      typed.size() == 1 || (typed.size() == 2 && typed[0] != '0' && std::stoi(typed) <= kHighest);
  if (!possible) {
    // Refused at once and forgotten: an Enter after a slip must not play a part of it.
    Refuse(QCoreApplication::translate("KeyboardEntry", "%1 is not on the wheel")
               .arg(QString::fromStdString(typed))
               .toStdString());
    return Action::kRefused;
  }
  digits_ = typed;
  return Action::kNone;
}

KeyboardEntry::Action KeyboardEntry::Enter() {
  if (digits_.empty()) return Action::kNone;
  number_ = std::stoi(digits_);
  digits_.clear();
  refusal_.clear();
  return Action::kEnter;
}

KeyboardEntry::Action KeyboardEntry::Backspace() {
  refusal_.clear();
  if (digits_.empty()) return Action::kHint;
  digits_.pop_back();
  return Action::kNone;
}

void KeyboardEntry::Clear() {
  digits_.clear();
  refusal_.clear();
}

void KeyboardEntry::Refuse(const std::string& why) {
  digits_.clear();
  refusal_ = why;
}

std::string KeyboardEntry::Text() const {
  // "Refused: " is the message line's own, so that both say it one way.
  if (!refusal_.empty()) {
    return (QCoreApplication::translate("MessageLine", "Refused: ") +
            QString::fromStdString(refusal_))
        .toStdString();
  }
  if (!digits_.empty()) {
    return QCoreApplication::translate("KeyboardEntry", "Typed: %1 (Enter to play, Esc to clear)")
        .arg(QString::fromStdString(digits_))
        .toStdString();
  }
  return {};
}

}  // namespace vellaro::app
