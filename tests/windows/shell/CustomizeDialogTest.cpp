// The customize dialog: its list from the tab order, the list operations,
// the move buttons' repeat while held, and the whole round from the main
// window's button to the stored order and the next start.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>

#include "CustomizeDialog.h"
#include "PageTable.h"
#include "ResourceIds.h"
#include "ShellTestSupport.h"

namespace {

// A list row: the page whose label it shows, and its check.
struct Row {
    int page;
    int check;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) { *out << "{" << row.page << ", " << row.check << "}"; }

unitora::TabSlots OrderOf(const std::vector<int>& pages) {
    unitora::TabSlots order;
    for (size_t slot = 0; slot < pages.size(); ++slot) {
        order[slot] = unitora::PageAt(pages[slot])->tabLabel;
    }
    return order;
}

// The dialog as a modeless window over a test's application object, so that
// a test can look at it between any two steps.
class CustomizeDialogTest : public ::testing::Test {
protected:
    CustomizeDialogTest() { app.BuildDefaultTabs(); }

    void Open(const std::vector<int>& visiblePages) {
        app.m_tabOrder = OrderOf(visiblePages);
        dialog = std::make_unique<CCustomizeDialog>(app);
        ASSERT_TRUE(dialog->CreateFromTemplate());
    }

    HWND Item(int id) const { return ::GetDlgItem(dialog->m_hWnd, id); }
    HWND List() const { return Item(IDC_TAB_LIST); }
    int Selection() const { return static_cast<int>(::SendMessageW(List(), LB_GETCURSEL, 0, 0)); }
    void Click(int id) const { ::SendMessageW(Item(id), BM_CLICK, 0, 0); }

    std::vector<Row> Rows() const {
        auto& list = *static_cast<CCheckListBox*>(CWnd::FromHandlePermanent(List()));
        std::vector<Row> rows;
        CString text;
        for (int index = 0; index < list.GetCount(); ++index) {
            list.GetText(index, text);
            const auto label = std::find(app.m_defaultTabs.begin(), app.m_defaultTabs.end(), text.View());
            rows.push_back({static_cast<int>(label - app.m_defaultTabs.begin()), list.GetCheck(index)});
        }
        return rows;
    }

    CConverterApp app;
    std::unique_ptr<CCustomizeDialog> dialog;
};

// A step: select a row, press a button, the space key in the list, or a
// click on a row's check box or on its text.
enum class Op { Select, SelectAll, ClearAll, Up, Down, Space, ClickBox, ClickText, OK, Cancel };

struct Step {
    Op op;
    int row = 0;
};

struct ListCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<Row> head;  // the first rows afterwards
    int checked;            // how many rows are checked afterwards
    int selection;
    std::vector<int> order;  // the tab order afterwards
};

// Every case starts from three visible tabs: pages 45, 9 and 2.
const std::vector<int> kVisible{45, 9, 2};
const std::vector<Row> kFilled{{45, 1}, {9, 1}, {2, 1}, {0, 0}, {1, 0}, {3, 0},
                               {4, 0},  {5, 0}, {6, 0}, {7, 0}, {8, 0}, {10, 0}};

std::vector<ListCase> ListCases() {
    std::vector<Row> cleared = kFilled;
    for (Row& row : cleared) {
        row.check = 0;
    }
    return {
        {"VisibleFirstThenHiddenInPageOrder", {}, kFilled, 3, -1, kVisible},
        {"SelectAllChecksEveryRowWhereverItStands", {{Op::Select, 3}, {Op::Up}, {Op::SelectAll}},
         {{45, 1}, {9, 1}, {0, 1}, {2, 1}, {1, 1}}, 46, 2, kVisible},
        {"ClearAll", {{Op::ClearAll}}, cleared, 0, -1, kVisible},
        {"UpAtTheTopMovesNothing", {{Op::Select, 0}, {Op::Up}}, kFilled, 3, 0, kVisible},
        {"DownAtTheBottomMovesNothing", {{Op::Select, 45}, {Op::Down}}, kFilled, 3, 45, kVisible},
        {"WithoutSelectionNothingMoves", {{Op::Up}, {Op::Down}}, kFilled, 3, -1, kVisible},
        {"UpTakesTheChecksAlong", {{Op::Select, 3}, {Op::Up}}, {{45, 1}, {9, 1}, {0, 0}, {2, 1}, {1, 0}}, 3, 2,
         kVisible},
        {"DownTakesTheChecksAlong", {{Op::Select, 1}, {Op::Down}, {Op::Down}},
         {{45, 1}, {2, 1}, {0, 0}, {9, 1}, {1, 0}}, 3, 3, kVisible},
        {"OkStoresTheCheckedRowsInListOrder",
         {{Op::Select, 4}, {Op::Space}, {Op::Up}, {Op::Up}, {Op::Select, 0}, {Op::Space}, {Op::OK}},
         {{45, 0}, {9, 1}, {1, 1}, {2, 1}, {0, 0}}, 3, 0, {9, 1, 2}},
        {"AClickTogglesOnlyOnTheBox", {{Op::ClickText, 3}, {Op::ClickBox, 4}}, {{45, 1}, {9, 1}, {2, 1}, {0, 0}, {1, 1}},
         4, 4, kVisible},
        {"CancelStoresNothing", {{Op::ClearAll}, {Op::Cancel}}, cleared, 0, -1, kVisible},
    };
}

std::string NameOf(const ::testing::TestParamInfo<ListCase>& info) { return info.param.name; }

void PrintTo(const ListCase& test, std::ostream* out) { *out << test.name; }

class ListOperation : public CustomizeDialogTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ListOperation, LeavesTheListAndTheOrderAsExpected) {
    const ListCase& test = GetParam();
    Open(kVisible);
    for (const Step& step : test.steps) {
        switch (step.op) {
        case Op::Select: ::SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(step.row), 0); break;
        case Op::SelectAll: Click(IDC_SELECT_ALL); break;
        case Op::ClearAll: Click(IDC_CLEAR_ALL); break;
        case Op::Up: Click(IDC_MOVE_UP); break;
        case Op::Down: Click(IDC_MOVE_DOWN); break;
        case Op::OK: Click(IDOK); break;
        case Op::Cancel: Click(IDCANCEL); break;
        case Op::Space:
            ::SendMessageW(List(), WM_KEYDOWN, VK_SPACE, 1);
            ::SendMessageW(List(), WM_CHAR, L' ', 1);
            break;
        case Op::ClickBox:
        case Op::ClickText: {
            RECT row{};
            ::SendMessageW(List(), LB_GETITEMRECT, static_cast<WPARAM>(step.row), reinterpret_cast<LPARAM>(&row));
            const LPARAM point = MAKELPARAM(step.op == Op::ClickBox ? 5 : 100, (row.top + row.bottom) / 2);
            ::SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, point);
            ::SendMessageW(List(), WM_LBUTTONUP, 0, point);
            break;
        }
        }
    }
    const std::vector<Row> rows = Rows();
    ASSERT_EQ(static_cast<size_t>(unitora::kPageCount), rows.size());
    EXPECT_EQ(test.head, std::vector<Row>(rows.begin(), rows.begin() + static_cast<long>(test.head.size())));
    EXPECT_EQ(test.checked, std::count_if(rows.begin(), rows.end(), [](const Row& row) { return row.check == 1; }));
    EXPECT_EQ(test.selection, Selection());
    EXPECT_EQ(OrderOf(test.order), app.m_tabOrder);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListOperation, ::testing::ValuesIn(ListCases()), NameOf);

// The timer is driven by hand; the press is a real one, so that the button
// holds the capture and the mouse button reads as down.
TEST_F(CustomizeDialogTest, AHeldMoveButtonRepeatsFromTheThirdTickAndClicksOnRelease) {
    struct Hold {
        int ticks;
        int movesWhileHeld;
    };
    for (const Hold hold : {Hold{1, 0}, Hold{2, 0}, Hold{3, 1}, Hold{6, 4}}) {
        Open(kVisible);
        ::KillTimer(dialog->m_hWnd, CCustomizeDialog::kRepeatTimer);
        dialog->ShowWindow(SW_SHOW);
        ::SendMessageW(List(), LB_SETCURSEL, 0, 0);
        const HWND down = Item(IDC_MOVE_DOWN);
        RECT button{};
        ::GetWindowRect(down, &button);
        ::SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        ::SendInput(1, &input, sizeof(input));
        ASSERT_TRUE(PumpUntil([&] { return ::GetCapture() == down; })) << hold.ticks << " ticks";
        for (int tick = 0; tick < hold.ticks; ++tick) {
            dialog->SendMessage(WM_TIMER, CCustomizeDialog::kRepeatTimer);
        }
        EXPECT_EQ(hold.movesWhileHeld, Selection()) << hold.ticks << " ticks";
        input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(1, &input, sizeof(input));
        EXPECT_TRUE(PumpUntil([&] { return Selection() == hold.movesWhileHeld + 1; })) << hold.ticks << " ticks";
        EXPECT_EQ(45, Rows()[static_cast<size_t>(Selection())].page) << "the selected row moved";
    }
}

// From the main window's button to the stored order and the next start,
// driven as a user or another program would: clicks, row selections and the
// space key, as window messages.
TEST(CustomizeRound, OkShowsAndStoresTheNewOrderAndTheDismissalsChangeNothing) {
    PrivateProfileRoot profile;
    SeamRecorder seams;
    CConverterApp app;
    const auto mainItem = [](int id) { return ::GetDlgItem(AfxGetMainWnd()->m_hWnd, id); };
    const auto item = [](int id) { return ::GetDlgItem(FindCustomizeDialog(), id); };
    const auto click = [](HWND button) { ::SendMessageW(button, BM_CLICK, 0, 0); };
    const auto open = [&] { ::PostMessageW(mainItem(IDC_CUSTOMIZE_BUTTON), BM_CLICK, 0, 0); };
    const auto postKey = [](HWND window, UINT key) {
        ::PostMessageW(window, WM_KEYDOWN, key, 1);
        ::PostMessageW(window, WM_CHAR, key == VK_SPACE ? L' ' : 0x1B, 1);
        ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    };
    // Page 1 unticked, page 5 one place down.
    std::vector<std::wstring> tabs;
    for (int page : {0, 2, 3, 4, 6, 5}) {
        tabs.push_back(unitora::PageAt(page)->tabLabel);
    }
    for (int page = 7; page < unitora::kPageCount; ++page) {
        tabs.push_back(unitora::PageAt(page)->tabLabel);
    }
    const auto tabsAsChosen = [&] {
        EXPECT_EQ(nullptr, FindCustomizeDialog());
        EXPECT_EQ(tabs, TabTextsOf(mainItem(IDC_TABS)));
    };
    {
        ModalScript script({
            open,
            [&] {
                ::SendMessageW(item(IDC_TAB_LIST), LB_SETCURSEL, 1, 0);
                postKey(item(IDC_TAB_LIST), VK_SPACE);
            },
            [&] {
                ::SendMessageW(item(IDC_TAB_LIST), LB_SETCURSEL, 5, 0);
                click(item(IDC_MOVE_DOWN));
                click(item(IDOK));
            },
            [&] {
                tabsAsChosen();
                for (int slot = 0; slot < unitora::kTabSlotCount; ++slot) {
                    const auto index = static_cast<size_t>(slot);
                    const std::wstring stored = index < tabs.size() ? tabs[index] : L"";
                    EXPECT_EQ(stored, profile.Stored(app, unitora::SlotValueName(slot))) << "slot " << slot;
                }
            },
        });
        app.InitInstance();
        EXPECT_EQ(4u, script.Ran());
    }
    // The next start shows them; Cancel, Escape and the close box, each
    // after clearing every tick, change nothing.
    std::vector<ModalScript::Step> steps{tabsAsChosen};
    for (const std::function<void()>& leave : std::initializer_list<std::function<void()>>{
             [&] { click(item(IDCANCEL)); },
             [&] { postKey(item(IDC_TAB_LIST), VK_ESCAPE); },
             [&] { ::PostMessageW(FindCustomizeDialog(), WM_SYSCOMMAND, SC_CLOSE, 0); },
         }) {
        steps.insert(steps.end(), {open, [&, leave] { click(item(IDC_CLEAR_ALL)); leave(); }, tabsAsChosen});
    }
    ModalScript script(std::move(steps));
    app.InitInstance();
    EXPECT_EQ(10u, script.Ran());
}

}  // namespace
