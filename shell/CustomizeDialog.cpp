#include "CustomizeDialog.h"

#include <algorithm>
#include <vector>

#include "DataExchange.h"
#include "ResourceIds.h"

namespace {

// A move button held down moves the item again from this tick on.
constexpr int kFirstRepeatTick = 3;

// The left mouse button as the user has it, which is the physical right
// one when the buttons are swapped.
bool PrimaryButtonDown() {
    const int button = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (::GetAsyncKeyState(button) & 0x8000) != 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CCustomizeDialog, CBaseDialog)
    ON_BN_CLICKED(IDC_SELECT_ALL, OnSelectAll)
    ON_BN_CLICKED(IDC_CLEAR_ALL, OnClearAll)
    ON_BN_CLICKED(IDC_MOVE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_MOVE_DOWN, OnMoveDown)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CCustomizeDialog::CCustomizeDialog(const unitora::TabSlots& tabOrder, const unitora::TabSlots& defaultTabs)
    : CBaseDialog(IDD_CUSTOMIZE, nullptr, {.systemMenu = false, .childPage = false}),
      m_tabOrder(tabOrder),
      m_defaultTabs(defaultTabs) {}

void CCustomizeDialog::DoDataExchange(CDataExchange* dx) {
    CBaseDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_TAB_LIST, m_list);
}

// The timer runs as long as the dialog; it only acts while a move button
// is held down.
BOOL CCustomizeDialog::OnInitDialog() {
    CBaseDialog::OnInitDialog();
    FillList();
    ApplyChecks();
    SetTimer(kRepeatTimer, kRepeatPeriod);
    return TRUE;
}

void CCustomizeDialog::FillList() {
    m_list.ResetContent();
    const std::vector<int> visible = unitora::TabPages(m_tabOrder, m_defaultTabs);
    size_t position = 0;
    const auto append = [&](int page, int check) {
        m_list.AddString(m_defaultTabs[static_cast<size_t>(page)].c_str());
        m_checks[position++] = check;
    };
    for (int page : visible) {
        append(page, 1);
    }
    for (int page = 0; page < unitora::kTabSlotCount; ++page) {
        if (std::find(visible.begin(), visible.end(), page) == visible.end()) {
            append(page, 0);
        }
    }
}

// Refreshing the controls from the data changes nothing visible: the
// dialog's only exchange binds the list, which is bound already.
void CCustomizeDialog::ApplyChecks() {
    for (int position = 0; position < unitora::kTabSlotCount; ++position) {
        m_list.SetCheck(position, m_checks[static_cast<size_t>(position)]);
    }
    UpdateData(FALSE);
}

void CCustomizeDialog::SetAllChecks(int check) {
    m_checks.fill(check);
    ApplyChecks();
}

void CCustomizeDialog::OnSelectAll() { SetAllChecks(1); }

void CCustomizeDialog::OnClearAll() { SetAllChecks(0); }

void CCustomizeDialog::OnMoveUp() { MoveSelection(-1); }

void CCustomizeDialog::OnMoveDown() { MoveSelection(1); }

// The selected item itself stays in the list, so it keeps its check.
void CCustomizeDialog::MoveSelection(int step) {
    const int selected = m_list.GetCurSel();
    const int neighbour = selected + step;
    if (selected < 0 || neighbour < 0 || neighbour >= m_list.GetCount()) {
        m_list.SetFocus();
        return;
    }
    CString text;
    m_list.GetText(neighbour, text);
    const int check = m_list.GetCheck(neighbour);
    m_list.DeleteString(static_cast<UINT>(neighbour));
    m_list.InsertString(selected, text);
    m_list.SetCheck(selected, check);
    m_list.SendMessage(WM_VSCROLL, step < 0 ? SB_LINEUP : SB_LINEDOWN);
    m_list.SetCurSel(neighbour);
}

// A push button holds the mouse capture while it is pressed with the mouse.
// Held over the button, it moves the item once per tick from the third on;
// its click on release moves it once more. Sliding off pauses the repeat.
void CCustomizeDialog::OnTimer(UINT_PTR id) {
    const HWND held = ::GetCapture();
    const auto isButton = [&](int buttonId) { return held != nullptr && held == ::GetDlgItem(m_hWnd, buttonId); };
    const int step = isButton(IDC_MOVE_UP) ? -1 : (isButton(IDC_MOVE_DOWN) ? 1 : 0);
    if (step == 0) {
        CBaseDialog::OnTimer(id);
        m_nRepeat = 0;
        return;
    }
    if (++m_nRepeat < kFirstRepeatTick) {
        return;
    }
    CRect button;
    ::GetWindowRect(held, button);
    CPoint cursor;
    ::GetCursorPos(&cursor);
    if (button.PtInRect(cursor) && PrimaryButtonDown()) {
        MoveSelection(step);
    }
}

void CCustomizeDialog::OnOK() {
    UpdateData(TRUE);
    unitora::TabSlots order;
    size_t slot = 0;
    CString text;
    for (int position = 0; position < unitora::kTabSlotCount; ++position) {
        if (m_list.GetCheck(position) != 0) {
            m_list.GetText(position, text);
            order[slot++] = std::wstring(text.View());
        }
    }
    m_tabOrder = order;
    EndDialog(IDOK);
}

void CCustomizeDialog::OnCancel() { EndDialog(IDCANCEL); }
