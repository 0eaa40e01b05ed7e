// The version the about box shows, read from the bytes of a version
// resource laid out as the resource compiler writes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "VersionInfo.h"

namespace unitora {
namespace {

// A version block with file version a.b.c.d, as 16-bit words: the header,
// the key, padding, then the fixed file information (signature 0xFEEF04BD,
// structure version, file version, then zeros).
std::vector<std::uint16_t> BlockWords(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d) {
    std::vector<std::uint16_t> words{92, 52, 0};
    for (char16_t ch : std::u16string_view(u"VS_VERSION_INFO")) {
        words.push_back(ch);
    }
    words.insert(words.end(), {0, 0, 0x04BD, 0xFEEF, 0, 1, b, a, d, c});
    words.resize(46, 0);
    return words;
}

std::vector<std::byte> Bytes(const std::vector<std::uint16_t>& words, size_t keptBytes = SIZE_MAX) {
    std::vector<std::byte> bytes;
    for (std::uint16_t word : words) {
        bytes.push_back(std::byte(word & 0xFF));
        bytes.push_back(std::byte(word >> 8));
    }
    bytes.resize(std::min(keptBytes, bytes.size()));
    return bytes;
}

TEST(FileVersionText, IsMajorDotMinorThenTheThirdNumber) {
    EXPECT_EQ(L"1.71", FileVersionText(Bytes(BlockWords(1, 7, 1, 1))));
    EXPECT_EQ(L"1.102", FileVersionText(Bytes(BlockWords(1, 10, 2, 0))));
}

TEST(FileVersionText, IsEmptyForAMissingOrMalformedBlock) {
    struct Case {
        const char* what;
        size_t word;          // the word changed
        std::uint16_t value;  // and its new value
        size_t keptBytes;
    };
    const Case cases[] = {
        {"no bytes", 0, 92, 0},
        {"length zero", 0, 0, SIZE_MAX},
        {"length beyond the data", 0, 93, SIZE_MAX},
        {"length cutting the fixed information", 0, 88, SIZE_MAX},
        {"another key", 3, u'X', SIZE_MAX},
        {"key not terminated", 18, u'X', SIZE_MAX},
        {"wrong signature", 20, 0x04BE, SIZE_MAX},
    };
    for (const Case& c : cases) {
        std::vector<std::uint16_t> words = BlockWords(1, 7, 1, 1);
        words[c.word] = c.value;
        EXPECT_EQ(L"", FileVersionText(Bytes(words, c.keptBytes))) << c.what;
    }
}

}  // namespace
}  // namespace unitora
