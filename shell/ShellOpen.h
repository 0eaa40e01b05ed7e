// Opening a file or a web address with the shell's "open" verb: the one way
// the program hands something to another program. Tests replace the opener
// to see what would be opened.
#pragma once

#include "Framework.h"

using ShellOpener = void (*)(const CString& target);

// Opens target; a missing file or viewer is not reported.
void ShellOpen(const CString& target);

// Replaces the opener (null restores the shell's); returns the previous one.
ShellOpener SetShellOpener(ShellOpener opener) noexcept;
