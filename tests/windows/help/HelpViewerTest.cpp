// The help as a user meets it: the program, started from a folder whose
// path holds spaces and Japanese characters, opens its help where the system
// can show it. The prefix reports Windows 7, or Windows 10 with or without a
// program for web pages; the help viewer shows the help file's title and its
// contents topic, and a program registered for web pages gets the web page.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "OtherProcesses.h"
#include "ResourceIds.h"

namespace {

namespace fs = std::filesystem;

constexpr wchar_t kViewerClass[] = L"MS_WINHELP";
constexpr wchar_t kHelpTitle[] = L"Unitora ヘルプ";

// The beginning of a control's text, asked of the control itself, which
// may belong to another process. (Wine's rich edit control in another
// process answers WM_GETTEXTLENGTH with 0, so the length is not asked.)
std::wstring ControlText(HWND control) {
    std::wstring text(4096, L'\0');
    text.resize(static_cast<size_t>(
        ::SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// The processes a process started (the viewer the shell started for the
// program), to be ended with the test.
std::vector<OwnedProcess> ChildProcessesOf(DWORD parent) {
    std::vector<OwnedProcess> children;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID != parent) continue;
        const HANDLE child = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                           entry.th32ProcessID);
        if (child != nullptr) children.emplace_back(child);
    }
    ::CloseHandle(snapshot);
    return children;
}

// A folder of the test's own, removed with everything in it at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name)
        : m_path(fs::temp_directory_path() / (name + std::to_wstring(::GetCurrentProcessId()))) {
        fs::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

// A registry key of the prefix that the test sets for the program, removed
// before and after.
class TestKey {
public:
    TestKey(HKEY root, std::wstring path) : m_root(root), m_path(std::move(path)) { Remove(); }
    ~TestKey() { Remove(); }
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;

    void Set(const wchar_t* subKey, const wchar_t* name, const std::wstring& text) const {
        const std::wstring path = subKey[0] != L'\0' ? m_path + L"\\" + subKey : m_path;
        ::RegSetKeyValueW(m_root, path.c_str(), name, REG_SZ, text.c_str(),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

private:
    void Remove() const { ::RegDeleteTreeW(m_root, m_path.c_str()); }

    HKEY m_root;
    std::wstring m_path;
};

constexpr wchar_t kWebPageClass[] = L"UnitoraTestWebPage";

TEST(HelpViewer, OpensTheHelpTheSystemCanShowFromAFolderWithSpacesAndJapaneseCharacters) {
    const ScratchFolder folder(L"Unitora ヘルプ試験 フォルダ ");
    for (const wchar_t* file : {L"unitora.exe", L"unitora.hlp", L"unitora.html"}) {
        fs::copy_file(BuildFolder() / file, folder.Path() / file, fs::copy_options::overwrite_existing);
    }
    struct Setting {
        const wchar_t* windowsVersion;
        bool webPageProgram;  // Notepad stands in for a web browser
        const wchar_t* expectedClass;
        const wchar_t* expectedCaption;  // part of it
    };
    for (const Setting& setting : {Setting{L"win7", false, kViewerClass, kHelpTitle},
                                 Setting{L"win10", false, kViewerClass, kHelpTitle},
                                 Setting{L"win10", true, L"Notepad", L"unitora.html"}}) {
        SCOPED_TRACE(testing::Message() << "Windows " << setting.windowsVersion
                                        << (setting.webPageProgram ? " with" : " without")
                                        << " a program for web pages");
        const TestKey version(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\unitora.exe");
        version.Set(L"", L"Version", setting.windowsVersion);
        const TestKey extension(HKEY_CLASSES_ROOT, L".html");
        const TestKey webPages(HKEY_CLASSES_ROOT, kWebPageClass);
        if (setting.webPageProgram) {
            extension.Set(L"", nullptr, kWebPageClass);
            webPages.Set(L"shell\\open\\command", nullptr, L"notepad.exe \"%1\"");
        }

        // Started from another folder: the help is found next to the program.
        std::wstring commandLine = L"\"" + (folder.Path() / L"unitora.exe").wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\windows",
                                     &startup, &started));
        ::CloseHandle(started.hThread);
        const OwnedProcess program(started.hProcess);
        const HWND main = WaitForWindow(
            [&](HWND window) { return ProcessOf(window) == started.dwProcessId && CaptionOf(window) == L"Unitora"; });
        ASSERT_NE(nullptr, main) << "shown: " << ShownWindows();

        ::PostMessageW(::GetDlgItem(main, IDC_HELP_BUTTON), BM_CLICK, 0, 0);
        const HWND opened = WaitForWindow([&](HWND window) {
            return ClassOf(window) == setting.expectedClass &&
                   CaptionOf(window).find(setting.expectedCaption) != std::wstring::npos;
        });
        const std::vector<OwnedProcess> helpers = ChildProcessesOf(started.dwProcessId);
        ASSERT_NE(nullptr, opened) << "shown: " << ShownWindows();

        if (setting.webPageProgram) {
            EXPECT_EQ(nullptr, ::FindWindowW(kViewerClass, nullptr)) << "no help viewer beside the web page";
        } else {
            EXPECT_EQ(kHelpTitle, CaptionOf(opened));
            const HWND text = ::FindWindowExW(opened, nullptr, L"RichEdit20A", nullptr);
            EXPECT_NE(std::wstring::npos, ControlText(text).find(kHelpTitle))
                << "the contents topic opens with the title";
        }
    }
}

}  // namespace
