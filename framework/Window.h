// CWnd: the object side of a window.
//
// A window object is tied to its handle through a per-thread map. It gets
// the window's messages once it is subclassed (SubclassWindow, DDX_Control),
// created through the framework (CreateEx, CDialog) or attached as a dialog;
// each message then runs through WindowProc: the class's message map first,
// then the window's original procedure. Default() hands the message being
// processed to that original procedure.
//
// Ownership: an object destroys a window it created when it is destroyed
// itself; a window it only subclassed or attached is given back (the object
// stops listening) and lives on with its parent. When a window is destroyed,
// the object is detached on WM_NCDESTROY.
#pragma once

#include "CString.h"
#include "CmdTarget.h"
#include "Geometry.h"

#include <windows.h>

#include <memory>

class CDC;
class CDataExchange;
class CMenu;

class CWnd : public CCmdTarget {
public:
    CWnd() noexcept = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    // The object of a window handle. FromHandlePermanent gives only objects
    // that are attached (null otherwise); FromHandle wraps any other window
    // in a temporary object, valid until the current message has been
    // processed. Both return null for a null handle.
    static CWnd* FromHandle(HWND window);
    static CWnd* FromHandlePermanent(HWND window);

    // Ties the object to a handle without listening to its messages.
    BOOL Attach(HWND window);
    HWND Detach();

    // Ties the object to an existing window and routes the window's messages
    // through the object's message map. PreSubclassWindow runs first.
    BOOL SubclassWindow(HWND window);
    // Gives the window its original procedure back (where nobody has
    // subclassed it after us) and detaches it.
    HWND UnsubclassWindow();

    // Creates a window whose messages reach this object from WM_NCCREATE on.
    // A null class name uses the framework's plain window class.
    BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id, LPVOID param = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    virtual BOOL DestroyWindow();

    // Relatives.
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const noexcept;
    CWnd* SetFocus();

    // Text and style.
    void GetWindowText(CString& text) const;
    void SetWindowText(LPCWSTR text) noexcept;
    DWORD GetStyle() const noexcept;
    DWORD GetExStyle() const noexcept;
    // Removes then adds style bits; FALSE when nothing changed.
    BOOL ModifyStyle(DWORD remove, DWORD add) noexcept;
    void SetFont(HFONT font, BOOL redraw = TRUE) noexcept;
    HFONT GetFont() const noexcept;
    HICON SetIcon(HICON icon, BOOL bigIcon) noexcept;

    // Geometry and visibility.
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) noexcept;
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE) noexcept;
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags) noexcept;
    BOOL ShowWindow(int showCommand) noexcept;
    BOOL IsWindowVisible() const noexcept;
    void GetWindowRect(LPRECT rect) const noexcept;
    void GetClientRect(LPRECT rect) const noexcept;
    void ScreenToClient(LPPOINT point) const noexcept;
    void ScreenToClient(LPRECT rect) const noexcept;
    void ClientToScreen(LPPOINT point) const noexcept;
    // Centres a top-level window over its owner, or over the work area when
    // there is no visible owner; kept on the screen.
    void CenterWindow() noexcept;
    // Gives the window this shape, in window coordinates. On success the
    // window owns the region: detach it from its CRgn.
    int SetWindowRgn(HRGN region, BOOL redraw) noexcept;

    // Painting.
    void Invalidate(BOOL erase = TRUE) noexcept;
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) noexcept;
    BOOL RedrawWindow(LPCRECT updateRect = nullptr, HRGN updateRegion = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) noexcept;
    void UpdateWindow() noexcept;

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC timerProc = nullptr) noexcept;

    // A wrapper of the window menu, or null when there is none.
    CMenu* GetSystemMenu(BOOL revert) const;

    // Tooltips for the child controls: one tool per child whose ID is not
    // 0xFFFF (static labels), identified by the child's handle and asking
    // this window for its text (TTN_GETDISPINFOW through OnNotify). Called
    // once, when the children exist; a second call does nothing and returns
    // FALSE. The tools live in one tooltip window per top-level window: a
    // child window (a page) whose top-level window already has one adds its
    // tools there and takes them out again when it is destroyed; otherwise
    // this object creates and owns a tooltip window that goes with this
    // window.
    BOOL EnableToolTips();
    HWND GetToolTipWindow() const noexcept;

    // Data exchange: runs DoDataExchange in the given direction with this
    // window's control notifications locked out. FALSE when a value could
    // not be read back (the user has been told and the box has the focus).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Message handling. WindowProc runs the message map and otherwise
    // DefWindowProc, which calls the window's original procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Offers the message to PreTranslateMessage of the framework windows from
    // the message's window up to its top-level window, innermost first, after
    // a mouse message has been shown to their tooltip. TRUE when one of them
    // consumed it. The framework's message loops call it for every message.
    static BOOL WalkPreTranslateTree(MSG* msg);
    // The original procedure with the message currently being processed.
    LRESULT Default();

protected:
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // WM_COMMAND: runs the map's command entries; control notifications are
    // dropped while UpdateData runs.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: runs the map's ON_NOTIFY entries; dropped while UpdateData runs.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A message the parent passes on to the control it concerns (WM_DRAWITEM).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void DoDataExchange(CDataExchange* dx);
    virtual void PreSubclassWindow();

    // Default handlers, for derived classes to call from their own.
    void OnMouseMove(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    void OnShowWindow(BOOL show, UINT status);
    HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor);

    DECLARE_MESSAGE_MAP()

    WNDPROC m_pfnSuper = nullptr;  // the window's procedure before ours

private:
    friend LRESULT CALLBACK FrameworkWindowProcedure(HWND, UINT, WPARAM, LPARAM);
    friend class CDialog;

    // Attaches and installs the framework's window procedure.
    void Hook(HWND window);
    void OnNcDestroy();
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL RouteHelpRequest(LRESULT* result);

    CWnd* ToolTipHost();
    void RemoveSharedTools() noexcept;
    // Shows a mouse message to the tooltip of the window it concerns, so
    // that the tooltip can show and hide its tips.
    static void RelayToolTipMessage(const MSG& msg);

    bool m_bCreatedHere = false;  // created by this object, so destroyed by it
    std::unique_ptr<CWnd> m_pToolTip;      // the tooltip window this object owns
    HWND m_hSharedToolTip = nullptr;       // or the top-level window's, holding our tools
};

LRESULT CALLBACK FrameworkWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once) a window class with these attributes and the system's
// default procedure, for PreCreateWindow to put into CREATESTRUCT, and
// returns its name; the name stays valid for the life of the process.
LPCWSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                            HICON icon = nullptr);

#include "WindowMessageMacros.h"
