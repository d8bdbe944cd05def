#pragma once

namespace vellaro {

// The sum of the decimal digits of x >= 0.
int DigitSum(int x);

// The row (1..18) of the SMART table for two numbers 0..36: the digit sum of
// 111 - (previous + current).
int SmartRowOf(int previous, int current);

// The chance index that row 1..18 holds for a pair: 0 Less/More, 1 Even/Odd, 2 Red/Black.
int SmartChoice(int row, int pair);

}  // namespace vellaro
