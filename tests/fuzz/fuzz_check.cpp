#include "tests/fuzz/fuzz_check.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

std::u16string Utf16FromBytes(Bytes bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    }
    return text;
}

std::string Utf8(std::u16string_view text) {
    std::string out;
    auto put = [&out](unsigned bits) { out += static_cast<char>(bits); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool high = c >= 0xD800 && c < 0xDC00;
        const bool low = c >= 0xDC00 && c < 0xE000;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) * 0x400) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (high || low) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 + (c / 64));
            put(0x80 + (c % 64));
        } else if (c < 0x10000) {
            put(0xE0 + (c / 4096));
            put(0x80 + (c / 64 % 64));
            put(0x80 + (c % 64));
        } else {
            put(0xF0 + (c / 262144));
            put(0x80 + (c / 4096 % 64));
            put(0x80 + (c / 64 % 64));
            put(0x80 + (c % 64));
        }
    }
    return out;
}

std::string Printable(std::u16string_view text) {
    std::string out = "\"";
    for (const char16_t c : text) {
        if (c >= 0x20 && c < 0x7F && c != u'\\' && c != u'"') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out + "\"";
}

std::string Printable(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

int RunCheck(void (*check)(Bytes), const std::uint8_t* data, std::size_t size) {
    try {
        check(Bytes(data, size));
    } catch (const Violation& violation) {
        std::fprintf(stderr, "\nPROPERTY VIOLATED: %s\n", violation.what());
        std::abort();
    }
    return 0;
}

}  // namespace fuzz
