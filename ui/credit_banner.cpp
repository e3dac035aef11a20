#include "ui/credit_banner.h"

#include <chrono>

namespace credit_banner {

namespace {

constexpr int kCharacterSpacing = 14;
constexpr int kLineOffsetFromCentre = 150;
constexpr int kLineOffsetFromBottom = 48;

}  // namespace

ClockSeededRandomByte::ClockSeededRandomByte()
    : engine_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

int ClockSeededRandomByte::operator()() { return distribution_(engine_); }

Step nextStep(const Text& text, int index, PassColour colour, int frameWidth, int frameHeight,
              const RandomByteSource& randomByte) {
    ++index;
    if (index > kLength) {
        index = 1;
        colour.red = randomByte();
    }
    // Integer division truncates toward zero, as the placement rule wants.
    return Step{
        .index = index,
        .character = text[static_cast<std::size_t>(index - 1)],
        .colour = colour,
        .x = frameWidth / 2 - kLineOffsetFromCentre + kCharacterSpacing * index,
        .y = frameHeight - kLineOffsetFromBottom,
    };
}

}  // namespace credit_banner
