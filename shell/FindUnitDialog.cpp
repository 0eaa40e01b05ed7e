#include "FindUnitDialog.h"

#include <utility>

#include "DataExchange.h"
#include "PageTable.h"
#include "ResourceIds.h"

namespace {

// Keys of the query box that move the list's selection instead.
bool IsListKey(WPARAM key) { return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT; }

}  // namespace

BEGIN_MESSAGE_MAP(CFindUnitDialog, CBaseDialog)
    ON_CONTROL(EN_CHANGE, IDC_FIND_QUERY, OnQueryChanged)
    ON_CONTROL(LBN_DBLCLK, IDC_FIND_RESULTS, OnOK)
END_MESSAGE_MAP()

CFindUnitDialog::CFindUnitDialog(std::vector<int> pages, CWnd* pParent)
    : CBaseDialog(IDD_FIND_UNIT, pParent, {.systemMenu = false, .childPage = false}), m_pages(std::move(pages)) {}

void CFindUnitDialog::DoDataExchange(CDataExchange* dx) {
    CBaseDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_FIND_QUERY, m_queryBox);
    DDX_Control(dx, IDC_FIND_RESULTS, m_list);
}

// The empty query lists every unit; the query box, first in the tab order,
// has the focus.
BOOL CFindUnitDialog::OnInitDialog() {
    CBaseDialog::OnInitDialog();
    OnQueryChanged();
    return TRUE;
}

void CFindUnitDialog::OnQueryChanged() {
    CString text;
    m_queryBox.GetWindowText(text);
    m_query = unitora::ParseUnitQuery(text.View());
    m_found = unitora::FindUnits(m_query, m_pages);
    m_list.SendMessage(WM_SETREDRAW, FALSE);
    m_list.ResetContent();
    for (const unitora::UnitRef unit : m_found) {
        m_list.AddString(unitora::UnitRowText(unit).c_str());
    }
    m_list.SetCurSel(0);
    m_list.SendMessage(WM_SETREDRAW, TRUE);
    m_list.Invalidate();
}

BOOL CFindUnitDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->hwnd == m_queryBox.m_hWnd && IsListKey(msg->wParam)) {
        m_list.SendMessage(WM_KEYDOWN, msg->wParam, msg->lParam);
        return TRUE;
    }
    return CBaseDialog::PreTranslateMessage(msg);
}

void CFindUnitDialog::OnOK() {
    const int row = m_list.GetCurSel();
    if (row < 0 || row >= static_cast<int>(m_found.size())) {
        ::MessageBeep(MB_OK);
        return;
    }
    m_chosen = m_found[static_cast<size_t>(row)];
    EndDialog(IDOK);
}

void CFindUnitDialog::OnCancel() { EndDialog(IDCANCEL); }

void CFindUnitDialog::EnterInto(CWnd& page) const {
    const int id = unitora::PageAt(m_chosen.page)->fields[static_cast<size_t>(m_chosen.field)].id;
    CWnd* box = page.GetDlgItem(id);
    if (box == nullptr) {
        return;
    }
    box->SetFocus();
    box->SendMessage(EM_SETSEL, 0, -1);
    if (!m_query.number.empty()) {
        box->SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(m_query.number.c_str()));
    }
}
