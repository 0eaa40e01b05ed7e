#include "AboutDialog.h"

#include <utility>

#include "CloseEffect.h"
#include "DataExchange.h"
#include "Dpi.h"
#include "ModulePath.h"
#include "ResourceIds.h"
#include "ShellOpen.h"
#include "VersionString.h"
#include "WinApp.h"

namespace {

constexpr COLORREF kDisabledText = RGB(128, 128, 128);
constexpr COLORREF kLinkText = RGB(0, 0, 255);

CString LoadResourceString(UINT id) {
    const wchar_t* text = nullptr;
    // With a zero length the string is not copied: it stays in the resources.
    const int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return CString(text, length);
}

}  // namespace

BEGIN_MESSAGE_MAP(CAboutDialog, CBaseColorDialog)
    ON_BN_CLICKED(IDC_HOME_PAGE_LINK, OnLink)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

// The OK button's icon is the exit button's.
CAboutDialog::CAboutDialog(COLORREF background, COLORREF text, CWnd* pParent)
    : CBaseColorDialog(IDD_ABOUTBOX, pParent, background, text, {.systemMenu = false, .childPage = false}),
      m_btnOK({.icon = IDI_EXIT,
               .colours = {.background = background,
                           .text = text,
                           .disabled = kDisabledText,
                           .hover = CLinkButton::kDefaultHover}}),
      m_link({.background = background,
              .text = kLinkText,
              .disabled = kDisabledText,
              .hover = CLinkButton::kDefaultHover}) {}

void CAboutDialog::DoDataExchange(CDataExchange* dx) {
    CBaseColorDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_HOME_PAGE_LINK, m_link);
    DDX_Control(dx, IDOK, m_btnOK);
}

BOOL CAboutDialog::OnInitDialog() {
    CBaseColorDialog::OnInitDialog();
    FitToDpi(::GetDpiForWindow(m_hWnd));
    if (CWnd* versionLine = GetDlgItem(IDC_VERSION_LINE)) {
        versionLine->SetWindowText(GetPathTitle(GetModulePath()) + L" Version " + GetVersionString());
    }
    return TRUE;
}

// The system's dialog scaling resizes the box and its controls first.
LRESULT CAboutDialog::OnDpiChanged(WPARAM wParam, LPARAM) {
    const LRESULT result = Default();
    FitToDpi(LOWORD(wParam));
    return result;
}

void CAboutDialog::FitToDpi(UINT dpi) {
    ShapeAsEllipse(dpi);
    ShowProgramIcon(dpi);
}

// The ellipse is bounded by (2, 25) at 96 DPI, scaled, and the client
// area's width and height, in window coordinates: it begins just below the
// caption, which it cuts away but for a sliver.
void CAboutDialog::ShapeAsEllipse(UINT dpi) {
    CRect client;
    GetClientRect(client);
    CRgn ellipse;
    if (ellipse.CreateEllipticRgn(ScaleForDpi(2, dpi), ScaleForDpi(25, dpi), client.right, client.bottom) &&
        SetWindowRgn(ellipse, TRUE) != 0) {
        ellipse.Detach();  // the window's now
    }
}

// The layout's icon static has no ID of its own; it is the one icon static.
// The icon it loaded by itself is shared, so it is not destroyed; the one
// given here belongs to the box.
void CAboutDialog::ShowProgramIcon(UINT dpi) {
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            CResourceIcon icon(IDI_PROGRAM, ::GetSystemMetricsForDpi(SM_CXICON, dpi));
            ::SendMessageW(child, STM_SETICON, reinterpret_cast<WPARAM>(static_cast<HICON>(icon)), 0);
            m_programIcon = std::move(icon);
            return;
        }
    }
}

void CAboutDialog::OnLink() { ShellOpen(LoadResourceString(IDS_HOME_PAGE)); }

void CAboutDialog::PlayCloseEffect() {
    CRect window;
    GetWindowRect(window);
    PlayBounceAnimation(window);
    EndDialog(IDOK);
}
