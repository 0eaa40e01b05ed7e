#include "ShiftJis.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "Utf8Text.h"

namespace unitora::help {
namespace {

struct IconvCloser {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

std::string Describe(std::string_view utf8) {
    const std::wstring character = DecodeUtf8(utf8).substr(0, 1);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", character.empty() ? 0u : static_cast<unsigned>(character[0]));
    return std::string(code) + " (" + EncodeUtf8(character) + ")";
}

}  // namespace

std::string ToShiftJis(std::string_view utf8, const SourcePlace& place) {
    const iconv_t opened = iconv_open("CP932", "UTF-8");
    if (opened == reinterpret_cast<iconv_t>(-1)) throw SourceError(place, "no converter to code page 932");
    const Converter converter(opened);
    std::string result(utf8.size() * 2, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* out = result.data();
    size_t outLeft = result.size();
    if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) {
        const std::string_view rest = utf8.substr(utf8.size() - inLeft);
        throw SourceError(place, errno == EILSEQ ? "character " + Describe(rest) + " has no Shift-JIS form"
                                                 : std::string("the text is not UTF-8"));
    }
    result.resize(result.size() - outLeft);
    return result;
}

}  // namespace unitora::help
