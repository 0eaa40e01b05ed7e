// The stored tab order at start-up: every form the section can be found in,
// what the program makes of it and what it writes back.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "TabOrder.h"

namespace unitora {
namespace {

// The section in memory, with a log of every write. A value named in
// unreadable exists but is not text (a number, say): it reads as missing.
class MemoryStore : public TabOrderStore {
public:
    std::wstring Read(const std::wstring& name, const wchar_t* fallback) override {
        const auto found = values.find(name);
        if (found == values.end() || unreadable.count(name) != 0) {
            return fallback;
        }
        return found->second;
    }
    void Write(const std::wstring& name, const std::wstring& text) override {
        values[name] = text;
        writes.emplace_back(name, text);
    }

    std::map<std::wstring, std::wstring> values;
    std::set<std::wstring> unreadable;
    std::vector<std::pair<std::wstring, std::wstring>> writes;
};

class StoredTabOrder : public ::testing::Test {
protected:
    // Stores the labels of these pages in slots 0, 1, ...
    void StorePages(std::initializer_list<int> pages) {
        int slot = 0;
        for (int page : pages) {
            store.values[SlotValueName(slot++)] = defaults[page];
        }
    }

    // Loads as the program does at start-up.
    void Load() {
        order = LoadTabSettings(store, defaults);
    }

    void ExpectDefaultOrderWrittenBack() {
        EXPECT_EQ(order, defaults);
        ExpectWritten(defaults);
    }

    // All 46 values, in slot order, exactly once each.
    void ExpectWritten(const TabSlots& expected) {
        ASSERT_EQ(store.writes.size(), static_cast<size_t>(kTabSlotCount));
        for (int slot = 0; slot < kTabSlotCount; ++slot) {
            EXPECT_EQ(store.writes[slot].first, SlotValueName(slot));
            EXPECT_EQ(store.writes[slot].second, expected[slot]) << "slot " << slot;
        }
    }

    const TabSlots defaults = DefaultTabLabels();
    MemoryStore store;
    TabSlots order;
};

TEST_F(StoredTabOrder, NothingStoredGivesAllTabsInPageOrder) {
    Load();
    ExpectDefaultOrderWrittenBack();
    EXPECT_EQ(store.values.at(L"View00"), L"乗数");
    EXPECT_EQ(store.values.at(L"View45"), L"大数");
}

TEST_F(StoredTabOrder, EmptyFirstSlotHidesEveryTab) {
    store.values[L"View00"] = L"";
    store.values[L"View01"] = defaults[2];  // after the end of the list: ignored
    Load();
    ExpectWritten(TabSlots{});
    EXPECT_TRUE(TabPages(order, defaults).empty());
}

TEST_F(StoredTabOrder, MissingSlotAfterValidOnesResets) {
    StorePages({4, 7, 9});
    store.values[L"View04"] = defaults[10];  // slot 3 is missing
    Load();
    ExpectDefaultOrderWrittenBack();
}

TEST_F(StoredTabOrder, EmptySlotEndsTheListAndLaterSlotsAreClearedOnWrite) {
    StorePages({45, 0, 1, 2, 3});
    store.values[L"View05"] = L"";
    store.values[L"View06"] = defaults[6];
    Load();
    const TabSlots expected = {defaults[45], defaults[0], defaults[1], defaults[2], defaults[3]};
    EXPECT_EQ(order, expected);
    ExpectWritten(expected);
    EXPECT_EQ(store.values.at(L"View06"), L"");
}

TEST_F(StoredTabOrder, CompleteReorderedListIsKept) {
    TabSlots reversed;
    for (int slot = 0; slot < kTabSlotCount; ++slot) {
        reversed[slot] = defaults[kTabSlotCount - 1 - slot];
        store.values[SlotValueName(slot)] = reversed[slot];
    }
    Load();
    EXPECT_EQ(order, reversed);
    ExpectWritten(reversed);
}

TEST_F(StoredTabOrder, LabelThatIsNoTabLabelResets) {
    const std::wstring unknown[] = {
        L"長さ ",  // trailing space
        L" 長さ",
        L"ながさ",
        L"Length",
        L"長",     // a prefix of a label
        L"長さ長さ",
        L"Err",    // what an unreadable value reads as
        std::wstring(L"長さ\0x", 4),
        std::wstring(1 << 20, L'長'),
    };
    for (const std::wstring& label : unknown) {
        store = MemoryStore();
        StorePages({2, 3});
        store.values[L"View02"] = label;
        Load();
        SCOPED_TRACE(testing::Message() << "label of " << label.size() << " characters");
        ExpectDefaultOrderWrittenBack();
    }
}

TEST_F(StoredTabOrder, UnreadableValueResets) {
    StorePages({0, 1, 2, 3});
    store.unreadable.insert(L"View03");
    Load();
    ExpectDefaultOrderWrittenBack();
}

TEST_F(StoredTabOrder, RepeatedLabelResets) {
    StorePages({8, 12, 20, 21, 12});  // slots 1 and 4
    Load();
    ExpectDefaultOrderWrittenBack();
}

TEST_F(StoredTabOrder, ReadStopsAtFirstEmptySlotWithoutLookingFurther) {
    StorePages({5});
    store.values[L"View01"] = L"";
    store.values[L"View02"] = L"not a label";  // never read, so no reset
    const auto read = ReadTabOrder(store, defaults);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ((*read)[0], defaults[5]);
    EXPECT_TRUE((*read)[1].empty());
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(StoredTabOrder, SecondStartReadsWhatTheFirstWrote) {
    StorePages({3, 1, 4});
    Load();
    const TabSlots first = order;
    store.writes.clear();
    Load();
    EXPECT_EQ(order, first);
    ExpectWritten(first);
}

}  // namespace
}  // namespace unitora
