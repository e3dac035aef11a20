#pragma once

#include "wage/wage_calculator.h"

// Shows a finished calculation in the wage split chart: the employer's cost, the employee's two
// insurances and the tax, in that order and in the palette's first four colours.
void RefillWageChart(const wage::WageBreakdown& breakdown);
