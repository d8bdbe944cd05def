#pragma once

// A GameEvent as one row of the journal: a stable kind number and up to seven integers.
// The kind numbers are the file format: they never change, and new kinds take new numbers.

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "game/events.h"

namespace vellaro::journal {

enum class EventKind : int32_t {
  kSpinAccepted = 1,
  kSpinUndone = 2,
  kAnalysisStarted = 3,
  kAnalysisEnded = 4,
  kBetShown = 5,
  kBetTracked = 6,
  kBetSettled = 7,
  kLedgerReset = 8,
  kModeChanged = 9,
  kSystemChanged = 10,
  kSettingChanged = 11,
  kMatrixCreated = 12,
  kMatrixDiscarded = 13,
  kRecalculated = 14,
  kChoiceSeeded = 15,
  kBetWithheld = 16,
  kSpinRedone = 17,
  // A system the player wrote: no values; its text is kept beside the event, in the table
  // system_texts (schema.h), and put back by LoadSession.
  kCustomSystemChanged = 18,
};

// The text of a kCustomSystemChanged as Decode leaves it, until LoadSession puts the stored
// text in its place: a session where one stays has lost a row of system_texts.
inline constexpr std::string_view kCustomTextNotRead{"\0not read", 9};

inline constexpr int kRecordValues = 7;

struct EventRecord {
  EventKind kind = EventKind::kSpinAccepted;
  std::array<std::optional<int64_t>, kRecordValues> values{};
  friend bool operator==(const EventRecord&, const EventRecord&) = default;
};

// A stored row that is no event this program could have written.
class BadRecord : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

EventRecord Encode(const GameEvent& event);
// Throws BadRecord for an unknown kind or a value out of its range.
GameEvent Decode(const EventRecord& record);

}  // namespace vellaro::journal
