// Huge pastes into a real page window: a megabyte of digits, 100,000 minus
// signs, and a mix of junk. The page shows what the model shows for the part
// of the paste the edit control takes, and nothing crashes. How long each
// paste took is printed for the record.
#include "LengthAreaVolume.h"
#include "PageDialogs.h"
#include "PageTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <string>
#include <utility>

namespace {

constexpr int kKm = 1001;

std::wstring Junk(size_t length) {
    const std::wstring pieces = L"-.0123456789eE+ abc\t,\u3042\u00e9-.-1e999";
    std::wstring text;
    for (size_t i = 0; text.size() < length; ++i) {
        text += pieces[(i * 7 + i / 13) % pieces.size()];
    }
    return text;
}

TEST(HugeInputTest, AHugePasteIsTakenAsTheModelTakesIt) {
    const std::pair<const char*, std::wstring> pastes[] = {
        {"1 MB of digits", std::wstring(1 << 20, L'7')},
        {"100,000 minus signs", std::wstring(100000, L'-')},
        {"mixed junk", Junk(200000)},
    };
    CHostWindow host;
    ASSERT_TRUE(host.CreateVisible());
    for (const auto& [name, text] : pastes) {
        SCOPED_TRACE(name);
        PromptRecorder prompts;
        CLengthDialog page(&host);
        ASSERT_TRUE(page.CreateFromTemplate());
        ModelPage model(unitora::kLengthPage);
        const HWND box = ::GetDlgItem(page.m_hWnd, kKm);
        PutOnClipboard(text.c_str());
        ::SendMessageW(box, EM_SETSEL, 0, -1);
        const auto start = std::chrono::steady_clock::now();
        ::SendMessageW(box, WM_PASTE, 0, 0);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        std::cout << name << ": " << took.count() << " ms\n";

        // The edit control takes as much of the paste as its limit allows;
        // the cycle then rewrites the box.
        const auto limit = static_cast<size_t>(::SendMessageW(box, EM_GETLIMITTEXT, 0, 0));
        model.boxes.Type(kKm, text.substr(0, limit));
        ExpectSameTexts(page.m_hWnd, model);
        EXPECT_EQ(model.prompts.size(), prompts.m_owners.size());
    }
}

}  // namespace
