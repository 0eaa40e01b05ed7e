// CFindUnitDialog: finds a unit by part of its name. The box at the top takes
// part of a unit's label or of its tab label, optionally after a number; the
// list below it shows the matching units of the given pages as
// "label — tab label" and is filtered again at every change, its first row
// selected. Up and Down in the box move the selection in the list.
//
// Enter or a double-click takes the selected unit and ends the dialog with
// IDOK; Enter with nothing listed only beeps. Escape and the close box end
// it with IDCANCEL.
#pragma once

#include <vector>

#include "BaseDialog.h"
#include "StandardControls.h"
#include "UnitSearch.h"

class CFindUnitDialog : public CBaseDialog {
public:
    // pages: the pages to search, in the order in which their tabs stand.
    CFindUnitDialog(std::vector<int> pages, CWnd* pParent);

    // The unit taken, after IDOK.
    unitora::UnitRef Chosen() const noexcept { return m_chosen; }

    // Gives the taken unit's box on its page the focus with its whole text
    // selected; a number typed before the unit then replaces that text, as
    // typing over the selection would, so that the page converts it.
    void EnterInto(CWnd& page) const;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnCancel() override;

    void OnQueryChanged();

    DECLARE_MESSAGE_MAP()

private:
    std::vector<int> m_pages;
    unitora::UnitQuery m_query;
    std::vector<unitora::UnitRef> m_found;  // by list row
    unitora::UnitRef m_chosen{};
    CEdit m_queryBox;
    CListBox m_list;
};
