#include "session/ruin.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "betting/saturate.h"
#include "betting/session_limits.h"
#include "session/risk.h"

namespace vellaro {

namespace {

constexpr double kWin = static_cast<double>(kWinningPockets) / kPockets;
constexpr double kLoss = static_cast<double>(kLosingPockets) / kPockets;
// States less likely than this are set aside, their sum kept as Ruin::unresolved: the far
// tails of a long horizon hold millions of them and nothing a percentage can show.
constexpr double kNegligible = 1e-15;
// The most blocks of states followed from one bet to the next. Ordinary play stays far
// below it (the systems and limits the tests try reach 2,400 over 300 bets), but stakes
// that double after wins with no lower limit to merge the net results spread them into
// sums of powers of two, a block each, without bound. Settling a block fills at most four
// (two outcomes, each a shifted, monotone run of 256 net results), so memory stays below
// 5 x 8192 blocks of 2 KiB, and the work below a second or two on the window's thread.
constexpr size_t kMostBlocks = 8192;

int64_t SaturatedAdd(int64_t a, int64_t b) {
  int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

// The part of a state the stake rules read; the net result is the index into a column.
struct Tag {
  int64_t stake = 0;
  int64_t streak = 0;
  int64_t wins = 0;
  bool operator==(const Tag&) const = default;
};

struct TagHash {
  size_t operator()(const Tag& t) const {
    uint64_t h = 0x9e3779b97f4a7c15u;
    for (const int64_t part : {t.stake, t.streak, t.wins}) {
      h ^= static_cast<uint64_t>(part) + 0x9e3779b97f4a7c15u + (h << 6) + (h >> 2);
    }
    return static_cast<size_t>(h);
  }
};

// The probabilities of one tag for a block of consecutive net results: a state is a tag
// and a net result, and the net results of one tag mostly lie close together, so blocks
// are far cheaper than a hash entry per state, while a system whose net results spread
// far apart (Parlay's doubling wins) only fills the blocks it reaches.
constexpr int kBlockBits = 8;
constexpr int64_t kBlockSize = int64_t{1} << kBlockBits;
using Block = std::array<double, kBlockSize>;

struct Key {
  Tag tag;
  int64_t block = 0;  // net >> kBlockBits
  bool operator==(const Key&) const = default;
};

struct KeyHash {
  size_t operator()(const Key& k) const {
    return TagHash()(k.tag) ^ (static_cast<size_t>(k.block) * 0x9e3779b97f4a7c15u);
  }
};

using States = std::unordered_map<Key, Block, KeyHash>;

// Merges net results that no limit can tell apart over the checks left; a monotone map
// of the net result, so a range of them maps onto a range.
struct NetClamp {
  bool zero = false;
  std::optional<int64_t> profit;  // at or above it: it
  __int128 merge_from = 1;        // from merge_from to merge_until: merge_to
  __int128 merge_until = 0;
  int64_t merge_to = 0;

  int64_t operator()(int64_t net) const {
    if (zero) return 0;
    if (profit && net >= *profit) return *profit;
    if (net >= merge_from && net <= merge_until) return merge_to;
    return net;
  }
};

// The most any play can stake from a given stake: x(0) = s, x(i + 1) the largest of x(i)
// and the stakes after a win (counted as the UP-TRENDER win that steps) and after a loss
// that applies the loss rule. Every system's rules are nondecreasing in the stake, so no
// play starting at a stake of at most s stakes more than x(i) on its i-th next bet.
class StakeReach {
 public:
  StakeReach(Progression rules, int64_t horizon) : rules_(std::move(rules)), horizon_(horizon) {}

  struct Reach {
    int64_t before_last =
        0;                // x(0) + ... + x(checks - 2): all that can be lost before the last check
    int64_t largest = 0;  // x(checks - 1): the largest stake any of the checks can see
  };
  // REQUIRES: 1 <= checks <= horizon.
  Reach For(int64_t stake, int64_t checks) {
    auto [it, fresh] = cache_.try_emplace(stake);
    Bounds& b = it->second;
    if (fresh) {
      b.stakes.reserve(static_cast<size_t>(horizon_));
      b.before.reserve(static_cast<size_t>(horizon_));
      int64_t x = stake;
      int64_t sum = 0;
      for (int64_t i = 0; i < horizon_; ++i) {
        b.stakes.push_back(x);
        b.before.push_back(sum);
        sum = SaturatedAdd(sum, x);
        x = Next(x);
      }
    }
    const auto last = static_cast<size_t>(checks - 1);
    return {b.before[last], b.stakes[last]};
  }

 private:
  int64_t Next(int64_t stake) const {
    const StakeState won = AfterWin(rules_, {stake, 0, std::max<int64_t>(rules_.on_wins - 1, 0)});
    const StakeState lost = AfterLoss(rules_, {stake, std::max(rules_.safe_level, 0), 0});
    return std::max({stake, won.stake, lost.stake});
  }

  Progression rules_;
  int64_t horizon_;
  struct Bounds {
    std::vector<int64_t> stakes;  // x(i)
    std::vector<int64_t> before;  // x(0) + ... + x(i - 1)
  };
  std::unordered_map<int64_t, Bounds> cache_;
};

// Merges states that no limit can tell apart over the checks left, which keeps the program
// small: the net result only matters while a limit that reads it can still be reached, and
// the loss streak only up to the SAFE LEVEL and the losses-in-a-row limit.
class Merge {
 public:
  Merge(const Progression& rules, const SessionLimits& limits, int64_t horizon)
      : limits_(limits), reach_(rules, std::max<int64_t>(horizon, 1)) {
    streak_cap_ = std::max<int64_t>(rules.safe_level, limits.max_losses.value_or(0)) + 1;
  }

  Tag operator()(Tag t) const {
    t.streak = std::min(t.streak, streak_cap_);
    return t;
  }

  NetClamp ClampFor(int64_t stake, int64_t checks_left) {
    NetClamp clamp;
    const bool lower = limits_.bankroll || limits_.stop_loss;
    clamp.profit = limits_.take_profit;
    if (checks_left <= 0 || (!lower && !clamp.profit)) {
      clamp.zero = true;
      return clamp;
    }
    // At or above the take-profit, the net result cannot change before the next shown bet,
    // which that limit holds back (the stop-loss, checked first, is far away).
    const StakeReach::Reach reach = reach_.For(stake, checks_left);
    const __int128 most_lost = reach.before_last;
    // Below this the take-profit cannot be reached at any of the checks left.
    const __int128 profit_unreachable =
        clamp.profit ? *clamp.profit - most_lost - 1 : std::numeric_limits<__int128>::max();
    if (lower) {
      // The lowest net result from which neither the stop-loss nor the bankroll can hold
      // a bet back at any of the checks left.
      __int128 safe = std::numeric_limits<int64_t>::min();
      if (limits_.stop_loss) safe = std::max(safe, most_lost + 1 - *limits_.stop_loss);
      if (limits_.bankroll) safe = std::max(safe, most_lost + reach.largest - *limits_.bankroll);
      if (safe <= std::numeric_limits<int64_t>::max()) {
        clamp.merge_from = safe;
        clamp.merge_until = profit_unreachable;
        clamp.merge_to = static_cast<int64_t>(safe);
      }
    } else if (profit_unreachable >= std::numeric_limits<int64_t>::min()) {
      // Only the take-profit reads the net result: below its reach every net is alike.
      clamp.merge_from = std::numeric_limits<__int128>::min();
      clamp.merge_until = profit_unreachable;
      clamp.merge_to = static_cast<int64_t>(profit_unreachable);
    }
    return clamp;
  }

 private:
  SessionLimits limits_;
  StakeReach reach_;
  int64_t streak_cap_ = 1;
};

// The distribution of the states of play, bet after bet: what is left to play, and the
// chance that has ended at each limit or been set aside.
class RuinProgram {
 public:
  RuinProgram(const Progression& rules, const SessionLimits& limits, int64_t bets)
      : rules_(rules), limits_(limits), merge_(rules, limits, bets) {}

  // The one state play starts from, settled first when its bet is already standing.
  void Start(const RuinStart& start, int64_t bets) {
    const Tag first{start.state.stake, start.state.loss_streak, start.state.up_trend_wins};
    if (start.standing != Standing::kNone) {
      Place(first, start.net);
      Settle(false, start.standing == Standing::kShown, bets);
    } else {
      Place(merge_(first), merge_.ClampFor(first.stake, bets)(start.net));
    }
  }

  // Puts each state's recommendation to the limits; those held back end there.
  void PutToLimits() {
    for (auto it = now_.begin(); it != now_.end();) {
      const Tag& tag = it->first.tag;
      const bool left = IsBetShown(rules_, {tag.stake, tag.streak, tag.wins})
                            ? PutBlockToLimits(it->first, it->second)
                            : SetAsideNegligible(it->second);
      it = left ? std::next(it) : now_.erase(it);
    }
  }

  // Settles every state into the next bet's, ready for `checks_left` more checks.
  void Settle(bool shown_by_rules, bool force_shown, int64_t checks_left) {
    next_.clear();
    for (const auto& [key, block] : now_) {
      const StakeState state{key.tag.stake, key.tag.streak, key.tag.wins};
      const bool shown = force_shown || (shown_by_rules && IsBetShown(rules_, state));
      const int64_t money = shown ? key.tag.stake : 0;
      if (shown) {
        double total = 0;
        for (const double p : block) total += p;
        ruin_.expected_units_staked += total * static_cast<double>(key.tag.stake);
      }
      const StakeState won = AfterWin(rules_, state);
      const StakeState lost = AfterLoss(rules_, state);
      for (const Outcome& o : {Outcome{won, kWin, money}, Outcome{lost, kLoss, -money}}) {
        SettleInto(key, block, o, checks_left);
      }
    }
    now_.swap(next_);
  }

  // Whether play has spread over more states than the program follows.
  bool TooSpread() const { return now_.size() > kMostBlocks; }

  Ruin Result() {
    for (const double p : ruin_.stopped_by) ruin_.stopped += p;
    return ruin_;
  }

 private:
  struct Outcome {
    StakeState after;
    double weight;
    int64_t change;  // of the net result
  };

  void Place(const Tag& tag, int64_t net) {
    now_[Key{tag, net >> kBlockBits}][static_cast<size_t>(net & (kBlockSize - 1))] = 1.0;
  }

  // Adds one outcome of the block's bets to the states of the next bet.
  void SettleInto(const Key& key, const Block& block, const Outcome& o, int64_t checks_left) {
    const Tag tag = merge_(Tag{o.after.stake, o.after.loss_streak, o.after.up_trend_wins});
    const NetClamp clamp = merge_.ClampFor(tag.stake, checks_left);
    Block* to = nullptr;
    int64_t to_block = 0;
    for (int64_t i = 0; i < kBlockSize; ++i) {
      const double p = block[static_cast<size_t>(i)];
      if (p == 0.0) continue;
      const int64_t net = clamp(SaturatedAdd(key.block * kBlockSize + i, o.change));
      const int64_t at = net >> kBlockBits;
      if (to == nullptr || at != to_block) {
        to = &next_.try_emplace(Key{tag, at}).first->second;  // zeroed when new
        to_block = at;
      }
      (*to)[static_cast<size_t>(net & (kBlockSize - 1))] += o.weight * p;
    }
  }

  // The block's shown bets put to the limits; says whether any of its states plays on.
  bool PutBlockToLimits(const Key& key, Block& block) {
    bool left = false;
    for (int64_t i = 0; i < kBlockSize; ++i) {
      double& p = block[static_cast<size_t>(i)];
      if (p == 0.0) continue;
      const int64_t net = key.block * kBlockSize + i;
      const std::optional<LimitKind> broken =
          BrokenLimit(limits_, net, Saturate(key.tag.stake), Saturate(key.tag.streak));
      if (broken) {
        ruin_.stopped_by[static_cast<size_t>(*broken)] += p;
        p = 0.0;
      } else if (p < kNegligible) {
        ruin_.unresolved += p;
        p = 0.0;
      } else {
        left = true;
      }
    }
    return left;
  }

  // A block whose bet is not shown, so no limit reads it: only its negligible states are
  // set aside. Says whether any of its states plays on.
  bool SetAsideNegligible(Block& block) {
    bool left = false;
    for (double& p : block) {
      if (p != 0.0 && p < kNegligible) {
        ruin_.unresolved += p;
        p = 0.0;
      }
      left = left || p != 0.0;
    }
    return left;
  }

  const Progression& rules_;
  const SessionLimits& limits_;
  Merge merge_;
  States now_;
  States next_;
  Ruin ruin_;
};

}  // namespace

double Ruin::ExpectedResult() const {
  return -expected_units_staked * (kLosingPockets - kWinningPockets) / kPockets;
}

std::optional<Ruin> ExactRuin(const Progression& rules, const RuinStart& start,
                              const SessionLimits& limits, int64_t bets) {
  RuinProgram program(rules, limits, bets);
  program.Start(start, bets);
  for (int64_t check = 0; check < bets; ++check) {
    program.PutToLimits();
    program.Settle(true, false, bets - check - 1);
    if (program.TooSpread()) return std::nullopt;
  }
  return program.Result();
}

}  // namespace vellaro
