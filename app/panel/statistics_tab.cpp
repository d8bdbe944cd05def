#include "app/panel/statistics_tab.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>
#include <string_view>

#include "app/counted_text.h"
#include "app/panel/panel_numbers.h"
#include "app/panel/panel_table.h"
#include "betting/chance.h"

namespace vellaro::app {

StatisticsTab::StatisticsTab(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  auto* about =
      new QLabel(QCoreApplication::translate(
                     "SessionPanel",
                     "What chance alone has done so far. Spins are independent: none of this "
                     "predicts the next spin. Each chance is expected %1 of the time.")
                     .arg(Percent(vellaro::kExpectedChanceShare)),
                 this);
  about->setWordWrap(true);
  layout->addWidget(about);
  MakeTables();
  zeros_ = new QLabel(this);
  zeros_->setObjectName(QStringLiteral("Zeros"));
  fit_ = new QLabel(this);
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
  layout->addLayout(tables, 1);
}

void StatisticsTab::MakeTables() {
  QStringList chance_rows;
  for (int k = 0; k < kChances; ++k) {
    const std::string_view name = vellaro::ChanceDisplayName(k);
    chance_rows << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  }
  chances_ = NewPanelTable(QStringLiteral("ChanceStatistics"), kChances,
                           {QCoreApplication::translate("SessionPanel", "Hits"),
                            QCoreApplication::translate("SessionPanel", "Share"),
                            QCoreApplication::translate("SessionPanel", "Current run"),
                            QCoreApplication::translate("SessionPanel", "Longest run"),
                            QCoreApplication::translate("SessionPanel", "Spins since")},
                           this);
  chances_->setVerticalHeaderLabels(chance_rows);
  ShowEveryRow(chances_);
  numbers_ = NewPanelTable(QStringLiteral("NumberStatistics"), vellaro::kWheelPockets,
                           {QCoreApplication::translate("SessionPanel", "Hits"),
                            QCoreApplication::translate("SessionPanel", "Spins since")},
                           this);
  QStringList number_rows;
  for (int n = 0; n < vellaro::kWheelPockets; ++n) number_rows << QString::number(n);
  numbers_->setVerticalHeaderLabels(number_rows);
}

void StatisticsTab::Show(const vellaro::SpinStatistics& s) {
  for (int k = 0; k < kChances; ++k) {
    const vellaro::ChanceStatistics c = s.chance(k);
    SetCell(chances_, k, 0, Whole(c.hits));
    SetCell(chances_, k, 1, Percent(c.share));
    SetCell(chances_, k, 2, Whole(c.current_run));
    SetCell(chances_, k, 3, Whole(c.longest_run));
    SetCell(chances_, k, 4, Whole(c.since_last));
  }
  for (int n = 0; n < vellaro::kWheelPockets; ++n) {
    const vellaro::NumberStatistics number = s.number(n);
    SetCell(numbers_, n, 0, Whole(number.hits));
    SetCell(numbers_, n, 1, Whole(number.since_last));
  }
  zeros_->setText(QCoreApplication::translate("SessionPanel", "Zeros: %1 of %2")
                      .arg(Whole(s.zeros()), CountText(s.spins(), "spin", "spins")));
  ShowFit(s);
}

void StatisticsTab::ShowFit(const vellaro::SpinStatistics& s) {
  if (const std::optional<vellaro::GoodnessOfFit> fit = s.Fit()) {
    fit_->setText(
        QCoreApplication::translate("SessionPanel",
                                    "Are the 37 numbers as even as a fair wheel leaves them? "
                                    "Chi-square %1 on %2 degrees of freedom, p = %3. %4")
            .arg(Decimal(fit->chi_square, 2), Whole(fit->degrees_of_freedom),
                 Decimal(fit->p_value, 4), QString::fromStdString(fit->meaning)));
    return;
  }
  fit_->setText(
      QCoreApplication::translate("SessionPanel",
                                  "The test of the 37 numbers needs %1 spins (5 per number); "
                                  "before that it would say nothing honest.")
          .arg(Whole(vellaro::kFitMinimumSpins)));
}

}  // namespace vellaro::app
