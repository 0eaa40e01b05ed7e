#include "ModulePath.h"

#include <string>

namespace {

// Where the file name starts: after the last separator or drive colon.
int FileNameStart(const CString& path) {
    const size_t last = path.View().find_last_of(L"\\/:");
    return last == std::wstring_view::npos ? 0 : static_cast<int>(last) + 1;
}

}  // namespace

CString GetModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    while (!path.empty() && path.back() == L'\\') {
        path.pop_back();
    }
    return CString(path);
}

CString GetPathFolder(const CString& path) { return path.Left(FileNameStart(path)); }

CString GetPathTitle(const CString& path) {
    const CString name = path.Mid(FileNameStart(path));
    const int extension = name.ReverseFind(L'.');
    return extension < 0 ? name : name.Left(extension);
}
