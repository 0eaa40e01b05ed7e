// Helpers for the shell's Wine tests: a private settings store, recorders
// for the seams (shell-open, about box, animation frames), a script of steps that runs inside
// the main window's modal loop, key presses, the texts of the tabs and the
// customize dialog's window.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "AboutBox.h"
#include "CloseEffect.h"
#include "ConverterApp.h"
#include "ShellOpen.h"
#include "TestSupport.h"

// Points the profile functions at a registry key of the test's own, empty
// at the start and deleted at the end.
class PrivateProfileRoot {
public:
    PrivateProfileRoot();
    ~PrivateProfileRoot();
    PrivateProfileRoot(const PrivateProfileRoot&) = delete;
    PrivateProfileRoot& operator=(const PrivateProfileRoot&) = delete;

    // The tab-order section of the program's settings key, for this profile.
    std::wstring SectionPath(const CWinApp& app) const;
    // A value of the section as stored (REG_SZ), or nothing.
    std::optional<std::wstring> Stored(const CWinApp& app, const std::wstring& name) const;
    // Stores raw registry data under a value name of the section.
    void StoreRaw(const CWinApp& app, const std::wstring& name, DWORD type, const void* data, DWORD size) const;
    void Store(const CWinApp& app, const std::wstring& name, const std::wstring& text) const;
    // How many values the section holds now.
    int ValueCount(const CWinApp& app) const;

private:
    std::wstring m_path;
    HKEY m_root = nullptr;
    HKEY m_previous = nullptr;
};

// Records what the program would shell-open, answering with s_shellResult,
// and counts the about commands and the closing animation's frames (which
// it does not wait for), for as long as it lives.
class SeamRecorder {
public:
    SeamRecorder();
    ~SeamRecorder();
    SeamRecorder(const SeamRecorder&) = delete;
    SeamRecorder& operator=(const SeamRecorder&) = delete;

    // Any result above 32 says the shell handed the target over.
    static constexpr INT_PTR kShellOpened = 42;

    static std::vector<CString> s_opened;
    static INT_PTR s_shellResult;  // kShellOpened unless a test says otherwise
    static int s_aboutCount;
    static int s_frames;

private:
    ShellOpener m_previousOpener;
    AboutBoxOpener m_previousAbout;
    FrameWait m_previousFrameWait;
};

// Runs steps one after another inside whatever modal loop is running, a
// timer tick apart (50 ms unless given), so that what each step posts is
// processed by that loop before the next. After the last step the main
// window, and any dialog open over it, is closed, so that a failed step
// cannot leave the test hanging.
class ModalScript {
public:
    using Step = std::function<void()>;
    explicit ModalScript(std::vector<Step> steps, UINT tickMilliseconds = 50);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // How many steps ran.
    size_t Ran() const noexcept { return m_next; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);

    std::vector<Step> m_steps;
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
};

// Posts a key press (down and up) to a window as the keyboard would: F10,
// and any key with Alt held, as a system key.
void PressKey(HWND window, UINT virtualKey, bool altHeld = false);

// How a failed check shows a CString: as its text.
void PrintTo(const CString& text, std::ostream* out);

// The texts of a tab control's tabs, in order.
std::vector<std::wstring> TabTextsOf(HWND tabs);

// The customize dialog's window while it is open, found by its caption.
HWND FindCustomizeDialog();
