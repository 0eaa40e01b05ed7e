// The customize dialog's check list: its rows painted into a memory bitmap
// through the parent's WM_DRAWITEM, and its horizontal extent.
#include "Canvas.h"
#include "CheckListBoxEx.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr int kListId = 1107;
constexpr COLORREF kBlue = RGB(220, 234, 245);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

class CheckListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.CreateVisible());
        const HWND list = ::CreateWindowExW(
            0, L"LISTBOX", L"",
            WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
            10, 10, 200, 300, m_host.m_hWnd, reinterpret_cast<HMENU>(kListId), nullptr, nullptr);
        ASSERT_TRUE(m_list.SubclassWindow(list));
        for (const wchar_t* label : {L"乗数", L"長さ", L"面積", L"体積"}) {
            m_list.AddString(label);
        }
    }

    // The row as its parent asks the list to paint it.
    void PaintRow(const Canvas& canvas, int row, UINT state) {
        const int height = static_cast<int>(m_list.SendMessage(LB_GETITEMHEIGHT));
        DRAWITEMSTRUCT drawItem{ODT_LISTBOX, kListId, static_cast<UINT>(row), ODA_DRAWENTIRE, state, m_list.m_hWnd,
                                canvas.Dc(), {0, row * height, canvas.Width(), (row + 1) * height}, 0};
        m_host.SendMessage(WM_DRAWITEM, kListId, reinterpret_cast<LPARAM>(&drawItem));
    }

    int Extent() const { return static_cast<int>(m_list.SendMessage(LB_GETHORIZONTALEXTENT)); }

    CHostWindow m_host;
    CCheckListBoxEx m_list;
};

// Rows 0 and 2 light blue, 1 and 3 white; the selected row green, with a
// dotted focus rectangle on its second line from the edge, not the first.
// The check box cell shows each row's check.
TEST_F(CheckListTest, RowsAlternateTheirColoursAndTheSelectedOneIsGreenWithItsFocusOnePixelIn) {
    m_list.SetCheck(3, 1);
    const int height = static_cast<int>(m_list.SendMessage(LB_GETITEMHEIGHT));
    Canvas canvas(180, 4 * height);
    const COLORREF colours[] = {kBlue, kWhite, kGreen, kWhite};
    for (int row = 0; row < 4; ++row) {
        PaintRow(canvas, row, row == 2 ? ODS_SELECTED : 0);
    }
    for (int row = 0; row < 4; ++row) {
        const int top = row * height;
        const RECT edge{0, top, canvas.Width(), top + 1};
        const RECT inside{1, top + 1, canvas.Width() - 1, top + 2};
        const int insideWidth = canvas.Width() - 2;
        EXPECT_EQ(canvas.Width(), canvas.Count(colours[row], edge)) << "row " << row;
        if (row == 2) {
            EXPECT_LT(canvas.Count(kGreen, inside), insideWidth) << "no focus rectangle";
        } else {
            EXPECT_EQ(insideWidth, canvas.Count(colours[row], inside)) << "row " << row;
        }
    }
    const RECT unchecked{0, height, height, 2 * height};
    const RECT checked{0, 3 * height, height, 4 * height};
    EXPECT_NE(canvas.Count(kWhite, unchecked), canvas.Count(kWhite, checked));
}

TEST_F(CheckListTest, ExtentFitsTheWidestTextAndIsSixWhenEmpty) {
    m_list.AddString(std::wstring(60, L'W').c_str());
    EXPECT_GT(Extent(), 200);
    m_list.ResetContent();
    EXPECT_EQ(6, Extent());
}

}  // namespace
