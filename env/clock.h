#pragma once

#include <cstdint>

namespace vellaro {

// The wall clock, read in whole seconds since the Unix epoch. Every "seed from the
// clock" goes through this seam, so tests and the simulator control it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t NowSeconds() const = 0;
  // The seconds a draw that decides what the player sees is seeded with: the time, unless a
  // replay of a recorded game answers with the seconds the game saw then.
  virtual uint32_t SecondsForChoice() { return NowSeconds(); }
};

// The machine's clock.
class SystemClock final : public Clock {
 public:
  uint32_t NowSeconds() const override;
};

// A clock that reads another one, which can be replaced: the window reads the time of day,
// except while it resumes a stored session in virtual time, where its animations must read
// that time, as vellaro-sim's replay of the same session does.
class ClockSwitch final : public Clock {
 public:
  // REQUIRES: `target` outlives its time as the target.
  explicit ClockSwitch(Clock& target) : target_(&target) {}
  Clock& target() const { return *target_; }
  void SwitchTo(Clock& next) { target_ = &next; }
  uint32_t NowSeconds() const override { return target_->NowSeconds(); }
  uint32_t SecondsForChoice() override { return target_->SecondsForChoice(); }

 private:
  Clock* target_;
};

}  // namespace vellaro
