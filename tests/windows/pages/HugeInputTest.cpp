// Huge pastes into a real page window: a megabyte of digits, 100,000 minus
// signs, and a mix of junk. The page shows what the model shows for the part
// of the paste the edit control takes, and nothing crashes. How long each paste took is printed for the record.
#include "LengthAreaVolume.h"
#include "PageDialogs.h"
#include "PageTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr int kKm = 1001;

// Puts the text on the clipboard and pastes it into the box, replacing the
// box's whole text, as Ctrl+V over a selection would.
void Paste(HWND box, const std::wstring& text) {
    ASSERT_TRUE(::OpenClipboard(box));
    ::EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    ASSERT_NE(nullptr, memory);
    std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
    ::GlobalUnlock(memory);
    ASSERT_NE(nullptr, ::SetClipboardData(CF_UNICODETEXT, memory));  // the clipboard owns it now
    ::CloseClipboard();
    ::SendMessageW(box, EM_SETSEL, 0, -1);
    ::SendMessageW(box, WM_PASTE, 0, 0);
}

std::wstring Junk(size_t length) {
    const std::wstring pieces = L"-.0123456789eE+ abc\t,\u3042\u00e9-.-1e999";
    std::wstring text;
    for (size_t i = 0; text.size() < length; ++i) {
        text += pieces[(i * 7 + i / 13) % pieces.size()];
    }
    return text;
}

TEST(HugeInputTest, AHugePasteIsTakenAsTheModelTakesIt) {
    struct Case {
        const char* name;
        std::wstring text;
    };
    const Case cases[] = {
        {"1 MB of digits", std::wstring(1 << 20, L'7')},
        {"100,000 minus signs", std::wstring(100000, L'-')},
        {"mixed junk", Junk(200000)},
    };
    CHostWindow host;
    ASSERT_TRUE(host.CreateVisible());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PromptRecorder prompts;
        CLengthDialog page(&host);
        ASSERT_TRUE(page.CreateFromTemplate());
        ModelPage model(unitora::kLengthPage);
        HWND box = ::GetDlgItem(page.m_hWnd, kKm);

        const auto start = std::chrono::steady_clock::now();
        Paste(box, c.text);
        const auto took = std::chrono::steady_clock::now() - start;
        std::cout << c.name << ": " << std::chrono::duration_cast<std::chrono::milliseconds>(took).count()
                  << " ms\n";

        // The edit control takes as much of the paste as its limit allows;
        // the cycle then rewrites the box.
        const auto limit = static_cast<size_t>(::SendMessageW(box, EM_GETLIMITTEXT, 0, 0));
        model.boxes.Type(kKm, c.text.substr(0, limit));
        ExpectSameTexts(page.m_hWnd, model);
        EXPECT_EQ(model.prompts.size(), prompts.m_owners.size());
    }
}

}  // namespace
