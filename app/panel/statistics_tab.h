#pragma once

#include <QWidget>

#include "session/spin_statistics.h"

class QLabel;
class QTableWidget;

namespace vellaro::app {

// The tab "Chances and numbers": what chance alone has done so far with the six chances
// and the 37 numbers, the zeros, and the test of how even the numbers are.
class StatisticsTab final : public QWidget {
 public:
  explicit StatisticsTab(QWidget* parent = nullptr);

  void Show(const vellaro::SpinStatistics& statistics);

  QTableWidget* chances() const { return chances_; }
  QTableWidget* numbers() const { return numbers_; }
  QLabel* fit() const { return fit_; }

 private:
  void MakeTables();
  void ShowFit(const vellaro::SpinStatistics& statistics);

  QTableWidget* chances_ = nullptr;
  QTableWidget* numbers_ = nullptr;
  QLabel* zeros_ = nullptr;
  QLabel* fit_ = nullptr;
};

}  // namespace vellaro::app
