// The steps every framework message loop takes with a message (internal).
#pragma once

#include <windows.h>

namespace unitora::framework {

// Offers the message to PreTranslateMessage of the framework windows from the
// message's window up to its top-level window, innermost first, after a
// mouse message has been shown to their tooltip. TRUE when one of them
// consumed it.
bool PreTranslateForWindows(MSG& msg);

// Shows a mouse message to the tooltip of the window it concerns, so that
// the tooltip can show and hide its tips.
void RelayToolTipMessage(const MSG& msg);

// One message of a modal loop: the application's ProcessMessageFilter with
// the given code, then the windows (above), then TranslateMessage and
// DispatchMessage; afterwards temporaries are freed if nothing else runs.
void PumpModalMessage(MSG& msg, int filterCode);

}  // namespace unitora::framework
