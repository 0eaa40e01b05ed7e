// The data-size page: bits, bytes, packets and 1024- and 1000-based multiples.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kDataSizePage;

}  // namespace unitora
