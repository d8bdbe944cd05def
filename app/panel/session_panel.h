#pragma once

#include <QFutureWatcher>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/panel/journal_reading.h"
#include "app/session_panel_window.h"
#include "front/game.h"
#include "replay/what_if.h"
#include "session/session_track.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace vellaro::app {

class SessionChart;
class WhatIfTable;
class WheelTab;

// The window "Vellaro — Session": the evening's chart, the statistics of its chances and
// numbers and of its dozens, columns and wheel sectors, the risk meter of the selected system and
// the what-if of the six systems. It reads the game only through its views and the track of its
// events. A list at the top picks a past session from the journal instead, replayed on a worker
// thread through the engine and shown the same way, and "Continue this evening" makes it the
// window's evening again; "This evening" returns to the live one. Remembers its size and place.
class SessionPanel final : public SessionPanelWindow {
 public:
  // `spins` gives the evening to replay for the what-if when the track has changed.
  // The journal is read at `journal_path`, by default where the window writes it.
  SessionPanel(const vellaro::Game& game, const vellaro::SessionTrack& track,
               std::function<vellaro::replay::SessionSpins()> spins, QWidget* parent = nullptr,
               std::string journal_path = JournalPath());
  ~SessionPanel() override;

  bool RestoredPlace() const override { return restored_place_; }
  void Refresh() override;

  SessionChart* chart() const { return chart_; }
  WhatIfTable* what_if() const { return what_if_; }
  QTableWidget* chances() const { return chances_; }
  QTableWidget* numbers() const { return numbers_; }
  WheelTab* wheel() const { return wheel_; }
  QLabel* fit() const { return fit_; }
  QLabel* risk() const { return risk_; }
  QComboBox* sessions() const { return sessions_; }
  QLabel* sessions_note() const { return sessions_note_; }
  // "Continue this evening", shown with a past session.
  QPushButton* continue_evening() const { return continue_; }
  // The id of the past session on show, none for this evening.
  std::optional<int64_t> past_shown() const;

  // The evening on show saved as the report page vellaro-sim writes for it, and its chart
  // (SVG for a name ending in .svg, else PNG); "Save report..." and "Save chart..." ask for
  // the name. Each returns why it could not, or an empty text.
  QString SaveReport(const QString& path) const override;
  QString SaveChart(const QString& path) const;

  // Reads the list of stored sessions again (on a worker thread).
  void ReloadSessions();
  // Waits for every job on a worker thread and for what it shows (tests, the benchmark).
  void WaitForIdle();

 protected:
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The parts the constructor builds, one each.
  QHBoxLayout* SessionPicker();
  void AddStatisticsTab();
  void AddWheelTab();
  void AddRiskTab();
  void AddWhatIfTab();
  // The evening on show: the live one, or a past one replayed.
  void ShowEvening(const vellaro::SessionTrack& track, const vellaro::RiskInputs& risk);
  void RefreshStatistics(const vellaro::SessionTrack& track);
  void RefreshRisk(const vellaro::SessionTrack& track, const vellaro::RiskInputs& risk);
  void SaveGeometry() const;
  void ListRead();
  void Pick(int index);
  void PastRead();
  void ContinuePast();
  // Asks for a file name and saves with `save`, saying in the note what went wrong.
  void AskAndSave(const QString& title, const QString& filter,
                  QString (SessionPanel::*save)(const QString&) const);

  const vellaro::Game& game_;
  const vellaro::SessionTrack& track_;
  std::function<vellaro::replay::SessionSpins()> spins_;
  std::string journal_path_;
  std::optional<PastEvening> past_;  // the past session on show
  QFutureWatcher<SessionList> list_watcher_;
  QFutureWatcher<PastEvening> past_watcher_;
  QComboBox* sessions_ = nullptr;
  QLabel* sessions_note_ = nullptr;
  QPushButton* continue_ = nullptr;
  uint64_t shown_version_ = UINT64_MAX;
  bool restored_place_ = false;
  QTabWidget* tabs_ = nullptr;
  SessionChart* chart_ = nullptr;
  QTableWidget* chances_ = nullptr;
  QTableWidget* numbers_ = nullptr;
  QLabel* zeros_ = nullptr;
  QLabel* fit_ = nullptr;
  WheelTab* wheel_ = nullptr;
  QLabel* risk_ = nullptr;
  QTableWidget* risk_table_ = nullptr;
  WhatIfTable* what_if_ = nullptr;
};

}  // namespace vellaro::app
