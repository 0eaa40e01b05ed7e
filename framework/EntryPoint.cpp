// The program's entry point: the application object does the rest. A
// program built with this framework links as a Unicode GUI program, so that
// the runtime starts here.
#include "ExceptionBarrier.h"
#include "WinApp.h"

// Handlers are guarded where the system calls them; what fails outside any
// window (the application's own start-up) ends the program, reported.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return -1;
    }
    try {
        if (!app->InitInstance()) {
            return app->ExitInstance();
        }
        return app->Run();
    } catch (...) {
        framework::ReportEscapedException(nullptr);
        return -1;
    }
}
