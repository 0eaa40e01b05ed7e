// Programs a test starts as a user would (the program itself, a help viewer
// it opens, an installer): their shown top-level windows, waited for, and the
// processes ended with the test.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The folder of the running test program, which the build puts beside the
// program it starts (the build tree's top folder).
std::filesystem::path BuildFolder();

DWORD ProcessOf(HWND window);
std::wstring ClassOf(HWND window);
std::wstring CaptionOf(HWND window);

std::vector<HWND> TopLevelWindows();

// The first shown top-level window that matches, waiting for it as long as a
// cold Wine start of two programs may take; null if none shows.
HWND WaitForWindow(const std::function<bool(HWND)>& matches);

// What is on the screen, for a failure message.
std::wstring ShownWindows();

// A process the test brought about, ended with the test: its windows are
// asked to close, and it is ended if it does not.
struct EndProcess {
    void operator()(HANDLE process) const;
};
using OwnedProcess = std::unique_ptr<void, EndProcess>;
