#pragma once

namespace vellaro {

// The DEEP SCAN choice: the chance index chosen from the running sum s (0..36) and the
// running remainder k (0..2), or -1 when s is 0 and nothing is chosen.
//   k = 0: the colour of s; k = 1: its parity; k = 2: its half.
int DeepScanChoice(int s, int k);

}  // namespace vellaro
