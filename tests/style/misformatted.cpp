// Laid out against .clang-format (a brace on its own line, four spaces, a line too long):
// the format check must refuse it.

#include <string>

namespace style {

int Length(const std::string& text)
{
    return static_cast<int>(text.size()) + static_cast<int>(text.size()) + static_cast<int>(text.size());
}

}  // namespace style
