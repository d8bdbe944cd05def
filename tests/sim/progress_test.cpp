#include "tools/sim/progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellaro::sim {
namespace {

TEST(ProgressLine, ShowsShareDonePaceAndTimeLeft) {
  std::ostringstream err;
  int64_t now = 5'000'000'000;
  ProgressLine line(err, 10'000'000, [&now] { return now; });
  EXPECT_EQ(line.Text(0, 0), "  0.0 % done");
  // 2.5 million spins in one second: 7.5 million left take 3 seconds.
  EXPECT_EQ(line.Text(2'500'000, 1'000'000'000), " 25.0 % done, 2500000 spins/s, 0:00:03 left");
  EXPECT_EQ(line.Text(9'999'999, 1'000'000'000), " 99.9 % done, 9999999 spins/s, 0:00:00 left");
  EXPECT_EQ(line.Text(10, 1'000'000'000), "  0.0 % done, 10 spins/s, 277:46:39 left");
  EXPECT_EQ(line.Text(10'000'000, 2'000'000'000), "100.0 % done, 5000000 spins/s, 0:00:00 left");

  now += 1'000'000'000;
  line.Show(2'500'000);
  line.Show(0);  // shorter: spaces cover the rest of the longer line
  line.Clear();
  EXPECT_EQ(err.str(),
            "\r 25.0 % done, 2500000 spins/s, 0:00:03 left"
            "\r  0.0 % done" +
                std::string(31, ' ') + "\r" + std::string(12, ' ') + "\r");
}

}  // namespace
}  // namespace vellaro::sim
