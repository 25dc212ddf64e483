#include "rules/status_digits.h"

namespace tavrin::rules {

std::array<int, 6> statusDigits(long long number) {
    std::array<int, 6> digits{};
    const bool negative = number < 0;
    unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(number) : number;
    for (int& digit : digits) {
        digit = static_cast<int>(magnitude % 10);
        magnitude /= 10;
    }
    if (negative)
        digits[5] = kLedMinus;
    return digits;
}

} // namespace tavrin::rules
