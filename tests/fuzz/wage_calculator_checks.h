#pragma once

// Properties of the wage calculation, checked on arbitrary inputs.

#include "tests/fuzz/fuzz_check.h"
#include "wage/wage_calculator.h"

namespace fuzz {

// Input: the gross wage (8 bytes, a double), the child count (4 bytes), the relief per child
// (8 bytes, a double) and a byte whose lowest bit claims the spouse relief.
void CheckCalculateWage(Bytes input);

void CheckWageInputs(const wage::WageInputs& inputs);

}  // namespace fuzz
