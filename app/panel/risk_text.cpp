#include "app/panel/risk_text.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "app/counted_text.h"
#include "app/panel/panel_numbers.h"
#include "betting/withheld_text.h"
#include "session/limit_cover.h"
#include "session/ruin.h"

namespace vellaro::app {

namespace {

// A line left empty after a paragraph.
constexpr char kParagraphEnd[] = "\n\n";

QString Hundredths(const vellaro::Units37& units) {
  const int64_t h = units.Hundredths();
  const int64_t magnitude = h < 0 ? -h : h;
  // Exact hundredths, not a double rounded: the sign, the whole units, the locale's point.
  return QStringLiteral("%1%2%3%4")
      .arg(h < 0 ? PanelLocale().negativeSign() : QString(), Whole(magnitude / 100),
           PanelLocale().decimalPoint())
      .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString LimitWord(vellaro::LimitKind limit) {
  return QString::fromUtf8(vellaro::LimitName(limit).data(),
                           static_cast<qsizetype>(vellaro::LimitName(limit).size()));
}

// What the bankroll left and the room to the stop-loss pay for, one sentence each. These
// are runs of losses in a row; the chance of being stopped is the exact figure above them.
QString CoverText(const vellaro::RiskInputs& risk, const vellaro::Horizon& horizon) {
  const vellaro::Progression& rules = risk.rules;
  const vellaro::SessionLimits& limits = risk.limits;
  const int64_t net = risk.net;
  QString text;
  for (const vellaro::LimitCover& cover :
       vellaro::CoverOfLimits(rules, risk.state, limits, net, horizon.settled)) {
    const bool bankroll = cover.limit == vellaro::LimitKind::kBankroll;
    text += QLatin1Char('\n');
    text += (bankroll ? QCoreApplication::translate("SessionPanel",
                                                    "Bankroll left: %1 (bankroll %2, net %3). ")
                      : QCoreApplication::translate(
                            "SessionPanel", "Room to the stop-loss: %1 (stop-loss %2, net %3). "))
                .arg(CountText(cover.room, "unit", "units"),
                     Whole(bankroll ? *limits.bankroll : *limits.stop_loss), Whole(net));
    if (cover.room <= 0) {
      text += bankroll ? QCoreApplication::translate("SessionPanel",
                                                     "It is used up: no further bet is shown.")
                       : QCoreApplication::translate(
                             "SessionPanel", "The stop-loss is reached: no further bet is shown.");
      continue;
    }
    const vellaro::Coverage& c = cover.coverage;
    const QString system = QString::fromStdString(risk.system_name);
    if (c.losses == 0) {
      text += QCoreApplication::translate("SessionPanel",
                                          "It does not cover the next shown stake under %1.")
                  .arg(system);
      continue;
    }
    const QString losses = CountText(c.losses, "shown loss", "shown losses");
    text += QCoreApplication::translate("SessionPanel",
                                        "It covers %1 in a row under %2 (%3); a run of %1 in a "
                                        "row somewhere in the next %4 spins: %5.")
                .arg(losses, system, CountText(c.total, "unit", "units"), Whole(horizon.spins),
                     ChancePercent(c.probability));
  }
  return text;
}

// The exact chance that each limit set stops the evening: what "going broke" means.
QString RuinText(const vellaro::RiskInputs& risk, const vellaro::Horizon& horizon) {
  if (!risk.limits.Any()) return {};
  if (risk.withheld) {
    return QCoreApplication::translate("SessionPanel",
                                       "Bet held back \u2014 %1. The evening stops "
                                       "here unless you continue anyway.")
        .arg(QString::fromStdString(vellaro::WithheldReason(*risk.withheld)));
  }
  const std::optional<vellaro::Ruin> ruin = vellaro::RuinOf(risk, horizon);
  if (!ruin) {
    QString why;
    switch (*risk.not_modelled) {
      case vellaro::RuinNotModelled::kAutomaticReset:
        why = QCoreApplication::translate(
            "SessionPanel",
            "BET AUTOMATIC RESET sets the stake from the engine's internal balance");
        break;
      case vellaro::RuinNotModelled::kTrendBehindSafety:
        why = QCoreApplication::translate(
            "SessionPanel", "a trend can put on show a bet that the SAFE LEVEL only tracks");
        break;
      case vellaro::RuinNotModelled::kMatrix:
        why = QCoreApplication::translate(
            "SessionPanel", "the matrix settles a spin it chose no chance for as a loss");
        break;
      case vellaro::RuinNotModelled::kSystemState:
        why = QCoreApplication::translate(
            "SessionPanel",
            "your system keeps a place, line or cycle that the stake alone does not tell");
        break;
    }
    return QCoreApplication::translate("SessionPanel",
                                       "The chance that a limit stops the evening is "
                                       "not worked out: %1, which that "
                                       "computation does not follow.")
        .arg(why);
  }
  QStringList parts;
  int set = 0;
  for (int k = 0; k < vellaro::kLimits; ++k) {
    const auto limit = static_cast<vellaro::LimitKind>(k);
    if (!risk.limits[limit]) continue;
    ++set;
    parts << QStringLiteral("%1 %2").arg(LimitWord(limit),
                                         ChancePercent(ruin->stopped_by[static_cast<size_t>(k)]));
  }
  if (set > 1) {
    parts << QCoreApplication::translate("SessionPanel", "any of them %1")
                 .arg(ChancePercent(ruin->stopped));
  }
  return QCoreApplication::translate("SessionPanel",
                                     "Chance that a limit holds a bet back, and so "
                                     "stops the evening, within the next %1 spins, "
                                     "wins and losses in any order (exact): %2.")
      .arg(Whole(horizon.spins), parts.join(QStringLiteral(", ")));
}

// How likely the losing runs ahead are, after the losses tracked before the first bet.
QString RunChanceText(const vellaro::LosingRun& run, double run_probability,
                      const vellaro::Horizon& horizon) {
  QString text;
  if (run.tracked_losses > 0) {
    text +=
        run.tracked_losses == 1
            ? QCoreApplication::translate("SessionPanel",
                                          "The next loss is tracked without a bet; then:\n")
            : QCoreApplication::translate(
                  "SessionPanel", "The next %1 losses in a row are tracked without a bet; then:\n")
                  .arg(Whole(run.tracked_losses));
  }
  // Two different questions, both asked of the list below: a run of that length anywhere
  // in the horizon, and the next bets losing one after another from now.
  const int64_t next_all_lost = run.tracked_losses + vellaro::kRiskLosses;
  text +=
      QCoreApplication::translate(
          "SessionPanel",
          "Chance of a run of %1 shown losses in a row somewhere in the next %2 spins: %3. "
          "Chance that the next %4 all lose, one after another from now: %5.\n")
          .arg(Whole(vellaro::kRiskLosses), Whole(horizon.spins), ChancePercent(run_probability),
               run.tracked_losses > 0
                   ? QCoreApplication::translate("SessionPanel",
                                                 "%1 recommendations (%2 tracked, then %3 shown)")
                         .arg(Whole(next_all_lost), Whole(run.tracked_losses),
                              Whole(vellaro::kRiskLosses))
                   : QCoreApplication::translate("SessionPanel", "%1 bets")
                         .arg(Whole(vellaro::kRiskLosses)),
               ChancePercent(std::pow(19.0 / 37.0, static_cast<double>(next_all_lost))));
  return text;
}

// The horizon every chance of the tab is for, said once above them.
QString HorizonText(const vellaro::Horizon& horizon) {
  if (horizon.settled == horizon.spins) {
    return QCoreApplication::translate("SessionPanel",
                                       "Every chance below is for the next %1 spins.\n")
        .arg(Whole(horizon.spins));
  }
  return QCoreApplication::translate("SessionPanel",
                                     "Every chance below is for the next %1 spins, which settle "
                                     "%2 bets: the first is recommended after the fifth spin.\n")
      .arg(Whole(horizon.spins), Whole(horizon.settled));
}

// What the next spin and the evening so far are expected to cost.
QString ExpectedLossText(const vellaro::RiskInputs& risk, const vellaro::RiskMeter& meter,
                         const vellaro::RealResult::Counts& counts) {
  QString text;
  if (risk.standing == vellaro::Standing::kShown) {
    text +=
        QCoreApplication::translate(
            "SessionPanel", "Expected loss of the next spin: %1 units (1/37 of the %2 on show). ")
            .arg(Hundredths(vellaro::ExpectedLoss(risk.state.stake)),
                 CountText(risk.state.stake, "unit", "units"));
  } else {
    text += QCoreApplication::translate("SessionPanel",
                                        "No bet is on show: the next spin costs nothing. ");
  }
  return text + QCoreApplication::translate(
                    "SessionPanel",
                    "Expected loss of the session so far: %1 units (1/37 of %2 staked); "
                    "actual result: %3.")
                    .arg(Hundredths(meter.expected_loss_evening),
                         CountText(counts.units_staked, "unit", "units"),
                         CountText(counts.net, "unit", "units"));
}

}  // namespace

RiskTab RiskTabOf(const vellaro::RiskInputs& risk, const vellaro::RealResult::Counts& counts,
                  std::optional<int64_t> past_session) {
  const vellaro::Horizon horizon = vellaro::HorizonOf(risk);
  const vellaro::RiskMeter meter =
      vellaro::MeasureRisk(risk.rules, risk.state, counts.units_staked, std::nullopt, horizon);
  const vellaro::LosingRun& run = meter.next_losses;
  const std::optional<vellaro::RunCut> cut =
      vellaro::WhereLimitsCut(run, risk.limits, risk.net, risk.standing);
  RiskTab tab;
  QString& text = tab.text;
  if (past_session) {
    text += QCoreApplication::translate("SessionPanel", "At the end of session %1: ")
                .arg(*past_session);
  }
  text += QCoreApplication::translate("SessionPanel", "%1, base %2, SAFE LEVEL %3.\n")
              .arg(QString::fromStdString(risk.next.system), Whole(risk.rules.base_unit),
                   Whole(risk.rules.safe_level));
  text += HorizonText(horizon);
  // The chance of a stop first, a paragraph of its own: the runs of losses below are
  // another question, and a figure of theirs read just before it was taken for it.
  if (const QString stop = RuinText(risk, horizon); !stop.isEmpty()) {
    text += stop + QLatin1String(kParagraphEnd);
  }
  text += RunChanceText(run, meter.run_probability, horizon);
  if (cut) {
    text += QCoreApplication::translate(
                "SessionPanel",
                "The %1 holds back the stake of %2 (row %3 of the list): a run of "
                "losses stops the evening there.\n")
                .arg(LimitWord(cut->limit), Whole(run.stakes[cut->at]),
                     Whole(static_cast<int64_t>(cut->at) + 1));
  }
  text += ExpectedLossText(risk, meter, counts);
  text += CoverText(risk, horizon);
  for (size_t at = 0; at < tab.stakes.size(); ++at) {
    const bool placed = at < run.stakes.size() && (!cut || at < cut->at);
    if (placed) tab.stakes[at] = Whole(run.stakes[at]);
    if (placed) tab.totals[at] = Whole(run.totals[at]);
    if (cut && at == cut->at) {
      tab.stakes[at] = QCoreApplication::translate("SessionPanel", "%1: held back (%2)")
                           .arg(Whole(run.stakes[at]), LimitWord(cut->limit));
    }
  }
  return tab;
}

}  // namespace vellaro::app
