#pragma once

// The report page of one evening, as the session panel shows it: the chart of the net
// result after each spin with the stakes, wins, losses, resets and setting changes, what the
// shown bets came to, and what chance alone did with the spins. vellaro-sim writes it for a
// log, a random wheel or a stored session from a SessionTrack, the source the session panel
// draws from, so that the panel can write the evening it shows through this same writer.

#include <string>
#include <vector>

#include "export/report_charts.h"
#include "export/report_page.h"
#include "session/session_track.h"

namespace vellaro {

struct EveningPageText {
  std::string title;                  // the page's heading
  std::vector<std::string> settings;  // the lines that restate where the evening came from
};

// The net result after each spin as the report's evening chart takes it, spins from 1.
std::vector<EveningPoint> EveningChartPoints(const std::vector<TrackPoint>& points);

ReportPage EveningPage(const EveningPageText& text, const SessionTrack& track);

// The whole evening page as HTML, ready to be written to a file.
std::string EveningPageHtml(const EveningPageText& text, const SessionTrack& track);

}  // namespace vellaro
