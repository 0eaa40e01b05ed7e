#include "TestWindows.h"

BOOL CTestWindow::CreateHidden(CWnd* owner) {
    return CreateEx(0, nullptr, L"test", WS_OVERLAPPEDWINDOW, CRect(10, 10, 310, 210), owner, 0);
}

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

BOOL CTestApp::ProcessMessageFilter(int code, LPMSG msg) {
    m_nFilterCode = code;
    m_filtered.push_back(*msg);
    return m_pConsume != nullptr && m_pConsume(*msg);
}
