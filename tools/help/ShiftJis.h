// Help files are read in the code page of a Japanese system, 932 (Shift-JIS
// with the vendor extensions), so their text is converted from the source's
// UTF-8 when it is written.
#pragma once

#include <iconv.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "HelpDocument.h"

namespace unitora::help {

// Converts the texts of one help file. Code page 932 gives some characters
// that the source tells apart one and the same form (U+2212 and U+FF0D both
// become its full-width minus), so the file would show two characters as
// one: the first character to take a form keeps it for the whole file.
class ShiftJisEncoder {
public:
    ShiftJisEncoder();

    // The text in code page 932. A character that has no form there, or
    // whose form another character already took, throws SourceError at
    // place, naming the characters.
    std::string Encode(std::string_view utf8, const SourcePlace& place);

private:
    struct IconvCloser {
        void operator()(iconv_t converter) const { iconv_close(converter); }
    };
    struct FirstUse {
        std::wstring character;
        SourcePlace place;
    };

    std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser> m_converter;
    std::map<std::string, FirstUse> m_firstUses;  // by their code page 932 form
};

}  // namespace unitora::help
