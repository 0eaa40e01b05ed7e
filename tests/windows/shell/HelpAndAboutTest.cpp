// How help and about are reached from the main window: the system menu, the
// system commands, F1 and F10 (also from inside a page), and where help
// looks for its file.
#include "MainWindowFixture.h"

namespace {

// The help file next to the test program, worked out independently.
std::wstring HelpFileNextToProgram() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + L"unitora.hlp";
}

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}

TEST_F(MainWindowTest, SystemMenuHasHelpAboutSeparatorThenMoveMinimizeClose) {
    Run({[&] {
        const HMENU menu = ::GetSystemMenu(Main().m_hWnd, FALSE);
        ASSERT_NE(nullptr, menu);
        // Wine adds entries of its own after the standard ones.
        ASSERT_GE(::GetMenuItemCount(menu), 6);
        EXPECT_EQ(L"ヘルプ\tF1", MenuText(menu, 0));
        EXPECT_EQ(99u, ::GetMenuItemID(menu, 0));
        EXPECT_EQ(L"バージョン情報...\tF10", MenuText(menu, 1));
        EXPECT_EQ(16u, ::GetMenuItemID(menu, 1));
        EXPECT_NE(0u, ::GetMenuState(menu, 2, MF_BYPOSITION) & MF_SEPARATOR);
        EXPECT_EQ(static_cast<UINT>(SC_MOVE), ::GetMenuItemID(menu, 3));
        EXPECT_EQ(static_cast<UINT>(SC_MINIMIZE), ::GetMenuItemID(menu, 4));
        EXPECT_EQ(static_cast<UINT>(SC_CLOSE), ::GetMenuItemID(menu, 5));
    }});
}

TEST_F(MainWindowTest, SystemCommandsSixteenToThirtyOneReachTheAboutBox) {
    Run({[&] {
        for (UINT command = 16; command <= 31; ++command) {
            Main().SendMessage(WM_SYSCOMMAND, command);
        }
        EXPECT_EQ(16, SeamRecorder::s_aboutCount);
        EXPECT_TRUE(SeamRecorder::s_opened.empty());
    }});
}

TEST_F(MainWindowTest, SystemCommandNinetyNineReachesHelp) {
    Run({
        [&] { Main().SendMessage(WM_SYSCOMMAND, 99); },
        [&] {
            ASSERT_EQ(1u, SeamRecorder::s_opened.size());
            EXPECT_EQ(HelpFileNextToProgram(), SeamRecorder::s_opened.front().GetString());
            EXPECT_EQ(0, SeamRecorder::s_aboutCount);
        },
    });
}

TEST_F(MainWindowTest, HelpOpensTheFileNextToTheProgramWhateverTheCurrentFolder) {
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ::SetCurrentDirectoryW(L"C:\\windows");
    Run({
        [&] { ::SendMessageW(Item(IDC_HELP_BUTTON), BM_CLICK, 0, 0); },
        [&] {
            ASSERT_EQ(1u, SeamRecorder::s_opened.size());
            EXPECT_EQ(HelpFileNextToProgram(), SeamRecorder::s_opened.front().GetString());
        },
    });
    ::SetCurrentDirectoryW(previous);
}

TEST_F(MainWindowTest, AboutButtonReachesTheAboutBox) {
    Run({[&] {
        ::SendMessageW(Item(IDC_ABOUT_BUTTON), BM_CLICK, 0, 0);
        EXPECT_EQ(1, SeamRecorder::s_aboutCount);
    }});
}

TEST_F(MainWindowTest, F10InAUnitFieldReachesTheMainWindowsAbout) {
    Run({
        [&] {
            ::SetFocus(Box(0, 3));
            PressKey(Box(0, 3), VK_F10, true);
        },
        [&] {
            EXPECT_EQ(1, SeamRecorder::s_aboutCount);
            EXPECT_EQ(Box(0, 3), ::GetFocus());
        },
    });
}

TEST_F(MainWindowTest, F10OnTheMainWindowReachesTheAbout) {
    Run({
        [&] {
            ::SetFocus(Item(IDC_TABS));
            PressKey(Item(IDC_TABS), VK_F10, true);
        },
        [&] { EXPECT_EQ(1, SeamRecorder::s_aboutCount); },
    });
}

// F1 becomes a help request only when it comes from the keyboard.
TEST_F(MainWindowTest, F1InAUnitFieldReachesHelp) {
    Run({
        [&] {
            ::SetForegroundWindow(Main().m_hWnd);
            ::SetFocus(Box(0, 0));
            INPUT keys[2] = {};
            keys[0].type = keys[1].type = INPUT_KEYBOARD;
            keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
            keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
            ::SendInput(2, keys, sizeof(INPUT));
        },
        [] {},
        [&] { EXPECT_EQ(1u, SeamRecorder::s_opened.size()); },
    });
}

}  // namespace
