#include "WinApp.h"

#include "ExceptionBarrier.h"
#include "ModulePath.h"
#include "ThreadState.h"

namespace {

CWinApp* g_currentApp = nullptr;

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
        framework::DeleteTemporariesWhenIdle();
    }
    return ExitInstance();
}

int CWinThread::ExitInstance() { return 0; }

BOOL CWinThread::ProcessMessageFilter(int, LPMSG) { return FALSE; }

BOOL CWinThread::PreTranslateMessage(MSG* msg) { return CWnd::WalkPreTranslateTree(msg); }

CWinApp::CWinApp() : m_exeName(GetPathTitle(GetModulePath()).View()) {
    m_pszAppName = m_exeName.c_str();
    m_pszProfileName = m_pszAppName;
    g_currentApp = this;
    SetExceptionReportCaption(m_pszAppName);
}

CWinApp::~CWinApp() {
    if (g_currentApp == this) {
        g_currentApp = nullptr;
        SetExceptionReportCaption(nullptr);
    }
}

void CWinApp::SetRegistryKey(LPCWSTR key) {
    m_registryKey = key != nullptr ? key : L"";
    m_pszRegistryKey = m_registryKey.empty() ? nullptr : m_registryKey.c_str();
}

CWinApp* AfxGetApp() noexcept { return g_currentApp; }

CWnd* AfxGetMainWnd() noexcept { return g_currentApp != nullptr ? g_currentApp->m_pMainWnd : nullptr; }

HINSTANCE AfxGetResourceHandle() noexcept { return ::GetModuleHandleW(nullptr); }

std::span<const std::byte> AfxLoadResource(LPCWSTR name, LPCWSTR type) noexcept {
    const HINSTANCE instance = AfxGetResourceHandle();
    const HRSRC resource = ::FindResourceW(instance, name, type);
    const HGLOBAL loaded = resource != nullptr ? ::LoadResource(instance, resource) : nullptr;
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return {};
    }
    return {static_cast<const std::byte*>(data), ::SizeofResource(instance, resource)};
}
