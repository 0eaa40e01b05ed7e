// The customize dialog: its list from the tab order, the list operations,
// the move buttons' repeat while held, and the whole round from the main
// window's button to the stored order and the next start.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

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

int PageOfLabel(const std::wstring& label) {
    for (int page = 0; page < unitora::kPageCount; ++page) {
        if (label == unitora::PageAt(page)->tabLabel) {
            return page;
        }
    }
    return -1;
}

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
            rows.push_back({PageOfLabel(std::wstring(text.View())), list.GetCheck(index)});
        }
        return rows;
    }

    CConverterApp app;
    std::unique_ptr<CCustomizeDialog> dialog;
};

// What a step does: select a row (-1: none), press a button, or toggle the
// selected row's check with the space key.
enum class Op { Select, SelectAll, ClearAll, Up, Down, Space, OK, Cancel };

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
    std::optional<std::vector<int>> order;  // the tab order afterwards, when it changes
};

// Every case starts from three visible tabs, pages 45, 9 and 2.
const std::vector<int> kVisible{45, 9, 2};
const std::vector<Row> kFilled{{45, 1}, {9, 1}, {2, 1}, {0, 0}, {1, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {10, 0}};

std::vector<ListCase> ListCases() {
    std::vector<Row> allChecked = kFilled;
    std::vector<Row> noneChecked = kFilled;
    for (size_t row = 0; row < kFilled.size(); ++row) {
        allChecked[row].check = 1;
        noneChecked[row].check = 0;
    }
    return {
        {"VisibleFirstThenHiddenInPageOrder", {}, kFilled, 3, -1, std::nullopt},
        {"SelectAllChecksEveryRowWhereverItStands",
         {{Op::Select, 3}, {Op::Up}, {Op::SelectAll}},
         {{45, 1}, {9, 1}, {0, 1}, {2, 1}, {1, 1}},
         46,
         2,
         std::nullopt},
        {"ClearAll", {{Op::ClearAll}}, noneChecked, 0, -1, std::nullopt},
        {"UpAtTheTopMovesNothing", {{Op::Select, 0}, {Op::Up}}, kFilled, 3, 0, std::nullopt},
        {"DownAtTheBottomMovesNothing", {{Op::Select, 45}, {Op::Down}}, kFilled, 3, 45, std::nullopt},
        {"WithoutSelectionNothingMoves", {{Op::Up}, {Op::Down}}, kFilled, 3, -1, std::nullopt},
        {"UpTakesTheChecksAlong", {{Op::Select, 3}, {Op::Up}}, {{45, 1}, {9, 1}, {0, 0}, {2, 1}, {1, 0}}, 3, 2,
         std::nullopt},
        {"DownTakesTheChecksAlong",
         {{Op::Select, 1}, {Op::Down}, {Op::Down}},
         {{45, 1}, {2, 1}, {0, 0}, {9, 1}, {1, 0}},
         3,
         3,
         std::nullopt},
        {"OkStoresTheCheckedRowsInListOrder",
         {{Op::Select, 4}, {Op::Space}, {Op::Up}, {Op::Up}, {Op::Select, 0}, {Op::Space}, {Op::OK}},
         {{45, 0}, {9, 1}, {1, 1}, {2, 1}, {0, 0}},
         3,
         0,
         std::vector<int>{9, 1, 2}},
        {"CancelStoresNothing", {{Op::ClearAll}, {Op::Cancel}}, noneChecked, 0, -1, kVisible},
    };
}

std::string NameOf(const ::testing::TestParamInfo<ListCase>& info) { return info.param.name; }

class ListOperation : public CustomizeDialogTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ListOperation, LeavesTheListAndTheOrderAsExpected) {
    const ListCase& test = GetParam();
    Open(kVisible);
    const unitora::TabSlots before = app.m_tabOrder;
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
        }
    }
    const std::vector<Row> rows = Rows();
    ASSERT_EQ(static_cast<size_t>(unitora::kPageCount), rows.size());
    EXPECT_EQ(test.head, std::vector<Row>(rows.begin(), rows.begin() + static_cast<long>(test.head.size())));
    EXPECT_EQ(test.checked, std::count_if(rows.begin(), rows.end(), [](const Row& row) { return row.check == 1; }));
    EXPECT_EQ(test.selection, Selection());
    EXPECT_EQ(test.order ? OrderOf(*test.order) : before, app.m_tabOrder);
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
        dialog->KillTimer(CCustomizeDialog::kRepeatTimer);
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
// the way a user (or another program) drives it: clicks, row selections and
// the space key, all as window messages.
TEST(CustomizeRound, OkShowsAndStoresTheNewOrderAndTheDismissalsChangeNothing) {
    PrivateProfileRoot profile;
    SeamRecorder seams;
    CConverterApp app;
    HWND list = nullptr;
    const auto mainItem = [](int id) { return ::GetDlgItem(AfxGetMainWnd()->m_hWnd, id); };
    const auto openCustomize = [&] { ::PostMessageW(mainItem(IDC_CUSTOMIZE_BUTTON), BM_CLICK, 0, 0); };
    const auto inCustomize = [&](int id) { return ::GetDlgItem(FindCustomizeDialog(), id); };
    const auto postKey = [](HWND window, UINT key, wchar_t ch) {
        ::PostMessageW(window, WM_KEYDOWN, key, 1);
        if (ch != 0) {
            ::PostMessageW(window, WM_CHAR, ch, 1);
        }
        ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    };
    // Page 1 hidden, page 5 one place further down.
    std::vector<int> expected;
    for (int page = 0; page < unitora::kPageCount; ++page) {
        expected.push_back(page);
    }
    std::swap(expected[5], expected[6]);
    expected.erase(expected.begin() + 1);
    std::vector<std::wstring> expectedTabs;
    for (int page : expected) {
        expectedTabs.push_back(unitora::PageAt(page)->tabLabel);
    }

    {
        ModalScript script({
            openCustomize,
            [&] {
                list = inCustomize(IDC_TAB_LIST);
                ::SendMessageW(list, LB_SETCURSEL, 1, 0);
                postKey(list, VK_SPACE, L' ');
            },
            [&] {
                ::SendMessageW(list, LB_SETCURSEL, 5, 0);
                ::SendMessageW(inCustomize(IDC_MOVE_DOWN), BM_CLICK, 0, 0);
                ::SendMessageW(inCustomize(IDOK), BM_CLICK, 0, 0);
            },
            [&] {
                EXPECT_EQ(nullptr, FindCustomizeDialog());
                EXPECT_EQ(expectedTabs, TabTextsOf(mainItem(IDC_TABS)));
                for (int slot = 0; slot < unitora::kTabSlotCount; ++slot) {
                    const size_t index = static_cast<size_t>(slot);
                    EXPECT_EQ(index < expectedTabs.size() ? expectedTabs[index] : L"",
                              profile.Stored(app, unitora::SlotValueName(slot)))
                        << "slot " << slot;
                }
            },
        });
        app.InitInstance();
        EXPECT_EQ(4u, script.Ran());
    }

    // The next start; each way of leaving the dialog without OK, after
    // clearing every check, leaves the tabs as they were.
    const auto clearAndLeave = [&](std::function<void()> leave) {
        return std::vector<ModalScript::Step>{
            openCustomize,
            [&, leave] {
                ::SendMessageW(inCustomize(IDC_CLEAR_ALL), BM_CLICK, 0, 0);
                leave();
            },
            [&] {
                EXPECT_EQ(nullptr, FindCustomizeDialog());
                EXPECT_EQ(expectedTabs, TabTextsOf(mainItem(IDC_TABS)));
            },
        };
    };
    std::vector<ModalScript::Step> steps{[&] { EXPECT_EQ(expectedTabs, TabTextsOf(mainItem(IDC_TABS))); }};
    for (const auto& leave : std::vector<std::function<void()>>{
             [&] { ::SendMessageW(inCustomize(IDCANCEL), BM_CLICK, 0, 0); },
             [&] { postKey(inCustomize(IDC_TAB_LIST), VK_ESCAPE, 0); },
             [&] { ::PostMessageW(FindCustomizeDialog(), WM_SYSCOMMAND, SC_CLOSE, 0); },
         }) {
        for (auto& step : clearAndLeave(leave)) {
            steps.push_back(std::move(step));
        }
    }
    ModalScript script(std::move(steps));
    app.InitInstance();
    EXPECT_EQ(10u, script.Ran());
}

}  // namespace
