// Length, area and volume pages.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kLengthPage;
extern const PageRecord kAreaPage;
extern const PageRecord kVolumePage;

}  // namespace unitora
