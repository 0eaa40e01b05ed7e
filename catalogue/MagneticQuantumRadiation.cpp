#include "MagneticQuantumRadiation.h"

namespace unitora {
namespace {

constexpr UnitField kMagneticFieldFields[] = {
    {1001, L"AT/m", 1, 1, kItself, kItself},
    {1003, L"esu", 1, 2, 2.654418699999997e-09, 376730317.639791},
    {1005, L"Oe(エルステッド)", 1, 3, 79.57747200000003, 0.0125663705426581},
};

constexpr UnitField kMagneticFluxFields[] = {
    {1001, L"Wb(ウェーバー)", 1, 1, kItself, kItself},
    {1003, L"erg/statamp(esu)", 1, 2, 299.79245800000007, 0.00333564095198152},
    {1005, L"Mx(emu gauss)(マクスウェル)", 1, 3, 1e-08, 100000000.0f},
    {1006, L"磁極単位", 1, 4, 1.2566369999999995e-07, 7957747.54364228},
};

constexpr UnitField kFluxDensityFields[] = {
    {1001, L"T(テスラ)", 1, 1, kItself, kItself},
    {1003, L"γ", 1, 2, 1e-09, 1000000000.0f},
    {1005, L"G(emu)(ガウス)", 1, 3, 0.0001, 10000.0f},
    {1006, L"dyn/(statamp cm)", 1, 4, 2997924.5800000005, 3.33564095198152e-07},
    // The atomic unit of field in Gaussian units, e/a0² (the SI one, ħ/(e·a0²), is 235052 T).
    {1007, L"H0(原子物理単位)", 1, 5, 1715.2700000000002, 0.000582998594973386},
};

constexpr UnitField kQuantumEnergyFields[] = {
    {1001, L"J/mol", 1, 1, kItself, kItself},
    {1003, L"cal/mol", 1, 2, 4.186049999999995, 0.238888689814981},
    {1005, L"ev", 1, 3, 96485.30899999964, 1.03642721401245e-05},
    {1006, L"erg", 1, 4, 6.022136699999996e+16, 1.66054018667494e-17},
    {1007, L"1/cm", 1, 5, 11.96265799999999, 0.0835934622556292},
    {1008, L"1/mm", 2, 1, 119.6265799999999, 0.008359346225562921},
    {1010, L"Hz", 2, 2, 3.990313229999993e-10, 2506068928.32822},
    {1011, L"K", 2, 3, 8.314509999999968, 0.1202716696474},
    {1012, L"G", 2, 4, 0.0005584938899999993, 1790.52988386319},
};

constexpr UnitField kAbsorbedDoseFields[] = {
    {1001, L"Gy(J/kg)(グレイ)", 1, 1, kItself, kItself},
    {1003, L"rad(ラド)", 1, 2, 0.01, 100.0f},
};

constexpr UnitField kRadioactivityFields[] = {
    {1001, L"Bq(1/Sec)(ベクレル)", 1, 1, kItself, kItself},
    {1003, L"Ci(キュリー)", 1, 2, 37000000000.00004, 2.7027027027027e-11},
    {1005, L"rutherford(ラザフォード)", 1, 3, 1000000, 1e-06},
    {1006, L"dps", 1, 4, kItself, kItself},
    {1007, L"dpm", 1, 5, 0.016666666666666666, 60.0f},
};

constexpr UnitField kDoseEquivalentFields[] = {
    {1001, L"Sv(J/kg)(シーベルト)", 1, 1, kItself, kItself},
    {1003, L"rem(レム)", 1, 2, 0.01, 100.0f},
    {1005, L"年間被爆許容量(パリ協定)", 1, 3, 0.001, 1000.0f},
};

}  // namespace

const PageRecord kMagneticFieldPage{L"磁界", 145, Width::Single, 1001, 1, kMagneticFieldFields,
                                    {}, {}};
const PageRecord kMagneticFluxPage{L"磁束", 146, Width::Single, 1001, 1, kMagneticFluxFields, {}, {}};
const PageRecord kFluxDensityPage{L"磁束密度", 147, Width::Single, 1001, 1, kFluxDensityFields, {}, {}};
const PageRecord kQuantumEnergyPage{L"量子力学的エネルギー", 148, Width::Single, 1001, 1, kQuantumEnergyFields,
                                    {}, {}};
const PageRecord kAbsorbedDosePage{L"吸収線量", 149, Width::Single, 1001, 1, kAbsorbedDoseFields,
                                   {}, {}};
const PageRecord kRadioactivityPage{L"放射能", 150, Width::Single, 1001, 1, kRadioactivityFields,
                                    {}, {}};
const PageRecord kDoseEquivalentPage{L"線量当量", 151, Width::Single, 1001, 1, kDoseEquivalentFields,
                                     {}, {}};

}  // namespace unitora
