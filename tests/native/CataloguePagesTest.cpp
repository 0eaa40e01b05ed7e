// The shape of every page record: the fixed page order, identities, unique
// fields and places, orders that are permutations, and the base field.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "PageTable.h"
#include "QuantityPage.h"

namespace unitora {
namespace {

struct Identity {
    unsigned templateId;
    const wchar_t* tabLabel;
};

constexpr Identity kIdentities[kPageCount] = {
    {124, L"乗数"},  // 0
    {117, L"パケット"},  // 1
    {107, L"長さ"},  // 2
    {108, L"面積"},  // 3
    {109, L"体積"},  // 4
    {110, L"速度"},  // 5
    {111, L"質量"},  // 6
    {112, L"重量"},  // 7
    {113, L"圧力"},  // 8
    {114, L"温度"},  // 9
    {115, L"熱量"},  // 10
    {116, L"力率"},  // 11
    {119, L"トルク"},  // 12
    {118, L"角度"},  // 13
    {120, L"角速度"},  // 14
    {121, L"密度"},  // 15
    {122, L"燃費"},  // 16
    {123, L"加速度"},  // 17
    {125, L"体積流量"},  // 18
    {126, L"質量流量"},  // 19
    {127, L"個数"},  // 20
    {157, L"時間"},  // 21
    {129, L"熱伝導"},  // 22
    {130, L"熱伝達"},  // 23
    {131, L"漏れ量"},  // 24
    {132, L"粘度"},  // 25
    {133, L"動粘度"},  // 26
    {134, L"輝度"},  // 27
    {135, L"日照量"},  // 28
    {136, L"照度"},  // 29
    {137, L"静電容量"},  // 30
    {138, L"電荷"},  // 31
    {139, L"伝導度"},  // 32
    {140, L"電流"},  // 33
    {141, L"電界"},  // 34
    {142, L"インダクタンス"},  // 35
    {143, L"抵抗"},  // 36
    {144, L"電圧"},  // 37
    {145, L"磁界"},  // 38
    {146, L"磁束"},  // 39
    {147, L"磁束密度"},  // 40
    {148, L"量子力学的エネルギー"},  // 41
    {149, L"吸収線量"},  // 42
    {150, L"放射能"},  // 43
    {151, L"線量当量"},  // 44
    {159, L"大数"},  // 45
};

constexpr int kMultiplierIndex = 0;
constexpr int kDataSizeIndex = 1;
constexpr int kTemperatureIndex = 9;
constexpr int kLargeNumberIndex = 45;

std::vector<int> SortedIds(const PageRecord& page) {
    std::vector<int> ids;
    for (const UnitField& field : page.fields) ids.push_back(field.id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::vector<int> Sorted(std::span<const int> order) {
    std::vector<int> ids(order.begin(), order.end());
    std::sort(ids.begin(), ids.end());
    return ids;
}

TEST(CataloguePages, EveryIndexHasItsPage) {
    EXPECT_EQ(PageAt(-1), nullptr);
    EXPECT_EQ(PageAt(kPageCount), nullptr);
    std::set<const PageRecord*> distinct;
    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(index);
        const PageRecord* page = PageAt(index);
        ASSERT_NE(page, nullptr);
        distinct.insert(page);
        EXPECT_EQ(page->templateId, kIdentities[index].templateId);
        EXPECT_STREQ(page->tabLabel, kIdentities[index].tabLabel);
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kPageCount));
}

TEST(CataloguePages, FieldsAreUniqueAndPlaced) {
    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(index);
        const PageRecord& page = *PageAt(index);
        ASSERT_FALSE(page.fields.empty());
        EXPECT_LE(page.fields.size(), kMaxFields);
        const std::vector<int> ids = SortedIds(page);
        EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "repeated ID";
        std::set<std::pair<int, int>> places;
        for (const UnitField& field : page.fields) {
            SCOPED_TRACE(field.id);
            EXPECT_TRUE(field.id > 0 && field.id < 0xFFFF) << "not a control ID of its own";
            EXPECT_GE(field.column, 1);
            EXPECT_GE(field.row, 1);
            EXPECT_TRUE(places.insert({field.column, field.row}).second) << "place taken twice";
            const bool unlabelled = index == kMultiplierIndex && field.id == 1011;
            EXPECT_EQ(field.label[0] == L'\0', unlabelled);
        }
    }
}

// Reading order runs down each column, columns left to right.
TEST(CataloguePages, FieldsStandInReadingOrder) {
    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(index);
        const auto& fields = PageAt(index)->fields;
        for (std::size_t i = 1; i < fields.size(); ++i) {
            EXPECT_LT(std::make_pair(fields[i - 1].column, fields[i - 1].row),
                      std::make_pair(fields[i].column, fields[i].row));
        }
    }
}

TEST(CataloguePages, OrdersArePermutationsOfTheFields) {
    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(index);
        const PageRecord& page = *PageAt(index);
        std::vector<int> reading;
        for (const UnitField& field : page.fields) reading.push_back(field.id);
        const std::vector<int> ids = SortedIds(page);
        // A given order differs from the reading order; otherwise it is left empty.
        for (std::span<const int> order : {page.exchangeOrder, page.focusOrder}) {
            if (order.empty()) continue;
            EXPECT_EQ(Sorted(order), ids);
            EXPECT_NE(std::vector<int>(order.begin(), order.end()), reading);
        }
    }
}

TEST(CataloguePages, BaseField) {
    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(index);
        const PageRecord& page = *PageAt(index);
        if (index == kTemperatureIndex) {
            EXPECT_TRUE(page.HasSeparateBase());
            continue;
        }
        const auto base = std::count_if(page.fields.begin(), page.fields.end(),
                                        [&](const UnitField& f) { return f.id == page.baseFieldId; });
        ASSERT_EQ(base, 1);
        for (const UnitField& field : page.fields) {
            if (field.id != page.baseFieldId) continue;
            EXPECT_TRUE(field.input.Steps().empty());
            EXPECT_TRUE(field.output.Steps().empty());
        }
    }
}

TEST(CataloguePages, WidthsDefaultsAndFrames) {
    for (int index = 0; index < kPageCount; ++index) {
        SCOPED_TRACE(index);
        const PageRecord& page = *PageAt(index);
        const bool wide = index == kMultiplierIndex || index == kLargeNumberIndex;
        EXPECT_EQ(page.width, wide ? Width::Double : Width::Single);
        const double defaultBase =
            index == kDataSizeIndex ? 1024 : index == kTemperatureIndex ? 273.15 : 1;
        EXPECT_EQ(page.defaultBase, defaultBase);
        EXPECT_EQ(page.frames.size(), index == kDataSizeIndex ? 2u : 0u);
    }
}

}  // namespace
}  // namespace unitora
