#include "session/evening_page.h"

#include <cstdio>

#include "export/report_charts.h"
#include "game/text_number.h"
#include "session/wheel_rows.h"
#include "game/types.h"

namespace vellaro {

namespace {

std::string Percent(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f %%", share * 100);
  return text;
}

std::string Signed(int64_t value) {
  std::string text = std::to_string(value);
  if (value > 0) text.insert(text.begin(), '+');
  return text;
}

// What the shown bets came to: the counts the panel's head and the summary give.
ReportTable ResultTable(const RealResult::Counts& c) {
  ReportTable table;
  table.caption = "The shown bets";
  table.head = {"", "units or count"};
  table.rows = {
      {"spins", std::to_string(c.spins)},
      {"bets shown", std::to_string(c.bets_shown)},
      {"shown bets won", std::to_string(c.bets_won)},
      {"shown bets lost", std::to_string(c.bets_lost)},
      {"bet still open at the end",
       c.open_stake ? Counted(*c.open_stake, "unit", "units") : std::string("none")},
      {"units staked on settled bets", std::to_string(c.units_staked)},
      {"net result, from 0", Signed(c.net)},
      {"highest net result", Signed(c.peak)},
      {"deepest drawdown", std::to_string(c.deepest_drawdown)},
      {"highest stake shown", std::to_string(c.highest_stake)},
  };
  return table;
}

void AddStatistics(const SpinStatistics& s, ReportSection& section) {
  section.paragraphs.push_back(
      "What chance alone has done so far. Spins are independent: none of this predicts the "
      "next spin. Each chance is expected " +
      Percent(kExpectedChanceShare) + " of the time.");
  section.paragraphs.push_back("Zeros: " + std::to_string(s.zeros()) + " of " +
                               Counted(s.spins(), "spin", "spins") + ".");
  if (const std::optional<GoodnessOfFit> fit = s.Fit()) {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "Chi-square %.2f on %d degrees of freedom, p = %.4f. ",
                  fit->chi_square, fit->degrees_of_freedom, fit->p_value);
    section.paragraphs.push_back("Are the 37 numbers as even as a fair wheel leaves them? " +
                                 std::string(numbers) + fit->meaning);
  } else {
    section.paragraphs.push_back("The test of the 37 numbers needs " +
                                 std::to_string(kFitMinimumSpins) +
                                 " spins (5 per number); before that it would say nothing "
                                 "honest.");
  }
  ReportTable chances{"The even-money chances",
                      {"chance", "hits", "share", "current run", "longest run", "spins since"},
                      {}};
  for (int k = 0; k < kChances; ++k) {
    const ChanceStatistics c = s.chance(k);
    chances.rows.push_back({std::string(kChanceNames[static_cast<size_t>(k)]),
                            std::to_string(c.hits), Percent(c.share),
                            std::to_string(c.current_run), std::to_string(c.longest_run),
                            std::to_string(c.since_last)});
  }
  section.tables.push_back(std::move(chances));
  ReportTable numbers{"The numbers", {"number", "hits", "spins since"}, {}};
  for (int n = 0; n < kWheelPockets; ++n) {
    const NumberStatistics number = s.number(n);
    numbers.rows.push_back(
        {std::to_string(n), std::to_string(number.hits), std::to_string(number.since_last)});
  }
  section.tables.push_back(std::move(numbers));
}

// The dozens, columns and sectors, as vellaro-sim --summary prints them.
void AddWheel(const std::vector<int>& spins, ReportSection& section) {
  const WheelStatistics wheel = CountWheel(spins);
  section.paragraphs.push_back(wheel.verdict);
  section.paragraphs.push_back(wheel.method);
  ReportTable table{"Dozens, columns and sectors of the wheel",
                    {"group", "hits", "share", "fair share", "spins since", "longest absence",
                     "p of hits", "Holm", "p of longest absence", "Holm", "unusual"},
                    {}};
  for (const WheelRow& row : WheelRows(wheel)) {
    table.rows.push_back({row.name, row.hits, row.share, row.fair_share, row.since, row.longest,
                          row.p_hits, row.holm_hits, row.p_absence, row.holm_absence,
                          row.unusual});
  }
  section.tables.push_back(std::move(table));
}

}  // namespace

EveningPageText StoredEveningText(std::string_view program, const std::string& journal_file,
                                  int64_t id, std::string_view what_if) {
  std::string repeat = "settings: vellaro-sim --journal " + journal_file + " --session " +
                       std::to_string(id);
  if (!what_if.empty()) repeat += " --system " + std::string(what_if);
  EveningPageText text;
  text.title = std::string(program) + ": session " + std::to_string(id) + " of " + journal_file;
  text.settings = {repeat,
                   !what_if.empty() ? "a what-if: the player's spins and settings under another "
                                      "betting system throughout"
                                    : "the evening as the player played it, with the options "
                                      "and changes the journal holds",
                   "house edge: an even-money bet loses 1 unit in 37 (2.70 %) of what is "
                   "staked, on average, whatever the system"};
  return text;
}

std::vector<EveningPoint> EveningChartPoints(const std::vector<TrackPoint>& points) {
  std::vector<EveningPoint> chart;
  chart.reserve(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    const TrackPoint& p = points[i];
    chart.push_back({static_cast<int64_t>(i + 1), static_cast<double>(p.net), p.bet_stake,
                     p.bet_won, p.reset, p.setting});
  }
  return chart;
}

Chart EveningPageChart(const std::vector<TrackPoint>& points) {
  return EveningChart({"The evening", "The net result after each spin, the stakes of the shown "
                                      "bets, wins, losses, resets and setting changes.",
                       "spin", "units"},
                      EveningChartPoints(points));
}

ReportPage EveningPage(const EveningPageText& text, const SessionTrack& track) {
  ReportPage page;
  page.title = text.title;
  page.settings = text.settings;

  ReportSection evening;
  evening.heading = "The evening";
  evening.paragraphs.push_back(
      "Net result: the bets shown (and so placed) only, in units, from 0 at the start of the "
      "evening. No betting system changes the house edge of 1 unit in 37 on an even-money "
      "chance.");
  if (track.points().empty()) {
    evening.paragraphs.push_back("No spin was entered.");
  } else {
    const Chart chart = EveningPageChart(track.points());
    evening.figures.push_back(
        {chart.svg, "The line is the net result after each spin; squares are the stakes of the "
                    "shown bets, at their height; triangles along the foot mark resets and "
                    "changes of a setting or the system."});
  }
  evening.tables.push_back(ResultTable(track.result().counts()));
  page.sections.push_back(std::move(evening));

  ReportSection chance;
  chance.heading = "Chances and numbers";
  AddStatistics(track.statistics(), chance);
  page.sections.push_back(std::move(chance));

  ReportSection wheel;
  wheel.heading = "The wheel";
  AddWheel(track.statistics().list(), wheel);
  page.sections.push_back(std::move(wheel));
  return page;
}

std::string EveningPageHtml(const EveningPageText& text, const SessionTrack& track) {
  return ReportHtml(EveningPage(text, track));
}

}  // namespace vellaro
