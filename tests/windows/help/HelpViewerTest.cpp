// The help as a user meets it: the program, started from a folder whose
// path holds spaces and Japanese characters, opens its help file in the
// system's help viewer, which shows the file's title and its contents topic.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ResourceIds.h"

namespace {

namespace fs = std::filesystem;

constexpr wchar_t kViewerClass[] = L"MS_WINHELP";
constexpr wchar_t kHelpTitle[] = L"Unitora ヘルプ";
constexpr DWORD kPatience = 30000;  // ms; a cold Wine start of two programs

fs::path ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

// A window's class name or caption, as the function given reads it.
std::wstring WindowString(HWND window, int(WINAPI* read)(HWND, LPWSTR, int)) {
    wchar_t text[256] = {};
    read(window, text, 256);
    return text;
}
std::wstring ClassOf(HWND window) { return WindowString(window, ::GetClassNameW); }
std::wstring CaptionOf(HWND window) { return WindowString(window, ::GetWindowTextW); }

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    ::EnumWindows(
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The first shown top-level window that matches, waiting for it.
HWND WaitForWindow(const std::function<bool(HWND)>& matches) {
    for (const ULONGLONG end = ::GetTickCount64() + kPatience; ::GetTickCount64() < end; ::Sleep(50)) {
        for (HWND window : TopLevelWindows()) {
            if (::IsWindowVisible(window) && matches(window)) return window;
        }
    }
    return nullptr;
}

// What is on the screen, for a failure message.
std::wstring ShownWindows() {
    std::wostringstream list;
    for (HWND window : TopLevelWindows()) {
        if (::IsWindowVisible(window)) list << L"[" << ClassOf(window) << L" \"" << CaptionOf(window) << L"\"] ";
    }
    return list.str();
}

// The beginning of a control's text, asked of the control itself, which
// may belong to another process. (Wine's rich edit control in another
// process answers WM_GETTEXTLENGTH with 0, so the length is not asked.)
std::wstring ControlText(HWND control) {
    std::wstring text(4096, L'\0');
    text.resize(static_cast<size_t>(
        ::SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// A process the test brought about, ended with the test: its windows are
// asked to close, and it is ended if it does not.
struct EndProcess {
    void operator()(HANDLE process) const {
        if (::WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
            const DWORD id = ::GetProcessId(process);
            for (HWND window : TopLevelWindows()) {
                if (ProcessOf(window) == id) ::PostMessageW(window, WM_CLOSE, 0, 0);
            }
            if (::WaitForSingleObject(process, 5000) == WAIT_TIMEOUT) {
                ::TerminateProcess(process, 1);
                ::WaitForSingleObject(process, 5000);
            }
        }
        ::CloseHandle(process);
    }
};
using OwnedProcess = std::unique_ptr<void, EndProcess>;

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

TEST(HelpViewer, ShowsTheHelpOfTheProgramInAFolderWithSpacesAndJapaneseCharacters) {
    const ScratchFolder folder(L"Unitora ヘルプ試験 フォルダ ");
    for (const wchar_t* file : {L"unitora.exe", L"unitora.hlp"}) {
        fs::copy_file(ProgramFolder() / file, folder.Path() / file, fs::copy_options::overwrite_existing);
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
    const HWND viewer = WaitForWindow([](HWND window) { return ClassOf(window) == kViewerClass; });
    const std::vector<OwnedProcess> viewers = ChildProcessesOf(started.dwProcessId);
    ASSERT_NE(nullptr, viewer) << "shown: " << ShownWindows();

    EXPECT_EQ(kHelpTitle, CaptionOf(viewer));
    const HWND text = ::FindWindowExW(viewer, nullptr, L"RichEdit20A", nullptr);
    EXPECT_NE(std::wstring::npos, ControlText(text).find(kHelpTitle)) << "the contents topic opens with the title";
}

}  // namespace
