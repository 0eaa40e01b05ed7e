// The executable's path and the parts of paths that help (and the version
// line) are built from.
#include <gtest/gtest.h>

#include "ModulePath.h"

namespace {

TEST(ModulePath, IsTheRunningProgramsFullPath) {
    const CString path = GetModulePath();
    EXPECT_STREQ(L"unitora-shell-tests.exe", path.Mid(path.ReverseFind(L'\\') + 1));
    EXPECT_EQ(L':', path[1]);
    EXPECT_NE(L'\\', path[path.GetLength() - 1]);
}

TEST(ModulePath, FolderKeepsItsTrailingSeparator) {
    EXPECT_STREQ(L"C:\\Program Files\\Unitora\\", GetPathFolder(L"C:\\Program Files\\Unitora\\unitora.exe"));
    EXPECT_STREQ(L"\\\\server\\share\\", GetPathFolder(L"\\\\server\\share\\unitora.exe"));
    EXPECT_STREQ(L"C:", GetPathFolder(L"C:unitora.exe"));
    EXPECT_STREQ(L"", GetPathFolder(L"unitora.exe"));
}

TEST(ModulePath, TitleIsTheFileNameWithoutItsLastExtension) {
    EXPECT_STREQ(L"unitora", GetPathTitle(L"C:\\Tools\\unitora.exe"));
    EXPECT_STREQ(L"unit.ora", GetPathTitle(L"C:\\v1.7\\unit.ora.exe"));
    EXPECT_STREQ(L"unitora", GetPathTitle(L"C:\\v1.7\\unitora"));
    EXPECT_STREQ(L"", GetPathTitle(L"C:\\Tools\\"));
    EXPECT_STREQ(L"unitora-shell-tests", GetPathTitle(GetModulePath()));
}

}  // namespace
