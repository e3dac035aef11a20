#include "ui/panel_text.h"

#include <array>
#include <cstdint>
#include <optional>

namespace ui {
namespace {

// Windows-1250, the Czech 8-bit code page, for the bytes 80 to FF. The five bytes the code page
// leaves undefined map to the C1 controls of the same value, as Windows itself maps them.
constexpr std::array<char16_t, 128> Windows1250High = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

std::uint8_t ByteAt(std::string_view bytes, std::size_t i) {
    return static_cast<std::uint8_t>(bytes[i]);
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

std::u16string DecodeWindows1250(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t byte = ByteAt(bytes, i);
        text.push_back(byte < 0x80 ? char16_t{byte} : Windows1250High[byte - 0x80]);
    }
    return text;
}

// Surrogate pairs and lone surrogates pass through as they stand, as UTF-16 text holds them.
std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint8_t first = ByteAt(bytes, i);
        const std::uint8_t second = ByteAt(bytes, i + 1);
        text.push_back(bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first));
    }
    return text;
}

// Well-formed UTF-8 only: no overlong forms, no surrogates, nothing above U+10FFFF, no
// truncated sequence. Returns nothing at the first ill-formed sequence.
std::optional<std::u16string> DecodeStrictUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t lead = ByteAt(bytes, i);
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        }
        int length;
        std::uint32_t code;
        std::uint8_t secondLow = 0x80, secondHigh = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, code = lead & 0x0F;
            if (lead == 0xE0) secondLow = 0xA0;   // overlong
            if (lead == 0xED) secondHigh = 0x9F;  // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07;
            if (lead == 0xF0) secondLow = 0x90;   // overlong
            if (lead == 0xF4) secondHigh = 0x8F;  // above U+10FFFF
        } else {
            return std::nullopt;
        }
        if (bytes.size() - i < static_cast<std::size_t>(length)) return std::nullopt;
        for (int k = 1; k < length; ++k) {
            const std::uint8_t next = ByteAt(bytes, i + k);
            const std::uint8_t low = k == 1 ? secondLow : 0x80;
            const std::uint8_t high = k == 1 ? secondHigh : 0xBF;
            if (next < low || next > high) return std::nullopt;
            code = code << 6 | (next & 0x3F);
        }
        if (code < 0x10000) {
            text.push_back(static_cast<char16_t>(code));
        } else {
            code -= 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        }
        i += length;
    }
    return text;
}

std::u16string DecodeByMark(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        return DecodeStrictUtf8(bytes.substr(3)).value_or(std::u16string{});
    }
    if (StartsWith(bytes, "\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
    if (StartsWith(bytes, "\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
    return DecodeWindows1250(bytes);
}

// Cuts the text at its first NUL and writes every line break as CR LF.
std::u16string NormaliseLines(std::u16string_view text) {
    text = text.substr(0, text.find(u'\0'));
    std::u16string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            result += u"\r\n";
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            result.push_back(c);
        }
    }
    return result;
}

}  // namespace

std::u16string DecodePanelText(std::string_view bytes) {
    return NormaliseLines(DecodeByMark(bytes));
}

}  // namespace ui
