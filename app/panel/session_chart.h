#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "app/panel/journal_reading.h"
#include "game/types.h"
#include "session/session_track.h"

class QChart;
class QChartView;
class QComboBox;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QCheckBox;
class QVBoxLayout;

namespace vellaro::app {

// The evening as a chart: the real net result after each spin (line), the stake of each
// shown bet (on the right axis), wins and losses marked on the line, resets and setting
// changes marked below it, and the what-if lines of the six systems; the whole evening or
// its last spins.
class SessionChart final : public QWidget {
 public:
  explicit SessionChart(QWidget* parent = nullptr);

  // `changed_since` marks a reset or setting change after the last spin at that spin: the
  // next spin's point would carry it, and till then it would go unseen.
  void Show(const std::vector<vellaro::TrackPoint>& points, bool changed_since = false);
  // One net result per spin for each system, and for the player's own while the evening
  // played one (its line is hidden otherwise).
  void ShowWhatIf(const WhatIfLines& lines);

  QChart* chart() const { return chart_; }
  int64_t first_spin_shown() const { return first_; }

 private:
  // The parts of the chart, made once.
  QCheckBox* BuildBar(QVBoxLayout& layout);
  void BuildSeries();
  void BuildAxes();
  void Redraw();
  // The six systems' lines over the spins shown, in buckets of `bucket` spins; widens
  // [low, high] to take them in.
  void RedrawWhatIf(int64_t count, int64_t bucket, int64_t& low, int64_t& high);
  // The six systems' lines, and their entries in the legend, shown or hidden.
  void ShowWhatIfLines(bool on);

  QComboBox* window_ = nullptr;
  QChartView* view_ = nullptr;
  QChart* chart_ = nullptr;
  QLineSeries* net_ = nullptr;
  QScatterSeries* stakes_ = nullptr;
  QScatterSeries* wins_ = nullptr;
  QScatterSeries* losses_ = nullptr;
  QScatterSeries* marks_ = nullptr;
  // The six systems' lines, then the player's own system's.
  std::array<QLineSeries*, vellaro::kBettingSystems + 1> what_if_{};
  QValueAxis* spins_axis_ = nullptr;
  QValueAxis* units_axis_ = nullptr;
  QValueAxis* stake_axis_ = nullptr;
  std::vector<vellaro::TrackPoint> points_;
  std::array<std::vector<int64_t>, vellaro::kBettingSystems + 1> what_if_lines_;
  bool changed_since_ = false;
  bool own_line_ = false;  // the evening played a system of the player's
  int64_t first_ = 0;
};

}  // namespace vellaro::app
