// The multiplier page: a number under every SI prefix, in double precision.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kMultiplierPage;

}  // namespace unitora
