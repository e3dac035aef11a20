// libFuzzer entry point; the property lives in wage_calculator_checks.cpp.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/wage_calculator_checks.h"
#include "wage/wage_calculator.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    wage::SetExtendedPrecision();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::RunCheck(fuzz::CheckCalculateWage, data, size);
}
