// Worked examples of each page: what the boxes show after the first display
// and after typing into one box. They pin every transcribed factor that an
// example touches, including the non-reciprocal pairs and overflow to 1.#INF.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AngleDensityFuelCountTime.h"
#include "DataSize.h"
#include "Electric.h"
#include "FlowTransport.h"
#include "LargeNumber.h"
#include "Light.h"
#include "MagneticQuantumRadiation.h"
#include "MemoryBoxes.h"
#include "Multiplier.h"
#include "PressureEnergyPowerTorque.h"
#include "QuantityPage.h"
#include "SpeedMassForce.h"
#include "Temperature.h"

namespace unitora {
namespace {

struct Typed {
    int id;
    const wchar_t* text;
};

struct Shown {
    int id;
    const wchar_t* text;
};

// The page opens, the texts are typed one after the other, then the boxes
// show the given texts. No typing means the first display.
struct Example {
    const char* name;
    const PageRecord& page;
    std::vector<Typed> typed;
    std::vector<Shown> shown;
};

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

void Check(const std::vector<Example>& examples) {
    for (const Example& example : examples) {
        SCOPED_TRACE(example.name);
        QuantityPage model(example.page);
        MemoryBoxes boxes(model, nullptr);
        model.InitialDisplay(boxes);
        for (const Typed& typed : example.typed) boxes.Type(typed.id, typed.text);
        for (const Shown& shown : example.shown) {
            EXPECT_EQ(boxes.Text(shown.id), shown.text)
                << "box " << shown.id << " shows " << Narrow(boxes.Text(shown.id));
        }
        EXPECT_EQ(boxes.FocusedBox(), 0) << "unexpected prompt";
    }
}

TEST(CatalogueExamples, SpeedMassForceAcceleration) {
    Check({
        {"100 km/h", kSpeedPage, {{1006, L"100"}},
         {{1001, L"27.7778"}, {1003, L"1666.67"}, {1005, L"100000"}, {1012, L"62.1427"},
          {1010, L"53.9957"}, {1011, L"1.26973e-005"}, {1006, L"100"}}},
        {"1 knot", kSpeedPage, {{1010, L"1"}},
         {{1006, L"1.852"}, {1005, L"1852"}, {1001, L"0.514444"}}},
        {"1 lb", kMassPage, {{1010, L"1"}},
         {{1001, L"453.592"}, {1006, L"16"}, {1009, L"7000"}, {1020, L"256"}, {1005, L"120.958"},
          {1016, L"0.755987"}}},
        {"1 u", kMassPage, {{1015, L"1"}},
         {{1001, L"1.66057e-024"}, {1008, L"1.66057e-030"}, {1018, L"4.42817e-028"}}},
        {"1 lbf", kForcePage, {{1008, L"1"}},
         {{1001, L"4.44822"}, {1010, L"16"}, {1011, L"32.174"}, {1012, L"0.001"},
          {1014, L"0.453592"}}},
        {"1 kgf", kForcePage, {{1006, L"1"}},
         {{1001, L"9.80665"}, {1003, L"980665"}, {1014, L"1"}}},
        {"1 G", kAccelerationPage, {{1007, L"1"}},
         {{1001, L"9.80665"}, {1006, L"980.665"}, {1008, L"386.089"}, {1010, L"32.174"}}},
    });
}

TEST(CatalogueExamples, PressureEnergyPowerTorque) {
    Check({
        {"1 atm", kPressurePage, {{1006, L"1"}},
         {{1001, L"101325"}, {1009, L"1013.25"}, {1011, L"1.01325"}, {1007, L"760.002"},
          {1013, L"760128"}, {1016, L"29.9212"}, {1076, L"14.6959"}, {1074, L"1.01325e+006"}}},
        {"1 bar", kPressurePage, {{1011, L"1"}}, {{1001, L"100000"}, {1074, L"1e+006"}}},
        {"1 kcal", kEnergyPage, {{1007, L"1"}},
         {{1003, L"4186.05"}, {1006, L"1000"}, {1016, L"1000.49"}, {1018, L"999.821"},
          {1001, L"0.00116279"}, {1015, L"3.96761"}, {1076, L"3.96767"}}},
        {"1 J", kEnergyPage, {},
         {{1015, L"0.000947817"}, {1076, L"0.000947831"}, {1078, L"4.58735e+017"},
          {1080, L"2.29368e+017"}, {1084, L"6.70043e+009"}, {1082, L"2.38095e-010"}}},
        {"1 BTU", kEnergyPage, {{1015, L"1"}}, {{1003, L"1055.06"}, {1015, L"1"}}},
        // The BTU factors are not reciprocal: the typed box itself is rewritten.
        {"2 BTU", kEnergyPage, {{1015, L"2"}}, {{1003, L"2110.12"}, {1015, L"2.00001"}}},
        {"1 BTU before 1956", kEnergyPage, {{1076, L"1"}}, {{1003, L"1055.04"}}},
        {"1 Ryberg", kEnergyPage, {{1078, L"1"}}, {{1003, L"2.17991e-018"}, {1080, L"0.5"}}},
        {"1 Hartree", kEnergyPage, {{1080, L"1"}}, {{1003, L"4.35981e-018"}, {1010, L"27.2116"}}},
        {"1 uc2", kEnergyPage, {{1084, L"1"}}, {{1003, L"1.49244e-010"}}},
        {"1 t TNT", kEnergyPage, {{1082, L"1"}}, {{1003, L"4.2e+009"}}},
        {"1 Q overflows ev", kEnergyPage, {{1011, L"1"}},
         {{1003, L"1.05506e+021"}, {1015, L"1e+018"}, {1010, L"1.#INF"}}},
        {"1 PS", kPowerPage, {{1008, L"1"}},
         {{1001, L"735.5"}, {1010, L"0.986322"}, {1003, L"75000.4"}, {1005, L"75.0001"},
          {1015, L"2509.63"}}},
        {"1 kgfm", kTorquePage, {{1008, L"1"}},
         {{1001, L"9.80665"}, {1007, L"1000"}, {1010, L"100000"}, {1011, L"7.23301"}}},
    });
}

TEST(CatalogueExamples, AngleDensityFuelCountTime) {
    Check({
        {"180 deg", kAnglePage, {{1003, L"180"}},
         {{1001, L"3.14159"}, {1005, L"10800"}, {1006, L"648000"}, {1007, L"200"},
          {1008, L"0.5"}}},
        {"1 rpm", kAngularVelocityPage, {{1003, L"1"}},
         {{1001, L"0.10472"}, {1005, L"6"}, {1008, L"1"}, {1010, L"60"}, {1011, L"720"},
          {1012, L"1436.07"}}},
        {"1 hour hand", kAngularVelocityPage, {{1011, L"1"}}, {{1007, L"30"}, {1010, L"0.0833333"}}},
        {"1 lb/ft3", kDensityPage, {{1013, L"1"}},
         {{1001, L"16018.5"}, {1003, L"16.0185"}, {1005, L"0.0160185"}, {1014, L"0.000578705"}}},
        {"10 km/Lit", kFuelEconomyPage, {{1003, L"10"}},
         {{1001, L"10000"}, {1005, L"23.5215"}, {1006, L"28.2478"}}},
        {"1 mole", kCountPage, {{1003, L"1"}},
         {{1001, L"6.02e+023"}, {1005, L"5.01667e+022"}, {1006, L"4.18056e+021"}}},
        {"1 year", kTimePage, {{1011, L"1"}},
         {{1001, L"3.1536e+007"}, {1006, L"525600"}, {1007, L"8760"}, {1008, L"365"},
          {1010, L"12.1667"}, {1014, L"365000"}, {1016, L"0.999337"}}},
        {"1 beat", kTimePage, {{1014, L"1"}}, {{1001, L"86.4"}, {1006, L"1.44"}, {1008, L"0.001"}}},
    });
}

TEST(CatalogueExamples, FlowTransport) {
    Check({
        {"1 m3/h", kVolumeFlowPage, {{1005, L"1"}},
         {{1001, L"0.000277778"}, {1006, L"0.277778"}, {1008, L"16.6667"}, {1011, L"1000"},
          {1016, L"6.28982"}, {1009, L"0.588579"}, {1074, L"35.3147"}}},
        {"1 t/h", kMassFlowPage, {{1013, L"1"}},
         {{1001, L"277.778"}, {1010, L"1000"}, {1008, L"1e+006"}, {1016, L"0.984252"},
          {1074, L"1.10229"}}},
        {"1 US ton/s", kMassFlowPage, {{1018, L"1"}}, {{1003, L"907.2"}, {1011, L"0.9072"}}},
        {"1 UK ton/s", kMassFlowPage, {{1014, L"1"}}, {{1003, L"1016"}}},
        {"1 kcal/h m C", kThermalConductivityPage, {{1010, L"1"}},
         {{1001, L"1.16279"}, {1003, L"0.277778"}, {1008, L"1000"}, {1011, L"0.671847"}}},
        {"1 BTU/h ft2 F", kHeatTransferPage, {{1011, L"1"}},
         {{1001, L"5.67826"}, {1010, L"4.88331"}, {1003, L"1.35647"}}},
        {"1 bar L/s", kLeakRatePage, {{1013, L"1"}},
         {{1001, L"100"}, {1014, L"1000"}, {1008, L"0.9869"}, {1016, L"749.924"},
          {1015, L"749924"}, {1009, L"1.18904"}}},
        {"1 atm m3/s", kLeakRatePage, {{1005, L"1"}},
         {{1001, L"101327"}, {1008, L"1000"}, {1005, L"1"}, {1010, L"1e+006"}}},
        {"1 mL/s", kLeakRatePage, {{1010, L"1"}},
         {{1001, L"0.101327"}, {1008, L"0.001"}, {1005, L"1e-006"}, {1010, L"1"}}},
        {"1 P", kViscosityPage, {{1008, L"1"}},
         {{1001, L"0.1"}, {1003, L"1"}, {1010, L"100"}, {1006, L"100"}, {1011, L"1000"},
          {1012, L"0.0101972"}}},
        {"1 St", kKinematicViscosityPage, {{1006, L"1"}},
         {{1001, L"0.0001"}, {1005, L"0.36"}, {1007, L"100"}, {1008, L"1000"},
          {1010, L"0.00107639"}}},
    });
}

TEST(CatalogueExamples, Light) {
    Check({
        {"luminance opens", kLuminancePage, {},
         {{1001, L"1"}, {1003, L"0.291864"}, {1005, L"0.000314159"}, {1006, L"0.0001"},
          {1007, L"3.14159"}}},
        {"1 lambert", kLuminancePage, {{1005, L"1"}},
         {{1001, L"3183.1"}, {1003, L"929.03"}, {1006, L"0.31831"}, {1007, L"10000"}}},
        {"1 langley", kInsolationPage, {{1007, L"1"}},
         {{1001, L"41800"}, {1003, L"4.18"}, {1005, L"4.18e+011"}, {1006, L"10000"}}},
        {"1 footcandle", kIlluminancePage, {{1005, L"1"}},
         {{1001, L"10.7639"}, {1003, L"10.7639"}, {1006, L"0.00107639"}}},
        {"500 lx", kIlluminancePage, {{1003, L"500"}},
         {{1001, L"500"}, {1003, L"500"}, {1005, L"46.4515"}}},
    });
}

TEST(CatalogueExamples, Electric) {
    Check({
        {"capacitance opens", kCapacitancePage, {},
         {{1001, L"1"}, {1003, L"1e-009"}, {1005, L"8.98755e+011"}}},
        {"1 statfarad", kCapacitancePage, {{1005, L"1"}},
         {{1001, L"1.11265e-012"}, {1003, L"1.11265e-021"}}},
        {"conductance opens", kConductancePage, {},
         {{1001, L"1"}, {1003, L"1e-009"}, {1005, L"8.98755e+011"}}},
        {"1 Faraday", kChargePage, {{1003, L"1"}},
         {{1001, L"96521.9"}, {1005, L"1.00039"}, {1006, L"9652.19"}, {1008, L"6.02441e+023"}}},
        {"1 e", kChargePage, {{1008, L"1"}},
         {{1001, L"1.60218e-019"}, {1007, L"4.80321e-010"}}},
        {"1e20 C overflows e", kChargePage, {{1001, L"1e20"}},
         {{1008, L"1.#INF"}, {1007, L"2.99792e+029"}}},
        {"1 abampere", kCurrentPage, {{1003, L"1"}}, {{1001, L"10"}, {1005, L"2.99792e+010"}}},
        {"1 stathenry", kInductancePage, {{1005, L"1"}},
         {{1001, L"8.98756e+011"}, {1003, L"8.98756e+020"}}},
        {"1 statohm", kResistancePage, {{1005, L"1"}},
         {{1001, L"8.98756e+011"}, {1003, L"8.98756e+020"}}},
        {"1 U0", kVoltagePage, {{1006, L"1"}},
         {{1001, L"27.2116"}, {1003, L"2.72116e+009"}, {1005, L"0.0907682"}}},
    });
}

TEST(CatalogueExamples, MagneticQuantumRadiation) {
    Check({
        {"1 Oe", kMagneticFieldPage, {{1005, L"1"}}, {{1001, L"79.5775"}, {1003, L"2.99792e+010"}}},
        {"1 unit pole", kMagneticFluxPage, {{1006, L"1"}},
         {{1001, L"1.25664e-007"}, {1005, L"12.5664"}, {1003, L"4.19169e-010"}}},
        {"flux density opens", kFluxDensityPage, {},
         {{1001, L"1"}, {1003, L"1e+009"}, {1005, L"10000"}, {1006, L"3.33564e-007"},
          {1007, L"0.000582999"}}},
        {"1 ev", kQuantumEnergyPage, {{1005, L"1"}},
         {{1001, L"96485.3"}, {1003, L"23049.3"}, {1007, L"8065.54"}, {1008, L"806.554"},
          {1010, L"2.41799e+014"}, {1011, L"11604.4"}, {1012, L"1.7276e+008"}}},
        {"1 per cm", kQuantumEnergyPage, {{1007, L"1"}}, {{1008, L"0.1"}, {1001, L"11.9627"}}},
        {"1 Ci", kRadioactivityPage, {{1003, L"1"}},
         {{1001, L"3.7e+010"}, {1006, L"3.7e+010"}, {1007, L"2.22e+012"}}},
        {"1 rutherford", kRadioactivityPage, {{1005, L"1"}}, {{1001, L"1e+006"}, {1007, L"6e+007"}}},
        {"60 dpm after 1 Ci: the opening values", kRadioactivityPage,
         {{1003, L"1"}, {1007, L"60"}},
         {{1001, L"1"}, {1003, L"2.7027e-011"}, {1005, L"1e-006"}, {1006, L"1"}, {1007, L"60"}}},
        {"0.02 Sv", kDoseEquivalentPage, {{1001, L"0.02"}}, {{1003, L"2"}, {1005, L"20"}}},
    });
}

TEST(CatalogueExamples, Multiplier) {
    Check({
        {"opens", kMultiplierPage, {},
         {{1011, L"1"}, {1008, L"0.001"}, {1001, L"1e-018"}, {1014, L"1000"}, {1076, L"1e+024"},
          {1020, L"1e-024"}}},
        {"1 kilo", kMultiplierPage, {{1008, L"1"}},
         {{1011, L"1000"}, {1007, L"0.001"}, {1025, L"100"}, {1014, L"1000000"},
          {1016, L"1000000000000"}, {1074, L"1e+021"}, {1076, L"1e+027"}, {1008, L"1"}}},
        // The exa input factor lies one step below 1e18.
        {"1 exa", kMultiplierPage, {{1001, L"1"}},
         {{1011, L"1e+018"}, {1003, L"1000"}, {1020, L"1e-006"}, {1076, L"1e+042"},
          {1001, L"1"}}},
        {"18 digits", kMultiplierPage, {{1011, L"123456789012345678"}},
         {{1011, L"1.23456789012346e+017"}, {1008, L"123456789012346"},
          {1001, L"0.123456789012346"}}},
        {"0.7 milli", kMultiplierPage, {{1014, L"0.7"}},
         {{1011, L"0.0007"}, {1025, L"7e-005"}, {1015, L"700"}, {1076, L"7e+020"}}},
    });
}

TEST(CatalogueExamples, DataSize) {
    Check({
        {"opens", kDataSizePage, {},
         {{1012, L"1024"}, {1011, L"128"}, {1013, L"1"}, {1006, L"0.125"}, {1005, L"0.00012207"},
          {1003, L"1.19209e-007"}, {1001, L"1.16415e-010"}, {1010, L"0.128"},
          {1009, L"0.000128"}, {1008, L"1.28e-007"}, {1007, L"1.28e-010"}}},
        // 0.9765625 is a tie at six digits and rounds away from zero.
        {"1 KB of 1000 B", kDataSizePage, {{1010, L"1"}},
         {{1012, L"8000"}, {1011, L"1000"}, {1013, L"7.8125"}, {1006, L"0.976563"},
          {1005, L"0.000953674"}, {1009, L"0.001"}}},
        {"1 GB of 1024 MB", kDataSizePage, {{1003, L"1"}},
         {{1012, L"8.58993e+009"}, {1011, L"1.07374e+009"}, {1005, L"1024"},
          {1001, L"0.000976563"}, {1008, L"1.07374"}, {1009, L"1073.74"}}},
        {"3 packets", kDataSizePage, {{1013, L"3"}},
         {{1011, L"384"}, {1012, L"3072"}, {1006, L"0.375"}}},
        {"123456789 bits", kDataSizePage, {{1012, L"123456789"}},
         {{1012, L"1.23457e+008"}, {1011, L"1.54321e+007"}, {1013, L"120563"}}},
    });
}

TEST(CatalogueExamples, Temperature) {
    Check({
        {"opens", kTemperaturePage, {},
         {{1001, L"273.15"}, {1003, L"0"}, {1005, L"32"}, {1006, L"491.67"}}},
        {"100 C", kTemperaturePage, {{1003, L"100"}},
         {{1001, L"373.15"}, {1003, L"100"}, {1005, L"212"}, {1006, L"671.67"}}},
        {"-40 F", kTemperaturePage, {{1005, L"-40"}},
         {{1003, L"-40"}, {1001, L"233.15"}, {1005, L"-40"}, {1006, L"419.67"}}},
        {"98.6 F", kTemperaturePage, {{1005, L"98.6"}},
         {{1003, L"37"}, {1001, L"310.15"}, {1005, L"98.6"}, {1006, L"558.27"}}},
        {"0 K", kTemperaturePage, {{1001, L"0"}},
         {{1003, L"-273.15"}, {1005, L"-459.67"}, {1006, L"0"}}},
        {"0 R", kTemperaturePage, {{1006, L"0"}},
         {{1001, L"0"}, {1003, L"-273.15"}, {1005, L"-459.67"}}},
        {"-273.15 C", kTemperaturePage, {{1003, L"-273.15"}},
         {{1001, L"0"}, {1005, L"-459.67"}, {1006, L"0"}}},
        {"1e39 K", kTemperaturePage, {{1001, L"1e39"}},
         {{1001, L"1.#INF"}, {1003, L"1.#INF"}, {1005, L"1.#INF"}, {1006, L"1.#INF"}}},
    });
}

TEST(CatalogueExamples, LargeNumber) {
    Check({
        {"opens", kLargeNumberPage, {},
         {{1020, L"1"}, {1021, L"0.1"}, {1005, L"0.0001"}, {1006, L"1e-008"}, {1008, L"1e-016"},
          {1076, L"1e-068"}}},
        {"12345 man", kLargeNumberPage, {{1005, L"12345"}},
         {{1020, L"123450000"}, {1006, L"1.2345"}, {1007, L"0.00012345"}, {1008, L"1.2345e-008"}}},
        {"1 muryotaisu", kLargeNumberPage, {{1076, L"1"}},
         {{1020, L"1e+068"}, {1074, L"100000000"}, {1029, L"10000"}, {1009, L"1000000000000"}}},
        {"1 ko", kLargeNumberPage, {{1012, L"1"}},
         {{1020, L"1e+032"}, {1010, L"1000000000000"}, {1011, L"10000"}, {1013, L"0.0001"},
          {1076, L"1e-036"}}},
        {"18 digits", kLargeNumberPage, {{1020, L"123456789012345678"}},
         {{1020, L"1.23456789012346e+017"}, {1008, L"12.3456789012346"},
          {1006, L"1234567890.12346"}}},
    });
}

// The base value behind the boxes: stored as the input conversion forms it.
TEST(CatalogueExamples, BaseValues) {
    QuantityPage multiplier(kMultiplierPage);
    multiplier.SetBaseFromInput(1001, 1);
    EXPECT_EQ(multiplier.BaseValue(), 9.999999999999999e+17);

    QuantityPage temperature(kTemperaturePage);
    EXPECT_EQ(temperature.BaseValue(), 273.15);
    temperature.SetBaseFromInput(1001, 300.1);
    EXPECT_EQ(temperature.BaseValue(), 300.1) << "kelvin typed is kept as a double";
    temperature.SetBaseFromInput(1005, 98.6);
    EXPECT_EQ(temperature.BaseValue(), (98.6 - 32) * 0.5555555555555556 + 273.15);
}

}  // namespace
}  // namespace unitora
