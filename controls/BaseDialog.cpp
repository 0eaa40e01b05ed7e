#include "BaseDialog.h"

#include "FrameworkIds.h"
#include "Menu.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace {

// Copies a control's text into a tooltip's fixed text buffer. A text that
// does not fit is cut before the last whole character that does, so that a
// surrogate pair is never split.
template <size_t N>
void CopyTipText(const CString& text, wchar_t (&buffer)[N]) {
    size_t length = std::min(static_cast<size_t>(text.GetLength()), N - 1);
    if (length < static_cast<size_t>(text.GetLength()) && IS_HIGH_SURROGATE(text[static_cast<int>(length) - 1])) {
        --length;
    }
    std::copy_n(text.GetString(), length, std::begin(buffer));
    buffer[length] = L'\0';
}

}  // namespace

BEGIN_MESSAGE_MAP(CBaseDialog, CDialog)
    ON_WM_SHOWWINDOW()
    ON_WM_SYSCOMMAND()
    ON_WM_MOUSEMOVE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CBaseDialog::CBaseDialog(UINT templateId, CWnd* pParent, BaseDialogOptions options) noexcept
    : CDialog(templateId, pParent),
      m_pOwnerWnd(pParent),
      m_bSystemMenu(options.systemMenu),
      m_bChildPage(options.childPage) {}

BOOL CBaseDialog::CreateFromTemplate() {
    return Create(m_lpszTemplateName, m_bChildPage ? nullptr : m_pOwnerWnd);
}

// No DragAcceptFiles: nothing here acts on a dropped file, and a window that
// shows the drop cursor and then ignores the drop only misleads.
BOOL CBaseDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    ReworkSystemMenu();
    if (!m_bChildPage) {
        EnableToolTips();
    }
    return TRUE;
}

// A page gets its tooltips when it is first shown: the main window makes all
// its pages at start-up, hidden, and a page nobody has seen needs none.
void CBaseDialog::OnShowWindow(BOOL show, UINT status) {
    if (show && m_bChildPage && GetToolTipWindow() == nullptr) {
        EnableToolTips();
    }
    CDialog::OnShowWindow(show, status);
}

// Of the standard system menu (Restore, Move, Size, Minimize, Maximize,
// separator, Close) this keeps Move, Minimize and Close, and puts help and
// about on top of them.
void CBaseDialog::ReworkSystemMenu() {
    CMenu* menu = GetSystemMenu(FALSE);
    if (menu == nullptr || !m_bSystemMenu) {
        return;
    }
    for (UINT position : {0u, 1u, 2u, 2u}) {
        menu->DeleteMenu(position, MF_BYPOSITION);
    }
    menu->InsertMenu(0, MF_BYPOSITION | MF_SEPARATOR);
    menu->InsertMenu(0, MF_BYPOSITION | MF_STRING, kSysCommandAbout, L"バージョン情報...\tF10");
    menu->InsertMenu(0, MF_BYPOSITION | MF_STRING, kSysCommandHelp, L"ヘルプ\tF1");
}

void CBaseDialog::OnSysCommand(UINT id, LPARAM) {
    if (LOWORD(id) == kSysCommandHelp) {
        PostMessage(WM_COMMAND, ID_HELP, 0);
    } else if (id == SC_CLOSE) {
        if (m_bCloseEnabled) {
            SendMessage(WM_CLOSE);
        }
    } else {
        Default();
    }
}

void CBaseDialog::OnClose() { EndDialog(IDCANCEL); }

// A drag with the left button alone, on the background (controls get their
// own mouse messages), is turned into a drag of the window's caption: the
// system's move loop then follows the mouse until the button is released.
void CBaseDialog::OnMouseMove(UINT flags, CPoint) {
    if (flags == MK_LBUTTON) {
        ::ReleaseCapture();
        CWnd* moved = m_bChildPage ? m_pOwnerWnd : this;
        if (moved != nullptr) {
            moved->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, 0);
        }
    }
    Default();
}

BOOL CBaseDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* request = reinterpret_cast<NMTTDISPINFOW*>(lParam);
    if (request->hdr.code != TTN_GETDISPINFOW) {
        return CDialog::OnNotify(wParam, lParam, result);
    }
    if ((request->uFlags & TTF_IDISHWND) == 0) {
        return FALSE;
    }
    const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(request->hdr.idFrom));
    CWnd* control = id != 0 ? GetDlgItem(id) : nullptr;
    if (control == nullptr) {
        return FALSE;
    }
    CString text;
    control->GetWindowText(text);
    CopyTipText(text, request->szText);
    *result = 0;
    return TRUE;
}
