// The packed blocks of events: every field and time back as it went, damage refused, and
// the rows of a version-2 journal packed with their numbers and times kept.

#include "journal/event_block.h"

#include <gtest/gtest.h>

#include <limits>

#include "journal/journal.h"
#include "journal/schema.h"
#include "support/temp_folder.h"

namespace vellaro::journal {
namespace {

constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();

std::vector<TimedRecord> Edges() {
  return {
      {Encode(SpinAccepted{1, 0}), 1'765'000'000'000},
      {Encode(BetWithheld{kEven, 8, LimitKind::kTableMax, 4, kMin, 0, std::nullopt}), kMin},
      {Encode(BetWithheld{kOdd, 32, LimitKind::kBankroll, 500, kMax, 5, 30}), kMax},
      {Encode(BetSettled{8, kBlack, true, 2, true, INT32_MAX, INT32_MIN}), std::nullopt},
      {Encode(ChoiceSeeded{UINT32_MAX}), 0},
      {Encode(MatrixCreated{}), -1},  // earlier than the one before
      {Encode(SpinUndone{1, 0}), 1'765'000'000'005},
  };
}

TEST(EventBlock, EveryFieldAndTimeComesBackAsItWent) {
  const std::vector<TimedRecord> events = Edges();
  std::string block;
  int64_t previous = 0;
  for (const TimedRecord& event : events) PackEvent(event, previous, block);
  std::vector<StoredEvent> out{StoredEvent{}};  // appended to, not replaced
  ASSERT_EQ(UnpackEvents(block, 41, out), events.size());
  ASSERT_EQ(out.size(), events.size() + 1);
  for (size_t i = 0; i < events.size(); ++i) {
    const StoredEvent& back = out[i + 1];
    EXPECT_EQ(back.seq, 41 + static_cast<int64_t>(i));
    EXPECT_EQ(back.at_ms, events[i].at_ms) << i;
    EXPECT_EQ(Encode(back.event), events[i].record) << i;
  }
}

TEST(EventBlock, DamageIsRefused) {
  std::string block;
  int64_t previous = 0;
  for (const TimedRecord& event : Edges()) PackEvent(event, previous, block);
  std::vector<StoredEvent> out;
  for (size_t cut = 1; cut < 4; ++cut) {
    EXPECT_THROW(UnpackEvents(std::string_view(block).substr(0, block.size() - cut), 1, out),
                 BadRecord)
        << cut;
  }
  // A kind no program wrote, and a varint that never ends.
  EXPECT_THROW(UnpackEvents(std::string("\x63\x00", 2), 1, out), BadRecord);
  EXPECT_THROW(UnpackEvents(std::string(12, '\xff'), 1, out), BadRecord);
  EXPECT_TRUE(out.empty());
}

// A block refused after good events (found by the fuzzer of blocks) adds none of them: what
// the caller had stays as it was.
TEST(EventBlock, ARefusedBlockAddsNothing) {
  std::string block;
  int64_t previous = 0;
  for (const TimedRecord& event : Edges()) PackEvent(event, previous, block);
  block += "\x63\x00";  // then an event of no kind
  std::vector<StoredEvent> out(2);
  EXPECT_THROW(UnpackEvents(block, 1, out), BadRecord);
  EXPECT_EQ(out.size(), 2u);
}

// A damaged row's first seq so high that its events would number past the largest seq
// (found by the fuzzer of blocks, as an overflow): the block is damage, not numbers that
// wrap.
TEST(EventBlock, SeqNumbersPastTheLargestAreDamage) {
  std::string block;
  int64_t previous = 0;
  PackEvent({Encode(SpinAccepted{1, 3}), std::nullopt}, previous, block);
  PackEvent({Encode(SpinAccepted{2, 4}), std::nullopt}, previous, block);
  std::vector<StoredEvent> out;
  EXPECT_EQ(UnpackEvents(block, kMax - 1, out), 2u);
  EXPECT_EQ(out.back().seq, kMax);
  out.clear();
  EXPECT_THROW(UnpackEvents(block, kMax, out), BadRecord);
  EXPECT_TRUE(out.empty());
}

TEST(EventBlock, ABlockWhoseCountDisagreesIsDamage) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  {
    Journal journal(path);
    journal.StartSession(Settings{});
    journal.Record(SpinAccepted{1, 17});
    journal.Record(SpinAccepted{2, 3});
    journal.database().Exec("UPDATE event_blocks SET count = 3");
  }
  Database reader = OpenForReading(path);
  EXPECT_THROW(LoadSession(reader, 1), BadRecord);
}

// A version-2 file: two sessions, one of 150 events with a gap in its numbers, times on
// some. After the migration every event is there with its seq, time and values, and the
// journal goes on numbering after the last.
TEST(EventBlock, AVersion2JournalIsPackedWithNumbersAndTimesKept) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  std::vector<StoredEvent> expected;
  {
    Database old(path, Database::Access::kReadWriteCreate);
    old.Exec(kSchemaVersion1);
    old.Exec(kToVersion2);
    old.Exec("INSERT INTO sessions(id, started_ms) VALUES(1, 1700000000000), (2, 1700000500000)");
    Statement insert(old,
                     "INSERT INTO events(session_id, seq, kind, v1, v2, at_ms) "
                     "VALUES(?, ?, 1, ?, ?, ?)");
    for (int64_t seq = 1; seq <= 151; ++seq) {
      if (seq == 70) continue;  // a gap
      const std::optional<int64_t> at =
          seq % 3 == 0 ? std::nullopt : std::optional<int64_t>(1'700'000'000'000 + seq * 997);
      insert.Bind(1, 1).Bind(2, seq).Bind(3, seq).Bind(4, seq % 37).Bind(5, at);
      insert.Run();
      expected.push_back(StoredEvent{
          seq, at, SpinAccepted{static_cast<int32_t>(seq), static_cast<int32_t>(seq % 37)}});
    }
    insert.Bind(1, 2).Bind(2, 1).Bind(3, 1).Bind(4, 5).Bind(5, std::optional<int64_t>());
    insert.Run();
    old.Exec("PRAGMA user_version = 2");
  }
  {
    // Read as it is, by a reader that may not write (vellaro-sim): the same events.
    Database reader = OpenForReading(path);
    const StoredSession before = LoadSession(reader, 1);
    ASSERT_EQ(before.events.size(), expected.size());
    EXPECT_EQ(before.events.back().seq, 151);
    EXPECT_EQ(before.events.back().at_ms, expected.back().at_ms);
  }
  {
    Journal journal(path);
    EXPECT_EQ(journal.database().QueryInt("PRAGMA user_version"), kSchemaVersion);
    EXPECT_EQ(
        journal.database().QueryInt("SELECT COUNT(*) FROM sqlite_schema WHERE name = 'events'"), 0);
    journal.ContinueSession(1);
    journal.Record(SpinUndone{151, 3});
  }
  Database reader = OpenForReading(path);
  const StoredSession one = LoadSession(reader, 1);
  ASSERT_EQ(one.events.size(), expected.size() + 1);
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(one.events[i].seq, expected[i].seq);
    EXPECT_EQ(one.events[i].at_ms, expected[i].at_ms);
    EXPECT_EQ(Encode(one.events[i].event), Encode(expected[i].event));
  }
  EXPECT_EQ(one.events.back().seq, 152);
  EXPECT_EQ(Encode(one.events.back().event), Encode(SpinUndone{151, 3}));
  const StoredSession two = LoadSession(reader, 2);
  ASSERT_EQ(two.events.size(), 1u);
  EXPECT_EQ(Encode(two.events[0].event), Encode(SpinAccepted{1, 5}));
}

}  // namespace
}  // namespace vellaro::journal
