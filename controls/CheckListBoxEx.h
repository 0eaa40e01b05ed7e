// CCheckListBoxEx: the check list of the customize dialog.
//
// Over the framework's check list it paints its rows itself (light blue and
// white in turn, the selected row green with a focus rectangle one pixel
// inside), uses a copy of the system's default GUI font at its DPI, keeps its
// horizontal extent fitted to the widest item, and shows the text of the
// row under the mouse in a title tip just below the row. Its rows are tall
// enough for the check box to stand clear of the coloured bands.
//
// Selecting the row after a deletion: the row that moved into the deleted
// one's place, or the new last row when the last one went.
#pragma once

#include "CheckListBox.h"
#include "GdiObjects.h"
#include "TitleTip.h"

#include <vector>

class CCheckListBoxEx : public CCheckListBox {
public:
    // Creates the title tip's window at once, before the list is attached.
    CCheckListBoxEx();

    int InsertString(int index, LPCWSTR text) override;
    int DeleteString(UINT index) override;
    void ResetContent() override;
    int AddString(LPCWSTR text) override;

protected:
    int CalcMinimumItemHeight() override;
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    void OnMouseMove(UINT flags, CPoint point);
    LRESULT OnDpiChangedAfterParent(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

    CExtTitleTip m_titleTip;
    CFont m_font;

private:
    // The stock GUI font, scaled to the list's DPI, as the list's font.
    void UseFontForDpi();
    int ItemAdded(int result, LPCWSTR text);
    void UpdateHorizontalExtent();
    int TextWidth(LPCWSTR text);

    // Each item's text width in the list's font, in item order, kept with
    // the items by the four list operations: the extent is the widest after
    // every change, and reading and measuring every item's text each time
    // made filling the list take the better part of a second under Wine.
    std::vector<int> m_itemWidths;
};
