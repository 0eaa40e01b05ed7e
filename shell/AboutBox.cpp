#include "AboutBox.h"

#include "AboutDialog.h"

namespace {

// Black on white, over the main window.
void RunAboutDialog() {
    CAboutDialog about(RGB(255, 255, 255), RGB(0, 0, 0), nullptr);
    about.DoModal();
}

AboutBoxOpener g_opener = RunAboutDialog;

}  // namespace

void OpenAboutBox() { g_opener(); }

AboutBoxOpener SetAboutBoxOpener(AboutBoxOpener opener) noexcept {
    const AboutBoxOpener previous = g_opener;
    g_opener = opener != nullptr ? opener : RunAboutDialog;
    return previous;
}
