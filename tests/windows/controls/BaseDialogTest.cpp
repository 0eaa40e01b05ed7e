// The shared dialog behaviour: the reworked system menu, system commands
// and closing, Enter and Escape, drag to move, and control tooltips.
#include "BaseDialog.h"
#include "TestDialogIds.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct MenuItem {
    UINT id;
    std::wstring text;
    bool operator==(const MenuItem&) const = default;
};

std::vector<MenuItem> ItemsOf(HMENU menu) {
    std::vector<MenuItem> items;
    for (int position = 0; position < ::GetMenuItemCount(menu); ++position) {
        wchar_t text[64] = L"";
        ::GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
        items.push_back({::GetMenuItemID(menu, position), text});
    }
    return items;
}

// The test's top-level dialog, with the system-menu flag of the test's choice.
class CTopLevelDialog : public CBaseDialog {
public:
    explicit CTopLevelDialog(bool systemMenu = true)
        : CBaseDialog(IDD_TEST_TOP_LEVEL, nullptr, {.systemMenu = systemMenu, .childPage = false}) {}

    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }
};

class BaseDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.CreateVisible());
        m_app.m_pMainWnd = &m_host;
        ASSERT_TRUE(m_dialog.CreateFromTemplate());
    }

    CTestApp m_app;
    CHostWindow m_host;
    CTopLevelDialog m_dialog;
};

bool HasItem(const std::vector<MenuItem>& items, UINT id) {
    return std::any_of(items.begin(), items.end(), [id](const MenuItem& item) { return item.id == id; });
}

// The system may add items of its own below Close (Wine does), so only the
// top of the menu is compared item by item.
TEST_F(BaseDialogTest, TheSystemMenuOffersHelpAndAboutOverMoveMinimizeAndClose) {
    const std::vector<MenuItem> items = ItemsOf(::GetSystemMenu(m_dialog.m_hWnd, FALSE));
    ASSERT_GE(items.size(), 6u);
    EXPECT_EQ((MenuItem{99, L"ヘルプ\tF1"}), items[0]);
    EXPECT_EQ((MenuItem{16, L"バージョン情報...\tF10"}), items[1]);
    EXPECT_EQ(0u, items[2].id);  // the separator
    EXPECT_TRUE(items[2].text.empty());
    EXPECT_EQ(static_cast<UINT>(SC_MOVE), items[3].id);
    EXPECT_EQ(static_cast<UINT>(SC_MINIMIZE), items[4].id);
    EXPECT_EQ(static_cast<UINT>(SC_CLOSE), items[5].id);
    for (UINT gone : {SC_RESTORE, SC_SIZE, SC_MAXIMIZE}) {
        EXPECT_FALSE(HasItem(items, gone)) << gone;
    }
}

TEST_F(BaseDialogTest, WithoutTheSystemMenuFlagTheMenuStaysAsTheSystemMadeIt) {
    CTopLevelDialog plain(false);
    ASSERT_TRUE(plain.CreateFromTemplate());
    const std::vector<MenuItem> items = ItemsOf(::GetSystemMenu(plain.m_hWnd, FALSE));
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(static_cast<UINT>(SC_RESTORE), items.front().id);
    EXPECT_TRUE(HasItem(items, SC_SIZE));
    EXPECT_FALSE(HasItem(items, 99));
}

TEST_F(BaseDialogTest, TheHelpItemPostsTheHelpCommandThatReachesTheApplication) {
    m_dialog.SendMessage(WM_SYSCOMMAND, 99, 0);
    EXPECT_EQ(0, m_app.m_nHelpCommands);  // posted, not sent
    PumpPendingMessages();
    EXPECT_EQ(1, m_app.m_nHelpCommands);
}

TEST_F(BaseDialogTest, CloseEndsTheDialogButEnterAndEscapeDoNot) {
    for (UINT command : {IDOK, IDCANCEL}) {
        m_dialog.SendMessage(WM_COMMAND, command, 0);
    }
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        MSG msg{m_dialog.Item(IDC_TEST_EDIT), WM_KEYDOWN, key, 1, 0, {}};
        ::IsDialogMessageW(m_dialog.m_hWnd, &msg);
    }
    PumpPendingMessages();
    EXPECT_TRUE(m_dialog.IsWindowVisible());

    m_dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box and Alt+F4
    EXPECT_FALSE(m_dialog.IsWindowVisible());          // a modeless dialog's end

    m_dialog.ShowWindow(SW_SHOW);
    m_dialog.SendMessage(WM_CLOSE);
    EXPECT_FALSE(m_dialog.IsWindowVisible());
}

TEST_F(BaseDialogTest, OtherSystemCommandsGetTheSystemsProcessing) {
    m_dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(::IsIconic(m_dialog.m_hWnd));
}

TEST_F(BaseDialogTest, ALeftButtonDragOnTheBackgroundGrabsTheDialogsOwnCaption) {
    MessageLog log({}, {WM_NCLBUTTONDOWN});  // no move loop in a test
    log.Watch(m_dialog.m_hWnd);
    m_dialog.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 100));
    ASSERT_EQ(1u, log.Entries().size());
    EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), log.Entries()[0].wParam);
    EXPECT_TRUE(m_host.m_captionDrags.empty());
}

// A child page made from a resource template: its parent is the
// application's main window, its drags go to the owner it was given.
class ChildPageTest : public BaseDialogTest {
protected:
    void Drag(CBaseDialog& page, WPARAM flags) { page.SendMessage(WM_MOUSEMOVE, flags, MAKELPARAM(100, 40)); }
};

TEST_F(ChildPageTest, ALeftButtonDragOnAPageMovesItsOwnerAndNothingElseDoes) {
    CBaseDialog page(IDD_TEST_CHILD, &m_host, {.systemMenu = true, .childPage = true});
    ASSERT_TRUE(page.CreateFromTemplate());
    EXPECT_EQ(m_host.m_hWnd, ::GetParent(page.m_hWnd));
    EXPECT_EQ(nullptr, ::GetSystemMenu(page.m_hWnd, FALSE));

    for (WPARAM flags : {MK_LBUTTON | MK_CONTROL, MK_LBUTTON | MK_SHIFT, MK_RBUTTON, MK_LBUTTON | MK_RBUTTON, 0}) {
        Drag(page, flags);
    }
    EXPECT_TRUE(m_host.m_captionDrags.empty());

    ::SetCapture(page.m_hWnd);
    Drag(page, MK_LBUTTON);
    EXPECT_EQ(std::vector<WPARAM>{HTCAPTION}, m_host.m_captionDrags);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(ChildPageTest, APageWithoutOwnerMovesNothing) {
    CBaseDialog page(IDD_TEST_CHILD, nullptr, {.systemMenu = true, .childPage = true});
    ASSERT_TRUE(page.CreateFromTemplate());
    EXPECT_EQ(m_host.m_hWnd, ::GetParent(page.m_hWnd));  // the main window
    Drag(page, MK_LBUTTON);
    EXPECT_TRUE(m_host.m_captionDrags.empty());
}

// The text the dialog gives for a tool, asked the way the tooltip asks.
NMTTDISPINFOW AskForTipText(CWnd& dialog, HWND control, UINT flags) {
    NMTTDISPINFOW request{};
    request.hdr.hwndFrom = dialog.GetToolTipWindow();
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
    request.hdr.code = TTN_GETDISPINFOW;
    request.uFlags = flags;
    std::wcscpy(request.szText, L"untouched");
    dialog.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return request;
}

TEST_F(BaseDialogTest, AControlsTooltipIsItsCurrentText) {
    HWND edit = m_dialog.Item(IDC_TEST_EDIT);
    ::SetWindowTextW(edit, L"1.23457e+006");
    EXPECT_EQ(L"1.23457e+006", ToolTipTextOf(m_dialog, edit));
    EXPECT_EQ(L"Go", ToolTipTextOf(m_dialog, m_dialog.Item(IDC_TEST_BUTTON)));

    const std::wstring longText(100, L'7');
    ::SetWindowTextW(edit, longText.c_str());
    EXPECT_EQ(longText.substr(0, 79), ToolTipTextOf(m_dialog, edit));
}

TEST_F(BaseDialogTest, ATooLongTextIsCutWithoutSplittingACharacter) {
    HWND edit = m_dialog.Item(IDC_TEST_EDIT);
    const std::wstring pair = L"\U00020BB7";  // one character, two UTF-16 units
    const std::wstring fits = std::wstring(77, L'1') + pair;
    ::SetWindowTextW(edit, (fits + L"2").c_str());
    EXPECT_EQ(fits, AskForTipText(m_dialog, edit, TTF_IDISHWND).szText);

    const std::wstring straddles = std::wstring(78, L'1') + pair;
    ::SetWindowTextW(edit, straddles.c_str());
    EXPECT_EQ(straddles.substr(0, 78), AskForTipText(m_dialog, edit, TTF_IDISHWND).szText);

    ::SetWindowTextW(edit, L"");
    EXPECT_EQ(L"", std::wstring(AskForTipText(m_dialog, edit, TTF_IDISHWND).szText));
}

TEST_F(BaseDialogTest, AToolNotNamedByItsWindowGetsNoText) {
    EXPECT_EQ(L"untouched", std::wstring(AskForTipText(m_dialog, m_dialog.Item(IDC_TEST_EDIT), 0).szText));
}

}  // namespace
