#pragma once

// The credit line: every tick of the window's timer types one character of a fixed 20-character
// text near the bottom edge of the window, 14 pixels apart, and starts again from the first
// character when the line is complete. The first pass is in the window's text colour, each later
// pass in its own shade of red.

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <random>
#include <string_view>

namespace credit_banner {

inline constexpr int kLength = 20;
inline constexpr int kTickIntervalMs = 100;

// One UTF-16 code unit per position.
using Text = std::array<char16_t, kLength>;

// "A work of the Čistá mzda team", in precomposed letters so that each is one code unit.
inline constexpr std::u16string_view kCreditWording = u"Dílo týmu Čistá mzda";
static_assert(kCreditWording.size() == kLength);

constexpr Text ToText(std::u16string_view wording) {
    Text text{};
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = wording[i];
    return text;
}

inline constexpr Text kCreditText = ToText(kCreditWording);

// The colour a pass is drawn in: the window's text colour until the first pass is complete, then
// red `red`, green 0, blue 0, chosen as the pass begins.
struct PassColour {
    std::optional<int> red;

    bool isWindowText() const { return !red.has_value(); }
    friend bool operator==(const PassColour&, const PassColour&) = default;
};

// Uniform integers from 0 to 255.
using RandomByteSource = std::function<int()>;

// A generator seeded from the clock when it is made.
class ClockSeededRandomByte {
public:
    ClockSeededRandomByte();
    int operator()();

private:
    std::mt19937 engine_;
    std::uniform_int_distribution<int> distribution_{0, 255};
};

struct Step {
    int index;  // the position just drawn, 1 to 20
    char16_t character;
    PassColour colour;
    int x;  // top-left corner of the character in client coordinates; may be negative
    int y;
};

// One tick: advances `index` (0 before the first tick), wrapping from 20 to 1 with a fresh red
// shade, and places the character by the window's outer (frame) size.
Step nextStep(const Text& text, int index, PassColour colour, int frameWidth, int frameHeight,
              const RandomByteSource& randomByte);

}  // namespace credit_banner
