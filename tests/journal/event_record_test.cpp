#include "journal/event_record.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace vellaro::journal {
namespace {

// One event of every kind, with values at the edges of their ranges.
std::vector<GameEvent> OneOfEachKind() {
  return {SpinAccepted{12, 36},
          SpinUndone{12, 0},
          SpinRedone{INT64_MAX, 36},
          AnalysisStarted{Mode::kRandom},
          AnalysisEnded{Mode::kMatrix},
          BetShown{kMore, 1024},
          BetTracked{kLess, 1},
          BetSettled{7, std::nullopt, false, 1, false, 999999, 1000001},
          BetSettled{8, kBlack, true, 2, true, INT32_MAX, INT32_MIN},
          LedgerReset{ResetReason::kAutomaticReset, 5},
          ModeChanged{Mode::kAdaptive},
          SystemChanged{kUpTrender, {}},
          SystemChanged{kMartingale, "name = Mine\nkind = oscars-grind\n"},  // text kept aside
          SettingChanged{Setting::kTrend, 1, kOdd},
          SettingChanged{Setting::kBaseUnit, 1000, kLess},
          MatrixCreated{},
          MatrixDiscarded{},
          Recalculated{6},
          ChoiceSeeded{UINT32_MAX},
          BetWithheld{kOdd, 32, LimitKind::kBankroll, 500, -470, 5, 30},
          BetWithheld{kEven, 8, LimitKind::kTableMax, 4, INT64_MIN, 0, std::nullopt}};
}

TEST(EventRecord, EveryKindComesBackAsItWent) {
  std::set<size_t> kinds;
  for (const GameEvent& event : OneOfEachKind()) {
    kinds.insert(event.index());
    const EventRecord record = Encode(event);
    const GameEvent back = Decode(record);
    EXPECT_EQ(back.index(), event.index());
    EXPECT_EQ(Encode(back), record) << "kind " << static_cast<int>(record.kind);
  }
  EXPECT_EQ(kinds.size(), std::variant_size_v<GameEvent>) << "a kind of event is not covered";
}

TEST(EventRecord, KindNumbersAreTheFileFormat) {
  // Files already written hold these numbers: a renumbering would misread them.
  EXPECT_EQ(static_cast<int>(Encode(SpinAccepted{1, 5}).kind), 1);
  EXPECT_EQ(static_cast<int>(Encode(SpinUndone{1, 5}).kind), 2);
  EXPECT_EQ(static_cast<int>(Encode(BetSettled{}).kind), 7);
  EXPECT_EQ(static_cast<int>(Encode(ChoiceSeeded{}).kind), 15);
  EXPECT_EQ(static_cast<int>(Encode(BetWithheld{}).kind), 16);
  EXPECT_EQ(static_cast<int>(Encode(SpinRedone{1, 5}).kind), 17);
  const EventRecord settled = Encode(BetSettled{9, kRed, true, 4, true, 10, 11});
  EXPECT_EQ(settled.values[0], 9);
  EXPECT_EQ(settled.values[1], kRed);
  EXPECT_EQ(settled.values[2], 1);
  EXPECT_EQ(settled.values[4], 1);
  EXPECT_FALSE(Encode(BetSettled{}).values[1].has_value()) << "no chance is stored as NULL";
}

TEST(EventRecord, RejectsWhatThisProgramNeverWrites) {
  auto bad = [](EventKind kind, std::initializer_list<std::optional<int64_t>> values) {
    EventRecord record{kind, {}};
    size_t i = 0;
    for (const auto& v : values) record.values[i++] = v;
    return record;
  };
  EXPECT_THROW(Decode(bad(static_cast<EventKind>(0), {})), BadRecord);
  EXPECT_THROW(Decode(bad(static_cast<EventKind>(19), {})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kSpinRedone, {0, 5})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kSpinRedone, {3, 37})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kSpinAccepted, {1, 37})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kSpinAccepted, {0, 5})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kSpinAccepted, {1})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kBetShown, {6, 1})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kBetShown, {0, int64_t{INT32_MAX} + 1})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kModeChanged, {0})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kModeChanged, {6})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kSystemChanged, {6})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kBetSettled, {1, std::nullopt, 2, 1, 0, 0, 0})), BadRecord);
  EXPECT_THROW(Decode(bad(EventKind::kChoiceSeeded, {-1})), BadRecord);
  EXPECT_NO_THROW(Decode(bad(EventKind::kSpinAccepted, {1, 36})));
  EXPECT_NO_THROW(Decode(bad(EventKind::kModeChanged, {5})));
}

}  // namespace
}  // namespace vellaro::journal
