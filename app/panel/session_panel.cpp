#include "app/panel/session_panel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/panel/evening_saver.h"
#include "app/panel/risk_tab.h"
#include "app/panel/session_chart.h"
#include "app/panel/session_picker.h"
#include "app/panel/statistics_tab.h"
#include "app/panel/what_if_table.h"
#include "app/panel/wheel_tab.h"

namespace vellaro::app {

namespace {

QSettings PanelSettings() {
  // INI in the XDG config folder ($XDG_CONFIG_HOME/vellaro/session-panel.ini).
  return {QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vellaro"),
          QStringLiteral("session-panel")};
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
  auto* top = new QHBoxLayout;
  picker_ = new SessionPicker(journal_path_, this);
  picker_->OnThisEvening([this] { BackToThisEvening(); });
  picker_->OnPast([this](const PastEvening& past) { ShowPast(past); });
  picker_->OnContinue([this](int64_t id) { return ContinueStored(id); });
  top->addWidget(picker_, 1);
  layout->addLayout(top);
  AddTabs();
  layout->addWidget(tabs_);
  saver_ = std::make_unique<EveningSaver>(game_, track_, journal_path_, *picker_, *chart_);
  saver_->AddButtons(*top, *this, *picker_);

  QSettings settings = PanelSettings();
  restored_place_ = restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
  if (!restored_place_) resize(760, 520);
}

// The chart; what chance alone has done with the chances and numbers, and with the dozens,
// columns and sectors; the exact risk of the losses in a row ahead; the same spins under
// each betting system, drawn into the chart as well.
void SessionPanel::AddTabs() {
  tabs_ = new QTabWidget(this);
  chart_ = new SessionChart(tabs_);
  tabs_->addTab(chart_, QCoreApplication::translate("SessionPanel", "Chart"));
  statistics_ = new StatisticsTab(tabs_);
  tabs_->addTab(statistics_, QCoreApplication::translate("SessionPanel", "Chances and numbers"));
  wheel_ = new WheelTab(tabs_);
  tabs_->addTab(wheel_, QCoreApplication::translate("SessionPanel", "Wheel"));
  risk_ = new RiskTab(tabs_);
  tabs_->addTab(risk_, QCoreApplication::translate("SessionPanel", "Risk"));
  what_if_ = new WhatIfTable(tabs_);
  what_if_->OnDone([this](const WhatIfTable::Lines& lines) { chart_->ShowWhatIf(lines); });
  tabs_->addTab(what_if_, QCoreApplication::translate("SessionPanel", "What-if"));
}

SessionPanel::~SessionPanel() {
  SaveGeometry();
}

QTableWidget* SessionPanel::chances() const {
  return statistics_->chances();
}
QTableWidget* SessionPanel::numbers() const {
  return statistics_->numbers();
}
QLabel* SessionPanel::fit() const {
  return statistics_->fit();
}
QLabel* SessionPanel::risk() const {
  return risk_->text();
}
QComboBox* SessionPanel::sessions() const {
  return picker_->sessions();
}
QLabel* SessionPanel::sessions_note() const {
  return picker_->note();
}
QPushButton* SessionPanel::continue_evening() const {
  return picker_->continue_evening();
}

std::optional<int64_t> SessionPanel::past_shown() const {
  const PastEvening* past = picker_->past();
  return past != nullptr ? std::optional<int64_t>(past->id) : std::nullopt;
}

void SessionPanel::ReloadSessions() {
  picker_->ReloadSessions();
}

void SessionPanel::BackToThisEvening() {
  shown_version_ = UINT64_MAX;  // redraw this evening in full
  what_if_->SetNote(QString());
  Refresh();
}

void SessionPanel::ShowPast(const PastEvening& past) {
  ShowEvening(past.evening.track, past.evening.risk);
  what_if_->SetNote(
      QCoreApplication::translate("SessionPanel",
                                  "Session %1's spins replayed under each betting system, "
                                  "its other settings and their changes kept. Shown bets "
                                  "only, from 0. Spins are independent: what a system would "
                                  "have made of past spins says nothing about the next ones.")
          .arg(past.id));
  what_if_->Show(past.what_if);
}

void SessionPanel::WaitForIdle() {
  while (picker_->Busy() || what_if_->Busy()) {
    picker_->WaitForIdle();
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
  if (picker_->past() != nullptr || track_.version() == shown_version_) return;
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
  return saver_->SaveReport(path);
}

QString SessionPanel::SaveChart(const QString& path) const {
  return saver_->SaveChart(path);
}

void SessionPanel::ShowEvening(const vellaro::SessionTrack& track,
                               const vellaro::RiskInputs& risk) {
  chart_->Show(track.points(), track.ChangedSinceLastSpin());
  statistics_->Show(track.statistics());
  wheel_->Show(track.statistics().list());  // the very spins counted there
  const PastEvening* past = picker_->past();
  risk_->Show(risk, track.result().counts(),
              past != nullptr ? std::optional<int64_t>(past->id) : std::nullopt);
}

}  // namespace vellaro::app
