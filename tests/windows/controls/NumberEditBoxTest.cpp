// The number boxes' character filter: what typed characters get through,
// and that text arriving by other routes is not filtered.
#include "NumberEditBox.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBoxId = 7;

template <class Box>
class NumberEditBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.CreateVisible());
        HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 5, 5,
                                      200, 24, m_host.m_hWnd, reinterpret_cast<HMENU>(kBoxId), nullptr, nullptr);
        ASSERT_TRUE(m_box.SubclassWindow(edit));
    }

    // Typing into an empty box.
    std::wstring Typed(std::wstring_view keys) {
        m_box.SetWindowText(L"");
        TypeKeys(m_box.m_hWnd, keys);
        return TextOf(m_box.m_hWnd);
    }

    CHostWindow m_host;
    Box m_box;
};

using DoubleBoxTest = NumberEditBoxTest<CNumberDoubleEditBox>;
using WholeBoxTest = NumberEditBoxTest<CNumberEditBox>;

TEST_F(DoubleBoxTest, TheCharactersOfANumberGetThroughAnywhereAndAnyNumberOfTimes) {
    EXPECT_EQ(L"-12.5", Typed(L"-12.5"));
    EXPECT_EQ(L"0123456789", Typed(L"0123456789"));
    EXPECT_EQ(L"1--2..3", Typed(L"1--2..3"));
    EXPECT_EQ(L"15", Typed(L"1e5"));
    EXPECT_EQ(L"1", Typed(L"12\b"));
}

TEST_F(DoubleBoxTest, OtherCharactersLeaveTextAndSelectionAlone) {
    const wchar_t dropped[] = {L'e', L'E', L'+', L',', L' ', L'a', 0x0D, 0x1B, 0x3000, 0xFF45};
    for (wchar_t ch : dropped) {
        SCOPED_TRACE(::testing::Message() << "character " << static_cast<unsigned>(ch));
        m_box.SetWindowText(L"123");
        m_box.SendMessage(EM_SETSEL, 1, 2);
        m_box.SendMessage(WM_CHAR, ch, 1);
        EXPECT_EQ(L"123", TextOf(m_box.m_hWnd));
        EXPECT_EQ(std::make_pair(DWORD{1}, DWORD{2}), SelectionOf(m_box.m_hWnd));
    }
}

TEST_F(DoubleBoxTest, PastedDeletedAndProgrammaticTextIsNotFiltered) {
    PutOnClipboard(L"a+1,e");
    m_box.SetWindowText(L"");
    m_box.SendMessage(WM_PASTE);
    EXPECT_EQ(L"a+1,e", TextOf(m_box.m_hWnd));

    m_box.SendMessage(EM_SETSEL, 0, 0);
    m_box.SendMessage(WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(L"+1,e", TextOf(m_box.m_hWnd));

    m_box.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1.#INF x"));
    EXPECT_EQ(L"1.#INF x", TextOf(m_box.m_hWnd));
}

TEST_F(WholeBoxTest, OnlyDigitsBackspaceAndTabGetThrough) {
    EXPECT_EQ(L"15", Typed(L"-1.5"));
    EXPECT_EQ(L"0123456789", Typed(L"0123456789"));
    EXPECT_EQ(L"1", Typed(L"12\b"));
    EXPECT_EQ(L"", Typed(L"e+, \xFF0D\xFF0E"));
}

}  // namespace
