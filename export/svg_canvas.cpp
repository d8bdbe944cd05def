#include "export/svg_canvas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <stdexcept>

namespace vellaro {

std::string FixedNumber(double value, int decimals) {
  if (!std::isfinite(value))
    throw std::invalid_argument("a chart was given a number that is not finite");
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) throw std::invalid_argument("a chart was given a number too large");
  std::string text(buffer, result.ptr);
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string EscapeMarkup(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        // XML 1.0 carries no control character but tab, line feed and carriage return.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') break;
        out += c;
    }
  }
  return out;
}

namespace {

// The round step (1, 2 or 5 times a power of ten) that covers `span` in at most `most` steps.
double RoundStep(double span, int most) {
  const double rough = span / most;
  double step = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (step * factor >= rough * (1 - 1e-12)) return step * factor;
  }
  return step * 10;
}

}  // namespace

std::vector<double> RoundTicks(double low, double high, int most, double least_step) {
  if (!std::isfinite(low) || !std::isfinite(high) || low > high || most < 1) {
    throw std::invalid_argument("a chart axis needs finite ends, the lower first");
  }
  if (low == high) {
    const double half = low == 0 ? 1 : std::abs(low) * 0.1;
    low -= half;
    high += half;
  }
  if (!std::isfinite(high - low)) throw std::invalid_argument("a chart axis spans too far");
  const double step = std::max(RoundStep(high - low, most), least_step);
  const double first = std::floor(low / step + 1e-9);
  const double last = std::ceil(high / step - 1e-9);
  // k × 0.001 is not the double nearest k/1000; rounded to the step's decimals, it is, so
  // that a tick at a value the data holds is that very value.
  const double scale = step < 1 ? std::pow(10.0, std::ceil(-std::log10(step) - 1e-9)) : 1;
  std::vector<double> ticks;
  for (double k = first; k <= last; ++k) {
    const double tick = step < 1 ? std::round(k * step * scale) / scale : k * step;
    ticks.push_back(tick == 0 ? 0 : tick);
  }
  return ticks;
}

std::string TickLabel(double value, double step) {
  if (value == 0) return "0";
  if (std::abs(value) >= 1e7) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 2);
    std::string text(buffer, result.ptr);
    // "1.50e+12" -> "1.5e12": the shortest that still says it.
    const size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
    std::string exponent = text.substr(e + 1);
    if (exponent[0] == '+') exponent.erase(0, 1);
    return mantissa + "e" + exponent;
  }
  const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
  return FixedNumber(value, decimals);
}

bool Box::Overlaps(const Box& other) const {
  return left < other.left + other.width && other.left < left + width &&
         top < other.top + other.height && other.top < top + height;
}

double PlotFrame::X(double value) const {
  return area.left + (value - x.low) / (x.high - x.low) * area.width;
}

double PlotFrame::Y(double value) const {
  return area.top + area.height - (value - y.low) / (y.high - y.low) * area.height;
}

namespace {

std::string Px(double value) {
  return FixedNumber(value, 1);
}

std::string Points(const std::vector<double>& xy) {
  std::string out;
  for (size_t i = 0; i + 1 < xy.size(); i += 2) {
    if (i > 0) out += ' ';
    out += Px(xy[i]) + "," + Px(xy[i + 1]);
  }
  return out;
}

// Appends the parts in order. Chains of `+` that start with a literal trip GCC 12's
// -Wrestrict at -O3 (GCC bug 105329), and this builds each element without temporaries.
void Append(std::string& out, std::initializer_list<std::string_view> parts) {
  for (const std::string_view part : parts) out += part;
}

}  // namespace

SvgCanvas::SvgCanvas(double width, double height, std::string_view title,
                     std::string_view description) {
  const std::string w = Px(width), h = Px(height);
  Append(out_, {R"(<svg xmlns="http://www.w3.org/2000/svg" class="chart" viewBox="0 0 )", w, " ", h,
                "\" width=\"", w, "\" height=\"", h,
                "\" role=\"img\" font-family=\"sans-serif\">\n<title>", EscapeMarkup(title),
                "</title>\n<desc>", EscapeMarkup(description), "</desc>\n"});
  Rect({0, 0, width, height}, "paper", "#ffffff");
}

void SvgCanvas::Rect(const Box& box, std::string_view css_class, std::string_view fill) {
  Append(out_, {"<rect class=\"", css_class, "\" x=\"", Px(box.left), "\" y=\"", Px(box.top),
                "\" width=\"", Px(box.width), "\" height=\"", Px(box.height), "\" fill=\"", fill,
                "\"/>\n"});
}

void SvgCanvas::Line(double x1, double y1, double x2, double y2, std::string_view css_class,
                     std::string_view stroke, std::string_view dash) {
  Append(out_, {"<line class=\"", css_class, "\" x1=\"", Px(x1), "\" y1=\"", Px(y1), "\" x2=\"",
                Px(x2), "\" y2=\"", Px(y2), "\" stroke=\"", stroke, "\""});
  if (!dash.empty()) Append(out_, {" stroke-dasharray=\"", dash, "\""});
  out_ += "/>\n";
}

void SvgCanvas::Polyline(const std::vector<double>& xy, std::string_view css_class,
                         std::string_view stroke, double stroke_width) {
  Append(out_, {"<polyline class=\"", css_class, R"(" fill="none" stroke=")", stroke,
                "\" stroke-width=\"", Px(stroke_width), R"(" stroke-linejoin="round" points=")",
                Points(xy), "\"/>\n"});
}

void SvgCanvas::Polygon(const std::vector<double>& xy, std::string_view css_class,
                        std::string_view fill) {
  Append(out_, {"<polygon class=\"", css_class, "\" fill=\"", fill, "\" points=\"", Points(xy),
                "\"/>\n"});
}

void SvgCanvas::Circle(double x, double y, double radius, std::string_view css_class,
                       std::string_view fill) {
  Append(out_, {"<circle class=\"", css_class, "\" cx=\"", Px(x), "\" cy=\"", Px(y), "\" r=\"",
                Px(radius), "\" fill=\"", fill, "\"/>\n"});
}

double SvgCanvas::TextWidth(size_t characters, double size) {
  return static_cast<double>(characters) * size * 0.62;
}

void SvgCanvas::Text(double x, double y, std::string_view text, std::string_view anchor,
                     double size, bool rotated) {
  const double length = TextWidth(text.size(), size);
  const double before = anchor == "start" ? 0 : anchor == "middle" ? length / 2 : length;
  // The box from the baseline up by the size and down by a quarter of it, for descenders.
  if (rotated) {
    text_boxes_.push_back({x - size, y - length + before, size * 1.25, length});
  } else {
    text_boxes_.push_back({x - before, y - size, length, size * 1.25});
  }
  Append(out_, {R"(<text class="ink" x=")", Px(x), "\" y=\"", Px(y), "\" font-size=\"", Px(size),
                "\" text-anchor=\"", anchor, R"(" fill="#222222")"});
  if (rotated) Append(out_, {" transform=\"rotate(-90 ", Px(x), " ", Px(y), ")\""});
  Append(out_, {">", EscapeMarkup(text), "</text>\n"});
}

std::string SvgCanvas::Finish() {
  out_ += "</svg>\n";
  return std::move(out_);
}

}  // namespace vellaro
