#pragma once

// Properties of the number texts, checked on arbitrary input.

#include <string_view>

#include "tests/fuzz/fuzz_check.h"

namespace fuzz {

// Input: one byte whose lowest bit picks the separator ("," when clear, "." when set), then the
// text as UTF-16 little-endian.
void CheckParseReal(Bytes input);
void CheckParseInteger(Bytes input);

// Input: one byte for the separator as above, then the eight bytes of a double.
void CheckFormatReal(Bytes input);

void CheckParseRealText(std::u16string_view text, char16_t separator);
void CheckParseIntegerText(std::u16string_view text);
void CheckFormatRealValue(double value, char16_t separator);

}  // namespace fuzz
