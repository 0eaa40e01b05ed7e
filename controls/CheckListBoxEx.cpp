#include "CheckListBoxEx.h"

#include "DeviceContext.h"

#include <algorithm>
#include <cwchar>

namespace {

constexpr COLORREF kSelectedRow = RGB(0, 255, 0);
constexpr COLORREF kEvenRow = RGB(220, 234, 245);
constexpr COLORREF kOddRow = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);

// Bands of the row colour across the top and the bottom of a row, over the
// check box cell too.
constexpr int kTopBand = 4;
constexpr int kBottomBand = 3;
// The title tip starts this far left of the mouse.
constexpr int kTipOffset = 30;

}  // namespace

BEGIN_MESSAGE_MAP(CCheckListBoxEx, CCheckListBox)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CCheckListBoxEx::CCheckListBoxEx() { m_titleTip.Create(this); }

int CCheckListBoxEx::InsertString(int index, LPCWSTR text) {
    return ItemAdded(CCheckListBox::InsertString(index, text), text);
}

int CCheckListBoxEx::DeleteString(UINT index) {
    const int result = CCheckListBox::DeleteString(index);
    if (result >= 0 && index < m_itemWidths.size()) {
        m_itemWidths.erase(m_itemWidths.begin() + index);
    }
    UpdateHorizontalExtent();
    const int row = static_cast<int>(index);
    SetCurSel(row == GetCount() ? row - 1 : row);
    return result;
}

void CCheckListBoxEx::ResetContent() {
    CCheckListBox::ResetContent();
    m_itemWidths.clear();
    UpdateHorizontalExtent();
}

int CCheckListBoxEx::AddString(LPCWSTR text) { return ItemAdded(CCheckListBox::AddString(text), text); }

// result: the list's answer to the addition, the new item's index or an error.
int CCheckListBoxEx::ItemAdded(int result, LPCWSTR text) {
    if (result >= 0) {
        m_itemWidths.insert(m_itemWidths.begin() + result, TextWidth(text));
    }
    UpdateHorizontalExtent();
    return result;
}

void CCheckListBoxEx::UpdateHorizontalExtent() {
    int widest = 1;
    for (int width : m_itemWidths) {
        widest = std::max(widest, width);
    }
    SetHorizontalExtent(widest + 5);
}

int CCheckListBoxEx::TextWidth(LPCWSTR text) {
    CClientDC dc(this);
    CScopedSelect font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    return static_cast<int>(dc.GetTextExtent(text, static_cast<int>(std::wcslen(text))).cx);
}

int CCheckListBoxEx::CalcMinimumItemHeight() {
    return std::max(CCheckListBox::CalcMinimumItemHeight(),
                    static_cast<int>(GetCheckImageSize().cy) + kTopBand + kBottomBand);
}

// The font is set before the check list fits its rows, so that they fit it.
void CCheckListBoxEx::PreSubclassWindow() {
    LOGFONTW logFont{};
    if (CGdiObject::FromHandle(::GetStockObject(DEFAULT_GUI_FONT))->GetObject(sizeof(logFont), &logFont) != 0 &&
        m_font.CreateFontIndirect(&logFont)) {
        SetFont(m_font, TRUE);
    }
    CCheckListBox::PreSubclassWindow();
}

// Every call paints the whole row, whatever the draw action, so the focus
// rectangle of a selected row is drawn exactly once per paint.
void CCheckListBoxEx::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    if (drawItem->itemID == static_cast<UINT>(-1)) {
        return;
    }
    const auto index = static_cast<int>(drawItem->itemID);
    const bool selected = (drawItem->itemState & ODS_SELECTED) != 0;
    const COLORREF colour = selected ? kSelectedRow : (index % 2 == 0 ? kEvenRow : kOddRow);
    const CRect rest(drawItem->rcItem);
    CDC& dc = *CDC::FromHandle(drawItem->hDC);
    dc.FillSolidRect(CRect(0, rest.top, rest.right, rest.top + kTopBand), colour);
    dc.FillSolidRect(CRect(0, rest.top, 1, rest.bottom), colour);
    dc.FillSolidRect(CRect(0, rest.bottom - kBottomBand, rest.right, rest.bottom), colour);
    CRect textRect(rest.left - 1, rest.top, rest.right, rest.bottom);
    dc.FillSolidRect(textRect, colour);

    CString text;
    GetText(index, text);
    dc.DrawTransparentText(text, textRect, DT_SINGLELINE | DT_VCENTER, kText);

    if (selected) {
        CRect row(0, rest.top, rest.right, rest.bottom);
        row.DeflateRect(1, 1);
        dc.DrawFocusRect(row);
    }
}

// The tip is offered for every row, whether its text fits or not.
void CCheckListBoxEx::OnMouseMove(UINT flags, CPoint point) {
    BOOL outside = TRUE;
    const auto index = static_cast<int>(ItemFromPoint(point, outside));
    CRect row;
    if (m_titleTip.m_hWnd == nullptr || outside || GetItemRect(index, row) == LB_ERR) {
        m_titleTip.Hide();
    } else if (row.PtInRect(point)) {
        CString text;
        GetText(index, text);
        m_titleTip.Hide();
        m_titleTip.Show(row, text, point.x - kTipOffset, row.bottom);
    }
    CCheckListBox::OnMouseMove(flags, point);
}
