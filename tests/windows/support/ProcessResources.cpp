#include "ProcessResources.h"

#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

// A top-level window and all its descendants.
BOOL CALLBACK CountWindowTree(HWND window, LPARAM counter) {
    CountWindow(window, counter);
    ::EnumChildWindows(window, CountWindow, counter);
    return TRUE;
}

// Every window of this thread: the top-level ones and their descendants.
int ThreadWindows() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindowTree, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Windows counts them; Wine answers 0 there, but its handle table takes a
// handle whose upper 16 bits are 0 as whatever object holds that index, so
// every index is tried.
int DrawingObjects() {
    if (const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS); counted != 0) {
        return static_cast<int>(counted);
    }
    int live = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        live += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    }
    return live;
}

// The system's handle list, which both Windows and Wine keep, rather than
// GetProcessHandleCount, which Wine answers with 0.
int KernelHandles() {
    struct Entry {
        ULONG ownerProcess;
        BYTE objectType;
        BYTE flags;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    struct List {
        ULONG count;
        Entry entries[1];
    };
    constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
    constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    NTSTATUS status = 0;
    while ((status = ::NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                                static_cast<ULONG>(buffer.size()), &needed)) ==
           kInfoLengthMismatch) {
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0) {
        return -1;
    }
    const auto* list = reinterpret_cast<const List*>(buffer.data());
    const ULONG self = ::GetCurrentProcessId();
    int count = 0;
    for (ULONG i = 0; i < list->count; ++i) {
        count += list->entries[i].ownerProcess == self ? 1 : 0;
    }
    return count;
}

// The commit charge: PagefileUsage, which Wine fills in (PrivateUsage it
// leaves at 0) and which Windows documents as the same figure.
std::size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage;
}

}  // namespace

ProcessResources ProcessResources::Now() {
    return {ThreadWindows(), DrawingObjects(), KernelHandles(), PrivateBytes()};
}
