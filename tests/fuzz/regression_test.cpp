// Inputs that fuzzing singled out, kept as readable cases beside the replayed corpora.

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/number_text_checks.h"
#include "tests/fuzz/wage_calculator_checks.h"
#include "wage/errors.h"
#include "wage/number_text.h"

namespace {

#define EXPECT_PROPERTIES_HOLD(statement)        \
    try {                                        \
        statement;                               \
    } catch (const fuzz::Violation& violation) { \
        ADD_FAILURE() << violation.what();       \
    }

class FuzzRegression : public ::testing::Test {
protected:
    void SetUp() override { wage::SetExtendedPrecision(); }
};

// The one case where the rules themselves break the round trip: the largest doubles are written
// rounded up beyond the double range, and that text reads back as an overflow.
TEST_F(FuzzRegression, LargestDoubleIsWrittenBeyondTheDoubleRange) {
    EXPECT_EQ(wage::FormatReal(DBL_MAX, u','), u"1,79769313486232E308");
    EXPECT_THROW(wage::ParseReal(u"1,79769313486232E308", u','), wage::EOverflow);
    EXPECT_PROPERTIES_HOLD(fuzz::CheckFormatRealValue(DBL_MAX, u','));
    EXPECT_PROPERTIES_HOLD(fuzz::CheckFormatRealValue(-DBL_MAX, u'.'));
}

// Outside the domain (the conversions never yield them), yet no crash and no stray error.
TEST_F(FuzzRegression, NonFiniteInputsEndInAllFiguresOrANamedError) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const wage::WageInputs in :
         {wage::WageInputs{nan, 1, 1117, false}, wage::WageInputs{-inf, 1, 1117, false},
          wage::WageInputs{10000, 1, nan, true}, wage::WageInputs{10000, 0, inf, false},
          wage::WageInputs{10000, -3, -inf, false}}) {
        EXPECT_PROPERTIES_HOLD(fuzz::CheckWageInputs(in));
    }
}

}  // namespace
