#include "app/message_line.h"

#include <QCoreApplication>

namespace vellaro::app {

MessageLine::MessageLine(vellaro::Scheduler& timers)
    : passing_time_(std::make_unique<vellaro::Timer>(timers, kPassingMs, false, [this] {
        passing_time_->Stop();  // once
        passing_.clear();
      })) {}

void MessageLine::SetHeldBack(const QString& reason) {
  held_back_ = reason;
}

void MessageLine::SetJournal(const QString& notice) {
  journal_ = notice;
}

void MessageLine::SetTyped(const QString& typed) {
  if (!typed.isEmpty() && typed != typed_) Dismiss();
  typed_ = typed;
}

void MessageLine::Refuse(const QString& why) {
  Pass(QCoreApplication::translate("MessageLine", "Refused: ") + why);
}

void MessageLine::Hint(const QString& text) {
  Pass(text);
}

void MessageLine::Pass(const QString& text) {
  passing_ = text;
  // Told again, it stays its full time again.
  passing_time_->Stop();
  passing_time_->Start();
}

void MessageLine::SetSpins(int64_t spins) {
  if (spins_ >= 0 && spins > spins_) Dismiss();
  spins_ = spins;
}

void MessageLine::Dismiss() {
  passing_.clear();
  passing_time_->Stop();
}

QString MessageLine::BannerText() const {
  return QCoreApplication::translate("MessageLine", "Bet held back \u2014 ") + held_back_;
}

QString MessageLine::ShorterBannerText() const {
  QString sentence = held_back_;
  if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
  return sentence;
}

QString MessageLine::Left() const {
  if (!typed_.isEmpty()) return typed_;
  if (!passing_.isEmpty()) return passing_;
  return progress_;
}

}  // namespace vellaro::app
