// The customize dialog: its list from the tab order, the list operations,
// the move buttons' repeat while held, and the whole round from the main
// window's button to the stored order and the next start.
#include <gtest/gtest.h>

#include <algorithm>
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

// The tabs shown when a test opens the dialog: pages 45, 9 and 2.
const std::vector<int> kVisible{45, 9, 2};

// The dialog as a modeless window, with the labels of a test's application
// object, so that a test can look at it between any two steps.
class CustomizeDialogTest : public ::testing::Test {
protected:
    CustomizeDialogTest() { app.BuildDefaultTabs(); }

    void Open() {
        dialog = std::make_unique<CCustomizeDialog>(OrderOf(kVisible), app.m_defaultTabs);
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

// A step: select a row, the space key in the list, a click on a row's check
// box or on its text, or a click on the button whose ID the step is.
enum class Op {
    Select = -1, Space = -2, ClickBox = -3, ClickText = -4,
    SelectAll = IDC_SELECT_ALL, ClearAll = IDC_CLEAR_ALL, Up = IDC_MOVE_UP, Down = IDC_MOVE_DOWN, OK = IDOK,
    Cancel = IDCANCEL
};

struct Step {
    Op op;
    int row = 0;
};

TEST_F(CustomizeDialogTest, ListOperationsLeaveTheListAndTheOrderAsExpected) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<Row> head;  // the first rows afterwards
        int checked;            // how many rows are checked afterwards
        int selection;
        std::vector<int> order = kVisible;  // the tab order afterwards
    };
    const std::vector<Row> filled{{45, 1}, {9, 1}, {2, 1}, {0, 0}, {1, 0}, {3, 0},
                                  {4, 0},  {5, 0}, {6, 0}, {7, 0}, {8, 0}, {10, 0}};
    const Case cases[] = {
        {"visible first, then hidden in page order", {}, filled, 3, -1},
        {"select all checks every row wherever it stands", {{Op::Select, 3}, {Op::Up}, {Op::SelectAll}},
         {{45, 1}, {9, 1}, {0, 1}, {2, 1}, {1, 1}}, 46, 2},
        {"nothing moves past the edges", {{Op::Select, 0}, {Op::Up}, {Op::Select, 45}, {Op::Down}}, filled, 3, 45},
        {"nothing moves without a selection", {{Op::Up}, {Op::Down}}, filled, 3, -1},
        {"up takes the checks along", {{Op::Select, 3}, {Op::Up}}, {{45, 1}, {9, 1}, {0, 0}, {2, 1}, {1, 0}}, 3, 2},
        {"down takes the checks along", {{Op::Select, 1}, {Op::Down}, {Op::Down}},
         {{45, 1}, {2, 1}, {0, 0}, {9, 1}, {1, 0}}, 3, 3},
        {"OK stores the checked rows in list order",
         {{Op::Select, 4}, {Op::Space}, {Op::Up}, {Op::Up}, {Op::Select, 0}, {Op::Space}, {Op::OK}},
         {{45, 0}, {9, 1}, {1, 1}, {2, 1}, {0, 0}}, 3, 0, {9, 1, 2}},
        {"a click toggles only on the box", {{Op::ClickText, 3}, {Op::ClickBox, 4}},
         {{45, 1}, {9, 1}, {2, 1}, {0, 0}, {1, 1}}, 4, 4},
        {"clear all, then Cancel stores nothing", {{Op::ClearAll}, {Op::Cancel}}, {{45, 0}, {9, 0}, {2, 0}}, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        for (const Step& step : c.steps) {
            switch (step.op) {
            case Op::Select: ::SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(step.row), 0); break;
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
            default: Click(static_cast<int>(step.op));
            }
        }
        const std::vector<Row> rows = Rows();
        ASSERT_EQ(static_cast<size_t>(unitora::kPageCount), rows.size());
        EXPECT_EQ(c.head, std::vector<Row>(rows.begin(), rows.begin() + static_cast<long>(c.head.size())));
        EXPECT_EQ(c.checked, std::count_if(rows.begin(), rows.end(), [](const Row& row) { return row.check == 1; }));
        EXPECT_EQ(c.selection, Selection());
        EXPECT_EQ(OrderOf(c.order), dialog->GetTabOrder());
    }
}

// The timer is driven by hand; the press is a real one, so that the button
// holds the capture and the mouse button reads as down.
TEST_F(CustomizeDialogTest, AHeldMoveButtonRepeatsFromTheThirdTickAndClicksOnRelease) {
    struct Hold {
        int ticks;
        int movesWhileHeld;
    };
    for (const Hold hold : {Hold{2, 0}, Hold{6, 4}}) {
        SCOPED_TRACE(hold.ticks);
        Open();
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
        ASSERT_TRUE(PumpUntil([&] { return ::GetCapture() == down; }));
        for (int tick = 0; tick < hold.ticks; ++tick) {
            dialog->SendMessage(WM_TIMER, CCustomizeDialog::kRepeatTimer);
        }
        EXPECT_EQ(hold.movesWhileHeld, Selection());
        input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(1, &input, sizeof(input));
        EXPECT_TRUE(PumpUntil([&] { return Selection() == hold.movesWhileHeld + 1; }));
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
    const auto click = [&](int id) { ::SendMessageW(item(id), BM_CLICK, 0, 0); };
    const auto select = [&](WPARAM row) { ::SendMessageW(item(IDC_TAB_LIST), LB_SETCURSEL, row, 0); };
    const auto open = [&] { ::PostMessageW(mainItem(IDC_CUSTOMIZE_BUTTON), BM_CLICK, 0, 0); };
    // Page 1 unticked, page 5 one place down.
    std::vector<std::wstring> tabs;
    for (int page = 0; page < unitora::kPageCount; ++page) {
        tabs.push_back(unitora::PageAt(page)->tabLabel);
    }
    tabs.erase(tabs.begin() + 1);
    std::swap(tabs[4], tabs[5]);
    const auto tabsAsChosen = [&] {
        EXPECT_EQ(nullptr, FindCustomizeDialog());
        EXPECT_EQ(tabs, TabTextsOf(mainItem(IDC_TABS)));
    };
    {
        ModalScript script({
            open,
            [&] {
                select(1);
                PressKey(item(IDC_TAB_LIST), VK_SPACE);
            },
            [&] {
                select(5);
                click(IDC_MOVE_DOWN);
                click(IDOK);
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
    const ModalScript::Step leaves[] = {
        [&] { click(IDCANCEL); },
        [&] { PressKey(item(IDC_TAB_LIST), VK_ESCAPE); },
        [&] { ::PostMessageW(FindCustomizeDialog(), WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    std::vector<ModalScript::Step> steps{tabsAsChosen};
    for (const ModalScript::Step& leave : leaves) {
        steps.insert(steps.end(), {open, [&] { click(IDC_CLEAR_ALL); leave(); }, tabsAsChosen});
    }
    ModalScript script(std::move(steps));
    app.InitInstance();
    EXPECT_EQ(10u, script.Ran());
}

}  // namespace
