#include "PageTable.h"

#include "AngleDensityFuelCountTime.h"
#include "DataSize.h"
#include "Electric.h"
#include "FlowTransport.h"
#include "LargeNumber.h"
#include "LengthAreaVolume.h"
#include "Light.h"
#include "MagneticQuantumRadiation.h"
#include "Multiplier.h"
#include "PressureEnergyPowerTorque.h"
#include "SpeedMassForce.h"
#include "Temperature.h"

namespace unitora {
namespace {

const PageRecord* const kPages[kPageCount] = {
    &kMultiplierPage,          // 0
    &kDataSizePage,            // 1
    &kLengthPage,              // 2
    &kAreaPage,                // 3
    &kVolumePage,              // 4
    &kSpeedPage,               // 5
    &kMassPage,                // 6
    &kForcePage,               // 7
    &kPressurePage,            // 8
    &kTemperaturePage,         // 9
    &kEnergyPage,              // 10
    &kPowerPage,               // 11
    &kTorquePage,              // 12
    &kAnglePage,               // 13
    &kAngularVelocityPage,     // 14
    &kDensityPage,             // 15
    &kFuelEconomyPage,         // 16
    &kAccelerationPage,        // 17
    &kVolumeFlowPage,          // 18
    &kMassFlowPage,            // 19
    &kCountPage,               // 20
    &kTimePage,                // 21
    &kThermalConductivityPage, // 22
    &kHeatTransferPage,        // 23
    &kLeakRatePage,            // 24
    &kViscosityPage,           // 25
    &kKinematicViscosityPage,  // 26
    &kLuminancePage,           // 27
    &kInsolationPage,          // 28
    &kIlluminancePage,         // 29
    &kCapacitancePage,         // 30
    &kChargePage,              // 31
    &kConductancePage,         // 32
    &kCurrentPage,             // 33
    &kElectricFieldPage,       // 34
    &kInductancePage,          // 35
    &kResistancePage,          // 36
    &kVoltagePage,             // 37
    &kMagneticFieldPage,       // 38
    &kMagneticFluxPage,        // 39
    &kFluxDensityPage,         // 40
    &kQuantumEnergyPage,       // 41
    &kAbsorbedDosePage,        // 42
    &kRadioactivityPage,       // 43
    &kDoseEquivalentPage,      // 44
    &kLargeNumberPage,         // 45
};

}  // namespace

const PageRecord* PageAt(int index) {
    if (index < 0 || index >= kPageCount) return nullptr;
    return kPages[index];
}

}  // namespace unitora
