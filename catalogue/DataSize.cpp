#include "DataSize.h"

namespace unitora {
namespace {

// The bit is the base unit. The multiples and the packet start from the
// byte product base x 0.125 as a double, not from the stored byte field.
constexpr UnitField kDataSizeFields[] = {
    {1001, L"TB", 1, 1, 8796093022208, Conversion{Times(0.125f), Times(9.094947e-13f)}},
    {1003, L"GB", 1, 2, 8589934592, Conversion{Times(0.125f), Times(9.313226e-10f)}},
    {1005, L"MB", 1, 3, 8388608, Conversion{Times(0.125f), Times(9.536743e-07f)}},
    {1006, L"KB", 1, 4, 8192, Conversion{Times(0.125f), Times(0.0009765625f)}},
    {1011, L"B(バイト)", 1, 5, 8, 0.125f},
    {1012, L"bit(ビット)", 1, 6, kItself, kItself},
    {1007, L"TB", 2, 1, 8000000000000, Conversion{Times(0.125f), Times(1e-12f)}},
    {1008, L"GB", 2, 2, 8000000000, Conversion{Times(0.125f), Times(1e-09f)}},
    {1009, L"MB", 2, 3, 8000000, Conversion{Times(0.125f), Times(1e-06f)}},
    {1010, L"KB", 2, 4, 8000, Conversion{Times(0.125f), Times(0.001f)}},
    {1013, L"パケット", 2, 5, 1024, Conversion{Times(0.125f), Times(0.0078125f)}},
};
constexpr int kDataSizeExchange[] = {1012, 1011, 1013, 1006, 1005, 1003, 1001, 1010, 1008, 1007,
                                     1009};
constexpr int kDataSizeFocus[] = {1001, 1003, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013};
// The labels KB to TB stand twice; the frames tell the two columns apart.
constexpr GroupFrame kDataSizeFrames[] = {
    {L"1KB = 1024B", 1, 1, 4},
    {L"1KB = 1000B", 2, 1, 4},
};

}  // namespace

const PageRecord kDataSizePage{L"パケット", 117, Width::Single, 1012, 1024, kDataSizeFields,
                               kDataSizeExchange, kDataSizeFocus, kDataSizeFrames};

}  // namespace unitora
