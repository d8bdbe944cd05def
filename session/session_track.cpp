#include "session/session_track.h"

#include <type_traits>

namespace vellaro {

void SessionTrack::On(const GameEvent& event) {
  result_.On(event);
  ++version_;
  std::visit(
      [this](const auto& e) {
        using E = std::decay_t<decltype(e)>;
        if constexpr (std::is_same_v<E, SpinAccepted>) {
          TrackPoint point;
          point.number = e.number;
          point.net = result_.counts().net;
          point.reset = pending_reset_;
          point.setting = pending_setting_;
          pending_reset_ = pending_setting_ = false;
          points_.push_back(point);
        } else if constexpr (std::is_same_v<E, SpinUndone>) {
          if (!points_.empty()) {
            undone_ = points_.back();
            points_.pop_back();
          }
          // Only a spin already counted is taken back; one not counted yet never will be.
          if (static_cast<size_t>(statistics_.spins()) > points_.size()) statistics_.RemoveLast();
        } else if constexpr (std::is_same_v<E, SpinRedone>) {
          // Nothing has changed since the undo: the spin comes back as it was.
          points_.push_back(undone_);
        } else if constexpr (std::is_same_v<E, BetSettled>) {
          // The settlement follows the spin it belongs to.
          if (e.shown && !points_.empty()) {
            TrackPoint& point = points_.back();
            point.bet_stake = e.stake;
            point.bet_won = e.won;
            point.net = result_.counts().net;
          }
        } else if constexpr (std::is_same_v<E, LedgerReset>) {
          pending_reset_ = true;
        } else if constexpr (std::is_same_v<E, SettingChanged> ||
                             std::is_same_v<E, SystemChanged>) {
          pending_setting_ = true;
        }
      },
      event);
}

const SpinStatistics& SessionTrack::statistics() const {
  for (auto i = static_cast<size_t>(statistics_.spins()); i < points_.size(); ++i) {
    statistics_.Add(points_[i].number);
  }
  return statistics_;
}

}  // namespace vellaro
