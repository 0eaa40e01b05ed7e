// What the about command does: the about button, the system menu's about
// item and F10 all come here. The about box is modal, so tests replace the
// opener to see the command arrive without a box to close.
#pragma once

using AboutBoxOpener = void (*)();

void OpenAboutBox();

// Replaces the opener (null restores the program's); returns the previous one.
AboutBoxOpener SetAboutBoxOpener(AboutBoxOpener opener) noexcept;
