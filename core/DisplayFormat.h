// The display format of a unit field: %g with 6 significant digits for a
// single-precision field and 15 for a double-precision field, as the
// program's users have always seen it:
//   - the value is first rounded to 17 significant digits, and that digit
//     string is then cut to the precision with ties away from zero;
//   - plain or exponent form as %g chooses, trailing zeros removed;
//   - the exponent has its sign and at least three digits ("1e+006");
//   - "-0" for negative zero, "1.#INF" / "-1.#INF" for infinities.
// Written without the C runtime's printf so that every runtime shows the same.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace unitora {

enum class DisplayPrecision : int { Single = 6, Double = 15 };

// Longest text FormatDisplay can produce, without terminator:
// "-1.23456789012345e-308" is 22 characters.
constexpr std::size_t kMaxDisplayLength = 22;

// Writes the text into buffer (no terminator) and returns its length. The
// buffer's type carries its size, so a buffer too short does not compile.
std::size_t FormatDisplay(double value, DisplayPrecision precision, std::span<char, kMaxDisplayLength> buffer);

std::wstring FormatDisplay(double value, DisplayPrecision precision);

}  // namespace unitora
