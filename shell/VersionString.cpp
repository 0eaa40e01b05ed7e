#include "VersionString.h"

#include "VersionInfo.h"
#include "WinApp.h"

CString GetVersionString() {
    return CString(unitora::FileVersionText(AfxLoadResource(MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION)));
}
