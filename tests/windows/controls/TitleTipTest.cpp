// The title tip: when it shows, where, and that a click on it reaches the
// list row underneath.
#include "TitleTip.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

class TitleTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.CreateVisible());
        const HWND list = ::CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS | LBS_NOTIFY, 10,
                                            10, 200, 200, m_host.m_hWnd, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_list.SubclassWindow(list));
        for (const wchar_t* label : {L"乗数", L"長さ", L"面積", L"体積"}) {
            m_list.AddString(label);
        }
        m_list.SetFocus();
        ASSERT_TRUE(m_tip.Create(&m_list));
    }

    CRect Row(int index) {
        CRect row;
        m_list.GetItemRect(index, row);
        return row;
    }

    CRect TipRect() {
        CRect rect;
        m_tip.GetWindowRect(rect);
        return rect;
    }

    CHostWindow m_host;
    CListBox m_list;
    CExtTitleTip m_tip;
};

TEST_F(TitleTipTest, ShowsBelowTheRowOnceAndNeverLeftOfTheScreen) {
    m_tip.Show(Row(0), L"", 5, Row(0).bottom);
    EXPECT_FALSE(m_tip.IsWindowVisible()) << "empty text";

    m_tip.Show(Row(0), L"乗数", 5, Row(0).bottom);
    EXPECT_TRUE(m_tip.IsWindowVisible());
    EXPECT_EQ(m_tip.m_hWnd, ::GetCapture());
    const CRect first = TipRect();
    CPoint corner(5, Row(0).bottom);
    m_list.ClientToScreen(&corner);
    EXPECT_EQ(corner.x, first.left);
    EXPECT_EQ(corner.y, first.top);

    m_tip.Show(Row(2), L"長い長い名前", 50, Row(2).bottom);
    const CRect second = TipRect();
    EXPECT_TRUE(::EqualRect(&first, &second)) << "a second Show changed the tip";

    m_tip.Hide();
    EXPECT_FALSE(m_tip.IsWindowVisible());
    EXPECT_EQ(nullptr, ::GetCapture());
    m_tip.Show(Row(1), L"長さ", -5000, Row(1).bottom);
    EXPECT_EQ(0, TipRect().left);
}

// The tip lies over row 2, so the click lands on the tip itself and goes to
// the list at the same place.
TEST_F(TitleTipTest, AClickOnTheTipSelectsTheListRowUnderIt) {
    m_tip.Show(Row(2), L"面積", Row(2).left + 5, Row(2).top);
    ASSERT_TRUE(m_tip.IsWindowVisible());
    m_tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_FALSE(m_tip.IsWindowVisible());
    EXPECT_TRUE(PumpUntil([&] { return m_list.GetCurSel() == 2; }));
    m_list.SendMessage(WM_LBUTTONUP, 0, 0);
}

}  // namespace
