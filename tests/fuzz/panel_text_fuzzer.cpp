// libFuzzer entry point; the property lives in panel_text_checks.cpp.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/panel_text_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::RunCheck(fuzz::CheckDecodePanelText, data, size);
}
