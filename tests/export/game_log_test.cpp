#include "export/game_log.h"

#include <gtest/gtest.h>

namespace vellaro {
namespace {

TEST(GameLog, OneNumberPerLineOldestFirstEachEndingInCrLf) {
  EXPECT_EQ(GameLogText({"7", "0", "32"}), std::string("7\r\n0\r\n32\r\n", 10));
  EXPECT_EQ(GameLogText({}), "");
}

}  // namespace
}  // namespace vellaro
