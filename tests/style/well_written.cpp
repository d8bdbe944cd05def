// Formatted as .clang-format says and clean of the checks of .clang-tidy: the style checks
// pass on it, so that their failure on the files beside it is theirs.

#include <string>
#include <utility>
#include <vector>

namespace style {

std::vector<std::string> Named(std::string name) {
  std::vector<std::string> names;
  names.push_back(std::move(name));
  return names;
}

}  // namespace style
