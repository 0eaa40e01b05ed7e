// Help files are read in the code page of a Japanese system, 932 (Shift-JIS
// with the vendor extensions), so their text is converted from the source's
// UTF-8 when it is written.
#pragma once

#include <string>
#include <string_view>

#include "HelpDocument.h"

namespace unitora::help {

// The text in code page 932; a character that has no form there throws
// SourceError at place, naming the character.
std::string ToShiftJis(std::string_view utf8, const SourcePlace& place);

}  // namespace unitora::help
