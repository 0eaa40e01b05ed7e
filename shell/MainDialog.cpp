#include "MainDialog.h"

#include <algorithm>
#include <utility>

#include "AboutBox.h"
#include "Clipboard.h"
#include "CustomizeDialog.h"
#include "DataExchange.h"
#include "ExceptionBarrier.h"
#include "FindUnitDialog.h"
#include "FrameworkIds.h"
#include "Menu.h"
#include "PageDialogs.h"
#include "PageText.h"
#include "PageTable.h"
#include "ResourceIds.h"
#include "TopMost.h"
#include "WinApp.h"

static_assert(IDM_ABOUTBOX == kSysCommandAbout, "F10 sends the system menu's about command");

BEGIN_MESSAGE_MAP(CMainDialog, CBaseDialog)
    ON_WM_SYSCOMMAND()
    ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, OnSelChangeTab)
    ON_BN_CLICKED(IDC_ABOUT_BUTTON, OnAbout)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_BN_CLICKED(IDC_CUSTOMIZE_BUTTON, OnCustomize)
    ON_BN_CLICKED(IDC_EXIT_BUTTON, OnExit)
    ON_COMMAND(IDM_NEXT_TAB, OnNextTab)
    ON_COMMAND(IDM_PREVIOUS_TAB, OnPreviousTab)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

CMainDialog::CMainDialog(unitora::MainWindowSettings& settings, CWnd* pParent)
    : CBaseDialog(IDD_MAIN, pParent, {.systemMenu = true, .childPage = false}),
      m_settings(settings),
      m_btnExit({.icon = IDI_EXIT}),
      m_btnAbout({.icon = IDI_PROGRAM}),
      m_btnHelp({.icon = IDI_HELP_BOOK}),
      m_btnCustomize({.icon = IDI_CUSTOMIZE}) {}

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
    // The finder's, copy and on-top items go after help and about, above the
    // separator.
    if (CMenu* menu = GetSystemMenu(FALSE)) {
        menu->InsertMenu(2, MF_BYPOSITION | MF_STRING, IDM_FIND_UNIT, L"単位の検索(&F)...\tCtrl+F");
        menu->InsertMenu(3, MF_BYPOSITION | MF_STRING, IDM_COPY_PAGE, L"このページをコピー(&P)\tCtrl+Shift+C");
        menu->InsertMenu(4, MF_BYPOSITION | MF_STRING, IDM_TOPMOST, L"常に手前に表示(&T)");
    }
    ApplyTopMost();
    LoadWindowIcons(::GetDpiForWindow(m_hWnd));
    CreatePages();
    ArrangePages();
    return TRUE;
}

// The window holds the new icons before the old ones are destroyed.
void CMainDialog::LoadWindowIcons(UINT dpi) {
    CResourceIcon bigIcon(IDI_PROGRAM, ::GetSystemMetricsForDpi(SM_CXICON, dpi));
    CResourceIcon smallIcon(IDI_PROGRAM, ::GetSystemMetricsForDpi(SM_CXSMICON, dpi));
    SetIcon(bigIcon, TRUE);
    SetIcon(smallIcon, FALSE);
    m_hAppIcon = std::move(bigIcon);
    m_hSmallIcon = std::move(smallIcon);
}

// The system's dialog scaling moves and resizes the window and its controls
// and gives them fonts for the new DPI; the buttons reload their own icons.
LRESULT CMainDialog::OnDpiChanged(WPARAM wParam, LPARAM) {
    LoadWindowIcons(LOWORD(wParam));
    return Default();
}

// A page whose window cannot be made (the system is out of window or
// drawing resources) gets no tab; the others work. The user is told once.
void CMainDialog::CreatePages() {
    for (int index = 0; index < unitora::kPageCount; ++index) {
        m_pages.push_back(CreatePageObject(index, this));
    }
    bool allCreated = true;
    for (const auto& page : m_pages) {
        allCreated = page->CreateFromTemplate() && allCreated;
    }
    if (!allCreated) {
        framework::ReportFailure(m_hWnd, "a page window could not be created");
    }
}

void CMainDialog::RebuildTabs() {
    m_tab.DeleteAllItems();
    const unitora::TabSlots& labels = m_settings.GetDefaultTabs();
    m_tabToPage = unitora::TabPages(m_settings.GetTabOrder(), labels);
    std::erase_if(m_tabToPage, [this](int page) { return Page(page).m_hWnd == nullptr; });
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
    switch (id & 0xFFF0) {
    case IDM_FIND_UNIT:
        OnFindUnit();
        return;
    case IDM_COPY_PAGE:
        OnCopyPage();
        return;
    case IDM_TOPMOST:
        m_settings.SetTopMost(!m_settings.IsTopMost());
        ApplyTopMost();
        return;
    default:
        break;
    }
    CBaseDialog::OnSysCommand(id, lParam);
}

// The system menu's find item and Ctrl+F. The unit's tab becomes current as
// a click on it would make it; then its box gets the focus.
void CMainDialog::OnFindUnit() {
    CFindUnitDialog finder(m_tabToPage, this);
    if (finder.DoModal() != IDOK) {
        return;
    }
    const int page = finder.Chosen().page;
    SelectTab(static_cast<int>(std::find(m_tabToPage.begin(), m_tabToPage.end(), page) - m_tabToPage.begin()));
    finder.EnterInto(Page(page));
}

// The visible page's units and boxes go to the clipboard as text; the focus
// and the boxes stay as they are. With no page shown, or the clipboard held
// by another program, there is nothing to do but beep.
void CMainDialog::OnCopyPage() {
    const int tab = m_tab.GetCurSel();
    if (tab < 0 || tab >= static_cast<int>(m_tabToPage.size())) {
        ::MessageBeep(MB_OK);
        return;
    }
    CQuantityDialog& page = Page(m_tabToPage[static_cast<size_t>(tab)]);
    const std::wstring text = unitora::PageAsText(page.Record(), [&page](int id) { return page.BoxText(id); });
    if (!PutTextOnClipboard(m_hWnd, text)) {
        ::MessageBeep(MB_OK);
    }
}

// The window's place in the stacking order and the menu's check mark follow
// the settings.
void CMainDialog::ApplyTopMost() {
    const bool topMost = m_settings.IsTopMost();
    PlaceTopMost(m_hWnd, topMost);
    if (CMenu* menu = GetSystemMenu(FALSE)) {
        menu->CheckMenuItem(IDM_TOPMOST, MF_BYCOMMAND | (topMost ? MF_CHECKED : MF_UNCHECKED));
    }
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
    CCustomizeDialog dialog(m_settings.GetTabOrder(), m_settings.GetDefaultTabs());
    if (dialog.DoModal() == IDOK) {
        m_settings.SetTabOrder(dialog.GetTabOrder());
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
void CMainDialog::SelectTab(int tab) {
    m_tab.SetCurSel(tab);
    OnSelChangeTab(nullptr, nullptr);
}

void CMainDialog::StepTab(int step) {
    const int count = m_tab.GetItemCount();
    if (count == 0) {
        return;
    }
    SelectTab((m_tab.GetCurSel() + step + count) % count);
    const HWND focus = ::GetFocus();
    if (focus != nullptr && !::IsWindowVisible(focus)) {
        m_tab.SetFocus();
    }
}
