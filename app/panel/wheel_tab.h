#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "session/wheel_statistics.h"

class QLabel;
class QTableWidget;

namespace vellaro::app {

class WheelDrawing;

// The session panel's "Wheel" tab: the dozens, the columns and the named sectors of the
// evening's spins with their hits, shares and absences, the chance of each figure, Holm's
// verdict over all of them together, the neighbours on the wheel of the last number, and a
// drawing of the wheel shaded by hits. Every figure is CountWheel's; the tab only lays them
// out.
class WheelTab final : public QWidget {
 public:
  // The table's columns.
  enum Column {
    kHits,
    kShare,
    kFairShare,
    kSpinsSince,
    kLongestAway,
    kHitsChance,
    kAwayChance,
    kUnusual,
    kColumnCount
  };

  explicit WheelTab(QWidget* parent = nullptr);

  // The evening's numbers, oldest first: the list the "Chances and numbers" tab counts.
  void Show(const std::vector<int>& spins);

  // A chance as the table writes it, after CountWheel's words: "0.412", "< 0.001".
  static QString ChanceText(double p);
  // A figure's cell: its chance and Holm's beside it, or why there is none.
  static QString CheckText(const vellaro::FigureCheck& check);

  QTableWidget* groups() const { return groups_; }
  QLabel* verdict() const { return verdict_; }
  QLabel* neighbours() const { return neighbours_; }
  QLabel* method() const { return method_; }
  WheelDrawing* drawing() const { return drawing_; }
  const vellaro::WheelStatistics& shown() const { return shown_; }

 private:
  QTableWidget* NewGroupTable();
  void ShowGroup(size_t group);
  void ShowNeighbours(const std::vector<int>& spins);

  vellaro::WheelStatistics shown_;
  QTableWidget* groups_ = nullptr;
  QLabel* verdict_ = nullptr;
  QLabel* neighbours_ = nullptr;
  QLabel* method_ = nullptr;
  WheelDrawing* drawing_ = nullptr;
};

}  // namespace vellaro::app
