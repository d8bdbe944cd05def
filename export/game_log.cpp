#include "export/game_log.h"

namespace vellaro {

std::string GameLogText(const TextLines& numbers) {
  std::string text;
  for (const std::string& line : numbers) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace vellaro
