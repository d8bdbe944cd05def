#include "tools/sim/report.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellaro::sim {
namespace {

RunSetup SetupIn(Format format) {
  RunSetup setup;
  setup.line.format = format;
  setup.line.clock_s = 100;
  setup.line.runs = 3;
  setup.line.spins_per_run = 50;
  setup.line.seed = 9;
  setup.line.settings.system = 2;
  setup.clock_given = true;
  setup.seed_given = true;
  return setup;
}

// The three evenings worked out in statistics_test, and one system that never bet.
std::vector<SystemSpread> Systems() {
  const std::vector<Evening> havrel = {{2, 4, 1, 2, {}}, {-4, 4, 5, 4, {}}, {-1, 3, 3, 1, {}}};
  const std::vector<Evening> idle = {{0, 0, 0, 0, {}}};
  return {{2, 50, SpreadOf(havrel), {}}, {4, 50, SpreadOf(idle), {}}};
}

TEST(Report, CsvIsAHeaderAndOneLinePerSystemWithTheSetupOnStandardError) {
  std::ostringstream out, err;
  WriteReport(out, err, SetupIn(Format::kCsv), Systems());
  // -3/11 = -0.272727; 1.96 times its standard error 0.473028 is 0.927118.
  EXPECT_EQ(out.str(),
            "system,evenings,spins,mean_result,median_result,p5_result,p95_result,share_ahead,"
            "mean_deepest_drawdown,largest_stake,units_staked,result_per_unit_staked,"
            "result_per_unit_staked_low95,result_per_unit_staked_high95,house_edge\n"
            "havrel,3,50,-1.00,-1,-4,2,0.333333,3.00,4,11,-0.272727,-1.199845,0.654390,"
            "-0.027027\n"
            "blind,1,50,0.00,0,0,0,0.000000,0.00,0,0,,,,-0.027027\n");
  EXPECT_EQ(err.str(),
            "settings: --system havrel --base 1 --on-wins 1 --add-to-bet 1 --safe-level 0 "
            "--mode 2 --learn 10 --clock 100 --gap-ms 1000 --runs 3 --spins 50 --seed 9\n"
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
                       "evenings                              3         1\n"
                       "spins per evening                    50        50\n"
                       "net result, mean                  -1.00      0.00\n"
                       "net result, median                   -1         0\n"
                       "net result, 5th percentile           -4         0\n"
                       "net result, 95th percentile           2         0\n"
                       "evenings ending ahead           33.33 %    0.00 %\n"
                       "deepest drawdown, mean             3.00      0.00\n"
                       "largest stake shown                   4         0\n"
                       "units staked                         11         0\n"
                       "result per unit staked         -27.27 %       n/a\n"
                       "  95 % interval, low          -119.98 %       n/a\n"
                       "  95 % interval, high           65.44 %       n/a\n"
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
  EXPECT_EQ(json.substr(json.size() - 8), "}\n  ]\n}\n");
}

}  // namespace
}  // namespace vellaro::sim
