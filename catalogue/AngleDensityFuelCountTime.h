// Angle, angular velocity, density, fuel economy, count and time pages.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kAnglePage;
extern const PageRecord kAngularVelocityPage;
extern const PageRecord kDensityPage;
extern const PageRecord kFuelEconomyPage;
extern const PageRecord kCountPage;
extern const PageRecord kTimePage;

}  // namespace unitora
