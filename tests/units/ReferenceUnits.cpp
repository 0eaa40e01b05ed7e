#include "ReferenceUnits.h"

namespace unitora {
namespace {

constexpr const char* kProgramCalorie = "the program's calorie is 4.18605 J";
constexpr const char* kTransportCalorie = "a calorie of 1/0.238889 J = 4.186045 J";
constexpr const char* kLeakTorr = "the page's torr-litre is 0.133347 Pa m3/s";

}  // namespace

// The temperature fields are checked at 1 degree, their offsets included; the
// multiplier and large-number pages are plain numbers.
const std::vector<std::vector<ReferenceField>> kReferencePages = {
    // 0 乗数
    {{1020, "yotta"}, {1021, "zetta"}, {1001, "exa"}, {1003, "peta"}, {1005, "tera"}, {1006, "giga"}, {1007, "mega"},
     {1008, "kilo"}, {1010, "hecto"}, {1025, "deka"}, {1011, "1"}, {1012, "deci"}, {1013, "centi"}, {1014, "milli"},
     {1015, "micro"}, {1016, "nano"}, {1018, "pico"}, {1009, "femto"}, {1074, "atto"}, {1029, "zepto"},
     {1076, "yocto"}},
    // 1 パケット
    {{1001, "tebibyte"}, {1003, "gibibyte"}, {1005, "mebibyte"}, {1006, "kibibyte"}, {1011, "byte"}, {1012, "bit"},
     {1007, "terabyte"}, {1008, "gigabyte"}, {1009, "megabyte"}, {1010, "kilobyte"},
     {1013, nullptr, "the mobile-data packet, a billing count of 128 bytes"}},
    // 2 長さ
    {{1001, "km"}, {1003, "m"}, {1005, "cm"}, {1006, "mm"}, {1007, "micrometer"}, {1008, "nm"}, {1010, "angstrom"},
     {1011, "pm"}, {1012, "fm"}, {1020, "fathom"},  // 尋 as the sea fathom, 6 ft
     {1014, "shaku"}, {1013, "sun"}, {1021, "shaku/100"}, {1015, "ken"}, {1016, "ri"}, {1025, "chou"}, {1009, "inch"},
     {1074, "ft"}, {1076, "yard"}, {1078, "mile"}, {1080, "au"}, {1082, "lightyear"}, {1084, "parsec"},
     {1018, "nauticalmile"}},
    // 3 面積
    {{1001, "km^2"}, {1003, "m^2"}, {1005, "cm^2"}, {1006, "are"}, {1007, "hectare"}, {1008, "tsubo"}, {1010, "se"},
     {1011, "tan_area"}, {1012, "chou_area"}, {1013, "inch^2"}, {1014, "mile^2"}, {1015, "ft^2"}, {1016, "acre"},
     {1018, "yard^2"}, {1009, "barn"}, {1074, "circularmil"}, {1076, "section"}, {1078, "township"},
     {1080, "A4paper"}, {1082, "kyouma", "rounded to 1.82 m2"}, {1084, "edoma", "rounded to 1.55 m2"},
     {1021, "5.6 shaku 2.8 shaku", "rounded to 1.45 m2"},  // no name in GNU units
     {1025, nullptr, "the area of a ballpark, a comparison"}, {1029, nullptr, "the area of a ballpark, a comparison"}},
    // 4 体積
    {{1001, "m^3"}, {1003, "liter"}, {1005, "deciliter"}, {1006, "cm^3"}, {1007, "mm^3"}, {1016, "shaku_volume"},
     {1008, "gou"}, {1009, "shou"}, {1010, "to"}, {1011, "koku"}, {1012, "42 gallon"},  // the 42-gallon barrel
     {1013, "brgallon"}, {1014, "gallon"}, {1015, "10 shaku^3", "rounded to 0.2783 m3"}},
    // 5 速度
    {{1001, "m/s"}, {1003, "m/min"}, {1005, "m/hr"}, {1006, "km/hr"}, {1012, "mph"}, {1007, "ft/s"}, {1008, "yard/s"},
     {1010, "knot"}, {1011, "atomicvelocity"}},
    // 6 質量
    {{1001, "g"}, {1007, "kg"}, {1008, "tonne"}, {1003, "carat"}, {1006, "oz"}, {1010, "lb"}, {1009, "grain"},
     {1015, "u"}, {1018, "kan"}, {1014, "10 monme"}, {1005, "monme"}, {1011, "monme/10"}, {1012, "monme/100"},
     {1013, "monme/1000"}, {1016, "kin"}, {1020, "dram"}},
    // 7 重量
    {{1001, "N"}, {1003, "dyne"}, {1005, "gram force"}, {1006, "kg force"}, {1007, "tonne force"}, {1008, "lbf"},
     {1010, "ounce force"}, {1011, "poundal"}, {1012, "kip"}, {1013, "sthene"}, {1014, "kilopond"}},
    // 8 圧力
    {{1001, "Pa"}, {1009, "hPa"}, {1003, "kPa"}, {1005, "MPa"}, {1011, "bar"}, {1074, "barye"}, {1006, "atm"},
     {1012, "kgf/m^2"}, {1007, "mmHg"}, {1016, "inHg"}, {1020, "inch Hg60F"}, {1010, "m water"}, {1008, "mm water"},
     {1018, "inch water"}, {1021, "inch 0.99901 gram force/cm^3"},  // water weighs 0.99901 gf/cm3 at 60 °F
     {1025, "ft water"}, {1076, "psi"}, {1015, "ksi"}, {1014, "longton force/inch^2"},
     {1029, "shortton force/inch^2"}, {1013, "micron Hg", "rounded to 0.1333 Pa"}},
    // 9 温度
    {{1001, "K"},
     // typing 1 into a temperature field
     {1003, "tempC(1)"}, {1005, "tempF(1)"}, {1006, "tempR(1)"}},
    // 10 熱量
    {{1001, "kWh"}, {1003, "J"}, {1005, "kJ"}, {1013, "kgf m"}, {1014, "liter atm"}, {1008, "erg"},
     {1011, "1e18 btu"}, {1010, "eV"}, {1012, "ft lbf"}, {1078, "rydberg"}, {1080, "hartree"}, {1016, "calorie_th"},
     {1018, "calorie_IT"}, {1009, "calorie_15"}, {1074, "Calorie"}, {1084, "u c^2"}, {1015, "btu"}, {1076, "btu"},
     {1082, "ton tnt", "a round 4.2e9 J"}, {1006, "calorie_IT", kProgramCalorie},
     {1007, "kilocalorie_IT", kProgramCalorie}},
    // 11 力率
    {{1001, "W"}, {1003, "gram force m/s"}, {1005, "kg force m/s"},  // k of the gfm/s before it
     {1006, "electrichorsepower"}, {1007, "boilerhorsepower"}, {1008, "metrichorsepower"}, {1010, "hp"},
     {1011, "waterhorsepower"}, {1012, "550 ft lbf/s"}, {1015, "btu/hr"},
     {1013, "calorie_IT/s", "a calorie of 4.186 J"}, {1014, "ft lbf/s", "rounded to 1.356 W"},
     {1016, "tonrefrigeration", "3024 kcal/h with the program's calorie"},
     {1018, "3320 kilocalorie_IT/hr", "with the program's calorie"}},
    // 12 トルク
    {{1001, "N m"}, {1003, "kN m"}, {1005, "mN m"}, {1006, "microN m"}, {1007, "gram force m"}, {1008, "kg force m"},
     {1010, "gram force cm"}, {1011, "ft lbf"}},
    // 13 角度
    {{1001, "radian"}, {1003, "degree"}, {1005, "arcmin"}, {1006, "arcsec"}, {1007, "gon"}, {1008, "rev"}},
    // 14 角速度
    {{1001, "radian/s"}, {1003, "rpm"}, {1005, "degree/s"}, {1006, "degree/min"}, {1007, "degree/hr"},
     // the clock hands: the second hand turns once a minute, the hour hand once in 12 hours
     {1008, "rev/min"}, {1010, "rev/hr"}, {1011, "rev/(12 hr)"}, {1012, "rev/siderealday"}},
    // 15 密度
    {{1001, "g/m^3"}, {1003, "kg/m^3"}, {1005, "g/cm^3"}, {1006, "mg/cm^3"}, {1007, "tonne/m^3"}, {1008, "g/liter"},
     {1010, "kg/liter"}, {1011, "g/ml"}, {1012, "mg/ml"}, {1013, "lb/ft^3"}, {1014, "lb/inch^3"}},
    // 16 燃費
    {{1001, "m/liter"}, {1003, "km/liter"}, {1005, "mile/gallon"}, {1006, "mile/brgallon"}},
    // 17 加速度
    {{1001, "m/s^2"}, {1003, "cm/s^2"}, {1005, "mm/s^2"}, {1006, "Gal"}, {1007, "gravity"}, {1008, "inch/s^2"},
     {1010, "ft/s^2"}},
    // 18 体積流量
    {{1001, "m^3/s"}, {1003, "m^3/min"}, {1005, "m^3/hr"}, {1006, "liter/s"}, {1007, "ml/s"}, {1008, "liter/min"},
     {1010, "ml/min"}, {1011, "liter/hr"}, {1012, "gallon/s"}, {1013, "gallon/min"}, {1014, "barrel/s"},
     {1015, "barrel/min"}, {1016, "barrel/hr"}, {1018, "ft^3/s"}, {1009, "ft^3/min"}, {1074, "ft^3/hr"}},
    // 19 質量流量
    {{1001, "g/s"}, {1003, "kg/s"}, {1005, "mg/s"}, {1006, "g/min"}, {1007, "kg/min"}, {1008, "g/hr"},
     {1010, "kg/hr"}, {1011, "tonne/s"}, {1012, "tonne/min"}, {1013, "tonne/hr"}, {1014, "longton/s"},
     {1015, "longton/min"}, {1016, "longton/hr"}, {1018, "shortton/s"}, {1009, "shortton/min"}, {1074, "shortton/hr"}},
    // 20 個数
    {{1001, "1"}, {1005, "dozen"}, {1006, "gross"}, {1003, "avogadro mol", "rounded to 6.02e23"}},
    // 21 時間
    {{1001, "s"}, {1003, "ms"}, {1005, "microsecond"}, {1006, "min"}, {1007, "hr"}, {1008, "day"}, {1010, "30 day"},
     {1011, "365 day"}, {1012, "shake"}, {1013, "atomictime"}, {1014, "beat"}, {1015, "siderealsecond"},
     {1016, "tropicalyear"}},
    // 22 熱伝導
    {{1001, "W/(m K)"}, {1011, "btu/(hr ft degF)"}, {1003, "calorie_IT/(s m K)", kTransportCalorie},
     {1005, "kilocalorie_IT/(s m K)", kTransportCalorie}, {1006, "calorie_IT/(s cm K)", kTransportCalorie},
     {1007, "kilocalorie_IT/(s cm K)", kTransportCalorie}, {1008, "calorie_IT/(hr m K)", kTransportCalorie},
     {1010, "kilocalorie_IT/(hr m K)", kTransportCalorie}},
    // 23 熱伝達
    {{1001, "W/(m^2 K)"}, {1011, "btu/(hr ft^2 degF)"}, {1003, "calorie_IT/(s m^2 K)", kTransportCalorie},
     {1005, "kilocalorie_IT/(s m^2 K)", kTransportCalorie}, {1006, "calorie_IT/(s cm^2 K)", kTransportCalorie},
     {1007, "kilocalorie_IT/(s cm^2 K)", kTransportCalorie}, {1008, "calorie_IT/(hr m^2 K)", kTransportCalorie},
     {1010, "kilocalorie_IT/(hr m^2 K)", kTransportCalorie}},
    // 24 漏れ量
    {{1001, "Pa m^3/s"}, {1003, "Pa liter/s"},
     // the L/… and mL/s fields count atm·L
     {1005, "atm m^3/s"}, {1006, "atm m^3/min"}, {1007, "atm m^3/hr"}, {1008, "atm liter/s"}, {1010, "atm ml/s"},
     {1011, "atm liter/min"}, {1012, "atm liter/hr"}, {1013, "bar liter/s"}, {1014, "millibar liter/s"},
     {1015, "lusec", kLeakTorr}, {1016, "torr liter/s", kLeakTorr}, {1018, "m Hg liter/s", kLeakTorr},
     {1009, nullptr, "air equivalent: the leaking gas decides the mass"},
     {1074, nullptr, "air equivalent: the leaking gas decides the mass"}},
    // 25 粘度
    {{1001, "Pa s"}, {1003, "deciPa s"}, {1005, "centiPa s"}, {1006, "milliPa s"}, {1007, "milliN s/m^2"},
     {1008, "poise"}, {1010, "centipoise"}, {1011, "millipoise"}, {1012, "kg force s/m^2"}, {1013, "lbf s/inch^2"}},
    // 26 動粘度
    {{1001, "m^2/s"}, {1003, "mm^2/s"}, {1005, "m^2/hr"}, {1006, "stokes"}, {1007, "centistokes"},
     {1008, "millistokes"}, {1010, "ft^2/s"}},
    // 27 輝度
    {{1001, "cd/m^2"}, {1003, "footlambert"}, {1005, "lambert"}, {1006, "stilb"}, {1007, "apostilb"}},
    // 28 日照量
    {{1001, "J/m^2"}, {1003, "J/cm^2"}, {1005, "erg/m^2"}, {1006, "calorie_th/m^2", "a calorie of 4.18 J"},
     {1007, "langley", "a calorie of 4.18 J"}},
    // 29 照度
    {{1001, "lm/m^2"}, {1003, "lux"}, {1005, "footcandle"}, {1006, "phot"}},
    // 30 静電容量
    {{1001, "F"}, {1003, "abfarad"}, {1005, "statfarad"}},
    // 31 電荷
    {{1001, "C"}, {1003, "faraday_phys"}, {1005, "faraday"}, {1006, "abcoulomb"}, {1007, "statcoulomb"}, {1008, "e"}},
    // 32 伝導度
    {{1001, "S"}, {1003, "abmho"}, {1005, "statmho"}},
    // 33 電流
    {{1001, "A"}, {1003, "abampere"}, {1005, "statampere"}},
    // 34 電界
    {{1001, "V/m"}, {1003, "statvolt/cm"}, {1005, "abvolt/cm"}},
    // 35 インダクタンス
    {{1001, "H"}, {1003, "abhenry"}, {1005, "stathenry"}},
    // 36 抵抗
    {{1001, "ohm"}, {1003, "abohm"}, {1005, "statohm"}},
    // 37 電圧
    {{1001, "V"}, {1003, "abvolt"}, {1005, "statvolt"}, {1006, "hartree/e"}},
    // 38 磁界
    {{1001, "A/m"}, {1003, "statampere/(4 pi cm)"}, {1005, "oersted"}},
    // 39 磁束
    {{1001, "Wb"}, {1003, "erg/statampere"}, {1005, "maxwell"}, {1006, "unitpole"}},
    // 40 磁束密度
    {{1001, "T"}, {1003, "nT"}, {1005, "gauss"}, {1006, "dyne/(statampere cm)"},
     {1007, "e/(4 pi epsilon0 bohrradius^2 c)"}},  // e/a0² in Gaussian units, as a flux density
    // 41 量子力学的エネルギー
    {{1001, "J/mol"},
     // energies per mole
     {1005, "eV avogadro"}, {1006, "erg avogadro"}, {1007, "h c avogadro/cm"}, {1008, "h c avogadro/mm"},
     {1010, "h Hz avogadro"}, {1011, "k K avogadro"}, {1012, "bohrmagneton gauss avogadro"},
     {1003, "calorie_IT/mol", kProgramCalorie}},
    // 42 吸収線量
    {{1001, "Gy"}, {1003, "rad"}},
    // 43 放射能
    {{1001, "Bq"}, {1003, "curie"}, {1005, "rutherford"}, {1006, "1/s"}, {1007, "1/min"}},
    // 44 線量当量
    {{1001, "Sv"}, {1003, "rem"}, {1005, nullptr, "the annual dose limit, 1 mSv"}},
    // 45 大数
    {{1020, "1"}, {1021, "10"}, {1001, "100"}, {1003, "1000"}, {1005, "1e4"}, {1006, "1e8"}, {1007, "1e12"},
     {1008, "1e16"}, {1010, "1e20"}, {1025, "1e24"}, {1011, "1e28"}, {1012, "1e32"}, {1013, "1e36"}, {1014, "1e40"},
     {1015, "1e44"}, {1016, "1e48"}, {1018, "1e52"}, {1009, "1e56"}, {1074, "1e60"}, {1029, "1e64"}, {1076, "1e68"}},
};

}  // namespace unitora
