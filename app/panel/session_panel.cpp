#include "app/panel/session_panel.h"

#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <array>

#include "app/counted_text.h"
#include "app/panel/evening_saving.h"
#include "app/panel/panel_numbers.h"
#include "app/panel/risk_text.h"
#include "app/panel/session_chart.h"
#include "app/panel/what_if_table.h"
#include "app/panel/wheel_tab.h"
#include "betting/chance.h"
#include "session/game_risk.h"
#include "session/risk.h"

namespace vellaro::app {

namespace {

QSettings PanelSettings() {
  // INI in the XDG config folder ($XDG_CONFIG_HOME/vellaro/session-panel.ini).
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vellaro"),
                   QStringLiteral("session-panel"));
}

QTableWidget* NewTable(const QString& name, int rows, const QStringList& columns, QWidget* parent) {
  auto* table = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
  table->setObjectName(name);
  table->setHorizontalHeaderLabels(columns);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Each column as wide as its header and cells, whatever the language's words.
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < table->columnCount(); ++c) table->setItem(r, c, new QTableWidgetItem);
  }
  return table;
}

// A short table as tall as its rows, read at a glance without scrolling down; a narrow
// window scrolls it sideways rather than cut a column off.
void ShowEveryRow(QTableWidget* table) {
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Set(QTableWidget* table, int row, int column, const QString& text) {
  QTableWidgetItem* item = table->item(row, column);
  if (item->text() != text) item->setText(text);
}

}  // namespace

SessionPanel::SessionPanel(const vellaro::Game& game, const vellaro::SessionTrack& track,
                           std::function<vellaro::replay::SessionSpins()> spins, QWidget* parent,
                           std::string journal_path)
    : SessionPanelWindow(parent, Qt::Window),
      game_(game),
      track_(track),
      spins_(std::move(spins)),
      journal_path_(std::move(journal_path)) {
  setObjectName(QStringLiteral("SessionPanel"));
  setWindowTitle(QCoreApplication::translate("SessionPanel", "Vellaro — Session"));
  setMinimumSize(600, 400);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(SessionPicker());
  connect(&list_watcher_, &QFutureWatcher<SessionList>::finished, this, [this] { ListRead(); });
  connect(&past_watcher_, &QFutureWatcher<PastEvening>::finished, this, [this] { PastRead(); });
  tabs_ = new QTabWidget(this);
  layout->addWidget(tabs_);
  chart_ = new SessionChart(tabs_);
  tabs_->addTab(chart_, QCoreApplication::translate("SessionPanel", "Chart"));
  AddStatisticsTab();
  AddWheelTab();
  AddRiskTab();
  AddWhatIfTab();

  QSettings settings = PanelSettings();
  restored_place_ = restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
  if (!restored_place_) resize(760, 520);
}

// The picker of the session on show, with "Continue this evening" and its note.
QHBoxLayout* SessionPanel::SessionPicker() {
  auto* picker = new QHBoxLayout;
  picker->addWidget(new QLabel(QCoreApplication::translate("SessionPanel", "Session:"), this));
  sessions_ = new QComboBox(this);
  sessions_->setObjectName(QStringLiteral("StoredSessions"));
  sessions_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  sessions_->setToolTip(
      QCoreApplication::translate("SessionPanel",
                                  "This evening, or a past session from the journal, "
                                  "replayed through the same engine"));
  sessions_->addItem(QCoreApplication::translate("SessionPanel", "This evening"), QVariant());
  picker->addWidget(sessions_);
  continue_ =
      new QPushButton(QCoreApplication::translate("SessionPanel", "Continue this evening"), this);
  continue_->setObjectName(QStringLiteral("ContinueEvening"));
  continue_->setToolTip(QCoreApplication::translate(
      "SessionPanel",
      "Play on with the session on show: it becomes the evening in the main window again, "
      "exactly where it stood, and goes on in the journal as the same session. The evening "
      "in the window now is ended first, after asking."));
  continue_->hide();  // until a past session is on show
  connect(continue_, &QPushButton::clicked, this, [this] { ContinuePast(); });
  picker->addWidget(continue_);
  sessions_note_ = new QLabel(this);
  sessions_note_->setObjectName(QStringLiteral("StoredSessionsNote"));
  sessions_note_->setWordWrap(true);  // a damaged journal's note is a long sentence
  // A count of the stored sessions keeps one line, however little room the row leaves.
  sessions_note_->setMinimumWidth(sessions_note_->fontMetrics().horizontalAdvance(
      QCoreApplication::translate("SessionPanel", "%1 stored sessions.").arg(Whole(99999))));
  picker->addWidget(sessions_note_, 1);
  auto* save_report =
      new QPushButton(QCoreApplication::translate("SessionPanel", "Save report…"), this);
  save_report->setObjectName(QStringLiteral("SaveReport"));
  save_report->setToolTip(
      QCoreApplication::translate("SessionPanel",
                                  "The evening on show as one HTML page with its chart "
                                  "and statistics, as vellaro-sim --report writes it"));
  connect(save_report, &QPushButton::clicked, this, [this] {
    AskAndSave(QCoreApplication::translate("SessionPanel", "Save the report page"),
               QCoreApplication::translate("SessionPanel", "Web page (*.html)"),
               &SessionPanel::SaveReport);
  });
  picker->addWidget(save_report);
  auto* save_chart =
      new QPushButton(QCoreApplication::translate("SessionPanel", "Save chart…"), this);
  save_chart->setObjectName(QStringLiteral("SaveChart"));
  save_chart->setToolTip(
      QCoreApplication::translate("SessionPanel", "The chart as a PNG picture, or as SVG"));
  connect(save_chart, &QPushButton::clicked, this, [this] {
    AskAndSave(
        QCoreApplication::translate("SessionPanel", "Save the chart"),
        QCoreApplication::translate("SessionPanel", "PNG picture (*.png);;SVG picture (*.svg)"),
        &SessionPanel::SaveChart);
  });
  picker->addWidget(save_chart);
  connect(sessions_, &QComboBox::activated, this, [this](int index) { Pick(index); });
  return picker;
}

// What chance alone has done so far: the six chances and the 37 numbers.
void SessionPanel::AddStatisticsTab() {
  auto* statistics = new QWidget(tabs_);
  auto* statistics_layout = new QVBoxLayout(statistics);
  auto* about =
      new QLabel(QCoreApplication::translate(
                     "SessionPanel",
                     "What chance alone has done so far. Spins are independent: none of this "
                     "predicts the next spin. Each chance is expected %1 of the time.")
                     .arg(Percent(vellaro::kExpectedChanceShare)),
                 statistics);
  about->setWordWrap(true);
  statistics_layout->addWidget(about);
  QStringList chance_rows;
  for (int k = 0; k < kChances; ++k) {
    const std::string_view name = vellaro::ChanceDisplayName(k);
    chance_rows << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  }
  chances_ = NewTable(QStringLiteral("ChanceStatistics"), kChances,
                      {QCoreApplication::translate("SessionPanel", "Hits"),
                       QCoreApplication::translate("SessionPanel", "Share"),
                       QCoreApplication::translate("SessionPanel", "Current run"),
                       QCoreApplication::translate("SessionPanel", "Longest run"),
                       QCoreApplication::translate("SessionPanel", "Spins since")},
                      statistics);
  chances_->setVerticalHeaderLabels(chance_rows);
  ShowEveryRow(chances_);
  numbers_ = NewTable(QStringLiteral("NumberStatistics"), vellaro::kWheelPockets,
                      {QCoreApplication::translate("SessionPanel", "Hits"),
                       QCoreApplication::translate("SessionPanel", "Spins since")},
                      statistics);
  QStringList number_rows;
  for (int n = 0; n < vellaro::kWheelPockets; ++n) number_rows << QString::number(n);
  numbers_->setVerticalHeaderLabels(number_rows);
  zeros_ = new QLabel(statistics);
  zeros_->setObjectName(QStringLiteral("Zeros"));
  fit_ = new QLabel(statistics);
  fit_->setObjectName(QStringLiteral("FitTest"));
  fit_->setWordWrap(true);
  // The six chances whole at the left, with the zeros and the test of the numbers under
  // them; the 37 numbers down the whole height at the right. One above the other, the
  // numbers were left a few rows.
  auto* tables = new QHBoxLayout;
  auto* chance_column = new QVBoxLayout;
  chance_column->addWidget(chances_);
  chance_column->addWidget(zeros_);
  chance_column->addWidget(fit_);
  chance_column->addStretch(1);
  tables->addLayout(chance_column, 3);
  tables->addWidget(numbers_, 2);
  statistics_layout->addLayout(tables, 1);
  tabs_->addTab(statistics, QCoreApplication::translate("SessionPanel", "Chances and numbers"));
}

// The dozens, columns and sectors of the same spins, and the wheel drawn.
void SessionPanel::AddWheelTab() {
  wheel_ = new WheelTab(tabs_);
  tabs_->addTab(wheel_, QCoreApplication::translate("SessionPanel", "Wheel"));
}

// The exact risk of the losses in a row ahead.
void SessionPanel::AddRiskTab() {
  auto* risk = new QWidget(tabs_);
  auto* risk_layout = new QVBoxLayout(risk);
  risk_ = new QLabel(risk);
  risk_->setObjectName(QStringLiteral("RiskMeter"));
  risk_->setWordWrap(true);
  risk_layout->addWidget(risk_);
  risk_table_ = NewTable(QStringLiteral("NextLosses"), vellaro::kRiskLosses,
                         {QCoreApplication::translate("SessionPanel", "Stake"),
                          QCoreApplication::translate("SessionPanel", "Lost in total")},
                         risk);
  risk_layout->addWidget(risk_table_, 1);
  tabs_->addTab(risk, QCoreApplication::translate("SessionPanel", "Risk"));
}

// The same spins under each betting system, drawn into the chart as well.
void SessionPanel::AddWhatIfTab() {
  what_if_ = new WhatIfTable(tabs_);
  what_if_->OnDone([this](const WhatIfTable::Lines& lines) { chart_->ShowWhatIf(lines); });
  tabs_->addTab(what_if_, QCoreApplication::translate("SessionPanel", "What-if"));
}

SessionPanel::~SessionPanel() {
  SaveGeometry();
  list_watcher_.waitForFinished();
  past_watcher_.waitForFinished();
}

std::optional<int64_t> SessionPanel::past_shown() const {
  return past_ ? std::optional<int64_t>(past_->id) : std::nullopt;
}

void SessionPanel::ReloadSessions() {
  if (list_watcher_.isRunning()) return;
  list_watcher_.setFuture(
      QtConcurrent::run([path = journal_path_] { return ReadSessionList(path); }));
}

void SessionPanel::ListRead() {
  const SessionList list = list_watcher_.result();
  const QVariant picked = sessions_->currentData();
  const QSignalBlocker quiet(sessions_);
  while (sessions_->count() > 1) sessions_->removeItem(1);
  // Newest first, under "This evening".
  for (auto it = list.sessions.rbegin(); it != list.sessions.rend(); ++it) {
    sessions_->addItem(SessionLine(*it), QVariant::fromValue<qlonglong>(it->id));
  }
  const int again = sessions_->findData(picked);
  sessions_->setCurrentIndex(again >= 0 ? again : 0);
  if (list.missing) {
    sessions_note_->setText(
        QCoreApplication::translate("SessionPanel", "No stored sessions (no journal yet)."));
  } else if (!list.error.empty()) {
    sessions_note_->setText(QString::fromStdString(list.error));
  } else if (list.sessions.empty()) {
    sessions_note_->setText(QCoreApplication::translate("SessionPanel", "No stored sessions."));
  } else {
    sessions_note_->setText(list.sessions.size() == 1
                                ? QCoreApplication::translate("SessionPanel", "1 stored session.")
                                : QCoreApplication::translate("SessionPanel", "%1 stored sessions.")
                                      .arg(Whole(static_cast<int64_t>(list.sessions.size()))));
  }
}

void SessionPanel::Pick(int index) {
  const QVariant id = sessions_->itemData(index);
  if (!id.isValid()) {
    past_.reset();
    continue_->hide();
    shown_version_ = UINT64_MAX;  // redraw this evening in full
    what_if_->SetNote(QString());
    Refresh();
    return;
  }
  sessions_note_->setText(
      QCoreApplication::translate("SessionPanel", "Replaying session %1…").arg(id.toLongLong()));
  past_watcher_.setFuture(QtConcurrent::run(
      [path = journal_path_, id = id.toLongLong()] { return ReadPastEvening(path, id); }));
}

void SessionPanel::PastRead() {
  PastEvening past = past_watcher_.result();
  if (sessions_->currentData() != QVariant::fromValue<qlonglong>(past.id)) return;  // left since
  if (!past.error.empty()) {
    sessions_note_->setText(
        QCoreApplication::translate("SessionPanel", "Session %1 cannot be shown: %2")
            .arg(QString::number(past.id), QString::fromStdString(past.error)));
    // The list goes back to the evening still on show.
    const int shown = past_ ? sessions_->findData(QVariant::fromValue<qlonglong>(past_->id)) : 0;
    sessions_->setCurrentIndex(std::max(shown, 0));
    return;
  }
  sessions_note_->setText(
      QCoreApplication::translate("SessionPanel", "Session %1, replayed from the journal.")
          .arg(past.id));
  past_ = std::move(past);
  continue_->show();
  ShowEvening(past_->evening.track, past_->evening.risk);
  what_if_->SetNote(
      QCoreApplication::translate("SessionPanel",
                                  "Session %1's spins replayed under each betting system, "
                                  "its other settings and their changes kept. Shown bets "
                                  "only, from 0. Spins are independent: what a system would "
                                  "have made of past spins says nothing about the next ones.")
          .arg(past_->id));
  what_if_->Show(past_->what_if);
}

void SessionPanel::ContinuePast() {
  if (!past_) return;
  // The window may end this panel's evening, and with it the panel, once this returns.
  const QString why = ContinueStored(past_->id);
  if (!why.isEmpty()) sessions_note_->setText(why);
}

void SessionPanel::WaitForIdle() {
  while (list_watcher_.isRunning() || past_watcher_.isRunning() || what_if_->Busy()) {
    list_watcher_.waitForFinished();
    past_watcher_.waitForFinished();
    what_if_->WaitForIdle();
  }
  // The watchers report on the event loop.
  QCoreApplication::processEvents();
}

void SessionPanel::SaveGeometry() const {
  QSettings settings = PanelSettings();
  settings.setValue(QStringLiteral("geometry"), saveGeometry());
}

void SessionPanel::hideEvent(QHideEvent* event) {
  SaveGeometry();
  SessionPanelWindow::hideEvent(event);
}

void SessionPanel::showEvent(QShowEvent* event) {
  SessionPanelWindow::showEvent(event);
  ReloadSessions();
  Refresh();
}

void SessionPanel::Refresh() {
  if (past_ || track_.version() == shown_version_) return;
  shown_version_ = track_.version();
  ShowEvening(track_, vellaro::RiskInputsOf(game_));
  // The replay runs off the main thread; only the list of spins is copied here.
  if (spins_) {
    what_if_->Request([path = journal_path_, spins = spins_()] {
      return WhatIfOfThisEvening(path, spins).lines;
    });
  }
}

QString SessionPanel::SaveReport(const QString& path) const {
  if (past_) {
    vellaro::EveningPageText text = vellaro::StoredEveningText("Vellaro", journal_path_, past_->id);
    text.next_bet = vellaro::NextBetLines(past_->evening.risk.next);
    return SaveEveningPage(path, text, past_->evening.track, vellaro::DatabaseFiles(journal_path_));
  }
  const vellaro::EveningPageText text{
      "Vellaro: this evening",
      {"the evening on show in the window, with the options and changes it was played with",
       "house edge: an even-money bet loses 1 unit in 37 (2.70 %) of what is staked, on "
       "average, whatever the system"},
      "",
      vellaro::NextBetLines(vellaro::NextBetOf(game_))};
  return SaveEveningPage(path, text, track_, vellaro::DatabaseFiles(journal_path_));
}

QString SessionPanel::SaveChart(const QString& path) const {
  const vellaro::SessionTrack& track = past_ ? past_->evening.track : track_;
  // The chart alone, without the bar that picks the spins shown.
  QWidget* view = chart_->findChild<QChartView*>();
  return SaveEveningChart(path, track.points(), view != nullptr ? *view : *chart_,
                          vellaro::DatabaseFiles(journal_path_));
}

void SessionPanel::AskAndSave(const QString& title, const QString& filter,
                              QString (SessionPanel::*save)(const QString&) const) {
  const QString path = QFileDialog::getSaveFileName(this, title, QString(), filter);
  if (path.isEmpty()) return;
  const QString why = (this->*save)(path);
  if (!why.isEmpty()) sessions_note_->setText(why);
}

void SessionPanel::ShowEvening(const vellaro::SessionTrack& track,
                               const vellaro::RiskInputs& risk) {
  chart_->Show(track.points(), track.ChangedSinceLastSpin());
  RefreshStatistics(track);
  RefreshRisk(track, risk);
}

void SessionPanel::RefreshStatistics(const vellaro::SessionTrack& track) {
  const vellaro::SpinStatistics& s = track.statistics();
  for (int k = 0; k < kChances; ++k) {
    const vellaro::ChanceStatistics c = s.chance(k);
    Set(chances_, k, 0, Whole(c.hits));
    Set(chances_, k, 1, Percent(c.share));
    Set(chances_, k, 2, Whole(c.current_run));
    Set(chances_, k, 3, Whole(c.longest_run));
    Set(chances_, k, 4, Whole(c.since_last));
  }
  for (int n = 0; n < vellaro::kWheelPockets; ++n) {
    const vellaro::NumberStatistics number = s.number(n);
    Set(numbers_, n, 0, Whole(number.hits));
    Set(numbers_, n, 1, Whole(number.since_last));
  }
  wheel_->Show(s.list());  // the very spins counted above
  zeros_->setText(QCoreApplication::translate("SessionPanel", "Zeros: %1 of %2")
                      .arg(Whole(s.zeros()), CountText(s.spins(), "spin", "spins")));
  if (const std::optional<vellaro::GoodnessOfFit> fit = s.Fit()) {
    fit_->setText(
        QCoreApplication::translate("SessionPanel",
                                    "Are the 37 numbers as even as a fair wheel leaves them? "
                                    "Chi-square %1 on %2 degrees of freedom, p = %3. %4")
            .arg(Decimal(fit->chi_square, 2), Whole(fit->degrees_of_freedom),
                 Decimal(fit->p_value, 4), QString::fromStdString(fit->meaning)));
  } else {
    fit_->setText(
        QCoreApplication::translate("SessionPanel",
                                    "The test of the 37 numbers needs %1 spins (5 per number); "
                                    "before that it would say nothing honest.")
            .arg(Whole(vellaro::kFitMinimumSpins)));
  }
}

void SessionPanel::RefreshRisk(const vellaro::SessionTrack& track,
                               const vellaro::RiskInputs& risk) {
  const RiskTab tab = RiskTabOf(risk, track.result().counts(),
                                past_ ? std::optional<int64_t>(past_->id) : std::nullopt);
  risk_->setText(tab.text);
  for (int i = 0; i < vellaro::kRiskLosses; ++i) {
    Set(risk_table_, i, 0, tab.stakes[static_cast<size_t>(i)]);
    Set(risk_table_, i, 1, tab.totals[static_cast<size_t>(i)]);
  }
}

}  // namespace vellaro::app
