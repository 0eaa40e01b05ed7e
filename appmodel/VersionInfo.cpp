#include "VersionInfo.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace unitora {
namespace {

// The block: wLength, wValueLength, wType, the key "VS_VERSION_INFO" in
// UTF-16 with its terminator, padding to 32 bits, then the value, a
// VS_FIXEDFILEINFO (13 DWORDs) beginning with its signature.
constexpr std::u16string_view kVersionKey = u"VS_VERSION_INFO";
constexpr size_t kHeaderSize = 6;
constexpr size_t kFixedInfoSize = 52;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr size_t kFileVersionHighOffset = 8;
constexpr size_t kFileVersionLowOffset = 12;

class LittleEndianReader {
public:
    explicit LittleEndianReader(std::span<const std::byte> bytes) : m_bytes(bytes) {}

    std::optional<std::uint16_t> Word(size_t offset) const {
        if (offset > m_bytes.size() || m_bytes.size() - offset < 2) {
            return std::nullopt;
        }
        return static_cast<std::uint16_t>(Byte(offset) | Byte(offset + 1) << 8);
    }

    std::optional<std::uint32_t> DoubleWord(size_t offset) const {
        const auto low = Word(offset);
        const auto high = Word(offset + 2);
        if (!low || !high) {
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(*high) << 16 | *low;
    }

private:
    unsigned Byte(size_t offset) const { return std::to_integer<unsigned>(m_bytes[offset]); }

    std::span<const std::byte> m_bytes;
};

// Where the value begins, or nothing when the key is not the version key.
std::optional<size_t> ValueOffset(const LittleEndianReader& block) {
    size_t offset = kHeaderSize;
    for (char16_t expected : kVersionKey) {
        if (block.Word(offset) != expected) {
            return std::nullopt;
        }
        offset += 2;
    }
    if (block.Word(offset) != 0) {
        return std::nullopt;
    }
    offset += 2;
    return (offset + 3) & ~size_t{3};
}

}  // namespace

std::wstring FileVersionText(std::span<const std::byte> resource) {
    const auto declaredLength = LittleEndianReader(resource).Word(0);
    if (!declaredLength || *declaredLength > resource.size()) {
        return {};
    }
    // Nothing outside the block's own length is read.
    const LittleEndianReader block(resource.first(*declaredLength));
    const auto valueLength = block.Word(2);
    const auto valueOffset = ValueOffset(block);
    if (!valueLength || *valueLength < kFixedInfoSize || !valueOffset ||
        *valueOffset + kFixedInfoSize > *declaredLength || block.DoubleWord(*valueOffset) != kFixedInfoSignature) {
        return {};
    }
    const std::uint32_t high = *block.DoubleWord(*valueOffset + kFileVersionHighOffset);
    const std::uint32_t low = *block.DoubleWord(*valueOffset + kFileVersionLowOffset);
    return std::to_wstring(high >> 16) + L'.' + std::to_wstring(high & 0xFFFF) + std::to_wstring(low >> 16);
}

}  // namespace unitora
