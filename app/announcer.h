#pragma once

// What the player must know at once, said to a screen reader as it happens: a bet shown,
// a limit that holds the next bet back, the journal gone off. This Qt (6.4) has no
// announcement event; the news becomes the value of an alert object of the window, with
// an Alert event, which screen readers speak without moving the focus.

#include <QString>

#include "app/window_parts.h"

class QWidget;

namespace vellaro::app {

class KeyStop;
class MessageLine;

class Announcer {
 public:
  explicit Announcer(QWidget& window);

  // Says what changed since the last call. `journal`: what the journal says of itself,
  // empty when all is well.
  void Sync(const vellaro::GameView& view, const MessageLine& line, const QString& journal);
  // The last news said; empty before any.
  const QString& Last() const { return last_; }

  // The bets on show in words ("Bet 3 on Red"); empty when none is.
  static QString BetsShown(const vellaro::GameView& view);

 private:
  void Say(const QString& news);

  KeyStop* alert_ = nullptr;
  QString last_;
  LastShown<QString> bets_;
  LastShown<QString> held_back_;
  LastShown<QString> journal_;
};

}  // namespace vellaro::app
