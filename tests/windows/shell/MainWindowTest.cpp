// The main window: its tabs in the application's order, one page shown at a
// time, the four buttons, the keys that must not close it, and its results.
#include "MainWindowFixture.h"

#include "Canvas.h"
#include "PageTable.h"

namespace {

constexpr int kLengthPage = 2;

std::vector<std::wstring> Labels(std::initializer_list<int> pages) {
    std::vector<std::wstring> labels;
    for (int page : pages) {
        labels.emplace_back(unitora::PageAt(page)->tabLabel);
    }
    return labels;
}

TEST_F(MainWindowTest, DefaultOrderShowsEveryPageAsATabAndTheFirstPage) {
    Run({[&] {
        EXPECT_EQ(L"Unitora", TextOf(Main().m_hWnd));
        const std::vector<std::wstring> texts = TabTexts();
        ASSERT_EQ(texts.size(), static_cast<size_t>(unitora::kPageCount));
        for (int page = 0; page < unitora::kPageCount; ++page) {
            EXPECT_EQ(texts[static_cast<size_t>(page)], unitora::PageAt(page)->tabLabel);
        }
        EXPECT_EQ(0, CurrentTab());
        EXPECT_EQ(std::vector<int>{0}, VisiblePages());
    }});
}

TEST_F(MainWindowTest, StoredOrderGivesExactlyThoseTabsAndTheFirstOnesPage) {
    app.m_tabOrder = {};
    app.m_tabOrder[0] = unitora::PageAt(45)->tabLabel;
    app.m_tabOrder[1] = unitora::PageAt(9)->tabLabel;
    app.m_tabOrder[2] = unitora::PageAt(kLengthPage)->tabLabel;
    Run({[&] {
        EXPECT_EQ(Labels({45, 9, kLengthPage}), TabTexts());
        EXPECT_EQ(std::vector<int>{45}, VisiblePages());
    }});
}

TEST_F(MainWindowTest, SelectingATabShowsExactlyItsPage) {
    Run({[&] {
        for (int tab : {5, 45, 0, 17}) {
            SelectTab(tab);
            EXPECT_EQ(std::vector<int>{tab}, VisiblePages()) << "tab " << tab;
        }
    }});
}

TEST_F(MainWindowTest, TypedValuesSurviveTabSwitchesAndRearranging) {
    Run({[&] {
        SelectTab(kLengthPage);
        const std::vector<std::wstring> initial = BoxTexts(kLengthPage);
        const HWND box = Box(kLengthPage, 1);
        ::SendMessageW(box, EM_SETSEL, 0, -1);
        Type(box, L"12");
        const std::vector<std::wstring> typed = BoxTexts(kLengthPage);
        EXPECT_NE(initial, typed) << "typing did not convert";

        SelectTab(0);
        SelectTab(kLengthPage);
        EXPECT_EQ(typed, BoxTexts(kLengthPage));

        app.m_tabOrder = {};
        app.m_tabOrder[0] = unitora::PageAt(7)->tabLabel;
        Main().ArrangePages();
        app.m_tabOrder = app.m_defaultTabs;
        Main().ArrangePages();
        EXPECT_EQ(typed, BoxTexts(kLengthPage));
    }});
}

TEST_F(MainWindowTest, RearrangingMakesTheFirstTabCurrent) {
    Run({[&] {
        SelectTab(12);
        std::reverse(app.m_tabOrder.begin(), app.m_tabOrder.end());
        Main().ArrangePages();
        EXPECT_EQ(0, CurrentTab());
        EXPECT_EQ(Labels({45}), std::vector<std::wstring>{TabTexts().front()});
        EXPECT_EQ(std::vector<int>{45}, VisiblePages());
    }});
}

TEST_F(MainWindowTest, EveryTabHiddenLeavesTheButtonsWorking) {
    app.m_tabOrder = {};
    const INT_PTR result = Run({
        [&] {
            EXPECT_TRUE(TabTexts().empty());
            EXPECT_TRUE(VisiblePages().empty());
            ::SendMessageW(Item(IDC_HELP_BUTTON), BM_CLICK, 0, 0);
            ::SendMessageW(Item(IDC_ABOUT_BUTTON), BM_CLICK, 0, 0);
            ::SendMessageW(Item(IDC_CUSTOMIZE_BUTTON), BM_CLICK, 0, 0);
        },
        [&] {
            EXPECT_EQ(1u, SeamRecorder::s_opened.size());
            EXPECT_EQ(1, SeamRecorder::s_aboutCount);
            EXPECT_TRUE(Main().IsWindowVisible());
            ::SendMessageW(Item(IDC_EXIT_BUTTON), BM_CLICK, 0, 0);
        },
    });
    EXPECT_EQ(IDOK, result);
}

TEST_F(MainWindowTest, ExitButtonEndsWithOne) {
    EXPECT_EQ(1, Run({[&] { ::SendMessageW(Item(IDC_EXIT_BUTTON), BM_CLICK, 0, 0); }}));
}

TEST_F(MainWindowTest, CloseRequestEndsWithTwo) {
    EXPECT_EQ(2, Run({[&] { Main().SendMessage(WM_CLOSE); }}));
}

TEST_F(MainWindowTest, SystemMenuCloseEndsWithTwo) {
    EXPECT_EQ(2, Run({[&] { Main().SendMessage(WM_SYSCOMMAND, SC_CLOSE); }}));
}

// The script closes the window with WM_CLOSE (result 2) after its last
// step; Enter would have ended it with the exit button's or OK's result.
TEST_F(MainWindowTest, EnterAndEscapeLeaveTheMainWindowOpen) {
    bool stillOpen = true;
    const auto pressBoth = [&](HWND focus) {
        ::SetFocus(focus);
        PressKey(focus, VK_RETURN);
        PressKey(focus, VK_ESCAPE);
    };
    const auto checkOpen = [&] { stillOpen = stillOpen && Main().IsWindowVisible(); };
    const INT_PTR result = Run({
        [&] { pressBoth(Item(IDC_CUSTOMIZE_BUTTON)); },
        checkOpen,
        [&] { pressBoth(Item(IDC_EXIT_BUTTON)); },
        checkOpen,
        [&] { pressBoth(Item(IDC_TABS)); },
        checkOpen,
        [&] { pressBoth(Box(0, 0)); },
        checkOpen,
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(2, result);
}

TEST_F(MainWindowTest, WindowHasBigAndSmallIcons) {
    Run({[&] {
        EXPECT_NE(0, Main().SendMessage(WM_GETICON, ICON_BIG));
        EXPECT_NE(0, Main().SendMessage(WM_GETICON, ICON_SMALL));
    }});
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
