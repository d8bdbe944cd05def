#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace vellaro::app {

// The options answered before the window exists, so that they work without a display:
// --version and --help. `args` is the command line without the program's name. Returns
// the exit status when one of them was given; otherwise the window opens and Qt takes
// the command line (its own options, such as -platform).
std::optional<int> AnswerWithoutWindow(std::span<const std::string_view> args, std::ostream& out);

// Whether AnswerWithoutWindow answers `args`.
bool AnswersWithoutWindow(std::span<const std::string_view> args);

// "vellaro <version>", the first line help2man and packagers read.
std::string_view VersionLine();

}  // namespace vellaro::app
