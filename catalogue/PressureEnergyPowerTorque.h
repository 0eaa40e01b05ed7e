// Pressure, energy, power and torque pages.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kPressurePage;
extern const PageRecord kEnergyPage;
extern const PageRecord kPowerPage;
extern const PageRecord kTorquePage;

}  // namespace unitora
