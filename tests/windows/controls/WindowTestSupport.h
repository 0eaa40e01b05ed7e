// Helpers for the Wine tests of the controls and the pages: real windows,
// real messages, and a log of the messages that reach chosen windows.
#pragma once

#include "Framework.h"
#include "TestSupport.h"

#include <initializer_list>
#include <vector>

// A visible top-level window that hosts pages and dialogs. It takes the
// caption drag that a page passes on, records it and starts no move loop.
class CHostWindow : public CWnd {
public:
    BOOL CreateVisible();

    std::vector<WPARAM> m_captionDrags;  // hit-test codes of WM_NCLBUTTONDOWN

protected:
    LRESULT OnNcLButtonDown(WPARAM hitTest, LPARAM);

    DECLARE_MESSAGE_MAP()
};

// The current application while it lives; counts the help commands that
// reach it.
class CTestApp : public CWinApp {
public:
    int m_nHelpCommands = 0;

protected:
    void OnHelp() { ++m_nHelpCommands; }

    DECLARE_MESSAGE_MAP()
};

// Records, in one sequence, the chosen messages reaching the watched
// windows; swallowed messages are recorded and go no further. Tests may add
// entries of their own (a marker) to the sequence.
class MessageLog {
public:
    struct Entry {
        HWND window;
        UINT message;
        WPARAM wParam;
    };

    explicit MessageLog(std::initializer_list<UINT> messages, std::initializer_list<UINT> swallowed = {});
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void Watch(HWND window);
    void Add(Entry entry) { m_entries.push_back(entry); }
    void Clear() noexcept { m_entries.clear(); }

    const std::vector<Entry>& Entries() const noexcept { return m_entries; }
    int Count(HWND window, UINT message) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self);

    std::vector<UINT> m_messages;
    std::vector<UINT> m_swallowed;
    std::vector<HWND> m_watched;
    std::vector<Entry> m_entries;
};
