// The installer as an administrator runs it: msiexec installs the release's
// package silently, for this user alone, over an older version of itself;
// the program starts as its Start-menu shortcut starts it; msiexec removes
// it again and nothing is left but the user's settings, which no step
// touches.
#include <gtest/gtest.h>

#include <windows.h>
#include <msi.h>
#include <msidefs.h>
#include <msiquery.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "OtherProcesses.h"

namespace {

namespace fs = std::filesystem;
using Microsoft::WRL::ComPtr;

// The program's settings key, which belongs to the program, not to the installer.
constexpr wchar_t kVendorKey[] = L"Software\\VELK";
constexpr wchar_t kSettingsKey[] = L"Software\\VELK\\unitora";
constexpr wchar_t kMarker[] = L"installer test";

fs::path KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    ::SHGetKnownFolderPath(id, 0, nullptr, &path);
    const fs::path folder(path);
    ::CoTaskMemFree(path);
    return folder;
}

// Runs msiexec with these arguments, as from a command prompt; its exit code.
DWORD Msiexec(const std::wstring& arguments) {
    std::wstring commandLine = L"msiexec.exe " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started)) {
        return ::GetLastError();
    }
    ::CloseHandle(started.hThread);
    DWORD exitCode = WAIT_TIMEOUT;
    if (::WaitForSingleObject(started.hProcess, 120000) == WAIT_OBJECT_0) {
        ::GetExitCodeProcess(started.hProcess, &exitCode);
    }
    ::CloseHandle(started.hProcess);
    return exitCode;
}

// The installed products of this installer, whatever their version.
std::vector<std::wstring> InstalledProducts() {
    std::vector<std::wstring> products;
    wchar_t product[39] = {};
    for (DWORD index = 0; ::MsiEnumRelatedProductsW(UNITORA_UPGRADE_CODE, 0, index, product) == ERROR_SUCCESS;
         ++index) {
        products.emplace_back(product);
    }
    return products;
}

// A property of a product's entry in the list of installed apps, if it is
// installed for this user alone; empty otherwise.
std::wstring EntryProperty(const std::wstring& product, const wchar_t* property) {
    wchar_t value[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (::MsiGetProductInfoExW(product.c_str(), nullptr, MSIINSTALLCONTEXT_USERUNMANAGED, property, value, &size) !=
        ERROR_SUCCESS) {
        return L"";
    }
    return value;
}

// A text of a program's version block, in the block's own language.
std::wstring VersionText(const fs::path& program, const std::wstring& name) {
    DWORD ignored = 0;
    std::vector<BYTE> block(::GetFileVersionInfoSizeW(program.c_str(), &ignored));
    if (block.empty() || !::GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) {
        return L"";
    }
    WORD* translation = nullptr;
    UINT size = 0;
    if (!::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                          &size)) {
        return L"";
    }
    wchar_t path[64] = {};
    swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    wchar_t* text = nullptr;
    return ::VerQueryValueW(block.data(), (path + name).c_str(), reinterpret_cast<void**>(&text), &size) ? text : L"";
}

// Whether a package says it needs no elevation (its summary's source type),
// so that Windows asks for no administrator to install it.
bool NeedsNoElevation(const fs::path& package) {
    MSIHANDLE summary = 0;
    INT sourceType = 0;
    UINT type = 0;
    if (::MsiGetSummaryInformationW(0, package.c_str(), 0, &summary) != ERROR_SUCCESS) return false;
    ::MsiSummaryInfoGetPropertyW(summary, PID_MSISOURCE, &type, &sourceType, nullptr, nullptr, nullptr);
    ::MsiCloseHandle(summary);
    return (sourceType & msidbSumInfoSourceTypeLUAPackage) != 0;
}

// A version as Windows Installer keeps a product's: its first three fields.
std::wstring InstallerVersionOf(const std::wstring& version) { return version.substr(0, version.rfind(L'.')); }

struct Shortcut {
    fs::path target;
    fs::path workingFolder;
    std::wstring description;
    fs::path iconFile;
};

Shortcut ReadShortcut(const fs::path& file) {
    Shortcut shortcut;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> persisted;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
        FAILED(link.As(&persisted)) || FAILED(persisted->Load(file.c_str(), STGM_READ))) {
        return shortcut;
    }
    wchar_t text[MAX_PATH] = {};
    link->GetPath(text, MAX_PATH, nullptr, 0);
    shortcut.target = text;
    link->GetWorkingDirectory(text, MAX_PATH);
    shortcut.workingFolder = text;
    link->GetDescription(text, MAX_PATH);
    shortcut.description = text;
    int index = 0;
    link->GetIconLocation(text, MAX_PATH, &index);
    shortcut.iconFile = text;
    return shortcut;
}

// The files of a folder, by name, with their contents.
std::map<std::wstring, std::string> FilesIn(const fs::path& folder) {
    std::map<std::wstring, std::string> files;
    std::error_code missing;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, missing)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().wstring()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return files;
}

std::vector<std::wstring> SubkeysOf(const wchar_t* path) {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    wchar_t name[256] = {};
    for (DWORD index = 0, size = 256; ::RegEnumKeyExW(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) ==
                                      ERROR_SUCCESS;
         ++index, size = 256) {
        names.emplace_back(name);
    }
    ::RegCloseKey(key);
    return names;
}

bool IconIn(const fs::path& file) { return ::ExtractIconExW(file.c_str(), -1, nullptr, nullptr, 0) > 0; }

// A value the test puts into the program's settings key, as a user's tab
// order would be there, and takes out again at the end.
class SettingsMarker {
public:
    SettingsMarker() {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, kMarker, REG_SZ, L"", sizeof(wchar_t));
    }
    ~SettingsMarker() { ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, kMarker); }
    SettingsMarker(const SettingsMarker&) = delete;
    SettingsMarker& operator=(const SettingsMarker&) = delete;

    bool Kept() const {
        return ::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, kMarker, RRF_RT_REG_SZ, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
    }
};

class Installer : public ::testing::Test {
protected:
    void SetUp() override { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { ::CoUninitialize(); }

    const fs::path m_package = BuildFolder() / UNITORA_INSTALLER;
    const fs::path m_previousPackage = BuildFolder() / UNITORA_PREVIOUS_INSTALLER;
    const fs::path m_userPrograms = KnownFolder(FOLDERID_LocalAppData) / L"Programs";
    const fs::path m_installFolder = m_userPrograms / L"Unitora";
    const fs::path m_program = m_installFolder / L"unitora.exe";
    const fs::path m_shortcutFile = KnownFolder(FOLDERID_Programs) / L"Unitora.lnk";
};

TEST_F(Installer, InstallsOverAnOlderVersionStartsAndUninstallsLeavingOnlyTheSettings) {
    for (const std::wstring& leftOver : InstalledProducts()) Msiexec(L"/x " + leftOver + L" /qn");
    const bool userProgramsExisted = fs::exists(m_userPrograms);
    const SettingsMarker settings;
    const std::vector<std::wstring> vendorKeys = SubkeysOf(kVendorKey);
    EXPECT_TRUE(NeedsNoElevation(m_package));

    ASSERT_EQ(0u, Msiexec(L"/i \"" + m_previousPackage.wstring() + L"\" /qn"));
    const std::vector<std::wstring> previous = InstalledProducts();
    ASSERT_EQ(1u, previous.size());

    ASSERT_EQ(0u, Msiexec(L"/i \"" + m_package.wstring() + L"\" /qn"));
    const std::vector<std::wstring> installed = InstalledProducts();
    ASSERT_EQ(1u, installed.size()) << "the newer version replaces the older one";
    EXPECT_NE(previous[0], installed[0]);
    EXPECT_TRUE(settings.Kept());

    const Shortcut shortcut = ReadShortcut(m_shortcutFile);
    {
        SCOPED_TRACE("installed");
        const auto files = FilesIn(m_installFolder);
        EXPECT_TRUE(files == FilesIn(BuildFolder() / UNITORA_STAGED_RELEASE))
            << files.size() << " files: the release's files, unchanged";
        EXPECT_EQ(VersionText(m_program, L"ProductName"),
                  EntryProperty(installed[0], INSTALLPROPERTY_INSTALLEDPRODUCTNAME));
        EXPECT_EQ(InstallerVersionOf(VersionText(m_program, L"ProductVersion")),
                  EntryProperty(installed[0], INSTALLPROPERTY_VERSIONSTRING));
        EXPECT_EQ(VersionText(m_program, L"CompanyName"), EntryProperty(installed[0], INSTALLPROPERTY_PUBLISHER));
        EXPECT_TRUE(IconIn(EntryProperty(installed[0], INSTALLPROPERTY_PRODUCTICON)));

        EXPECT_TRUE(fs::equivalent(m_program, shortcut.target)) << shortcut.target;
        EXPECT_EQ(m_installFolder / L"", shortcut.workingFolder);
        EXPECT_EQ(VersionText(m_program, L"FileDescription"), shortcut.description) << "Japanese text intact";
        EXPECT_TRUE(IconIn(shortcut.iconFile)) << shortcut.iconFile;

        std::wstring commandLine = L"\"" + shortcut.target.wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     shortcut.workingFolder.c_str(), &startup, &started));
        ::CloseHandle(started.hThread);
        const OwnedProcess program(started.hProcess);
        EXPECT_NE(nullptr, WaitForWindow([&](HWND window) {
                      return ProcessOf(window) == started.dwProcessId && CaptionOf(window) == L"Unitora";
                  })) << "shown: "
                      << ShownWindows();
    }

    ASSERT_EQ(0u, Msiexec(L"/x \"" + m_package.wstring() + L"\" /qn"));
    SCOPED_TRACE("uninstalled");
    EXPECT_TRUE(InstalledProducts().empty());
    EXPECT_FALSE(fs::exists(m_installFolder));
    EXPECT_EQ(userProgramsExisted, fs::exists(m_userPrograms));
    EXPECT_FALSE(fs::exists(m_shortcutFile));
    EXPECT_FALSE(fs::exists(shortcut.iconFile));
    EXPECT_EQ(vendorKeys, SubkeysOf(kVendorKey)) << "the settings key alone, as before";
    EXPECT_TRUE(settings.Kept());
}

}  // namespace
