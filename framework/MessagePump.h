// One message of a framework modal loop (internal).
#pragma once

#include <windows.h>

namespace framework {

// The application's ProcessMessageFilter with the given code, then the
// windows' pre-translation (CWnd::WalkPreTranslateTree), then
// TranslateMessage and DispatchMessage; afterwards temporaries are freed if
// nothing else runs.
void PumpModalMessage(MSG& msg, int filterCode);

}  // namespace framework
