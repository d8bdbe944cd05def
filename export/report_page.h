#pragma once

#include <string>
#include <vector>

namespace vellaro {

// A table of a report page: a caption, the column heads and the rows, all plain text.
struct ReportTable {
  std::string caption;
  std::vector<std::string> head;
  std::vector<std::vector<std::string>> rows;
};

// A chart of a report page: the SVG a chart function drew and what it shows, in words.
struct ReportFigure {
  std::string svg;
  std::string caption;
};

// A part of the page under its own heading: paragraphs, then charts, then tables.
struct ReportSection {
  std::string heading;
  std::vector<std::string> paragraphs;
  std::vector<ReportFigure> figures;
  std::vector<ReportTable> tables;
};

// A whole page. `settings` are the lines that restate the run: the options that repeat it,
// the seed, the clock, the house edge.
struct ReportPage {
  std::string title;
  std::vector<std::string> settings;
  std::vector<ReportSection> sections;
};

// The page as one self-contained HTML file: the pictures inline, no script, nothing fetched
// (a content security policy forbids the browser to fetch anything), for a phone's width
// and a desktop's, light or dark as the reader's system prefers, and fit to print. Every
// text is escaped; the SVG of a figure is put in as it is, so it must come from the chart
// functions. The page declares the current language as its own (<html lang="de">): the
// texts are the caller's, made in that language.
std::string ReportHtml(const ReportPage& page);

}  // namespace vellaro
