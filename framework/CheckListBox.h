// CCheckListBox: an owner-drawn list box (fixed rows, with strings) that
// shows a check box in front of each row.
//
// A click on an item's check box, or the space key on the item with the
// caret, toggles the item between checked and unchecked and tells the parent
// with WM_COMMAND (the list's ID, CLBN_CHKCHANGE, the list's handle). The
// check state lives in the item's data; an item inserted later starts
// unchecked, so whoever moves an item carries its state over with SetCheck.
//
// The list paints each row's check box cell itself (the system's check box,
// themed where visual styles are on) and leaves the rest of the row to
// DrawItem, which derived classes override: the record it gets starts right
// of the cell. Rows get CalcMinimumItemHeight when the list is attached.
#pragma once

#include "StandardControls.h"

// The notification code of a toggled check box.
constexpr WORD CLBN_CHKCHANGE = 40;

class CCheckListBox : public CListBox {
public:
    // 1 when the item is checked, 0 otherwise (also for no such item).
    int GetCheck(int index) const noexcept;
    // Any non-zero check checks the item.
    void SetCheck(int index, int check) noexcept;

protected:
    // The size of a check box as the list draws it.
    CSize GetCheckImageSize() const;
    // The row height: room for the font's text and for the check box, with
    // a pixel above and below.
    virtual int CalcMinimumItemHeight();

    void PreSubclassWindow() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnKeyDown(UINT virtualKey, UINT repeatCount, UINT flags);
    void OnChar(UINT ch, UINT repeatCount, UINT flags);

    DECLARE_MESSAGE_MAP()

private:
    // Paints the check box cell of the row, then DrawItem for the rest.
    void PreDrawItem(const DRAWITEMSTRUCT& drawItem);
    // The item whose check box is under the point, or -1.
    int CheckBoxAt(CPoint point) const;
    // Flips the item's check and tells the parent.
    void Toggle(int index);
};
