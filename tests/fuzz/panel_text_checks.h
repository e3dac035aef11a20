#pragma once

// Properties of the panel's decoding of its files, checked on arbitrary bytes.

#include "tests/fuzz/fuzz_check.h"

namespace fuzz {

// Input: the whole content of a panel file.
void CheckDecodePanelText(Bytes input);

}  // namespace fuzz
