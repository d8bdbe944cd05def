#pragma once

#include <sys/resource.h>

#include <csignal>
#include <stdexcept>

namespace vellaro::testing {

// A file-size limit (ulimit -f) on this process for as long as it lives, with SIGXFSZ
// ignored as both programs' main ignores it: a write past the limit then fails with EFBIG.
// Only the soft limit is lowered, so it can be put back.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    if (::getrlimit(RLIMIT_FSIZE, &before_) != 0) throw std::runtime_error("getrlimit failed");
    rlimit limit = before_;
    limit.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) throw std::runtime_error("setrlimit failed");
    signal_before_ = std::signal(SIGXFSZ, SIG_IGN);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, signal_before_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit before_{};
  void (*signal_before_)(int) = SIG_DFL;
};

}  // namespace vellaro::testing
