#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/panel/journal_reading.h"
#include "app/session_panel_window.h"
#include "front/game.h"
#include "replay/what_if.h"
#include "session/game_risk.h"
#include "session/session_track.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace vellaro::app {

class EveningSaver;
class RiskTab;
class SessionChart;
class SessionPicker;
class StatisticsTab;
class WhatIfTable;
class WheelTab;

// The window "Vellaro — Session": the evening's chart, the statistics of its chances and
// numbers and of its dozens, columns and wheel sectors, the risk meter of the selected system and
// the what-if of the six systems. It reads the game only through its views and the track of its
// events. A list at the top picks a past session from the journal instead, replayed on a worker
// thread through the engine and shown the same way, and "Continue this evening" makes it the
// window's evening again; "This evening" returns to the live one. Remembers its size and place.
// It owns its parts, each with a job of its own (the picker, the tabs, the saving), and
// shows each the evening on show.
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
  QTableWidget* chances() const;
  QTableWidget* numbers() const;
  WheelTab* wheel() const { return wheel_; }
  QLabel* fit() const;
  QLabel* risk() const;
  QComboBox* sessions() const;
  QLabel* sessions_note() const;
  // "Continue this evening", shown with a past session.
  QPushButton* continue_evening() const;
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
  void AddTabs();
  void BackToThisEvening();
  void ShowPast(const PastEvening& past);
  // The evening on show: the live one, or a past one replayed.
  void ShowEvening(const vellaro::SessionTrack& track, const vellaro::RiskInputs& risk);
  void SaveGeometry() const;

  const vellaro::Game& game_;
  const vellaro::SessionTrack& track_;
  std::function<vellaro::replay::SessionSpins()> spins_;
  std::string journal_path_;
  uint64_t shown_version_ = UINT64_MAX;
  bool restored_place_ = false;
  SessionPicker* picker_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  SessionChart* chart_ = nullptr;
  StatisticsTab* statistics_ = nullptr;
  WheelTab* wheel_ = nullptr;
  RiskTab* risk_ = nullptr;
  WhatIfTable* what_if_ = nullptr;
  std::unique_ptr<EveningSaver> saver_;
};

}  // namespace vellaro::app
