#include "export/chart_frame.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "text/translate.h"

namespace vellaro {

namespace {

constexpr double kTitleSize = 15;
constexpr double kLabelSize = 11;
constexpr double kSide = 12;       // the free edge left and right of everything
constexpr double kLegendTop = 30;  // the first legend row's top
constexpr double kLegendRow = 16;
constexpr double kSwatch = 10;
constexpr double kPlotHeight = 220;
constexpr double kBelowPlot = 44;  // the x ticks' labels and the x axis' name

// The legend's rows: for each entry, its row and its left edge.
struct LegendPlace {
  int row = 0;
  double left = 0;
};

double EntryWidth(const LegendEntry& entry) {
  return (entry.colour.empty() ? 0 : kSwatch + 4) +
         SvgCanvas::TextWidth(entry.text.size(), kLabelSize) + 14;
}

std::vector<LegendPlace> PlaceLegend(const std::vector<LegendEntry>& legend) {
  std::vector<LegendPlace> places;
  double left = kSide;
  int row = 0;
  for (const LegendEntry& entry : legend) {
    const double width = EntryWidth(entry);
    if (left > kSide && left + width > ChartFrame::kWidth - kSide) {
      ++row;
      left = kSide;
    }
    places.push_back({row, left});
    left += width;
  }
  return places;
}

double PlotTop(const std::vector<LegendEntry>& legend) {
  const std::vector<LegendPlace> places = PlaceLegend(legend);
  const int rows = places.empty() ? 0 : places.back().row + 1;
  return kLegendTop + rows * kLegendRow + 10;
}

size_t Longest(const std::vector<std::string>& labels) {
  size_t longest = 0;
  for (const std::string& label : labels) longest = std::max(longest, label.size());
  return longest;
}

Box PlotArea(const Ticks& x, const Ticks& y, const std::vector<LegendEntry>& legend) {
  const size_t longest = Longest(y.labels);
  // The y axis' name (turned), a gap, the longest tick label, a gap.
  const double left = kSide + kLabelSize * 1.5 + SvgCanvas::TextWidth(longest, kLabelSize) + 8;
  // Room for half the last x tick's label, which is centred on the plot's right edge.
  const double right =
      std::max(kSide + 8, kSide + SvgCanvas::TextWidth(Longest(x.labels), kLabelSize) / 2);
  if (left + right + 80 > ChartFrame::kWidth) {
    throw std::invalid_argument("a chart's tick labels leave no room for its plot");
  }
  return {left, PlotTop(legend), ChartFrame::kWidth - left - right, kPlotHeight};
}

}  // namespace

Ticks NumberTicks(double low, double high, int most, double least_step, bool percent) {
  Ticks ticks;
  ticks.values = RoundTicks(low, high, most, least_step);
  const double step = ticks.values.size() > 1 ? ticks.values[1] - ticks.values[0] : 1;
  for (const double value : ticks.values) {
    // The label's digits are C's; a person reads them with the language's separators.
    ticks.labels.push_back(percent ? LocalNumber(TickLabel(value * 100, step * 100)) + "%"
                                   : LocalNumber(TickLabel(value, step)));
  }
  return ticks;
}

double ChartFrame::Height(const ChartText&, const Ticks&, const std::vector<LegendEntry>& legend) {
  return PlotTop(legend) + kPlotHeight + kBelowPlot;
}

ChartFrame::ChartFrame(const ChartText& text, const Ticks& x, const Ticks& y,
                       const std::vector<LegendEntry>& legend)
    : frame_{PlotArea(x, y, legend),
             {x.values.front(), x.values.back()},
             {y.values.front(), y.values.back()}},
      canvas_(kWidth, Height(text, y, legend), text.title, text.description) {
  if (x.values.size() < 2 || y.values.size() < 2 || x.values.size() != x.labels.size() ||
      y.values.size() != y.labels.size()) {
    throw std::invalid_argument("a chart axis needs two ticks or more, each with its label");
  }
  canvas_.Text(kSide, 20, text.title, "start", kTitleSize);
  DrawLegend(legend);
  DrawAxes(text, x, y);
}

void ChartFrame::DrawLegend(const std::vector<LegendEntry>& legend) {
  const std::vector<LegendPlace> places = PlaceLegend(legend);
  for (size_t i = 0; i < legend.size(); ++i) {
    const double top = kLegendTop + places[i].row * kLegendRow;
    double left = places[i].left;
    if (!legend[i].colour.empty()) {
      canvas_.Rect({left, top + 1, kSwatch, kSwatch}, "swatch", legend[i].colour);
      left += kSwatch + 4;
    }
    canvas_.Text(left, top + kSwatch, legend[i].text, "start", kLabelSize);
  }
}

void ChartFrame::DrawAxes(const ChartText& text, const Ticks& x, const Ticks& y) {
  const Box& area = frame_.area;
  const double bottom = area.top + area.height;
  canvas_.Rect(area, "plot", "#ffffff");
  for (size_t i = 0; i < y.values.size(); ++i) {
    const double py = frame_.Y(y.values[i]);
    canvas_.Line(area.left, py, area.left + area.width, py, "grid", "#dddddd");
    canvas_.Text(area.left - 6, py + kLabelSize * 0.35, y.labels[i], "end", kLabelSize);
  }
  for (size_t i = 0; i < x.values.size(); ++i) {
    const double px = frame_.X(x.values[i]);
    canvas_.Line(px, bottom, px, bottom + 4, "axis", "#222222");
    canvas_.Text(px, bottom + 6 + kLabelSize, x.labels[i], "middle", kLabelSize);
  }
  canvas_.Line(area.left, bottom, area.left + area.width, bottom, "axis", "#222222");
  canvas_.Line(area.left, area.top, area.left, bottom, "axis", "#222222");
  canvas_.Text(area.left + area.width / 2, bottom + kBelowPlot - 6, text.x_label, "middle",
               kLabelSize);
  canvas_.Text(kSide + kLabelSize, area.top + area.height / 2, text.y_label, "middle", kLabelSize,
               true);
}

Chart ChartFrame::Finish() {
  Chart chart;
  chart.frame = frame_;
  chart.text_boxes = canvas_.text_boxes();
  chart.svg = canvas_.Finish();
  return chart;
}

}  // namespace vellaro
