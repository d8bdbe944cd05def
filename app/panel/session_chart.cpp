#include "app/panel/session_chart.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <climits>

#include "app/panel/panel_numbers.h"

namespace vellaro::app {

namespace {

// What the "Spins shown" box offers; 0 is the whole evening.
constexpr std::array<int, 4> kWindows = {0, 50, 100, 200};
// The axes' figures: whole numbers. Figures written in the person's locale
// (setLocalizeNumbers) take only a format with a precision, "%.<n><letter>"; with a plain
// "%d" Qt Charts wrote no figure at all on any axis.
constexpr char kWholeFigures[] = "%.0f";
// The most spins drawn one by one; see Redraw.
constexpr int64_t kMostBuckets = 200;

QScatterSeries* Markers(const QString& name, QColor colour, QScatterSeries::MarkerShape shape,
                        qreal size) {
  auto* series = new QScatterSeries;
  series->setName(name);
  series->setColor(colour);
  series->setBorderColor(colour);
  series->setMarkerShape(shape);
  series->setMarkerSize(size);
  return series;
}

// The step between the ticks of the spins: a whole number of spins, 1, 2 or 5 times a
// power of ten, the smallest that leaves at most 10 steps over `span` spins.
int64_t SpinStep(int64_t span) {
  for (int64_t power = 1;; power *= 10) {
    for (const int64_t factor : {1, 2, 5}) {
      if (span <= 10 * factor * power) return factor * power;
    }
  }
}

}  // namespace

SessionChart::SessionChart(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  QCheckBox* what_if = BuildBar(*layout);
  chart_ = new QChart;
  chart_->setTitle(
      QCoreApplication::translate("SessionChart", "Net result of the shown bets, from 0 (units)"));
  // The axes' figures in the person's locale, as the tables have them.
  chart_->setLocalizeNumbers(true);
  chart_->setLocale(PanelLocale());
  BuildSeries();
  BuildAxes();
  ShowWhatIfLines(false);
  connect(what_if, &QCheckBox::toggled, this, [this](bool on) {
    ShowWhatIfLines(on);
    Redraw();
  });

  view_ = new QChartView(chart_, this);
  view_->setObjectName(QStringLiteral("SessionChartView"));
  view_->setRenderHint(QPainter::Antialiasing);
  layout->addWidget(view_, 1);
  connect(window_, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
}

QCheckBox* SessionChart::BuildBar(QVBoxLayout& layout) {
  auto* bar = new QHBoxLayout;
  bar->addWidget(new QLabel(QCoreApplication::translate("SessionChart", "Spins shown:"), this));
  window_ = new QComboBox(this);
  window_->setObjectName(QStringLiteral("ChartWindow"));
  for (const int n : kWindows) {
    window_->addItem(
        n == 0 ? QCoreApplication::translate("SessionChart", "the whole session")
               : QCoreApplication::translate("SessionChart", "the last %1").arg(Whole(n)));
  }
  bar->addWidget(window_);
  bar->addStretch();
  layout.addLayout(bar);
  // A row of its own: in some languages it is as long as the bar above.
  auto* lines = new QHBoxLayout;
  auto* what_if =
      new QCheckBox(QCoreApplication::translate(
                        "SessionChart", "what-if lines of the systems (dashed; yours solid)"),
                    this);
  what_if->setObjectName(QStringLiteral("ChartWhatIf"));
  lines->addWidget(what_if);
  lines->addStretch();
  layout.addLayout(lines);
  return what_if;
}

void SessionChart::BuildSeries() {
  net_ = new QLineSeries;
  net_->setName(QCoreApplication::translate("SessionChart", "net result"));
  stakes_ = Markers(QCoreApplication::translate("SessionChart", "stake (right axis)"),
                    QColor(120, 120, 220), QScatterSeries::MarkerShapeRectangle, 5);
  wins_ = Markers(QCoreApplication::translate("SessionChart", "won"), QColor(30, 150, 30),
                  QScatterSeries::MarkerShapeCircle, 7);
  losses_ = Markers(QCoreApplication::translate("SessionChart", "lost"), QColor(200, 30, 30),
                    QScatterSeries::MarkerShapeCircle, 7);
  marks_ = Markers(QCoreApplication::translate("SessionChart", "reset or setting"),
                   QColor(210, 159, 4), QScatterSeries::MarkerShapeTriangle, 9);
  static constexpr std::array<QColor, kBettingSystems> kSystemColours = {
      QColor(160, 60, 60), QColor(60, 140, 60),   QColor(60, 60, 160),
      QColor(150, 90, 20), QColor(100, 100, 100), QColor(140, 40, 140)};
  for (int s = 0; s < kBettingSystems; ++s) {
    auto* line = new QLineSeries;
    line->setName(QLatin1String(kBettingSystemNames[static_cast<size_t>(s)]));
    QPen pen(kSystemColours[static_cast<size_t>(s)]);
    pen.setStyle(Qt::DashLine);
    line->setPen(pen);
    what_if_[static_cast<size_t>(s)] = line;
  }
  // The player's own system: a solid line, its name set when known.
  auto* own = new QLineSeries;
  own->setPen(QPen(QColor(0, 150, 170), 2));
  what_if_[kBettingSystems] = own;
}

void SessionChart::BuildAxes() {
  spins_axis_ = new QValueAxis;
  spins_axis_->setTitleText(QCoreApplication::translate("SessionChart", "spins played"));
  spins_axis_->setLabelFormat(QLatin1String(kWholeFigures));
  // Ticks on whole spins only: the multiples of a whole step.
  spins_axis_->setTickType(QValueAxis::TicksDynamic);
  spins_axis_->setTickAnchor(0);
  units_axis_ = new QValueAxis;
  units_axis_->setLabelFormat(QLatin1String(kWholeFigures));
  stake_axis_ = new QValueAxis;
  stake_axis_->setTitleText(QCoreApplication::translate("SessionChart", "stake"));
  stake_axis_->setLabelFormat(QLatin1String(kWholeFigures));
  chart_->addAxis(spins_axis_, Qt::AlignBottom);
  chart_->addAxis(units_axis_, Qt::AlignLeft);
  chart_->addAxis(stake_axis_, Qt::AlignRight);
  for (QXYSeries* series : {static_cast<QXYSeries*>(net_), static_cast<QXYSeries*>(wins_),
                            static_cast<QXYSeries*>(losses_), static_cast<QXYSeries*>(marks_)}) {
    chart_->addSeries(series);
    series->attachAxis(spins_axis_);
    series->attachAxis(units_axis_);
  }
  for (QLineSeries* line : what_if_) {
    chart_->addSeries(line);
    line->attachAxis(spins_axis_);
    line->attachAxis(units_axis_);
  }
  chart_->addSeries(stakes_);
  stakes_->attachAxis(spins_axis_);
  stakes_->attachAxis(stake_axis_);
}

void SessionChart::ShowWhatIfLines(bool on) {
  // The legend names each line drawn: with the six systems' lines it has eleven entries,
  // one under another at the right, where a row under the chart would cut their names.
  chart_->legend()->setAlignment(on ? Qt::AlignRight : Qt::AlignBottom);
  for (QLineSeries* line : what_if_) {
    const bool shown = on && (line != what_if_[kBettingSystems] || own_line_);
    line->setVisible(shown);
    for (QLegendMarker* marker : chart_->legend()->markers(line)) marker->setVisible(shown);
  }
}

void SessionChart::Show(const std::vector<vellaro::TrackPoint>& points, bool changed_since) {
  points_ = points;
  changed_since_ = changed_since;
  Redraw();
}

void SessionChart::ShowWhatIf(const WhatIfLines& lines) {
  for (size_t s = 0; s < lines.built_in.size(); ++s)
    what_if_lines_[s] = lines.built_in[s].net_per_spin;
  own_line_ = lines.own.has_value();
  what_if_lines_[kBettingSystems] = own_line_ ? lines.own->net_per_spin : std::vector<int64_t>{};
  if (own_line_) what_if_[kBettingSystems]->setName(OwnSystemName(*lines.own));
  const bool on = what_if_[0]->isVisible();
  ShowWhatIfLines(on);
  if (on) Redraw();
}

void SessionChart::Redraw() {
  const auto count = static_cast<int64_t>(points_.size());
  const int window = kWindows[static_cast<size_t>(std::max(0, window_->currentIndex()))];
  first_ = window == 0 ? 0 : std::max<int64_t>(0, count - window);
  // A chart item per point made a thousand-spin evening take some 100 ms to draw: past
  // kMostBuckets spins, each bucket of spins is drawn as its lowest and highest net result
  // (so no swing is lost) and its largest stake, and single wins and losses are no longer
  // marked; "the last 200" shows every spin.
  const int64_t shown = count - first_;
  const int64_t bucket = std::max<int64_t>(1, (shown + kMostBuckets - 1) / kMostBuckets);
  QList<QPointF> net, stakes, wins, losses, marks;
  int64_t low = 0, high = 0, top_stake = 1;
  // The line starts from the result before the first spin shown.
  const int64_t start = first_ == 0 ? 0 : points_[static_cast<size_t>(first_ - 1)].net;
  net.append({static_cast<qreal>(first_), static_cast<qreal>(start)});
  for (int64_t from = first_; from < count; from += bucket) {
    const int64_t to = std::min(count, from + bucket);
    int64_t lowest = INT64_MAX, highest = INT64_MIN, lowest_at = from, highest_at = from;
    int32_t largest = 0;
    for (int64_t i = from; i < to; ++i) {
      const vellaro::TrackPoint& p = points_[static_cast<size_t>(i)];
      if (p.net < lowest) lowest = p.net, lowest_at = i;
      if (p.net > highest) highest = p.net, highest_at = i;
      largest = std::max(largest, p.bet_stake);
      const QPointF at(static_cast<qreal>(i + 1), static_cast<qreal>(p.net));
      if (p.reset || p.setting) marks.append(at);
      if (bucket == 1 && p.bet_stake > 0) (p.bet_won ? wins : losses).append(at);
    }
    for (const int64_t i : {std::min(lowest_at, highest_at), std::max(lowest_at, highest_at)}) {
      net.append(
          {static_cast<qreal>(i + 1), static_cast<qreal>(points_[static_cast<size_t>(i)].net)});
      if (lowest_at == highest_at) break;
    }
    if (largest > 0) stakes.append({static_cast<qreal>(to), static_cast<qreal>(largest)});
    low = std::min(low, lowest);
    high = std::max(high, highest);
    top_stake = std::max<int64_t>(top_stake, largest);
  }
  if (changed_since_) {
    marks.append(
        {static_cast<qreal>(count), static_cast<qreal>(count == 0 ? 0 : points_.back().net)});
  }
  if (what_if_[0]->isVisible()) RedrawWhatIf(count, bucket, low, high);
  net_->replace(net);
  stakes_->replace(stakes);
  wins_->replace(wins);
  losses_->replace(losses);
  marks_->replace(marks);
  const int64_t last = std::max<int64_t>(count, first_ + 1);
  spins_axis_->setRange(static_cast<qreal>(first_), static_cast<qreal>(last));
  spins_axis_->setTickInterval(static_cast<qreal>(SpinStep(last - first_)));
  units_axis_->setRange(static_cast<qreal>(low - 1), static_cast<qreal>(high + 1));
  units_axis_->applyNiceNumbers();
  stake_axis_->setRange(0, static_cast<qreal>(top_stake + 1));
  stake_axis_->applyNiceNumbers();
}

void SessionChart::RedrawWhatIf(int64_t count, int64_t bucket, int64_t& low, int64_t& high) {
  for (size_t s = 0; s < what_if_.size(); ++s) {
    const std::vector<int64_t>& values = what_if_lines_[s];
    QList<QPointF> line;
    const int64_t n = std::min<int64_t>(count, static_cast<int64_t>(values.size()));
    for (int64_t i = first_; i < n; i += bucket) {
      const int64_t last = std::min(n, i + bucket) - 1;
      line.append(
          {static_cast<qreal>(last + 1), static_cast<qreal>(values[static_cast<size_t>(last)])});
      low = std::min(low, values[static_cast<size_t>(last)]);
      high = std::max(high, values[static_cast<size_t>(last)]);
    }
    what_if_[s]->replace(line);
  }
}

}  // namespace vellaro::app
