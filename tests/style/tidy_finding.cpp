// A string read after it was moved from, a fault bugprone-use-after-move finds: the tidy
// check must refuse it.

#include <string>
#include <utility>
#include <vector>

namespace style {

size_t MovedTwice(std::string name) {
  std::vector<std::string> names;
  names.push_back(std::move(name));
  return names.size() + name.size();
}

}  // namespace style
