// The colour dialog's background brush and static text colours.
#include "BaseColorDialog.h"
#include "TestDialogIds.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Colours that no system colour is likely to match.
constexpr COLORREF kBackground = RGB(250, 240, 230);
constexpr COLORREF kText = RGB(200, 10, 20);
constexpr COLORREF kOtherText = RGB(12, 34, 56);

class CColorTestDialog : public CBaseColorDialog {
public:
    CColorTestDialog()
        : CBaseColorDialog(IDD_TEST_TOP_LEVEL, nullptr, kBackground, kText,
                           {.systemMenu = false, .childPage = false}) {}
};

COLORREF BrushColor(HBRUSH brush) {
    LOGBRUSH description{};
    ::GetObjectW(brush, sizeof(description), &description);
    return description.lbColor;
}

class BaseColorDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.CreateVisible());
        m_app.m_pMainWnd = &m_host;
        ASSERT_TRUE(m_dialog.CreateFromTemplate());
        m_dc = ::CreateCompatibleDC(nullptr);
        ::SetTextColor(m_dc, kOtherText);
        ::SetBkMode(m_dc, OPAQUE);
    }
    void TearDown() override { ::DeleteDC(m_dc); }

    HBRUSH AskForBrush(UINT message, int controlId) {
        const HWND control = ::GetDlgItem(m_dialog.m_hWnd, controlId);
        return reinterpret_cast<HBRUSH>(
            m_dialog.SendMessage(message, reinterpret_cast<WPARAM>(m_dc), reinterpret_cast<LPARAM>(control)));
    }

    CTestApp m_app;
    CHostWindow m_host;
    CColorTestDialog m_dialog;
    HDC m_dc = nullptr;
};

TEST_F(BaseColorDialogTest, TheBackgroundIsTheDialogsSolidBrush) {
    HBRUSH background = AskForBrush(WM_CTLCOLORDLG, 0);
    EXPECT_EQ(kBackground, BrushColor(background));
    EXPECT_EQ(background, AskForBrush(WM_CTLCOLORDLG, 0));  // one brush, kept
}

TEST_F(BaseColorDialogTest, StaticTextIsDrawnTransparentlyInTheTextColourOnTheBackground) {
    HBRUSH brush = AskForBrush(WM_CTLCOLORSTATIC, -1);
    EXPECT_EQ(kText, ::GetTextColor(m_dc));
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(m_dc));
    EXPECT_EQ(AskForBrush(WM_CTLCOLORDLG, 0), brush);
}

TEST_F(BaseColorDialogTest, OtherControlsKeepTheSystemsColours) {
    for (UINT message : {WM_CTLCOLOREDIT, WM_CTLCOLORBTN}) {
        HBRUSH brush = AskForBrush(message, message == WM_CTLCOLOREDIT ? IDC_TEST_EDIT : IDC_TEST_BUTTON);
        EXPECT_NE(AskForBrush(WM_CTLCOLORDLG, 0), brush);
    }
    EXPECT_NE(kText, ::GetTextColor(m_dc));
    EXPECT_EQ(OPAQUE, ::GetBkMode(m_dc));
}

}  // namespace
