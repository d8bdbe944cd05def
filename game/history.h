#pragma once

#include "game/controls.h"

namespace vellaro {

inline constexpr Rgb kRedPocket{128, 0, 0};
inline constexpr Rgb kGreenPocket{0, 128, 0};
inline constexpr Rgb kBlackPocket{0, 0, 0};

// The colour of the pocket of number n: dark red, green for 0, black otherwise.
Rgb PocketColour(int n);

}  // namespace vellaro
