// The main window's copy of the visible page (Ctrl+Shift+C and the system
// menu) and its always-on-top item with the stored choice.
#include "MainWindowFixture.h"

#include <thread>
#include <utility>

#include "MainWindowSettings.h"

namespace {

constexpr int kVolumePage = 4;  // its Tab order differs from its reading order

using LabelAndText = std::pair<std::wstring, std::wstring>;

// Each box of the page in the order Tab moves through them, with the label
// drawn just before it.
std::vector<LabelAndText> BoxesInTabOrder(HWND page) {
    std::vector<LabelAndText> boxes;
    const HWND first = ::GetNextDlgTabItem(page, nullptr, FALSE);
    HWND box = first;
    do {
        boxes.emplace_back(TextOf(::GetWindow(box, GW_HWNDPREV)), TextOf(box));
        box = ::GetNextDlgTabItem(page, box, FALSE);
    } while (box != first && box != nullptr);
    return boxes;
}

// The clipboard's lines, each cut at its tab; a line without one, or text
// not ending a line, shows as a pair of its own.
std::vector<LabelAndText> ClipboardLines() {
    std::vector<LabelAndText> lines;
    std::wstring text = ClipboardText();
    for (size_t end; (end = text.find(L"\r\n")) != std::wstring::npos; text.erase(0, end + 2)) {
        const std::wstring line = text.substr(0, end);
        const size_t tab = line.find(L'\t');
        lines.emplace_back(line.substr(0, tab), tab == std::wstring::npos ? L"<no tab>" : line.substr(tab + 1));
    }
    if (!text.empty()) {
        lines.emplace_back(L"<unended>", text);
    }
    return lines;
}

void PressCtrlShiftC() {
    INPUT keys[6] = {};
    const WORD chord[3] = {VK_CONTROL, VK_SHIFT, 'C'};
    for (int i = 0; i < 3; ++i) {
        keys[i].type = keys[5 - i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = keys[5 - i].ki.wVk = chord[i];
        keys[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    ::SendInput(6, keys, sizeof(INPUT));
}

TEST_F(MainWindowTest, CtrlShiftCCopiesTheVisiblePageInTabOrderAndABusyClipboardIsLeftAlone) {
    std::thread holder;
    Run({
        [&] {
            SelectTab(kVolumePage);
            ::SetForegroundWindow(Main().m_hWnd);
            ::SetFocus(Box(kVolumePage, 2));
            ::SetWindowTextW(Box(kVolumePage, 2), L"2.5");
            PutOnClipboard(L"before");
            PressCtrlShiftC();
        },
        [] {},
        [&] {
            EXPECT_EQ(Box(kVolumePage, 2), ::GetFocus());
            EXPECT_EQ(L"2.5", TextOf(Box(kVolumePage, 2)));
            EXPECT_EQ(BoxesInTabOrder(Main().Page(kVolumePage).m_hWnd), ClipboardLines());

            // Another program holds the clipboard open: the copy gives up.
            PutOnClipboard(L"held");
            HANDLE opened = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
            HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
            holder = std::thread([=] {
                ::OpenClipboard(nullptr);
                ::SetEvent(opened);
                ::WaitForSingleObject(release, INFINITE);
                ::CloseClipboard();
            });
            ::WaitForSingleObject(opened, INFINITE);
            Main().SendMessage(WM_SYSCOMMAND, IDM_COPY_PAGE);
            ::SetEvent(release);
            holder.join();
            ::CloseHandle(opened);
            ::CloseHandle(release);
            EXPECT_EQ(L"held", ClipboardText());
        },
    });
}

bool IsOnTop(HWND window) { return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool IsChecked(HWND window) {
    return (::GetMenuState(::GetSystemMenu(window, FALSE), IDM_TOPMOST, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

TEST_F(MainWindowTest, TheOnTopItemTogglesTheWindowAboveOthersAndStoresTheChoiceAtOnce) {
    Run({[&] {
        EXPECT_FALSE(IsOnTop(Main().m_hWnd));
        for (bool on : {true, false}) {
            Main().SendMessage(WM_SYSCOMMAND, IDM_TOPMOST);
            EXPECT_EQ(on, IsOnTop(Main().m_hWnd));
            EXPECT_EQ(on, IsChecked(Main().m_hWnd));
            EXPECT_EQ(on ? 1u : 0u, app.GetProfileInt(unitora::kSettingsSection, unitora::kTopMostValueName, 7));
        }
        EXPECT_EQ(1, profile.ValueCount(app)) << "the tab order is not written";
    }});
}

TEST_F(MainWindowTest, AStoredOneStartsOnTopAndAnyOtherStoredValueStartsNormally) {
    const DWORD one = 1;
    const DWORD two = 2;
    struct Case {
        DWORD type;
        const void* data;
        DWORD size;
        bool onTop;
    };
    const Case cases[] = {
        {REG_DWORD, &one, sizeof(one), true},
        {REG_DWORD, &two, sizeof(two), false},
        {REG_SZ, L"1", 2 * sizeof(wchar_t), false},
    };
    for (const Case& c : cases) {
        profile.StoreRaw(app, unitora::kTopMostValueName, c.type, c.data, c.size);
        app.LoadTopMost();
        Run({[&] {
            EXPECT_EQ(c.onTop, IsOnTop(Main().m_hWnd)) << "type " << c.type;
            EXPECT_EQ(c.onTop, IsChecked(Main().m_hWnd)) << "type " << c.type;
        }});
    }
}

}  // namespace
