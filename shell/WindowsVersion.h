// The running Windows's major version as the system itself reports it. The
// ordinary version functions report at most the newest version the
// executable's manifest declares support for, so they cannot tell which
// system the program actually runs on.
#pragma once

#include "Framework.h"

// 10 on Windows 10 and 11, 6 on Windows Vista to 8.1; 0 if it cannot be read.
DWORD RunningWindowsMajorVersion();
