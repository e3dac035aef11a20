#include "tests/fuzz/wage_calculator_checks.h"

#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "tests/fuzz/outcome.h"

namespace fuzz {
namespace {

using wage::WageBreakdown;
using wage::WageFigure;

// Below 2^53 every whole number is a double, so whole-crown and whole-hundred checks are exact.
constexpr double ExactLimit = 9007199254740992.0;

// The smallest gross wage whose super-gross wage no longer fits a signed 64-bit integer.
constexpr double FirstInvalidGrossWage = 6883113460339385344.0;

bool IsWhole(double x) { return std::nearbyint(x) == x; }

std::string Describe(const wage::WageInputs& in) {
    return "CalculateWage(" + Printable(in.GrossWage) + ", " + std::to_string(in.ChildCount) +
           ", " + Printable(in.ChildRelief) + ", " + (in.SpouseClaimed ? "yes" : "no") + ")";
}

// Whole crowns from R(rate x gross + 0.5) lie between the product and one crown above it.
void RequireWholeCrownsOf(long double product, double figure, const std::string& what) {
    if (std::fabs(figure) >= ExactLimit) return;
    Require(IsWhole(figure), what + " is not whole crowns");
    const long double above = figure - product;
    Require(above >= -1e-6L && above <= 1 + 1e-6L,
            what + " is not the product raised to whole crowns");
}

// What the inputs promise for finite values: which step fails, and that the figures keep the
// payroll rules' simple relations.
void CheckDomain(const wage::WageInputs& in, const Outcome<WageBreakdown>& outcome,
                 const std::vector<double>& figures, const std::string& input) {
    const bool tooLarge = std::fabs(in.GrossWage) >= FirstInvalidGrossWage;
    Require((outcome.ending == Ending::InvalidOp) == tooLarge,
            input + (tooLarge ? ": a gross wage beyond the limit did not fail"
                              : ": failed as invalid below the limit"));
    if (tooLarge) return;

    // The child relief is the one product that can leave the double range.
    const auto afterTaxpayer = static_cast<double>(figures[2] - 2070.0L);
    const long double afterChildren =
        afterTaxpayer - static_cast<long double>(in.ChildCount) * in.ChildRelief;
    const bool overflows = std::isinf(static_cast<double>(afterChildren));
    Require((outcome.ending == Ending::Overflow) == overflows,
            input + (overflows ? ": a child relief beyond the double range did not overflow"
                               : ": overflowed within the double range"));
    if (overflows) return;

    const WageBreakdown& b = outcome.value;
    for (const double figure : figures)
        Require(std::isfinite(figure), input + ": a figure is not finite");
    const long double gross = in.GrossWage;
    RequireWholeCrownsOf(1.34L * gross, b.SuperGrossWage, input + ": the super-gross wage");
    RequireWholeCrownsOf(0.045L * gross, b.EmployeeSocial, input + ": the employee's social");
    RequireWholeCrownsOf(0.065L * gross, b.EmployeeHealth, input + ": the employee's health");
    if (std::fabs(b.TaxBase) < ExactLimit) {
        Require(std::fmod(b.TaxBase, 100) == 0, input + ": the tax base is not whole hundreds");
        const double raise = b.TaxBase - b.SuperGrossWage;
        Require(raise >= 0 && raise <= 100,
                input + ": the tax base is not the super-gross wage raised to whole hundreds");
    }
    Require(b.TaxAfterRelief >= 0 && !std::signbit(b.TaxAfterRelief),
            input + ": the tax after reliefs is below zero");
    Require(b.EmployerHealth == in.GrossWage * 0.25,
            input + ": the employer's health insurance is not a quarter of the gross wage");
}

}  // namespace

void CheckWageInputs(const wage::WageInputs& in) {
    const std::string input = Describe(in);
    std::vector<std::pair<WageFigure, double>> delivered;
    const auto outcome = Capture([&] {
        return wage::CalculateWage(in, [&delivered](WageFigure figure, double value) {
            delivered.emplace_back(figure, value);
        });
    });

    // Figures arrive one at a time in step order, each once.
    std::vector<double> figures;
    for (std::size_t i = 0; i < delivered.size(); ++i) {
        Require(delivered[i].first == static_cast<WageFigure>(i),
                input + ": figure " + std::to_string(i) + " delivered out of step order");
        figures.push_back(delivered[i].second);
    }

    switch (outcome.ending) {
        case Ending::Value:
            Require(figures.size() == wage::WageFigureCount,
                    input + ": returned after " + std::to_string(figures.size()) + " figures");
            for (int i = 0; i < wage::WageFigureCount; ++i) {
                const double returned =
                    wage::FigureValue(outcome.value, static_cast<WageFigure>(i));
                Require(std::memcmp(&returned, &figures[i], sizeof(double)) == 0,
                        input + ": returned figure " + std::to_string(i) +
                            " differs from the one delivered");
            }
            break;
        case Ending::InvalidOp:
            Require(outcome.message == "Invalid floating point operation",
                    input + ": wrong message " + outcome.message);
            Require(figures.empty(), input + ": the super-gross wage failed after delivering");
            break;
        case Ending::Overflow:
            Require(outcome.message == "Floating point overflow",
                    input + ": wrong message " + outcome.message);
            Require(figures.size() == 3, input + ": the tax after reliefs failed after " +
                                             std::to_string(figures.size()) +
                                             " figures instead of 3");
            break;
        default:
            throw Violation(input + ": ended in an unexpected error: " + outcome.message);
    }

    // The conversions never yield a NaN or an infinity, so such inputs lie outside the program's
    // domain: they are held only to the delivery rules above (no crash, a named error or all
    // figures), not to the payroll relations.
    if (!std::isfinite(in.GrossWage) || !std::isfinite(in.ChildRelief)) return;
    CheckDomain(in, outcome, figures, input);
}

void CheckCalculateWage(Bytes input) {
    ByteReader reader(input);
    wage::WageInputs in{};
    in.GrossWage = reader.Raw<double>();
    in.ChildCount = reader.Raw<std::int32_t>();
    in.ChildRelief = reader.Raw<double>();
    in.SpouseClaimed = (reader.Byte() & 1) != 0;
    CheckWageInputs(in);
}

}  // namespace fuzz
