// Numbers as people write them: copied from a Japanese document, a web page
// or a spreadsheet cell ("１２３", "1,234.5", "−5", "ー40", " 12\r\n"). The
// reader turns such a text into the plain text of a number box, so that a
// pasted text and the number before a unit in the finder convert as if the
// plain text had been typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace unitora {

// The ASCII character that a character written in a number stands for:
// full-width digits, ＋, －, ．, ，, ｅ and Ｅ, the minus sign U+2212 and ー
// (which the minus key gives in kana input, and which stands for "-").
// Every other character is returned unchanged.
wchar_t AsciiNumberCharacter(wchar_t c);

// The plain text of the number the text holds, or nothing when it holds
// none. Read are: the characters above (ー only as the leading sign); "," or
// "，" between the groups of the whole part when the first group has one to
// three digits and does not begin with 0 and every later group has exactly
// three; spaces, U+3000, tabs and line breaks around the number. A number is
// what a box reads back as one (so "-0", ".0" and "1e-400" are none).
//
// The plain text has the same value and is one that a box converts at once:
// ASCII, no grouping, no "+" in front, no trailing zeros after the point and
// no trailing point ("1.50" gives "1.5"), and no exponent ending in 0 after a
// point ("1.5e10" gives "15e09").
std::optional<std::wstring> ReadWrittenNumber(std::wstring_view text);

}  // namespace unitora
