#include "export/game_log.h"

namespace vellaro {

std::string GameLogText(const std::vector<std::string>& numbers) {
  std::string text;
  for (const std::string& line : numbers) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string WithDefaultExtension(const std::string& name, const std::string& extension) {
  const size_t base = name.find_last_of('/');
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && (base == std::string::npos || dot > base)) return name;
  return name + "." + extension;
}

}  // namespace vellaro
