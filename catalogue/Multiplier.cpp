#include "Multiplier.h"

namespace unitora {
namespace {

// The unprefixed number (1011) is the base field and has no label. The input
// factors of Y, Z, E, P, G and y lie one step of the double grid off the
// nearest double to their power of ten; they are used as stored.
constexpr UnitField kMultiplierFields[] = {
    {1020, L"Y(ヨタ)", 1, 1, 1.0000000000000001e+24, 1e-24},
    {1021, L"Z(ゼタ)", 1, 2, 1.0000000000000001e+21, 1e-21},
    {1001, L"E(エクサ)", 1, 3, 9.999999999999999e+17, 1e-18},
    {1003, L"P(ペタ)", 1, 4, 999999999999999.9, 1e-15},
    {1005, L"T(テラ)", 1, 5, 1000000000000, 1e-12},
    {1006, L"G(ギガ)", 1, 6, 999999999.9999999, 1e-09},
    {1007, L"M(メガ)", 1, 7, 1000000, 1e-06},
    {1008, L"K(キロ)", 2, 1, 1000, 0.001},
    {1010, L"h(ヘクト)", 2, 2, 100, 0.01},
    {1025, L"d(デカ)", 2, 3, 10, 0.1},
    {1011, L"", 2, 4, kItself, kItself},
    {1012, L"d(デシ)", 2, 5, 0.1, 10},
    {1013, L"c(センチ)", 2, 6, 0.01, 100},
    {1014, L"m(ミリ)", 2, 7, 0.001, 1000},
    {1015, L"μ(マイクロ)", 3, 1, 1e-06, 1000000},
    {1016, L"n(ナノ)", 3, 2, 1e-09, 1000000000},
    {1018, L"p(ピコ)", 3, 3, 1e-12, 1000000000000},
    {1009, L"f(フェムト)", 3, 4, 1e-15, 1000000000000000},
    {1074, L"a(アト)", 3, 5, 1e-18, 1e+18},
    {1029, L"z(ゼプト)", 3, 6, 1e-21, 1e+21},
    {1076, L"y(ヨクト)", 3, 7, 1.0000000000000001e-24, 1e+24},
};
constexpr int kMultiplierExchange[] = {1001, 1003, 1005, 1006, 1007, 1008, 1010, 1011, 1012, 1013,
                                       1014, 1015, 1016, 1018, 1009, 1074, 1020, 1021, 1025, 1029,
                                       1076};

}  // namespace

const PageRecord kMultiplierPage{L"乗数", 124, Width::Double, 1011, 1, kMultiplierFields,
                                 kMultiplierExchange, {}};

}  // namespace unitora
