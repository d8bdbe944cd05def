#pragma once

#include <cstdint>

namespace vellaro {

// The wall clock, read in whole seconds since the Unix epoch. Every "seed from the
// clock" goes through this seam, so tests and the simulator control it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t NowSeconds() const = 0;
};

// The machine's clock.
class SystemClock final : public Clock {
 public:
  uint32_t NowSeconds() const override;
};

// A clock that shows whatever a test sets.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(uint32_t seconds = 0) : seconds_(seconds) {}
  uint32_t NowSeconds() const override { return seconds_; }
  void Set(uint32_t seconds) { seconds_ = seconds; }
  void Advance(uint32_t seconds) { seconds_ += seconds; }

 private:
  uint32_t seconds_;
};

}  // namespace vellaro
