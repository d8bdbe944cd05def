#include "app/panel/risk_tab.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/panel/panel_table.h"
#include "session/risk_text.h"

namespace vellaro::app {

RiskTab::RiskTab(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("RiskMeter"));
  text_->setWordWrap(true);
  layout->addWidget(text_);
  next_losses_ = NewPanelTable(QStringLiteral("NextLosses"), vellaro::kRiskLosses,
                               {QCoreApplication::translate("SessionPanel", "Stake"),
                                QCoreApplication::translate("SessionPanel", "Lost in total")},
                               this);
  layout->addWidget(next_losses_, 1);
}

void RiskTab::Show(const vellaro::RiskInputs& risk, const vellaro::RealResult::Counts& counts,
                   std::optional<int64_t> past_session) {
  const vellaro::RiskText said = vellaro::RiskTextOf(risk, counts, past_session);
  text_->setText(QString::fromStdString(said.text));
  for (size_t i = 0; i < said.stakes.size(); ++i) {
    SetCell(next_losses_, static_cast<int>(i), 0, QString::fromStdString(said.stakes[i]));
    SetCell(next_losses_, static_cast<int>(i), 1, QString::fromStdString(said.totals[i]));
  }
}

}  // namespace vellaro::app
