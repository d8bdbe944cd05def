#include "game/history.h"

#include <gtest/gtest.h>

#include "game/text_number.h"
#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

std::vector<std::string> Strip(const Game& g) {
  std::vector<std::string> captions;
  for (const Label& slot : GamePeer::Controls(g).HisNum) captions.push_back(slot.caption);
  return captions;
}

TEST(History, PocketColours) {
  EXPECT_EQ(PocketColour(0), (Rgb{0, 128, 0}));
  EXPECT_EQ(PocketColour(19), (Rgb{128, 0, 0}));
  EXPECT_EQ(PocketColour(1), (Rgb{128, 0, 0}));
  EXPECT_EQ(PocketColour(36), (Rgb{128, 0, 0}));
  EXPECT_EQ(PocketColour(10), (Rgb{0, 0, 0}));
  EXPECT_EQ(PocketColour(28), (Rgb{0, 0, 0}));
  int red = 0;
  for (int n = 1; n <= 36; ++n) red += PocketColour(n) == kRedPocket;
  EXPECT_EQ(red, 18);
}

TEST(History, TheStripShowsTheNewestFirstOnPocketColours) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).ModeId = 0;  // record only, so that the strip can be filled quickly

  h.Spin(0);
  EXPECT_EQ(Strip(g), (std::vector<std::string>{"0", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(GamePeer::Controls(g).HisNum[0].background, kGreenPocket);
  EXPECT_EQ(GamePeer::Controls(g).HisNum[1].background, kColourBlack);
  EXPECT_EQ(GamePeer::Controls(g).PreviousNum.tag, 0);

  h.Spin(19);
  EXPECT_EQ(Strip(g), (std::vector<std::string>{"19", "0", "", "", "", "", "", "", ""}));
  EXPECT_EQ(GamePeer::Controls(g).HisNum[0].background, kRedPocket);
  EXPECT_EQ(GamePeer::Controls(g).HisNum[1].background, kGreenPocket);
  EXPECT_EQ(GamePeer::Controls(g).PreviousNum.tag, 0);

  h.Spin(10);
  EXPECT_EQ(Strip(g), (std::vector<std::string>{"10", "19", "0", "", "", "", "", "", ""}));
  EXPECT_EQ(GamePeer::Controls(g).PreviousNum.tag, 19);

  h.Spins({1, 2, 3, 4, 5, 6});  // nine spins
  EXPECT_EQ(Strip(g), (std::vector<std::string>{"6", "5", "4", "3", "2", "1", "10", "19", "0"}));
  EXPECT_EQ(GamePeer::Controls(g).HisNum[8].background,
            kGreenPocket);  // the first spin, in the hidden slot
  EXPECT_EQ(GamePeer::Controls(g).PreviousNum.tag, 5);

  h.Spin(28);  // the tenth discards the first
  EXPECT_EQ(Strip(g), (std::vector<std::string>{"28", "6", "5", "4", "3", "2", "1", "10", "19"}));
  EXPECT_EQ(GamePeer::Controls(g).HisNum[0].background, kBlackPocket);
  EXPECT_EQ(GamePeer::Controls(g).HisNum[8].background, kRedPocket);
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.size(), 10u);
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.front(), "0");
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.back(), "28");
}

// Captions of one and two digits in every order: the strip always shows the last nine
// numbers, newest first, each on its pocket's colour.
TEST(History, TheStripFollowsALongRunOfNumbersOfBothLengths) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).ModeId = 0;
  std::vector<int> spun;
  uint32_t r = 12345;
  for (int i = 0; i < 400; ++i) {
    r = r * 1103515245u + 12345u;
    const int n = static_cast<int>((r >> 16) % 37);
    h.Spin(n);
    spun.push_back(n);
    for (size_t slot = 0; slot < 9 && slot < spun.size(); ++slot) {
      const int expected = spun[spun.size() - 1 - slot];
      ASSERT_EQ(GamePeer::Controls(g).HisNum[slot].caption, NumberText(expected))
          << i << "," << slot;
      ASSERT_EQ(GamePeer::Controls(g).HisNum[slot].background, PocketColour(expected))
          << i << "," << slot;
    }
  }
}

TEST(History, TheShiftBackLeavesTheLastTwoSlotsAlike) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).ModeId = 0;
  h.Spins({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  GamePeer::ShiftHistoryBack(g);
  EXPECT_EQ(Strip(g), (std::vector<std::string>{"9", "8", "7", "6", "5", "4", "3", "2", "2"}));
  EXPECT_EQ(GamePeer::Controls(g).HisNum[0].background, kRedPocket);  // 9
  EXPECT_EQ(GamePeer::Controls(g).HisNum[7].background, GamePeer::Controls(g).HisNum[8].background);
  GamePeer::DropLastSpin(g);
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.size(), 9u);
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.back(), "9");
}

TEST(History, AStripSlotThatIsNoNumberRaisesTheConversionErrorAndStopsThePipeline) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({1, 2});
  GamePeer::Controls(g).HisNum[0].caption = "x";
  EXPECT_THROW(g.Apply(act::EnterNumber{3}), ConversionError);
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.size(), 3u);  // appended before the conversion
  EXPECT_EQ(GamePeer::Controls(g).HisNum[0].caption, "x");  // the strip was not shifted
}

}  // namespace
}  // namespace vellaro
