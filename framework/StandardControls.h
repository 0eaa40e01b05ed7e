// Objects for the system's standard controls. They are usually members of a
// dialog, attached to its controls by DDX_Control.
//
// Owner-drawn buttons and list boxes draw themselves: the parent passes
// WM_DRAWITEM on to the control's object, which calls DrawItem.
#pragma once

#include "Window.h"

#include <commctrl.h>

class CStatic : public CWnd {};

class CEdit : public CWnd {};

class CButton : public CWnd {
public:
    // Owner-drawn buttons override this.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CListBox : public CWnd {
public:
    // Virtual, so that a list that keeps something in step with its items
    // sees every change.
    virtual int AddString(LPCWSTR text);
    virtual int InsertString(int index, LPCWSTR text);
    virtual int DeleteString(UINT index);
    virtual void ResetContent();
    int GetCount() const noexcept;
    int GetText(int index, CString& text) const;
    int GetTextLen(int index) const noexcept;
    int GetCurSel() const noexcept;
    int SetCurSel(int index) noexcept;
    int GetCaretIndex() const noexcept;
    int GetItemRect(int index, LPRECT rect) const noexcept;
    DWORD_PTR GetItemData(int index) const noexcept;
    int SetItemData(int index, DWORD_PTR data) noexcept;
    int SetItemHeight(int index, int height) noexcept;
    void SetHorizontalExtent(int extent) noexcept;
    // The item nearest to the point (client coordinates); outside is TRUE
    // when the point lies outside every item.
    UINT ItemFromPoint(CPoint point, BOOL& outside) const noexcept;

    // Owner-drawn list boxes override this.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CTabCtrl : public CWnd {
public:
    // Text-only item; returns its index or -1.
    LONG InsertItem(int index, LPCWSTR text) noexcept;
    BOOL DeleteAllItems() noexcept;
    int GetItemCount() const noexcept;
    int GetCurSel() const noexcept;
    int SetCurSel(int index) noexcept;  // returns the previous selection or -1
};
