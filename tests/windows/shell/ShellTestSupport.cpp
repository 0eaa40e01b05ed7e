#include "ShellTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

ModalScript* g_script = nullptr;

INT_PTR RecordOpened(const CString& target) {
    SeamRecorder::s_opened.push_back(target);
    return SeamRecorder::s_shellResult;
}
void RecordAbout() { ++SeamRecorder::s_aboutCount; }
void CountFrame() { ++SeamRecorder::s_frames; }

}  // namespace

PrivateProfileRoot::PrivateProfileRoot()
    : m_path(L"Software\\UnitoraShellTests\\" + std::to_wstring(::GetCurrentProcessId())) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
    ::RegCreateKeyExW(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      &m_root, nullptr);
    m_previous = SetProfileRootKey(m_root);
}

PrivateProfileRoot::~PrivateProfileRoot() {
    SetProfileRootKey(m_previous);
    ::RegCloseKey(m_root);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
}

std::wstring PrivateProfileRoot::SectionPath(const CWinApp& app) const {
    return std::wstring(L"Software\\") + CConverterApp::kSettingsKey + L"\\" + app.m_pszProfileName + L"\\" +
           unitora::kSettingsSection;
}

std::optional<std::wstring> PrivateProfileRoot::Stored(const CWinApp& app, const std::wstring& name) const {
    wchar_t text[256] = {};
    DWORD size = sizeof(text);
    if (::RegGetValueW(m_root, SectionPath(app).c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(text);
}

void PrivateProfileRoot::StoreRaw(const CWinApp& app, const std::wstring& name, DWORD type, const void* data,
                                  DWORD size) const {
    HKEY key = nullptr;
    ::RegCreateKeyExW(m_root, SectionPath(app).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                      &key, nullptr);
    ::RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
}

void PrivateProfileRoot::Store(const CWinApp& app, const std::wstring& name, const std::wstring& text) const {
    StoreRaw(app, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

int PrivateProfileRoot::ValueCount(const CWinApp& app) const {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(m_root, SectionPath(app).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return 0;
    }
    DWORD count = 0;
    ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                       nullptr);
    ::RegCloseKey(key);
    return static_cast<int>(count);
}

std::vector<CString> SeamRecorder::s_opened;
INT_PTR SeamRecorder::s_shellResult = 0;
int SeamRecorder::s_aboutCount = 0;
int SeamRecorder::s_frames = 0;

SeamRecorder::SeamRecorder()
    : m_previousOpener(SetShellOpener(RecordOpened)),
      m_previousAbout(SetAboutBoxOpener(RecordAbout)),
      m_previousFrameWait(SetFrameWait(CountFrame)) {
    s_opened.clear();
    s_shellResult = kShellOpened;
    s_aboutCount = 0;
    s_frames = 0;
}

SeamRecorder::~SeamRecorder() {
    SetShellOpener(m_previousOpener);
    SetAboutBoxOpener(m_previousAbout);
    SetFrameWait(m_previousFrameWait);
}

ModalScript::ModalScript(std::vector<Step> steps, UINT tickMilliseconds) : m_steps(std::move(steps)) {
    g_script = this;
    m_timer = ::SetTimer(nullptr, 0, tickMilliseconds, OnTick);
}

ModalScript::~ModalScript() {
    ::KillTimer(nullptr, m_timer);
    g_script = nullptr;
}

void CALLBACK ModalScript::OnTick(HWND, UINT, UINT_PTR, DWORD) {
    ModalScript* script = g_script;
    if (script == nullptr) {
        return;
    }
    if (script->m_next < script->m_steps.size()) {
        script->m_steps[script->m_next++]();
        return;
    }
    // A dialog still open over the main window is closed first.
    if (CWnd* mainWindow = AfxGetMainWnd(); mainWindow != nullptr && ::IsWindow(mainWindow->m_hWnd)) {
        ::PostMessageW(::GetLastActivePopup(mainWindow->m_hWnd), WM_CLOSE, 0, 0);
    }
}

void PressKey(HWND window, UINT virtualKey, bool altHeld) {
    const bool systemKey = altHeld || virtualKey == VK_F10;
    const LPARAM down = 1 | static_cast<LPARAM>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16 |
                        (altHeld ? KF_ALTDOWN << 16 : 0);
    const LPARAM up = down | static_cast<LPARAM>(KF_REPEAT | KF_UP) << 16;
    ::PostMessageW(window, systemKey ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, down);
    ::PostMessageW(window, systemKey ? WM_SYSKEYUP : WM_KEYUP, virtualKey, up);
}

void PrintTo(const CString& text, std::ostream* out) { *out << ::testing::PrintToString(std::wstring(text.View())); }

std::vector<std::wstring> TabTextsOf(HWND tabs) {
    std::vector<std::wstring> texts;
    const int count = static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int tab = 0; tab < count; ++tab) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        ::SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
        texts.emplace_back(text);
    }
    return texts;
}

HWND FindCustomizeDialog() { return ::FindWindowW(L"#32770", L"カスタマイズ - タブの項目を並べて下さい"); }
