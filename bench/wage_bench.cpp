// Compares the core's conversions with the standard library's on the same inputs, and times
// one whole calculation. Ratios are printed as counters of the core's benchmarks.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "wage/number_text.h"
#include "wage/wage_calculator.h"

namespace {

constexpr std::array<std::string_view, 8> RealTexts = {
    "10000", "1117", "13401.34", "0.00012345", "1234567890123456", "2500.125", "1E300", "42"};
constexpr std::array<double, 8> Figures = {
    13400, 451, 900.09, 13401.34, 2.0 / 3.0, 1234567890123456, 0.00012345, 9223372036854774784.0};

void BM_CalculateWage(benchmark::State& state) {
    const wage::WageInputs inputs{10000, 1, 1117, false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(wage::CalculateWage(inputs, [](wage::WageFigure, double) {}));
    }
}
BENCHMARK(BM_CalculateWage);

void BM_ParseReal(benchmark::State& state) {
    std::array<std::u16string, RealTexts.size()> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i].assign(RealTexts[i].begin(), RealTexts[i].end());
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wage::ParseReal(texts[i++ % texts.size()], u'.'));
    }
}
BENCHMARK(BM_ParseReal);

void BM_FromChars(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string_view text = RealTexts[i++ % RealTexts.size()];
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_FromChars);

void BM_FormatReal(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wage::FormatReal(Figures[i++ % Figures.size()], u','));
    }
}
BENCHMARK(BM_FormatReal);

// The standard function writes into a buffer; building a string from it keeps the comparison
// fair with FormatReal, which returns one.
void BM_ToChars(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        char buffer[32];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, Figures[i++ % Figures.size()],
                          std::chars_format::general, 15);
        benchmark::DoNotOptimize(std::string(buffer, result.ptr));
    }
}
BENCHMARK(BM_ToChars);

}  // namespace

BENCHMARK_MAIN();
