#include "app/session_readout.h"

#include <QCoreApplication>

#include "app/counted_text.h"
#include "app/fitted_number.h"
#include "app/fonts.h"
#include "session/game_risk.h"
#include "session/risk.h"

namespace vellaro::app {

namespace {

QString Signed(int64_t units) {
  return units > 0 ? QStringLiteral("+%1").arg(units) : QString::number(units);
}

}  // namespace

SessionReadout::SessionReadout(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("SessionReadout"));
  setFont(CaptionFont());
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SessionReadout::BecomeSelectable() {
  // The player may select the result to copy it into a note of the evening. A selectable
  // label keeps a text document, whose making loads the toolkit's default font beside the
  // artwork's: made when the pointer first comes, not on every start.
  if (textInteractionFlags() != Qt::TextSelectableByMouse) {
    setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
}

void SessionReadout::enterEvent(QEnterEvent* event) {
  BecomeSelectable();
  QLabel::enterEvent(event);
}

void SessionReadout::mousePressEvent(QMouseEvent* event) {
  // A press with no enter before it (the pointer already there, or moved there by a
  // program) selects too.
  BecomeSelectable();
  QLabel::mousePressEvent(event);
}

QString SessionReadout::Net(int64_t units) {
  return Signed(units);
}

QString SessionReadout::Text(const vellaro::RealResult::Counts& counts) {
  return QCoreApplication::translate("SessionReadout", "Spins %1  Net %2")
      .arg(counts.spins)
      .arg(Signed(counts.net));
}

QString SessionReadout::Tip(const vellaro::Game& game, const vellaro::RealResult::Counts& counts) {
  QString tip =
      QCoreApplication::translate("SessionReadout", "Net result of the shown bets, from 0: %1 %2")
          .arg(Signed(counts.net), NounText(counts.net, "unit", "units"));
  if (game.BetOnShow()) {
    // The same stake rules as the settlement: the bet on the table, then one more loss.
    const vellaro::LosingRun run = vellaro::NextLosses(
        vellaro::ProgressionOf(game), vellaro::StakeStateOf(game), /*shown_losses=*/2);
    if (run.stakes.size() == 2) {
      tip += QCoreApplication::translate("SessionReadout",
                                         "\nBet on show: %1\nIf it loses, the next stake: %2")
                 .arg(CountText(run.stakes[0], "unit", "units"),
                      CountText(run.stakes[1], "unit", "units"));
    }
  }
  return tip;
}

void SessionReadout::FitFont() {
  // A long evening in a language of long words ("Drehungen 999  Netto -999") is drawn a
  // pixel or two smaller rather than cut: from the caption's size down to the smallest
  // readable one. The word stays the one every other place of the window uses.
  QFont font = CaptionFont();
  const int room = contentsRect().width();
  while (font.pixelSize() > kSmallestReadablePixels &&
         QFontMetrics(font).horizontalAdvance(text_) > room) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  if (font != this->font()) setFont(font);
}

void SessionReadout::Show(const vellaro::Game& game, const vellaro::RealResult::Counts& counts) {
  const QString text = Text(counts);
  if (text != text_) {
    text_ = text;
    setText(text);
    FitFont();
  }
  const QString tip = Tip(game, counts);
  if (tip != tip_) {
    tip_ = tip;
    setToolTip(tip);
  }
}

}  // namespace vellaro::app
