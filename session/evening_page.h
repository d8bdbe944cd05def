#pragma once

// The report page of one evening, as the session panel shows it: the chart of the net
// result after each spin with the stakes, wins, losses, resets and setting changes, what the
// shown bets came to, and what chance alone did with the spins. vellaro-sim writes it for a
// log, a random wheel or a stored session from a SessionTrack, the source the session panel
// draws from; the panel's "Save report…" writes the evening it shows through it too.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "export/report_charts.h"
#include "export/report_page.h"
#include "front/next_bet.h"
#include "session/risk_text.h"
#include "session/session_track.h"

namespace vellaro {

struct EveningPageText {
  std::string title;                  // the page's heading
  std::vector<std::string> settings;  // the lines that restate where the evening came from
  // What a session limit did at the end of the evening, in the words the summary ends
  // with; empty when it did nothing there.
  std::string limit_note = {};
  // The betting system and the next bet where the evening ends, a line each (SystemLine,
  // NextBetLine): what the Risk tab, the banner and the summary say of them.
  std::vector<std::string> next_bet = {};
};

// What the page of stored session `id` of the journal `journal_file` says of where it came
// from, `program` naming who wrote it; `what_if` names the system of a what-if replay.
EveningPageText StoredEveningText(std::string_view program, const std::string& journal_file,
                                  int64_t id, std::string_view what_if = {});
// What the page of the evening on show in the window says of where it came from, in the
// player's language as StoredEveningText is; `program` names who wrote it.
EveningPageText LiveEveningText(std::string_view program);

// The net result after each spin as the report's evening chart takes it, spins from 1.
std::vector<EveningPoint> EveningChartPoints(const std::vector<TrackPoint>& points);

// The page's chart of the evening. REQUIRES: `points` is not empty.
Chart EveningPageChart(const std::vector<TrackPoint>& points);

ReportPage EveningPage(const EveningPageText& text, const SessionTrack& track);

// The whole evening page as HTML, ready to be written to a file.
std::string EveningPageHtml(const EveningPageText& text, const SessionTrack& track);

}  // namespace vellaro
