// CMainDialog: the program's main window. A tab control with one tab per
// visible quantity page, in the application's tab order, and four buttons:
// customize, help, about and exit.
//
// All 46 pages are created once, as child windows over one rectangle (the
// page frame's); selecting a tab shows that tab's page and hides the others.
// The main window never touches a page's numbers, so switching, hiding and
// reordering tabs keep every page's values.
//
// Ctrl+F and the system menu's find item open the unit finder; the unit
// taken there gets its tab shown and its box focused. Ctrl+Shift+C and the
// system menu's copy item put the visible page on the clipboard as text; the
// system menu's on-top item keeps the window above other windows.
#pragma once

#include <memory>
#include <vector>

#include "BaseDialog.h"
#include "IconButton.h"
#include "QuantityDialog.h"
#include "ResourceIcon.h"
#include "StandardControls.h"
#include "MainWindowSettings.h"

class CMainDialog : public CBaseDialog {
public:
    // The tab labels, the tab order and the on-top choice come from the
    // settings, which a confirmed customization or the on-top item changes.
    explicit CMainDialog(unitora::MainWindowSettings& settings, CWnd* pParent = nullptr);

    // Rebuilds the tabs from the settings' tab order, lays every page
    // over the page frame and shows the first tab's page.
    void ArrangePages();

    // The page of page index 0..45.
    CQuantityDialog& Page(int index) const { return *m_pages.at(static_cast<size_t>(index)); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnSelChangeTab(NMHDR* header, LRESULT* result);
    void OnAbout();
    void OnHelpButton();
    void OnCustomize();
    void OnExit();
    void OnNextTab();
    void OnPreviousTab();
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    void OnFindUnit();
    void OnCopyPage();

    DECLARE_MESSAGE_MAP()

private:
    // The window's big and small icons at the system's sizes for this DPI.
    void LoadWindowIcons(UINT dpi);
    void CreatePages();
    void RebuildTabs();
    // Shows the page of this index and hides all others; -1 hides them all.
    void ShowOnlyPage(int pageIndex);
    // Makes this tab current and shows its page, as a click on it would.
    void SelectTab(int tab);
    // Selects the tab this many places on, wrapping, as a click would.
    void StepTab(int step);
    // Puts the window on top of other windows, or not, as the settings say.
    void ApplyTopMost();

    unitora::MainWindowSettings& m_settings;
    // By page index. Each page object destroys its own window, if it still
    // exists, before the main window's goes.
    std::vector<std::unique_ptr<CQuantityDialog>> m_pages;
    std::vector<int> m_tabToPage;                           // page index by tab position
    CResourceIcon m_hAppIcon;
    CResourceIcon m_hSmallIcon;
    CIconButton m_btnExit;
    CIconButton m_btnAbout;
    CIconButton m_btnHelp;
    CIconButton m_btnCustomize;
    CTabCtrl m_tab;
    CStatic m_pageFrame;
};
