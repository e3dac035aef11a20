#include "ui/wage_chart_refill.h"

#include "ui/pie_chart_series.h"
#include "ui/unit1.h"

// The chart only schedules a repaint here, so it is drawn once, with all four slices.
void RefillWageChart(const wage::WageBreakdown& breakdown) {
    Form1->Series1->clear();
    Form1->Series1->append(breakdown.EmployerCost, "Mzda", PieSeries::AutoColor);
    Form1->Series1->append(breakdown.EmployeeSocial, "Soc.", PieSeries::AutoColor);
    Form1->Series1->append(breakdown.EmployeeHealth, "Zdrav.", PieSeries::AutoColor);
    Form1->Series1->append(breakdown.TaxAfterRelief, "Daň", PieSeries::AutoColor);
}
