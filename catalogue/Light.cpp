#include "Light.h"

namespace unitora {
namespace {

constexpr UnitField kLuminanceFields[] = {
    {1001, L"cd/m2(カンデラ毎m2)", 1, 1, kItself, kItself},
    {1003, L"footlambert", 1, 2, 3.426258999999996, 0.291863516447531},
    {1005, L"ランバート", 1, 3, 3183.098800000002, 0.000314159271462136},
    {1006, L"sb(スチルブ)", 1, 4, 10000, 0.0001},
    {1007, L"asb", 1, 5, 0.318309886183791, 3.14159265358979},
};

constexpr UnitField kInsolationFields[] = {
    {1001, L"J/m2(Ws/m2)", 1, 1, kItself, kItself},
    {1003, L"J/cm2", 1, 2, 10000, 0.0001},
    {1005, L"erg/m2", 1, 3, 1e-07, 10000000.0f},
    {1006, L"cal/m2", 1, 4, 4.179999999999993, 0.239234449760766},
    {1007, L"Ly(ラングレー)", 1, 5, 41799.99999999992, 2.39234449760766e-05},
};

constexpr UnitField kIlluminanceFields[] = {
    {1001, L"lm/m2(ルーメン毎平米)", 1, 1, kItself, kItself},
    {1003, L"lx(ルクス)", 1, 2, kItself, kItself},
    {1005, L"footcandle", 1, 3, 10.763909999999996, 0.0929030435966113},
    {1006, L"phot", 1, 4, 10000, 0.0001},
};

}  // namespace

const PageRecord kLuminancePage{L"輝度", 134, Width::Single, 1001, 1, kLuminanceFields, {}, {}};
const PageRecord kInsolationPage{L"日照量", 135, Width::Single, 1001, 1, kInsolationFields, {}, {}};
const PageRecord kIlluminancePage{L"照度", 136, Width::Single, 1001, 1, kIlluminanceFields, {}, {}};

}  // namespace unitora
