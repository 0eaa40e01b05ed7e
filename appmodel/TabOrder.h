// The tab order: which quantity pages stand as tabs of the main window, and
// in which order.
//
// In memory it is 46 slots: the labels of the visible tabs in display order,
// then empty slots. In the settings store it is the section "data" with the
// values View00..View45, each holding the label of its slot or nothing. A
// value that cannot be read reads as "Err", which is no label.
//
// Labels compare as exact strings; the 46 default labels (the page table's,
// index = page index) are all distinct.
//
// Portable: the store is reached through TabOrderStore, which the program
// implements over its profile functions and the tests over memory.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "PageTable.h"

namespace unitora {

// One slot for every page.
inline constexpr int kTabSlotCount = kPageCount;

// The settings store's one section: the tab order and the other settings.
inline constexpr wchar_t kSettingsSection[] = L"data";
inline constexpr wchar_t kUnreadableSlotText[] = L"Err";

using TabSlots = std::array<std::wstring, kTabSlotCount>;

// The tab-order section of the settings store.
class TabOrderStore {
public:
    virtual ~TabOrderStore() = default;
    // The text of the value, or fallback when it is missing or unreadable.
    virtual std::wstring Read(const std::wstring& name, const wchar_t* fallback) = 0;
    // Failures are not reported: the order in memory stays in effect.
    virtual void Write(const std::wstring& name, const std::wstring& text) = 0;
};

// "View00" .. "View45": the value name of a slot.
std::wstring SlotValueName(int slot);

// The 46 tab labels in the fixed page order, from the catalogue.
TabSlots DefaultTabLabels();

// The stored order when it is valid: slots read in order until the first
// empty one, each a default label not seen before. Empty when it is not
// valid (a slot unreadable, no label, or repeated) and must be reset.
std::optional<TabSlots> ReadTabOrder(TabOrderStore& store, const TabSlots& defaults);

// Writes all 46 slots, empty ones included, in slot order.
void SaveTabOrder(TabOrderStore& store, const TabSlots& order);

// Start-up: the stored order, or the default order when the stored one is
// not valid; written back either way, so the store always ends up clean.
TabSlots LoadTabSettings(TabOrderStore& store, const TabSlots& defaults);

// The page index of each tab, in tab order: one entry per slot before the
// first empty one whose label is a default label.
std::vector<int> TabPages(const TabSlots& order, const TabSlots& defaults);

}  // namespace unitora
