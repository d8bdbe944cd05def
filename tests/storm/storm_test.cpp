// A storm of random player actions: clicks during animations, undos when not offered,
// options changed mid-game, garbage typed into the stake. After every action the game must
// still be whole. A failure prints the shortest action list that reproduces it.

#include "storm.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vellaro::storm {
namespace {

constexpr int64_t kStart = 1'700'000'000'000;
using testing::step::Wait;

// VELLARO_STORM_SEEDS and VELLARO_STORM_ACTIONS scale the storm up for a soak.
uint64_t FromEnvironment(const char* name, uint64_t fallback) {
  const char* value = std::getenv(name);
  return value ? std::strtoull(value, nullptr, 10) : fallback;
}

class Storm : public ::testing::TestWithParam<uint64_t> {};

TEST_P(Storm, NothingAPlayerDoesBreaksTheGame) {
  const uint64_t seeds = FromEnvironment("VELLARO_STORM_SEEDS", 25);
  const size_t actions = FromEnvironment("VELLARO_STORM_ACTIONS", 10'000);
  for (uint64_t seed = GetParam() * seeds; seed < (GetParam() + 1) * seeds; ++seed) {
    const std::vector<Step> storm = RandomActions(seed, actions);
    const int64_t start = kStart + static_cast<int64_t>(seed % 1000) * 997;
    if (const std::optional<Failure> failure = Play(storm, start)) {
      const auto replay = [start](const std::vector<Step>& list) -> std::optional<size_t> {
        const std::optional<Failure> f = Play(list, start);
        return f ? std::optional<size_t>(f->index) : std::nullopt;
      };
      const std::string repro = testing::Describe(testing::Shrink(storm, replay), "      ");
      FAIL() << "seed " << seed << ", action " << failure->index << ": " << failure->what
             << "\n  shortest reproduction (start " << start << "):\n"
             << repro;
    }
  }
}

// Four shards of 25 seeds of 10,000 actions: a million actions.
INSTANTIATE_TEST_SUITE_P(Seeds, Storm, ::testing::Values(0, 1, 2, 3));

TEST(StormShrink, KeepsOnlyWhatTheFailureNeeds) {
  // A made-up fault: a list fails once it has clicked 17 and later 0.
  const testing::FailureFinder finder = [](const std::vector<Step>& list) -> std::optional<size_t> {
    bool seventeen = false;
    for (size_t i = 0; i < list.size(); ++i) {
      const auto* click = std::get_if<act::EnterNumber>(&list[i]);
      if (click != nullptr && click->number == 17) seventeen = true;
      if (click != nullptr && click->number == 0 && seventeen) return i;
    }
    return std::nullopt;
  };
  std::vector<Step> noisy = RandomActions(99, 2000);
  noisy.insert(noisy.begin() + 500, act::EnterNumber{17});
  noisy.insert(noisy.begin() + 1500, act::EnterNumber{0});
  ASSERT_TRUE(finder(noisy).has_value());
  const std::vector<Step> shortest = testing::Shrink(noisy, finder);
  EXPECT_EQ(testing::Describe(shortest, ""), "act::EnterNumber{17},\nact::EnterNumber{0},\n");
}

TEST(StormInvariants, CatchABrokenGame) {
  // The checks themselves: a storm that plays normally passes, the same with an undo
  // clicked while it is offered passes too.
  using act::EnterNumber;
  const std::vector<Step> road = {EnterNumber{17}, EnterNumber{25}, EnterNumber{0},
                                  EnterNumber{0},  EnterNumber{0},  Wait{5000},
                                  EnterNumber{8},  Wait{5000},      act::Undo{}};
  EXPECT_FALSE(Play(road, kStart).has_value());
}

// Action lists the storm once shrank a failure to.
TEST(StormRegressions, StayFixed) {
  // The pointer stayed on 14 while the fifth spin came in by other means: the analysis
  // took the tiles away and left the highlight of 14, clickable, over a hidden tile.
  using act::EnterNumber;
  const std::vector<Step> highlight_left_behind = {
      testing::step::PointAt{14}, EnterNumber{1}, EnterNumber{18}, EnterNumber{8}, EnterNumber{19}};
  EXPECT_FALSE(Play(highlight_left_behind, kStart).has_value());
}

}  // namespace
}  // namespace vellaro::storm
