#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "DisplayFormat.h"

namespace unitora {
namespace {

struct FormatCase {
    double value;
    const wchar_t* expected;
};

void ExpectFormats(DisplayPrecision precision, std::initializer_list<FormatCase> cases) {
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatDisplay(c.value, precision), c.expected) << c.value;
    }
}

TEST(DisplayFormat, SingleFieldsShowSixDigitsWithTiesAwayFromZero) {
    ExpectFormats(DisplayPrecision::Single, {
        {0.9765625, L"0.976563"},   {123456.5, L"123457"},     {-123456.5, L"-123457"},
        {1.015625, L"1.01563"},     {1000, L"1000"},           {1.5, L"1.5"},
        {100000, L"100000"},        {999999.5, L"1e+006"},     {1234567, L"1.23457e+006"},
        {0.0001, L"0.0001"},        {0.00001, L"1e-005"},      {0.000123456, L"0.000123456"},
        {0.0001234565, L"0.000123457"}, {1e18, L"1e+018"},     {-2.5e-7, L"-2.5e-007"},
        {static_cast<float>(0.001), L"0.001"}, {static_cast<float>(39.3700787401575), L"39.3701"},
    });
}

TEST(DisplayFormat, ExponentsHaveSignAndThreeDigits) {
    ExpectFormats(DisplayPrecision::Double, {
        {1e100, L"1e+100"},  {1e-100, L"1e-100"},  {1.5e300, L"1.5e+300"},
        {1e15, L"1e+015"},   {1e-5, L"1e-005"},    {std::numeric_limits<double>::max(), L"1.79769313486232e+308"},
    });
}

TEST(DisplayFormat, DoubleFieldsShowFifteenDigits) {
    ExpectFormats(DisplayPrecision::Double, {
        {123456789012345678.0, L"1.23456789012346e+017"}, {123456789012345.0, L"123456789012345"},
        {0.1, L"0.1"},            {1.0 / 3, L"0.333333333333333"}, {1000000000000.0, L"1000000000000"},
        {0.0007, L"0.0007"},      {7e-5, L"7e-005"},              {12.3456789012346, L"12.3456789012346"},
    });
}

TEST(DisplayFormat, RoundsTheSeventeenDigitFormNotTheExactValue) {
    // Exactly 28.44464177435414950..., whose 17 digits end in ...4150: the
    // cut then rounds up, though the exact value would round down.
    ExpectFormats(DisplayPrecision::Double, {
        {28.44464177435415, L"28.4446417743542"},
        {228.8393450483255, L"228.839345048326"},
        {939.1552478622325, L"939.155247862233"},
    });
}

TEST(DisplayFormat, ShowsZerosInfinitiesAndDenormals) {
    const double inf = std::numeric_limits<double>::infinity();
    for (DisplayPrecision p : {DisplayPrecision::Single, DisplayPrecision::Double}) {
        ExpectFormats(p, {{0.0, L"0"}, {-0.0, L"-0"}, {inf, L"1.#INF"}, {-inf, L"-1.#INF"}});
    }
    const double denormal = std::numeric_limits<double>::denorm_min();
    ExpectFormats(DisplayPrecision::Single, {{denormal, L"4.94066e-324"}});
    ExpectFormats(DisplayPrecision::Double, {{denormal, L"4.94065645841247e-324"},
                                             {-2.2250738585072014e-308, L"-2.2250738585072e-308"}});
}

TEST(DisplayFormat, NeverExceedsTheLongestText) {
    char buffer[kMaxDisplayLength];
    EXPECT_EQ(FormatDisplay(-1.2345678901234567e-308, DisplayPrecision::Double, buffer),
              kMaxDisplayLength);
}

}  // namespace
}  // namespace unitora
