// Runs every committed seed and every kept crash of each fuzz target through the target's
// property check, so that the ordinary test run guards what fuzzing once found.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/number_text_checks.h"
#include "tests/fuzz/panel_text_checks.h"
#include "tests/fuzz/wage_calculator_checks.h"
#include "wage/wage_calculator.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Checks every file under corpus/<target> and regressions/<target>; returns how many it read.
int Replay(const std::string& target, void (*check)(fuzz::Bytes)) {
    wage::SetExtendedPrecision();
    int count = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(FUZZ_SOURCE_DIR) / kind / target;
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            const std::vector<std::uint8_t> bytes = ReadBytes(entry.path());
            ++count;
            try {
                check(fuzz::Bytes(bytes.data(), bytes.size()));
            } catch (const fuzz::Violation& violation) {
                ADD_FAILURE() << entry.path().string() << ": " << violation.what();
            }
        }
    }
    return count;
}

TEST(FuzzCorpus, ParseRealKeepsItsProperties) {
    EXPECT_GT(Replay("parse_real", fuzz::CheckParseReal), 0);
}

TEST(FuzzCorpus, ParseIntegerKeepsItsProperties) {
    EXPECT_GT(Replay("parse_integer", fuzz::CheckParseInteger), 0);
}

TEST(FuzzCorpus, FormatRealKeepsItsProperties) {
    EXPECT_GT(Replay("format_real", fuzz::CheckFormatReal), 0);
}

TEST(FuzzCorpus, CalculateWageKeepsItsProperties) {
    EXPECT_GT(Replay("calculate_wage", fuzz::CheckCalculateWage), 0);
}

TEST(FuzzCorpus, DecodePanelTextKeepsItsProperties) {
    EXPECT_GT(Replay("panel_text", fuzz::CheckDecodePanelText), 0);
}

}  // namespace
