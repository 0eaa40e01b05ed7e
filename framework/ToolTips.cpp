// Tooltips for a window's child controls.
#include "Window.h"

#include <commctrl.h>

namespace {

constexpr int kStaticLabelId = 0xFFFF;

// The tool structure size that common controls 5.8 and 6 both accept.
TOOLINFOW ChildTool(HWND owner, HWND child) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

}  // namespace

BOOL CWnd::EnableToolTips(BOOL enable) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    if (!enable) {
        if (m_pToolTip) {
            m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        }
        return TRUE;
    }
    if (!m_pToolTip) {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        auto toolTip = std::make_unique<CWnd>();
        const RECT sizedByItself{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
        if (!toolTip->CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               sizedByItself, this, 0)) {
            return FALSE;
        }
        m_pToolTip = std::move(toolTip);
    }
    m_pToolTip->SendMessage(TTM_ACTIVATE, TRUE);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) == kStaticLabelId) {
            continue;
        }
        TOOLINFOW tool = ChildTool(m_hWnd, child);
        if (!m_pToolTip->SendMessage(TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) {
            tool = ChildTool(m_hWnd, child);
            m_pToolTip->SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    return TRUE;
}

HWND CWnd::GetToolTipWindow() const noexcept { return m_pToolTip ? m_pToolTip->m_hWnd : nullptr; }
