// Finding a unit: how a query is folded and split, and which units it finds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PageTable.h"
#include "UnitSearch.h"

namespace unitora {
namespace {

TEST(ParseUnitQuery, FoldsTheTextAndSplitsOffANumberTheBoxAccepts) {
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
        {L"1. km", L"", L"1. km"},    // still being typed
        {L"1-2 km", L"", L"1-2 km"},  // not a number to the box
        {L"1e5 km", L"", L"1e5 km"},  // not typeable into the box
        {L"1KB", L"", L"1kb"},
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
        {L"12", everyPage, {}},
        {L"12 ", everyPage, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> rows;
        for (const UnitRef unit : FindUnits(ParseUnitQuery(c.query), c.pages)) rows.push_back(UnitRowText(unit));
        EXPECT_EQ(rows, c.rows) << testing::PrintToString(std::wstring(c.query));
    }
}

}  // namespace
}  // namespace unitora
