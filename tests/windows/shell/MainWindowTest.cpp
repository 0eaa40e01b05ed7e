// The main window: its tabs in the application's order, one page shown at a
// time, the four buttons, the keys that must not close it, and its results.
#include "MainWindowFixture.h"

#include <algorithm>
#include <string>

#include "Canvas.h"
#include "ExceptionBarrier.h"
#include "PageTable.h"

namespace {

constexpr int kLengthPage = 2;

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}

TEST_F(MainWindowTest, OpensWithEveryPageAsATabAndTheFirstPageShown) {
    Run({[&] {
        EXPECT_EQ(L"Unitora", TextOf(Main().m_hWnd));
        const std::vector<std::wstring> texts = TabTexts();
        ASSERT_EQ(texts.size(), static_cast<size_t>(unitora::kPageCount));
        for (int page = 0; page < unitora::kPageCount; ++page) {
            EXPECT_EQ(texts[static_cast<size_t>(page)], unitora::PageAt(page)->tabLabel);
        }
        EXPECT_EQ(0, CurrentTab());
        EXPECT_EQ(std::vector<int>{0}, VisiblePages());
        EXPECT_NE(0, Main().SendMessage(WM_GETICON, ICON_BIG));
        EXPECT_NE(0, Main().SendMessage(WM_GETICON, ICON_SMALL));
    }});
}

// A label of the length page that no other page has: refusing its window
// makes that page's window, and no other, fail to be created.
std::wstring g_refusedLabel;

LRESULT CALLBACK RefuseLabel(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (!IS_INTRESOURCE(create->lpszName) && create->lpszName != nullptr && create->lpszName == g_refusedLabel) {
            return 1;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::wstring LabelOnlyOnPage(int page) {
    for (const unitora::UnitField& field : unitora::PageAt(page)->fields) {
        int pagesWithIt = 0;
        for (int other = 0; other < unitora::kPageCount; ++other) {
            const auto& fields = unitora::PageAt(other)->fields;
            pagesWithIt += std::any_of(fields.begin(), fields.end(), [&](const unitora::UnitField& candidate) {
                return std::wstring(candidate.label) == field.label;
            });
        }
        if (pagesWithIt == 1) {
            return field.label;
        }
    }
    return {};
}

std::vector<std::string> g_reports;

TEST_F(MainWindowTest, APageWhoseWindowCannotBeMadeGetsNoTabAndIsReportedOnce) {
    g_refusedLabel = LabelOnlyOnPage(kLengthPage);
    ASSERT_FALSE(g_refusedLabel.empty());
    g_reports.clear();
    const ExceptionReportFunction previous =
        SetExceptionReport([](HWND, const char* what) { g_reports.emplace_back(what != nullptr ? what : ""); });
    const HHOOK hook = ::SetWindowsHookExW(WH_CBT, RefuseLabel, nullptr, ::GetCurrentThreadId());
    Run({[&] {
        std::vector<std::wstring> expected;
        for (int page = 0; page < unitora::kPageCount; ++page) {
            if (page != kLengthPage) {
                expected.emplace_back(unitora::PageAt(page)->tabLabel);
            }
        }
        EXPECT_EQ(expected, TabTexts());
        EXPECT_EQ(nullptr, Main().Page(kLengthPage).m_hWnd);
        SelectTab(kLengthPage);  // now the area page's tab
        EXPECT_EQ(std::vector<int>{kLengthPage + 1}, VisiblePages());
    }});
    ::UnhookWindowsHookEx(hook);
    SetExceptionReport(previous);
    EXPECT_EQ(1u, g_reports.size());
}

TEST_F(MainWindowTest, SystemMenuHasHelpAboutFindCopyOnTopSeparatorThenMoveMinimizeClose) {
    Run({[&] {
        const HMENU menu = ::GetSystemMenu(Main().m_hWnd, FALSE);
        ASSERT_NE(nullptr, menu);
        // Wine adds entries of its own after the standard ones.
        ASSERT_GE(::GetMenuItemCount(menu), 9);
        const std::pair<const wchar_t*, UINT> items[] = {
            {L"ヘルプ\tF1", 99},
            {L"バージョン情報...\tF10", 16},
            {L"単位の検索(&F)...\tCtrl+F", 32},
            {L"このページをコピー(&P)\tCtrl+Shift+C", 48},
            {L"常に手前に表示(&T)", 64},
        };
        for (int position = 0; position < 5; ++position) {
            EXPECT_EQ(items[position].first, MenuText(menu, position));
            EXPECT_EQ(items[position].second, ::GetMenuItemID(menu, position));
        }
        EXPECT_NE(0u, ::GetMenuState(menu, 5, MF_BYPOSITION) & MF_SEPARATOR);
        EXPECT_EQ(static_cast<UINT>(SC_MOVE), ::GetMenuItemID(menu, 6));
        EXPECT_EQ(static_cast<UINT>(SC_MINIMIZE), ::GetMenuItemID(menu, 7));
        EXPECT_EQ(static_cast<UINT>(SC_CLOSE), ::GetMenuItemID(menu, 8));
    }});
}

TEST_F(MainWindowTest, TabsShowOnePageAtATimeAndKeepTypedValues) {
    Run({[&] {
        for (int tab : {5, 45, 0, 17}) {
            SelectTab(tab);
            EXPECT_EQ(std::vector<int>{tab}, VisiblePages()) << "tab " << tab;
        }

        SelectTab(kLengthPage);
        const std::vector<std::wstring> initial = BoxTexts(kLengthPage);
        const HWND box = Box(kLengthPage, 1);
        ::SendMessageW(box, EM_SETSEL, 0, -1);
        TypeKeys(box, L"12");
        const std::vector<std::wstring> typed = BoxTexts(kLengthPage);
        EXPECT_NE(initial, typed) << "typing did not convert";

        SelectTab(0);
        SelectTab(kLengthPage);
        EXPECT_EQ(typed, BoxTexts(kLengthPage));

        // Rearranged: the first tab becomes current, whichever was before;
        // the length page is hidden and shown again without losing its values.
        SelectTab(12);
        std::reverse(app.m_tabOrder.begin(), app.m_tabOrder.end());
        Main().ArrangePages();
        EXPECT_EQ(0, CurrentTab());
        EXPECT_EQ(unitora::PageAt(45)->tabLabel, TabTexts().front());
        EXPECT_EQ(std::vector<int>{45}, VisiblePages());
        app.m_tabOrder = {};
        app.m_tabOrder[0] = unitora::PageAt(7)->tabLabel;
        Main().ArrangePages();
        EXPECT_EQ(std::vector<int>{7}, VisiblePages());
        app.m_tabOrder = app.m_defaultTabs;
        Main().ArrangePages();
        SelectTab(kLengthPage);
        EXPECT_EQ(typed, BoxTexts(kLengthPage));
    }});
}

TEST_F(MainWindowTest, EveryTabHiddenLeavesTheButtonsWorkingAndTheTabsCanComeBack) {
    app.m_tabOrder = {};
    const INT_PTR result = Run({
        [&] {
            EXPECT_TRUE(TabTexts().empty());
            EXPECT_TRUE(VisiblePages().empty());
            ::SendMessageW(Item(IDC_HELP_BUTTON), BM_CLICK, 0, 0);
            ::SendMessageW(Item(IDC_ABOUT_BUTTON), BM_CLICK, 0, 0);
            ::PostMessageW(Item(IDC_CUSTOMIZE_BUTTON), BM_CLICK, 0, 0);
        },
        [&] {
            const HWND customize = FindCustomizeDialog();
            ASSERT_NE(nullptr, customize);
            ::SendMessageW(::GetDlgItem(customize, IDC_SELECT_ALL), BM_CLICK, 0, 0);
            ::SendMessageW(::GetDlgItem(customize, IDOK), BM_CLICK, 0, 0);
        },
        [&] {
            EXPECT_EQ(1u, SeamRecorder::s_opened.size());
            EXPECT_EQ(1, SeamRecorder::s_aboutCount);
            EXPECT_EQ(static_cast<size_t>(unitora::kPageCount), TabTexts().size());
            EXPECT_EQ(std::vector<int>{0}, VisiblePages());
            ::SendMessageW(Item(IDC_EXIT_BUTTON), BM_CLICK, 0, 0);
        },
    });
    EXPECT_EQ(1, result) << "the exit button ends with 1";
}

// Ctrl+Tab and Ctrl+PageDown step right, Ctrl+Shift+Tab and Ctrl+PageUp
// left, wrapping round; from a page's box the focus moves to the tabs.
TEST_F(MainWindowTest, TabKeysStepThroughTheVisibleTabsAndWrap) {
    app.m_tabOrder = {unitora::PageAt(4)->tabLabel, unitora::PageAt(0)->tabLabel, unitora::PageAt(9)->tabLabel};
    struct Press {
        UINT key;
        bool shift;
        int page;  // shown afterwards
    };
    const Press presses[] = {{VK_TAB, false, 0},   {VK_NEXT, false, 9}, {VK_TAB, false, 4},
                             {VK_PRIOR, false, 9}, {VK_TAB, true, 0},   {VK_TAB, true, 4}};
    // The accelerators read the modifiers from the thread's keyboard state.
    BYTE keys[256] = {};
    std::vector<ModalScript::Step> steps{[&] { ::SetFocus(Box(4, 0)); }};
    for (const Press& p : presses) {
        steps.push_back([&, p] {
            keys[VK_CONTROL] = 0x80;
            keys[VK_SHIFT] = p.shift ? 0x80 : 0;
            ::SetKeyboardState(keys);
            PressKey(::GetFocus(), p.key);
        });
        steps.push_back([&, p] {
            EXPECT_EQ(std::vector<int>{p.page}, VisiblePages());
            EXPECT_EQ(Item(IDC_TABS), ::GetFocus());
        });
    }
    Run(std::move(steps));
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
}

// Enter or Escape would have ended the window with 1 (the exit button, or
// OK) or 2 before the last step's close request.
TEST_F(MainWindowTest, EnterAndEscapeLeaveItOpenAndACloseRequestEndsWithTwo) {
    bool stillOpen = true;
    const auto pressBoth = [&](HWND focus) {
        ::SetFocus(focus);
        PressKey(focus, VK_RETURN);
        PressKey(focus, VK_ESCAPE);
    };
    const auto checkOpen = [&] { stillOpen = stillOpen && Main().IsWindowVisible(); };
    bool closeRequested = false;
    const INT_PTR result = Run({
        [&] { pressBoth(Item(IDC_CUSTOMIZE_BUTTON)); },
        checkOpen,
        [&] { pressBoth(Item(IDC_EXIT_BUTTON)); },
        checkOpen,
        [&] { pressBoth(Item(IDC_TABS)); },
        checkOpen,
        [&] { pressBoth(Box(0, 0)); },
        checkOpen,
        [&] {
            closeRequested = true;
            Main().SendMessage(WM_SYSCOMMAND, SC_CLOSE);
        },
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(closeRequested);
    EXPECT_EQ(2, result);
}

TEST_F(MainWindowTest, ButtonsAreOwnerDrawnAndShowTheHoverColour) {
    Run({[&] {
        for (int id : {IDC_CUSTOMIZE_BUTTON, IDC_HELP_BUTTON, IDC_ABOUT_BUTTON, IDC_EXIT_BUTTON}) {
            EXPECT_EQ(BS_OWNERDRAW, ::GetWindowLongW(Item(id), GWL_STYLE) & BS_TYPEMASK) << id;
        }
        const HWND about = Item(IDC_ABOUT_BUTTON);
        RECT onScreen{};
        ::GetWindowRect(about, &onScreen);
        ::SetCursorPos((onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2);
        ::SendMessageW(about, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));

        Canvas canvas(onScreen.right - onScreen.left, onScreen.bottom - onScreen.top);
        DRAWITEMSTRUCT drawItem{ODT_BUTTON, IDC_ABOUT_BUTTON, 0, ODA_DRAWENTIRE, 0, about, canvas.Dc(),
                                canvas.Rect(), 0};
        Main().SendMessage(WM_DRAWITEM, IDC_ABOUT_BUTTON, reinterpret_cast<LPARAM>(&drawItem));
        EXPECT_GT(canvas.Count(RGB(255, 0, 255)), 0);
    }});
}

}  // namespace
