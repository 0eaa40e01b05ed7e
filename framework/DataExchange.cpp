#include "DataExchange.h"

#include "NumberPrompt.h"
#include "ThreadState.h"

#include "DisplayFormat.h"
#include "NumberText.h"
#include "SinglePrecision.h"

#include <string>

using unitora::framework::GetThreadState;

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

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)), L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

double ReadNumberOrFail(CDataExchange* dx, HWND box) {
    double value = 0.0;
    if (!unitora::ReadBackValue(WindowText(box), value)) {
        ShowNumberPrompt(dx->m_pDlgWnd->m_hWnd);
        dx->Fail();
    }
    return value;
}

// Leaves a box whose text is already right untouched: no flicker, and its
// caret and selection stay where they are.
void WriteIfDifferent(HWND box, const std::wstring& text) {
    if (WindowText(box) != text) {
        ::SetWindowTextW(box, text.c_str());
    }
}

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

void DDX_Text(CDataExchange* dx, int id, float& value) {
    HWND box = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<float>(unitora::RoundToSingle(ReadNumberOrFail(dx, box)));
    } else {
        WriteIfDifferent(box, unitora::FormatDisplay(value, unitora::DisplayPrecision::Single));
    }
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
    HWND box = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = ReadNumberOrFail(dx, box);
    } else {
        WriteIfDifferent(box, unitora::FormatDisplay(value, unitora::DisplayPrecision::Double));
    }
}
