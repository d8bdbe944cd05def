#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace vellaro::testing {

// The whole of a file's bytes; empty if it does not open.
inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Makes `path` hold exactly `bytes`.
inline void WriteAll(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace vellaro::testing
