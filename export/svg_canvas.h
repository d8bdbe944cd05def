#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellaro {

// `value` as decimal text with exactly `decimals` places, whatever the locale; "-0.0"
// comes out as "0.0" so that equal pictures are equal bytes. Throws std::invalid_argument
// for a NaN or an infinity: a chart never shows a number it could not place.
std::string FixedNumber(double value, int decimals);

// `text` made safe inside markup, in an element or in a quoted attribute: & < > " ' are
// escaped, and control characters that XML cannot carry are dropped.
std::string EscapeMarkup(std::string_view text);

// A span of values along one axis.
struct Span {
  double low = 0;
  double high = 0;
};

// Ticks at round numbers (1, 2 or 5 times a power of ten, and no closer than `least_step`)
// that cover [low, high] in at most `most` steps, the first at or below `low` and the last at
// or above `high`. An empty span is widened around its value so that it still has ticks.
// Throws std::invalid_argument for ends that are not finite or too far apart.
std::vector<double> RoundTicks(double low, double high, int most, double least_step = 0);

// A tick's label: no more decimals than the distance between ticks needs; far from zero,
// in powers of ten ("1.5e12"), so that a label never grows without bound.
std::string TickLabel(double value, double step);

// A rectangle in pixels.
struct Box {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  bool Overlaps(const Box& other) const;
};

// The place of the plot in the picture and the values at its edges: maps a value to the
// pixel that shows it.
struct PlotFrame {
  Box area;
  Span x;
  Span y;
  double X(double value) const;
  double Y(double value) const;
};

// Writes one SVG picture and keeps the boxes its texts take (their width estimated
// generously from the number of characters), so that a test can see that no label lies on
// the plot. Coordinates go out with one decimal.
class SvgCanvas {
 public:
  SvgCanvas(double width, double height, std::string_view title, std::string_view description);

  void Rect(const Box& box, std::string_view css_class, std::string_view fill);
  void Line(double x1, double y1, double x2, double y2, std::string_view css_class,
            std::string_view stroke, std::string_view dash = {});
  // An open line through the points (x0, y0, x1, y1, ...).
  void Polyline(const std::vector<double>& xy, std::string_view css_class, std::string_view stroke,
                double stroke_width);
  // A closed area through the points.
  void Polygon(const std::vector<double>& xy, std::string_view css_class, std::string_view fill);
  void Circle(double x, double y, double radius, std::string_view css_class, std::string_view fill);
  // `anchor` is "start", "middle" or "end"; `rotated` turns the text a quarter left around
  // its anchor point.
  void Text(double x, double y, std::string_view text, std::string_view anchor, double size,
            bool rotated = false);

  const std::vector<Box>& text_boxes() const { return text_boxes_; }
  // The finished picture.
  std::string Finish();

  // The width a text of `characters` takes at `size`, on the generous side.
  static double TextWidth(size_t characters, double size);

 private:
  std::string out_;
  std::vector<Box> text_boxes_;
};

}  // namespace vellaro
