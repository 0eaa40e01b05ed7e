// The application's profile: string and number values in the registry.
#include "WinApp.h"

#include <string>

namespace {

HKEY g_profileRoot = HKEY_CURRENT_USER;

// One open registry key, closed by its owner.
class RegistryKey {
public:
    RegistryKey() noexcept = default;
    ~RegistryKey() {
        if (m_hKey != nullptr) {
            ::RegCloseKey(m_hKey);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY* Receive() noexcept { return &m_hKey; }
    HKEY Get() const noexcept { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};

// Software\<registry key>\<profile name>\<section>
std::wstring SectionPath(LPCWSTR registryKey, LPCWSTR profileName, LPCWSTR section) {
    return std::wstring(L"Software\\") + registryKey + L"\\" + profileName + L"\\" + section;
}

// Opens the section's key for reading, or for writing (created when missing).
bool OpenSection(const CWinApp& app, LPCWSTR section, bool forWriting, RegistryKey& key) {
    const std::wstring path = SectionPath(app.m_pszRegistryKey, app.m_pszProfileName, section);
    if (forWriting) {
        return ::RegCreateKeyExW(g_profileRoot, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                 nullptr, key.Receive(), nullptr) == ERROR_SUCCESS;
    }
    return ::RegOpenKeyExW(g_profileRoot, path.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) == ERROR_SUCCESS;
}

}  // namespace

HKEY SetProfileRootKey(HKEY root) noexcept {
    HKEY previous = g_profileRoot;
    g_profileRoot = root != nullptr ? root : HKEY_CURRENT_USER;
    return previous;
}

CString CWinApp::GetProfileString(LPCWSTR section, LPCWSTR entry, LPCWSTR defaultValue) {
    if (m_pszRegistryKey == nullptr || section == nullptr || entry == nullptr) {
        return CString(defaultValue);
    }
    RegistryKey key;
    if (!OpenSection(*this, section, false, key)) {
        return CString(defaultValue);
    }
    // The raw value, so that a wrong type or a missing terminator is seen
    // and reads as missing rather than being patched up.
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key.Get(), entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ ||
        size < sizeof(wchar_t) || size % sizeof(wchar_t) != 0) {
        return CString(defaultValue);
    }
    std::wstring data(size / sizeof(wchar_t), L'\0');
    if (::RegQueryValueExW(key.Get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ || size != data.size() * sizeof(wchar_t) || data.back() != L'\0') {
        return CString(defaultValue);
    }
    return CString(data.c_str());
}

BOOL CWinApp::WriteProfileString(LPCWSTR section, LPCWSTR entry, LPCWSTR value) {
    if (m_pszRegistryKey == nullptr || section == nullptr || entry == nullptr || value == nullptr) {
        return FALSE;
    }
    RegistryKey key;
    if (!OpenSection(*this, section, true, key)) {
        return FALSE;
    }
    const auto bytes = static_cast<DWORD>((std::wstring(value).size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key.Get(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes) == ERROR_SUCCESS;
}

UINT CWinApp::GetProfileInt(LPCWSTR section, LPCWSTR entry, int defaultValue) {
    RegistryKey key;
    if (m_pszRegistryKey == nullptr || section == nullptr || entry == nullptr ||
        !OpenSection(*this, section, false, key)) {
        return static_cast<UINT>(defaultValue);
    }
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegQueryValueExW(key.Get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return static_cast<UINT>(defaultValue);
    }
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCWSTR section, LPCWSTR entry, int value) {
    RegistryKey key;
    if (m_pszRegistryKey == nullptr || section == nullptr || entry == nullptr ||
        !OpenSection(*this, section, true, key)) {
        return FALSE;
    }
    const auto data = static_cast<DWORD>(value);
    return ::RegSetValueExW(key.Get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data)) ==
           ERROR_SUCCESS;
}
