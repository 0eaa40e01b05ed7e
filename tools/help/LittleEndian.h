// Help files store their numbers little-endian; their parts are built as
// byte strings.
#pragma once

#include <cstdint>
#include <string>

namespace unitora::help {

inline void PutU8(std::string& out, unsigned value) { out.push_back(static_cast<char>(value & 0xFF)); }

inline void PutU16(std::string& out, unsigned value) {
    PutU8(out, value);
    PutU8(out, value >> 8);
}

inline void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

inline void SetU16(std::string& out, size_t at, unsigned value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

inline void SetU32(std::string& out, size_t at, std::uint32_t value) {
    SetU16(out, at, value & 0xFFFF);
    SetU16(out, at + 2, value >> 16);
}

// "None" in the file's position and offset fields.
constexpr std::uint32_t kNoPosition = 0xFFFFFFFF;

}  // namespace unitora::help
