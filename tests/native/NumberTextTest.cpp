#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "NumberText.h"

namespace unitora {
namespace {

TEST(IsConvertibleText, RejectsTextsStillBeingTyped) {
    for (const wchar_t* text : {L"", L"-", L"-0", L"1.", L"-0.", L"1.0", L"1.50", L"0.0", L"-.50",
                                L"1.5e10", L"12.30", L"..", L"1.2.0"}) {
        EXPECT_FALSE(IsConvertibleText(text)) << std::wstring(text).size();
    }
}

TEST(IsConvertibleText, AcceptsEveryOtherSurfaceForm) {
    for (const wchar_t* text : {L"0", L"00", L"01", L"10", L"1.5", L"1.05", L".5", L".50", L".0",
                                L"-.5", L"-00", L"1e5", L"1.5e1", L"1-2", L"1.2.3", L"abc", L" ",
                                L"100", L"-10"}) {
        EXPECT_TRUE(IsConvertibleText(text)) << std::wstring(text).size();
    }
}

struct ParseCase {
    const wchar_t* text;
    double expected;
};

TEST(ParseValue, TakesTheLongestLeadingNumber) {
    const ParseCase cases[] = {
        {L"1-2", 1},           {L"1.2.3", 1.2},      {L"--1", 0},        {L".0", 0},
        {L"  7", 7},           {L"\t\t+5", 5},       {L"3abc", 3},       {L"1e", 1},
        {L"1e+", 1},           {L"1E-2x", 0.01},     {L".5", 0.5},       {L"-.5e1", -5},
        {L"0x10", 0},          {L"inf", 0},          {L"nan", 0},        {L".e5", 0},
        {L"", 0},              {L"\n5", 0},          {L"1.5E2", 150},    {L"007.50", 7.5},
        {L"1 2", 1},           {L"+-1", 0},          {L"1e2e3", 100},    {L"0.000001", 1e-06},
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(ParseValue(c.text), c.expected) << std::wstring(c.text).size();
    }
}

TEST(ParseValue, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(ParseValue(L"-00")));
    EXPECT_TRUE(std::signbit(ParseValue(L"-0.0e5")));
    EXPECT_FALSE(std::signbit(ParseValue(L"-")));
    EXPECT_FALSE(std::signbit(ParseValue(L"00")));
}

TEST(ParseValue, RoundsCorrectlyAndSaturates) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ParseValue(L"1e400"), inf);
    EXPECT_EQ(ParseValue(L"-1e400"), -inf);
    EXPECT_EQ(ParseValue(L"1e99999999999999999999999"), inf);
    EXPECT_EQ(ParseValue(L"1e-400"), 0.0);
    EXPECT_EQ(ParseValue(L"0e99999999"), 0.0);
    EXPECT_EQ(ParseValue(L"1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(ParseValue(L"1.7976931348623159e308"), inf);
    EXPECT_EQ(ParseValue(L"4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(ParseValue(L"2.4703282292062328e-324"), std::numeric_limits<double>::denorm_min());
    // Halfway between two doubles: ties to even, unless any later digit is set.
    EXPECT_EQ(ParseValue(L"9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(ParseValue(L"9007199254740993.000000000000000000000000000001"), 9007199254740994.0);
    EXPECT_EQ(ParseValue(L"0.1000000000000000055511151231257827021181583404541015625"), 0.1);
}

TEST(ParseValue, HandlesHugeTexts) {
    // 5000 leading zeros and digits beyond any that matter still convert exactly.
    EXPECT_EQ(ParseValue(std::wstring(5000, L'0') + L"12.5"), 12.5);
    EXPECT_EQ(ParseValue(L"0." + std::wstring(5000, L'0') + L"1e5001"), 1.0);
    std::wstring big = L"9007199254740993";
    big += std::wstring(3000, L'0');
    big += L"1e-3001";
    EXPECT_EQ(ParseValue(big), 9007199254740994.0);
    EXPECT_EQ(ParseValue(std::wstring(100000, L'9')), std::numeric_limits<double>::infinity());
}

TEST(ReadBackValue, AcceptsWholeNumbersWithBlanks) {
    double value = -1;
    ASSERT_TRUE(ReadBackValue(L"  12\t ", value));
    EXPECT_EQ(value, 12);
    ASSERT_TRUE(ReadBackValue(L"0", value));
    EXPECT_EQ(value, 0);
    ASSERT_TRUE(ReadBackValue(L"0e-400", value));
    EXPECT_EQ(value, 0);
    ASSERT_TRUE(ReadBackValue(L"1e400", value));
    EXPECT_TRUE(std::isinf(value));
    ASSERT_TRUE(ReadBackValue(L"1e-320", value));
    EXPECT_GT(value, 0);
    ASSERT_TRUE(ReadBackValue(L"-1.5e+006", value));
    EXPECT_EQ(value, -1.5e6);
}

TEST(ReadBackValue, RejectsTextsThatAreNotOneNumber) {
    for (const wchar_t* text : {L"1-2", L"1.2.3", L"--1", L".0", L".00", L"-00", L"-0", L"1.#INF",
                                L"-1.#INF", L"1e-400", L"", L"  ", L"abc", L"12 3", L"1,5", L"1e",
                                L"0x5", L"\n1"}) {
        double value = 42;
        EXPECT_FALSE(ReadBackValue(text, value)) << std::wstring(text).size();
        EXPECT_EQ(value, 42);
    }
}

}  // namespace
}  // namespace unitora
