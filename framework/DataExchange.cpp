#include "DataExchange.h"

#include "ThreadState.h"

using framework::GetThreadState;

namespace {

// Thrown by CDataExchange::Fail, caught by UpdateData: it never crosses a
// window procedure.
struct DataExchangeAbort {};

// While UpdateData runs, the window's control notifications are dropped, so
// that rewriting a box does not run its change handler.
class NotificationLockout {
public:
    explicit NotificationLockout(HWND window) noexcept
        : m_hPrevious(GetThreadState().lockoutWindow) {
        GetThreadState().lockoutWindow = window;
    }
    ~NotificationLockout() { GetThreadState().lockoutWindow = m_hPrevious; }
    NotificationLockout(const NotificationLockout&) = delete;
    NotificationLockout& operator=(const NotificationLockout&) = delete;

private:
    HWND m_hPrevious;
};

}  // namespace

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    NotificationLockout lockout(m_hWnd);
    try {
        DoDataExchange(&dx);
        return TRUE;
    } catch (const DataExchangeAbort&) {
        return FALSE;
    }
}

HWND CDataExchange::PrepareCtrl(int id) {
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    m_bEditLastControl = false;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    PrepareCtrl(id);
    m_bEditLastControl = true;
    return m_hWndLastControl;
}

void CDataExchange::Fail() {
    if (m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) {
            ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
        }
    }
    throw DataExchangeAbort{};
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) {
        control.SubclassWindow(dx->PrepareCtrl(id));
    }
}
