#pragma once

// Writing the Monte Carlo report (table, CSV or JSON) and the exact decimal arithmetic it
// prints with.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "export/report_page.h"
#include "tools/sim/played_system.h"
#include "tools/sim/run_setup.h"
#include "tools/sim/statistics.h"

namespace vellaro::sim {

// The spread of one system's evenings, as the report lists it.
struct SystemSpread {
  PlayedSystem system;
  uint64_t spins_per_evening = 0;
  Spread spread;
  vellaro::SessionLimits limits;  // those set get a share of evenings stopped
};

// The Monte Carlo report in the format of the command line. Every format lists the same
// measures under the same names (see kColumns in report.cpp); the table and the JSON also
// state the setup. The CSV is a header line and one line per system, nothing else: the
// setup goes to `err` instead.
void WriteReport(std::ostream& out, std::ostream& err, const RunSetup& setup,
                 const std::vector<SystemSpread>& systems);

// The table's measures as they print: a row per measure under its label, a column per
// system under its word; "n/a" where there is nothing to measure. The table and the report
// page both show this.
ReportTable MeasuresTable(const RunSetup& setup, const std::vector<SystemSpread>& systems);

// `numerator / denominator` rounded half away from zero to `places` decimals, exactly.
// REQUIRES: denominator > 0, places <= 9.
std::string Decimal(__int128 numerator, __int128 denominator, int places);

// `text` broken into lines of at most `width` characters at its spaces, each ended by a
// newline.
std::string Wrapped(std::string_view text, size_t width = 88);

// A 128-bit integer in decimal.
std::string Whole(__int128 value);
// A text field of CSV, quoted where a comma, a quote or a line end would break the row.
std::string CsvField(const std::string& text);

}  // namespace vellaro::sim
