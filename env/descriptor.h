#pragma once

// A file descriptor that closes itself: whatever way a function leaves, what it opened is
// closed once. -1 owns nothing.

#include <unistd.h>

#include <utility>

namespace vellaro {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  // Hands the descriptor over: it is the caller's to close.
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

}  // namespace vellaro
