// The program's version as the about box shows it, read from the bytes of a
// version resource: the major and minor file version joined by a dot, then
// the third number run straight in ("1.71" for 1.7.1.1, "1.102" for
// 1.10.2.0). The fourth number is not shown.
//
// Portable: the resource is read as its documented little-endian layout, a
// VS_VERSIONINFO block whose value is the fixed file information.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace unitora {

// Empty when the bytes are not a well-formed version block.
std::wstring FileVersionText(std::span<const std::byte> resource);

}  // namespace unitora
