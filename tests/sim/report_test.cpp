#include "tools/sim/report.h"

#include <gtest/gtest.h>

#include <sstream>

#include "betting/system_file.h"
#include "tools/sim/interval_rule.h"

namespace vellaro::sim {
namespace {

RunSetup SetupIn(Format format) {
  RunSetup setup;
  setup.line.format = format;
  setup.line.clock_s = 100;
  setup.line.runs = 120;
  setup.line.spins_per_run = 50;
  setup.line.seed = 9;
  setup.line.settings.system = kHavrel;
  setup.clock_given = true;
  setup.seed_given = true;
  return setup;
}

// The three evenings worked out in statistics_test, 40 times over (enough evenings for an
// interval), and one system that never bet.
std::vector<SystemSpread> Systems() {
  std::vector<Evening> havrel;
  for (int i = 0; i < 40; ++i) {
    havrel.insert(havrel.end(), {{2, 4, 1, 2, {}}, {-4, 4, 5, 4, {}}, {-1, 3, 3, 1, {}}});
  }
  const std::vector<Evening> idle = {{0, 0, 0, 0, {}}};
  return {{2, 50, SpreadOf(havrel), {}}, {4, 50, SpreadOf(idle), {}}};
}

TEST(Report, CsvIsAHeaderAndOneLinePerSystemWithTheSetupOnStandardError) {
  std::ostringstream out, err;
  WriteReport(out, err, SetupIn(Format::kCsv), Systems());
  // -3/11 = -0.272727; its standard error is sqrt(40 * 2184/121 / (119 * 120)) / (11/3) =
  // 0.061323, 1.96 times which is 0.120192. At the house edge the 440 units staked over 120
  // evenings come to -440 / 37 / 120 = -0.10 an evening.
  EXPECT_EQ(out.str(),
            "system,evenings,spins,mean_result,expected_mean_result,median_result,p5_result,"
            "p95_result,share_ahead,mean_deepest_drawdown,largest_stake,units_staked,"
            "result_per_unit_staked,result_per_unit_staked_low95,result_per_unit_staked_high95,"
            "interval_withheld,house_edge\n"
            "havrel,120,50,-1.00,-0.10,-1,-4,2,0.333333,3.00,4,440,-0.272727,-0.392919,"
            "-0.152535,,-0.027027\n"
            "blind,1,50,0.00,0.00,0,0,0,0.000000,0.00,0,0,,,,,-0.027027\n");
  EXPECT_EQ(err.str(),
            "settings: --system havrel --base 1 --on-wins 1 --add-to-bet 1 --safe-level 0 "
            "--mode 2 --learn 10 --clock 100 --gap-ms 1000 --runs 120 --spins 50 --seed 9\n"
            "clock: 100, given with --clock\n"
            "seed: 9, given with --seed\n");
}

TEST(Report, TheTableShowsPercentagesAndNaWhereNothingWasStaked) {
  std::ostringstream out, err;
  WriteReport(out, err, SetupIn(Format::kTable), Systems());
  EXPECT_EQ(err.str(), "");
  const std::string table = out.str();
  EXPECT_NE(table.find("\n\n"
                       "                                 havrel     blind\n"
                       "evenings                            120         1\n"
                       "spins per evening                    50        50\n"
                       "net result, mean                  -1.00      0.00\n"
                       "  house edge on these stakes      -0.10      0.00\n"
                       "net result, median                   -1         0\n"
                       "net result, 5th percentile           -4         0\n"
                       "net result, 95th percentile           2         0\n"
                       "evenings ending ahead           33.33 %    0.00 %\n"
                       "deepest drawdown, mean             3.00      0.00\n"
                       "largest stake shown                   4         0\n"
                       "units staked                        440         0\n"
                       "result per unit staked         -27.27 %       n/a\n"
                       "  95 % interval, low           -39.29 %       n/a\n"
                       "  95 % interval, high          -15.25 %       n/a\n"
                       "house edge                      -2.70 %   -2.70 %\n\n"
                       "Net result: "),
            std::string::npos)
      << table;
}

TEST(Report, JsonGivesNullWhereThereIsNoValue) {
  std::ostringstream out, err;
  WriteReport(out, err, SetupIn(Format::kJson), Systems());
  const std::string json = out.str();
  EXPECT_NE(json.find("\"result_per_unit_staked\": -0.272727, "), std::string::npos) << json;
  EXPECT_NE(json.find("{\"system\": \"blind\", \"evenings\": 1, "), std::string::npos);
  EXPECT_NE(json.find("\"result_per_unit_staked\": null, \"result_per_unit_staked_low95\": null"),
            std::string::npos);
  EXPECT_NE(json.find("\"interval_withheld\": null, \"house_edge\""), std::string::npos);
  EXPECT_EQ(json.substr(json.size() - 8), "}\n  ]\n}\n");
}

// Martingale without limits, over 120 evenings all ahead: its interval is withheld in
// every format, with the reason, and what the house edge takes of these evenings' stakes
// stands beside the mean, called a figure of the sample, never exact. Havrel over 99
// evenings: too few.
TEST(Report, AnIntervalWhoseMethodDoesNotHoldIsWithheldWithItsReason) {
  const std::vector<Evening> martingale(120, Evening{3, 37, 1, 2, {}});
  std::vector<Evening> havrel;
  for (int i = 0; i < 33; ++i) {
    havrel.insert(havrel.end(), {{2, 4, 1, 2, {}}, {-4, 4, 5, 4, {}}, {-1, 3, 3, 1, {}}});
  }
  const std::vector<SystemSpread> systems = {{0, 50, SpreadOf(martingale), {}},
                                             {2, 50, SpreadOf(havrel), {}}};
  std::ostringstream csv, json, table, err;
  WriteReport(csv, err, SetupIn(Format::kCsv), systems);
  EXPECT_NE(csv.str().find("\nmartingale,120,50,3.00,-1.00,"), std::string::npos) << csv.str();
  EXPECT_NE(csv.str().find(",0.081081,,,stakes_unbounded,-0.027027\n"), std::string::npos);
  EXPECT_NE(csv.str().find(",too_few_evenings,-0.027027\n"), std::string::npos);
  EXPECT_NE(err.str().find("\nnote: No bankroll is set: "), std::string::npos) << err.str();
  WriteReport(json, err, SetupIn(Format::kJson), systems);
  EXPECT_NE(json.str().find("\"result_per_unit_staked_low95\": null, "
                            "\"result_per_unit_staked_high95\": null, "
                            "\"interval_withheld\": \"stakes_unbounded\""),
            std::string::npos)
      << json.str();
  WriteReport(table, err, SetupIn(Format::kTable), systems);
  EXPECT_NE(table.str().find("  95 % interval, low             withheld"), std::string::npos)
      << table.str();
  EXPECT_NE(table.str().find("\nMartingale: no interval. The stakes of this system can grow "
                             "without bound (they double\non every loss); its few ruinous "
                             "evenings are too rare for 120 evenings to measure: at\nthe house "
                             "edge, the units these evenings staked come to -1.00 units an "
                             "evening, a figure\nof this sample as the mean is.\n"),
            std::string::npos)
      << table.str();
  EXPECT_EQ(table.str().find("xact"), std::string::npos) << table.str();
  EXPECT_NE(table.str().find("\nHavrel: no interval. 99 evenings are too few"), std::string::npos);
  EXPECT_EQ(table.str().find("interval withheld"), std::string::npos);  // said in words
}

PlayedSystem File(const std::string& rules) {
  const SystemFileResult read = ParseSystemFile("name = Mine\n" + rules);
  if (!read.system) ADD_FAILURE() << read.error->message;
  return PlayedSystem(read.system.value_or(CustomSystem{}));
}

// A file's stakes are weighed as those of the built-in system of the same shape, unless the
// file itself keeps them within 64 base units.
TEST(Report, AFileIsWeighedAsTheBuiltInSystemOfItsShape) {
  const std::string doubling = "kind = multiply\non_loss = times 2\non_win = reset\n";
  const struct {
    std::string rules;
    int like;
  } cases[] = {
      {doubling, kMartingale},
      {doubling + "cap = 65\n", kMartingale},
      {doubling + "cap = 64\n", kHavrel},
      {"kind = multiply\non_loss = plus 1\non_win = minus 1\n", kHavrel},
      {"kind = multiply\non_loss = times 2\non_win = times 2\n", kParlay},
      {"kind = sequence\nsequence = 1 2 4 8 16 32 64 128\non_loss = next\non_win = reset\n",
       kMartingale},
      {"kind = sequence\nsequence = 1 2 4 8 16 32 64\non_loss = next\non_win = reset\n", kHavrel},
      {"kind = sequence\nsequence = 1 2 4 8 16 32 64 128\non_loss = reset\non_win = next\n",
       kParlay},
      {"kind = labouchere\nline = 1 2 3 4\n", kMartingale},
      {"kind = labouchere\nline = 1 2 3 4\ncap = 64\n", kHavrel},
      {"kind = oscars-grind\n", kMartingale},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    EXPECT_EQ(LimitsBoundingStakes(File(c.rules)), LimitsBoundingStakes(c.like));
  }
  // The notes name the file where they would name Parlay.
  const std::string note = UnboundedStakesNote(
      {kMartingale, File("kind = multiply\non_loss = times 2\non_win = times 2\n")}, {});
  EXPECT_NE(note.find("Mine (grow 2-fold on every win) can grow"), std::string::npos) << note;
  EXPECT_NE(note.find(" Mine ends most evenings a little behind"), std::string::npos) << note;
  EXPECT_NE(note.find(" Mine's winnings fund its stakes"), std::string::npos) << note;
  EXPECT_EQ(note.find("Parlay"), std::string::npos) << note;
}

}  // namespace
}  // namespace vellaro::sim
