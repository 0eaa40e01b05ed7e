#include "LargeNumber.h"

namespace unitora {
namespace {

// Same control IDs in the same places as the multiplier page. The output
// factors of 杼, 穣, 溝, 阿僧祇 and 那由他 lie one step of the double grid off
// the nearest double to their power of ten; they are used as stored.
constexpr UnitField kLargeNumberFields[] = {
    {1020, L"一", 1, 1, kItself, kItself},
    {1021, L"十", 1, 2, 10, 0.1},
    {1001, L"百", 1, 3, 100, 0.01},
    {1003, L"千", 1, 4, 1000, 0.001},
    {1005, L"万", 1, 5, 10000, 0.0001},
    {1006, L"億", 1, 6, 100000000, 1e-08},
    {1007, L"兆", 1, 7, 1000000000000, 1e-12},
    {1008, L"京", 2, 1, 1e+16, 1e-16},
    {1010, L"垓", 2, 2, 1e+20, 1e-20},
    {1025, L"杼", 2, 3, 1e+24, 1.0000000000000001e-24},
    {1011, L"穣", 2, 4, 1e+28, 1.0000000000000001e-28},
    {1012, L"溝", 2, 5, 1e+32, 9.999999999999999e-33},
    {1013, L"澗", 2, 6, 1e+36, 1e-36},
    {1014, L"正", 2, 7, 1e+40, 1e-40},
    {1015, L"載", 3, 1, 1e+44, 1e-44},
    {1016, L"極", 3, 2, 1e+48, 1e-48},
    {1018, L"恒河沙", 3, 3, 1e+52, 1e-52},
    {1009, L"阿僧祇", 3, 4, 1e+56, 9.999999999999999e-57},
    {1074, L"那由他", 3, 5, 1e+60, 1.0000000000000001e-60},
    {1029, L"不可思議", 3, 6, 1e+64, 1e-64},
    {1076, L"無量大数", 3, 7, 1e+68, 1e-68},
};

}  // namespace

const PageRecord kLargeNumberPage{L"大数", 159, Width::Double, 1020, 1, kLargeNumberFields, {}, {}};

}  // namespace unitora
