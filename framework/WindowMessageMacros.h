// Message map entries for window messages, with the handler signatures of
// the classic class layer. Included by Window.h.
#pragma once

// Mouse coordinates are signed 16-bit values (negative left of or above the
// window while the mouse is captured). windowsx.h is not used: its macros
// clash with member names such as SubclassWindow.
#define FRAMEWORK_POINT_FROM_LPARAM(lParam)                                    \
    ::CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))

#define FRAMEWORK_MOUSE_ENTRY(message, memberFn)                                         \
    {(message), 0, 0, 0, [](::CCmdTarget& target, ::MessageCall& call) {               \
         static_cast<ThisClass&>(target).memberFn(static_cast<UINT>(call.wParam),      \
                                                  FRAMEWORK_POINT_FROM_LPARAM(call.lParam)); \
     }},

#define FRAMEWORK_KEY_ENTRY(message, memberFn)                                           \
    {(message), 0, 0, 0, [](::CCmdTarget& target, ::MessageCall& call) {               \
         static_cast<ThisClass&>(target).memberFn(static_cast<UINT>(call.wParam),      \
                                                  LOWORD(call.lParam), HIWORD(call.lParam)); \
     }},

#define FRAMEWORK_PLAIN_ENTRY(message, memberFn)                                         \
    {(message), 0, 0, 0,                                                               \
     [](::CCmdTarget& target, ::MessageCall&) { static_cast<ThisClass&>(target).memberFn(); }},

// void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_CHAR() FRAMEWORK_KEY_ENTRY(WM_CHAR, OnChar)
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYDOWN() FRAMEWORK_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
// void OnMouseMove(UINT nFlags, CPoint point), and likewise for the buttons
#define ON_WM_MOUSEMOVE() FRAMEWORK_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() FRAMEWORK_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONDBLCLK() FRAMEWORK_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
// void OnClose(), void OnPaint()
#define ON_WM_CLOSE() FRAMEWORK_PLAIN_ENTRY(WM_CLOSE, OnClose)
#define ON_WM_PAINT() FRAMEWORK_PLAIN_ENTRY(WM_PAINT, OnPaint)

// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                                                             \
    {WM_SYSCOMMAND, 0, 0, 0, [](::CCmdTarget& target, ::MessageCall& call) {           \
         static_cast<ThisClass&>(target).OnSysCommand(static_cast<UINT>(call.wParam), call.lParam); \
     }},

// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER()                                                                  \
    {WM_TIMER, 0, 0, 0, [](::CCmdTarget& target, ::MessageCall& call) {                \
         static_cast<ThisClass&>(target).OnTimer(static_cast<UINT_PTR>(call.wParam));  \
     }},

// void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW()                                                             \
    {WM_SHOWWINDOW, 0, 0, 0, [](::CCmdTarget& target, ::MessageCall& call) {           \
         static_cast<ThisClass&>(target).OnShowWindow(static_cast<BOOL>(call.wParam),  \
                                                      static_cast<UINT>(call.lParam)); \
     }},

// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) for all seven
// WM_CTLCOLOR... messages; nCtlColor is CTLCOLOR_MSGBOX .. CTLCOLOR_STATIC.
#define ON_WM_CTLCOLOR()                                                               \
    {::kAnyCtlColorMessage, 0, 0, 0, [](::CCmdTarget& target, ::MessageCall& call) {   \
         call.result = reinterpret_cast<LRESULT>(static_cast<ThisClass&>(target).OnCtlColor( \
             ::CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)),                    \
             ::CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)),                  \
             call.message - WM_CTLCOLORMSGBOX));                                       \
     }},
