#include "Electric.h"

namespace unitora {
namespace {

constexpr UnitField kCapacitanceFields[] = {
    {1001, L"F(ファラッド)", 1, 1, kItself, kItself},
    {1003, L"abfarad(emu)", 1, 2, 999999999.9999999, 1e-09},
    {1005, L"statfarad(esu gauss)", 1, 3, 1.1126499999999995e-12, 898755224014.74},
};

constexpr UnitField kChargeFields[] = {
    {1001, L"C(クーロン)", 1, 1, kItself, kItself},
    {1003, L"ファラデー", 1, 2, 96521.89999999973, 1.03603430931219e-05},
    {1005, L"ファラデー(炭素12)", 1, 3, 96484.5600000004, 1.03643525969336e-05},
    {1006, L"abcoulomb(emu)", 1, 4, 10, 0.1},
    {1007, L"statcoulomb(esu gauss)", 1, 5, 3.3356410000000036e-10, 2997924536.84314},
    {1008, L"e(単位電荷)", 1, 6, 1.6021800000000007e-19, 6.24149596175211e+18},
};

constexpr UnitField kConductanceFields[] = {
    {1001, L"S(ジーメンス)", 1, 1, kItself, kItself},
    {1003, L"abmho(emu)", 1, 2, 999999999.9999999, 1e-09},
    {1005, L"statmho", 1, 3, 1.1126499999999995e-12, 898755224014.74},
};

constexpr UnitField kCurrentFields[] = {
    {1001, L"A(アンペア)", 1, 1, kItself, kItself},
    {1003, L"abampare(emu)", 1, 2, 10, 0.1},
    {1005, L"statampare(esu gauss)", 1, 3, 3.3356410000000036e-10, 2997924536.84314},
};

constexpr UnitField kElectricFieldFields[] = {
    {1001, L"V/m", 1, 1, kItself, kItself},
    {1003, L"statvolt/cm", 1, 2, 29979.245800000008, 3.33564095198152e-05},
    {1005, L"abvolt/cm(emu)", 1, 3, 1e-06, 1000000.0f},
};

constexpr UnitField kInductanceFields[] = {
    {1001, L"H(ヘンリー)", 1, 1, kItself, kItself},
    {1003, L"abhenry(emu gauss)", 1, 2, 1e-09, 1000000000.0f},
    {1005, L"stathenry(esu)", 1, 3, 898755499999.9968, 1.11264965833311e-12},
};

constexpr UnitField kResistanceFields[] = {
    {1001, L"Ω(オーム)", 1, 1, kItself, kItself},
    {1003, L"abohm(emu)", 1, 2, 1e-09, 1000000000.0f},
    {1005, L"statohm(esu gauss)", 1, 3, 898755499999.9968, 1.11264965833311e-12},
};

constexpr UnitField kVoltageFields[] = {
    {1001, L"V(ボルト)", 1, 1, kItself, kItself},
    {1003, L"abvolt(emu)", 1, 2, 1e-08, 100000000.0f},
    {1005, L"statvolt(esu gauss)", 1, 3, 299.7925000000002, 0.00333564048466856},
    {1006, L"U0(atomic unit)", 1, 4, 27.211609999999975, 0.0367490199955093},
};

}  // namespace

const PageRecord kCapacitancePage{L"静電容量", 137, Width::Single, 1001, 1, kCapacitanceFields, {}, {}};
const PageRecord kChargePage{L"電荷", 138, Width::Single, 1001, 1, kChargeFields, {}, {}};
const PageRecord kConductancePage{L"伝導度", 139, Width::Single, 1001, 1, kConductanceFields, {}, {}};
const PageRecord kCurrentPage{L"電流", 140, Width::Single, 1001, 1, kCurrentFields, {}, {}};
const PageRecord kElectricFieldPage{L"電界", 141, Width::Single, 1001, 1, kElectricFieldFields,
                                    {}, {}};
const PageRecord kInductancePage{L"インダクタンス", 142, Width::Single, 1001, 1, kInductanceFields,
                                 {}, {}};
const PageRecord kResistancePage{L"抵抗", 143, Width::Single, 1001, 1, kResistanceFields, {}, {}};
const PageRecord kVoltagePage{L"電圧", 144, Width::Single, 1001, 1, kVoltageFields, {}, {}};

}  // namespace unitora
