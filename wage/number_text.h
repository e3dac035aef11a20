#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wage {

// Reads a real number: blanks, sign, digits with `decimalSeparator`, an "E" exponent, blanks.
// Throws EConvertError for a text that is not a number, EOverflow beyond the double range.
double ParseReal(std::u16string_view text, char16_t decimalSeparator);

// Reads a signed 32-bit integer, decimal or hexadecimal ("$1A", "0x1A", "x1A").
// Throws EConvertError for a text that is not such a number.
std::int32_t ParseInteger(std::u16string_view text);

// Writes a double in general format with 15 significant digits and no digit grouping.
std::u16string FormatReal(double value, char16_t decimalSeparator);

// Scales an extended value by 10^power, the way both directions of the conversion do.
long double ScaleByPowerOfTen(long double value, int power);

// UTF-16 to UTF-8 for messages; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

}  // namespace wage
