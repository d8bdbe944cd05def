#include "journal/event_record.h"

#include <string>
#include <type_traits>

#include "text/translate.h"

namespace vellaro::journal {
namespace {

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;  // Clang 14 does not deduce it for aggregates yet

EventRecord Make(EventKind kind, std::initializer_list<std::optional<int64_t>> values = {}) {
  EventRecord record{kind, {}};
  size_t i = 0;
  for (const auto& value : values) record.values[i++] = value;
  return record;
}

// Reads value i of a record, which must be present and within [low, high].
int64_t Field(const EventRecord& record, size_t i, int64_t low, int64_t high) {
  const auto& value = record.values[i];
  if (!value || *value < low || *value > high) {
    throw BadRecord(
        TrFormat("journal record of kind {1}: value {2} missing or out of range",
                 {std::to_string(static_cast<int>(record.kind)), std::to_string(i + 1)}));
  }
  return *value;
}

constexpr int64_t kInt32Min = INT32_MIN;
constexpr int64_t kInt32Max = INT32_MAX;

Chance ChanceField(const EventRecord& r, size_t i) {
  return static_cast<Chance>(Field(r, i, 0, kChances - 1));
}
Mode ModeField(const EventRecord& r, size_t i) {
  return static_cast<Mode>(Field(r, i, kFirstMode, kLastMode));
}
bool BoolField(const EventRecord& r, size_t i) {
  return Field(r, i, 0, 1) != 0;
}
int32_t IntField(const EventRecord& r, size_t i) {
  return static_cast<int32_t>(Field(r, i, kInt32Min, kInt32Max));
}
int64_t SpinIndexField(const EventRecord& r, size_t i) {
  return Field(r, i, 1, INT64_MAX);
}
int NumberField(const EventRecord& r, size_t i) {
  return static_cast<int>(Field(r, i, 0, 36));
}

// The two records with a value that may be absent: a settlement with no chance (no bet was
// on) and a bet held back with no bankroll set.
BetSettled DecodeBetSettled(const EventRecord& r) {
  BetSettled e;
  e.spin_index = SpinIndexField(r, 0);
  if (r.values[1]) e.chance = ChanceField(r, 1);
  e.won = BoolField(r, 2);
  e.stake = IntField(r, 3);
  e.shown = BoolField(r, 4);
  e.balance = IntField(r, 5);
  e.target = IntField(r, 6);
  return e;
}

BetWithheld DecodeBetWithheld(const EventRecord& r) {
  BetWithheld e;
  e.chance = ChanceField(r, 0);
  e.stake = IntField(r, 1);
  e.limit = static_cast<LimitKind>(Field(r, 2, 0, kLimits - 1));
  e.limit_value = IntField(r, 3);
  e.net = Field(r, 4, INT64_MIN, INT64_MAX);
  e.losses_in_row = IntField(r, 5);
  if (r.values[6]) e.bankroll_left = *r.values[6];
  return e;
}

}  // namespace

EventRecord Encode(const GameEvent& event) {
  return std::visit(
      Overloaded{
          [](const SpinAccepted& e) {
            return Make(EventKind::kSpinAccepted, {e.index, e.number});
          },
          [](const SpinUndone& e) {
            return Make(EventKind::kSpinUndone, {e.index, e.number});
          },
          [](const SpinRedone& e) {
            return Make(EventKind::kSpinRedone, {e.index, e.number});
          },
          [](const AnalysisStarted& e) {
            return Make(EventKind::kAnalysisStarted, {static_cast<int64_t>(e.mode)});
          },
          [](const AnalysisEnded& e) {
            return Make(EventKind::kAnalysisEnded, {static_cast<int64_t>(e.mode)});
          },
          [](const BetShown& e) {
            return Make(EventKind::kBetShown, {e.chance, e.stake});
          },
          [](const BetTracked& e) {
            return Make(EventKind::kBetTracked, {e.chance, e.stake});
          },
          [](const BetSettled& e) {
            std::optional<int64_t> chance;
            if (e.chance) chance = *e.chance;
            return Make(EventKind::kBetSettled,
                        {e.spin_index, chance, e.won, e.stake, e.shown, e.balance, e.target});
          },
          [](const LedgerReset& e) {
            return Make(EventKind::kLedgerReset, {static_cast<int64_t>(e.reason), e.stake});
          },
          [](const ModeChanged& e) {
            return Make(EventKind::kModeChanged, {static_cast<int64_t>(e.mode)});
          },
          [](const SystemChanged& e) {
            if (!e.custom.empty()) return Make(EventKind::kCustomSystemChanged);
            return Make(EventKind::kSystemChanged, {e.system});
          },
          [](const SettingChanged& e) {
            return Make(EventKind::kSettingChanged,
                        {static_cast<int64_t>(e.setting), e.value, e.chance});
          },
          [](const MatrixCreated&) { return Make(EventKind::kMatrixCreated); },
          [](const MatrixDiscarded&) { return Make(EventKind::kMatrixDiscarded); },
          [](const Recalculated& e) { return Make(EventKind::kRecalculated, {e.draw}); },
          [](const ChoiceSeeded& e) { return Make(EventKind::kChoiceSeeded, {e.seconds}); },
          [](const BetWithheld& e) {
            return Make(EventKind::kBetWithheld,
                        {e.chance, e.stake, static_cast<int64_t>(e.limit), e.limit_value, e.net,
                         e.losses_in_row, e.bankroll_left});
          },
      },
      event);
}

GameEvent Decode(const EventRecord& r) {
  switch (r.kind) {
    case EventKind::kSpinAccepted:
      return SpinAccepted{SpinIndexField(r, 0), NumberField(r, 1)};
    case EventKind::kSpinUndone:
      return SpinUndone{SpinIndexField(r, 0), NumberField(r, 1)};
    case EventKind::kSpinRedone:
      return SpinRedone{SpinIndexField(r, 0), NumberField(r, 1)};
    case EventKind::kAnalysisStarted:
      return AnalysisStarted{ModeField(r, 0)};
    case EventKind::kAnalysisEnded:
      return AnalysisEnded{ModeField(r, 0)};
    case EventKind::kBetShown:
      return BetShown{ChanceField(r, 0), IntField(r, 1)};
    case EventKind::kBetTracked:
      return BetTracked{ChanceField(r, 0), IntField(r, 1)};
    case EventKind::kBetSettled:
      return DecodeBetSettled(r);
    case EventKind::kLedgerReset:
      return LedgerReset{static_cast<ResetReason>(
                             Field(r, 0, 0, static_cast<int64_t>(ResetReason::kAutomaticReset))),
                         IntField(r, 1)};
    case EventKind::kModeChanged:
      return ModeChanged{ModeField(r, 0)};
    case EventKind::kSystemChanged:
      return SystemChanged{static_cast<BettingSystem>(Field(r, 0, 0, kBettingSystems - 1)), {}};
    case EventKind::kCustomSystemChanged:
      return SystemChanged{kMartingale, std::string(kCustomTextNotRead)};
    case EventKind::kSettingChanged:
      return SettingChanged{
          static_cast<Setting>(Field(r, 0, 0, static_cast<int64_t>(Setting::kMaxLosses))),
          IntField(r, 1), ChanceField(r, 2)};
    case EventKind::kMatrixCreated:
      return MatrixCreated{};
    case EventKind::kMatrixDiscarded:
      return MatrixDiscarded{};
    case EventKind::kRecalculated:
      return Recalculated{IntField(r, 0)};
    case EventKind::kChoiceSeeded:
      return ChoiceSeeded{static_cast<uint32_t>(Field(r, 0, 0, UINT32_MAX))};
    case EventKind::kBetWithheld:
      return DecodeBetWithheld(r);
  }
  throw BadRecord(
      TrFormat("journal record of unknown kind {1}", {std::to_string(static_cast<int>(r.kind))}));
}

}  // namespace vellaro::journal
