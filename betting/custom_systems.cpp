// The four kinds of system a player writes, played from their rules. Every kind keeps its
// stake in base units and shows units × I, cut to `cap` and lifted to `floor` (both in
// units). A loss below the SAFE LEVEL does not reach them: the place in a sequence, a line
// and a cycle's net move only with the stake.

#include <algorithm>
#include <memory>
#include <utility>

#include "betting/saturate.h"
#include "betting/stake_system.h"
#include "betting/system_preview.h"

namespace vellaro {

namespace {

class CustomRules : public StakeSystem {
 public:
  explicit CustomRules(SystemDefinition rules) : rules_(std::move(rules)) {}
  Safeguards AfterWinChecks() const override { return rules_.safeguards; }
  bool StakeTellsAll() const override { return false; }

 protected:
  // Units within the floor and the cap.
  int64_t Bounded(int64_t units) const {
    if (rules_.cap > 0 && units > rules_.cap) units = rules_.cap;
    return std::max(units, rules_.floor);
  }
  int64_t Amount(const StakeInputs& in, int64_t units) const {
    return ClampedMul(Bounded(units), in.BaseUnit());
  }
  // The units of the stake now standing (always a whole number of them, or the clamp).
  static int64_t UnitsOf(const StakeInputs& in, const StakeState& s) {
    return s.stake / in.BaseUnit();
  }

  SystemDefinition rules_;
};

// The kinds whose win and loss are each one written step (`on_win`, `on_loss`).
class SteppedRules : public CustomRules {
 public:
  using CustomRules::CustomRules;
  void Start(const StakeInputs& in, StakeState& s) const override {
    StakeSystem::Start(in, s);
    s.stake = Amount(in, rules_.start);
  }
  void Win(const StakeInputs& in, StakeState& s) const override { Step(rules_.on_win, in, s); }
  void Loss(const StakeInputs& in, StakeState& s) const override { Step(rules_.on_loss, in, s); }

 protected:
  virtual void Step(const StakeStep& step, const StakeInputs& in, StakeState& s) const = 0;
};

// kind = multiply: the stake times K plus N, plus N or minus N; the stake alone says where
// the system stands.
class MultiplyRules final : public SteppedRules {
 public:
  using SteppedRules::SteppedRules;
  bool StakeTellsAll() const override { return true; }

 private:
  void Step(const StakeStep& step, const StakeInputs& in, StakeState& s) const override {
    const int64_t units = UnitsOf(in, s);
    switch (step.op) {
      case StakeStep::Op::kReset:
        s.stake = Amount(in, rules_.start);
        return;
      case StakeStep::Op::kTimes:
        s.stake = Amount(in, ClampedAdd(ClampedMul(units, step.factor), step.amount));
        return;
      case StakeStep::Op::kPlus:
        s.stake = Amount(in, ClampedAdd(units, step.amount));
        return;
      case StakeStep::Op::kMinus:
        s.stake = Amount(in, ClampedSub(units, step.amount));
        return;
      default:  // stay
        return;
    }
  }
};

// kind = sequence: the stake is the item at the place reached (the first stake is `start`,
// by default the first item); past the last item the sequence stays at it or starts again
// (`at_end`).
class SequenceRules final : public SteppedRules {
 public:
  using SteppedRules::SteppedRules;

 private:
  void Step(const StakeStep& step, const StakeInputs& in, StakeState& s) const override {
    const auto last = static_cast<int64_t>(rules_.sequence.size()) - 1;
    int64_t& place = s.custom.place;
    switch (step.op) {
      case StakeStep::Op::kNext:
        place = place < last ? place + 1 : (rules_.reset_at_end ? 0 : last);
        break;
      case StakeStep::Op::kBack:
        place = std::max<int64_t>(0, place - step.amount);
        break;
      case StakeStep::Op::kReset:
        place = 0;
        break;
      default:  // stay: the stake too
        return;
    }
    s.stake = Amount(in, rules_.sequence[static_cast<size_t>(place)]);
  }
};

// kind = labouchere: the stake is the first plus the last of the line (the one item when
// one is left); a win crosses both off, a loss appends the stake; an emptied line starts
// again.
class LabouchereRules final : public CustomRules {
 public:
  using CustomRules::CustomRules;
  void Start(const StakeInputs& in, StakeState& s) const override {
    StakeSystem::Start(in, s);
    s.custom.line = rules_.sequence;
    s.stake = Amount(in, rules_.start);
  }
  void Win(const StakeInputs& in, StakeState& s) const override {
    std::vector<int64_t>& line = s.custom.line;
    line.erase(line.begin());
    if (!line.empty()) line.pop_back();
    if (line.empty()) line = rules_.sequence;
    s.stake = Amount(in, Ends(line));
  }
  void Loss(const StakeInputs& in, StakeState& s) const override {
    std::vector<int64_t>& line = s.custom.line;
    line.push_back(UnitsOf(in, s));
    s.stake = Amount(in, Ends(line));
  }

 private:
  static int64_t Ends(const std::vector<int64_t>& line) {
    return line.size() == 1 ? line.front() : ClampedAdd(line.front(), line.back());
  }
};

// kind = oscars-grind: a cycle aims at +1 unit. The stake stays after a loss and rises by
// one unit after a win, never above what would bring the cycle to exactly +1; a cycle that
// reaches +1 ends, and the next starts at one unit.
class OscarsGrindRules final : public CustomRules {
 public:
  using CustomRules::CustomRules;
  void Start(const StakeInputs& in, StakeState& s) const override {
    StakeSystem::Start(in, s);
    s.stake = Amount(in, rules_.start);
  }
  void Win(const StakeInputs& in, StakeState& s) const override {
    const int64_t units = UnitsOf(in, s);
    int64_t& net = s.custom.cycle_net;
    net = ClampedAdd(net, units);
    if (net >= 1) {
      net = 0;
      s.stake = Amount(in, 1);
      return;
    }
    s.stake = Amount(in, std::min(ClampedAdd(units, 1), ClampedSub(1, net)));
  }
  void Loss(const StakeInputs& in, StakeState& s) const override {
    s.custom.cycle_net = ClampedSub(s.custom.cycle_net, UnitsOf(in, s));
  }
};

// Base unit 1: the stakes in units.
class UnitInputs final : public StakeInputs {
 public:
  int64_t BaseUnit() const override { return 1; }
  int64_t OnWins() const override { return 1; }
  int64_t AddToBet() const override { return 1; }
};

}  // namespace

std::shared_ptr<const StakeSystem> MakeStakeSystem(const SystemDefinition& written) {
  // A parsed file never breaks these; rules built by hand are brought to them.
  SystemDefinition rules = written;
  if (rules.sequence.empty()) rules.sequence = {1};
  rules.floor = std::max<int64_t>(rules.floor, 1);
  for (StakeStep* step : {&rules.on_win, &rules.on_loss}) {
    if (step->op == StakeStep::Op::kBack) step->amount = std::max<int64_t>(step->amount, 1);
  }
  switch (rules.kind) {
    case SystemKind::kSequence:
      return std::make_shared<SequenceRules>(rules);
    case SystemKind::kLabouchere:
      return std::make_shared<LabouchereRules>(rules);
    case SystemKind::kOscarsGrind:
      return std::make_shared<OscarsGrindRules>(rules);
    case SystemKind::kMultiply:
      break;
  }
  return std::make_shared<MultiplyRules>(rules);
}

SystemPreview PreviewStakes(const SystemDefinition& system, int losses) {
  const std::shared_ptr<const StakeSystem> rules = MakeStakeSystem(system);
  const UnitInputs units;
  SystemPreview preview;
  StakeState start;
  rules->Start(units, start);
  StakeState state = start;
  for (int i = 0; i < losses; ++i) {
    rules->Loss(units, state);
    preview.after_losses.push_back(state.stake);
  }
  rules->Win(units, start);
  preview.after_win = start.stake;
  return preview;
}

}  // namespace vellaro
