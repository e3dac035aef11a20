#include "ui/credit_banner.h"

#include <gtest/gtest.h>

#include <QColor>
#include <ostream>
#include <string>

#include "ui/credit_cells.h"

namespace {

using credit_banner::kCreditText;
using credit_banner::kLength;
using credit_banner::nextStep;
using credit_banner::PassColour;

const PassColour kWindowText{};

// A random source that must not be asked.
int unexpectedRandom() {
    ADD_FAILURE() << "a new shade was drawn in the middle of a pass";
    return 0;
}

TEST(CreditText, HasTwentyCodeUnitsAndNamesTheTeam) {
    EXPECT_EQ(kCreditText.size(), 20u);
    const std::u16string text(kCreditText.begin(), kCreditText.end());
    EXPECT_EQ(text, u"Dílo týmu Čistá mzda");
    EXPECT_NE(text.find(u"Čistá mzda"), std::u16string::npos);
}

struct StepCase {
    const char* name;
    int index;
    PassColour colour;
    int width;
    int height;
    int random;  // -1: the step must not draw a new shade
    int expectedIndex;
    PassColour expectedColour;
    int expectedX;
    int expectedY;
};

void PrintTo(const StepCase& c, std::ostream* out) { *out << c.name; }

class CreditStep : public testing::TestWithParam<StepCase> {};

TEST_P(CreditStep, AdvancesColoursAndPlacesTheCharacter) {
    const StepCase& c = GetParam();
    int randomCalls = 0;
    const credit_banner::RandomByteSource random = [&] {
        ++randomCalls;
        return c.random < 0 ? unexpectedRandom() : c.random;
    };

    const credit_banner::Step step =
        nextStep(kCreditText, c.index, c.colour, c.width, c.height, random);

    EXPECT_EQ(step.index, c.expectedIndex);
    EXPECT_EQ(step.character, kCreditText[c.expectedIndex - 1]);
    EXPECT_EQ(step.colour, c.expectedColour);
    EXPECT_EQ(step.x, c.expectedX);
    EXPECT_EQ(step.y, c.expectedY);
    EXPECT_EQ(randomCalls, c.random < 0 ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CreditStep,
    testing::Values(
        // Tick 1 stands at (W div 2) - 136 in the window's text colour.
        StepCase{"FirstTick", 0, kWindowText, 800, 600, -1, 1, kWindowText, 264, 552},
        StepCase{"SecondTick", 1, kWindowText, 800, 600, -1, 2, kWindowText, 278, 552},
        // Tick 20 ends the first pass still in the text colour.
        StepCase{"TwentiethTick", 19, kWindowText, 800, 600, -1, 20, kWindowText, 530, 552},
        // Tick 21 starts again from the first character in a fresh red.
        StepCase{"TwentyFirstTick", 20, kWindowText, 800, 600, 77, 1, PassColour{77}, 264, 552},
        StepCase{"RedPassGoesOn", 7, PassColour{77}, 800, 600, -1, 8, PassColour{77}, 362, 552},
        StepCase{"NewShadeReplacesOldOne", 20, PassColour{77}, 800, 600, 200, 1, PassColour{200},
                 264, 552},
        StepCase{"ShadeZero", 20, PassColour{9}, 800, 600, 0, 1, PassColour{0}, 264, 552},
        StepCase{"ShadeFull", 20, PassColour{9}, 800, 600, 255, 1, PassColour{255}, 264, 552},
        // An odd width loses its half pixel.
        StepCase{"OddWidth", 0, kWindowText, 801, 601, -1, 1, kWindowText, 264, 553},
        // A window narrower than 272 pixels puts the first characters left of the client area.
        StepCase{"NarrowWindow", 0, kWindowText, 200, 100, -1, 1, kWindowText, -36, 52},
        StepCase{"TinyWindow", 0, kWindowText, 0, 0, -1, 1, kWindowText, -136, -48}),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST(CreditStep, IndexStaysWithinTheLineAndTypesEveryCharacterInTurn) {
    int index = 0;
    PassColour colour;
    const credit_banner::RandomByteSource random = [] { return 128; };
    for (int tick = 1; tick <= 3 * kLength + 5; ++tick) {
        const credit_banner::Step step = nextStep(kCreditText, index, colour, 800, 600, random);
        ASSERT_GE(step.index, 1);
        ASSERT_LE(step.index, kLength);
        EXPECT_EQ(step.index, (tick - 1) % kLength + 1) << "tick " << tick;
        EXPECT_EQ(step.colour.isWindowText(), tick <= kLength) << "tick " << tick;
        index = step.index;
        colour = step.colour;
    }
}

TEST(CreditInk, ShadesRunFromBlackToPureRed) {
    const QColor windowText(10, 20, 30);
    EXPECT_EQ(inkOf(PassColour{}, windowText), windowText);
    EXPECT_EQ(inkOf(PassColour{0}, windowText), QColor(0, 0, 0));
    EXPECT_EQ(inkOf(PassColour{255}, windowText), QColor(255, 0, 0));
    EXPECT_EQ(inkOf(PassColour{128}, windowText), QColor(128, 0, 0));
}

TEST(ClockSeededRandomByte, StaysWithinZeroTo255) {
    credit_banner::ClockSeededRandomByte random;
    for (int i = 0; i < 1000; ++i) {
        const int value = random();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 255);
    }
}

}  // namespace
