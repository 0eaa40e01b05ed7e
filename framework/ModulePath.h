// The running executable's path and the parts of a path the program uses.
#pragma once

#include "CString.h"

// The executable's full path, without trailing backslashes.
CString GetModulePath();

// The folder of a path, with its trailing separator: "C:\Tools\" for
// "C:\Tools\program.exe"; empty when the path names no folder.
CString GetPathFolder(const CString& path);

// The file name of a path without its extension: "program".
CString GetPathTitle(const CString& path);
