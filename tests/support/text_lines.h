#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vellaro::testing {

// `text` cut at each `by`; nothing follows a last `by` (so a text's closing newline, or a
// row's closing comma, gives no empty part).
inline std::vector<std::string> Split(const std::string& text, char by) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, by);) parts.push_back(part);
  return parts;
}

inline std::vector<std::string> Lines(const std::string& text) {
  return Split(text, '\n');
}

// The rows of a CSV text after its header line, each cut at its commas.
inline std::vector<std::vector<std::string>> RowsAfterHeader(const std::string& csv) {
  const std::vector<std::string> lines = Lines(csv);
  std::vector<std::vector<std::string>> rows;
  for (size_t i = 1; i < lines.size(); ++i) rows.push_back(Split(lines[i], ','));
  return rows;
}

// The lines "label: value" of a summary, as label -> value (the first of a label kept).
inline std::map<std::string, std::string> LabelledValues(const std::string& text) {
  std::map<std::string, std::string> values;
  for (const std::string& line : Lines(text)) {
    const size_t colon = line.find(": ");
    if (colon != std::string::npos) values.emplace(line.substr(0, colon), line.substr(colon + 2));
  }
  return values;
}

}  // namespace vellaro::testing
