// The tab settings as the main window sees them: the tab labels, the tab
// order in effect, and a new order to put in effect and store. The
// application object keeps them; the main window reaches them only here.
#pragma once

#include "TabOrder.h"

namespace unitora {

class TabSettings {
public:
    // The 46 tab labels in page order (index = page index).
    virtual const TabSlots& GetDefaultTabs() const = 0;
    // The visible tabs' labels in display order, then empty slots.
    virtual const TabSlots& GetTabOrder() const = 0;
    // Puts the order in effect and writes it to the settings store.
    virtual void SetTabOrder(const TabSlots& order) = 0;

protected:
    ~TabSettings() = default;
};

}  // namespace unitora
