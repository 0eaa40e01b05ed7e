// CConverterApp: the unit converter's application object. Its start-up
// reads (and repairs) the stored tab order and runs the main window as a
// modal dialog; when that closes, the program ends. It owns the tab labels
// in page order and the current tab order, which the main window shows and
// changes through the tab settings.
#pragma once

#include "BaseApp.h"
#include "TabSettings.h"

class CConverterApp : public CBaseApp, public unitora::TabSettings {
public:
    CConverterApp() = default;

    BOOL InitInstance() override;

    const unitora::TabSlots& GetDefaultTabs() const override { return m_defaultTabs; }
    const unitora::TabSlots& GetTabOrder() const override { return m_tabOrder; }
    void SetTabOrder(const unitora::TabSlots& order) override;

    // The 46 tab labels in page order (index = page index).
    void BuildDefaultTabs();
    // The stored tab order, or the default order when the stored one is
    // missing or invalid; written back either way.
    void LoadTabSettings();
    // Writes the current tab order to the settings store.
    void SaveTabOrder();

    unitora::TabSlots m_defaultTabs;
    // The visible tabs' labels in display order, then empty slots.
    unitora::TabSlots m_tabOrder;

    static constexpr wchar_t kSettingsKey[] = L"VELK";

protected:
    void ShowHelp() override;

    DECLARE_MESSAGE_MAP()
};
