// UTF-8 <-> wide text for the developer tool. Bytes that are not valid UTF-8
// are carried through as U+DC80..U+DCFF and written back as the same bytes,
// so the tool shows exactly what it was given.
#pragma once

#include <string>
#include <string_view>

namespace unitora {

std::wstring DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(std::wstring_view text);

}  // namespace unitora
