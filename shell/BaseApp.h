// CBaseApp: what any of our dialog-based programs needs from its application
// object beyond the framework's: keyboard accelerators for the main window
// while it runs as a modal dialog, the settings key, and help.
#pragma once

#include "WinApp.h"

class CBaseApp : public CWinApp {
public:
    // Loads the accelerator table for the main window and sets the settings
    // key. A missing table leaves accelerators off, silently.
    void LoadAccelAndKey(UINT acceleratorsId, LPCWSTR registryKey);

    // Translates the main window's accelerators in the framework's modal
    // loops while the main window or a page of it has the keyboard;
    // consumed messages go no further.
    BOOL ProcessMessageFilter(int code, LPMSG msg) override;

    // Shell-opens a file that lies next to the executable; returns the
    // shell's result (32 or below: not opened).
    INT_PTR OpenModuleFile(LPCWSTR fileName);

protected:
    // The help command.
    void OnHelp();
    virtual void ShowHelp() = 0;

    // Loaded from the resources, so freed by the system with the process.
    HACCEL m_hAccel = nullptr;

    DECLARE_MESSAGE_MAP()
};
