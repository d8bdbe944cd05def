#include "app/announcer.h"

#include <QAccessible>
#include <QCoreApplication>

#include "app/key_stop.h"
#include "app/message_line.h"
#include "game/types.h"

namespace vellaro::app {

Announcer::Announcer(QWidget& window) {
  KeyStop::Reading reading{QAccessible::AlertMessage,
                           QCoreApplication::translate("Announcer", "News"),
                           [this] { return last_; },
                           {},
                           {}};
  // Over the readout, where the same news shows; never in the Tab order.
  alert_ = new KeyStop(&window, QStringLiteral("Announcements"), QRect(16, 62, 417, 13),
                       KeyStop::Shape::kRect, std::move(reading));
  alert_->setFocusPolicy(Qt::NoFocus);
  alert_->setToolTip(QCoreApplication::translate(
      "Announcer",
      "News said as it comes: a bet shown, a limit that holds the next bet back, the journal "
      "gone off."));
}

QString Announcer::BetsShown(const vellaro::GameView& view) {
  QStringList bets;
  for (int k = 0; k < vellaro::kChances; ++k) {
    const vellaro::ChipOnShow chip = view.Chip(k);
    if (!chip.stake_shown) continue;
    const std::string_view chance = vellaro::ChanceDisplayName(k);
    bets << QCoreApplication::translate("Announcer", "Bet %1 on %2")
                .arg(QString::fromStdString(chip.stake),
                     QString::fromUtf8(chance.data(), static_cast<qsizetype>(chance.size())));
  }
  return bets.join(QStringLiteral(", "));
}

void Announcer::Sync(const vellaro::GameView& view, const MessageLine& line,
                     const QString& journal) {
  // Each is said when it comes, not again while it stays, nor when it goes.
  const QString bets = BetsShown(view);
  if (bets_.Changed(bets) && !bets.isEmpty()) Say(bets);
  const QString held_back = line.BannerShown() ? line.BannerText() : QString();
  if (held_back_.Changed(held_back) && !held_back.isEmpty()) Say(held_back);
  if (journal_.Changed(journal) && !journal.isEmpty()) Say(journal);
}

void Announcer::Say(const QString& news) {
  last_ = news;
  alert_->Sync();  // the value changed
  QAccessibleEvent alert(alert_, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace vellaro::app
