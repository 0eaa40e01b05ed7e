// Storage of a double result in a single-precision field.
#pragma once

#include <cmath>
#include <limits>

namespace unitora {

// Rounds to the nearest single (ties to even) and widens the result back,
// exactly. A value beyond the single range becomes infinity: the smallest
// magnitude that rounds up past FLT_MAX is (2 - 2^-24) * 2^127. The explicit
// check keeps the conversion defined by the language, not only by IEEE.
inline double RoundToSingle(double value) {
    constexpr double kOverflowThreshold = 0x1.ffffffp127;
    if (std::fabs(value) >= kOverflowThreshold) {
        return std::copysign(std::numeric_limits<double>::infinity(), value);
    }
    return static_cast<double>(static_cast<float>(value));
}

}  // namespace unitora
