#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/svg_canvas.h"

namespace vellaro {

// What a chart says about itself: its heading, its text alternative and its axes' names.
struct ChartText {
  std::string title;
  std::string description;
  std::string x_label;
  std::string y_label;
};

// A finished chart: the SVG, where its plot lies and the values at the plot's edges, and
// the boxes its texts take.
struct Chart {
  std::string svg;
  PlotFrame frame;
  std::vector<Box> text_boxes;
};

// Ticks along one axis: the values and their labels, the first and last being the axis' ends.
struct Ticks {
  std::vector<double> values;
  std::vector<std::string> labels;
};
// Round ticks covering the values given, as numbers or, with `percent`, as shares in per cent,
// labelled as the current language writes numbers (German "-0,5", "1.000").
Ticks NumberTicks(double low, double high, int most, double least_step = 0, bool percent = false);

// One entry of the line under the title: a swatch of `colour` (none if empty) and a text.
struct LegendEntry {
  std::string_view colour;
  std::string text;
};

// Lays out a chart: the title, the legend under it (wrapping), the plot with its grid and
// axes, the ticks' labels left and below, and the axes' names, all outside the plot. The
// caller draws its data into canvas() within frame(), then calls Finish().
class ChartFrame {
 public:
  static constexpr double kWidth = 640;

  ChartFrame(const ChartText& text, const Ticks& x, const Ticks& y,
             const std::vector<LegendEntry>& legend);

  SvgCanvas& canvas() { return canvas_; }
  const PlotFrame& frame() const { return frame_; }
  Chart Finish();

 private:
  static double Height(const ChartText& text, const Ticks& y,
                       const std::vector<LegendEntry>& legend);
  void DrawLegend(const std::vector<LegendEntry>& legend);
  void DrawAxes(const ChartText& text, const Ticks& x, const Ticks& y);

  PlotFrame frame_;
  SvgCanvas canvas_;
};

}  // namespace vellaro
