// Every page's window as its record describes it: a captionless child in
// the page font, one edit box per unit field in focus order, each made just
// after its label (which stands to its right), the data-size page's
// captioned frames, and nothing else.
#include "DataSize.h"
#include "PageDialogs.h"
#include "PageTable.h"
#include "PageTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[32] = L"";
    ::GetClassNameW(window, name, 32);
    return name;
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::vector<int> FocusOrder(const unitora::PageRecord& record) {
    if (!record.focusOrder.empty()) return {record.focusOrder.begin(), record.focusOrder.end()};
    std::vector<int> ids;
    for (const auto& field : record.fields) ids.push_back(field.id);
    return ids;
}

const unitora::UnitField& FieldOf(const unitora::PageRecord& record, int id) {
    return *std::find_if(record.fields.begin(), record.fields.end(),
                         [id](const unitora::UnitField& field) { return field.id == id; });
}

bool InFrame(const unitora::UnitField& field, const unitora::GroupFrame& frame) {
    return field.column == frame.column && field.row >= frame.firstRow && field.row <= frame.lastRow;
}

CRect RectIn(HWND window, HWND parent) {
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Encloses(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

void CheckPageWindow(HWND page, HWND host) {
    EXPECT_EQ(host, ::GetParent(page));
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(page, GWL_STYLE));
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD), style & (WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_BORDER))
        << "a hidden child without caption or border";
    EXPECT_NE(0, ::GetWindowLongPtrW(page, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(page, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_EQ(std::wstring(L"ＭＳ Ｐゴシック"), font.lfFaceName);
}

void CheckField(const unitora::UnitField& field, HWND edit, HWND label, HWND page) {
    SCOPED_TRACE(::testing::Message() << "field " << field.id);
    EXPECT_EQ(L"Edit", ClassOf(edit));
    EXPECT_EQ(field.id, ::GetDlgCtrlID(edit));
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(edit, GWL_STYLE));
    const DWORD wanted = WS_TABSTOP | ES_AUTOHSCROLL;
    EXPECT_EQ(wanted, style & (wanted | ES_NUMBER | ES_CENTER | ES_RIGHT | ES_MULTILINE));
    // The edit control may trade its WS_BORDER for a sunken client edge.
    EXPECT_TRUE((style & WS_BORDER) != 0 || (::GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
    EXPECT_EQ(L"Static", ClassOf(label));
    EXPECT_EQ(0xFFFF, ::GetDlgCtrlID(label));
    EXPECT_EQ(field.label, TextOf(label));

    CRect client;
    ::GetClientRect(page, &client);
    const CRect editRect = RectIn(edit, page);
    const CRect labelRect = RectIn(label, page);
    EXPECT_TRUE(Encloses(client, editRect));
    EXPECT_GE(labelRect.left, editRect.right);
    const LONG labelMiddle = (labelRect.top + labelRect.bottom) / 2;
    EXPECT_TRUE(labelMiddle > editRect.top && labelMiddle < editRect.bottom);
}

// Frames first, then each field's label and edit box in focus order.
void CheckControls(const unitora::PageRecord& record, HWND page) {
    const std::vector<HWND> children = ChildrenOf(page);
    const std::vector<int> focusOrder = FocusOrder(record);
    const size_t frameCount = record.frames.size();
    ASSERT_EQ(frameCount + 2 * focusOrder.size(), children.size());
    for (size_t i = 0; i < focusOrder.size(); ++i) {
        CheckField(FieldOf(record, focusOrder[i]), children[frameCount + 2 * i + 1], children[frameCount + 2 * i],
                   page);
    }
    for (size_t i = 0; i < frameCount; ++i) {
        HWND frame = children[i];
        EXPECT_EQ(L"Button", ClassOf(frame));
        EXPECT_EQ(BS_GROUPBOX, ::GetWindowLongPtrW(frame, GWL_STYLE) & BS_TYPEMASK);
        EXPECT_EQ(0xFFFF, ::GetDlgCtrlID(frame));
        EXPECT_EQ(record.frames[i].caption, TextOf(frame));
        for (const unitora::UnitField& field : record.fields) {
            if (InFrame(field, record.frames[i])) {
                EXPECT_TRUE(Encloses(RectIn(frame, page), RectIn(::GetDlgItem(page, field.id), page))) << field.id;
            }
        }
    }
}

TEST(PageLayoutTest, EveryPageIsLaidOutFromItsRecord) {
    CHostWindow host;
    ASSERT_TRUE(host.CreateVisible());
    for (int index = 0; index < unitora::kPageCount; ++index) {
        SCOPED_TRACE(::testing::Message() << "page " << index);
        const std::unique_ptr<CQuantityDialog> page = CreatePageObject(index, &host);
        ASSERT_TRUE(page->CreateFromTemplate());
        CheckPageWindow(page->m_hWnd, host.m_hWnd);
        CheckControls(*unitora::PageAt(index), page->m_hWnd);
    }
}

TEST(PageLayoutTest, TabMovesThroughTheBoxesInFocusOrder) {
    CHostWindow host;
    ASSERT_TRUE(host.CreateVisible());
    CDataSizeDialog page(&host);
    ASSERT_TRUE(page.CreateFromTemplate());
    std::vector<int> visited;
    HWND control = ::GetNextDlgTabItem(page.m_hWnd, nullptr, FALSE);
    for (size_t i = 0; i < unitora::kDataSizePage.fields.size(); ++i) {
        visited.push_back(::GetDlgCtrlID(control));
        control = ::GetNextDlgTabItem(page.m_hWnd, control, FALSE);
    }
    EXPECT_EQ(std::vector<int>(unitora::kDataSizePage.focusOrder.begin(), unitora::kDataSizePage.focusOrder.end()),
              visited);
}

}  // namespace
