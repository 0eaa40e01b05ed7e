// Electric pages: capacitance, charge, conductance, current, electric field,
// inductance, resistance and voltage.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kCapacitancePage;
extern const PageRecord kChargePage;
extern const PageRecord kConductancePage;
extern const PageRecord kCurrentPage;
extern const PageRecord kElectricFieldPage;
extern const PageRecord kInductancePage;
extern const PageRecord kResistancePage;
extern const PageRecord kVoltagePage;

}  // namespace unitora
