#include "WinApp.h"

#include "MessagePump.h"
#include "ThreadState.h"

namespace {

CWinApp* g_currentApp = nullptr;

std::wstring ExecutableTitle() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    const size_t nameStart = path.find_last_of(L"\\/:") + 1;  // npos + 1 == 0
    std::wstring name = path.substr(nameStart);
    const size_t extension = name.rfind(L'.');
    return extension == std::wstring::npos ? name : name.substr(0, extension);
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::Run() {
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        unitora::framework::DeleteTemporariesWhenIdle();
    }
    return ExitInstance();
}

int CWinThread::ExitInstance() { return 0; }

BOOL CWinThread::ProcessMessageFilter(int, LPMSG) { return FALSE; }

BOOL CWinThread::PreTranslateMessage(MSG* msg) { return unitora::framework::PreTranslateForWindows(*msg); }

CWinApp::CWinApp(LPCWSTR appName) : m_exeName(ExecutableTitle()) {
    m_appName = appName != nullptr ? appName : m_exeName;
    m_pszAppName = m_appName.c_str();
    m_pszExeName = m_exeName.c_str();
    m_pszProfileName = m_pszExeName;
    m_hInstance = ::GetModuleHandleW(nullptr);
    g_currentApp = this;
}

CWinApp::~CWinApp() {
    if (g_currentApp == this) {
        g_currentApp = nullptr;
    }
}

void CWinApp::SetRegistryKey(LPCWSTR key) {
    m_registryKey = key != nullptr ? key : L"";
    m_pszRegistryKey = m_registryKey.empty() ? nullptr : m_registryKey.c_str();
}

CWinApp* AfxGetApp() noexcept { return g_currentApp; }

CWnd* AfxGetMainWnd() noexcept { return g_currentApp != nullptr ? g_currentApp->m_pMainWnd : nullptr; }

HINSTANCE AfxGetInstanceHandle() noexcept { return ::GetModuleHandleW(nullptr); }

HINSTANCE AfxGetResourceHandle() noexcept { return ::GetModuleHandleW(nullptr); }
