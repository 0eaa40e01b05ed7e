#include "CheckListBox.h"

#include "DeviceContext.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

#include "Dpi.h"

namespace {

constexpr DWORD_PTR kChecked = 1;
// The classic check box's size at 96 DPI, where no theme gives one.
constexpr int kClassicCheckSize = 13;
// Room on either side of the check box, in its cell and above and below it
// in the lowest row, at 96 DPI.
constexpr int kCheckMargin = 1;

// How the list's check boxes look: the theme's button parts, at the size
// the theme opened for the list's window gives, while visual styles are on;
// otherwise the classic frame control, scaled to the list's DPI. Both are
// taken afresh for each use, so a theme or DPI change needs no handling.
class CheckBoxLook {
public:
    explicit CheckBoxLook(HWND window) noexcept
        : m_nDpi(::GetDpiForWindow(window)), m_hTheme(::OpenThemeData(window, L"BUTTON")) {}
    ~CheckBoxLook() {
        if (m_hTheme != nullptr) {
            ::CloseThemeData(m_hTheme);
        }
    }
    CheckBoxLook(const CheckBoxLook&) = delete;
    CheckBoxLook& operator=(const CheckBoxLook&) = delete;

    CSize ImageSize() const noexcept {
        const int classic = ScaleForDpi(kClassicCheckSize, m_nDpi);
        SIZE size{classic, classic};
        if (m_hTheme != nullptr) {
            ::GetThemePartSize(m_hTheme, nullptr, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, nullptr, TS_DRAW, &size);
        }
        return CSize(size);
    }

    int Margin() const noexcept { return ScaleForDpi(kCheckMargin, m_nDpi); }
    int CellWidth() const noexcept { return ImageSize().cx + 2 * Margin(); }

    void Draw(CDC& dc, RECT image, bool checked) const noexcept {
        if (m_hTheme != nullptr) {
            ::DrawThemeBackground(m_hTheme, dc, BP_CHECKBOX, checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL,
                                  &image, nullptr);
        } else {
            dc.DrawFrameControl(&image, DFC_BUTTON, DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0));
        }
    }

private:
    UINT m_nDpi;
    HTHEME m_hTheme;
};

}  // namespace

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
END_MESSAGE_MAP()

int CCheckListBox::GetCheck(int index) const noexcept { return GetItemData(index) == kChecked ? 1 : 0; }

void CCheckListBox::SetCheck(int index, int check) noexcept {
    if (SetItemData(index, check != 0 ? kChecked : 0) == LB_ERR) {
        return;
    }
    CRect row;
    if (GetItemRect(index, row) != LB_ERR) {
        InvalidateRect(row, FALSE);
    }
}

CSize CCheckListBox::GetCheckImageSize() const { return CheckBoxLook(m_hWnd).ImageSize(); }

int CCheckListBox::CalcMinimumItemHeight() {
    CClientDC dc(this);
    CScopedSelect font(dc, GetFont());
    TEXTMETRICW metrics{};
    dc.GetTextMetrics(&metrics);
    const CheckBoxLook look(m_hWnd);
    return std::max(static_cast<int>(metrics.tmHeight), static_cast<int>(look.ImageSize().cy)) + 2 * look.Margin();
}

// The list already exists when it is attached, so the height its parent
// measured for it went by the font alone; the check box may be taller.
void CCheckListBox::PreSubclassWindow() {
    CListBox::PreSubclassWindow();
    SetItemHeight(0, CalcMinimumItemHeight());
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM) {
        return CListBox::OnChildNotify(message, wParam, lParam, result);
    }
    PreDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    *result = TRUE;
    return TRUE;
}

void CCheckListBox::PreDrawItem(const DRAWITEMSTRUCT& drawItem) {
    const CheckBoxLook look(m_hWnd);
    const CRect row(drawItem.rcItem);
    const CRect cell(row.left, row.top, row.left + look.CellWidth(), row.bottom);
    if (drawItem.itemID != static_cast<UINT>(-1)) {
        CDC& dc = *CDC::FromHandle(drawItem.hDC);
        dc.FillSolidRect(cell, ::GetSysColor(COLOR_WINDOW));
        const CSize image = look.ImageSize();
        const CPoint topLeft(cell.left + look.Margin(), row.top + (row.Height() - image.cy) / 2);
        look.Draw(dc, CRect(topLeft, image), GetCheck(static_cast<int>(drawItem.itemID)) != 0);
    }
    DRAWITEMSTRUCT rest = drawItem;
    rest.rcItem.left = cell.right;
    DrawItem(&rest);
}

// The item is found before the list handles the click: a click on a row
// that is only partly shown scrolls it into view.
void CCheckListBox::OnLButtonDown(UINT, CPoint point) {
    const int item = CheckBoxAt(point);
    Default();
    if (item >= 0) {
        Toggle(item);
    }
}

// The second click of a quick pair toggles again, as a second click would.
void CCheckListBox::OnLButtonDblClk(UINT flags, CPoint point) { OnLButtonDown(flags, point); }

// In a single-selection list the caret is the selected item.
void CCheckListBox::OnKeyDown(UINT virtualKey, UINT, UINT) {
    if (virtualKey != VK_SPACE) {
        Default();
        return;
    }
    const int caret = GetCaretIndex();
    if (caret >= 0 && caret < GetCount()) {
        Toggle(caret);
    }
}

// The space that toggled must not also jump to an item starting with a space.
void CCheckListBox::OnChar(UINT ch, UINT, UINT) {
    if (ch != L' ') {
        Default();
    }
}

int CCheckListBox::CheckBoxAt(CPoint point) const {
    BOOL outside = TRUE;
    const UINT item = ItemFromPoint(point, outside);
    CRect row;
    if (outside || GetItemRect(static_cast<int>(item), row) == LB_ERR) {
        return -1;
    }
    const bool inCell = point.x >= row.left && point.x < row.left + CheckBoxLook(m_hWnd).CellWidth();
    return inCell ? static_cast<int>(item) : -1;
}

void CCheckListBox::Toggle(int index) {
    SetCheck(index, GetCheck(index) == 0 ? 1 : 0);
    ::SendMessageW(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                   reinterpret_cast<LPARAM>(m_hWnd));
}
