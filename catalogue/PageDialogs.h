// The 46 page classes: each is a CQuantityDialog showing one record of the
// catalogue (CLengthDialog shows kLengthPage, and so on) and nothing else.
//
// The main window makes its pages with CreatePageObject, in the fixed page
// order of PageTable.h:
//
//     std::unique_ptr<CQuantityDialog> page = CreatePageObject(index, this);
//     page->CreateFromTemplate();  // the page's window, a child of this window
//
// and then only moves, shows and hides the page's window. It keeps the
// objects as long as its own window lives.
#pragma once

#include <memory>

#include "QuantityDialog.h"

// Every page by its name: Name stands for the class CNameDialog and its
// record kNamePage. Listed in the fixed page order for the reader;
// CreatePageObject finds a page's class by its record.
#define UNITORA_FOR_EACH_PAGE(PAGE) \
    PAGE(Multiplier)                \
    PAGE(DataSize)                  \
    PAGE(Length)                    \
    PAGE(Area)                      \
    PAGE(Volume)                    \
    PAGE(Speed)                     \
    PAGE(Mass)                      \
    PAGE(Force)                     \
    PAGE(Pressure)                  \
    PAGE(Temperature)               \
    PAGE(Energy)                    \
    PAGE(Power)                     \
    PAGE(Torque)                    \
    PAGE(Angle)                     \
    PAGE(AngularVelocity)           \
    PAGE(Density)                   \
    PAGE(FuelEconomy)               \
    PAGE(Acceleration)              \
    PAGE(VolumeFlow)                \
    PAGE(MassFlow)                  \
    PAGE(Count)                     \
    PAGE(Time)                      \
    PAGE(ThermalConductivity)       \
    PAGE(HeatTransfer)              \
    PAGE(LeakRate)                  \
    PAGE(Viscosity)                 \
    PAGE(KinematicViscosity)        \
    PAGE(Luminance)                 \
    PAGE(Insolation)                \
    PAGE(Illuminance)               \
    PAGE(Capacitance)               \
    PAGE(Charge)                    \
    PAGE(Conductance)               \
    PAGE(Current)                   \
    PAGE(ElectricField)             \
    PAGE(Inductance)                \
    PAGE(Resistance)                \
    PAGE(Voltage)                   \
    PAGE(MagneticField)             \
    PAGE(MagneticFlux)              \
    PAGE(FluxDensity)               \
    PAGE(QuantumEnergy)             \
    PAGE(AbsorbedDose)              \
    PAGE(Radioactivity)             \
    PAGE(DoseEquivalent)            \
    PAGE(LargeNumber)

#define UNITORA_DECLARE_PAGE_DIALOG(Name)                      \
    class C##Name##Dialog final : public CQuantityDialog {     \
    public:                                                    \
        explicit C##Name##Dialog(CWnd* pParent = nullptr);     \
    };

UNITORA_FOR_EACH_PAGE(UNITORA_DECLARE_PAGE_DIALOG)

#undef UNITORA_DECLARE_PAGE_DIALOG

// A new page object (no window yet) for page index 0..45 of the fixed page
// order, with pParent as its parent-to-be; null for any other index.
std::unique_ptr<CQuantityDialog> CreatePageObject(int index, CWnd* pParent);
