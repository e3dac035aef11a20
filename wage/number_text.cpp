#include "wage/number_text.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "wage/errors.h"

static_assert(LDBL_MANT_DIG == 64, "the number texts need the x87 80-bit extended type");

namespace wage {
namespace {

using Extended = long double;

// Nearest extended values of the powers of ten; exact up to 10^27.
constexpr std::array<Extended, 32> SmallPowers = {
    1e0L,
    1e1L,
    1e2L,
    1e3L,
    1e4L,
    1e5L,
    1e6L,
    1e7L,
    1e8L,
    1e9L,
    1e10L,
    1e11L,
    1e12L,
    1e13L,
    1e14L,
    1e15L,
    1e16L,
    1e17L,
    1e18L,
    1e19L,
    1e20L,
    1e21L,
    1e22L,
    1e23L,
    1e24L,
    1e25L,
    1e26L,
    1e27L,
    0x813F3978F8940984p+30L,  // 10^28
    0xA18F07D736B90BE5p+33L,  // 10^29
    0xC9F2C9CD04674EDFp+36L,  // 10^30
    0xFC6F7C4045812296p+39L,  // 10^31
};

// 10^(32 k) for k = 1 ... 15.
constexpr std::array<Extended, 16> MediumPowers = {
    1.0L,
    0x9DC5ADA82B70B59Ep+43L,
    0xC2781F49FFCFA6D5p+149L,
    0xEFB3AB16C59B14A3p+255L,
    0x93BA47C980E98CE0p+362L,
    0xB616A12B7FE617AAp+468L,
    0xE070F78D3927556Bp+574L,
    0x8A5296FFE33CC930p+681L,
    0xAA7EEBFB9DF9DE8Ep+787L,
    0xD226FC195C6A2F8Cp+893L,
    0x81842F29F2CCE376p+1000L,
    0x9FA42700DB900AD2p+1106L,
    0xC4C5E310AEF8AA17p+1212L,
    0xF28A9C07E9B09C59p+1318L,
    0x957A4AE1EBF7F3D4p+1425L,
    0xB83ED8DC0795A262p+1531L,
};

// 10^(512 k) for k = 1 ... 9.
constexpr std::array<Extended, 10> LargePowers = {
    1.0L,
    0xE319A0AEA60E91C7p+1637L,
    0xC976758681750C17p+3338L,
    0xB2B8353B3993A7E4p+5039L,
    0x9E8B3B5DC53D5DE5p+6740L,
    0x8CA554C020A1F0A6p+8441L,
    0xF9895D25D88B5A8Bp+10141L,
    0xDD5DC8A2BF27F3F8p+11842L,
    0xC46052028A20979Bp+13543L,
    0xAE3511626ED559F0p+15244L,
};

constexpr char16_t Blank = u' ';

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

[[noreturn]] void ThrowNotReal(std::u16string_view text) {
    throw EConvertError("'" + ToUtf8(text) + "' is not a valid floating point value");
}

[[noreturn]] void ThrowNotInteger(std::u16string_view text) {
    throw EConvertError("''" + ToUtf8(text) + "'' is not a valid integer value");
}

// The mantissa's digits taken as one whole number: for each digit the value is multiplied by 10
// and the digit added, each rounded to extended. The first 19 digits are exact that way, so they
// are gathered as an integer.
class MantissaDigits {
public:
    void Add(char16_t digit) {
        const unsigned value = digit - u'0';
        if (count_ < 19) {
            exact_ = exact_ * 10 + value;
            ++count_;
            return;
        }
        if (count_ == 19) {
            rounded_ = static_cast<Extended>(exact_);
            count_ = 20;
        }
        rounded_ = rounded_ * 10 + value;
    }
    Extended Value() const { return count_ <= 19 ? static_cast<Extended>(exact_) : rounded_; }

private:
    std::uint64_t exact_ = 0;
    Extended rounded_ = 0;
    int count_ = 0;  // stops at 20
};

// A real-number text read in one pass.
struct RealText {
    bool negative = false;
    MantissaDigits mantissa;
    std::ptrdiff_t fractionDigits = 0;
    int exponent = 0;
};

// Reads the accepted form; returns false for any other text.
bool ReadRealText(std::u16string_view text, char16_t separator, RealText& out) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == Blank) ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) out.negative = text[i++] == u'-';

    const std::size_t mantissaStart = i;
    for (; i < n && IsDigit(text[i]); ++i) out.mantissa.Add(text[i]);
    if (i < n && text[i] == separator) {
        const std::size_t fractionStart = ++i;
        for (; i < n && IsDigit(text[i]); ++i) out.mantissa.Add(text[i]);
        out.fractionDigits = static_cast<std::ptrdiff_t>(i - fractionStart);
    }
    if (i == mantissaStart) return false;

    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) negativeExponent = text[i++] == u'-';
        // Digits are read only until the exponent reaches 500: "1E4999" is read whole,
        // "1E5000" is not a number.
        int exponent = 0;
        while (i < n && IsDigit(text[i])) {
            if (exponent >= 500) return false;
            exponent = exponent * 10 + (text[i++] - u'0');
        }
        out.exponent = negativeExponent ? -exponent : exponent;
    }

    while (i < n && text[i] == Blank) ++i;
    return i == n;
}

// Inlined: passing an extended value to a function goes through memory, slowly.
[[gnu::always_inline]] inline Extended Scale(Extended value, int power) {
    if (power == 0) return value;
    if (power <= -5120) return 0;
    if (power >= 5120) return value * LargePowers[9] * LargePowers[9];  // beyond any extended
    const int a = power < 0 ? -power : power;
    const auto apply = [&](Extended factor) {
        value = power > 0 ? value * factor : value / factor;
    };
    apply(SmallPowers[a % 32]);
    if ((a / 32) % 16 != 0) apply(MediumPowers[(a / 32) % 16]);
    if (a / 512 != 0) apply(LargePowers[a / 512]);
    return value;
}

// N of the format: m scaled so that it has 18 integer digits, rounded to a whole number.
Extended ScaledDigits(Extended magnitude, int decimalExponent) {
    return std::rint(Scale(magnitude, 18 - decimalExponent));
}

int FloorDiv(int numerator, int denominator) {
    const int quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

// Collects a formatted number without allocating on the way; the longest text, a sign with
// "0,000" and 15 digits or a scientific form with a three-digit exponent, has 23 characters.
class TextBuffer {
public:
    void Put(char16_t c) { chars_[size_++] = c; }
    void Put(std::u16string_view text) {
        for (const char16_t c : text) Put(c);
    }
    void PutZeros(std::size_t count) {
        while (count-- > 0) Put(u'0');
    }
    void PutDecimal(int value) {
        char16_t digits[12];
        int count = 0;
        do {
            digits[count++] = static_cast<char16_t>(u'0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (count > 0) Put(digits[--count]);
    }
    std::u16string Text() const { return {chars_, size_}; }

private:
    char16_t chars_[32];
    std::size_t size_ = 0;
};

}  // namespace

long double ScaleByPowerOfTen(long double value, int power) { return Scale(value, power); }

double ParseReal(std::u16string_view text, char16_t decimalSeparator) {
    RealText parts;
    if (!ReadRealText(text, decimalSeparator, parts)) ThrowNotReal(text);

    Extended value = parts.mantissa.Value();
    if (std::isinf(value)) ThrowNotReal(text);

    // Beyond -5120 every scaling gives 0, so a longer fraction changes nothing.
    const int power =
        static_cast<int>(std::max<std::ptrdiff_t>(parts.exponent - parts.fractionDigits, -5120));
    value = Scale(value, power);
    if (std::isinf(value)) ThrowNotReal(text);
    if (parts.negative) value = -value;

    const double result = static_cast<double>(value);
    if (std::isinf(result)) throw EOverflow();
    return result;
}

std::int32_t ParseInteger(std::u16string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == Blank) ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';

    bool hexadecimal = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hexadecimal = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hexadecimal = true;
        i += 2;
    }
    if (i == n) ThrowNotInteger(text);

    if (hexadecimal) {
        std::uint32_t value = 0;
        int significantDigits = 0;
        for (; i < n; ++i) {
            const int digit = HexDigitValue(text[i]);
            if (digit < 0) ThrowNotInteger(text);
            if (value != 0 || digit != 0) ++significantDigits;
            if (significantDigits > 8) ThrowNotInteger(text);
            value = value * 16 + static_cast<std::uint32_t>(digit);
        }
        // Taken as a 32-bit two's-complement number, then negated: "$FFFFFFFF" is -1.
        if (negative) value = 0u - value;
        return static_cast<std::int32_t>(value);
    }

    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        if (!IsDigit(text[i])) ThrowNotInteger(text);
        value = value * 10 + (text[i] - u'0');
        if (value > limit) ThrowNotInteger(text);
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::u16string FormatReal(double value, char16_t decimalSeparator) {
    if (value == 0) return u"0";
    if (std::isnan(value)) return u"NAN";
    if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";

    const Extended magnitude = std::fabs(static_cast<Extended>(value));
    const int binaryExponent = std::ilogb(value);
    // 19728 / 65536 lies just below log10(2): E estimates the decimal exponent, so that
    // m = 0.d1d2... x 10^E; an estimate off by one is mended below.
    int decimalExponent = FloorDiv(binaryExponent * 19728, 65536) + 1;

    Extended scaled = ScaledDigits(magnitude, decimalExponent);
    if (scaled < 1e17L) {
        // For some tiny magnitudes the estimate is one too large, which would print a leading
        // zero and lose a digit.
        --decimalExponent;
        scaled = ScaledDigits(magnitude, decimalExponent);
    }
    if (scaled >= 1e18L) {
        scaled = std::rint(scaled / 10);
        ++decimalExponent;
    }

    // Cut the 18 digits to 15, rounding half up on the 16th digit.
    // Already whole and below 10^18: no switch of the x87 rounding mode is needed.
    std::uint64_t digits = static_cast<std::uint64_t>(std::llrint(scaled));
    const unsigned sixteenth = static_cast<unsigned>((digits / 100) % 10);
    digits /= 1000;
    if (sixteenth >= 5) ++digits;
    int digitCount = 15;
    if (digits == 1'000'000'000'000'000ULL) {
        digits = 1;
        digitCount = 1;
        ++decimalExponent;
    }
    while (digitCount > 1 && digits % 10 == 0) {
        digits /= 10;
        --digitCount;
    }
    char16_t text[15];
    for (int k = digitCount - 1; k >= 0; --k) {
        text[k] = static_cast<char16_t>(u'0' + digits % 10);
        digits /= 10;
    }
    const std::u16string_view significant(text, static_cast<std::size_t>(digitCount));

    TextBuffer out;
    if (value < 0) out.Put(u'-');
    if (decimalExponent >= -3 && decimalExponent <= 15) {
        if (decimalExponent >= 1) {
            const auto whole = static_cast<std::size_t>(decimalExponent);
            if (significant.size() <= whole) {
                out.Put(significant);
                out.PutZeros(whole - significant.size());
            } else {
                out.Put(significant.substr(0, whole));
                out.Put(decimalSeparator);
                out.Put(significant.substr(whole));
            }
        } else {
            out.Put(u'0');
            out.Put(decimalSeparator);
            out.PutZeros(static_cast<std::size_t>(-decimalExponent));
            out.Put(significant);
        }
    } else {
        out.Put(significant[0]);
        if (significant.size() > 1) {
            out.Put(decimalSeparator);
            out.Put(significant.substr(1));
        }
        out.Put(u'E');
        const int exponent = decimalExponent - 1;
        if (exponent < 0) out.Put(u'-');
        out.PutDecimal(exponent < 0 ? -exponent : exponent);
    }
    return out.Text();
}

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace wage
