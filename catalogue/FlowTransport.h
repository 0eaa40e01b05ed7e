// Flow and transport pages: volumetric and mass flow, thermal conductivity,
// heat transfer, leak rate, viscosity and kinematic viscosity.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kVolumeFlowPage;
extern const PageRecord kMassFlowPage;
extern const PageRecord kThermalConductivityPage;
extern const PageRecord kHeatTransferPage;
extern const PageRecord kLeakRatePage;
extern const PageRecord kViscosityPage;
extern const PageRecord kKinematicViscosityPage;

}  // namespace unitora
