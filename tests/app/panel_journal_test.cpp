// The session panel and the journal: the list of past sessions, a past session picked and
// shown through the engine, the live what-if replayed from the journal with the evening's
// changes of setting, and the risk meter's cover of a bankroll and a stop-loss.

#include <unistd.h>

#include <QChart>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sstream>

#include "app/panel/journal_reading.h"
#include "app/panel/session_chart.h"
#include "app/panel/session_panel.h"
#include "app/panel/what_if_table.h"
#include "journal/sqlite.h"
#include "panel_evening.h"
#include "replay/wheel.h"
#include "session/game_risk.h"
#include "session/limit_cover.h"
#include "support/journaled_game.h"
#include "support/not_regular_files.h"
#include "temporary_home.h"
#include "tools/sim/app.h"

namespace act = vellaro::act;
using namespace vellaro::app::testing;
using vellaro::app::SessionPanel;

namespace {

// A journaled evening with the panel's track following it, and the spins the window hands
// the panel: the settings of its first spin and the numbers in the history.
struct JournaledEvening {
  JournaledEvening(const std::string& path, const vellaro::Settings& settings)
      : g(path, settings), first(settings) {
    g.h.game.AddListener([this](const vellaro::GameEvent& e) { track.On(e); });
  }
  void Play(uint64_t seed, int count) {
    vellaro::replay::Wheel wheel(seed);
    for (int i = 0; i < count; ++i) {
      g.h.Wait(1'500);
      g.h.Spin(wheel.Spin());
    }
  }
  vellaro::replay::SessionSpins Spins() const {
    vellaro::replay::SessionSpins spins;
    spins.settings = first;
    for (size_t i = 0; i < track.points().size(); ++i) {
      spins.entries.push_back({i + 1, track.points()[i].number});
    }
    return spins;
  }
  vellaro::testing::JournaledGame g;
  vellaro::Settings first;
  vellaro::SessionTrack track;
};

}  // namespace

class PanelJournalTest : public QObject {
  Q_OBJECT

 private:
  TemporaryHome home_;
  std::string journal_;

 private slots:
  void initTestCase() {
    home_.Use();
    QVERIFY(QDir().mkpath(home_.path() + QStringLiteral("/data/vellaro")));
    journal_ = vellaro::app::JournalPath();
    QCOMPARE(QString::fromStdString(journal_),
             home_.path() + QStringLiteral("/data/vellaro/journal.sqlite"));
  }

  void withoutAJournalTheListSaysThereAreNoStoredSessions() {
    JournaledEvening unused(home_.path().toStdString() + "/elsewhere.sqlite", {});
    SessionPanel panel(unused.g.h.game, unused.track, {});
    panel.ReloadSessions();
    panel.WaitForIdle();
    QCOMPARE(panel.sessions()->count(), 1);
    QCOMPARE(panel.sessions()->itemText(0), QStringLiteral("This evening"));
    QVERIFY2(panel.sessions_note()->text().contains(QStringLiteral("No stored sessions")),
             qPrintable(panel.sessions_note()->text()));
    // A file that is no journal is said so, not taken for an empty one.
    const std::string garbage = home_.path().toStdString() + "/garbage.sqlite";
    WriteFile(QString::fromStdString(garbage), QByteArray(4096, 'x'));
    const vellaro::app::SessionList list = vellaro::app::ReadSessionList(garbage);
    QVERIFY(!list.missing);
    QVERIFY(!list.error.empty());
    QVERIFY(!vellaro::app::ReadPastEvening(garbage, 1).error.empty());
  }

  void thisEveningsWhatIfKeepsItsChangesOfSettingAndItsDraws() {
    vellaro::Settings start;
    start.system = vellaro::kMartingale;
    start.base = 2;
    start.safe_level = 1;
    start.mode = vellaro::Mode::kSmart;
    JournaledEvening evening(journal_, start);
    evening.Play(31, 40);
    evening.g.h.game.Apply(act::TypeBaseStake{"5"});
    evening.g.h.game.Apply(act::LeaveBaseStake{});
    evening.g.h.game.Apply(act::SetSafeLevel{0});
    evening.Play(32, 40);
    SessionPanel panel(evening.g.h.game, evening.track, [&evening] { return evening.Spins(); });
    panel.Refresh();
    panel.WaitForIdle();
    // The line of the system played is the evening itself, which the spins with the first
    // spin's settings alone would not give.
    const vellaro::RealResult::Counts& real = evening.track.result().counts();
    ExpectLine(panel.what_if()->table(), vellaro::kMartingale, real);
    const auto guessed = vellaro::replay::ReplayUnder(evening.Spins(), vellaro::kMartingale);
    QVERIFY(guessed.counts.net != real.net || guessed.counts.bets_won != real.bets_won);
  }

  void aPastSessionIsPickedShownAndLeft() {
    // The previous test's evening is session 1 of the journal. Session 2, with a bankroll
    // set mid-evening:
    vellaro::Settings parlay;
    parlay.system = vellaro::kParlay;
    parlay.base = 3;
    JournaledEvening second(journal_, parlay);
    second.Play(41, 30);
    second.g.h.game.Apply(act::SetLimit{vellaro::LimitKind::kBankroll, 400});
    second.Play(42, 20);
    const vellaro::SessionTrack second_track = second.track;
    const vellaro::RealResult::Counts second_counts = second.g.result.counts();

    // This evening is another game, not journaled: its what-if falls back to its spins.
    vellaro::Settings live_settings;
    JournaledEvening live(home_.path().toStdString() + "/live.sqlite", live_settings);
    live.Play(43, 12);
    SessionPanel panel(live.g.h.game, live.track, [&live] { return live.Spins(); });
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.WaitForIdle();
    QCOMPARE(panel.sessions()->count(), 3);
    QCOMPARE(panel.sessions_note()->text(), QStringLiteral("2 stored sessions."));
    QVERIFY2(panel.sessions()->itemText(1).startsWith(QStringLiteral("2  ")),
             qPrintable(panel.sessions()->itemText(1)));
    QVERIFY(panel.sessions()->itemText(1).contains(QStringLiteral("50 spins")));
    const QString net = second_counts.net > 0 ? QStringLiteral("+") + Figure(second_counts.net)
                                              : Figure(second_counts.net);
    QVERIFY(panel.sessions()->itemText(1).endsWith(QStringLiteral("net ") + net));
    const auto live_lines = vellaro::replay::WhatIf(live.Spins());
    for (int s = 0; s < vellaro::kBettingSystems; ++s) {
      ExpectLine(panel.what_if()->table(), s, live_lines[static_cast<size_t>(s)].counts);
    }

    // A session the journal does not hold gives a reason instead of an evening.
    QVERIFY(!vellaro::app::ReadPastEvening(journal_, 99).error.empty());

    // "Continue this evening" asks the window for the session on show, and says why not.
    QVERIFY(panel.continue_evening()->isHidden());
    std::vector<int64_t> continued;
    panel.SetContinueEvening([&continued](int64_t id) {
      continued.push_back(id);
      return QStringLiteral("Session %1 cannot be continued: it is damaged.").arg(id);
    });

    panel.sessions()->setCurrentIndex(1);
    emit panel.sessions()->activated(1);
    panel.WaitForIdle();
    QCOMPARE(panel.past_shown(), std::optional<int64_t>(2));
    QVERIFY(!panel.continue_evening()->isHidden());
    panel.continue_evening()->click();
    QCOMPARE(continued, std::vector<int64_t>{2});
    QCOMPARE(panel.sessions_note()->text(),
             QStringLiteral("Session 2 cannot be continued: it is damaged."));
    auto* net_line = qobject_cast<QLineSeries*>(panel.chart()->chart()->series().first());
    QCOMPARE(net_line->count(), 51);
    QCOMPARE(net_line->at(50).y(), static_cast<qreal>(second_counts.net));
    QCOMPARE(Cell(panel.chances(), vellaro::kRed, 0),
             Figure(second_track.statistics().chance(vellaro::kRed).hits));
    ExpectLine(panel.what_if()->table(), vellaro::kParlay, second_counts);
    // Its risk meter is that of its end, the bankroll it was left with included.
    const vellaro::RiskInputs end = vellaro::RiskInputsOf(second.g.h.game);
    const auto covers = vellaro::CoverOfLimits(end.rules, end.state, end.limits, second_counts.net);
    QCOMPARE(covers.size(), size_t{1});
    const QString risk = panel.risk()->text();
    QVERIFY2(risk.startsWith(QStringLiteral("At the end of session 2")), qPrintable(risk));
    QVERIFY2(risk.contains(QStringLiteral("Bankroll left: %1 units").arg(covers[0].room)),
             qPrintable(risk));
    QVERIFY2(risk.contains(QStringLiteral("covers %1 shown loss").arg(covers[0].coverage.losses)),
             qPrintable(risk));

    // Saved, the evening on show is the page vellaro-sim writes for the same stored session,
    // but for the name of the program in its title; the chart as SVG is the page's chart,
    // drawn by the same code from the same track.
    const QString saved = home_.path() + QStringLiteral("/panel.html");
    QCOMPARE(panel.SaveReport(saved), QString());
    const std::string sim_page = home_.path().toStdString() + "/sim.html";
    std::istringstream no_input;
    std::ostringstream sim_out, sim_err;
    QCOMPARE(vellaro::sim::RunSim({"--journal", journal_, "--session", "2", "--report", sim_page},
                                  no_input, sim_out, sim_err, vellaro::sim::Host{}),
             0);
    std::string expected = ReadFile(QString::fromStdString(sim_page)).toStdString();
    for (size_t at; (at = expected.find("vellaro-sim: session 2")) != std::string::npos;) {
      expected.replace(at, std::string("vellaro-sim").size(), "Vellaro");
    }
    QVERIFY(expected.find("<h1>Vellaro: session 2 of ") != std::string::npos);
    QVERIFY(ReadFile(saved).toStdString() == expected);
    const QString svg = home_.path() + QStringLiteral("/chart.svg");
    QCOMPARE(panel.SaveChart(svg), QString());
    const std::string chart_svg = ReadFile(svg).toStdString();
    QVERIFY(chart_svg.rfind("<svg", 0) == 0);
    QVERIFY(expected.find(chart_svg) != std::string::npos);
    const QString png = home_.path() + QStringLiteral("/chart.png");
    QCOMPARE(panel.SaveChart(png), QString());
    QVERIFY(!QImage(png).isNull());
    QVERIFY(!panel.SaveChart(home_.path() + QStringLiteral("/no/such/folder.svg")).isEmpty());

    // The live game goes on meanwhile; the past session stays on show until left.
    live.Play(44, 3);
    panel.Refresh();
    QCOMPARE(net_line->count(), 51);
    panel.sessions()->setCurrentIndex(0);
    emit panel.sessions()->activated(0);
    panel.WaitForIdle();
    QCOMPARE(panel.past_shown(), std::nullopt);
    QVERIFY(panel.continue_evening()->isHidden());  // this evening goes on anyway
    QCOMPARE(net_line->count(), 16);
    QVERIFY(!panel.risk()->text().startsWith(QStringLiteral("At the end")));
  }

  void aDamagedJournalIsNamedAndWhatStillReadsIsListed() {
    // The evenings of the two tests above are sessions 1 and 2; session 1's events are
    // made unreadable.
    {
      vellaro::journal::Database db(journal_, vellaro::journal::Database::Access::kReadWrite);
      db.Exec("UPDATE event_blocks SET events = x'6300' WHERE session_id = 1");
    }
    JournaledEvening live(home_.path().toStdString() + "/live-2.sqlite", {});
    SessionPanel panel(live.g.h.game, live.track, {});
    panel.ReloadSessions();
    panel.WaitForIdle();
    QCOMPARE(panel.sessions()->count(), 2);
    QVERIFY2(panel.sessions()->itemText(1).startsWith(QStringLiteral("2  ")),
             qPrintable(panel.sessions()->itemText(1)));
    const QString note = panel.sessions_note()->text();
    QVERIFY2(note.startsWith(QString::fromStdString(journal_) +
                             QStringLiteral(": the journal is damaged (session 1 has a damaged "
                                            "block of events at 1: ")),
             qPrintable(note));
    QVERIFY2(note.endsWith(QStringLiteral("; session 2 still reads; 1 does not. The sessions "
                                          "that still read are listed.")),
             qPrintable(note));
    const std::string past = vellaro::app::ReadPastEvening(journal_, 1).error;
    QVERIFY2(past.rfind(journal_ + ": the journal is damaged (", 0) == 0, past.c_str());
    QVERIFY(vellaro::app::ReadPastEvening(journal_, 2).error.empty());
  }

  void theRiskMeterSaysWhatTheRoomToTheStopLossCovers() {
    vellaro::Settings martingale;
    martingale.base = 1;
    JournaledEvening evening(home_.path().toStdString() + "/risk.sqlite", martingale);
    evening.g.h.game.Apply(act::SetLimit{vellaro::LimitKind::kStopLoss, 60});
    evening.Play(5, 30);
    SessionPanel panel(evening.g.h.game, evening.track, {});
    panel.Refresh();
    const vellaro::RiskInputs now = vellaro::RiskInputsOf(evening.g.h.game);
    const int64_t net = evening.track.result().counts().net;
    const auto covers = vellaro::CoverOfLimits(now.rules, now.state, now.limits, net);
    QCOMPARE(covers.size(), size_t{1});
    QCOMPARE(covers[0].room, 60 + net);
    const QString risk = panel.risk()->text();
    QVERIFY2(risk.contains(QStringLiteral("Room to the stop-loss: %1 units").arg(60 + net)),
             qPrintable(risk));
    QVERIFY2(risk.contains(QStringLiteral("covers %1 shown loss").arg(covers[0].coverage.losses)),
             qPrintable(risk));
    QVERIFY(risk.contains(QString::number(100.0 * covers[0].coverage.probability, 'g', 4)));
    QVERIFY(!risk.contains(QStringLiteral("Bankroll left")));
  }

  // An evening played under a system of the player's: the what-if's seventh row and the
  // chart's seventh line bear its name, and its row is the evening itself, as the six
  // built-in systems' rows are theirs.
  void aPlayersOwnSystemHasItsRowInTheWhatIf() {
    vellaro::Settings own;
    own.custom_system =
        "name = Double and one\nkind = multiply\non_loss = times 2 plus 1\non_win = reset\n";
    own.base = 2;
    JournaledEvening evening(home_.path().toStdString() + "/own.sqlite", own);
    QVERIFY(evening.g.h.game.SelectedCustomSystem() != nullptr);
    evening.Play(51, 40);
    SessionPanel panel(evening.g.h.game, evening.track, [&evening] { return evening.Spins(); });
    panel.Refresh();
    panel.WaitForIdle();
    QTableWidget* table = panel.what_if()->table();
    QVERIFY(!table->isRowHidden(vellaro::kBettingSystems));
    QCOMPARE(Cell(table, vellaro::kBettingSystems, 0), QStringLiteral("Double and one"));
    const vellaro::RealResult::Counts& real = evening.track.result().counts();
    QVERIFY(real.highest_stake > 2 * own.base);  // a progression ran: the rows can differ
    ExpectLine(table, vellaro::kBettingSystems, real);
    const auto martingale = vellaro::replay::ReplayUnder(evening.Spins(), vellaro::kMartingale);
    ExpectLine(table, vellaro::kMartingale, martingale.counts);
    QVERIFY(martingale.counts.highest_stake != real.highest_stake);
    bool named = false;
    for (QAbstractSeries* series : panel.chart()->chart()->series()) {
      named = named || series->name() == QStringLiteral("Double and one");
    }
    QVERIFY(named);

    // An evening of a built-in system has no seventh row.
    JournaledEvening built_in(home_.path().toStdString() + "/built_in.sqlite", {});
    built_in.Play(52, 10);
    SessionPanel other(built_in.g.h.game, built_in.track, [&built_in] { return built_in.Spins(); });
    other.Refresh();
    other.WaitForIdle();
    QVERIFY(other.what_if()->table()->isRowHidden(vellaro::kBettingSystems));
  }

  // The page and the chart, as a page or a picture, never go over the journal, whatever the
  // name the player gives it; into a pipe they go as a stream, and it stays a pipe.
  void theSavesNeverGoOverTheJournalAndGoIntoAPipe() {
    JournaledEvening evening(journal_, {});
    evening.Play(7, 12);
    SessionPanel panel(evening.g.h.game, evening.track, [&evening] { return evening.Spins(); });
    panel.Refresh();
    panel.WaitForIdle();
    const QString journal = QString::fromStdString(journal_);
    const QString link = home_.path() + QStringLiteral("/journal-link.png");
    QVERIFY2(::symlink(journal_.c_str(), QFile::encodeName(link).constData()) == 0,
             std::strerror(errno));
    const std::string before = ReadFile(journal).toStdString();
    for (const QString& name : {journal, link}) {
      for (const QString& why : {panel.SaveChart(name), panel.SaveReport(name)}) {
        QVERIFY2(why.contains(QStringLiteral("which this program reads")), qPrintable(why));
      }
    }
    QCOMPARE(ReadFile(journal).toStdString(), before);

    const std::string pipe = home_.path().toStdString() + "/pipe-chart.svg";
    QVERIFY(vellaro::testing::MakePipe(pipe));
    vellaro::testing::PipeReader reader(pipe);
    QCOMPARE(panel.SaveChart(QString::fromStdString(pipe)), QString());
    QVERIFY(reader.Drain().find("<svg") != std::string::npos);
    QCOMPARE(vellaro::testing::KindOf(pipe), std::string("pipe"));
  }
};

QTEST_MAIN(PanelJournalTest)
#include "panel_journal_test.moc"
