#pragma once

#include <streambuf>

namespace vellaro::testing {

// An output on a full disk: what is written waits in a buffer, as std::cout's does, and
// writing the buffer out fails.
class FullDisk final : public std::streambuf {
 public:
  FullDisk() { setp(buffer_, buffer_ + sizeof buffer_); }

 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  int sync() override { return -1; }

 private:
  char buffer_[1 << 16];
};

}  // namespace vellaro::testing
