#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "session/wheel_layout.h"

namespace vellaro {
namespace {

uint64_t Members(const std::vector<int>& numbers) {
  uint64_t members = 0;
  for (const int n : numbers) members |= uint64_t{1} << n;
  return members;
}

TEST(WheelLayout, OrderSectorsDozensAndColumnsMatchTheTableAtTheTable) {
  // Clockwise from the zero, as printed on the rim; the colours alternate all round.
  const std::vector<int> rim = {0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};
  EXPECT_EQ(std::vector<int>(kWheelOrder.begin(), kWheelOrder.end()), rim);
  for (size_t i = 1; i + 1 < rim.size(); ++i) {
    EXPECT_NE(IsRedNumber(rim[i]), IsRedNumber(rim[i + 1])) << rim[i];
  }
  // Clockwise, not mirrored, n in the middle, across the zero too.
  EXPECT_EQ(WheelNeighbours(0, 1), (std::vector<int>{26, 0, 32}));
  EXPECT_EQ(WheelNeighbours(17, 2), (std::vector<int>{2, 25, 17, 34, 6}));
  EXPECT_EQ(WheelNeighbours(3, 2), (std::vector<int>{12, 35, 3, 26, 0}));
  EXPECT_EQ(WheelNeighbours(5, 40).size(), 37U);  // held to 18 either side
  EXPECT_THROW(WheelNeighbours(37, 1), std::out_of_range);

  // The sectors as the croupier's lists; the first three share the wheel out between them.
  EXPECT_EQ(kSectors[0].members,
            Members({22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25}));
  EXPECT_EQ(kSectors[1].members, Members({27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33}));
  EXPECT_EQ(kSectors[2].members, Members({1, 20, 14, 31, 9, 17, 34, 6}));
  EXPECT_EQ(kSectors[3].members, Members({12, 35, 3, 26, 0, 32, 15}));
  EXPECT_EQ(kSectors[0].members | kSectors[1].members | kSectors[2].members, (1ULL << 37) - 1);
  EXPECT_EQ(kSectors[0].size() + kSectors[1].size() + kSectors[2].size(), 37);
  for (int n = 0; n <= 36; ++n) {
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(kDozens[static_cast<size_t>(i)].Contains(n), n >= 1 && (n - 1) / 12 == i) << n;
      EXPECT_EQ(kColumns[static_cast<size_t>(i)].Contains(n), n >= 1 && (n - 1) % 3 == i) << n;
    }
  }
}

}  // namespace
}  // namespace vellaro
