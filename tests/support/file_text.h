#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace vellaro::testing {

// The whole of a file's bytes; empty if it does not open.
inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace vellaro::testing
