#include "tools/sim/report.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "game/text_number.h"
#include "text/translate.h"
#include "tools/sim/interval_rule.h"
#include "tools/sim/person_text.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

// A table shows shares as percentages; CSV and JSON give plain fractions to scripts.
enum class Style { kTable, kScript };

std::string Fixed(double value, int places) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", places, value);
  return text;
}

std::string Share(__int128 count, __int128 of, Style style) {
  return style == Style::kTable ? Decimal(count * 100, of, 2) + " %" : Decimal(count, of, 6);
}

std::optional<std::string> Ratio(std::optional<double> value, Style style) {
  if (!value) return std::nullopt;
  return style == Style::kTable ? Fixed(*value * 100, 2) + " %" : Fixed(*value, 6);
}

std::optional<NoInterval> Withheld(const SystemSpread& s) {
  return WhyNoInterval(s.system, s.limits, s.spread);
}

std::optional<std::string> Bound(const SystemSpread& s, bool high, Style style) {
  if (!s.spread.standard_error) return std::nullopt;
  if (Withheld(s)) {
    if (style == Style::kTable) return Tr("withheld");
    return std::nullopt;
  }
  return Ratio(high ? s.spread.high95() : s.spread.low95(), style);
}

// One measure of the report: its name for scripts, its label in the table and its value,
// none where there is nothing to measure (nothing staked, or one evening for an interval).
// A column of a session limit is there only when that limit is set (`limit`).
struct Column {
  std::string_view key;
  std::string_view label;
  std::optional<std::string> (*value)(const SystemSpread&, Style);
  bool text = false;  // quoted in JSON
  std::optional<LimitKind> limit = std::nullopt;
  bool in_table = true;  // false for a word meant for scripts; the table says it in notes
};

template <LimitKind kLimit>
std::optional<std::string> StoppedShare(const SystemSpread& s, Style style) {
  return Share(s.spread.stopped_by[static_cast<size_t>(kLimit)], s.spread.evenings, style);
}

const Column kColumns[] = {
    {"system", N_("system"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> { return s.system.Name(); },
     true},
    {"evenings", N_("evenings"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> {
       return Whole(s.spread.evenings);
     }},
    {"spins", N_("spins per evening"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> {
       return Whole(s.spins_per_evening);
     }},
    {"mean_result", N_("net result, mean"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> {
       return Decimal(s.spread.total_result, s.spread.evenings, 2);
     }},
    {"expected_mean_result", N_("  house edge on these stakes"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> {
       return Decimal(-s.spread.units_staked, __int128{37} * s.spread.evenings, 2);
     }},
    {"median_result", N_("net result, median"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> {
       return Whole(s.spread.median);
     }},
    {"p5_result", N_("net result, 5th percentile"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> { return Whole(s.spread.p5); }},
    {"p95_result", N_("net result, 95th percentile"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> {
       return Whole(s.spread.p95);
     }},
    {"share_ahead", N_("evenings ending ahead"),
     [](const SystemSpread& s, Style style) -> std::optional<std::string> {
       return Share(s.spread.evenings_ahead, s.spread.evenings, style);
     }},
    {"stopped_by_bankroll", N_("stopped by the bankroll (ruin)"),
     StoppedShare<LimitKind::kBankroll>, false, LimitKind::kBankroll},
    {"stopped_by_stop_loss", N_("stopped by the stop-loss"), StoppedShare<LimitKind::kStopLoss>,
     false, LimitKind::kStopLoss},
    {"stopped_by_take_profit", N_("stopped by the take-profit"),
     StoppedShare<LimitKind::kTakeProfit>, false, LimitKind::kTakeProfit},
    {"stopped_by_table_max", N_("stopped by the table maximum"), StoppedShare<LimitKind::kTableMax>,
     false, LimitKind::kTableMax},
    {"stopped_by_max_losses", N_("stopped by losses in a row"), StoppedShare<LimitKind::kMaxLosses>,
     false, LimitKind::kMaxLosses},
    {"mean_deepest_drawdown", N_("deepest drawdown, mean"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> {
       return Decimal(s.spread.total_deepest_drawdown, s.spread.evenings, 2);
     }},
    {"largest_stake", N_("largest stake shown"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> {
       return Whole(s.spread.largest_stake);
     }},
    {"units_staked", N_("units staked"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> {
       return Whole(s.spread.units_staked);
     }},
    {"result_per_unit_staked", N_("result per unit staked"),
     [](const SystemSpread& s, Style style) { return Ratio(s.spread.result_per_unit, style); }},
    // xgettext:no-c-format
    {"result_per_unit_staked_low95", N_("  95 % interval, low"),
     [](const SystemSpread& s, Style style) { return Bound(s, false, style); }},
    // xgettext:no-c-format
    {"result_per_unit_staked_high95", N_("  95 % interval, high"),
     [](const SystemSpread& s, Style style) { return Bound(s, true, style); }},
    {"interval_withheld", N_("interval withheld"),
     [](const SystemSpread& s, Style) -> std::optional<std::string> {
       const std::optional<NoInterval> why = Withheld(s);
       if (!why) return std::nullopt;
       return std::string(NoIntervalKey(*why));
     },
     true, std::nullopt, false},
    {"house_edge", N_("house edge"),
     [](const SystemSpread&, Style style) { return Ratio(kHouseEdge, style); }},
};

// The columns of a run: every measure, and the share of each session limit that is set.
std::vector<const Column*> ColumnsOf(const RunSetup& setup, Style style) {
  std::vector<const Column*> columns;
  for (const Column& column : kColumns) {
    if (column.limit && !setup.line.settings.limits[*column.limit]) continue;
    if (style == Style::kTable && !column.in_table) continue;
    columns.push_back(&column);
  }
  return columns;
}

std::vector<PlayedSystem> SystemsOf(const std::vector<SystemSpread>& systems) {
  std::vector<PlayedSystem> played;
  played.reserve(systems.size());
  for (const SystemSpread& system : systems) played.push_back(system.system);
  return played;
}

void WriteCsv(std::ostream& out, const RunSetup& setup, const std::vector<SystemSpread>& systems) {
  const std::vector<const Column*> columns = ColumnsOf(setup, Style::kScript);
  std::string line;
  for (const Column* column : columns) {
    if (!line.empty()) line += ',';
    line += column->key;
  }
  out << line << '\n';
  for (const SystemSpread& system : systems) {
    line.clear();
    for (const Column* column : columns) {
      if (column != columns.front()) line += ',';
      const std::string value = column->value(system, Style::kScript).value_or("");
      line += column->text ? CsvField(value) : value;
    }
    out << line << '\n';
  }
}

void WriteTableNotes(std::ostream& out, const RunSetup& setup,
                     const std::vector<SystemSpread>& systems);

void WriteTable(std::ostream& out, const RunSetup& setup,
                const std::vector<SystemSpread>& systems) {
  const CommandLine& c = setup.line;
  out << "vellaro-sim: "
      << TrFormat("{1} of {2} of a fair single-zero wheel",
                  {CountedText(static_cast<int64_t>(c.runs.value_or(0)), N_("{1} evening"),
                               N_("{1} evenings")),
                   CountedText(static_cast<int64_t>(c.spins_per_run.value_or(0)), N_("{1} spin"),
                               N_("{1} spins"))})
      << '\n';
  const std::string note = UnboundedStakesNote(SystemsOf(systems), c.settings.limits);
  if (!note.empty()) out << Wrapped(note);
  PrintSetup(out, setup);
  out << '\n';

  // Measures down, systems across: six systems fit the width of a terminal this way.
  const ReportTable table = MeasuresTable(setup, systems);
  std::vector<std::vector<std::string>> rows = {table.head};
  rows.front().front().clear();
  rows.insert(rows.end(), table.rows.begin(), table.rows.end());
  std::vector<size_t> widths(table.head.size());
  for (const std::vector<std::string>& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], TextColumns(row[i]));
  }
  for (const std::vector<std::string>& row : rows) {
    std::string line = row.front();
    line.append(widths.front() - TextColumns(row.front()), ' ');
    for (size_t s = 1; s < row.size(); ++s) {
      line += std::string(widths[s] + 3 - TextColumns(row[s]), ' ') + row[s];
    }
    out << line << '\n';
  }
  out << '\n';
  WriteTableNotes(out, setup, systems);
}

// What the table's measures mean, and why an interval is withheld.
void WriteTableNotes(std::ostream& out, const RunSetup& setup,
                     const std::vector<SystemSpread>& systems) {
  out << Wrapped(
      // xgettext:no-c-format
      Tr("Net result: the bets shown (and so placed) only, in units, from 0 at the start of "
         "each evening; a bet still on show after the last spin is not counted. House edge "
         "on these stakes: -1/37 of the mean units staked in these evenings, what "
         "the mean net result comes to on average for the stakes they placed, a figure of "
         "this sample as the mean is; no betting system changes the house edge of 1 unit "
         "in 37 on an even-money chance. Percentiles by nearest rank. Deepest "
         "drawdown: the largest fall of the net result below its highest point so far, "
         "which starts at 0. Result per unit staked: all net results over all units "
         "staked, with a 95 % interval across evenings where its method holds (a "
         "calibration test checks that it then covers the house edge 95 times in 100); "
         "where it does not, the interval is withheld and the reason follows."));
  if (setup.line.settings.limits.Any()) {
    out << Wrapped(
        Tr("Stopped by a limit: the share of evenings that a session limit stopped before their "
           "last spin: it held the next bet back after spin k of an evening of S spins, k < S "
           "(a bet held back after the last spin stops nothing). The bankroll, the table "
           "maximum and losses in a row hold a bet back when it would break them, the "
           "stop-loss and the take-profit once reached. With a bankroll, the share it stopped "
           "is the risk of ruin: the evenings on which what was left could not cover the next "
           "stake before the last spin."));
  }
  for (const SystemSpread& system : systems) {
    const std::optional<NoInterval> why = Withheld(system);
    if (why) out << Wrapped(NoIntervalWords(*why, system.system, system.limits, system.spread));
  }
}

void JsonField(std::string& json, std::string_view key, std::string_view value) {
  json += "\"";
  json += key;
  json += "\": ";
  json += value;
}

// A JSON string. A system file's name and path are the player's: they may hold quotes,
// backslashes or (a path) control characters.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  quoted += '"';
  return quoted;
}

// A session limit: its value, or null when it is off.
std::string Limit(const std::optional<int32_t>& value) {
  return value ? std::to_string(*value) : "null";
}

std::string_view Bool(bool value) {
  return value ? "true" : "false";
}

// The --trend options as given, as a JSON list of words.
std::string TrendsClicked(const CommandLine& c) {
  std::string trends = "[";
  for (int chance : c.trends_clicked) {
    if (trends.size() > 1) trends += ", ";
    trends += Quoted(ChanceWord(chance));
  }
  return trends + "]";
}

// The --system-file options as given, as a JSON list of paths.
std::string SystemFiles(const CommandLine& c) {
  std::string files = "[";
  for (const std::string& file : c.system_files) {
    if (files.size() > 1) files += ", ";
    files += Quoted(file);
  }
  return files + "]";
}

// The settings of a run as a JSON object, each under the name of its option.
std::string JsonSettings(const RunSetup& setup) {
  const CommandLine& c = setup.line;
  const vellaro::Settings& s = c.settings;
  const std::string trends = TrendsClicked(c);
  const std::pair<std::string_view, std::string> settings[] = {
      {"system", Quoted(SystemName(setup))},
      {"base", std::to_string(s.base)},
      {"on_wins", std::to_string(s.on_wins)},
      {"add_to_bet", std::to_string(s.add_to_bet)},
      {"safe_level", std::to_string(s.safe_level)},
      {"auto_reset", std::string(Bool(s.auto_reset))},
      {"min_profit", std::string(Bool(s.min_profit))},
      {"trends", trends},
      {"mode", std::to_string(static_cast<int32_t>(s.mode))},
      {"learn", std::to_string(s.learn)},
      {"cat_rows", std::string(Bool(s.cat_rows))},
      {"bankroll", Limit(s.limits.bankroll)},
      {"stop_loss", Limit(s.limits.stop_loss)},
      {"take_profit", Limit(s.limits.take_profit)},
      {"table_max", Limit(s.limits.table_max)},
      {"max_losses", Limit(s.limits.max_losses)},
      {"system_files", SystemFiles(c)},
      {"clock", std::to_string(c.clock_s.value_or(0))},
      {"clock_given", std::string(Bool(setup.clock_given))},
      {"gap_ms", std::to_string(c.gap_ms)},
      {"runs", std::to_string(c.runs.value_or(0))},
      {"spins", std::to_string(c.spins_per_run.value_or(0))},
      {"seed", std::to_string(c.seed.value_or(0))},
      {"seed_given", std::string(Bool(setup.seed_given))},
      {"repeat", Quoted(RepeatingOptions(setup))},
  };
  std::string json = "{";
  for (const auto& [key, value] : settings) {
    // Only a run that plays system files names them: the six alone report as they did.
    if (key == "system_files" && c.system_files.empty()) continue;
    if (key != settings[0].first) json += ", ";
    JsonField(json, key, value);
  }
  return json + "}";
}

// One system's measures as a JSON object, null where there is nothing to measure.
std::string JsonMeasures(const SystemSpread& system, const std::vector<const Column*>& columns) {
  std::string json = "{";
  for (const Column* column : columns) {
    if (column != columns.front()) json += ", ";
    const std::optional<std::string> value = column->value(system, Style::kScript);
    JsonField(json, column->key, !value ? "null" : column->text ? Quoted(*value) : *value);
  }
  return json + "}";
}

void WriteJson(std::ostream& out, const RunSetup& setup, const std::vector<SystemSpread>& systems) {
  const Settings& s = setup.line.settings;
  std::string json = "{\n  ";
  // For programs: the same bytes in every language.
  const std::string note =
      InEnglish([&] { return UnboundedStakesNote(SystemsOf(systems), s.limits); });
  if (!note.empty()) {
    JsonField(json, "note", Quoted(note));
    json += ",\n  ";
  }
  JsonField(json, "settings", JsonSettings(setup));
  json += ",\n  ";
  JsonField(json, "result_depends_on_clock", Bool(ModeDrawsFromTheClock(s.mode)));
  json += ",\n  ";
  JsonField(json, "house_edge", *Ratio(kHouseEdge, Style::kScript));
  json += ",\n  \"systems\": [";
  const std::vector<const Column*> columns = ColumnsOf(setup, Style::kScript);
  for (const SystemSpread& system : systems) {
    json += &system == &systems.front() ? "\n    " : ",\n    ";
    json += JsonMeasures(system, columns);
  }
  json += "\n  ]\n}\n";
  out << json;
}

}  // namespace

std::string Wrapped(std::string_view text, size_t width) {
  if (text.empty()) return "";
  std::string lines;
  size_t line_start = 0;
  while (!text.empty()) {
    const size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    if (lines.size() > line_start) {
      if (lines.size() - line_start + 1 + word.size() > width) {
        lines += '\n';
        line_start = lines.size();
      } else {
        lines += ' ';
      }
    }
    lines += word;
    text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
  }
  return lines + '\n';
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Whole(__int128 value) {
  const bool negative = value < 0;
  // Digit by digit from the remainder's magnitude, so the most negative value works too.
  std::string digits;
  do {
    const int digit = static_cast<int>(value % 10);
    digits += static_cast<char>('0' + (digit < 0 ? -digit : digit));
    value /= 10;
  } while (value != 0);
  if (negative) digits += '-';
  std::reverse(digits.begin(), digits.end());
  return digits;
}

std::string Decimal(__int128 numerator, __int128 denominator, int places) {
  __int128 scale = 1;
  for (int i = 0; i < places; ++i) scale *= 10;
  const bool negative = numerator < 0;
  const __int128 magnitude = negative ? -numerator : numerator;
  const __int128 scaled = (magnitude * scale * 2 + denominator) / (denominator * 2);
  std::string text = negative && scaled != 0 ? "-" : "";
  text += Whole(scaled / scale);
  if (places > 0) {
    std::string fraction = Whole(scaled % scale);
    text += '.' + std::string(static_cast<size_t>(places) - fraction.size(), '0') + fraction;
  }
  return text;
}

ReportTable MeasuresTable(const RunSetup& setup, const std::vector<SystemSpread>& systems) {
  const std::vector<const Column*> columns = ColumnsOf(setup, Style::kTable);
  ReportTable table;
  table.caption = "The measures of the run, as the table prints them";
  // The first measure, the system's word, heads its column.
  // Labels and numbers as the language of the texts for people writes them; the systems'
  // names as they are.
  table.head.emplace_back(Tr(columns.front()->label.data()));
  for (const SystemSpread& system : systems) {
    table.head.push_back(columns.front()->value(system, Style::kTable).value_or(Tr("n/a")));
  }
  for (size_t row = 1; row < columns.size(); ++row) {
    std::vector<std::string> cells = {Tr(columns[row]->label.data())};
    for (const SystemSpread& system : systems) {
      const std::optional<std::string> value = columns[row]->value(system, Style::kTable);
      cells.push_back(value ? LocalNumber(*value) : std::string(Tr("n/a")));
    }
    table.rows.push_back(std::move(cells));
  }
  return table;
}

void WriteReport(std::ostream& out, std::ostream& err, const RunSetup& setup,
                 const std::vector<SystemSpread>& systems) {
  switch (setup.line.format) {
    case Format::kCsv: {
      PrintSetup(err, setup);
      const std::string note = UnboundedStakesNote(SystemsOf(systems), setup.line.settings.limits);
      if (!note.empty()) err << Wrapped(TrFormat("note: {1}", {note}));
      WriteCsv(out, setup, systems);
      return;
    }
    case Format::kJson:
      WriteJson(out, setup, systems);
      return;
    case Format::kTable:
      WriteTable(out, setup, systems);
      return;
  }
}

}  // namespace vellaro::sim
