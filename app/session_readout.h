#pragma once

#include <QLabel>
#include <QString>

#include "front/game.h"
#include "game/real_result.h"

namespace vellaro::app {

// The main window's one-line readout: the spins in the history and the player's real net
// result (shown bets only, from zero), never the engine's internal balance. With a bet on
// show the tooltip gives its stake and what one more loss in a row would make it.
class SessionReadout final : public QLabel {
 public:
  explicit SessionReadout(QWidget* parent = nullptr);

  // Touches the label only when what it says changed.
  void Show(const vellaro::Game& game, const vellaro::RealResult::Counts& counts);

  static QString Text(const vellaro::RealResult::Counts& counts);
  // A net result as the readout writes it: "+4", "0", "-4".
  static QString Net(int64_t units);
  static QString Tip(const vellaro::Game& game, const vellaro::RealResult::Counts& counts);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString text_;
  QString tip_;

  void BecomeSelectable();
  // The caption's font, or a smaller one in which the text shows whole.
  void FitFont();
};

}  // namespace vellaro::app
