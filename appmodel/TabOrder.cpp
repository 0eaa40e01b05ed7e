#include "TabOrder.h"

#include <algorithm>

#include "PageTable.h"

namespace unitora {
namespace {

// The page index of a label, or -1 when it is no default label.
int PageOfLabel(const std::wstring& label, const TabSlots& defaults) {
    const auto found = std::find(defaults.begin(), defaults.end(), label);
    return found == defaults.end() ? -1 : static_cast<int>(found - defaults.begin());
}

}  // namespace

std::wstring SlotValueName(int slot) {
    std::wstring name = L"View";
    name += static_cast<wchar_t>(L'0' + slot / 10);
    name += static_cast<wchar_t>(L'0' + slot % 10);
    return name;
}

TabSlots DefaultTabLabels() {
    TabSlots labels;
    for (int page = 0; page < kTabSlotCount; ++page) {
        labels[page] = PageAt(page)->tabLabel;
    }
    return labels;
}

std::optional<TabSlots> ReadTabOrder(TabOrderStore& store, const TabSlots& defaults) {
    TabSlots order;
    for (int slot = 0; slot < kTabSlotCount; ++slot) {
        std::wstring label = store.Read(SlotValueName(slot), kUnreadableSlotText);
        if (label.empty()) {
            break;
        }
        const auto readSoFar = order.begin() + slot;
        if (PageOfLabel(label, defaults) < 0 || std::find(order.begin(), readSoFar, label) != readSoFar) {
            return std::nullopt;
        }
        order[slot] = std::move(label);
    }
    return order;
}

void SaveTabOrder(TabOrderStore& store, const TabSlots& order) {
    for (int slot = 0; slot < kTabSlotCount; ++slot) {
        store.Write(SlotValueName(slot), order[slot]);
    }
}

TabSlots LoadTabSettings(TabOrderStore& store, const TabSlots& defaults) {
    const TabSlots order = ReadTabOrder(store, defaults).value_or(defaults);
    SaveTabOrder(store, order);
    return order;
}

std::vector<int> TabPages(const TabSlots& order, const TabSlots& defaults) {
    std::vector<int> pages;
    for (const std::wstring& label : order) {
        if (label.empty()) {
            break;
        }
        if (const int page = PageOfLabel(label, defaults); page >= 0) {
            pages.push_back(page);
        }
    }
    return pages;
}

}  // namespace unitora
