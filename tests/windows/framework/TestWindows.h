// Small windows and an application object for the tests.
#pragma once

#include "Framework.h"

#include <vector>

// A top-level framework window of the plain class, hidden unless shown.
class CTestWindow : public CWnd {
public:
    BOOL CreateHidden(CWnd* owner = nullptr);
};

// An application object whose command map and message filter the tests
// observe. Only one exists at a time; it is the current application while
// it lives.
class CTestApp : public CWinApp {
public:
    int m_nHelpCommands = 0;
    std::vector<MSG> m_filtered;
    int m_nFilterCode = -1;
    // When set, the filter consumes messages it returns TRUE for.
    BOOL (*m_pConsume)(const MSG& msg) = nullptr;

    BOOL ProcessMessageFilter(int code, LPMSG msg) override;

protected:
    void OnHelp() { ++m_nHelpCommands; }

    DECLARE_MESSAGE_MAP()
};
