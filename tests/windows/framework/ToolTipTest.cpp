// Tooltips for child controls: which controls get a tool, the text request
// reaching the dialog, and the tooltip window's lifetime.
#include "DialogTemplateBuilder.h"
#include "TestSupport.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cwchar>

namespace {

constexpr WORD kEdit = 100;
constexpr WORD kButton = 101;
constexpr WORD kLabel = 0xFFFF;

class CTipDialog : public CDialog {
public:
    int m_nTextRequests = 0;
    UINT_PTR m_lastToolId = 0;
    UINT m_lastFlags = 0;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        EnableToolTips();
        return TRUE;
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        auto* request = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (request->hdr.code != TTN_GETDISPINFOW) {
            return CDialog::OnNotify(wParam, lParam, result);
        }
        ++m_nTextRequests;
        m_lastToolId = request->hdr.idFrom;
        m_lastFlags = request->uFlags;
        std::wcscpy(request->szText, L"tip text");
        return TRUE;
    }
};

class ToolTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_template.AddEdit(kEdit, 5, 5, 60, 12)
            .AddButton(kButton, L"Go", 5, 20, 40, 14)
            .AddStatic(kLabel, L"label", 70, 5, 40, 10);
        ASSERT_TRUE(m_dialog.CreateIndirect(m_template.Get()));
        m_hToolTip = m_dialog.GetToolTipWindow();
        ASSERT_NE(nullptr, m_hToolTip);
    }

    DialogTemplateBuilder m_template{WS_POPUP, 0, 0, 120, 50};
    CTipDialog m_dialog;
    HWND m_hToolTip = nullptr;
};

TEST_F(ToolTipTest, EveryChildExceptTheLabelsGetsAToolAskingTheDialogForItsText) {
    EXPECT_EQ(2, ::SendMessageW(m_hToolTip, TTM_GETTOOLCOUNT, 0, 0));

    HWND edit = ::GetDlgItem(m_dialog.m_hWnd, kEdit);
    EXPECT_EQ(L"tip text", ToolTipTextOf(m_dialog, edit));
    EXPECT_EQ(1, m_dialog.m_nTextRequests);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(edit), m_dialog.m_lastToolId);
    EXPECT_NE(0u, m_dialog.m_lastFlags & TTF_IDISHWND);

    EXPECT_EQ(L"", ToolTipTextOf(m_dialog, ::GetDlgItem(m_dialog.m_hWnd, kLabel)));
    EXPECT_EQ(1, m_dialog.m_nTextRequests);
}

// The message loops show the mouse messages to the tooltip, which shows the
// tip of the control under the mouse after its delay.
TEST_F(ToolTipTest, AMouseMoveOverAControlShowsItsTip) {
    m_dialog.ShowWindow(SW_SHOWNA);
    ::SendMessageW(m_hToolTip, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    HWND edit = ::GetDlgItem(m_dialog.m_hWnd, kEdit);
    CRect box;
    ::GetWindowRect(edit, box);
    const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    ::SetCursorPos(centre.x, centre.y);
    MSG move{edit, WM_MOUSEMOVE, 0, MAKELPARAM(box.Width() / 2, box.Height() / 2), ::GetTickCount(), centre};
    CWnd::WalkPreTranslateTree(&move);
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(m_hToolTip) != FALSE; }));
    EXPECT_EQ(1, m_dialog.m_nTextRequests);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(edit), m_dialog.m_lastToolId);
}

TEST_F(ToolTipTest, TheTooltipWindowGoesWithItsDialog) {
    EXPECT_TRUE(::IsWindow(m_hToolTip));
    EXPECT_EQ(m_dialog.m_hWnd, ::GetWindow(m_hToolTip, GW_OWNER));
    m_dialog.DestroyWindow();
    EXPECT_FALSE(::IsWindow(m_hToolTip));
}

TEST_F(ToolTipTest, AChildDialogBorrowsTheTopLevelTooltipAndTakesItsToolsAlongWhenDestroyed) {
    DialogTemplateBuilder pageTemplate{WS_CHILD, 0, 0, 50, 20};
    pageTemplate.AddEdit(kEdit, 2, 2, 40, 12);
    CTipDialog page;
    ASSERT_TRUE(page.CreateIndirect(pageTemplate.Get(), &m_dialog));
    EXPECT_EQ(m_hToolTip, page.GetToolTipWindow());
    const HWND pageEdit = ::GetDlgItem(page.m_hWnd, kEdit);
    EXPECT_EQ(L"tip text", ToolTipTextOf(page, pageEdit));
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(pageEdit), page.m_lastToolId);
    const auto toolsWithPage = ::SendMessageW(m_hToolTip, TTM_GETTOOLCOUNT, 0, 0);
    page.DestroyWindow();
    EXPECT_TRUE(::IsWindow(m_hToolTip));
    EXPECT_EQ(toolsWithPage - 1, ::SendMessageW(m_hToolTip, TTM_GETTOOLCOUNT, 0, 0));
}

TEST(ToolTipOwnership, AChildOfAWindowWithoutTooltipsOwnsItsOwn) {
    DialogTemplateBuilder hostTemplate{WS_POPUP, 0, 0, 120, 50};
    CDialog host;
    ASSERT_TRUE(host.CreateIndirect(hostTemplate.Get()));
    DialogTemplateBuilder pageTemplate{WS_CHILD, 0, 0, 50, 20};
    pageTemplate.AddEdit(kEdit, 2, 2, 40, 12);
    CTipDialog page;
    ASSERT_TRUE(page.CreateIndirect(pageTemplate.Get(), &host));
    const HWND pageToolTip = page.GetToolTipWindow();
    ASSERT_NE(nullptr, pageToolTip);
    page.DestroyWindow();
    EXPECT_FALSE(::IsWindow(pageToolTip));
    host.DestroyWindow();
}

}  // namespace
