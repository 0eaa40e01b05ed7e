// The large-number page: the Japanese names of the powers of ten, in double
// precision.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kLargeNumberPage;

}  // namespace unitora
