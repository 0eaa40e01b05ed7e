// The temperature page: kelvin, Celsius, Fahrenheit and Rankine.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kTemperaturePage;

}  // namespace unitora
