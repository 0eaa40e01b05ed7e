// The conversion cycle and the initial display, on the length, area and
// volume pages.
#include <gtest/gtest.h>

#include "LengthAreaVolume.h"
#include "PageTestSupport.h"

namespace unitora {
namespace {

enum Length { km = 1001, m = 1003, cm = 1005, mm = 1006, fm = 1012, shaku = 1014, sun = 1013,
              bu = 1021, ken = 1015, cho = 1025, inch = 1009, ft = 1074, mile = 1078,
              lightYear = 1082 };

TEST(LengthPage, OpensWithOneMetreInEveryUnit) {
    DrivenPage page(kLengthPage);
    ExpectShown(page, {{m, L"1"}, {km, L"0.001"}, {cm, L"100"}, {mm, L"1000"}, {1007, L"1e+006"},
                       {shaku, L"3.3"}, {inch, L"39.3701"}, {mile, L"0.000621371"},
                       {lightYear, L"1.05702e-016"}});
    EXPECT_TRUE(page.prompts.empty());
}

TEST(LengthPage, TypedValuesConvertThroughSinglePrecision) {
    DrivenPage page(kLengthPage);
    page.boxes.Type(km, L"1");
    ExpectShown(page, {{km, L"1"}, {m, L"1000"}, {cm, L"100000"}, {mm, L"1e+006"}, {fm, L"1e+018"},
                       {ken, L"550.001"}, {cho, L"9.16668"}, {inch, L"39370.1"},
                       {lightYear, L"1.05702e-013"}});
    page.boxes.Type(sun, L"3");
    ExpectShown(page, {{shaku, L"0.3"}, {bu, L"30"}, {ken, L"0.05"}, {m, L"0.090909"},
                       {ft, L"0.298258"}});
}

TEST(LengthPage, TheBaseBoxIsRewrittenFromItsStoredSingle) {
    DrivenPage page(kLengthPage);
    page.boxes.Type(m, L"1234567");
    EXPECT_EQ(page.model.BaseValue(), 1234567.0);
    ExpectShown(page, {{m, L"1.23457e+006"}, {km, L"1234.57"}, {cm, L"1.23457e+008"}});
    page.boxes.Type(m, L"123456");
    ExpectShown(page, {{m, L"123456"}, {km, L"123.456"}});
}

TEST(LengthPage, TextsStillBeingTypedChangeNothing) {
    DrivenPage page(kLengthPage);
    page.boxes.Type(km, L"");
    page.TypeKeys(km, L"1");
    ExpectShown(page, {{m, L"1000"}, {cm, L"100000"}, {mile, L"0.621371"}});
    page.TypeKeys(km, L".");
    ExpectShown(page, {{km, L"1."}, {m, L"1000"}});
    page.TypeKeys(km, L"5");
    ExpectShown(page, {{km, L"1.5"}, {m, L"1500"}, {cm, L"150000"}, {mm, L"1.5e+006"},
                       {inch, L"59055.1"}, {mile, L"0.932057"}, {lightYear, L"1.58553e-013"}});
    page.TypeKeys(km, L"0");
    ExpectShown(page, {{km, L"1.50"}, {m, L"1500"}});
    page.boxes.Type(km, L"");
    ExpectShown(page, {{km, L""}, {m, L"1500"}, {cm, L"150000"}});
    EXPECT_TRUE(page.prompts.empty());
}

TEST(LengthPage, WriteOutReplacesOnlyTextsThatDiffer) {
    DrivenPage page(kLengthPage);
    page.boxes.Type(km, L"1.5");
    const int kmWrites = page.boxes.Replacements(km);
    const int mWrites = page.boxes.Replacements(m);
    page.boxes.Type(km, L"1.5");
    EXPECT_EQ(page.boxes.Replacements(km), kmWrites);  // typed text already matches
    EXPECT_EQ(page.boxes.Replacements(m), mWrites);    // so does every other box
    page.boxes.Type(km, L"2");
    EXPECT_EQ(page.boxes.Replacements(km), kmWrites);
    EXPECT_EQ(page.boxes.Replacements(m), mWrites + 1);
}

TEST(LengthPage, PastedAndShortFormsAreRewrittenInDisplayForm) {
    DrivenPage page(kLengthPage);
    page.boxes.Type(m, L"1e5");
    ExpectShown(page, {{m, L"100000"}, {km, L"100"}});
    page.boxes.Type(km, L".5");
    ExpectShown(page, {{km, L"0.5"}, {m, L"500"}});
    EXPECT_TRUE(page.prompts.empty());
}

TEST(ReadBackFailure, PromptsOnTheTypedBoxAndConvertsItsLeadingNumber) {
    DrivenPage page(kLengthPage);
    page.boxes.Type(km, L".");
    page.boxes.Type(km, L".0");
    EXPECT_EQ(page.prompts, std::vector<int>{km});
    EXPECT_EQ(page.boxes.FocusedBox(), km);
    ExpectShown(page, {{km, L"0"}, {m, L"0"}, {inch, L"0"}});

    page.prompts.clear();
    page.boxes.Type(km, L"1-");
    EXPECT_EQ(page.prompts, std::vector<int>{km});
    ExpectShown(page, {{km, L"1"}, {m, L"1000"}});

    page.prompts.clear();
    page.boxes.Type(km, L"1.2.3");
    EXPECT_EQ(page.prompts, std::vector<int>{km});
    ExpectShown(page, {{km, L"1.2"}, {m, L"1200"}});
}

TEST(ReadBackFailure, NamesTheFirstUnreadableBoxInExchangeOrder) {
    DrivenPage page(kLengthPage);
    // inch comes after 海里 in the exchange order but before it in reading order.
    page.boxes.Type(inch, L"--1");
    EXPECT_EQ(page.prompts, std::vector<int>{inch});
    ExpectShown(page, {{inch, L"0"}, {m, L"0"}});
    page.prompts.clear();
    page.boxes.Type(1018, L"1-2");
    EXPECT_EQ(page.prompts, std::vector<int>{1018});
    ExpectShown(page, {{1018, L"1"}, {m, L"1852"}});
}

TEST(ReadBackFailure, NegativeZeroPromptsOnTheNextCycle) {
    DrivenPage page(kLengthPage);
    page.boxes.Type(m, L"-00");
    EXPECT_EQ(page.prompts, std::vector<int>{m});
    ExpectShown(page, {{km, L"-0"}, {m, L"-0"}, {cm, L"-0"}});
    page.prompts.clear();
    page.boxes.Type(cm, L"5");
    EXPECT_EQ(page.prompts, std::vector<int>{km});  // first box in exchange order
    ExpectShown(page, {{km, L"5e-005"}, {m, L"0.05"}, {cm, L"5"}});
}

TEST(AreaPage, ConvertsTsuboAndOverflowsToInfinity) {
    DrivenPage page(kAreaPage);
    page.boxes.Type(1008, L"1");
    ExpectShown(page, {{1003, L"3.30579"}, {1010, L"0.0333332"}, {1084, L"2.13276"},
                       {1009, L"3.30579e+028"}});
    page.boxes.Type(1078, L"400");
    ExpectShown(page, {{1014, L"14399.9"}, {1076, L"14400"}, {1009, L"1.#INF"}});
    EXPECT_TRUE(page.prompts.empty());
    // The next cycle finds "1.#INF" unreadable, prompts there, and rewrites it.
    page.boxes.Type(1003, L"1");
    EXPECT_EQ(page.prompts, std::vector<int>{1009});
    ExpectShown(page, {{1009, L"1e+028"}, {1003, L"1"}});
}

TEST(VolumePage, ConvertsShoAndCubicMetres) {
    DrivenPage page(kVolumePage);
    page.boxes.Type(1009, L"1");
    ExpectShown(page, {{1008, L"10"}, {1016, L"100"}, {1010, L"0.1"}, {1011, L"0.01"},
                       {1003, L"1.8039"}, {1014, L"0.47654"}});
    page.boxes.Type(1001, L"1");
    ExpectShown(page, {{1003, L"1000"}, {1008, L"5543.54"}, {1012, L"6.28981"}});
}

TEST(ParsedInfinity, FillsEveryBoxAndIsReadBackAsANumber) {
    DrivenPage page(kLengthPage);
    page.boxes.Type(km, L"1e400");
    EXPECT_TRUE(page.prompts.empty());  // "1e400" reads back as infinity
    ExpectShown(page, {{km, L"1.#INF"}, {m, L"1.#INF"}, {cm, L"1.#INF"}});
    page.boxes.Type(km, L"1e-400");
    EXPECT_EQ(page.prompts, std::vector<int>{km});
    ExpectShown(page, {{km, L"0"}, {m, L"0"}});
}

}  // namespace
}  // namespace unitora
