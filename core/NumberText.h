// Text rules of a unit field: which typed texts start a conversion, how a
// text becomes a number, and when a box's text counts as a number at all.
//
// Everything here is portable and deliberately independent of the C runtime:
// the results must be bit-identical on every runtime the program is built
// for, so no strtod/atof is used.
#pragma once

#include <string_view>

namespace unitora {

// Acceptance test of a typed text: false for the surface forms that are
// obviously still being typed ("", "-", "-0", "1.", "1.50" ...). It does not
// check that the text is a number.
bool IsConvertibleText(std::wstring_view text);

// The value of the longest leading number of the text (blanks and tabs
// skipped; sign, digits with at most one point, optional exponent), correctly
// rounded; 0 when the text does not begin with a number; infinity when the
// number exceeds the double range. Never fails.
double ParseValue(std::wstring_view text);

// Read-back of a box: true and the value when, after blanks and tabs, the
// whole text is one number followed by nothing but blanks and tabs, and a
// value of 0 is only accepted when the first non-blank character is "0".
bool ReadBackValue(std::wstring_view text, double& value);

}  // namespace unitora
