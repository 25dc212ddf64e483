#pragma once

#include <array>

namespace tavrin::rules {

// Picture index of the LED minus sign, beside the digits 0 to 9 and the colon (10).
inline constexpr int kLedMinus = 11;

// The six LED boxes of a number, index 0 the units (the rightmost box). Leading zeros show and
// only the last six digits of a larger number. A negative number shows a minus sign in the
// leftmost box and the last five digits of its magnitude.
std::array<int, 6> statusDigits(long long number);

} // namespace tavrin::rules
