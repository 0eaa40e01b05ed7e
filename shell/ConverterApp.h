// CConverterApp: the unit converter's application object. Its start-up
// reads (and repairs) the stored tab order, reads whether the main window
// stays on top, and runs the main window as a modal dialog; when that
// closes, the program ends. It owns the tab labels in page order, the
// current tab order and the on-top choice, which the main window shows and
// changes through its settings.
#pragma once

#include "BaseApp.h"
#include "MainWindowSettings.h"

class CConverterApp : public CBaseApp, public unitora::MainWindowSettings {
public:
    CConverterApp() = default;

    BOOL InitInstance() override;

    const unitora::TabSlots& GetDefaultTabs() const override { return m_defaultTabs; }
    const unitora::TabSlots& GetTabOrder() const override { return m_tabOrder; }
    void SetTabOrder(const unitora::TabSlots& order) override;
    bool IsTopMost() const override { return m_bTopMost; }
    void SetTopMost(bool topMost) override;

    // The 46 tab labels in page order (index = page index).
    void BuildDefaultTabs();
    // The stored tab order, or the default order when the stored one is
    // missing or invalid; written back either way.
    void LoadTabSettings();
    // Writes the current tab order to the settings store.
    void SaveTabOrder();
    // Whether the main window stays on top: stored as 1; anything else is off.
    void LoadTopMost();

    unitora::TabSlots m_defaultTabs;
    // The visible tabs' labels in display order, then empty slots.
    unitora::TabSlots m_tabOrder;
    bool m_bTopMost = false;

    static constexpr wchar_t kSettingsKey[] = L"VELK";

protected:
    void ShowHelp() override;

    DECLARE_MESSAGE_MAP()
};
