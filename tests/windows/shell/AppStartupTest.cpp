// The application's start-up: the stored tab order read, repaired and
// written back before the main window shows, then the main window run as a
// modal dialog whose end ends the start-up.
#include <gtest/gtest.h>

#include "MainDialog.h"
#include "PageTable.h"
#include "ResourceIds.h"
#include "ShellTestSupport.h"

namespace {

class AppStartup : public ::testing::Test {
protected:
    AppStartup() { s_current = this; }
    ~AppStartup() override { s_current = nullptr; }

    // Runs the start-up with these steps inside the main window.
    BOOL Start(std::vector<ModalScript::Step> steps) {
        const HHOOK hook = ::SetWindowsHookExW(WH_CBT, WatchCreation, nullptr, ::GetCurrentThreadId());
        ModalScript script(std::move(steps));
        const BOOL result = app.InitInstance();
        ::UnhookWindowsHookEx(hook);
        return result;
    }

    CMainDialog& Main() { return *static_cast<CMainDialog*>(AfxGetMainWnd()); }

    std::vector<std::wstring> TabTexts() { return TabTextsOf(::GetDlgItem(Main().m_hWnd, IDC_TABS)); }

    void ExpectStored(const unitora::TabSlots& slots) {
        for (int slot = 0; slot < unitora::kTabSlotCount; ++slot) {
            EXPECT_EQ(slots[static_cast<size_t>(slot)], profile.Stored(app, unitora::SlotValueName(slot)))
                << "slot " << slot;
        }
    }

    PrivateProfileRoot profile;
    SeamRecorder seams;
    CConverterApp app;
    // The section's value count when the main window was being created.
    int m_nValuesAtCreation = -1;

private:
    static LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && s_current != nullptr) {
            const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
            if (create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName) &&
                std::wstring(create->lpszName) == L"Unitora" && (create->style & WS_CHILD) == 0) {
                s_current->m_nValuesAtCreation = s_current->profile.ValueCount(s_current->app);
            }
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static AppStartup* s_current;
};

AppStartup* AppStartup::s_current = nullptr;

TEST_F(AppStartup, FirstStartWritesTheDefaultOrderBeforeTheWindowShows) {
    bool ranInsideMainWindow = false;
    const BOOL result = Start({[&] {
        ranInsideMainWindow = true;
        EXPECT_EQ(unitora::kPageCount, static_cast<int>(TabTexts().size()));
        EXPECT_TRUE(Main().Page(0).IsWindowVisible());
    }});
    EXPECT_FALSE(result) << "no message loop follows the main window";
    EXPECT_TRUE(ranInsideMainWindow);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_EQ(unitora::kTabSlotCount, m_nValuesAtCreation);
    ExpectStored(unitora::DefaultTabLabels());
}

TEST_F(AppStartup, StoredOrderIsShownAndWrittenBackClean) {
    profile.Store(app, L"View00", unitora::PageAt(45)->tabLabel);
    profile.Store(app, L"View01", unitora::PageAt(9)->tabLabel);
    profile.Store(app, L"View02", L"");
    profile.Store(app, L"View03", unitora::PageAt(2)->tabLabel);
    Start({[&] {
        EXPECT_EQ((std::vector<std::wstring>{unitora::PageAt(45)->tabLabel, unitora::PageAt(9)->tabLabel}),
                  TabTexts());
        for (int page = 0; page < unitora::kPageCount; ++page) {
            EXPECT_EQ(page == 45, Main().Page(page).IsWindowVisible() != FALSE) << "page " << page;
        }
    }});
    unitora::TabSlots expected;
    expected[0] = unitora::PageAt(45)->tabLabel;
    expected[1] = unitora::PageAt(9)->tabLabel;
    ExpectStored(expected);
}

// A value that is there but is no readable text resets the whole order to
// the defaults, which are written back over it.
struct RawValue {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
};

std::vector<BYTE> BytesOf(const std::wstring& text, bool terminated) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(bytes, bytes + (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
}

std::vector<RawValue> UnreadableValues() {
    const std::wstring label = unitora::PageAt(4)->tabLabel;
    return {
        {"Number", REG_DWORD, {7, 0, 0, 0}},
        {"TextWithoutTerminator", REG_SZ, BytesOf(label, false)},
        {"ExpandableText", REG_EXPAND_SZ, BytesOf(label, true)},
        {"OddBinary", REG_BINARY, {1, 2, 3}},
        {"HugeText", REG_SZ, BytesOf(std::wstring(100000, L'長'), true)},
    };
}

std::string NameOf(const ::testing::TestParamInfo<RawValue>& info) { return info.param.name; }

class UnreadableStoredValue : public AppStartup, public ::testing::WithParamInterface<RawValue> {};

TEST_P(UnreadableStoredValue, ResetsToTheDefaultsAndIsOverwritten) {
    profile.Store(app, L"View00", unitora::PageAt(3)->tabLabel);
    profile.StoreRaw(app, L"View01", GetParam().type, GetParam().data.data(),
                     static_cast<DWORD>(GetParam().data.size()));
    app.LoadAccelAndKey(IDR_MAIN_ACCELERATORS, CConverterApp::kSettingsKey);
    app.BuildDefaultTabs();
    app.LoadTabSettings();
    EXPECT_EQ(app.m_defaultTabs, app.m_tabOrder);
    ExpectStored(app.m_defaultTabs);
}

INSTANTIATE_TEST_SUITE_P(Forms, UnreadableStoredValue, ::testing::ValuesIn(UnreadableValues()), NameOf);

TEST_F(AppStartup, SavedOrderIsWhatTheNextStartReads) {
    app.LoadAccelAndKey(IDR_MAIN_ACCELERATORS, CConverterApp::kSettingsKey);
    app.BuildDefaultTabs();
    app.m_tabOrder = {};
    app.m_tabOrder[0] = unitora::PageAt(20)->tabLabel;
    app.SaveTabOrder();
    app.m_tabOrder = app.m_defaultTabs;
    app.LoadTabSettings();
    EXPECT_EQ(unitora::PageAt(20)->tabLabel, app.m_tabOrder[0]);
    EXPECT_TRUE(app.m_tabOrder[1].empty());
}

}  // namespace
