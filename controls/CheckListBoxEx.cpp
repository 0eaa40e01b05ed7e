#include "CheckListBoxEx.h"

#include <algorithm>
#include <cwchar>

#include "DeviceContext.h"
#include "Dpi.h"

namespace {

constexpr COLORREF kSelectedRow = RGB(0, 255, 0);
constexpr COLORREF kEvenRow = RGB(220, 234, 245);
constexpr COLORREF kOddRow = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);

// Bands of the row colour across the top and the bottom of a row, over the
// check box cell too, at 96 DPI.
constexpr int kTopBand = 4;
constexpr int kBottomBand = 3;
// The title tip starts this far left of the mouse, at 96 DPI.
constexpr int kTipOffset = 30;

}  // namespace

BEGIN_MESSAGE_MAP(CCheckListBoxEx, CCheckListBox)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChangedAfterParent)
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

// In the font the list draws with (the stock font until the list has its own).
int CCheckListBoxEx::TextWidth(LPCWSTR text) {
    CClientDC dc(this);
    CScopedSelect font(dc, m_font.m_hObject != nullptr ? m_font.m_hObject : ::GetStockObject(DEFAULT_GUI_FONT));
    return static_cast<int>(dc.GetTextExtent(text, static_cast<int>(std::wcslen(text))).cx);
}

int CCheckListBoxEx::CalcMinimumItemHeight() {
    const UINT dpi = ::GetDpiForWindow(m_hWnd);
    return std::max(CCheckListBox::CalcMinimumItemHeight(),
                    static_cast<int>(GetCheckImageSize().cy) + ScaleForDpi(kTopBand, dpi) +
                        ScaleForDpi(kBottomBand, dpi));
}

// The font is set before the check list fits its rows, so that they fit it.
void CCheckListBoxEx::PreSubclassWindow() {
    UseFontForDpi();
    CCheckListBox::PreSubclassWindow();
}

// The stock font is made for the system's DPI; a list on a monitor of
// another DPI gets a copy scaled to its own. The list takes the new font
// before the old one is deleted.
void CCheckListBoxEx::UseFontForDpi() {
    LOGFONTW logFont{};
    if (CGdiObject::FromHandle(::GetStockObject(DEFAULT_GUI_FONT))->GetObject(sizeof(logFont), &logFont) == 0) {
        return;
    }
    logFont.lfHeight = ::MulDiv(logFont.lfHeight, static_cast<int>(::GetDpiForWindow(m_hWnd)),
                                static_cast<int>(::GetDpiForSystem()));
    CFont font;
    if (font.CreateFontIndirect(&logFont)) {
        SetFont(font, TRUE);
        m_font.DeleteObject();
        m_font.Attach(font.Detach());
    }
}

// The system's dialog scaling has moved and sized the list; its font, rows
// and text widths are the list's own to follow.
LRESULT CCheckListBoxEx::OnDpiChangedAfterParent(WPARAM, LPARAM) {
    const LRESULT result = Default();
    UseFontForDpi();
    SetItemHeight(0, CalcMinimumItemHeight());
    for (int index = 0; index < static_cast<int>(m_itemWidths.size()); ++index) {
        CString text;
        GetText(index, text);
        m_itemWidths[static_cast<size_t>(index)] = TextWidth(text);
    }
    UpdateHorizontalExtent();
    Invalidate();
    return result;
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
    const UINT dpi = ::GetDpiForWindow(m_hWnd);
    CDC& dc = *CDC::FromHandle(drawItem->hDC);
    dc.FillSolidRect(CRect(0, rest.top, rest.right, rest.top + ScaleForDpi(kTopBand, dpi)), colour);
    dc.FillSolidRect(CRect(0, rest.top, 1, rest.bottom), colour);
    dc.FillSolidRect(CRect(0, rest.bottom - ScaleForDpi(kBottomBand, dpi), rest.right, rest.bottom), colour);
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
        m_titleTip.Show(row, text, point.x - ScaleForDpi(kTipOffset, ::GetDpiForWindow(m_hWnd)), row.bottom);
    }
    CCheckListBox::OnMouseMove(flags, point);
}
