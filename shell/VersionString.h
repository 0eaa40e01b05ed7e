// The running program's version as the about box shows it ("1.71" for file
// version 1.7.1.1), from the version resource of the application's
// resources; empty when there is none or it is malformed.
#pragma once

#include "CString.h"

CString GetVersionString();
