#include "AboutDialog.h"

#include "CloseEffect.h"
#include "DataExchange.h"
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
END_MESSAGE_MAP()

// The OK button's icon is the exit button's, shared with the main window.
CAboutDialog::CAboutDialog(COLORREF background, COLORREF text, CWnd* pParent)
    : CBaseColorDialog(IDD_ABOUTBOX, pParent, background, text, {.systemMenu = false, .childPage = false}),
      m_btnOK(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_EXIT)), nullptr, background, text,
              kDisabledText, CLinkButton::kDefaultHover, CColorButton::kFrame3D),
      m_link(background, kLinkText, kDisabledText, CLinkButton::kDefaultHover) {}

void CAboutDialog::DoDataExchange(CDataExchange* dx) {
    CBaseColorDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_HOME_PAGE_LINK, m_link);
    DDX_Control(dx, IDOK, m_btnOK);
}

BOOL CAboutDialog::OnInitDialog() {
    CBaseColorDialog::OnInitDialog();
    ShapeAsEllipse();
    GetDlgItem(IDC_VERSION_LINE)->SetWindowText(GetPathTitle(GetModulePath()) + L" Version " + GetVersionString());
    return TRUE;
}

// The ellipse is bounded by (2, 25) and the client area's width and height,
// in window coordinates: it begins just below the caption, which it cuts
// away but for a sliver.
void CAboutDialog::ShapeAsEllipse() {
    CRect client;
    GetClientRect(client);
    CRgn ellipse;
    if (ellipse.CreateEllipticRgn(2, 25, client.right, client.bottom) && SetWindowRgn(ellipse, TRUE) != 0) {
        ellipse.Detach();  // the window's now
    }
}

void CAboutDialog::OnLink() { ShellOpen(LoadResourceString(IDS_HOME_PAGE)); }

void CAboutDialog::PlayCloseEffect() {
    CRect window;
    GetWindowRect(window);
    PlayBounceAnimation(window);
    EndDialog(IDOK);
}
