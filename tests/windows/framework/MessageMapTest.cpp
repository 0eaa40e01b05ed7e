// Message maps: dispatch by table, chaining to the base class's table,
// handler arguments, and the command route from a dialog to the application.
#include "DialogTemplateBuilder.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

namespace {

constexpr UINT kBaseOnly = WM_APP + 1;
constexpr UINT kOverridden = WM_APP + 2;
constexpr UINT kDerivedOnly = WM_APP + 3;
constexpr UINT kNobody = WM_APP + 4;

class CBaseRecorder : public CTestWindow {
public:
    std::vector<std::string> m_calls;

protected:
    LRESULT OnBaseOnly(WPARAM, LPARAM) { m_calls.push_back("base:base-only"); return 11; }
    LRESULT OnOverriddenInBase(WPARAM, LPARAM) { m_calls.push_back("base:overridden"); return 12; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseRecorder, CTestWindow)
    ON_MESSAGE(kBaseOnly, OnBaseOnly)
    ON_MESSAGE(kOverridden, OnOverriddenInBase)
END_MESSAGE_MAP()

class CDerivedRecorder : public CBaseRecorder {
public:
    UINT m_nChar = 0, m_nRepeat = 0, m_nFlags = 0;
    CPoint m_point;
    UINT m_nSysCommand = 0;
    LPARAM m_sysLParam = 0;
    std::vector<UINT> m_changedIds;
    NMHDR* m_pNotify = nullptr;
    UINT m_nCtlColor = 0xFFFF;
    CWnd* m_pCtlColorWnd = nullptr;
    CBrush m_brush{RGB(1, 2, 3)};

protected:
    LRESULT OnOverridden(WPARAM, LPARAM) { m_calls.push_back("derived:overridden"); return 22; }
    LRESULT OnDerivedOnly(WPARAM, LPARAM) { m_calls.push_back("derived:derived-only"); return 23; }
    void OnChar(UINT ch, UINT repeat, UINT flags) { m_nChar = ch; m_nRepeat = repeat; m_nFlags = flags; }
    void OnMouseMove(UINT, CPoint point) { m_point = point; }
    void OnSysCommand(UINT id, LPARAM lParam) { m_nSysCommand = id; m_sysLParam = lParam; }
    void OnBoxChanged(UINT id) { m_changedIds.push_back(id); }
    void OnTabChanged(NMHDR* header, LRESULT* result) { m_pNotify = header; *result = 99; }
    HBRUSH OnCtlColor(CDC*, CWnd* window, UINT ctlColor) {
        m_nCtlColor = ctlColor;
        m_pCtlColorWnd = window;
        return m_brush;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedRecorder, CBaseRecorder)
    ON_MESSAGE(kOverridden, OnOverridden)
    ON_MESSAGE(kDerivedOnly, OnDerivedOnly)
    ON_WM_CHAR()
    ON_WM_MOUSEMOVE()
    ON_WM_SYSCOMMAND()
    ON_CONTROL_RANGE(EN_CHANGE, 100, 102, OnBoxChanged)
    ON_NOTIFY(TCN_SELCHANGE, 200, OnTabChanged)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_window.CreateHidden()); }

    CDerivedRecorder m_window;
};

TEST_F(MessageMapTest, TheClassOwnEntryWinsOverItsBaseAndTheBaseAnswersTheRest) {
    EXPECT_EQ(22, m_window.SendMessage(kOverridden));
    EXPECT_EQ(11, m_window.SendMessage(kBaseOnly));
    EXPECT_EQ(23, m_window.SendMessage(kDerivedOnly));
    EXPECT_EQ(0, m_window.SendMessage(kNobody));  // the window class's own procedure
    EXPECT_EQ((std::vector<std::string>{"derived:overridden", "base:base-only", "derived:derived-only"}),
              m_window.m_calls);
}

TEST_F(MessageMapTest, WindowMessageHandlersGetTheirArgumentsUnpacked) {
    m_window.SendMessage(WM_CHAR, L'7', MAKELPARAM(3, 0x1E));
    EXPECT_EQ(static_cast<UINT>(L'7'), m_window.m_nChar);
    EXPECT_EQ(3u, m_window.m_nRepeat);
    EXPECT_EQ(0x1Eu, m_window.m_nFlags);

    // Coordinates are signed: a captured mouse left of the window is negative.
    m_window.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-5), 7));
    EXPECT_EQ(-5, m_window.m_point.x);
    EXPECT_EQ(7, m_window.m_point.y);

    m_window.SendMessage(WM_SYSCOMMAND, 99, 0x00420017);
    EXPECT_EQ(99u, m_window.m_nSysCommand);
    EXPECT_EQ(0x00420017, m_window.m_sysLParam);
}

TEST_F(MessageMapTest, AControlRangeHandlerHearsEveryIdOfItsRangeAndNoOther) {
    CStatic child;
    ASSERT_TRUE(child.CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(0, 0, 10, 10), &m_window, 101));
    for (UINT id : {99u, 100u, 101u, 102u, 103u}) {
        m_window.SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(child.m_hWnd));
    }
    m_window.SendMessage(WM_COMMAND, MAKEWPARAM(101, EN_SETFOCUS), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ((std::vector<UINT>{100, 101, 102}), m_window.m_changedIds);
}

TEST_F(MessageMapTest, ANotificationReachesItsHandlerWhoseResultIsTheMessageResult) {
    NMHDR header{m_window.m_hWnd, 200, static_cast<UINT>(TCN_SELCHANGE)};
    EXPECT_EQ(99, m_window.SendMessage(WM_NOTIFY, 200, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(&header, m_window.m_pNotify);

    m_window.m_pNotify = nullptr;
    NMHDR otherControl{m_window.m_hWnd, 201, static_cast<UINT>(TCN_SELCHANGE)};
    m_window.SendMessage(WM_NOTIFY, 201, reinterpret_cast<LPARAM>(&otherControl));
    EXPECT_EQ(nullptr, m_window.m_pNotify);
}

TEST_F(MessageMapTest, OneColourHandlerServesEveryControlKindWithItsKindNumber) {
    CStatic label;
    ASSERT_TRUE(label.CreateEx(0, L"STATIC", L"x", WS_CHILD, CRect(0, 0, 10, 10), &m_window, 5));
    HDC dc = ::GetDC(m_window.m_hWnd);
    const LRESULT brush = m_window.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(label.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_window.m_brush)), brush);
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_STATIC), m_window.m_nCtlColor);
    EXPECT_EQ(&label, m_window.m_pCtlColorWnd);

    m_window.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_window.m_hWnd));
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_DLG), m_window.m_nCtlColor);
    ::ReleaseDC(m_window.m_hWnd, dc);
}

// Command routing: a dialog's commands that its map leaves alone go to the
// application object.
class CCommandDialog : public CDialog {
public:
    int m_nOwnCommands = 0;

protected:
    void OnOwnCommand() { ++m_nOwnCommands; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandDialog, CDialog)
    ON_COMMAND(0x500, OnOwnCommand)
END_MESSAGE_MAP()

class CommandRouteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.CreateIndirect(m_template.Get()));
    }

    CTestApp m_app;
    DialogTemplateBuilder m_template{WS_POPUP, 0, 0, 100, 50};
    CCommandDialog m_dialog;
};

TEST_F(CommandRouteTest, AHelpCommandTheDialogDoesNotHandleReachesTheApplication) {
    m_dialog.SendMessage(WM_COMMAND, ID_HELP);
    EXPECT_EQ(1, m_app.m_nHelpCommands);
}

TEST_F(CommandRouteTest, AnAcceleratorCommandIsRoutedLikeAMenuCommand) {
    m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 1));
    m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(0x500, 1));
    EXPECT_EQ(1, m_app.m_nHelpCommands);
    EXPECT_EQ(1, m_dialog.m_nOwnCommands);
}

TEST_F(CommandRouteTest, ACommandTheDialogHandlesStaysWithTheDialog) {
    m_dialog.SendMessage(WM_COMMAND, 0x500);
    EXPECT_EQ(1, m_dialog.m_nOwnCommands);
    EXPECT_EQ(0, m_app.m_nHelpCommands);
}

TEST_F(CommandRouteTest, AHelpRequestReachingATopLevelWindowBecomesTheMainWindowsHelpCommand) {
    CTestWindow otherTopLevel;
    ASSERT_TRUE(otherTopLevel.CreateHidden());
    m_app.m_pMainWnd = &m_dialog;
    HELPINFO help{sizeof(help), HELPINFO_WINDOW, 0, nullptr, 0, {0, 0}};
    otherTopLevel.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    EXPECT_EQ(1, m_app.m_nHelpCommands);
    m_app.m_pMainWnd = nullptr;
}

}  // namespace
