#include "AboutBox.h"

namespace {

// The about box itself comes with its own change; until then the command
// has nothing to show.
void OpenNothing() {}

AboutBoxOpener g_opener = OpenNothing;

}  // namespace

void OpenAboutBox() { g_opener(); }

AboutBoxOpener SetAboutBoxOpener(AboutBoxOpener opener) noexcept {
    const AboutBoxOpener previous = g_opener;
    g_opener = opener != nullptr ? opener : OpenNothing;
    return previous;
}
