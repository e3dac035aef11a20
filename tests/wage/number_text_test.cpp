#include "wage/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "wage/errors.h"
#include "wage/wage_calculator.h"

namespace {

std::u16string U16(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

struct RealCase {
    std::string text;
    char16_t separator;
    double value;
};

class ParseRealValues : public testing::TestWithParam<RealCase> {};

TEST_P(ParseRealValues, GiveTheNearestDouble) {
    const RealCase& c = GetParam();
    const double value = wage::ParseReal(U16(c.text), c.separator);
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, ParseRealValues,
    testing::Values(
        RealCase{"  12 ", u',', 12}, RealCase{"1E4", u',', 10000}, RealCase{"1e4", u',', 10000},
        RealCase{"1E", u',', 1}, RealCase{"1E+", u',', 1}, RealCase{",", u',', 0},
        RealCase{"-,", u',', -0.0}, RealCase{"1E-5", u',', 0.00001},
        RealCase{"1117,5", u',', 1117.5}, RealCase{"5,", u',', 5}, RealCase{",5", u',', 0.5},
        RealCase{"+5", u',', 5}, RealCase{"-8900", u',', -8900}, RealCase{"000010000", u',', 10000},
        RealCase{"99999999999999999999", u',', 1e20}, RealCase{"1E-400", u',', 0},
        RealCase{"1E-4999", u',', 0}, RealCase{"0,000000000000000000000000000001E-4900", u',', 0},
        RealCase{"4,9406564584124654E-324", u',', 4.9406564584124654e-324},
        RealCase{"1,7976931348623157E308", u',', DBL_MAX},
        RealCase{"6883113460339384320", u',', 6883113460339384320.0}, RealCase{"0,1", u',', 0.1},
        RealCase{"1E0000000003", u',', 1000}, RealCase{"900.09", u'.', 900.09},
        RealCase{"1.5e2", u'.', 150}, RealCase{".", u'.', 0}));

struct RejectedText {
    std::u16string text;
    char16_t separator;
};

class ParseRealRejects : public testing::TestWithParam<RejectedText> {};

TEST_P(ParseRealRejects, WithTheWholeTextInTheMessage) {
    const RejectedText& c = GetParam();
    try {
        wage::ParseReal(c.text, c.separator);
        FAIL() << "accepted";
    } catch (const wage::EConvertError& e) {
        EXPECT_EQ(e.what(), "'" + wage::ToUtf8(c.text) + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, ParseRealRejects,
    testing::Values(RejectedText{u"10 000", u','}, RejectedText{u"10000.5", u','},
                    RejectedText{u"1,2,3", u','}, RejectedText{u"12 3", u','},
                    RejectedText{u"INF", u','}, RejectedText{u"NAN", u','},
                    RejectedText{u"+", u','}, RejectedText{u"-", u','}, RejectedText{u"", u','},
                    RejectedText{u" ", u','}, RejectedText{u"E5", u','},
                    RejectedText{u"1E5000", u','}, RejectedText{u"1E4999", u','},
                    RejectedText{u"1E--5", u','}, RejectedText{u"\t1", u','},
                    RejectedText{u"1\u00A0", u','}, RejectedText{u"12 Kč", u','},
                    RejectedText{u"1,5", u'.'}, RejectedText{std::u16string(5000, u'9'), u','}));

TEST(NumberText, ParseRealMessageKeepsBlanksAndCzechLetters) {
    try {
        wage::ParseReal(u" 12a ", u',');
        FAIL() << "accepted";
    } catch (const wage::EConvertError& e) {
        EXPECT_STREQ(e.what(), "' 12a ' is not a valid floating point value");
    }
    try {
        wage::ParseReal(u"dítě", u',');
        FAIL() << "accepted";
    } catch (const wage::EConvertError& e) {
        EXPECT_STREQ(e.what(), "'dítě' is not a valid floating point value");
    }
}

TEST(NumberText, ParseRealBeyondTheDoubleRangeOverflows) {
    for (const char* text : {"1E500", "1E4000", "-1E309", "1,8E308"}) {
        try {
            wage::ParseReal(U16(text), u',');
            FAIL() << text << " accepted";
        } catch (const wage::EOverflow& e) {
            EXPECT_STREQ(e.what(), "Floating point overflow");
        }
    }
}

struct IntegerCase {
    std::string text;
    std::int32_t value;
};

class ParseIntegerValues : public testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerValues, GiveTheValue) {
    EXPECT_EQ(wage::ParseInteger(U16(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, ParseIntegerValues,
    testing::Values(IntegerCase{"5", 5}, IntegerCase{" 5", 5}, IntegerCase{"+5", 5},
                    IntegerCase{"00005", 5}, IntegerCase{"-0", 0}, IntegerCase{"0", 0},
                    IntegerCase{"0x1A", 26}, IntegerCase{"0X1a", 26}, IntegerCase{"x1A", 26},
                    IntegerCase{"$1a", 26}, IntegerCase{"-$10", -16}, IntegerCase{"$FFFFFFFF", -1},
                    IntegerCase{"$80000000", INT32_MIN}, IntegerCase{"-$80000000", INT32_MIN},
                    IntegerCase{"-2147483648", INT32_MIN}, IntegerCase{"2147483647", INT32_MAX},
                    IntegerCase{"$0000000012345678", 305419896}));

class ParseIntegerRejects : public testing::TestWithParam<std::string> {};

TEST_P(ParseIntegerRejects, WithTheWholeTextInDoubledApostrophes) {
    try {
        wage::ParseInteger(U16(GetParam()));
        FAIL() << "accepted";
    } catch (const wage::EConvertError& e) {
        EXPECT_EQ(e.what(), "''" + GetParam() + "'' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(NumberText, ParseIntegerRejects,
                         testing::Values("5 ", "- 5", "+-5", "1.0", "1e3", "0x", "$", "",
                                         "2147483648", "-2147483649", "$100000000", "12a",
                                         "99999999999999999999", "0x-1", "$ 1"));

struct FormatCase {
    double value;
    char16_t separator;
    std::u16string text;
};

class FormatRealTexts : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatRealTexts, GiveFifteenSignificantDigits) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(wage::ToUtf8(wage::FormatReal(c.value, c.separator)), wage::ToUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, FormatRealTexts,
    testing::Values(
        FormatCase{13400, u',', u"13400"}, FormatCase{900.09, u',', u"900,09"},
        FormatCase{0.5, u',', u"0,5"}, FormatCase{0.0001, u',', u"0,0001"},
        FormatCase{0.00001, u',', u"1E-5"}, FormatCase{999999999999999, u',', u"999999999999999"},
        FormatCase{1e15, u',', u"1E15"}, FormatCase{1234567890123456, u',', u"1,23456789012346E15"},
        FormatCase{9223372036854774784.0, u',', u"9,22337203685477E18"},
        FormatCase{1.5e300, u',', u"1,5E300"}, FormatCase{2.0 / 3.0, u',', u"0,666666666666667"},
        FormatCase{-8900, u',', u"-8900"}, FormatCase{1e14, u',', u"100000000000000"},
        FormatCase{123456789012345678.0, u',', u"1,23456789012346E17"},
        FormatCase{0.00012345, u',', u"0,00012345"}, FormatCase{0.0, u',', u"0"},
        FormatCase{-0.0, u',', u"0"}, FormatCase{1e20, u',', u"1E20"},
        FormatCase{0.1, u',', u"0,1"}, FormatCase{100, u',', u"100"},
        FormatCase{-0.99, u',', u"-0,99"},
        // The 16th digit carries through every 9 into a single "1".
        FormatCase{0.99999999999999994, u',', u"1"},
        FormatCase{9.9999999999999991e22, u',', u"1E23"},
        FormatCase{DBL_MAX, u',', u"1,79769313486232E308"},
        FormatCase{4.9406564584124654e-324, u',', u"4,94065645841247E-324"},
        // The decimal exponent's estimate is one too large here; no leading zero, no lost digit.
        FormatCase{9.924161033296096e-265, u',', u"9,9241610332961E-265"},
        FormatCase{900.09, u'.', u"900.09"},
        FormatCase{123456789012345678.0, u'.', u"1.23456789012346E17"},
        FormatCase{std::numeric_limits<double>::infinity(), u',', u"INF"},
        FormatCase{-std::numeric_limits<double>::infinity(), u',', u"-INF"},
        FormatCase{std::numeric_limits<double>::quiet_NaN(), u',', u"NAN"}));

struct FiguresAsTexts {
    wage::WageInputs inputs;
    std::vector<std::u16string> texts;
};

class WorkedExampleTexts : public testing::TestWithParam<FiguresAsTexts> {};

TEST_P(WorkedExampleTexts, ShowAsTheFieldsWould) {
    std::vector<std::u16string> texts;
    wage::CalculateWage(GetParam().inputs, [&](wage::WageFigure, double value) {
        texts.push_back(wage::FormatReal(value, u','));
    });
    EXPECT_EQ(texts, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, WorkedExampleTexts,
    testing::Values(FiguresAsTexts{{10001, 1, 1117, false},
                                   {u"13402", u"13500", u"2025", u"0", u"451", u"651", u"8899",
                                    u"900,09", u"2500,25", u"13401,34", u"4502,34"}},
                    FiguresAsTexts{{10000.5, 1, 1117.5, false},
                                   {u"13401", u"13500", u"2025", u"0", u"451", u"651", u"8898,5",
                                    u"900,045", u"2500,125", u"13400,67", u"4502,17"}}));

TEST(NumberText, PowersOfTenAreTheNearestExtendedValues) {
    // The compiler rounds decimal literals correctly, so they make an independent reference.
    const std::pair<int, long double> powers[] = {{27, 1e27L},   {28, 1e28L},     {31, 1e31L},
                                                  {32, 1e32L},   {64, 1e64L},     {480, 1e480L},
                                                  {512, 1e512L}, {1024, 1e1024L}, {4608, 1e4608L}};
    for (const auto& [power, expected] : powers) {
        EXPECT_EQ(wage::ScaleByPowerOfTen(1.0L, power), expected) << power;
    }
    EXPECT_EQ(wage::ScaleByPowerOfTen(5.0L, -5120), 0.0L);
    EXPECT_EQ(wage::ScaleByPowerOfTen(5.0L, 0), 5.0L);
    // 10^545 is 10^1 x 10^32 x 10^512, three rounded multiplications.
    EXPECT_EQ(wage::ScaleByPowerOfTen(1.0L, 545), 1e1L * 1e32L * 1e512L);
}

}  // namespace
