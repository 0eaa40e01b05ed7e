// The fixed page order, written once. Each entry names a page: Name stands
// for its record kNamePage (declared in the group headers below) and, among
// the page windows, for its class CNameDialog. A page's position in the list
// is its page index, the meaning of every tab label's position and of the
// stored tab order.
//
//     #define RECORD(Name) &k##Name##Page,
//     const PageRecord* const pages[] = {UNITORA_FOR_EACH_PAGE(RECORD)};
#pragma once

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

#define UNITORA_FOR_EACH_PAGE(PAGE) \
    PAGE(Multiplier)           /*  0 */ \
    PAGE(DataSize)             /*  1 */ \
    PAGE(Length)               /*  2 */ \
    PAGE(Area)                 /*  3 */ \
    PAGE(Volume)               /*  4 */ \
    PAGE(Speed)                /*  5 */ \
    PAGE(Mass)                 /*  6 */ \
    PAGE(Force)                /*  7 */ \
    PAGE(Pressure)             /*  8 */ \
    PAGE(Temperature)          /*  9 */ \
    PAGE(Energy)               /* 10 */ \
    PAGE(Power)                /* 11 */ \
    PAGE(Torque)               /* 12 */ \
    PAGE(Angle)                /* 13 */ \
    PAGE(AngularVelocity)      /* 14 */ \
    PAGE(Density)              /* 15 */ \
    PAGE(FuelEconomy)          /* 16 */ \
    PAGE(Acceleration)         /* 17 */ \
    PAGE(VolumeFlow)           /* 18 */ \
    PAGE(MassFlow)             /* 19 */ \
    PAGE(Count)                /* 20 */ \
    PAGE(Time)                 /* 21 */ \
    PAGE(ThermalConductivity)  /* 22 */ \
    PAGE(HeatTransfer)         /* 23 */ \
    PAGE(LeakRate)             /* 24 */ \
    PAGE(Viscosity)            /* 25 */ \
    PAGE(KinematicViscosity)   /* 26 */ \
    PAGE(Luminance)            /* 27 */ \
    PAGE(Insolation)           /* 28 */ \
    PAGE(Illuminance)          /* 29 */ \
    PAGE(Capacitance)          /* 30 */ \
    PAGE(Charge)               /* 31 */ \
    PAGE(Conductance)          /* 32 */ \
    PAGE(Current)              /* 33 */ \
    PAGE(ElectricField)        /* 34 */ \
    PAGE(Inductance)           /* 35 */ \
    PAGE(Resistance)           /* 36 */ \
    PAGE(Voltage)              /* 37 */ \
    PAGE(MagneticField)        /* 38 */ \
    PAGE(MagneticFlux)         /* 39 */ \
    PAGE(FluxDensity)          /* 40 */ \
    PAGE(QuantumEnergy)        /* 41 */ \
    PAGE(AbsorbedDose)         /* 42 */ \
    PAGE(Radioactivity)        /* 43 */ \
    PAGE(DoseEquivalent)       /* 44 */ \
    PAGE(LargeNumber)          /* 45 */
