#include "Temperature.h"

namespace unitora {
namespace {

// The base value is a separate double in kelvin, so a typed temperature
// reaches the other fields unrounded and Recalculate writes all four fields,
// kelvin included. Fahrenheit and Rankine both start from base x 1.8.
constexpr UnitField kTemperatureFields[] = {
    {1001, L"K（ケルビン（絶対摂氏））", 1, 1, kItself, kItself},
    {1003, L"℃（摂氏度）", 1, 2, Plus(273.15), Minus(273.15)},
    {1005, L"゜Ｆ（華氏度）", 1, 3,
     Conversion{Minus(32), Times(0.5555555555555556), Plus(273.15)},
     Conversion{Times(1.8), Minus(459.67)}},
    {1006, L"R（ランキン（絶対華氏））", 1, 4, 0.5555555555555556, 1.8},
};

}  // namespace

const PageRecord kTemperaturePage{L"温度", 114, Width::Single, 0, 273.15, kTemperatureFields, {}, {}};

}  // namespace unitora
