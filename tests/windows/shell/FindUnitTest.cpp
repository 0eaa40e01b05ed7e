// The unit finder from Ctrl+F: the query picks a unit, Enter makes its tab
// current and gives its box the focus, a number before the unit is converted
// there; a query that finds nothing leaves the finder open, and Escape
// changes nothing.
#include "MainWindowFixture.h"

#include "MemoryBoxes.h"
#include "PageTable.h"

namespace {

HWND FindFinder() { return ::FindWindowW(L"#32770", L"単位の検索"); }

// Ctrl+F as the keyboard gives it, to the window that has the focus.
void PressCtrlF() {
    INPUT keys[4] = {};
    const WORD sequence[4][2] = {{VK_CONTROL, 0}, {'F', 0}, {'F', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = sequence[i][0];
        keys[i].ki.dwFlags = sequence[i][1];
    }
    ::SendInput(4, keys, sizeof(INPUT));
}

// What a page shows after its initial display and, if given, a number typed
// into one box.
std::vector<std::wstring> ModelTexts(int page, int id, const wchar_t* number) {
    const unitora::PageRecord& record = *unitora::PageAt(page);
    unitora::QuantityPage model(record);
    unitora::MemoryBoxes boxes(model, [](int) {});
    model.InitialDisplay(boxes);
    if (number != nullptr) {
        boxes.Type(id, number);
    }
    std::vector<std::wstring> texts;
    for (const unitora::UnitField& field : record.fields) {
        texts.push_back(boxes.Text(field.id));
    }
    return texts;
}

TEST_F(MainWindowTest, CtrlFFindsAUnitAndEnterTakesItsTabAndBox) {
    struct Case {
        const wchar_t* query;
        UINT key;
        int page;                // shown afterwards
        int id;                  // the focused box; 0: the one focused before
        const wchar_t* number;   // converted in that box
        bool finderOpen;
    };
    const Case cases[] = {
        {L"PSI", VK_RETURN, 8, 1076, nullptr, false},
        {L"ｐｓｉ", VK_RETURN, 8, 1076, nullptr, false},
        {L"リョウ", VK_RETURN, 6, 1014, nullptr, false},
        {L"12 psi", VK_RETURN, 8, 1076, L"12", false},
        {L"-40 華氏", VK_RETURN, 9, 1005, L"-40", false},
        {L"ー40°F", VK_RETURN, 9, 1005, L"-40", false},
        {L"1.50psi", VK_RETURN, 8, 1076, L"1.5", false},
        {L"no such unit", VK_RETURN, 0, 0, nullptr, true},
        {L"psi", VK_ESCAPE, 0, 0, nullptr, false},
    };
    std::vector<ModalScript::Step> steps;
    for (const Case& c : cases) {
        steps.push_back([&] {
            SelectTab(0);
            ::SetForegroundWindow(Main().m_hWnd);
            ::SetFocus(Box(0, 0));
            PressCtrlF();
        });
        steps.push_back([&] {
            const HWND finder = FindFinder();
            ASSERT_NE(nullptr, finder) << "Ctrl+F";
            const HWND query = ::FindWindowExW(finder, nullptr, L"Edit", nullptr);
            EXPECT_EQ(query, ::GetFocus());
            TypeKeys(query, c.query);
            PressKey(query, c.key);
        });
        steps.push_back([&] {
            const std::string query = ::testing::PrintToString(std::wstring(c.query));
            EXPECT_EQ(c.finderOpen, FindFinder() != nullptr) << query;
            EXPECT_EQ(c.page, CurrentTab()) << query;
            EXPECT_EQ(std::vector<int>{c.page}, VisiblePages()) << query;
            const HWND box = c.id != 0 ? ::GetDlgItem(Main().Page(c.page).m_hWnd, c.id) : Box(0, 0);
            if (!c.finderOpen) {
                EXPECT_EQ(box, ::GetFocus()) << query;
            }
            EXPECT_EQ(ModelTexts(c.page, c.id, c.number), BoxTexts(c.page)) << query;
            if (c.number == nullptr && c.id != 0) {
                const DWORD length = static_cast<DWORD>(TextOf(box).size());
                EXPECT_EQ(std::make_pair(DWORD{0}, length), SelectionOf(box)) << query;
            }
            if (c.finderOpen) {
                ::PostMessageW(FindFinder(), WM_CLOSE, 0, 0);
            }
        });
    }
    Run(std::move(steps));
}

}  // namespace
