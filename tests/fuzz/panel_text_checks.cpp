#include "tests/fuzz/panel_text_checks.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "ui/panel_text.h"

namespace fuzz {
namespace {

// UTF-8 read by code point and then judged: a sequence must be complete, use the shortest form,
// and name a scalar value (no surrogate, nothing above U+10FFFF).
std::optional<std::u16string> ReferenceUtf8(Bytes bytes) {
    std::u16string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned lead = bytes[i];
        const std::size_t length = lead < 0x80    ? 1
                                   : lead >= 0xF0 ? 4
                                   : lead >= 0xE0 ? 3
                                   : lead >= 0xC0 ? 2
                                                  : 0;
        if (length == 0 || lead > 0xF7 || i + length > bytes.size()) return std::nullopt;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) return std::nullopt;
            code = code * 64 + (bytes[i + k] & 0x3F);
        }
        constexpr std::array<char32_t, 5> Shortest = {0, 0, 0x80, 0x800, 0x10000};
        if (code < Shortest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
            return std::nullopt;
        }
        if (code < 0x10000) {
            text += static_cast<char16_t>(code);
        } else {
            text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
        i += length;
    }
    return text;
}

std::u16string ReferenceUtf16(Bytes bytes, bool bigEndian) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned high = bigEndian ? bytes[i] : bytes[i + 1];
        const unsigned low = bigEndian ? bytes[i + 1] : bytes[i];
        text += static_cast<char16_t>(high * 256 + low);
    }
    return text;
}

// The 8-bit code page, one character per byte. The table comes from the decoder itself, one byte
// at a time (a single byte is too short for a mark); what is checked is that a whole file decodes
// as its bytes do one by one, and that ASCII stays ASCII.
std::u16string ReferenceCodePage(Bytes bytes) {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (unsigned b = 0; b < 256; ++b) {
            const std::u16string one = ui::DecodePanelText(std::string(1, static_cast<char>(b)));
            t[b] = b == 0                   ? u'\0'
                   : b == '\r' || b == '\n' ? static_cast<char16_t>(b)
                   : one.size() == 1        ? one[0]
                                            : u'\0';
            Require(b == 0 || t[b] != u'\0', "byte " + std::to_string(b) + " alone decodes to " +
                                                 Printable(one) + ", not one character");
            Require(b >= 0x80 || t[b] == b,
                    "ASCII byte " + std::to_string(b) + " decodes to " + Printable(one));
        }
        return t;
    }();
    std::u16string text;
    for (const std::uint8_t b : bytes) text += table[b];
    return text;
}

bool StartsWith(Bytes bytes, std::initializer_list<std::uint8_t> mark) {
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

std::u16string ReferenceDecode(Bytes bytes) {
    if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) return ReferenceUtf8(bytes.subspan(3)).value_or(u"");
    if (StartsWith(bytes, {0xFF, 0xFE})) return ReferenceUtf16(bytes.subspan(2), false);
    if (StartsWith(bytes, {0xFE, 0xFF})) return ReferenceUtf16(bytes.subspan(2), true);
    return ReferenceCodePage(bytes);
}

// Up to the first NUL, every CR LF, lone CR and lone LF as CR LF.
std::u16string PanelLines(std::u16string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size() && text[i] != u'\0'; ++i) {
        if (text[i] == u'\n' || text[i] == u'\r') {
            out += u"\r\n";
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

void CheckDecodePanelText(Bytes input) {
    const std::string_view bytes(reinterpret_cast<const char*>(input.data()), input.size());
    const std::u16string text = ui::DecodePanelText(bytes);
    const std::string what = "DecodePanelText of " + std::to_string(input.size()) +
                             " bytes = " + Printable(text.substr(0, 200));

    Require(text.find(u'\0') == std::u16string::npos, what + ": holds a NUL");
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r')
            Require(i + 1 < text.size() && text[i + 1] == u'\n', what + ": CR without LF");
        if (text[i] == u'\n') Require(i > 0 && text[i - 1] == u'\r', what + ": LF without CR");
    }
    const std::u16string expected = PanelLines(ReferenceDecode(input));
    Require(text == expected, what + ": differs from the reading rules, which give " +
                                  Printable(expected.substr(0, 200)));
}

}  // namespace fuzz
