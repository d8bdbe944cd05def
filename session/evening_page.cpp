#include "session/evening_page.h"

#include <cstdio>

#include "export/report_charts.h"
#include "game/types.h"
#include "session/figure_text.h"
#include "session/wheel_rows.h"
#include "text/translate.h"

namespace vellaro {

namespace {

std::string Percent(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", share * 100);
  return TrFormat("{1} %", {LocalNumber(text)});
}

std::string Signed(int64_t value) {
  std::string text = std::to_string(value);
  if (value > 0) text.insert(text.begin(), '+');
  return LocalNumber(text);
}

// What the shown bets came to: the counts the panel's head and the summary give.
ReportTable ResultTable(const RealResult::Counts& c) {
  ReportTable table;
  table.caption = Tr("The shown bets");
  table.head = {"", Tr("units or count")};
  table.rows = {
      {Tr("spins"), LocalCount(c.spins)},
      {Tr("bets shown"), LocalCount(c.bets_shown)},
      {Tr("shown bets won"), LocalCount(c.bets_won)},
      {Tr("shown bets lost"), LocalCount(c.bets_lost)},
      {Tr("bet still open at the end"),
       c.open_stake ? TrFormat(OneOrMany(*c.open_stake, N_("{1} unit"), N_("{1} units")),
                               {LocalCount(*c.open_stake)})
                    : std::string(Tr("none"))},
      {Tr("units staked on settled bets"), LocalCount(c.units_staked)},
      {Tr("net result, from 0"), Signed(c.net)},
      {Tr("highest net result"), Signed(c.peak)},
      {Tr("deepest drawdown"), LocalCount(c.deepest_drawdown)},
      {Tr("highest stake shown"), LocalCount(c.highest_stake)},
  };
  return table;
}

void AddStatistics(const SpinStatistics& s, ReportSection& section) {
  section.paragraphs.push_back(
      TrFormat("What chance alone has done so far. Spins are independent: none of this "
               "predicts the next spin. Each chance is expected {1} of the time.",
               {Percent(kExpectedChanceShare)}));
  section.paragraphs.push_back(
      TrFormat(OneOrMany(s.spins(), N_("Zeros: {1} of {2} spin."), N_("Zeros: {1} of {2} spins.")),
               {LocalCount(s.zeros()), LocalCount(s.spins())}));
  if (const std::optional<GoodnessOfFit> fit = s.Fit()) {
    char chi_square[32], p[32];
    std::snprintf(chi_square, sizeof chi_square, "%.2f", fit->chi_square);
    std::snprintf(p, sizeof p, "%.4f", fit->p_value);
    section.paragraphs.push_back(
        TrFormat("Are the 37 numbers as even as a fair wheel leaves them? Chi-square {1} on {2} "
                 "degrees of freedom, p = {3}. {4}",
                 {LocalNumber(chi_square), LocalCount(fit->degrees_of_freedom), LocalNumber(p),
                  fit->meaning}));
  } else {
    section.paragraphs.push_back(
        TrFormat("The test of the 37 numbers needs {1} spins (5 per number); before that it "
                 "would say nothing honest.",
                 {LocalCount(kFitMinimumSpins)}));
  }
  ReportTable chances{Tr("The even-money chances"),
                      {Tr("chance"), Tr("hits"), Tr("share"), Tr("current run"), Tr("longest run"),
                       Tr("spins since")},
                      {}};
  for (int k = 0; k < kChances; ++k) {
    const ChanceStatistics c = s.chance(k);
    chances.rows.push_back({Tr(kChanceNames[static_cast<size_t>(k)].data()), LocalCount(c.hits),
                            Percent(c.share), LocalCount(c.current_run), LocalCount(c.longest_run),
                            LocalCount(c.since_last)});
  }
  section.tables.push_back(std::move(chances));
  ReportTable numbers{Tr("The numbers"), {Tr("number"), Tr("hits"), Tr("spins since")}, {}};
  for (int n = 0; n < kWheelPockets; ++n) {
    const NumberStatistics number = s.number(n);
    numbers.rows.push_back(
        {std::to_string(n), LocalCount(number.hits), LocalCount(number.since_last)});
  }
  section.tables.push_back(std::move(numbers));
}

// The dozens, columns and sectors, as vellaro-sim --summary prints them.
void AddWheel(const std::vector<int>& spins, ReportSection& section) {
  const WheelStatistics wheel = CountWheel(spins);
  section.paragraphs.push_back(wheel.verdict);
  section.paragraphs.push_back(wheel.method);
  ReportTable table{Tr("Dozens, columns and sectors of the wheel"),
                    {Tr("group"), Tr("hits"), Tr("share"), Tr("fair share"), Tr("spins since"),
                     Tr("longest absence"), Tr("p of hits"), Tr("Holm"), Tr("p of longest absence"),
                     Tr("Holm"), Tr("unusual")},
                    {}};
  for (const WheelRow& row : WheelRows(wheel)) {
    table.rows.push_back({row.name, row.hits, row.share, row.fair_share, row.since, row.longest,
                          row.p_hits, row.holm_hits, row.p_absence, row.holm_absence, row.unusual});
  }
  section.tables.push_back(std::move(table));
}

// The page's line on the house edge, the same whichever evening it shows.
std::string HouseEdgeLine() {
  return Tr(
      "house edge: an even-money bet loses 1 unit in 37 (2.70 %) of what is staked, on "
      "average, whatever the system");
}

}  // namespace

EveningPageText StoredEveningText(std::string_view program, const std::string& journal_file,
                                  int64_t id, std::string_view what_if) {
  // The options that repeat the run stay as the program reads them, in every language.
  std::string repeat = "vellaro-sim --journal " + journal_file + " --session " + std::to_string(id);
  if (!what_if.empty()) repeat += " --system " + std::string(what_if);
  EveningPageText text;
  text.title = TrFormat("{1}: session {2} of {3}", {program, std::to_string(id), journal_file});
  text.settings = {TrFormat("settings: {1}", {repeat}),
                   !what_if.empty() ? Tr("a what-if: the player's spins and settings under "
                                         "another betting system throughout")
                                    : Tr("the evening as the player played it, with the options "
                                         "and changes the journal holds"),
                   HouseEdgeLine()};
  return text;
}

EveningPageText LiveEveningText(std::string_view program) {
  EveningPageText text;
  text.title = TrFormat("{1}: this evening", {program});
  text.settings = {Tr("the evening on show in the window, with the options and changes it was "
                      "played with"),
                   HouseEdgeLine()};
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
  return EveningChart({Tr("The evening"),
                       Tr("The net result after each spin, the stakes of the shown bets, wins, "
                          "losses, resets and setting changes."),
                       Tr("spin"), Tr("units")},
                      EveningChartPoints(points));
}

ReportPage EveningPage(const EveningPageText& text, const SessionTrack& track) {
  ReportPage page;
  page.title = text.title;
  page.settings = text.settings;

  ReportSection evening;
  evening.heading = Tr("The evening");
  // First, before any figure: the figures are those of an evening a limit cut short.
  if (!text.limit_note.empty()) evening.paragraphs.push_back(text.limit_note);
  for (const std::string& line : text.next_bet) evening.paragraphs.push_back(line);
  evening.paragraphs.emplace_back(
      Tr("Net result: the bets shown (and so placed) only, in units, from 0 at the start of the "
         "evening. No betting system changes the house edge of 1 unit in 37 on an even-money "
         "chance."));
  if (track.points().empty()) {
    evening.paragraphs.emplace_back(Tr("No spin was entered."));
  } else {
    const Chart chart = EveningPageChart(track.points());
    evening.figures.push_back(
        {chart.svg, Tr("The line is the net result after each spin; squares are the stakes of "
                       "the shown bets, at their height; triangles along the foot mark resets "
                       "and changes of a setting or the system.")});
  }
  evening.tables.push_back(ResultTable(track.result().counts()));
  page.sections.push_back(std::move(evening));

  ReportSection chance;
  chance.heading = Tr("Chances and numbers");
  AddStatistics(track.statistics(), chance);
  page.sections.push_back(std::move(chance));

  ReportSection wheel;
  wheel.heading = Tr("The wheel");
  AddWheel(track.statistics().list(), wheel);
  page.sections.push_back(std::move(wheel));
  return page;
}

std::string EveningPageHtml(const EveningPageText& text, const SessionTrack& track) {
  return ReportHtml(EveningPage(text, track));
}

}  // namespace vellaro
