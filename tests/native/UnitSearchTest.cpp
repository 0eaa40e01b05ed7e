// Finding a unit: how a query is folded and split, and which units it finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PageTable.h"
#include "UnitReadings.h"
#include "UnitSearch.h"

namespace unitora {
namespace {

TEST(ParseUnitQuery, FoldsTheTextAndSplitsOffTheLeadingNumberInItsPlainText) {
    struct Case {
        const wchar_t* query;
        const wchar_t* number;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"PSI", L"", L"psi"},
        {L"ｐｓｉ", L"", L"psi"},
        {L"ｶﾞﾙ", L"", L"ガル"},
        {L"がる", L"", L"ガル"},
        {L"ﾊﾟｽｶﾙ･ｳﾞ", L"", L"パスカル・ヴ"},
        {L"ΩµÅ", L"", L"ωμå"},
        {L"  psi ", L"", L"psi"},
        {L"12 psi", L"12", L"psi"},
        {L"-40　華氏", L"-40", L"華氏"},
        {L"１．５  ｋｍ", L"1.5", L"km"},
        {L"12", L"12", L""},
        {L"12psi", L"12", L"psi"},
        {L"１２ｐｓｉ", L"12", L"psi"},
        {L"1e3 psi", L"1e3", L"psi"},
        {L"1.50 psi", L"1.5", L"psi"},
        {L"1,000ft", L"1000", L"ft"},
        {L"ー40 華氏", L"-40", L"華氏"},
        {L"2erg", L"2", L"erg"},
        {L"1/cm", L"", L"1/cm"},          // a fraction
        {L"1-2 km", L"", L"1-2 km"},      // not a number
        {L"12,34 ft", L"", L"12,34 ft"},  // not a grouping
    };
    for (const Case& c : cases) {
        const UnitQuery query = ParseUnitQuery(c.query);
        EXPECT_EQ(query.number, c.number) << testing::PrintToString(std::wstring(c.query));
        EXPECT_EQ(query.text, c.text) << testing::PrintToString(std::wstring(c.query));
    }
}

TEST(FindUnits, MatchesLabelsAndTabLabelsOfTheGivenPagesInTheirOrder) {
    std::vector<int> everyPage;
    for (int page = 0; page < kPageCount; ++page) everyPage.push_back(page);
    struct Case {
        const wchar_t* query;
        std::vector<int> pages;
        std::vector<std::wstring> rows;
    };
    const Case cases[] = {
        {L"PSI", everyPage, {L"psi(ポンド毎平方インチ) — 圧力"}},
        {L"ｶﾞﾙ", everyPage, {L"gal（ガル、ガリレオ） — 加速度"}},
        {L"-40 華氏", everyPage, {L"゜Ｆ（華氏度） — 温度", L"R（ランキン（絶対華氏）） — 温度"}},
        {L"いんだくたんす",
         everyPage,
         {L"H(ヘンリー) — インダクタンス", L"abhenry(emu gauss) — インダクタンス",
          L"stathenry(esu) — インダクタンス"}},
        {L"RAD", {42, 13}, {L"rad(ラド) — 吸収線量", L"rad（ラジアン） — 角度", L"Grad（グラード） — 角度"}},
        {L"psi", {0, 2, 45}, {}},
        {L"°F", everyPage, {L"゜Ｆ（華氏度） — 温度"}},
        {L"℉", everyPage, {L"゜Ｆ（華氏度） — 温度"}},
        {L"˚C（摂氏", everyPage, {L"℃（摂氏度） — 温度"}},
        {L"つぼ", everyPage, {L"坪 — 面積"}},
        {L"1e3 ナユタ", everyPage, {L"那由他 — 大数"}},
        {L"ふん", everyPage, {L"分 — 角度", L"時計分針 — 角速度"}},
        {L"12", everyPage, {}},
        {L"12 ", everyPage, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> rows;
        for (const UnitRef unit : FindUnits(ParseUnitQuery(c.query), c.pages)) rows.push_back(UnitRowText(unit));
        EXPECT_EQ(rows, c.rows) << testing::PrintToString(std::wstring(c.query));
    }
}

bool IsKanji(wchar_t c) { return (c >= 0x4E00 && c <= 0x9FFF) || c == 0x3005; }
bool IsKana(wchar_t c) { return c >= 0x3041 && c <= 0x30FF; }

// A unit named in kanji alone (a note in brackets aside) has a reading,
// unless its label gives one; a reading is hiragana, for a kanji name.
TEST(UnitReading, EveryUnitNamedInKanjiAloneCanBeFoundByItsReading) {
    for (int page = 0; page < kPageCount; ++page) {
        for (const UnitField& field : PageAt(page)->fields) {
            const std::wstring label = field.label;
            const std::wstring name = label.substr(0, label.find_first_of(L"(（"));
            const bool kanjiName = !name.empty() && std::ranges::all_of(name, IsKanji);
            const wchar_t* reading = UnitReading(*PageAt(page), field.id);
            SCOPED_TRACE(testing::PrintToString(label));
            if (kanjiName && std::ranges::none_of(label, IsKana)) {
                EXPECT_NE(reading, nullptr);
            }
            if (reading != nullptr) {
                EXPECT_TRUE(kanjiName);
                EXPECT_TRUE(std::ranges::all_of(std::wstring_view(reading), [](wchar_t c) {
                    return (c >= 0x3041 && c <= 0x3096) || c == L'、' || c == L'(' || c == L')';
                }));
            }
        }
    }
}

}  // namespace
}  // namespace unitora
