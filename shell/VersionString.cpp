#include "VersionString.h"

#include "VersionInfo.h"

#include <span>

CString GetVersionString() {
    const HINSTANCE instance = AfxGetResourceHandle();
    const HRSRC resource = ::FindResourceW(instance, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    const HGLOBAL loaded = resource != nullptr ? ::LoadResource(instance, resource) : nullptr;
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return CString();
    }
    const std::span<const std::byte> bytes(static_cast<const std::byte*>(data), ::SizeofResource(instance, resource));
    return CString(unitora::FileVersionText(bytes));
}
