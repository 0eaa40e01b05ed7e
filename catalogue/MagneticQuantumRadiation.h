// Magnetic field, magnetic flux, flux density, quantum-mechanical energy,
// absorbed dose, radioactivity and dose equivalent pages.
#pragma once

#include "PageRecord.h"

namespace unitora {

extern const PageRecord kMagneticFieldPage;
extern const PageRecord kMagneticFluxPage;
extern const PageRecord kFluxDensityPage;
extern const PageRecord kQuantumEnergyPage;
extern const PageRecord kAbsorbedDosePage;
extern const PageRecord kRadioactivityPage;
extern const PageRecord kDoseEquivalentPage;

}  // namespace unitora
