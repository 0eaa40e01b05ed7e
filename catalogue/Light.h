// Luminance, insolation and illuminance pages.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kLuminancePage;
extern const PageRecord kInsolationPage;
extern const PageRecord kIlluminancePage;

}  // namespace unitora
