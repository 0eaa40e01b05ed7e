#include "Dialog.h"

#include "DialogTemplate.h"
#include "ExceptionBarrier.h"
#include "MessagePump.h"
#include "ThreadState.h"
#include "WinApp.h"

#include <commctrl.h>

using framework::MessageScope;

namespace {

// Dialog templates may name common controls (the tab control, for one).
// Registering them again is cheap and harmless.
void RegisterCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
}

bool WantsCentring(LPCDLGTEMPLATEW dialogTemplate) {
    const auto header = framework::ReadDialogTemplateHeader(dialogTemplate);
    return (header.style & WS_CHILD) == 0 && header.x == 0 && header.y == 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) noexcept
    : m_lpszTemplateName(MAKEINTRESOURCEW(templateId)), m_pParentWnd(parent) {}

BOOL CDialog::Create(LPCWSTR templateName, CWnd* parent) {
    m_lpszTemplateName = templateName;
    LPCDLGTEMPLATEW dialogTemplate = LoadTemplate();
    return dialogTemplate != nullptr && CreateIndirect(dialogTemplate, parent);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEW dialogTemplate, CWnd* parent) {
    m_pParentWnd = parent;
    if (parent == nullptr) {
        parent = AfxGetMainWnd();
    }
    return CreateFromTemplate(dialogTemplate, parent != nullptr ? parent->m_hWnd : nullptr);
}

LPCDLGTEMPLATEW CDialog::LoadTemplate() const {
    const auto bytes = AfxLoadResource(m_lpszTemplateName, MAKEINTRESOURCEW(5));  // RT_DIALOG
    return bytes.empty() ? nullptr : reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data());
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATEW dialogTemplate, HWND parent) {
    if (m_hWnd != nullptr || dialogTemplate == nullptr) {
        return FALSE;
    }
    RegisterCommonControls();
    m_bCenterOnInit = WantsCentring(dialogTemplate);
    HWND window = ::CreateDialogIndirectParamW(AfxGetResourceHandle(), dialogTemplate, parent,
                                               FrameworkDialogProcedure, reinterpret_cast<LPARAM>(this));
    if (window == nullptr || m_hWnd != window) {
        return FALSE;
    }
    m_bCreatedHere = true;
    return TRUE;
}

// The dialog manager's procedure only introduces the object: on
// WM_INITDIALOG the window is subclassed, and from then on every message
// reaches the object through the framework's window procedure first; what
// the object leaves alone comes back here through Default() and is refused,
// so the dialog manager does its own processing.
INT_PTR CALLBACK FrameworkDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG || CWnd::FromHandlePermanent(window) != nullptr) {
        return FALSE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    MessageScope scope(window, message, wParam, lParam);
    return framework::CallGuarded(window, message,
                                           [&] { return LRESULT{dialog->HandleInitDialog(window)}; });
}

BOOL CDialog::HandleInitDialog(HWND window) {
    Attach(window);
    Hook(window);
    if (m_bCenterOnInit) {
        CenterWindow();
    }
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// The modal loop may be waiting for a message when the dialog is ended from
// a message sent to it (by another program, for one): a posted WM_NULL wakes
// it up to see that it is done.
void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    if (m_bModalLoop) {
        m_bEndModal = true;
        PostMessage(WM_NULL);
    } else if (m_hWnd != nullptr) {
        ShowWindow(SW_HIDE);
    }
}

HWND CDialog::FindModalOwner() const {
    CWnd* owner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    if (owner == this || owner == nullptr || owner->m_hWnd == nullptr) {
        return nullptr;
    }
    return ::GetAncestor(owner->m_hWnd, GA_ROOT);
}

INT_PTR CDialog::DoModal() {
    LPCDLGTEMPLATEW dialogTemplate = LoadTemplate();
    if (dialogTemplate == nullptr || m_hWnd != nullptr) {
        return -1;
    }
    HWND owner = FindModalOwner();
    const bool disableOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (disableOwner) {
        ::EnableWindow(owner, FALSE);
    }
    m_bModalLoop = true;
    m_bEndModal = false;
    m_nModalResult = -1;
    if (CreateFromTemplate(dialogTemplate, owner)) {
        if (!m_bEndModal) {
            if (!IsWindowVisible()) {
                ShowWindow(SW_SHOWNORMAL);
            }
            RunModalLoop();
        }
        // The owner is enabled before the dialog goes, so that activation
        // returns to it and not to another application.
        if (disableOwner) {
            ::EnableWindow(owner, TRUE);
        }
        if (owner != nullptr && ::GetActiveWindow() == m_hWnd) {
            ::SetActiveWindow(owner);
        }
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        DestroyWindow();
    } else if (disableOwner) {
        ::EnableWindow(owner, TRUE);
    }
    m_bModalLoop = false;
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    MSG msg{};
    while (!m_bEndModal && m_hWnd != nullptr) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {  // WM_QUIT: end here and leave it for the outer loop
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = -1;
            return;
        }
        if (got == -1) {
            return;
        }
        framework::PumpModalMessage(msg, MSGF_DIALOGBOX);
    }
}

// A dialog handles the keyboard of its own controls (Tab, arrows, Enter,
// Escape, mnemonics). A child dialog with WS_EX_CONTROLPARENT leaves that to
// its parent, whose navigation then includes the child's controls.
BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) {
        return FALSE;
    }
    const bool navigatedByParent = (GetStyle() & WS_CHILD) != 0 && (GetExStyle() & WS_EX_CONTROLPARENT) != 0;
    return !navigatedByParent && ::IsDialogMessageW(m_hWnd, msg);
}

BOOL CDialog::OnCmdMsg(UINT id, int code) {
    if (CWnd::OnCmdMsg(id, code)) {
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return code == 0 && app != nullptr && app->OnCmdMsg(id, code);
}
