// Benchmarks, not tests: one full conversion cycle on the 24-field length
// page, and the display formatter against the C runtime's "%.6g".
#include <benchmark/benchmark.h>

#include <cstdio>

#include "DisplayFormat.h"
#include "LengthAreaVolume.h"
#include "MemoryBoxes.h"
#include "QuantityPage.h"

namespace {

using namespace unitora;

void FullCycleOnLengthPage(benchmark::State& state) {
    QuantityPage page(kLengthPage);
    MemoryBoxes boxes(page, nullptr);
    page.InitialDisplay(boxes);
    const wchar_t* texts[] = {L"12", L"1.5", L"123456", L"0.25"};
    std::size_t i = 0;
    for (auto _ : state) {
        boxes.Type(1001, texts[i++ % 4]);  // every cycle rewrites every box
        benchmark::DoNotOptimize(boxes.Text(1003).data());
    }
}
BENCHMARK(FullCycleOnLengthPage);

const double kValues[] = {0.9765625, 123456.5, 3.30579e+28, 1.05702099772212e-16, 39.3700787401575,
                          1234567, 0.000621371192237334, 1.0};

void DisplayFormatter(benchmark::State& state) {
    char buffer[kMaxDisplayLength];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatDisplay(kValues[i++ % 8], DisplayPrecision::Single, buffer));
    }
}
BENCHMARK(DisplayFormatter);

void RuntimeSnprintf(benchmark::State& state) {
    char buffer[32];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.6g", kValues[i++ % 8]));
    }
}
BENCHMARK(RuntimeSnprintf);

}  // namespace

BENCHMARK_MAIN();
