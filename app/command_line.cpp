#include "app/command_line.h"

#include <QCoreApplication>
#include <algorithm>

namespace vellaro::app {

namespace {

// Translated when a translation is installed: main() installs one before it answers.
constexpr const char* kHelp = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: vellaro [OPTION]\n"
    "Opens the Vellaro window, a betting assistant for single-zero roulette: click the\n"
    "number of each spin on the number board, and Vellaro shows one of the six\n"
    "even-money chances with a stake from the betting system you picked. It places no\n"
    "bets itself, and no analysis changes the house edge of 1/37.\n"
    "\n"
    "Options:\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "  --lang LANG  show the window in LANG (de, fr, ...), not the system's language\n"
    "\n"
    "Qt's own options, such as -platform NAME or -display DISPLAY, are accepted too.\n");

}  // namespace

std::string_view VersionLine() {
  return "vellaro " VELLARO_VERSION;
}

namespace {

// The first of the two that appears wins, as with most programs.
std::span<const std::string_view>::iterator FirstAnswered(std::span<const std::string_view> args) {
  return std::find_if(args.begin(), args.end(),
                      [](std::string_view arg) { return arg == "--help" || arg == "--version"; });
}

}  // namespace

bool AnswersWithoutWindow(std::span<const std::string_view> args) {
  return FirstAnswered(args) != args.end();
}

std::optional<int> AnswerWithoutWindow(std::span<const std::string_view> args, std::ostream& out) {
  const auto it = FirstAnswered(args);
  if (it == args.end()) return std::nullopt;
  if (*it == "--help") {
    out << QCoreApplication::translate("CommandLine", kHelp).toStdString();
  } else {
    out << VersionLine() << '\n';
  }
  out.flush();
  return out ? 0 : 1;
}

}  // namespace vellaro::app
