// Every label of every page shows whole in the font and at the DPI the page
// is made for, and is its own box's name for assistive technology, which
// names an edit box after the static text made just before it. Checked at
// the session's DPI and, in a second process of this program, at 144 DPI.
#include "PageDialogs.h"
#include "PageTable.h"
#include "PageTestSupport.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstdlib>
#include <string>

namespace {

constexpr const char* kExpectedDpiVariable = "UNITORA_EXPECTED_DPI";

std::wstring AccessibleName(HWND window) {
    IAccessible* accessible = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&accessible)))) {
        return L"(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    std::wstring text = name != nullptr ? name : L"";
    ::SysFreeString(name);
    accessible->Release();
    return text;
}

// Whether the label's text, drawn as the label draws it, fits its window.
bool ShowsWhole(HWND label) {
    RECT client{};
    ::GetClientRect(label, &client);
    RECT needed{0, 0, client.right, 0};
    const HDC dc = ::GetDC(label);
    const HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(label, WM_GETFONT, 0, 0)));
    const std::wstring text = TextOf(label);
    ::DrawTextW(dc, text.c_str(), -1, &needed, DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_CALCRECT);
    ::SelectObject(dc, previous);
    ::ReleaseDC(label, dc);
    return text.empty() || (needed.right <= client.right && needed.bottom <= client.bottom);
}

class ComSession {
public:
    ComSession() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComSession() { ::CoUninitialize(); }
};

TEST(PageLabelsTest, EveryLabelShowsWholeAndNamesItsOwnBox) {
    if (const char* dpi = std::getenv(kExpectedDpiVariable)) {
        ASSERT_EQ(static_cast<UINT>(std::atoi(dpi)), ::GetDpiForSystem());
    }
    const ComSession com;
    CHostWindow host;
    ASSERT_TRUE(host.CreateVisible());
    for (int index = 0; index < unitora::kPageCount; ++index) {
        const std::unique_ptr<CQuantityDialog> page = CreatePageObject(index, &host);
        ASSERT_TRUE(page->CreateFromTemplate());
        for (const unitora::UnitField& field : page->Record().fields) {
            SCOPED_TRACE(::testing::Message() << "page " << index << ", field " << field.id);
            const HWND box = ::GetDlgItem(page->m_hWnd, field.id);
            const HWND label = ::GetWindow(box, GW_HWNDPREV);
            EXPECT_EQ(field.label, TextOf(label));
            EXPECT_TRUE(ShowsWhole(label));
            EXPECT_EQ(field.label, AccessibleName(box));
        }
    }
}

// Wine takes the DPI from the user's settings when a process starts. (On
// Windows a new DPI needs a new logon; these tests run under Wine.)
class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi) {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                          nullptr, &m_key, nullptr);
        DWORD size = sizeof(m_previous);
        m_hadValue = ::RegQueryValueExW(m_key, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&m_previous),
                                        &size) == ERROR_SUCCESS;
        Set(dpi);
    }
    ~ScopedLogPixels() {
        if (m_hadValue) {
            Set(m_previous);
        } else {
            ::RegDeleteValueW(m_key, L"LogPixels");
        }
        ::RegCloseKey(m_key);
    }
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

private:
    void Set(DWORD dpi) {
        ::RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    }

    HKEY m_key = nullptr;
    DWORD m_previous = 0;
    bool m_hadValue = false;
};

TEST(PageLabelsTest, AlsoAt144Dpi) {
    wchar_t self[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) +
                           L"\" --gtest_filter=PageLabelsTest.EveryLabelShowsWholeAndNamesItsOwnBox";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const ScopedLogPixels highDpi(144);
    ::SetEnvironmentVariableA(kExpectedDpiVariable, "144");
    const BOOL started =
        ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    ::SetEnvironmentVariableA(kExpectedDpiVariable, nullptr);
    ASSERT_TRUE(started);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process.hProcess, 120000));
    DWORD status = 1;
    ::GetExitCodeProcess(process.hProcess, &status);
    EXPECT_EQ(0u, status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

TEST(PageLabelsTest, ALabelTooLongEvenOnTwoLinesShowsWholeInTheTooltip) {
    static constexpr const wchar_t* kLong = L"とても長い単位の名前とても長い単位の名前とても長い単位の名前とても長い単位の名前";
    static constexpr unitora::UnitField kFields[] = {
        {1001, L"a", 1, 1, unitora::kItself, unitora::kItself},
        {1003, L"b", 2, 1, 1.0, 1.0},
        {1005, kLong, 3, 1, 1.0, 1.0},
    };
    const unitora::PageRecord record{L"test", 200, unitora::Width::Single, 1001, 1, kFields, {}, {}};
    CHostWindow host;
    ASSERT_TRUE(host.CreateVisible());
    CQuantityDialog page(record, &host);
    ASSERT_TRUE(page.CreateFromTemplate());
    const HWND label = ::GetWindow(::GetDlgItem(page.m_hWnd, 1005), GW_HWNDPREV);
    EXPECT_EQ(kLong, TextOf(label)) << "the label keeps its whole text, and names its box with it";
    EXPECT_FALSE(ShowsWhole(label));
    page.ShowWindow(SW_SHOW);
    EXPECT_EQ(kLong, ToolTipTextOf(page, label));
}

}  // namespace
