// Compares the core's conversions with the standard library's on the same inputs, and times
// one whole calculation; after the table it prints each conversion's ratio to its standard
// counterpart.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

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

// The console table, then the ratios of CPU time per call (CPU time, as other processes may
// share the machine).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
            Mean& mean = cpuNanoseconds_[run.run_name.function_name];
            mean.sum += run.GetAdjustedCPUTime();
            ++mean.count;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        PrintRatio("ParseReal", "std::from_chars", "BM_ParseReal", "BM_FromChars");
        PrintRatio("FormatReal", "std::to_chars", "BM_FormatReal", "BM_ToChars");
        if (const double calculation = Nanoseconds("BM_CalculateWage"); calculation > 0) {
            std::printf("CalculateWage: %.1f ns per call (aim: under 100 ns)\n", calculation);
        }
    }

private:
    struct Mean {
        double sum = 0;
        int count = 0;
    };

    double Nanoseconds(const std::string& name) const {
        const auto found = cpuNanoseconds_.find(name);
        return found == cpuNanoseconds_.end() ? 0 : found->second.sum / found->second.count;
    }

    void PrintRatio(const char* ours, const char* standard, const std::string& ourName,
                    const std::string& standardName) const {
        const double ourTime = Nanoseconds(ourName);
        const double standardTime = Nanoseconds(standardName);
        if (ourTime <= 0 || standardTime <= 0) return;
        std::printf("%s: %.1f ns, %s: %.1f ns, ratio %.2f (aim: at most 1)\n", ours, ourTime,
                    standard, standardTime, ourTime / standardTime);
    }

    std::map<std::string, Mean> cpuNanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
