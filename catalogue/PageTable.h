// The fixed page order: page index -> the page's record. The index is the
// meaning of every tab label's position and of the stored tab order.
#pragma once

#include "PageRecord.h"

namespace unitora {

constexpr int kPageCount = 46;

// The record of page index, or null for an index outside 0..45.
const PageRecord* PageAt(int index);

}  // namespace unitora
