#include "Clipboard.h"

#include <cstring>

namespace {

// How long another program may hold the clipboard before the copy gives up:
// long enough for a clipboard viewer to read it, short enough that a key
// press never seems to hang.
constexpr int kOpenAttempts = 10;
constexpr DWORD kRetryMilliseconds = 20;

bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt > 0) {
            ::Sleep(kRetryMilliseconds);
        }
        if (::OpenClipboard(owner)) {
            return true;
        }
    }
    return false;
}

// The memory the clipboard takes over once SetClipboardData succeeds; freed
// here otherwise.
class ClipboardMemory {
public:
    explicit ClipboardMemory(SIZE_T bytes) noexcept : m_hMemory(::GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ~ClipboardMemory() {
        if (m_hMemory != nullptr) {
            ::GlobalFree(m_hMemory);
        }
    }
    ClipboardMemory(const ClipboardMemory&) = delete;
    ClipboardMemory& operator=(const ClipboardMemory&) = delete;

    HGLOBAL Get() const noexcept { return m_hMemory; }
    void HandOver() noexcept { m_hMemory = nullptr; }

private:
    HGLOBAL m_hMemory;
};

}  // namespace

bool PutTextOnClipboard(HWND owner, const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    ClipboardMemory memory(bytes);
    void* data = memory.Get() != nullptr ? ::GlobalLock(memory.Get()) : nullptr;
    if (data == nullptr) {
        return false;
    }
    std::memcpy(data, text.c_str(), bytes);
    ::GlobalUnlock(memory.Get());

    if (!OpenClipboardPatiently(owner)) {
        return false;
    }
    bool placed = false;
    if (::EmptyClipboard() && ::SetClipboardData(CF_UNICODETEXT, memory.Get()) != nullptr) {
        memory.HandOver();
        placed = true;
    }
    ::CloseClipboard();
    return placed;
}
