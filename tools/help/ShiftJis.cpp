#include "ShiftJis.h"

#include <cstdio>

#include "Utf8Text.h"

namespace unitora::help {
namespace {

std::string Describe(std::wstring_view character) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character[0]));
    return std::string(code) + " (" + EncodeUtf8(character) + ")";
}

std::string Describe(const SourcePlace& place) { return place.file + ":" + std::to_string(place.line); }

}  // namespace

ShiftJisEncoder::ShiftJisEncoder() {
    const iconv_t opened = iconv_open("CP932", "UTF-8");
    if (opened == reinterpret_cast<iconv_t>(-1)) throw SourceError({}, "no converter to code page 932");
    m_converter.reset(opened);
}

std::string ShiftJisEncoder::Encode(std::string_view utf8, const SourcePlace& place) {
    std::string result;
    const std::wstring text = DecodeUtf8(utf8);
    for (size_t i = 0; i < text.size(); ++i) {
        const std::wstring_view character(text.data() + i, 1);
        std::string in = EncodeUtf8(character);
        char* inNext = in.data();
        size_t inLeft = in.size();
        char form[8];
        char* outNext = form;
        size_t outLeft = sizeof form;
        if (iconv(m_converter.get(), &inNext, &inLeft, &outNext, &outLeft) == static_cast<size_t>(-1)) {
            throw SourceError(place, "character " + Describe(character) + " has no Shift-JIS form");
        }
        const std::string shiftJis(form, outNext);
        const auto [first, added] = m_firstUses.emplace(shiftJis, FirstUse{std::wstring(character), place});
        if (!added && first->second.character != character) {
            throw SourceError(place, "character " + Describe(character) + " and " +
                                         Describe(first->second.character) + " at " + Describe(first->second.place) +
                                         " both become the same Shift-JIS character; name one in words");
        }
        result += shiftJis;
    }
    return result;
}

}  // namespace unitora::help
