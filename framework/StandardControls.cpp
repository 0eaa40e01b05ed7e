#include "StandardControls.h"

void CEdit::SetSel(int start, int end, BOOL noScroll) noexcept {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
    if (!noScroll) {
        SendMessage(EM_SCROLLCARET);
    }
}

void CEdit::GetSel(int& start, int& end) const noexcept {
    DWORD first = 0;
    DWORD last = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

void CEdit::ReplaceSel(LPCWSTR text, BOOL canUndo) noexcept {
    SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text));
}

void CEdit::LimitText(int maxCharacters) noexcept { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxCharacters)); }

int CButton::GetCheck() const noexcept { return static_cast<int>(SendMessage(BM_GETCHECK)); }
void CButton::SetCheck(int check) noexcept { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
UINT CButton::GetState() const noexcept { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
UINT CButton::GetButtonStyle() const noexcept { return GetStyle() & 0xFFFF; }

void CButton::SetButtonStyle(UINT style, BOOL redraw) noexcept {
    SendMessage(BM_SETSTYLE, style, redraw);
}

// A plain button is drawn by the system; only owner-drawn ones get here.
void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM) {
        return FALSE;
    }
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *result = TRUE;
    return TRUE;
}

int CListBox::AddString(LPCWSTR text) {
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::InsertString(int index, LPCWSTR text) {
    return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int CListBox::DeleteString(UINT index) { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
int CListBox::GetCount() const noexcept { return static_cast<int>(SendMessage(LB_GETCOUNT)); }

int CListBox::GetText(int index, CString& text) const {
    const int length = GetTextLen(index);
    if (length < 0) {
        text.Empty();
        return length;
    }
    const auto copied = static_cast<int>(
        SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.GetBuffer(length))));
    text.ReleaseBuffer(copied < 0 ? 0 : copied);
    return copied;
}

int CListBox::GetTextLen(int index) const noexcept {
    return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
}

int CListBox::GetCurSel() const noexcept { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
int CListBox::SetCurSel(int index) noexcept { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
int CListBox::GetTopIndex() const noexcept { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
int CListBox::GetCaretIndex() const noexcept { return static_cast<int>(SendMessage(LB_GETCARETINDEX)); }

int CListBox::GetItemRect(int index, LPRECT rect) const noexcept {
    return static_cast<int>(SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

DWORD_PTR CListBox::GetItemData(int index) const noexcept {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int CListBox::SetItemData(int index, DWORD_PTR data) noexcept {
    return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

int CListBox::GetItemHeight(int index) const noexcept {
    return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
}

int CListBox::SetItemHeight(int index, int height) noexcept {
    return static_cast<int>(SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(height, 0)));
}

void CListBox::SetHorizontalExtent(int extent) noexcept {
    SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent));
}

UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const noexcept {
    const auto answer = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
    outside = HIWORD(answer) != 0;
    return LOWORD(answer);
}

// A plain list box is drawn by the system; only owner-drawn ones get here.
void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    } else if (message == WM_MEASUREITEM) {
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    } else {
        return FALSE;
    }
    *result = TRUE;
    return TRUE;
}

LONG CTabCtrl::InsertItem(int index, LPCWSTR text) noexcept { return InsertItem(TCIF_TEXT, index, text, 0, 0); }

LONG CTabCtrl::InsertItem(UINT mask, int index, LPCWSTR text, int image, LPARAM param) noexcept {
    TCITEMW item{};
    item.mask = mask;
    item.pszText = const_cast<LPWSTR>(text);  // the control only reads it on insertion
    item.iImage = image;
    item.lParam = param;
    return static_cast<LONG>(
        SendMessage(TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

BOOL CTabCtrl::DeleteItem(int index) noexcept {
    return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(index)));
}

BOOL CTabCtrl::DeleteAllItems() noexcept { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
int CTabCtrl::GetItemCount() const noexcept { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
int CTabCtrl::GetCurSel() const noexcept { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }

int CTabCtrl::SetCurSel(int index) noexcept {
    return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index)));
}

BOOL CTabCtrl::GetItemRect(int index, LPRECT rect) const noexcept {
    return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

void CTabCtrl::AdjustRect(BOOL larger, LPRECT rect) const noexcept {
    SendMessage(TCM_ADJUSTRECT, static_cast<WPARAM>(larger), reinterpret_cast<LPARAM>(rect));
}
