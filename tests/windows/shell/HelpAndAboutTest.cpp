// How help and about are reached from the main window: buttons, system
// commands, F1 and F10 (also from inside a page), and where help looks for
// the form that suits the running system.
#include "MainWindowFixture.h"

#include "HelpOrder.h"
#include "WindowsVersion.h"

namespace {

// A file next to the test program, worked out independently.
CString FileNextToProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return CString(folder + name);
}

// The form the help offers first on a system of this version.
const wchar_t* FirstHelpForm(DWORD windowsMajorVersion) {
    const wchar_t* first = nullptr;
    unitora::OpenHelpInOrder(windowsMajorVersion, [&](const wchar_t* fileName) {
        first = first != nullptr ? first : fileName;
        return true;
    });
    return first;
}

TEST_F(MainWindowTest, AboutIsReachedFromItsButtonSystemCommandsAndF10) {
    CWnd other;
    Run({
        [&] {
            ::SendMessageW(Item(IDC_ABOUT_BUTTON), BM_CLICK, 0, 0);
            EXPECT_EQ(1, SeamRecorder::s_aboutCount);
            for (UINT command = 16; command <= 31; ++command) {
                Main().SendMessage(WM_SYSCOMMAND, command);
            }
            EXPECT_EQ(17, SeamRecorder::s_aboutCount);
            ::SetFocus(Box(0, 3));
            PressKey(Box(0, 3), VK_F10);
        },
        [&] {
            EXPECT_EQ(18, SeamRecorder::s_aboutCount) << "F10 in a unit field";
            EXPECT_EQ(Box(0, 3), ::GetFocus());
            ::SetFocus(Item(IDC_TABS));
            PressKey(Item(IDC_TABS), VK_F10);
        },
        [&] {
            EXPECT_EQ(19, SeamRecorder::s_aboutCount) << "F10 on the main window";
            EXPECT_TRUE(SeamRecorder::s_opened.empty());
            other.CreateEx(0, nullptr, L"another window", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0);
            PressKey(other.m_hWnd, VK_F10);
        },
        [&] { EXPECT_EQ(19, SeamRecorder::s_aboutCount) << "F10 in a window that is not the main window's"; },
    });
}

// F1 becomes a help request only when it comes from the keyboard.
TEST_F(MainWindowTest, HelpOpensTheFileNextToTheProgramFromButtonSystemCommandAndF1) {
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ::SetCurrentDirectoryW(L"C:\\windows");
    Run({
        [&] { ::SendMessageW(Item(IDC_HELP_BUTTON), BM_CLICK, 0, 0); },
        [&] {
            EXPECT_EQ(1u, SeamRecorder::s_opened.size()) << "help button";
            Main().SendMessage(WM_SYSCOMMAND, 99);
        },
        [&] {
            EXPECT_EQ(2u, SeamRecorder::s_opened.size()) << "system command 99";
            ::SetForegroundWindow(Main().m_hWnd);
            ::SetFocus(Box(0, 0));
            INPUT keys[2] = {};
            keys[0].type = keys[1].type = INPUT_KEYBOARD;
            keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
            keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
            ::SendInput(2, keys, sizeof(INPUT));
        },
        [] {},
        [&] {
            EXPECT_EQ(3u, SeamRecorder::s_opened.size()) << "F1 in a unit field";
            // The form that suits the system the test runs on, each time.
            const CString expected = FileNextToProgram(FirstHelpForm(RunningWindowsMajorVersion()));
            for (const CString& opened : SeamRecorder::s_opened) {
                EXPECT_EQ(expected, opened);
            }
            EXPECT_EQ(0, SeamRecorder::s_aboutCount);
        },
    });
    ::SetCurrentDirectoryW(previous);
}

}  // namespace
