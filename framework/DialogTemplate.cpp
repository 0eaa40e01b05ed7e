#include "DialogTemplate.h"

#include <cstring>

namespace unitora::framework {

namespace {

template <class Field>
Field ReadAt(const BYTE* bytes, size_t offset) noexcept {
    Field value;
    std::memcpy(&value, bytes + offset, sizeof(value));
    return value;
}

}  // namespace

DialogTemplateHeader ReadDialogTemplateHeader(LPCDLGTEMPLATEW dialogTemplate) noexcept {
    const auto* bytes = reinterpret_cast<const BYTE*>(dialogTemplate);
    const bool extended = ReadAt<WORD>(bytes, 0) == 1 && ReadAt<WORD>(bytes, 2) == 0xFFFF;
    // Extended: version, signature, help ID, extended style, style, item count, x, y.
    // Classic: style, extended style, item count, x, y.
    if (extended) {
        return {ReadAt<DWORD>(bytes, 12), ReadAt<short>(bytes, 18), ReadAt<short>(bytes, 20)};
    }
    return {ReadAt<DWORD>(bytes, 0), ReadAt<short>(bytes, 10), ReadAt<short>(bytes, 12)};
}

}  // namespace unitora::framework
