// Profile strings in the registry, with the root redirected to a key of the
// test's own.
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::wstring kTestRootPath = L"Software\\UnitoraFrameworkTests";

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestRootPath.c_str());
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, kTestRootPath.c_str(), 0, nullptr, 0,
                                                   KEY_ALL_ACCESS, nullptr, &m_hRoot, nullptr));
        m_hPreviousRoot = SetProfileRootKey(m_hRoot);
    }
    void TearDown() override {
        SetProfileRootKey(m_hPreviousRoot);
        ::RegCloseKey(m_hRoot);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestRootPath.c_str());
    }

    // The section's key as the framework lays it out.
    std::wstring SectionPath(const wchar_t* section) const {
        return std::wstring(L"Software\\VELK\\") + m_app.m_pszProfileName + L"\\" + section;
    }

    void PutRawValue(const wchar_t* entry, DWORD type, const void* data, DWORD size) {
        HKEY section = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(m_hRoot, SectionPath(L"data").c_str(), 0, nullptr, 0,
                                                   KEY_ALL_ACCESS, nullptr, &section, nullptr));
        ::RegSetValueExW(section, entry, 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(section);
    }

    HKEY m_hRoot = nullptr;
    HKEY m_hPreviousRoot = nullptr;
    CTestApp m_app;
};

TEST_F(ProfileTest, TheApplicationAndItsProfileAreNamedAfterTheExecutable) {
    EXPECT_STREQ(L"unitora-framework-tests", m_app.m_pszProfileName);
    EXPECT_STREQ(L"unitora-framework-tests", m_app.m_pszAppName);
}

TEST_F(ProfileTest, WithoutARegistryKeyNothingIsReadOrWritten) {
    EXPECT_FALSE(m_app.WriteProfileString(L"data", L"View00", L"長さ"));
    EXPECT_STREQ(L"Err", m_app.GetProfileString(L"data", L"View00", L"Err"));
}

TEST_F(ProfileTest, AWrittenStringIsReadBackFromItsPlaceInTheRegistry) {
    m_app.SetRegistryKey(L"VELK");
    EXPECT_TRUE(m_app.WriteProfileString(L"data", L"View00", L"長さ"));
    EXPECT_TRUE(m_app.WriteProfileString(L"data", L"View01", L""));
    EXPECT_STREQ(L"長さ", m_app.GetProfileString(L"data", L"View00", L"Err"));
    EXPECT_STREQ(L"", m_app.GetProfileString(L"data", L"View01", L"Err"));

    wchar_t stored[16] = L"";
    DWORD size = sizeof(stored);
    EXPECT_EQ(ERROR_SUCCESS, ::RegGetValueW(m_hRoot, SectionPath(L"data").c_str(), L"View00", RRF_RT_REG_SZ,
                                            nullptr, stored, &size));
    EXPECT_STREQ(L"長さ", stored);
}

TEST_F(ProfileTest, MissingWronglyTypedAndUnterminatedValuesReadAsTheDefault) {
    m_app.SetRegistryKey(L"VELK");
    EXPECT_STREQ(L"Err", m_app.GetProfileString(L"data", L"View00", L"Err"));  // no section yet

    const DWORD number = 7;
    PutRawValue(L"View01", REG_DWORD, &number, sizeof(number));
    // The registry adds a terminator that directly follows the data, so the
    // two characters written here are followed by a third one.
    const wchar_t unterminated[] = L"abc";
    PutRawValue(L"View02", REG_SZ, unterminated, 2 * sizeof(wchar_t));
    PutRawValue(L"View03", REG_EXPAND_SZ, L"x", 2 * sizeof(wchar_t));
    const char oddLength[] = {'a', 0, 0};
    PutRawValue(L"View04", REG_SZ, oddLength, sizeof(oddLength));

    for (const wchar_t* entry : {L"View00", L"View01", L"View02", L"View03", L"View04"}) {
        EXPECT_STREQ(L"Err", m_app.GetProfileString(L"data", entry, L"Err")) << entry;
    }
    EXPECT_STREQ(L"", m_app.GetProfileString(L"data", L"View01"));
}

TEST_F(ProfileTest, NumbersAreReadBackAndOnlyAFourByteNumberValueIsANumber) {
    m_app.SetRegistryKey(L"VELK");
    EXPECT_EQ(5u, m_app.GetProfileInt(L"data", L"Number", 5));  // no section yet
    EXPECT_TRUE(m_app.WriteProfileInt(L"data", L"Number", 1));
    EXPECT_EQ(1u, m_app.GetProfileInt(L"data", L"Number", 5));

    const ULONGLONG wide = 1;
    const BYTE narrow[2] = {1, 0};
    PutRawValue(L"Text", REG_SZ, L"1", 2 * sizeof(wchar_t));
    PutRawValue(L"Wide", REG_QWORD, &wide, sizeof(wide));
    PutRawValue(L"Narrow", REG_DWORD, narrow, sizeof(narrow));
    for (const wchar_t* entry : {L"Text", L"Wide", L"Narrow", L"Missing"}) {
        EXPECT_EQ(5u, m_app.GetProfileInt(L"data", entry, 5)) << entry;
    }
}

}  // namespace
