#pragma once

#include <cstdint>
#include <functional>

#include "app/session_panel_window.h"
#include "game/game.h"
#include "session/session_track.h"
#include "tools/sim/what_if.h"

class QLabel;
class QTabWidget;
class QTableWidget;

namespace vellaro::app {

class SessionChart;
class WhatIfTable;

// The window "Vellaro — Session": the evening's chart, the statistics of its chances and
// numbers, the risk meter of the selected system and the what-if of the six systems. It
// reads the game only through its views and the track of its events; what it replays is a
// list of spins and the settings they were played with, so a past evening can be shown the
// same way. Remembers its size and place.
class SessionPanel final : public SessionPanelWindow {
 public:
  // `spins` gives the evening to replay for the what-if when the track has changed.
  SessionPanel(const vellaro::Game& game, const vellaro::SessionTrack& track,
               std::function<vellaro::sim::SessionSpins()> spins, QWidget* parent = nullptr);
  ~SessionPanel() override;

  bool RestoredPlace() const override { return restored_place_; }
  void Refresh() override;

  SessionChart* chart() const { return chart_; }
  WhatIfTable* what_if() const { return what_if_; }
  QTableWidget* chances() const { return chances_; }
  QTableWidget* numbers() const { return numbers_; }
  QLabel* fit() const { return fit_; }
  QLabel* risk() const { return risk_; }

 protected:
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void RefreshStatistics();
  void RefreshRisk();
  void SaveGeometry() const;

  const vellaro::Game& game_;
  const vellaro::SessionTrack& track_;
  std::function<vellaro::sim::SessionSpins()> spins_;
  uint64_t shown_version_ = UINT64_MAX;
  bool restored_place_ = false;
  QTabWidget* tabs_ = nullptr;
  SessionChart* chart_ = nullptr;
  QTableWidget* chances_ = nullptr;
  QTableWidget* numbers_ = nullptr;
  QLabel* zeros_ = nullptr;
  QLabel* fit_ = nullptr;
  QLabel* risk_ = nullptr;
  QTableWidget* risk_table_ = nullptr;
  WhatIfTable* what_if_ = nullptr;
};

}  // namespace vellaro::app
