#pragma once

// What a reader may find where it looks for a file, besides a file: a FIFO with no writer
// (opened as a file, it waits for one for ever) and a link to /dev/zero (it never ends).

#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace vellaro::testing {

inline std::string MakeFifoAt(const std::string& path) {
  if (::mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed: " + path);
  return path;
}

inline std::string LinkToZeroAt(const std::string& path) {
  std::filesystem::create_symlink("/dev/zero", path);
  return path;
}

}  // namespace vellaro::testing
