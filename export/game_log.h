#pragma once

#include <string>

#include "game/controls.h"

namespace vellaro {

// The game log: one entered number per line, oldest first, every line ending in CR LF;
// no header, no byte-order mark. An empty history gives an empty text.
std::string GameLogText(const TextLines& numbers);

}  // namespace vellaro
