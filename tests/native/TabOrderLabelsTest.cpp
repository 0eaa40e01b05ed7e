// Tab labels: the default list, the slot value names and which page each
// tab of an order shows.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "PageTable.h"
#include "TabOrder.h"

namespace unitora {
namespace {

TEST(DefaultTabLabels, AreThePageTableLabelsInPageOrder) {
    const TabSlots labels = DefaultTabLabels();
    for (int page = 0; page < kPageCount; ++page) {
        EXPECT_EQ(labels[page], PageAt(page)->tabLabel) << "page " << page;
    }
    EXPECT_EQ(labels.front(), L"乗数");
    EXPECT_EQ(labels[2], L"長さ");
    EXPECT_EQ(labels.back(), L"大数");
}

TEST(DefaultTabLabels, AreDistinctAndNotEmpty) {
    const TabSlots labels = DefaultTabLabels();
    const std::set<std::wstring> distinct(labels.begin(), labels.end());
    EXPECT_EQ(distinct.size(), labels.size());
    EXPECT_EQ(distinct.count(L""), 0u);
    EXPECT_EQ(distinct.count(kUnreadableSlotText), 0u);
}

TEST(SlotValueName, IsViewWithTwoDigits) {
    EXPECT_EQ(SlotValueName(0), L"View00");
    EXPECT_EQ(SlotValueName(7), L"View07");
    EXPECT_EQ(SlotValueName(10), L"View10");
    EXPECT_EQ(SlotValueName(45), L"View45");
}

class TabPagesOf : public ::testing::Test {
protected:
    const TabSlots defaults = DefaultTabLabels();
};

TEST_F(TabPagesOf, DefaultOrderIsEveryPageInOrder) {
    const std::vector<int> pages = TabPages(defaults, defaults);
    ASSERT_EQ(pages.size(), static_cast<size_t>(kTabSlotCount));
    for (int tab = 0; tab < kTabSlotCount; ++tab) {
        EXPECT_EQ(pages[tab], tab);
    }
}

TEST_F(TabPagesOf, OrderGivesItsPagesInTabOrder) {
    TabSlots order;
    order[0] = defaults[45];
    order[1] = defaults[9];
    order[2] = defaults[0];
    EXPECT_EQ(TabPages(order, defaults), (std::vector<int>{45, 9, 0}));
}

TEST_F(TabPagesOf, FirstEmptySlotEndsTheTabs) {
    TabSlots order;
    order[0] = defaults[3];
    order[2] = defaults[4];
    EXPECT_EQ(TabPages(order, defaults), (std::vector<int>{3}));
    EXPECT_TRUE(TabPages(TabSlots{}, defaults).empty());
}

TEST_F(TabPagesOf, LabelOfNoPageGetsNoTab) {
    TabSlots order;
    order[0] = defaults[1];
    order[1] = L"長さ ";
    order[2] = defaults[2];
    EXPECT_EQ(TabPages(order, defaults), (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace unitora
