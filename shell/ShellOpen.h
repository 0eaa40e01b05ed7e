// Opening a file or a web address with the shell's "open" verb: the one way
// the program hands something to another program. Tests replace the opener
// to see what would be opened.
#pragma once

#include "CString.h"

// The shell's result: above 32 when the target was handed to a program, 32
// or below when it could not be (no such file, no program for it).
using ShellOpener = INT_PTR (*)(const CString& target);

// Opens target and returns the shell's result.
INT_PTR ShellOpen(const CString& target);

// Replaces the opener (null restores the shell's); returns the previous one.
ShellOpener SetShellOpener(ShellOpener opener) noexcept;
