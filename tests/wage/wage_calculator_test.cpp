#include "wage/wage_calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "wage/errors.h"

namespace {

using wage::WageBreakdown;
using wage::WageFigure;
using wage::WageInputs;

struct Delivery {
    std::vector<std::pair<WageFigure, double>> figures;
    auto Receiver() {
        return [this](WageFigure figure, double value) { figures.emplace_back(figure, value); };
    }
};

std::vector<double> AllFigures(const WageBreakdown& b) {
    std::vector<double> values;
    for (int i = 0; i < wage::WageFigureCount; ++i) {
        values.push_back(wage::FigureValue(b, static_cast<WageFigure>(i)));
    }
    return values;
}

struct WorkedCase {
    const char* name;
    WageInputs inputs;
    std::vector<double> figures;  // in step order
};

class WorkedExamples : public testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedExamples, GiveEveryFigureInStepOrder) {
    const WorkedCase& c = GetParam();
    Delivery delivery;
    const WageBreakdown b = wage::CalculateWage(c.inputs, delivery.Receiver());

    EXPECT_EQ(AllFigures(b), c.figures);
    ASSERT_EQ(delivery.figures.size(), static_cast<std::size_t>(wage::WageFigureCount));
    for (int i = 0; i < wage::WageFigureCount; ++i) {
        EXPECT_EQ(delivery.figures[i].first, static_cast<WageFigure>(i));
        EXPECT_EQ(delivery.figures[i].second, c.figures[i])
            << wage::FigureName(delivery.figures[i].first);
    }
}

INSTANTIATE_TEST_SUITE_P(
    NetWage, WorkedExamples,
    testing::Values(
        WorkedCase{"Default",
                   {10000, 1, 1117, false},
                   {13400, 13400, 2010, 0, 451, 650, 8899, 900, 2500, 13400, 4501}},
        WorkedCase{"OddCrownGoesUp",
                   {10001, 1, 1117, false},
                   {13402, 13500, 2025, 0, 451, 651, 8899, 900.09, 2500.25, 13401.34, 4502.34}},
        WorkedCase{"OddHundredGoesUpWithSpouse",
                   {25000, 2, 1117, true},
                   {33500, 33600, 5040, 0, 1126, 1626, 22248, 2250, 6250, 33500, 11252}},
        WorkedCase{"ExtendedRateAboveDecimal",
                   {20000, 1, 1117, false},
                   {26800, 26800, 4020, 833, 901, 1300, 16966, 1800, 5000, 26800, 9834}},
        WorkedCase{"ExtendedRateBelowDecimal",
                   {27000, 0, 1117, false},
                   {36180, 36200, 5430, 3360, 1216, 1755, 20669, 2430, 6750, 36180, 15511}},
        WorkedCase{"NoChildren",
                   {30000, 0, 1117, false},
                   {40200, 40200, 6030, 3960, 1350, 1950, 22740, 2700, 7500, 40200, 17460}},
        WorkedCase{"ZeroWage", {0, 0, 0, false}, std::vector<double>(11, 0.0)},
        // A negative child count raises the tax; the levy then contains the raised tax.
        WorkedCase{"NegativeChildCount",
                   {20000, -5, 1117, false},
                   {26800, 26800, 4020, 7535, 901, 1300, 10264, 1800, 5000, 26800, 16536}},
        WorkedCase{"NegativeChildRelief",
                   {20000, 1, -1000, false},
                   {26800, 26800, 4020, 2950, 901, 1300, 14849, 1800, 5000, 26800, 11951}},
        WorkedCase{"NegativeWage",
                   {-10000, 0, 1117, false},
                   {-13400, -13400, -2010, 0, -450, -650, -8900, -900, -2500, -13400, -4500}},
        // Small negative wages round several figures to zero.
        WorkedCase{"SmallNegativeWage",
                   {-11, 0, 1117, false},
                   {-14, 0, 0, 0, 0, 0, -11, -0.99, -2.75, -14.74, -3.74}},
        WorkedCase{
            "Fractions",
            {10000.5, 1, 1117.5, false},
            {13401, 13500, 2025, 0, 451, 651, 8898.5, 900.045, 2500.125, 13400.67, 4502.17}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NetWage, TaxEqualToReliefsIsPositiveZero) {
    // 2010 - 2070 - (-60) is exactly zero.
    const WageBreakdown exact = wage::CalculateWage({10000, 1, -60, false}, [](auto, auto) {});
    EXPECT_EQ(exact.TaxAfterRelief, 0);
    EXPECT_FALSE(std::signbit(exact.TaxAfterRelief));

    const WageBreakdown below = wage::CalculateWage({10000, 3, 1117, true}, [](auto, auto) {});
    EXPECT_EQ(below.TaxAfterRelief, 0);
    EXPECT_FALSE(std::signbit(below.TaxAfterRelief));
}

TEST(NetWage, LargestWageSucceeds) {
    Delivery delivery;
    const WageBreakdown b =
        wage::CalculateWage({6883113460339384320.0, 0, 0, false}, delivery.Receiver());
    EXPECT_EQ(b.SuperGrossWage, 9223372036854774784.0);
    EXPECT_EQ(b.TaxBase, 9223372036854774784.0);
    EXPECT_EQ(delivery.figures.size(), static_cast<std::size_t>(wage::WageFigureCount));
}

TEST(NetWage, ChildReliefJustBelowOverflowSucceeds) {
    const WageBreakdown b = wage::CalculateWage({20000, 1, 1e308, false}, [](auto, auto) {});
    EXPECT_EQ(b.TaxAfterRelief, 0);
    EXPECT_EQ(b.NetWage, 17799);
}

struct FailureCase {
    const char* name;
    WageInputs inputs;
    bool invalidOp;  // otherwise an overflow
    std::vector<double> delivered;
};

class Failures : public testing::TestWithParam<FailureCase> {};

TEST_P(Failures, StopAtTheFailingStepAfterDeliveringTheEarlierFigures) {
    const FailureCase& c = GetParam();
    Delivery delivery;
    const std::string message =
        c.invalidOp ? "Invalid floating point operation" : "Floating point overflow";
    try {
        wage::CalculateWage(c.inputs, delivery.Receiver());
        FAIL() << "no error";
    } catch (const wage::EInvalidOp& e) {
        EXPECT_TRUE(c.invalidOp);
        EXPECT_EQ(e.what(), message);
    } catch (const wage::EOverflow& e) {
        EXPECT_FALSE(c.invalidOp);
        EXPECT_EQ(e.what(), message);
    }
    ASSERT_EQ(delivery.figures.size(), c.delivered.size());
    for (std::size_t i = 0; i < c.delivered.size(); ++i) {
        EXPECT_EQ(delivery.figures[i].first, static_cast<WageFigure>(i));
        EXPECT_EQ(delivery.figures[i].second, c.delivered[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    NetWage, Failures,
    testing::Values(
        FailureCase{"WageAboveLargest", {6883113460339385344.0, 1, 1117, false}, true, {}},
        FailureCase{"NegativeWageBelowLargest", {-6883113460339385344.0, 1, 1117, false}, true, {}},
        FailureCase{
            "ChildReliefsBeyondDouble", {20000, 2, 1e308, false}, false, {26800, 26800, 4020}},
        FailureCase{"NegativeChildReliefsBeyondDouble",
                    {20000, -2, 1e308, true},
                    false,
                    {26800, 26800, 4020}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExtendedBits {
    std::uint16_t signAndExponent;
    std::uint64_t significand;
};

ExtendedBits BitsOf(long double value) {
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &value, sizeof value);
    ExtendedBits bits{};
    std::memcpy(&bits.significand, bytes, 8);
    std::memcpy(&bits.signAndExponent, bytes + 8, 2);
    return bits;
}

TEST(NetWage, RatesHaveTheirExtendedBitPatterns) {
    const wage::ExtendedRates rates = wage::CalculationRates();
    const std::pair<long double, ExtendedBits> expected[] = {
        {rates.SuperGrossFactor, {0x3FFF, 0xAB851EB851EB851FULL}},
        {rates.TaxRate, {0x3FFC, 0x999999999999999AULL}},
        {rates.EmployeeSocialRate, {0x3FFA, 0xB851EB851EB851ECULL}},
        {rates.EmployeeHealthRate, {0x3FFB, 0x851EB851EB851EB8ULL}},
        {rates.EmployerSocialRate, {0x3FFB, 0xB851EB851EB851ECULL}},
    };
    for (const auto& [value, bits] : expected) {
        const ExtendedBits actual = BitsOf(value);
        EXPECT_EQ(actual.signAndExponent, bits.signAndExponent);
        EXPECT_EQ(actual.significand, bits.significand);
    }
}

}  // namespace
