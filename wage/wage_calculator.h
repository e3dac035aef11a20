#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace wage {

struct WageInputs {
    double GrossWage;
    std::int32_t ChildCount;
    double ChildRelief;
    bool SpouseClaimed;
};

// The figures in the order the calculation produces them.
enum class WageFigure {
    SuperGrossWage,
    TaxBase,
    TaxBeforeRelief,
    TaxAfterRelief,
    EmployeeSocial,
    EmployeeHealth,
    NetWage,
    EmployerSocial,
    EmployerHealth,
    EmployerCost,
    StateLevy
};

inline constexpr int WageFigureCount = 11;

struct WageBreakdown {
    double SuperGrossWage, TaxBase, TaxBeforeRelief, TaxAfterRelief, EmployeeSocial, EmployeeHealth,
        NetWage, EmployerSocial, EmployerHealth, EmployerCost, StateLevy;
};

// Computes the eleven figures in step order and hands each one to `receiver` as soon as it is
// known. Throws EInvalidOp (super-gross wage beyond the 64-bit integer range) or EOverflow (tax
// after reliefs beyond the double range); the receiver has then seen exactly the earlier figures.
// Expects the x87 unit in 64-bit precision with rounding to nearest (see SetExtendedPrecision).
WageBreakdown CalculateWage(const WageInputs& inputs,
                            const std::function<void(WageFigure, double)>& receiver);

// The value of one figure of a breakdown.
double FigureValue(const WageBreakdown& breakdown, WageFigure figure);

// The figure's identifier, e.g. "SuperGrossWage".
std::string_view FigureName(WageFigure figure);

// The five rates as the calculation holds them, the nearest extended values of 1.34, 0.15,
// 0.045, 0.065 and 0.09.
struct ExtendedRates {
    long double SuperGrossFactor, TaxRate, EmployeeSocialRate, EmployeeHealthRate,
        EmployerSocialRate;
};
ExtendedRates CalculationRates();

// Puts the x87 unit into 64-bit precision, rounding to nearest, exceptions masked; a process can
// inherit another setting, and every figure depends on this one.
void SetExtendedPrecision();

}  // namespace wage
