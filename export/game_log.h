#pragma once

#include <string>
#include <vector>

namespace vellaro {

// The game log: one entered number per line, oldest first, every line ending in CR LF;
// no header, no byte-order mark. An empty history gives an empty text.
std::string GameLogText(const std::vector<std::string>& numbers);

// `name` with ".<extension>" added when its last path component has no extension.
std::string WithDefaultExtension(const std::string& name, const std::string& extension);

}  // namespace vellaro
