#include "wage/wage_calculator.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "wage/errors.h"

static_assert(LDBL_MANT_DIG == 64, "the payroll arithmetic needs the x87 80-bit extended type");

namespace wage {
namespace {

using Extended = long double;

// The rates as the nearest extended values: 1.34, 0.15, 0.045 and 0.09 lie slightly above
// their decimal values, 0.065 slightly below; that is what makes 10000 give 451, not 450.
constexpr Extended SuperGrossFactor = 1.34L;
constexpr Extended TaxRate = 0.15L;
constexpr Extended EmployeeSocialRate = 0.045L;
constexpr Extended EmployeeHealthRate = 0.065L;
constexpr Extended EmployerSocialRate = 0.09L;
constexpr float EmployerHealthRate = 0.25f;
constexpr float RoundingOffset = 0.5f;
constexpr float TaxBaseDivisor = 100.0f;
constexpr std::int64_t TaxBaseMultiplier = 100;
constexpr double TaxpayerRelief = 2070;
constexpr double SpouseRelief = 2070;

[[noreturn, gnu::noinline, gnu::cold]] void ThrowOverflow() { throw EOverflow(); }
[[noreturn, gnu::noinline, gnu::cold]] void ThrowInvalidOp() { throw EInvalidOp(); }

// D(x): the figure as a double; beyond the double range is an overflow. Inlined, so that the
// extended value stays in its register instead of a slow round trip through memory.
[[gnu::always_inline]] inline double D(Extended x) {
    const double narrowed = static_cast<double>(x);
    if (std::isinf(narrowed) && !std::isinf(x)) ThrowOverflow();
    return narrowed;
}

// R(x): the nearest integer, ties to even; beyond the signed 64-bit range is invalid.
[[gnu::always_inline]] inline std::int64_t R(Extended x) {
    const Extended whole = std::rint(x);
    constexpr Extended Limit = 9223372036854775808.0L;  // 2^63
    if (!(whole >= -Limit && whole < Limit)) ThrowInvalidOp();
    return std::llrint(whole);  // already whole: no switch of the x87 rounding mode
}

}  // namespace

WageBreakdown CalculateWage(const WageInputs& inputs,
                            const std::function<void(WageFigure, double)>& receiver) {
    const Extended gross = inputs.GrossWage;
    WageBreakdown b{};

    // Whole crowns come from R(x + 0.5): a fraction goes up, a whole odd amount goes up by one.
    b.SuperGrossWage = D(R(SuperGrossFactor * gross + RoundingOffset));
    receiver(WageFigure::SuperGrossWage, b.SuperGrossWage);

    b.TaxBase =
        D(R(Extended{b.SuperGrossWage} / TaxBaseDivisor + RoundingOffset) * TaxBaseMultiplier);
    receiver(WageFigure::TaxBase, b.TaxBase);

    b.TaxBeforeRelief = D(TaxRate * b.TaxBase);
    receiver(WageFigure::TaxBeforeRelief, b.TaxBeforeRelief);

    double tax = D(b.TaxBeforeRelief - Extended{TaxpayerRelief});
    tax = D(tax - static_cast<Extended>(inputs.ChildCount) * inputs.ChildRelief);
    if (inputs.SpouseClaimed) tax = D(tax - Extended{SpouseRelief});
    if (tax < 0) tax = 0;
    b.TaxAfterRelief = tax;
    receiver(WageFigure::TaxAfterRelief, b.TaxAfterRelief);

    b.EmployeeSocial = D(R(EmployeeSocialRate * gross + RoundingOffset));
    receiver(WageFigure::EmployeeSocial, b.EmployeeSocial);

    b.EmployeeHealth = D(R(EmployeeHealthRate * gross + RoundingOffset));
    receiver(WageFigure::EmployeeHealth, b.EmployeeHealth);

    b.NetWage = D(gross - b.TaxAfterRelief - b.EmployeeSocial - b.EmployeeHealth);
    receiver(WageFigure::NetWage, b.NetWage);

    b.EmployerSocial = D(EmployerSocialRate * gross);
    receiver(WageFigure::EmployerSocial, b.EmployerSocial);

    b.EmployerHealth = D(EmployerHealthRate * gross);
    receiver(WageFigure::EmployerHealth, b.EmployerHealth);

    b.EmployerCost = D(Extended{b.NetWage} + b.EmployerSocial + b.EmployerHealth +
                       b.TaxAfterRelief + b.EmployeeSocial + b.EmployeeHealth);
    receiver(WageFigure::EmployerCost, b.EmployerCost);

    b.StateLevy = D(Extended{b.TaxAfterRelief} + b.EmployeeSocial + b.EmployeeHealth +
                    b.EmployerSocial + b.EmployerHealth);
    receiver(WageFigure::StateLevy, b.StateLevy);

    return b;
}

ExtendedRates CalculationRates() {
    return {SuperGrossFactor, TaxRate, EmployeeSocialRate, EmployeeHealthRate, EmployerSocialRate};
}

void SetExtendedPrecision() {
#if defined(__x86_64__) || defined(__i386__)
    // 0x037F: all exceptions masked, 64-bit significand, round to nearest.
    const std::uint16_t controlWord = 0x037F;
    __asm__ volatile("fldcw %0" : : "m"(controlWord));
#endif
}

}  // namespace wage
