#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <sstream>

#include "app/fonts.h"
#include "app/main_window.h"
#include "app/panel/journal_reading.h"
#include "app/panel/session_chart.h"
#include "app/panel/session_panel.h"
#include "app/panel/what_if_table.h"
#include "app/panel/wheel_drawing.h"
#include "app/panel/wheel_tab.h"
#include "app/session_readout.h"
#include "front/game.h"
#include "panel_evening.h"
#include "replay/replay.h"
#include "replay/wheel.h"
#include "session/game_risk.h"
#include "session/risk.h"
#include "session/ruin.h"
#include "session/wheel_statistics.h"
#include "temporary_home.h"
#include "tests/support/game_peer.h"
#include "tools/sim/summary.h"

namespace act = vellaro::act;
using vellaro::app::SessionPanel;
using vellaro::app::SessionReadout;
using namespace vellaro::app::testing;

namespace {

vellaro::sim::Summary SimSummary(const vellaro::replay::SessionSpins& spins, int system) {
  const vellaro::replay::ReplayOptions options =
      vellaro::replay::WhatIfOptions(spins, static_cast<vellaro::BettingSystem>(system));
  vellaro::replay::LogSource source(spins.entries);
  vellaro::sim::Summary summary;
  vellaro::replay::Replay(options, source, summary);
  return summary;
}

// The backtester's line of each group, "name: hits 12, share 0.3243, ...", as name -> field
// -> value.
using SimFields = std::map<QString, std::map<QString, QString>>;
SimFields SimWheelLines(const vellaro::sim::Summary& summary) {
  std::ostringstream out;
  summary.Print(out);
  std::istringstream lines(out.str());
  SimFields fields;
  for (std::string line; std::getline(lines, line);) {
    const QString text = QString::fromStdString(line);
    const qsizetype colon = text.indexOf(QStringLiteral(": hits "));
    if (colon < 0) continue;
    for (const QString& field : text.mid(colon + 2).split(QStringLiteral(", "))) {
      const qsizetype value = field.lastIndexOf(QLatin1Char(' '));
      fields[text.left(colon)][field.left(value)] = field.mid(value + 1);
    }
  }
  return fields;
}

// A chance as the panel writes it, three decimals.
QString Three(double p) {
  return p < 0.001 ? QStringLiteral("< 0.001") : QString::number(p, 'f', 3);
}

// The rows of a table wholly in sight.
int RowsInSight(const QTableWidget* table) {
  int seen = 0;
  for (int r = 0; r < table->rowCount(); ++r) {
    const int top = table->rowViewportPosition(r);
    if (top >= 0 && top + table->rowHeight(r) <= table->viewport()->height()) ++seen;
  }
  return seen;
}

// Where an axis draws its ticks, worked out as Qt Charts does from its settings.
QList<qreal> Ticks(const QValueAxis& axis) {
  const bool fixed = axis.tickType() == QValueAxis::TicksFixed;
  const qreal step =
      fixed ? (axis.max() - axis.min()) / (axis.tickCount() - 1) : axis.tickInterval();
  const qreal anchor = fixed ? axis.min() : axis.tickAnchor();
  QList<qreal> ticks;
  for (qreal t = anchor + std::ceil((axis.min() - anchor) / step) * step; t <= axis.max();
       t += step) {
    ticks << t;
  }
  return ticks;
}

// The figures written beside each axis of a chart on screen: the texts of the scene that
// read as a number, below, left and right of the plot area.
struct AxisFigures {
  QStringList below, left, right;
};
AxisFigures FiguresBesideTheAxes(const QChart& chart) {
  static const QRegularExpression kNumber(QStringLiteral("^[-\u2212]?[0-9][0-9.,\u00a0\u202f ]*$"));
  const QRectF plot = chart.mapRectToScene(chart.plotArea());
  AxisFigures figures;
  for (const QGraphicsItem* item : chart.scene()->items()) {
    QString text;
    if (const auto* rich = dynamic_cast<const QGraphicsTextItem*>(item)) text = rich->toPlainText();
    if (const auto* plain = dynamic_cast<const QGraphicsSimpleTextItem*>(item))
      text = plain->text();
    if (!item->isVisible() || !kNumber.match(text.trimmed()).hasMatch()) continue;
    const QRectF at = item->sceneBoundingRect();
    if (at.top() >= plot.bottom() - 1) {
      figures.below << text.trimmed();
    } else if (at.right() <= plot.left() + 1) {
      figures.left << text.trimmed();
    } else if (at.left() >= plot.right() - 1) {
      figures.right << text.trimmed();
    }
  }
  return figures;
}

}  // namespace

class PanelTest : public QObject {
  Q_OBJECT

 private:
  TemporaryHome home_;

  static vellaro::Settings Parlay() {
    vellaro::Settings settings;
    settings.system = vellaro::kParlay;
    settings.base = 5;
    settings.safe_level = 2;
    return settings;
  }

 private slots:
  void initTestCase() {
    home_.Use();
    vellaro::app::InstallFontSubstitutions();
  }

  void whatIfTableEqualsTheBacktestersSummaryOfTheSameSpins() {
    Evening evening(Parlay());
    evening.Play(21, 120);
    SessionPanel panel(evening.game, evening.track, [&evening] { return evening.spins; });
    panel.Refresh();
    panel.what_if()->WaitForIdle();
    QTableWidget* table = panel.what_if()->table();
    for (int s = 0; s < vellaro::kBettingSystems; ++s) {
      const vellaro::sim::Summary summary = SimSummary(evening.spins, s);
      QCOMPARE(Cell(table, s, 1), Figure(summary.counts().result));
      QCOMPARE(Cell(table, s, 2), Figure(summary.highest_stake()));
      QCOMPARE(Cell(table, s, 4), Figure(summary.counts().bets_won));
      QCOMPARE(Cell(table, s, 5), Figure(summary.counts().bets_lost));
    }
    // A list of spins and settings (a past evening) gives the track the live game gave.
    const vellaro::SessionTrack replayed = vellaro::replay::TrackOf(evening.spins);
    QCOMPARE(replayed.points().size(), evening.track.points().size());
    for (size_t i = 0; i < replayed.points().size(); ++i) {
      QCOMPARE(replayed.points()[i].net, evening.track.points()[i].net);
      QCOMPARE(replayed.points()[i].bet_stake, evening.track.points()[i].bet_stake);
    }
    // The line of the system played is the player's own evening.
    const vellaro::RealResult::Counts& real = evening.track.result().counts();
    ExpectLine(table, vellaro::kParlay, real);
  }

  void readoutShowsTheRealNetResultNotTheInternalBalance() {
    Evening evening(Parlay());
    evening.Play(3, 80);
    const vellaro::sim::Summary summary = SimSummary(evening.spins, vellaro::kParlay);
    const vellaro::RealResult::Counts& counts = evening.track.result().counts();
    QCOMPARE(counts.net, summary.counts().result);
    const QString net = summary.counts().result > 0
                            ? QStringLiteral("+%1").arg(summary.counts().result)
                            : QString::number(summary.counts().result);
    SessionReadout readout;
    readout.Show(evening.game, counts);
    QCOMPARE(readout.text(), QStringLiteral("Spins 80  Net ") + net);
    // The internal balance moves from 1,000,000 and also credits tracked wins.
    QVERIFY(
        !readout.text().contains(QString::number(vellaro::GamePeer::State(evening.game).Balance)));
    if (evening.game.BetOnShow()) {
      const vellaro::LosingRun run = vellaro::NextLosses(vellaro::ProgressionOf(evening.game),
                                                         vellaro::StakeStateOf(evening.game), 2);
      QVERIFY(
          readout.toolTip().contains(QStringLiteral("next stake: %1 units").arg(run.stakes[1])));
    }
    // Selectable, to copy the result, from the moment the pointer comes over it.
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&readout, &enter);
    QCOMPARE(readout.textInteractionFlags(), Qt::TextSelectableByMouse);
    QCOMPARE(readout.text(), QStringLiteral("Spins 80  Net ") + net);
    // Or from a press that came without the pointer entering first.
    SessionReadout pressed;
    pressed.Show(evening.game, counts);
    QTest::mousePress(&pressed, Qt::LeftButton);
    QCOMPARE(pressed.textInteractionFlags(), Qt::TextSelectableByMouse);
  }

  void readoutTooltipGivesTheStakeAfterOneMoreLoss() {
    vellaro::Settings settings;  // Martingale, base 1, bets shown from the first loss on
    settings.base = 3;
    Evening evening(settings);
    // Play until a bet is on show after a loss: Martingale doubles it.
    vellaro::replay::Wheel wheel(8);
    for (int i = 0; i < 200 && !(evening.game.BetOnShow() &&
                                 vellaro::GamePeer::State(evening.game).LossStreak > 0);
         ++i) {
      evening.Spin(wheel.Spin());
    }
    QVERIFY(evening.game.BetOnShow());
    const int32_t stake = vellaro::GamePeer::State(evening.game).Stake;
    const QString tip = SessionReadout::Tip(evening.game, evening.track.result().counts());
    QVERIFY2(tip.contains(QStringLiteral("Bet on show: %1 units").arg(stake)), qPrintable(tip));
    QVERIFY2(tip.contains(QStringLiteral("next stake: %1 units").arg(2 * stake)), qPrintable(tip));
  }

  // One of a thing is said in the singular: the readout's tooltip and the risk tab at a
  // stake of 1, a session of one spin in the list.
  void oneUnitOneSpinOneBetAreSingular() {
    Evening evening(vellaro::Settings{});  // Martingale, base 1: the first bet stakes 1
    vellaro::replay::Wheel wheel(2);
    for (int i = 0; i < 100 && !evening.game.BetOnShow(); ++i) evening.Spin(wheel.Spin());
    QVERIFY(evening.game.BetOnShow());
    QCOMPARE(vellaro::GamePeer::State(evening.game).Stake, 1);
    const QString tip = SessionReadout::Tip(evening.game, evening.track.result().counts());
    QVERIFY2(
        tip.contains(QStringLiteral("Bet on show: 1 unit\nIf it loses, the next stake: 2 units")),
        qPrintable(tip));
    SessionPanel panel(evening.game, evening.track, {});
    panel.Refresh();
    QVERIFY2(panel.risk()->text().contains(QStringLiteral("(1/37 of the 1 unit on show)")),
             qPrintable(panel.risk()->text()));
    vellaro::journal::SessionSummary one;
    one.id = 4;
    one.spins = 1;
    one.bets_shown = 1;
    one.net_units = -1;
    QVERIFY(
        vellaro::app::SessionLine(one).endsWith(QStringLiteral("  1 spin  1 bet shown  net -1")));
  }

  void statisticsRiskAndChartFollowTheEvening() {
    Evening evening(Parlay());
    evening.Play(4, 100);
    SessionPanel panel(evening.game, evening.track, {});
    panel.Refresh();
    int red = 0;
    int sevens = 0;
    for (const vellaro::replay::Entry& e : evening.spins.entries) {
      red += (e.number != 0 && vellaro::IsRedNumber(e.number)) ? 1 : 0;
      sevens += e.number == 7 ? 1 : 0;
    }
    QCOMPARE(Cell(panel.chances(), vellaro::kRed, 0), Figure(red));
    QCOMPARE(Cell(panel.numbers(), 7, 0), Figure(sevens));
    // Under 185 spins the test of the pockets says nothing.
    QVERIFY(!panel.fit()->text().contains(QStringLiteral("p =")));
    QVERIFY(panel.fit()->text().contains(QStringLiteral("185")));

    const vellaro::RiskMeter meter = vellaro::MeasureRisk(
        vellaro::ProgressionOf(evening.game), vellaro::StakeStateOf(evening.game),
        evening.track.result().counts().units_staked, std::nullopt,
        vellaro::HorizonOf(vellaro::GamePeer::State(evening.game).SpinCount));
    QVERIFY(panel.risk()->text().contains(QString::number(100.0 * meter.run_probability, 'g', 4)));
    auto* next = panel.findChild<QTableWidget*>(QStringLiteral("NextLosses"));
    QCOMPARE(Cell(next, 9, 1), Figure(meter.next_losses.totals[9]));

    // One point per spin, from 0 before the first, ending at the real net result.
    auto* net = qobject_cast<QLineSeries*>(panel.chart()->chart()->series().first());
    QVERIFY(net != nullptr);
    QCOMPARE(net->count(), 101);
    QCOMPARE(net->at(100).y(), static_cast<qreal>(evening.track.result().counts().net));

    // It follows spin by spin, and from 185 spins on the test speaks.
    evening.Play(5, 100);
    panel.Refresh();
    QCOMPARE(net->count(), 201);
    QVERIFY(panel.fit()->text().contains(QStringLiteral("p =")));
  }

  void riskTabReadsTheLimitsAndTheBetHeldBackFromTheGame() {
    vellaro::Settings settings;  // Martingale, base 1
    Evening evening(settings);
    evening.game.Apply(act::SetLimit{vellaro::LimitKind::kTableMax, 2});
    for (const int n : {1, 2, 3, 4, 5}) evening.Spin(n);
    SessionPanel panel(evening.game, evening.track, {});
    panel.Refresh();
    auto* next = panel.findChild<QTableWidget*>(QStringLiteral("NextLosses"));
    // 1 on show, 2 placed after one loss, 4 held back: nothing larger is listed.
    QCOMPARE(Cell(next, 0, 0), QStringLiteral("1"));
    QCOMPARE(Cell(next, 1, 0), QStringLiteral("2"));
    QCOMPARE(Cell(next, 2, 0), QStringLiteral("4: held back (table maximum)"));
    QCOMPARE(Cell(next, 2, 1), QString());
    QCOMPARE(Cell(next, 3, 0), QString());
    QVERIFY(panel.risk()->text().contains(
        QStringLiteral("Expected loss of the next spin: 0.03 units")));

    // Two zeros: the stake of 4 is held back, as the window's banner says.
    evening.Spin(0);
    evening.Spin(0);
    QVERIFY(evening.game.WithheldBet().has_value());
    QVERIFY(!evening.game.BetOnShow());
    panel.Refresh();
    const QString risk = panel.risk()->text();
    QVERIFY2(!risk.contains(QStringLiteral("Expected loss of the next spin")), qPrintable(risk));
    QVERIFY2(risk.contains(QStringLiteral("No bet is on show: the next spin costs nothing.")),
             qPrintable(risk));
    // Held back, in the words of the summary's line of the next bet, with the banner's reason.
    QVERIFY2(
        risk.contains(QStringLiteral("next bet: 4 units, held back, so no bet is on show and "
                                     "the evening stops here unless the player continues "
                                     "anyway (table maximum of 2 units: the next stake is 4)")),
        qPrintable(risk));
    QCOMPARE(Cell(next, 0, 0), QStringLiteral("4: held back (table maximum)"));
    QCOMPARE(Cell(next, 1, 0), QString());
    QCOMPARE(Cell(next, 1, 1), QString());

    // "Continue anyway": the 4 is on show and the list goes on from it to the next held back.
    evening.game.Apply(act::ContinueAnyway{});
    panel.Refresh();
    QCOMPARE(Cell(next, 0, 0), QStringLiteral("4"));
    QCOMPARE(Cell(next, 1, 0), QStringLiteral("8: held back (table maximum)"));
  }

  void riskTabGivesTheExactChanceOfAStopBesideTheRunFigures() {
    vellaro::Settings settings;
    settings.system = vellaro::kBlind;
    Evening evening(settings);
    evening.game.Apply(act::SetLimit{vellaro::LimitKind::kBankroll, 50});
    SessionPanel panel(evening.game, evening.track, {});
    panel.Refresh();
    const QString risk = panel.risk()->text();
    const vellaro::RiskInputs inputs = vellaro::RiskInputsOf(evening.game);
    const vellaro::RuinOrWhyNot figure = vellaro::RuinOf(inputs, vellaro::HorizonOf(inputs));
    const auto* ruin = std::get_if<vellaro::Ruin>(&figure);
    QVERIFY(ruin != nullptr);
    // 96 recommendations asked after spins 5 to 100 (96.87 %).
    QVERIFY(ruin->stopped > 0.968 && ruin->stopped < 0.969);
    // One horizon, said once: of the next 100 spins from none, spins 6 to 100 settle a bet.
    QVERIFY2(risk.contains(QStringLiteral("Every chance below is for the next 100 spins, which "
                                          "settle 95 bets")),
             qPrintable(risk));
    // The run that the bankroll pays for, as a run in a row among those 95 bets (not 100:
    // 10.74 %), and apart from it the chance of going broke.
    QVERIFY2(risk.contains(QStringLiteral("It covers 9 shown losses in a row under Blind")),
             qPrintable(risk));
    QVERIFY2(risk.contains(QStringLiteral("a run of 9 shown losses in a row somewhere in the next "
                                          "100 spins: %1 %")
                               .arg(100.0 * vellaro::LosingRunProbability(9, 0, 95), 0, 'g', 4)),
             qPrintable(risk));
    // The chance of a stop stands in a paragraph of its own, before the runs' figures.
    const qsizetype stop = risk.indexOf(QStringLiteral("Chance that a limit holds a bet back"));
    const qsizetype runs = risk.indexOf(QStringLiteral("Chance of a run of 10"));
    QVERIFY2(
        stop >= 0 && stop < runs && risk.mid(stop, runs - stop).contains(QStringLiteral("\n\n")),
        qPrintable(risk));
    QVERIFY2(risk.contains(QStringLiteral("stops the evening, within the next 100 spins, wins and "
                                          "losses in any order (exact): bankroll %1 %.")
                               .arg(100.0 * ruin->stopped, 0, 'g', 4)),
             qPrintable(risk));
    QVERIFY2(risk.contains(QStringLiteral("Chance of a run of 10 shown losses in a row somewhere "
                                          "in the next 100 spins")),
             qPrintable(risk));
    QVERIFY2(
        risk.contains(QStringLiteral("Chance that the next 10 bets all lose, one after another "
                                     "from now: 0.1275 %")),
        qPrintable(risk));

    // With BET AUTOMATIC RESET on it says it cannot, rather than print a wrong figure.
    evening.game.Apply(act::ToggleAutomaticReset{});
    panel.Refresh();
    QVERIFY2(
        panel.risk()->text().contains(QStringLiteral("is not worked out: BET AUTOMATIC RESET")),
        qPrintable(panel.risk()->text()));
  }

  // A system the player wrote is named as the window names it, and its own stakes, in
  // their own order, give the figures: Fibonacci's 1 1 2 3 ... never the Martingale's.
  void riskTabNamesAndCountsTheSystemThePlayerWrote() {
    vellaro::Settings settings;
    settings.custom_system =
        "name = Mein Fibonacci\nkind = sequence\nsequence = 1 1 2 3 5 8 13 21 34 55 89 144 233 "
        "377 610 987\non_loss = next\non_win = back 2\nat_end = stay\n";
    settings.limits.bankroll = 1000;
    Evening evening(settings);
    evening.Play(5, 40);
    SessionPanel panel(evening.game, evening.track, {});
    panel.Refresh();
    const QString risk = panel.risk()->text();
    QVERIFY2(risk.startsWith(QStringLiteral("betting system: Mein Fibonacci\n")), qPrintable(risk));
    QVERIFY2(risk.contains(QStringLiteral("\nThe base stake is 1 and the SAFE LEVEL 0.\n")),
             qPrintable(risk));
    QVERIFY2(!risk.contains(QStringLiteral("Martingale")), qPrintable(risk));
    // The run the bankroll left pays for, counted off the list of the system's next stakes.
    const int64_t left = 1000 + evening.track.result().counts().net;
    const vellaro::LosingRun run = vellaro::NextLosses(vellaro::ProgressionOf(evening.game),
                                                       vellaro::StakeStateOf(evening.game), 40);
    int64_t covered = 0;
    while (run.totals[static_cast<size_t>(covered)] <= left) ++covered;
    QVERIFY2(
        risk.contains(
            QStringLiteral("It covers %1 shown losses in a row under Mein Fibonacci").arg(covered)),
        qPrintable(risk));
  }

  // A change of a setting after the last spin is marked at that spin at once, not only
  // when the next spin comes.
  void chartMarksASettingChangedAfterTheLastSpin() {
    Evening evening(Parlay());
    evening.Play(9, 12);
    SessionPanel panel(evening.game, evening.track, {});
    panel.Refresh();
    QScatterSeries* marks = nullptr;
    for (QAbstractSeries* series : panel.chart()->chart()->series()) {
      if (series->name() == QStringLiteral("reset or setting")) {
        marks = qobject_cast<QScatterSeries*>(series);
      }
    }
    QVERIFY(marks != nullptr);
    const auto marked_at_last = [&] {
      for (const QPointF& p : marks->points()) {
        if (p.x() == 12.0) return true;
      }
      return false;
    };
    QVERIFY(!marked_at_last());
    evening.game.Apply(act::SetSafeLevel{3});
    panel.Refresh();
    QVERIFY(marked_at_last());
  }

  // At its first size the six chances show whole, the 37 numbers down the tab's height.
  void tablesFillTheirTabs() {
    Evening evening(Parlay());
    SessionPanel panel(evening.game, evening.track, {});
    panel.resize(760, 520);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.Refresh();
    auto* tabs = panel.findChild<QTabWidget*>();
    tabs->setCurrentIndex(1);
    QCoreApplication::processEvents();
    QCOMPARE(RowsInSight(panel.chances()), vellaro::kChances);
    QVERIFY(RowsInSight(panel.numbers()) >= 12);
    QVERIFY(panel.numbers()->height() >= tabs->currentWidget()->height() * 3 / 4);
  }

  // The spins' axis ticks whole spins only, a handful of them, whatever the evening's
  // length; with the what-if lines on, the legend names each system's line.
  void chartTicksWholeSpinsAndNamesTheWhatIfLines() {
    Evening evening(Parlay());
    SessionPanel panel(evening.game, evening.track, [&evening] { return evening.spins; });
    auto* spins = qobject_cast<QValueAxis*>(panel.chart()->chart()->axes(Qt::Horizontal).first());
    QVERIFY(spins != nullptr);
    auto* shown = panel.chart()->findChild<QComboBox*>(QStringLiteral("ChartWindow"));
    for (const int more : {0, 1, 2, 4, 6, 17, 70, 300, 700}) {
      evening.Play(static_cast<uint64_t>(more), more);
      panel.Refresh();
      for (const int window : {0, 1}) {  // the whole evening, its last 50 spins
        shown->setCurrentIndex(window);
        const QList<qreal> ticks = Ticks(*spins);
        QVERIFY2(ticks.size() >= 2 && ticks.size() <= 11,
                 qPrintable(QString::number(ticks.size())));
        for (const qreal t : ticks) QVERIFY2(t == std::floor(t), qPrintable(QString::number(t)));
        QVERIFY(ticks.first() - spins->min() < ticks[1] - ticks[0]);  // none left out at an end
        QVERIFY(spins->max() - ticks.last() < ticks[1] - ticks[0]);
      }
    }
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.chart()->findChild<QCheckBox*>(QStringLiteral("ChartWhatIf"))->setChecked(true);
    QStringList named;  // the lines drawn that the legend names
    for (QLegendMarker* marker : panel.chart()->chart()->legend()->markers()) {
      if (marker->isVisible() && marker->series()->isVisible()) named << marker->label();
    }
    for (const std::string_view name : vellaro::kBettingSystemNames) {
      QVERIFY2(named.contains(QLatin1String(name)), name.data());
    }
  }

  // Each of the chart's three axes writes its figures beside it, in the person's locale as
  // the tables do, English and German alike; with the what-if lines on as well.
  void chartAxesCarryTheirFigures() {
    Evening evening(Parlay());
    evening.Play(12, 60);
    for (const QLocale::Language language : {QLocale::English, QLocale::German}) {
      QLocale::setDefault(QLocale(language));
      SessionPanel panel(evening.game, evening.track, [&evening] { return evening.spins; });
      panel.resize(900, 600);
      panel.show();
      QVERIFY(QTest::qWaitForWindowExposed(&panel));
      panel.Refresh();
      panel.what_if()->WaitForIdle();
      for (const bool what_if : {false, true}) {
        panel.chart()->findChild<QCheckBox*>(QStringLiteral("ChartWhatIf"))->setChecked(what_if);
        QCoreApplication::processEvents();
        const AxisFigures figures = FiguresBesideTheAxes(*panel.chart()->chart());
        const QString seen =
            QStringLiteral("%1: below %2, left %3, right %4")
                .arg(QLocale(language).name(), figures.below.join(QLatin1Char(' ')),
                     figures.left.join(QLatin1Char(' ')), figures.right.join(QLatin1Char(' ')));
        QVERIFY2(figures.below.size() >= 2 && figures.left.size() >= 2 && figures.right.size() >= 2,
                 qPrintable(seen));
        // The spins' figures are whole and grow from the left: "0 10 20 ...".
        QVERIFY2(figures.below.contains(QStringLiteral("60")), qPrintable(seen));
      }
    }
    QLocale::setDefault(QLocale(QLocale::English));
  }

  // The wheel tab counts the spins the "Chances and numbers" tab counts, with CountWheel,
  // and the backtester's --summary of the same spins prints the same figures, after an
  // undo as before it.
  void wheelTabEqualsCountWheelAndTheBacktestersSummary() {
    Evening evening(Parlay());
    evening.Play(33, 240);
    QVERIFY(evening.game.UndoOffered());
    evening.game.Apply(act::Undo{});
    while (evening.game.AnalysisRunning())
      QVERIFY(evening.scheduler.RunNextTick(evening.scheduler.NowMs() + 86'400'000));
    QCOMPARE(evening.track.statistics().spins(), int64_t{239});
    evening.spins.entries.push_back(
        {evening.spins.entries.size() + 1, vellaro::replay::Entry::kUndo});
    evening.Spin(17);
    SessionPanel panel(evening.game, evening.track, {});
    panel.Refresh();
    const std::vector<int>& spins = evening.track.statistics().list();
    const vellaro::WheelStatistics expected = vellaro::CountWheel(spins);
    const vellaro::sim::Summary summary = SimSummary(evening.spins, vellaro::kParlay);
    QCOMPARE(summary.history(), spins);
    const SimFields sim = SimWheelLines(summary);
    QTableWidget* table = panel.wheel()->groups();
    const size_t groups = expected.groups.size();
    QCOMPARE(sim.size(), groups);
    QCOMPARE(static_cast<size_t>(table->rowCount()), groups);
    for (size_t g = 0; g < groups; ++g) {
      const auto row = static_cast<int>(g);
      const vellaro::GroupCount& count = expected.groups[g];
      const QString name = QString::fromUtf8(count.group->name.data(),
                                             static_cast<qsizetype>(count.group->name.size()));
      QCOMPARE(table->verticalHeaderItem(row)->text(), name);
      const std::map<QString, QString>& line = sim.at(name);
      QCOMPARE(Cell(table, row, 0), Figure(count.hits));
      QCOMPARE(line.at(QStringLiteral("hits")), Cell(table, row, 0));
      QCOMPARE(line.at(QStringLiteral("spins since")), Cell(table, row, 3));
      QCOMPARE(line.at(QStringLiteral("longest absence")), Cell(table, row, 4));
      QCOMPARE(Cell(table, row, 1),
               QString::number(100.0 * line.at(QStringLiteral("share")).toDouble(), 'f', 2) +
                   QStringLiteral(" %"));
      // The chance of the hits, then of the longest absence, each with Holm's beside it.
      const vellaro::FigureCheck& hits = expected.checks[g];
      const vellaro::FigureCheck& away = expected.checks[groups + g];
      QVERIFY(hits.p_value && away.p_value);  // 240 spins: every figure is judged
      QCOMPARE(Cell(table, row, 5), Three(*hits.p_value) + " (" + Three(*hits.corrected) + ")");
      QCOMPARE(Cell(table, row, 6), Three(*away.p_value) + " (" + Three(*away.corrected) + ")");
      QCOMPARE(Three(line.at(QStringLiteral("p of hits")).toDouble()), Three(*hits.p_value));
      QCOMPARE(Three(line.at(QStringLiteral("p of longest absence")).toDouble()),
               Three(*away.p_value));
      QCOMPARE(line.at(QStringLiteral("unusual")) == QStringLiteral("no"),
               Cell(table, row, 7) == QStringLiteral("no"));
    }
    QCOMPARE(panel.wheel()->verdict()->text(), QString::fromStdString(expected.verdict));
    QVERIFY(panel.wheel()->method()->text().contains(QStringLiteral("Holm")));
    // At the panel's first size every row is in sight, under the drawing.
    panel.resize(760, 520);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.findChild<QTabWidget*>()->setCurrentWidget(panel.wheel());
    QCoreApplication::processEvents();
    QCOMPARE(RowsInSight(table), table->rowCount());
    QVERIFY(panel.wheel()->drawing()->height() >= 170);
    // The last number, 17, between its neighbours 25 and 34 on the wheel.
    QVERIFY2(panel.wheel()->neighbours()->text().contains(QStringLiteral("The last number, 17,")),
             qPrintable(panel.wheel()->neighbours()->text()));
    QVERIFY(panel.wheel()->neighbours()->text().contains(
        QRegularExpression(QStringLiteral("25 \\(\\d+ hits?\\), 17 \\(\\d+ hits?\\), 34 "))));
  }

  // Drawn offscreen: pocket k of the wheel's order, clockwise from the zero at the top,
  // shows the shade of its number's hits, darker the more it came, in a rim of its colour.
  void wheelDrawingShadesEachPocketByItsHitsInWheelOrder() {
    vellaro::app::WheelDrawing drawing;
    drawing.resize(320, 320);
    std::array<int64_t, vellaro::kNumbers> hits{};
    for (int n = 0; n < vellaro::kNumbers; ++n) hits[static_cast<size_t>(n)] = n;  // 0 none
    drawing.Show(hits, 7);
    const QImage image = drawing.grab().toImage();
    // The drawing tells only how far out its shades and rim are; the angle of each pocket,
    // clockwise from twelve o'clock, is worked out here.
    const QPointF centre(160, 160);
    const auto at = [&centre](int slot, QPointF radius_from) {
      const double r = std::hypot(radius_from.x() - centre.x(), radius_from.y() - centre.y());
      const double angle = 2 * std::numbers::pi * slot / vellaro::kNumbers;
      return (centre + r * QPointF(std::sin(angle), -std::cos(angle))).toPoint();
    };
    std::array<QColor, vellaro::kNumbers> shade_of;  // by number
    for (int slot = 0; slot < vellaro::kNumbers; ++slot) {
      const int n = vellaro::kWheelOrder[static_cast<size_t>(slot)];
      shade_of[static_cast<size_t>(n)] = image.pixelColor(at(slot, drawing.ShadePoint(0)));
      const QColor rim = image.pixelColor(at(slot, drawing.RimPoint(0)));
      const QColor table = vellaro::app::WheelDrawing::TableColour(n);
      QVERIFY2(std::abs(rim.red() - table.red()) + std::abs(rim.green() - table.green()) < 24,
               qPrintable(QStringLiteral("rim of slot %1").arg(slot)));
    }
    // More hits, darker, number by number: a pocket drawn in another's place breaks it.
    for (int n = 1; n < vellaro::kNumbers; ++n) {
      QVERIFY2(shade_of[static_cast<size_t>(n)].lightness() <
                   shade_of[static_cast<size_t>(n - 1)].lightness(),
               qPrintable(QStringLiteral("number %1").arg(n)));
    }
    QVERIFY(shade_of[36].hslSaturation() > shade_of[0].hslSaturation() + 100);
    QCOMPARE(shade_of[0], vellaro::app::WheelDrawing::Shade(0, 36));

    // Before the first spin every pocket is the same paper white.
    drawing.Show({}, std::nullopt);
    const QImage empty = drawing.grab().toImage();
    for (int slot = 0; slot < vellaro::kNumbers; ++slot) {
      QCOMPARE(empty.pixelColor(at(slot, drawing.ShadePoint(0))), shade_of[0]);
    }
  }

  void remembersItsSizeAndPlace() {
    Evening evening(Parlay());
    {
      SessionPanel panel(evening.game, evening.track, {});
      panel.setGeometry(60, 70, 720, 480);
      panel.show();
      QVERIFY(QTest::qWaitForWindowExposed(&panel));
      panel.hide();
    }
    QVERIFY(QFile::exists(home_.path() + QStringLiteral("/config/vellaro/session-panel.ini")));
    SessionPanel again(evening.game, evening.track, {});
    QCOMPARE(again.size(), QSize(720, 480));
    QCOMPARE(again.windowTitle(), QStringLiteral("Vellaro — Session"));
  }

  void ctrlPTogglesThePanelMadeOnlyWhenFirstOpened() {
    vellaro::app::Guard guard;
    vellaro::app::MainWindow window(guard);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.session_panel() == nullptr);
    window.activateWindow();
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(window.session_panel() != nullptr);
    QVERIFY(window.session_panel()->isVisible());
    QVERIFY(window.session_panel()->width() >= 600 && window.session_panel()->height() >= 400);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(!window.session_panel()->isVisible());
    QCOMPARE(window.session_readout()->text(), QStringLiteral("Spins 0  Net 0"));
  }
};

QTEST_MAIN(PanelTest)
#include "panel_test.moc"
