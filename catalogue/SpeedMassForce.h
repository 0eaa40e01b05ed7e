// Speed, mass, force and acceleration pages.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kSpeedPage;
extern const PageRecord kMassPage;
extern const PageRecord kForcePage;
extern const PageRecord kAccelerationPage;

}  // namespace unitora
