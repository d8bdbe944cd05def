#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "env/timer.h"

namespace vellaro::app {

// What the line between the head and the board says, decided in one place. Several things
// want the line at once; the most pressing comes first:
//  1. a limit that holds the next bet back: the banner over the line, its reason beside
//     "Continue anyway", whatever else is waiting;
//  2. the journal's state ("Journal off: ..."), at the right of the line, always whole;
//  3. at the left: the digits typed; else a passing message, a refusal or a hint, until
//     the next accepted spin, the next key or kPassingMs, whichever comes first; else where
//     the game stands.
// It holds no widget: the window draws what it says.
class MessageLine {
 public:
  // How long a refusal or a hint stays, in milliseconds.
  static constexpr int32_t kPassingMs = 4000;

  // `timers` runs the passing message's time; it outlives this object.
  explicit MessageLine(vellaro::Scheduler& timers);

  // ---- What wants the line ------------------------------------------------------------
  // The reason a limit holds the next bet back; empty when none does.
  void SetHeldBack(const QString& reason);
  // What the journal says of itself; empty when all is well.
  void SetJournal(const QString& notice);
  // The digits typed so far, as the keyboard entry tells them; empty when none. A digit
  // typed ends the passing message: the player has moved on.
  void SetTyped(const QString& typed);
  // Where the game stands ("Spin 12").
  void SetProgress(const QString& progress) { progress_ = progress; }
  // A number refused, and why: shown as "Refused: <why>".
  void Refuse(const QString& why);
  // A word of help for a key that did nothing, e.g. "Ctrl+Z undoes the last spin".
  void Hint(const QString& text);
  // The number of spins in the history: the passing message goes when it grows.
  void SetSpins(int64_t spins);
  // The player dismissed what was said (Escape).
  void Dismiss();

  // ---- What the line shows ------------------------------------------------------------
  bool BannerShown() const { return !held_back_.isEmpty(); }
  // "Bet held back — <reason>", and the reason alone as a sentence, for figures too long.
  QString BannerText() const;
  QString ShorterBannerText() const;
  // The left and the right part of the line beneath the banner.
  QString Left() const;
  const QString& Right() const { return journal_; }
  // The refusal or hint on show, if any.
  const QString& Passing() const { return passing_; }

 private:
  void Pass(const QString& text);

  QString held_back_;
  QString journal_;
  QString typed_;
  QString progress_;
  QString passing_;
  int64_t spins_ = -1;  // unknown until first told
  std::unique_ptr<vellaro::Timer> passing_time_;
};

}  // namespace vellaro::app
