#include "BaseApp.h"

#include "ModulePath.h"
#include "ShellOpen.h"

BEGIN_MESSAGE_MAP(CBaseApp, CWinApp)
END_MESSAGE_MAP()

void CBaseApp::LoadAccelAndKey(UINT acceleratorsId, LPCWSTR registryKey) {
    m_hAccel = ::LoadAcceleratorsW(AfxGetResourceHandle(), MAKEINTRESOURCEW(LOWORD(acceleratorsId)));
    SetRegistryKey(registryKey);
}

// The main window runs modally, so its accelerators are translated here
// rather than in a message loop of our own: for keys that reach the main
// window or one of its pages, not another dialog. The platform turns a key
// whose command is on the window's system menu into that system command.
BOOL CBaseApp::ProcessMessageFilter(int code, LPMSG msg) {
    const CWnd* mainWindow = AfxGetMainWnd();
    const HWND main = mainWindow != nullptr ? mainWindow->m_hWnd : nullptr;
    const bool forMainWindow = main != nullptr && (msg->hwnd == main || ::IsChild(main, msg->hwnd));
    if (m_hAccel != nullptr && forMainWindow && ::TranslateAcceleratorW(main, m_hAccel, msg)) {
        return TRUE;
    }
    return CWinApp::ProcessMessageFilter(code, msg);
}

INT_PTR CBaseApp::OpenModuleFile(LPCWSTR fileName) { return ShellOpen(GetPathFolder(GetModulePath()) + fileName); }

void CBaseApp::OnHelp() { ShowHelp(); }
