// The application object: one global object derived from CWinApp, made the
// current application by its constructor. The framework's wWinMain runs its
// InitInstance; when that returns TRUE, the message loop (Run) follows; then
// ExitInstance, whose result is the process's exit code.
//
// Commands that a dialog's message map leaves alone reach the application's
// map (for example ID_HELP from a help button, the system menu or F1).
//
// Profile functions keep settings under
//   <root>\Software\<registry key>\<profile name>\<section>
// where root is HKEY_CURRENT_USER (replaceable for tests), the registry key
// is set by SetRegistryKey and the profile name is the executable's file name
// without extension. Without a registry key nothing is read or written.
//
// There is no control-container or three-dimensional-look switch: under
// common controls 6 the program needs neither, so start-up simply skips them.
#pragma once

#include "CString.h"
#include "CmdTarget.h"
#include "FrameworkIds.h"
#include "Window.h"

#include <windows.h>

#include <cstddef>
#include <span>
#include <string>

class CWinThread : public CCmdTarget {
public:
    CWnd* m_pMainWnd = nullptr;

    virtual BOOL InitInstance();
    // The message loop; returns ExitInstance's result.
    virtual int Run();
    virtual int ExitInstance();
    // Sees every message of the framework's modal loops first (code
    // MSGF_DIALOGBOX); TRUE consumes it. The default consumes nothing.
    virtual BOOL ProcessMessageFilter(int code, LPMSG msg);
    // Sees every message of the Run loop first; TRUE consumes it. The
    // default offers it to the framework windows it concerns.
    virtual BOOL PreTranslateMessage(MSG* msg);

    DECLARE_MESSAGE_MAP()
};

class CWinApp : public CWinThread {
public:
    CWinApp();
    ~CWinApp() override;

    LPCWSTR m_pszAppName = nullptr;       // the application's name: the executable's, without extension
    LPCWSTR m_pszRegistryKey = nullptr;   // null until SetRegistryKey
    LPCWSTR m_pszProfileName = nullptr;   // the profile's name under the registry key

    void SetRegistryKey(LPCWSTR key);

    // A string value (REG_SZ) of the section, or the default when it is missing, not
    // a string or not properly terminated.
    CString GetProfileString(LPCWSTR section, LPCWSTR entry, LPCWSTR defaultValue = nullptr);
    // Writes a string value, creating the keys.
    BOOL WriteProfileString(LPCWSTR section, LPCWSTR entry, LPCWSTR value);
    // A number value (REG_DWORD) of the section, or the default when it is
    // missing or of another type or size.
    UINT GetProfileInt(LPCWSTR section, LPCWSTR entry, int defaultValue);
    // Writes a number value (REG_DWORD), creating the keys.
    BOOL WriteProfileInt(LPCWSTR section, LPCWSTR entry, int value);

    DECLARE_MESSAGE_MAP()

private:
    std::wstring m_exeName;
    std::wstring m_registryKey;
};

CWinApp* AfxGetApp() noexcept;
CWnd* AfxGetMainWnd() noexcept;
HINSTANCE AfxGetResourceHandle() noexcept;

// The bytes of a resource of the application's resources; empty when there
// is none. They stay valid for the life of the program.
std::span<const std::byte> AfxLoadResource(LPCWSTR name, LPCWSTR type) noexcept;

// The registry root of the profile functions (HKEY_CURRENT_USER unless a
// test has replaced it); returns the previous root.
HKEY SetProfileRootKey(HKEY root) noexcept;
