#include "WindowsVersion.h"

DWORD RunningWindowsMajorVersion() {
    // RtlGetVersion is not shimmed by the manifest; it is looked up at run
    // time because the import libraries of user programs do not declare it.
    using RtlGetVersionFunction = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const FARPROC address = ntdll != nullptr ? ::GetProcAddress(ntdll, "RtlGetVersion") : nullptr;
    if (address == nullptr) {
        return 0;
    }
    RTL_OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    const auto getVersion = reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(address));
    return getVersion(&version) == 0 ? version.dwMajorVersion : 0;
}
