#include "wage/wage_calculator.h"

#include <array>
#include <cstddef>

namespace wage {
namespace {

struct FigureEntry {
    double WageBreakdown::*field;
    std::string_view name;
};

// One row per figure, in the order of WageFigure.
constexpr std::array<FigureEntry, WageFigureCount> Figures = {{
    {&WageBreakdown::SuperGrossWage, "SuperGrossWage"},
    {&WageBreakdown::TaxBase, "TaxBase"},
    {&WageBreakdown::TaxBeforeRelief, "TaxBeforeRelief"},
    {&WageBreakdown::TaxAfterRelief, "TaxAfterRelief"},
    {&WageBreakdown::EmployeeSocial, "EmployeeSocial"},
    {&WageBreakdown::EmployeeHealth, "EmployeeHealth"},
    {&WageBreakdown::NetWage, "NetWage"},
    {&WageBreakdown::EmployerSocial, "EmployerSocial"},
    {&WageBreakdown::EmployerHealth, "EmployerHealth"},
    {&WageBreakdown::EmployerCost, "EmployerCost"},
    {&WageBreakdown::StateLevy, "StateLevy"},
}};

const FigureEntry& EntryOf(WageFigure figure) {
    return Figures.at(static_cast<std::size_t>(figure));
}

}  // namespace

double FigureValue(const WageBreakdown& breakdown, WageFigure figure) {
    return breakdown.*EntryOf(figure).field;
}

std::string_view FigureName(WageFigure figure) { return EntryOf(figure).name; }

}  // namespace wage
