#include "MainDialog.h"

#include "AboutBox.h"
#include "CustomizeDialog.h"
#include "DataExchange.h"
#include "FrameworkIds.h"
#include "PageDialogs.h"
#include "PageTable.h"
#include "ResourceIds.h"
#include "WinApp.h"

static_assert(IDM_ABOUTBOX == kSysCommandAbout, "F10 sends the system menu's about command");

namespace {

// Icons belong to the resources (shared handles): nobody frees them.
HICON LoadResourceIcon(UINT id, int size) {
    return static_cast<HICON>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_SHARED));
}

HICON LoadButtonIcon(UINT id) { return LoadResourceIcon(id, CIconButton::kIconSize); }

}  // namespace

BEGIN_MESSAGE_MAP(CMainDialog, CBaseDialog)
    ON_WM_SYSCOMMAND()
    ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, OnSelChangeTab)
    ON_BN_CLICKED(IDC_ABOUT_BUTTON, OnAbout)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_BN_CLICKED(IDC_CUSTOMIZE_BUTTON, OnCustomize)
    ON_BN_CLICKED(IDC_EXIT_BUTTON, OnExit)
    ON_COMMAND(IDM_NEXT_TAB, OnNextTab)
    ON_COMMAND(IDM_PREVIOUS_TAB, OnPreviousTab)
END_MESSAGE_MAP()

CMainDialog::CMainDialog(unitora::TabSettings& tabSettings, CWnd* pParent)
    : CBaseDialog(IDD_MAIN, pParent, {.systemMenu = true, .childPage = false}),
      m_tabSettings(tabSettings),
      m_hAppIcon(LoadResourceIcon(IDI_PROGRAM, ::GetSystemMetrics(SM_CXICON))),
      m_hSmallIcon(LoadResourceIcon(IDI_PROGRAM, ::GetSystemMetrics(SM_CXSMICON))),
      m_btnExit(LoadButtonIcon(IDI_EXIT), nullptr, CColorButton::kFrame3D),
      m_btnAbout(LoadButtonIcon(IDI_PROGRAM), nullptr, CColorButton::kFrame3D),
      m_btnHelp(LoadButtonIcon(IDI_HELP_BOOK), nullptr, CColorButton::kFrame3D),
      m_btnCustomize(LoadButtonIcon(IDI_CUSTOMIZE), nullptr, CColorButton::kFrame3D) {}

void CMainDialog::DoDataExchange(CDataExchange* dx) {
    CBaseDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CUSTOMIZE_BUTTON, m_btnCustomize);
    DDX_Control(dx, IDC_HELP_BUTTON, m_btnHelp);
    DDX_Control(dx, IDC_ABOUT_BUTTON, m_btnAbout);
    DDX_Control(dx, IDC_EXIT_BUTTON, m_btnExit);
    DDX_Control(dx, IDC_TABS, m_tab);
    DDX_Control(dx, IDC_PAGE_FRAME, m_pageFrame);
}

BOOL CMainDialog::OnInitDialog() {
    CBaseDialog::OnInitDialog();
    // The layout marks its buttons as default push buttons, which would make
    // Enter click one of them (the exit button, the last). Enter means OK
    // here, which the main window ignores.
    SendMessage(DM_SETDEFID, IDOK);
    SetIcon(m_hAppIcon, TRUE);
    SetIcon(m_hSmallIcon, FALSE);
    CreatePages();
    ArrangePages();
    return TRUE;
}

void CMainDialog::CreatePages() {
    for (int index = 0; index < unitora::kPageCount; ++index) {
        m_pages.push_back(CreatePageObject(index, this));
    }
    for (const auto& page : m_pages) {
        page->CreateFromTemplate();
    }
}

void CMainDialog::RebuildTabs() {
    m_tab.DeleteAllItems();
    const unitora::TabSlots& labels = m_tabSettings.GetDefaultTabs();
    m_tabToPage = unitora::TabPages(m_tabSettings.GetTabOrder(), labels);
    for (size_t tab = 0; tab < m_tabToPage.size(); ++tab) {
        m_tab.InsertItem(static_cast<int>(tab), labels[static_cast<size_t>(m_tabToPage[tab])].c_str());
    }
    if (!m_tabToPage.empty()) {
        m_tab.SetCurSel(0);
    }
}

// The page rectangle is fixed by the page frame, so it does not follow the
// number of tab rows.
void CMainDialog::ArrangePages() {
    RebuildTabs();
    CRect pageRect;
    m_pageFrame.GetWindowRect(pageRect);
    ScreenToClient(pageRect);
    for (const auto& page : m_pages) {
        page->MoveWindow(pageRect);
    }
    ShowOnlyPage(m_tabToPage.empty() ? -1 : m_tabToPage.front());
}

void CMainDialog::ShowOnlyPage(int pageIndex) {
    for (int index = 0; index < static_cast<int>(m_pages.size()); ++index) {
        m_pages[static_cast<size_t>(index)]->ShowWindow(index == pageIndex ? SW_SHOW : SW_HIDE);
    }
}

void CMainDialog::OnSelChangeTab(NMHDR*, LRESULT*) {
    const int tab = m_tab.GetCurSel();
    const bool valid = tab >= 0 && tab < static_cast<int>(m_tabToPage.size());
    ShowOnlyPage(valid ? m_tabToPage[static_cast<size_t>(tab)] : -1);
    Invalidate(FALSE);
}

// The about item of the system menu and F10 send command 16; the system
// reserves the low four bits, so 16..31 all mean about.
void CMainDialog::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == kSysCommandAbout) {
        OnAbout();
        return;
    }
    CBaseDialog::OnSysCommand(id, lParam);
}

void CMainDialog::OnAbout() { OpenAboutBox(); }

// Posted, not sent: the application object handles help once the button's
// click has finished.
void CMainDialog::OnHelpButton() { PostMessage(WM_COMMAND, ID_HELP, 0); }

// A confirmed order is shown even when it cannot be stored (the store's
// failures are not reported): the user sees what was chosen, and the next
// start reads whatever the store holds then, falling back to the default
// order if a write that stopped halfway left it invalid.
void CMainDialog::OnCustomize() {
    CCustomizeDialog dialog(m_tabSettings.GetTabOrder(), m_tabSettings.GetDefaultTabs());
    if (dialog.DoModal() == IDOK) {
        m_tabSettings.SetTabOrder(dialog.GetTabOrder());
        ArrangePages();
    }
}

void CMainDialog::OnExit() { EndDialog(IDOK); }

// The tab keys come as accelerators from anywhere in the main window or its
// pages.
void CMainDialog::OnNextTab() { StepTab(1); }

void CMainDialog::OnPreviousTab() { StepTab(-1); }

// A page that had the focus may be the one just hidden: the focus then goes
// to the tabs, where a click on a tab would have put it.
void CMainDialog::StepTab(int step) {
    const int count = m_tab.GetItemCount();
    if (count == 0) {
        return;
    }
    m_tab.SetCurSel((m_tab.GetCurSel() + step + count) % count);
    OnSelChangeTab(nullptr, nullptr);
    const HWND focus = ::GetFocus();
    if (focus != nullptr && !::IsWindowVisible(focus)) {
        m_tab.SetFocus();
    }
}
