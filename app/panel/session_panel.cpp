#include "app/panel/session_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

#include "app/panel/session_chart.h"
#include "app/panel/what_if_table.h"
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
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < table->columnCount(); ++c) table->setItem(r, c, new QTableWidgetItem);
  }
  return table;
}

void Set(QTableWidget* table, int row, int column, const QString& text) {
  QTableWidgetItem* item = table->item(row, column);
  if (item->text() != text) item->setText(text);
}

QString Percent(double share) { return QString::number(100.0 * share, 'f', 2) + QStringLiteral(" %"); }

QString Hundredths(const vellaro::Units37& units) {
  const int64_t h = units.Hundredths();
  const int64_t magnitude = h < 0 ? -h : h;
  return QStringLiteral("%1%2.%3")
      .arg(h < 0 ? QStringLiteral("-") : QString())
      .arg(magnitude / 100)
      .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace

SessionPanel::SessionPanel(const vellaro::Game& game, const vellaro::SessionTrack& track,
                           std::function<vellaro::sim::SessionSpins()> spins, QWidget* parent)
    : SessionPanelWindow(parent, Qt::Window), game_(game), track_(track), spins_(std::move(spins)) {
  setObjectName(QStringLiteral("SessionPanel"));
  setWindowTitle(QStringLiteral("Vellaro — Session"));
  setMinimumSize(600, 400);
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  layout->addWidget(tabs_);

  chart_ = new SessionChart(tabs_);
  tabs_->addTab(chart_, QStringLiteral("Chart"));

  auto* statistics = new QWidget(tabs_);
  auto* statistics_layout = new QVBoxLayout(statistics);
  auto* about = new QLabel(
      QStringLiteral("What chance alone has done so far. Spins are independent: none of this "
                     "predicts the next spin. Each chance is expected %1 of the time.")
          .arg(Percent(vellaro::kExpectedChanceShare)),
      statistics);
  about->setWordWrap(true);
  statistics_layout->addWidget(about);
  QStringList chance_rows;
  for (const std::string_view name : kChanceNames) {
    chance_rows << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  }
  chances_ = NewTable(QStringLiteral("ChanceStatistics"), kChances,
                      {QStringLiteral("Hits"), QStringLiteral("Share"),
                       QStringLiteral("Current run"), QStringLiteral("Longest run"),
                       QStringLiteral("Spins since")},
                      statistics);
  chances_->setVerticalHeaderLabels(chance_rows);
  statistics_layout->addWidget(chances_);
  numbers_ = NewTable(QStringLiteral("NumberStatistics"), vellaro::kWheelPockets,
                      {QStringLiteral("Hits"), QStringLiteral("Spins since")}, statistics);
  QStringList number_rows;
  for (int n = 0; n < vellaro::kWheelPockets; ++n) number_rows << QString::number(n);
  numbers_->setVerticalHeaderLabels(number_rows);
  statistics_layout->addWidget(numbers_, 1);
  zeros_ = new QLabel(statistics);
  zeros_->setObjectName(QStringLiteral("Zeros"));
  statistics_layout->addWidget(zeros_);
  fit_ = new QLabel(statistics);
  fit_->setObjectName(QStringLiteral("FitTest"));
  fit_->setWordWrap(true);
  statistics_layout->addWidget(fit_);
  tabs_->addTab(statistics, QStringLiteral("Chances and numbers"));

  auto* risk = new QWidget(tabs_);
  auto* risk_layout = new QVBoxLayout(risk);
  risk_ = new QLabel(risk);
  risk_->setObjectName(QStringLiteral("RiskMeter"));
  risk_->setWordWrap(true);
  risk_layout->addWidget(risk_);
  risk_table_ = NewTable(QStringLiteral("NextLosses"), vellaro::kRiskLosses,
                         {QStringLiteral("Stake"), QStringLiteral("Lost in total")}, risk);
  risk_layout->addWidget(risk_table_, 1);
  tabs_->addTab(risk, QStringLiteral("Risk"));

  what_if_ = new WhatIfTable(tabs_);
  what_if_->OnDone([this](const WhatIfTable::Lines& lines) {
    std::array<std::vector<int64_t>, vellaro::kBettingSystems> nets;
    for (size_t s = 0; s < lines.size(); ++s) nets[s] = lines[s].net_per_spin;
    chart_->ShowWhatIf(nets);
  });
  tabs_->addTab(what_if_, QStringLiteral("What-if"));

  QSettings settings = PanelSettings();
  restored_place_ = restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
  if (!restored_place_) resize(760, 520);
}

SessionPanel::~SessionPanel() { SaveGeometry(); }

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
  Refresh();
}

void SessionPanel::Refresh() {
  if (track_.version() == shown_version_) return;
  shown_version_ = track_.version();
  chart_->Show(track_.points());
  RefreshStatistics();
  RefreshRisk();
  // The replay runs off the main thread; only the list of spins is copied here.
  if (spins_) what_if_->Request(spins_());
}

void SessionPanel::RefreshStatistics() {
  const vellaro::SpinStatistics& s = track_.statistics();
  for (int k = 0; k < kChances; ++k) {
    const vellaro::ChanceStatistics c = s.chance(k);
    Set(chances_, k, 0, QString::number(c.hits));
    Set(chances_, k, 1, Percent(c.share));
    Set(chances_, k, 2, QString::number(c.current_run));
    Set(chances_, k, 3, QString::number(c.longest_run));
    Set(chances_, k, 4, QString::number(c.since_last));
  }
  for (int n = 0; n < vellaro::kWheelPockets; ++n) {
    const vellaro::NumberStatistics number = s.number(n);
    Set(numbers_, n, 0, QString::number(number.hits));
    Set(numbers_, n, 1, QString::number(number.since_last));
  }
  zeros_->setText(QStringLiteral("Zeros: %1 of %2 spins").arg(s.zeros()).arg(s.spins()));
  if (const std::optional<vellaro::GoodnessOfFit> fit = s.Fit()) {
    fit_->setText(QStringLiteral("Are the 37 numbers as even as a fair wheel leaves them? "
                                 "Chi-square %1 on %2 degrees of freedom, p = %3. %4")
                      .arg(fit->chi_square, 0, 'f', 2)
                      .arg(fit->degrees_of_freedom)
                      .arg(fit->p_value, 0, 'f', 4)
                      .arg(QString::fromStdString(fit->meaning)));
  } else {
    fit_->setText(QStringLiteral("The test of the 37 numbers needs %1 spins (5 per number); "
                                 "before that it would say nothing honest.")
                      .arg(vellaro::kFitMinimumSpins));
  }
}

void SessionPanel::RefreshRisk() {
  const vellaro::Progression rules = vellaro::ProgressionOf(game_);
  const vellaro::StakeState state = vellaro::StakeStateOf(game_);
  const vellaro::RealResult::Counts& counts = track_.result().counts();
  const vellaro::RiskMeter meter = vellaro::MeasureRisk(rules, state, counts.units_staked);
  QString text =
      QStringLiteral("%1, base %2, SAFE LEVEL %3.\n")
          .arg(QLatin1String(kBettingSystemNames[static_cast<size_t>(rules.system)]))
          .arg(rules.base_unit)
          .arg(rules.safe_level);
  if (meter.next_losses.tracked_losses > 0) {
    text += QStringLiteral("The next %1 losses in a row are tracked without a bet; then:\n")
                .arg(meter.next_losses.tracked_losses);
  }
  text += QStringLiteral(
              "Chance of the next %1 shown bets all lost in a row within %2 spins: %3 %.\n"
              "Expected loss of the next spin: %4 units (1/37 of the stake on show). "
              "Expected loss of the session so far: %5 units (1/37 of %6 units staked); "
              "actual result: %7 units.")
              .arg(vellaro::kRiskLosses)
              .arg(vellaro::kRiskSpins)
              .arg(100.0 * meter.run_probability, 0, 'g', 4)
              .arg(Hundredths(meter.expected_loss_next_spin))
              .arg(Hundredths(meter.expected_loss_evening))
              .arg(counts.units_staked)
              .arg(counts.net);
  risk_->setText(text);
  for (int i = 0; i < vellaro::kRiskLosses; ++i) {
    const auto at = static_cast<size_t>(i);
    const bool known = at < meter.next_losses.stakes.size();
    Set(risk_table_, i, 0, known ? QString::number(meter.next_losses.stakes[at]) : QString());
    Set(risk_table_, i, 1, known ? QString::number(meter.next_losses.totals[at]) : QString());
  }
}

}  // namespace vellaro::app
