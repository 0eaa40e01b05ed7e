// The settings as the main window sees them: the tab labels, the tab order
// in effect (and a new order to put in effect and store), and whether the
// window stays above other windows. The application object keeps them; the
// main window reaches them only here.
#pragma once

#include "TabOrder.h"

namespace unitora {

// Beside the tab order in the settings store: whether the main window stays
// on top, a number, 1 for on. Missing, of another type or any other number,
// it reads as off.
inline constexpr wchar_t kTopMostValueName[] = L"TopMost";

class MainWindowSettings {
public:
    // The 46 tab labels in page order (index = page index).
    virtual const TabSlots& GetDefaultTabs() const = 0;
    // The visible tabs' labels in display order, then empty slots.
    virtual const TabSlots& GetTabOrder() const = 0;
    // Puts the order in effect and writes it to the settings store.
    virtual void SetTabOrder(const TabSlots& order) = 0;

    virtual bool IsTopMost() const = 0;
    // Records the choice and writes it to the settings store at once.
    virtual void SetTopMost(bool topMost) = 0;

protected:
    ~MainWindowSettings() = default;
};

}  // namespace unitora
