#include "tools/sim/runs_page.h"

#include <algorithm>
#include <sstream>

#include "export/report_charts.h"
#include "game/text_number.h"
#include "text/translate.h"
#include "tools/sim/interval_rule.h"
#include "tools/sim/person_text.h"
#include "tools/sim/statistics.h"

namespace vellaro::sim {

namespace {

// The system's name without the note on its stakes: "Martingale"; a file's own name.
std::string SystemName(const PlayedSystem& system) {
  if (system.file) return system.file->rules.name;
  const std::string_view name = kBettingSystemNames.at(static_cast<size_t>(system.builtin));
  return std::string(name.substr(0, name.find(" (")));
}

ReportFigure Figure(const Chart& chart, std::string caption) {
  return {chart.svg, std::move(caption)};
}

// The spread of the evenings' results, marked with the table's own mean and percentiles.
ReportFigure Histogram(const SystemSpread& s, const std::vector<Evening>& evenings) {
  std::vector<double> results;
  results.reserve(evenings.size());
  for (const Evening& e : evenings) results.push_back(static_cast<double>(e.result));
  const Spread& spread = s.spread;
  const double mean =
      static_cast<double>(spread.total_result) / static_cast<double>(spread.evenings);
  const std::vector<ValueMark> marks = {
      {ValueMark::kZero, 0, Tr("zero")},
      {ValueMark::kMean, mean,
       TrFormat("mean {1}", {LocalNumber(Decimal(spread.total_result, spread.evenings, 2))})},
      {ValueMark::kMedian, static_cast<double>(spread.median),
       TrFormat("median {1}", {LocalNumber(Whole(spread.median))})},
      {ValueMark::kPercentile, static_cast<double>(spread.p5),
       TrFormat("5th percentile {1}", {LocalNumber(Whole(spread.p5))})},
      {ValueMark::kPercentile, static_cast<double>(spread.p95),
       TrFormat("95th percentile {1}", {LocalNumber(Whole(spread.p95))})},
  };
  const std::string name = SystemName(s.system);
  const Chart chart = HistogramChart(
      {TrFormat("{1}: net result of the evenings", {name}),
       Tr("How many evenings ended with each net result, with the mean, the median, the 5th "
          "and 95th percentiles and zero marked."),
       Tr("net result after the evening (units)"), Tr("evenings")},
      BinValues(results, 40, true), marks);
  return Figure(chart, CountedText(static_cast<int64_t>(spread.evenings),
                                   N_("The spread of {1} evening's net results. Left of zero "
                                      "the evening lost money."),
                                   N_("The spread of {1} evenings' net results. Left of zero "
                                      "the evening lost money.")));
}

ReportFigure Fan(const SystemSpread& s, const std::vector<int64_t>& sampled,
                 const SampledNets& nets) {
  FanBands bands;
  const std::vector<std::vector<int64_t>> percentiles = nets.Percentiles({5, 25, 50, 75, 95});
  for (size_t point = 0; point < sampled.size(); ++point) {
    bands.at.push_back(static_cast<double>(sampled[point]));
    for (size_t k = 0; k < 5; ++k) {
      bands.percentiles[k].push_back(static_cast<double>(percentiles[point][k]));
    }
  }
  const Chart chart =
      FanChart({TrFormat("{1}: net result after each spin", {SystemName(s.system)}),
                Tr("The 5th, 25th, 50th, 75th and 95th percentiles of the net result across all "
                   "evenings after each spin."),
                Tr("spin"), Tr("net result (units)")},
               bands);
  return Figure(chart, CountedText(static_cast<int64_t>(sampled.size()),
                                   N_("Half the evenings lie in the dark band, nine in ten in "
                                      "the light one; the line is the median. An evening a "
                                      "limit stopped keeps the net it stopped at. Drawn at {1} "
                                      "spin spread evenly over the evening."),
                                   N_("Half the evenings lie in the dark band, nine in ten in "
                                      "the light one; the line is the median. An evening a "
                                      "limit stopped keeps the net it stopped at. Drawn at {1} "
                                      "spins spread evenly over the evening.")));
}

std::vector<int64_t> Needed(const std::vector<EveningShape>& shapes) {
  std::vector<int64_t> needed;
  needed.reserve(shapes.size());
  for (const EveningShape& shape : shapes) needed.push_back(shape.needed);
  return needed;
}

// The curve answers its question by the rule the bankroll itself keeps; a bankroll set for
// the run ends it, as the evenings it stopped were not played on.
ShareSeries NeededCurve(const SystemSpread& s, const std::vector<EveningShape>& shapes) {
  const std::optional<int32_t> bankroll = s.limits.bankroll;
  return NeededBankroll(SystemName(s.system), Needed(shapes),
                        bankroll ? std::optional<int64_t>(*bankroll) : std::nullopt);
}

ReportFigure NeededFigure(const std::vector<ShareSeries>& series,
                          const std::optional<int32_t>& bankroll) {
  const Chart chart = ShareChart(
      {Tr("The bankroll it needed"),
       Tr("For each bankroll B, the share of evenings a bankroll of B would have stopped "
          "before their last spin."),
       Tr("bankroll B (units)"), Tr("evenings stopped by B")},
      series);
  std::string caption =
      Tr("Read at a bankroll B: the share of evenings on which, before the last spin, a "
         "stake was more than B plus the net result so far, so that a bankroll of B would "
         "have held that bet back and ended the evening, as --bankroll counts it. The other "
         "limits stay as set.");
  if (bankroll) {
    caption += ' ';
    caption += TrFormat(
        "With the bankroll of {1} set, the curve ends there: the evenings it "
        "stopped were not played on, and its height at {1} is the share the "
        "table gives as stopped by the bankroll.",
        {LocalNumber(std::to_string(*bankroll))});
  }
  return Figure(chart, caption);
}

// The result per unit staked of the systems whose interval holds; the others' reasons.
void Intervals(const std::vector<SystemSpread>& systems, ReportSection& section) {
  std::vector<IntervalRow> rows;
  for (const SystemSpread& s : systems) {
    if (!s.spread.standard_error) continue;
    if (const std::optional<NoInterval> why = WhyNoInterval(s.system, s.limits, s.spread)) {
      // The reason names the system itself, as in the table's notes.
      section.paragraphs.push_back(NoIntervalWords(*why, s.system, s.limits, s.spread));
      continue;
    }
    rows.push_back(
        {SystemName(s.system), *s.spread.result_per_unit, s.spread.low95(), s.spread.high95()});
  }
  if (rows.empty()) return;
  const Chart chart = IntervalChart(
      {Tr("Result per unit staked"),
       // xgettext:no-c-format
       Tr("Each system's net result per unit staked with its 95 % interval, against the house "
          "edge."),
       Tr("result per unit staked"), ""},
      rows, kHouseEdge, Tr("house edge -1/37"));
  section.figures.push_back(Figure(
      // xgettext:no-c-format
      chart, Tr("All net results over all units staked, with the 95 % interval across "
                "evenings. No system changes the house edge of 1 unit in 37.")));
}

// For each limit set that stopped some evening: the share of evenings it had stopped by
// each spin.
void Stops(const SystemSpread& s, const std::vector<Evening>& evenings,
           const std::vector<EveningShape>& shapes, ReportSection& section) {
  std::vector<ShareSeries> series;
  const auto count = static_cast<double>(evenings.size());
  for (int kind = 0; kind < kLimits; ++kind) {
    const auto limit = static_cast<LimitKind>(kind);
    if (!s.limits[limit]) continue;
    std::vector<uint64_t> spins;
    for (size_t i = 0; i < evenings.size(); ++i) {
      if (evenings[i].stopped_by == limit) spins.push_back(shapes[i].stopped_at);
    }
    if (spins.empty()) continue;
    std::sort(spins.begin(), spins.end());
    ShareSeries line{TrFormat("stopped by the {1}", {LimitName(limit)}), {0}, {0}};
    for (size_t i = 0; i < spins.size(); ++i) {
      if (i + 1 < spins.size() && spins[i + 1] == spins[i]) continue;
      line.x.push_back(static_cast<double>(spins[i]));
      line.share.push_back(static_cast<double>(i + 1) / count);
    }
    line.x.push_back(static_cast<double>(s.spins_per_evening));
    line.share.push_back(line.share.back());
    series.push_back(std::move(line));
  }
  if (series.empty()) {
    section.paragraphs.push_back(
        TrFormat("No limit stopped an evening of {1}.", {SystemName(s.system)}));
    return;
  }
  const Chart chart =
      ShareChart({TrFormat("{1}: when the limits stopped the evening", {SystemName(s.system)}),
                  Tr("The share of evenings each limit had stopped by each spin."), Tr("spin"),
                  Tr("evenings stopped")},
                 series);
  section.figures.push_back(
      Figure(chart, Tr("The height at the last spin is the share of evenings the limit stopped, "
                       "as in the table; where the line climbs is when.")));
}

}  // namespace

std::vector<std::string> SetupLines(const RunSetup& setup) {
  std::ostringstream text;
  PrintSetup(text, setup);
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text.str());
  while (std::getline(in, line)) lines.push_back(line);
  lines.push_back(
      TrFormat("house edge: an even-money bet loses 1 unit in 37 ({1} %) of what is staked, on "
               "average, whatever the system",
               {LocalNumber("2.70")}));
  return lines;
}

ReportPage RunsPage(const RunSetup& setup, const std::vector<SystemSpread>& systems,
                    const std::vector<std::vector<Evening>>& evenings, const RunShapes& shapes) {
  const CommandLine& c = setup.line;
  ReportPage page;
  page.title = TrFormat(
      "vellaro-sim: {1} of {2}",
      {CountedText(static_cast<int64_t>(c.runs.value_or(0)), N_("{1} evening"), N_("{1} evenings")),
       CountedText(static_cast<int64_t>(c.spins_per_run.value_or(0)), N_("{1} spin"),
                   N_("{1} spins"))});
  page.settings = SetupLines(setup);

  std::vector<PlayedSystem> played;
  played.reserve(systems.size());
  for (const SystemSpread& s : systems) played.push_back(s.system);
  ReportSection overview;
  overview.heading = systems.size() > 1 ? Tr("All systems side by side") : Tr("The figures");
  const std::string note = UnboundedStakesNote(played, c.settings.limits);
  if (!note.empty()) overview.paragraphs.push_back(note);
  overview.paragraphs.emplace_back(
      Tr("Net result: the bets shown (and so placed) only, in units, from 0 at the start of "
         "each evening. Percentiles by nearest rank: the median is the result of a real "
         "evening."));
  if (systems.size() > 1) {
    std::vector<ShareSeries> needed;
    for (size_t s = 0; s < systems.size(); ++s) {
      needed.push_back(NeededCurve(systems[s], shapes.evenings[s]));
    }
    overview.figures.push_back(NeededFigure(needed, c.settings.limits.bankroll));
    Intervals(systems, overview);
  }
  overview.tables.push_back(MeasuresTable(setup, systems));
  page.sections.push_back(std::move(overview));

  for (size_t s = 0; s < systems.size(); ++s) {
    const SystemSpread& system = systems[s];
    ReportSection section;
    section.heading = SystemName(system.system);
    section.figures.push_back(Histogram(system, evenings[s]));
    section.figures.push_back(Fan(system, shapes.sampled, shapes.nets[s]));
    if (systems.size() == 1) {
      section.figures.push_back(
          NeededFigure({NeededCurve(system, shapes.evenings[s])}, c.settings.limits.bankroll));
      Intervals(systems, section);
    }
    if (c.settings.limits.Any()) Stops(system, evenings[s], shapes.evenings[s], section);
    page.sections.push_back(std::move(section));
  }
  return page;
}

}  // namespace vellaro::sim
