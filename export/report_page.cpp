#include "export/report_page.h"

#include "export/svg_canvas.h"
#include "text/translate.h"

namespace vellaro {

namespace {

// Light by default; the dark scheme repaints the page and the charts' paper, ink and grid,
// never the colours that carry data. Print is always light and lets no chart split.
constexpr const char* kStyle = R"(
:root { color-scheme: light dark; }
body { margin: 0 auto; padding: 12px; max-width: 960px; font-family: sans-serif;
  line-height: 1.4; background: #ffffff; color: #222222; }
h1 { font-size: 1.5em; } h2 { font-size: 1.2em; margin-top: 1.6em; }
.settings { font-family: monospace; white-space: pre-wrap; overflow-wrap: anywhere;
  background: #f3f3f3; padding: 8px; border-radius: 4px; }
figure { margin: 1em 0; }
figure svg { display: block; width: 100%; max-width: 640px; height: auto; }
figcaption { font-size: 0.9em; margin-top: 4px; }
.table { overflow-x: auto; }
table { border-collapse: collapse; font-size: 0.9em; margin: 1em 0; }
caption { text-align: left; font-weight: bold; padding-bottom: 4px; }
th, td { border: 1px solid #bbbbbb; padding: 3px 6px; text-align: right; }
th:first-child, td:first-child { text-align: left; }
@media (prefers-color-scheme: dark) {
  body { background: #17191c; color: #e4e4e4; }
  .settings { background: #25282c; }
  th, td { border-color: #555555; }
  svg .paper, svg .plot { fill: #1e2125; }
  svg .ink { fill: #e4e4e4; }
  svg .axis, svg .zero { stroke: #e4e4e4; }
  svg .grid { stroke: #3a3e44; }
}
@media print {
  body { max-width: none; background: #ffffff; color: #000000; }
  figure, table { break-inside: avoid; }
  svg .paper, svg .plot { fill: #ffffff; }
  svg .ink { fill: #000000; }
}
)";

void AppendTable(std::string& out, const ReportTable& table) {
  out += "<div class=\"table\"><table>\n";
  if (!table.caption.empty()) out += "<caption>" + EscapeMarkup(table.caption) + "</caption>\n";
  if (!table.head.empty()) {
    out += "<thead><tr>";
    for (const std::string& cell : table.head) out += "<th>" + EscapeMarkup(cell) + "</th>";
    out += "</tr></thead>\n";
  }
  out += "<tbody>\n";
  for (const std::vector<std::string>& row : table.rows) {
    out += "<tr>";
    for (const std::string& cell : row) out += "<td>" + EscapeMarkup(cell) + "</td>";
    out += "</tr>\n";
  }
  out += "</tbody></table></div>\n";
}

void AppendSection(std::string& out, const ReportSection& section) {
  out += "<section>\n<h2>" + EscapeMarkup(section.heading) + "</h2>\n";
  for (const std::string& paragraph : section.paragraphs) {
    out += "<p>" + EscapeMarkup(paragraph) + "</p>\n";
  }
  for (const ReportFigure& figure : section.figures) {
    out += "<figure>\n" + figure.svg + "<figcaption>" + EscapeMarkup(figure.caption) +
           "</figcaption>\n</figure>\n";
  }
  for (const ReportTable& table : section.tables) AppendTable(out, table);
  out += "</section>\n";
}

}  // namespace

std::string ReportHtml(const ReportPage& page) {
  std::string out = "<!DOCTYPE html>\n<html lang=\"" + std::string(CurrentLanguage()) +
                    "\">\n<head>\n<meta charset=\"utf-8\">\n"
                    "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                    "style-src 'unsafe-inline'; img-src data:\">\n"
                    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                    "<meta name=\"color-scheme\" content=\"light dark\">\n<title>" +
                    EscapeMarkup(page.title) + "</title>\n<style>" + kStyle +
                    "</style>\n</head>\n<body>\n<h1>" + EscapeMarkup(page.title) + "</h1>\n";
  if (!page.settings.empty()) {
    out += "<div class=\"settings\">";
    for (const std::string& line : page.settings) out += EscapeMarkup(line) + "\n";
    out += "</div>\n";
  }
  for (const ReportSection& section : page.sections) AppendSection(out, section);
  out += "</body>\n</html>\n";
  return out;
}

}  // namespace vellaro
