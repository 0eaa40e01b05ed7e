// Tooltips for a window's child controls.
#include "Window.h"

#include <commctrl.h>

#include <vector>

namespace {

constexpr int kStaticLabelId = 0xFFFF;

// The tool structure size that common controls 5.8 and 6 both accept.
// The framework's message loops relay the mouse messages to the tooltip
// (RelayToolTipMessage) instead of letting the tooltip subclass each control
// (TTF_SUBCLASS): under Wine a control subclassed that way pays a round trip
// to the server for every message it gets, which made rewriting a page's
// boxes many times slower.
TOOLINFOW ChildTool(HWND owner, HWND child) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

}  // namespace

// A child window borrows the tooltip window of its top-level window when
// that is one of ours and has one: a main window with many pages then has a
// single tooltip window, not one per page.
CWnd* CWnd::ToolTipHost() {
    if ((GetStyle() & WS_CHILD) != 0) {
        CWnd* top = FromHandlePermanent(::GetAncestor(m_hWnd, GA_ROOT));
        if (top != nullptr && top != this && top->m_pToolTip) {
            return top;
        }
    }
    return this;
}

BOOL CWnd::EnableToolTips() {
    if (m_hWnd == nullptr || GetToolTipWindow() != nullptr) {
        return FALSE;
    }
    CWnd* host = ToolTipHost();
    if (host == this) {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        auto toolTip = std::make_unique<CWnd>();
        const RECT sizedByItself{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
        if (!toolTip->CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               sizedByItself, this, 0)) {
            return FALSE;
        }
        m_pToolTip = std::move(toolTip);
    } else {
        m_hSharedToolTip = host->m_pToolTip->m_hWnd;
    }
    const HWND toolTip = GetToolTipWindow();
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) != kStaticLabelId) {
            TOOLINFOW tool = ChildTool(m_hWnd, child);
            ::SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    return TRUE;
}

// Takes this window's tools out of the borrowed tooltip window, if that
// still exists (a top-level window's owned tooltip may go before its
// children do).
void CWnd::RemoveSharedTools() noexcept {
    const HWND toolTip = m_hSharedToolTip;
    m_hSharedToolTip = nullptr;
    if (toolTip == nullptr || !::IsWindow(toolTip)) {
        return;
    }
    std::vector<UINT_PTR> ours;
    const auto count = ::SendMessageW(toolTip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        if (::SendMessageW(toolTip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tool)) &&
            tool.hwnd == m_hWnd) {
            ours.push_back(tool.uId);
        }
    }
    for (UINT_PTR id : ours) {
        TOOLINFOW tool = ChildTool(m_hWnd, reinterpret_cast<HWND>(id));
        ::SendMessageW(toolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The tooltip of the nearest framework window, from the message's window up
// to its top-level window, sees every mouse message: it finds the tool by
// the message's window.
void CWnd::RelayToolTipMessage(const MSG& msg) {
    if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST) {
        return;
    }
    for (HWND window = msg.hwnd; window != nullptr; window = ::GetParent(window)) {
        const CWnd* object = FromHandlePermanent(window);
        if (const HWND toolTip = object != nullptr ? object->GetToolTipWindow() : nullptr) {
            ::SendMessageW(toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
            return;
        }
        if ((::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) {
            return;
        }
    }
}

HWND CWnd::GetToolTipWindow() const noexcept {
    return m_pToolTip ? m_pToolTip->m_hWnd : m_hSharedToolTip;
}
