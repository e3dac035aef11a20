#include "tests/fuzz/number_text_checks.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "tests/fuzz/outcome.h"
#include "wage/number_text.h"

namespace fuzz {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsHexDigit(char16_t c) {
    return IsDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

char16_t SeparatorFrom(std::uint8_t flags) { return (flags & 1) != 0 ? u'.' : u','; }

std::u16string_view WithoutLeadingZeros(std::u16string_view digits) {
    while (!digits.empty() && digits.front() == u'0') digits.remove_prefix(1);
    return digits;
}

std::string Ascii(std::u16string_view digits) { return {digits.begin(), digits.end()}; }

// An error's message travels as a C string (what()), so a text holding U+0000 yields the message
// up to that character, which is also all that a message box would show of it.
std::string AsMessage(const std::string& message) { return message.substr(0, message.find('\0')); }

std::string Describe(std::u16string_view text, char16_t separator) {
    return Printable(text) + " with separator '" + static_cast<char>(separator) + "'";
}

// ---------------------------------------------------------------------------------------------
// ParseReal

// A real-number text that has the accepted form, taken apart.
struct RealForm {
    bool negative = false;
    std::u16string digits;  // every mantissa digit, the separator left out
    int fractionDigits = 0;
    int exponent = 0;
};

// The accepted form, read as a grammar: blanks, [sign], digits [separator digits] (at least one
// character), [E [sign] digits], blanks. The exponent's digits stop being read at 500.
std::optional<RealForm> ReadRealForm(std::u16string_view text, char16_t separator) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return std::nullopt;
    std::u16string_view rest = text.substr(first, text.find_last_not_of(u' ') + 1 - first);

    auto takeDigits = [&rest] {
        std::size_t count = 0;
        while (count < rest.size() && IsDigit(rest[count])) ++count;
        const std::u16string_view digits = rest.substr(0, count);
        rest.remove_prefix(count);
        return digits;
    };
    auto takeSign = [&rest] {
        if (rest.empty() || (rest.front() != u'+' && rest.front() != u'-')) return false;
        const bool minus = rest.front() == u'-';
        rest.remove_prefix(1);
        return minus;
    };

    RealForm form;
    form.negative = takeSign();
    const std::u16string_view whole = takeDigits();
    const bool hasSeparator = !rest.empty() && rest.front() == separator;
    if (hasSeparator) rest.remove_prefix(1);
    const std::u16string_view fraction = hasSeparator ? takeDigits() : std::u16string_view{};
    if (whole.empty() && !hasSeparator) return std::nullopt;
    form.digits = std::u16string(whole) + std::u16string(fraction);
    form.fractionDigits = static_cast<int>(fraction.size());

    if (!rest.empty() && (rest.front() == u'E' || rest.front() == u'e')) {
        rest.remove_prefix(1);
        const bool minus = takeSign();
        int exponent = 0;
        for (const char16_t digit : takeDigits()) {
            if (exponent >= 500) return std::nullopt;
            exponent = exponent * 10 + (digit - u'0');
        }
        form.exponent = minus ? -exponent : exponent;
    }
    if (!rest.empty()) return std::nullopt;
    return form;
}

void CheckParseRealValue(const RealForm& form, const Outcome<double>& outcome,
                         const std::string& input) {
    const std::u16string_view significant = WithoutLeadingZeros(form.digits);
    const long digitCount = static_cast<long>(significant.size());
    const long power = form.exponent - form.fractionDigits;
    // The value lies in [10^(order - 1), 10^order).
    const long order = digitCount + power;

    if (digitCount == 0) {
        Require(outcome.ending == Ending::Value && outcome.value == 0 &&
                    std::signbit(outcome.value) == form.negative,
                input + ": zero digits do not give a zero of the text's sign");
        return;
    }
    if (outcome.ending == Ending::ConvertError) {
        // Only a value beyond the extended range (about 1.19E4932) is rejected despite its form;
        // the margin covers the digits that decide the exact boundary.
        Require(digitCount > 4900 || order > 4900,
                input + ": rejected though it has the accepted form and lies in range");
        return;
    }
    Require(digitCount <= 4940 && order <= 4940,
            input + ": accepted though it lies beyond the extended range");

    if (outcome.ending == Ending::Overflow) {
        Require(order >= 309, input + ": overflow for a value within the double range");
        return;
    }
    Require(outcome.ending == Ending::Value, input + ": ended in neither a value nor its errors");
    Require(power <= -5120 || order < 310,
            input + ": a value beyond the double range did not overflow");

    const double value = outcome.value;
    Require(std::isfinite(value), input + ": the value is not finite");
    Require(std::signbit(value) == form.negative, input + ": the value has the wrong sign");
    // A power of -5120 or below gives zero by the scaling rule.
    if (power <= -5120 || order <= -325) {
        Require(value == 0, input + ": gives " + Printable(value) + " instead of zero");
        return;
    }

    const std::string decimal =
        (form.negative ? "-" : "") + Ascii(significant) + "e" + std::to_string(power);
    if (digitCount <= 19 && std::labs(power) <= 27) {
        // A mantissa exact in extended precision and one exact power of ten: the value is the
        // correctly rounded extended value, rounded once more to double.
        const auto expected = static_cast<double>(std::strtold(decimal.c_str(), nullptr));
        Require(value == expected,
                input + ": gives " + Printable(value) + " instead of " + Printable(expected));
        return;
    }
    // Longer mantissas and larger powers take several extended roundings: the value stays within
    // a few units in the last place of the double.
    const double nearest = std::strtod(decimal.c_str(), nullptr);
    if (std::isinf(nearest)) return;  // just beyond the largest double, yet rounded down to it
    const double tolerance = std::fmax(std::fabs(nearest) * 1e-15, 2 * DBL_TRUE_MIN);
    Require(std::fabs(value - nearest) <= tolerance,
            input + ": gives " + Printable(value) + ", too far from " + Printable(nearest));
}

// ---------------------------------------------------------------------------------------------
// ParseInteger

std::optional<std::int32_t> ReferenceInteger(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    bool hexadecimal = true;
    if (text.starts_with(u'$') || text.starts_with(u'x') || text.starts_with(u'X')) {
        text.remove_prefix(1);
    } else if (text.starts_with(u"0x") || text.starts_with(u"0X")) {
        text.remove_prefix(2);
    } else {
        hexadecimal = false;
    }
    if (text.empty()) return std::nullopt;
    for (const char16_t c : text) {
        if (!(hexadecimal ? IsHexDigit(c) : IsDigit(c))) return std::nullopt;
    }
    const std::string significant = Ascii(WithoutLeadingZeros(text));
    if (hexadecimal) {
        if (significant.size() > 8) return std::nullopt;
        auto bits =
            static_cast<std::uint32_t>(std::strtoul(("0" + significant).c_str(), nullptr, 16));
        if (negative) bits = ~bits + 1;
        return static_cast<std::int32_t>(bits);
    }
    if (significant.size() > 10) return std::nullopt;
    const long long magnitude = std::strtoll(("0" + significant).c_str(), nullptr, 10);
    if (magnitude > (negative ? 2147483648LL : 2147483647LL)) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// ---------------------------------------------------------------------------------------------
// FormatReal

// A formatted text taken apart: the value is 0.digits x 10^exponent.
struct Formatted {
    bool negative = false;
    std::string digits;
    int exponent = 0;
    bool scientific = false;
};

bool AllDigits(std::u16string_view text) {
    for (const char16_t c : text) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

// The documented shape of a nonzero value: "-" for a negative value, then either fixed notation
// ("123", "123,45", "0,00012") or scientific notation ("1,5E300", "1E-5"); no grouping, no
// leading or trailing zeros that carry nothing, at most 15 significant digits.
std::optional<Formatted> ReadFormatted(std::u16string_view text, char16_t separator) {
    Formatted out;
    if (text.starts_with(u'-')) {
        out.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find(u'E');
    if (e != std::u16string_view::npos) {
        out.scientific = true;
        const std::u16string_view mantissa = text.substr(0, e);
        std::u16string_view power = text.substr(e + 1);
        if (mantissa.empty() || mantissa[0] < u'1' || mantissa[0] > u'9') return std::nullopt;
        if (mantissa.size() > 1) {
            const std::u16string_view rest = mantissa.substr(2);
            if (mantissa[1] != separator || rest.empty() || !AllDigits(rest) ||
                rest.back() == u'0') {
                return std::nullopt;
            }
        }
        const bool minus = power.starts_with(u'-');
        if (minus) power.remove_prefix(1);
        if (power.empty() || power.size() > 4 || !AllDigits(power) || power[0] == u'0') {
            return std::nullopt;
        }
        const int magnitude = std::stoi(Ascii(power));
        out.exponent = (minus ? -magnitude : magnitude) + 1;
        out.digits = Ascii(mantissa.substr(0, 1)) +
                     Ascii(mantissa.substr(std::min<std::size_t>(2, mantissa.size())));
    } else {
        const std::size_t at = text.find(separator);
        const std::u16string_view whole = text.substr(0, at);
        const std::u16string_view fraction =
            at == std::u16string_view::npos ? std::u16string_view{} : text.substr(at + 1);
        if (whole.empty() || !AllDigits(whole) || !AllDigits(fraction)) return std::nullopt;
        if (at != std::u16string_view::npos && (fraction.empty() || fraction.back() == u'0')) {
            return std::nullopt;
        }
        if (whole == u"0") {
            const std::u16string_view digits = WithoutLeadingZeros(fraction);
            if (digits.empty()) return std::nullopt;
            out.exponent = -static_cast<int>(fraction.size() - digits.size());
            out.digits = Ascii(digits);
        } else {
            if (whole[0] == u'0') return std::nullopt;
            out.exponent = static_cast<int>(whole.size());
            out.digits = Ascii(whole) + Ascii(fraction);
            while (out.digits.back() == '0') out.digits.pop_back();
        }
    }
    if (out.digits.size() > 15) return std::nullopt;
    return out;
}

struct Rounded {
    std::string digits;
    int exponent;
    bool operator==(const Rounded&) const = default;
};

// The 18 digits cut to 15, half up on the 16th; a carry out of the first digit leaves "1".
Rounded CutTo15(std::uint64_t eighteen, int exponent) {
    if (eighteen == 1'000'000'000'000'000'000ULL) return {"1", exponent + 1};
    std::uint64_t fifteen = eighteen / 1000;
    if ((eighteen / 100) % 10 >= 5) ++fifteen;
    if (fifteen == 1'000'000'000'000'000ULL) return {"1", exponent + 1};
    std::string digits = std::to_string(fifteen);
    while (digits.back() == '0') digits.pop_back();
    return {digits, exponent};
}

void CheckFormattedDigits(double value, const Formatted& shape, const std::string& input) {
    // The value's 18 leading digits, exactly rounded; the rules scale in extended precision, which
    // may leave the 18th digit one off before the cut to 15.
    char exact[40];
    std::snprintf(exact, sizeof exact, "%.17e", std::fabs(value));
    std::string eighteen(exact, 1);
    eighteen.append(exact + 2, 17);
    const std::uint64_t nearest = std::stoull(eighteen);
    const int exponent = std::atoi(exact + 20) + 1;

    bool matches = false;
    std::string expected;
    for (const std::int64_t offset : {-1, 0, 1}) {
        const std::uint64_t candidate = nearest + offset;
        if (candidate < 100'000'000'000'000'000ULL) continue;
        const Rounded rounded = CutTo15(candidate, exponent);
        matches = matches || rounded == Rounded{shape.digits, shape.exponent};
        expected += " " + rounded.digits + "E" + std::to_string(rounded.exponent);
    }
    Require(matches, input + ": digits " + shape.digits + "E" + std::to_string(shape.exponent) +
                         " where the rules give one of" + expected);
}

}  // namespace

void CheckFormatRealValue(double value, char16_t separator) {
    const std::u16string text = wage::FormatReal(value, separator);
    const std::string input = "FormatReal(" + Printable(value) + ", '" +
                              static_cast<char>(separator) + "') = " + Printable(text);

    if (std::isnan(value) || std::isinf(value)) {
        const std::u16string_view expected = std::isnan(value) ? u"NAN"
                                             : value < 0       ? u"-INF"
                                                               : u"INF";
        Require(text == expected, input + ": not the text of a value that is no number");
        // These texts are not numbers to ParseReal, by design.
        const auto back = Capture([&] { return wage::ParseReal(text, separator); });
        Require(back.ending == Ending::ConvertError &&
                    back.message ==
                        AsMessage("'" + Utf8(text) + "' is not a valid floating point value"),
                input + ": ParseReal did not reject it");
        return;
    }
    if (value == 0) {
        Require(text == u"0", input + ": zero is not \"0\"");
        return;
    }

    const std::optional<Formatted> shape = ReadFormatted(text, separator);
    Require(shape.has_value(), input + ": not the documented shape");
    Require(shape->negative == (value < 0), input + ": wrong sign");
    Require(shape->scientific == (shape->exponent < -3 || shape->exponent > 15),
            input + ": scientific notation where fixed belongs, or the reverse");
    CheckFormattedDigits(value, *shape, input);

    const auto back = Capture([&] { return wage::ParseReal(text, separator); });
    if (back.ending == Ending::Overflow) {
        // Named exception: the few largest doubles round to 1.79769313486232E308, which lies
        // beyond the double range, so their text reads back as an overflow.
        Require(shape->digits == "179769313486232" && shape->exponent == 309,
                input + ": ParseReal overflows on it");
        return;
    }
    Require(back.ending == Ending::Value, input + ": ParseReal rejects it: " + back.message);
    const std::u16string again = wage::FormatReal(back.value, separator);
    Require(again == text, input + ": reads back as " + Printable(back.value) +
                               ", which is written " + Printable(again));
}

void CheckParseRealText(std::u16string_view text, char16_t separator) {
    const std::string input = "ParseReal(" + Describe(text, separator) + ")";
    const auto outcome = Capture([&] { return wage::ParseReal(text, separator); });
    switch (outcome.ending) {
        case Ending::ConvertError:
            Require(outcome.message ==
                        AsMessage("'" + Utf8(text) + "' is not a valid floating point value"),
                    input + ": wrong message " + outcome.message);
            break;
        case Ending::Overflow:
            Require(outcome.message == "Floating point overflow",
                    input + ": wrong message " + outcome.message);
            break;
        case Ending::Value:
            break;
        default:
            throw Violation(input + ": ended in an unexpected error: " + outcome.message);
    }

    const std::optional<RealForm> form = ReadRealForm(text, separator);
    if (!form) {
        Require(outcome.ending == Ending::ConvertError, input + ": accepted though not a number");
        return;
    }
    CheckParseRealValue(*form, outcome, input);
}

void CheckParseIntegerText(std::u16string_view text) {
    const std::string input = "ParseInteger(" + Printable(text) + ")";
    const auto outcome = Capture([&] { return wage::ParseInteger(text); });
    const std::optional<std::int32_t> expected = ReferenceInteger(text);
    if (expected) {
        Require(outcome.ending == Ending::Value,
                input + ": rejected, expected " + std::to_string(*expected));
        Require(outcome.value == *expected, input + ": gives " + std::to_string(outcome.value) +
                                                " instead of " + std::to_string(*expected));
        return;
    }
    Require(outcome.ending == Ending::ConvertError,
            input + ": not rejected as a conversion error: " + outcome.message);
    Require(outcome.message == AsMessage("''" + Utf8(text) + "'' is not a valid integer value"),
            input + ": wrong message " + outcome.message);
}

void CheckParseReal(Bytes input) {
    ByteReader reader(input);
    const char16_t separator = SeparatorFrom(reader.Byte());
    CheckParseRealText(Utf16FromBytes(reader.Rest()), separator);
}

void CheckParseInteger(Bytes input) {
    ByteReader reader(input);
    reader.Byte();  // the separator byte, kept so that both targets share their corpus format
    CheckParseIntegerText(Utf16FromBytes(reader.Rest()));
}

void CheckFormatReal(Bytes input) {
    ByteReader reader(input);
    const char16_t separator = SeparatorFrom(reader.Byte());
    CheckFormatRealValue(reader.Raw<double>(), separator);
}

}  // namespace fuzz
