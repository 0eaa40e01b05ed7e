// CDialog: modal dialogs from a template resource, modeless ones from a
// resource or from a template built in memory.
//
// The dialog manager's procedure sees the object on WM_INITDIALOG (it comes
// as the creation parameter); from then on the dialog window is subclassed,
// so every message runs through the object's message map and Default() is
// the dialog manager's own processing.
//
// Modal loop (DoModal): the owner is disabled, the dialog is created modeless
// and the framework pumps messages itself until EndDialog. Every message is
// offered first to the application's ProcessMessageFilter (MSGF_DIALOGBOX),
// so its accelerators reach the main window, then to PreTranslateMessage of
// the framework windows from the message's window up to its top-level window;
// a dialog there handles keyboard messages with IsDialogMessage. The
// innermost dialog answers first, so Tab moves within a child dialog (a page)
// and Enter or Escape there reach that dialog's OnOK or OnCancel.
//
// A top-level dialog whose template position is 0,0 is centred over its
// owner (or the work area) before OnInitDialog.
#pragma once

#include "Window.h"

class CDialog : public CWnd {
public:
    CDialog() noexcept = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) noexcept;

    // Modeless creation. Without a parent, the application's main window
    // becomes the parent.
    BOOL Create(LPCWSTR templateName, CWnd* parent = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATEW dialogTemplate, CWnd* parent = nullptr);

    // Modal, from the template given at construction: runs the framework's
    // modal loop until EndDialog and returns its result, or -1 when the
    // dialog could not be created.
    virtual INT_PTR DoModal();
    // Ends the modal loop with this result; a modeless dialog is only hidden.
    void EndDialog(int result);

    BOOL PreTranslateMessage(MSG* msg) override;
    // Commands the dialog's map leaves alone go to the application object.
    BOOL OnCmdMsg(UINT id, int code) override;

protected:
    // Default: the first data exchange (UpdateData(FALSE)), TRUE.
    virtual BOOL OnInitDialog();
    // Defaults: UpdateData(TRUE), then EndDialog(IDOK); EndDialog(IDCANCEL).
    virtual void OnOK();
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

    LPCWSTR m_lpszTemplateName = nullptr;  // resource name or MAKEINTRESOURCE id
    CWnd* m_pParentWnd = nullptr;

private:
    friend INT_PTR CALLBACK FrameworkDialogProcedure(HWND, UINT, WPARAM, LPARAM);

    LPCDLGTEMPLATEW LoadTemplate() const;
    BOOL CreateFromTemplate(LPCDLGTEMPLATEW dialogTemplate, HWND parent);
    BOOL HandleInitDialog(HWND window);
    HWND FindModalOwner() const;
    void RunModalLoop();

    bool m_bCenterOnInit = false;
    bool m_bModalLoop = false;
    bool m_bEndModal = false;
    int m_nModalResult = -1;
};

INT_PTR CALLBACK FrameworkDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
