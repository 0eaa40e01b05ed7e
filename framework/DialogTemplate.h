// Reading the few fields of a dialog template the framework needs (internal).
// Both layouts are understood: the classic one and the extended one that
// starts with version 1 and the signature 0xFFFF.
#pragma once

#include <windows.h>

namespace unitora::framework {

struct DialogTemplateHeader {
    DWORD style;
    short x;
    short y;
};

DialogTemplateHeader ReadDialogTemplateHeader(LPCDLGTEMPLATEW dialogTemplate) noexcept;

}  // namespace unitora::framework
