// CCustomizeDialog: the user chooses which tabs the main window shows and in
// which order. A check list holds all 46 tab labels: the visible tabs first,
// checked, in their order, then the hidden ones, unchecked, in page order.
// A tick shows a tab, the list order is the tab order; the move buttons move
// the selected label one place (repeatedly while held down).
//
// OK makes the checked labels, in list order, the dialog's tab order, which
// the caller then stores and shows. Cancel, Escape and the close box leave
// the order as it was given.
#pragma once

#include <array>

#include "BaseDialog.h"
#include "CheckListBoxEx.h"
#include "TabOrder.h"

class CCustomizeDialog : public CBaseDialog {
public:
    // The tab order in effect and the tab labels in page order.
    CCustomizeDialog(const unitora::TabSlots& tabOrder, const unitora::TabSlots& defaultTabs);

    // The chosen order once the dialog has ended with OK; until then the
    // order it was given.
    const unitora::TabSlots& GetTabOrder() const { return m_tabOrder; }

    // The auto-repeat timer of the move buttons.
    static constexpr UINT_PTR kRepeatTimer = 1;
    static constexpr UINT kRepeatPeriod = 150;  // ms

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnCancel() override;

    void OnSelectAll();
    void OnClearAll();
    void OnMoveUp();
    void OnMoveDown();
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_MAP()

private:
    // The list from the tab order, and the initial checks for it.
    void FillList();
    // Gives every item its check from m_checks.
    void ApplyChecks();
    void SetAllChecks(int check);
    // Moves the selected item one place up (-1) or down (+1): the neighbour
    // it passes is taken out and put back on the other side of it, with its
    // check. Without a selection, or at the list's edge, only focuses the list.
    void MoveSelection(int step);

    unitora::TabSlots m_tabOrder;
    const unitora::TabSlots m_defaultTabs;
    // The initial check of each list position: 1 checked, 0 not. Not kept up
    // with the user's ticks and moves.
    std::array<int, unitora::kTabSlotCount> m_checks{};
    // Timer ticks while a move button is held down.
    int m_nRepeat = 0;
    CCheckListBoxEx m_list;
};
