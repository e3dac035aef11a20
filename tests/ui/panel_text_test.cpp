#include "ui/panel_text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <random>
#include <string>
#include <string_view>

namespace {

using ui::DecodePanelText;
using namespace std::string_view_literals;

struct DecodeCase {
    const char* name;
    std::string_view bytes;
    std::u16string_view text;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const DecodeCase& decodeCase, std::ostream* out) { *out << decodeCase.name; }

class DecodeTable : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTable, GivesThePanelText) {
    EXPECT_EQ(DecodePanelText(GetParam().bytes), GetParam().text);
}

// "čřžůě" in each encoding: UTF-8 C4 8D C5 99 C5 BE C5 AF C4 9B, Windows-1250 E8 F8 9E F9 EC.
INSTANTIATE_TEST_SUITE_P(
    Bytes, DecodeTable,
    testing::Values(
        DecodeCase{"Utf8Mark", "\xEF\xBB\xBF\xC4\x8D\xC5\x99\xC5\xBE\xC5\xAF\xC4\x9B"sv, u"čřžůě"},
        DecodeCase{"Utf8FourByteGivesSurrogatePair", "\xEF\xBB\xBF\xF0\x9F\x98\x80"sv,
                   u"\U0001F600"},
        DecodeCase{"Utf8InvalidByteEmptiesText", "\xEF\xBB\xBFok\xC3\x28"sv, u""},
        DecodeCase{"Utf8TruncatedAtEndEmptiesText", "\xEF\xBB\xBFok\xC4"sv, u""},
        DecodeCase{"Utf8OverlongEmptiesText", "\xEF\xBB\xBF\xC0\xAF"sv, u""},
        DecodeCase{"Utf8OverlongThreeByteEmptiesText", "\xEF\xBB\xBF\xE0\x80\xAF"sv, u""},
        DecodeCase{"Utf8SurrogateEmptiesText", "\xEF\xBB\xBF\xED\xA0\x80"sv, u""},
        DecodeCase{"Utf8AboveUnicodeEmptiesText", "\xEF\xBB\xBF\xF4\x90\x80\x80"sv, u""},
        DecodeCase{"Utf8StrayContinuationEmptiesText", "\xEF\xBB\xBF\x80"sv, u""},
        DecodeCase{"SameBytesWithoutMarkAreWindows1250", "ok\xC3\x28"sv, u"okĂ("},
        DecodeCase{"Windows1250", "\xE8\xF8\x9E\xF9\xEC"sv, u"čřžůě"},
        DecodeCase{"Windows1250UndefinedByteIsC1Control", "\x81\x98"sv, u"\u0081\u0098"},
        DecodeCase{"Utf16LittleEndian", "\xFF\xFE\x0D\x01\x41\x00"sv, u"čA"},
        DecodeCase{"Utf16LittleEndianOddByteIgnored", "\xFF\xFE\x41\x00\x42"sv, u"A"},
        DecodeCase{"Utf16BigEndian", "\xFE\xFF\x01\x0D\x00\x41"sv, u"čA"},
        DecodeCase{"Utf16BigEndianOddByteIgnored", "\xFE\xFF\x00\x41\x00"sv, u"A"},
        DecodeCase{"Utf32MarkReadsAsUtf16StartingWithNul", "\xFF\xFE\x00\x00\x41\x00\x00\x00"sv,
                   u""},
        DecodeCase{"Utf16LoneSurrogateKept", "\xFF\xFE\x00\xD8\x41\x00"sv,
                   u"\xD800"
                   u"A"},
        DecodeCase{"EmptyFile", ""sv, u""}, DecodeCase{"Utf8MarkOnly", "\xEF\xBB\xBF"sv, u""},
        DecodeCase{"Utf16LittleEndianMarkOnly", "\xFF\xFE"sv, u""},
        DecodeCase{"Utf16BigEndianMarkOnly", "\xFE\xFF"sv, u""},
        DecodeCase{"ShorterThanMarkIsWindows1250", "\xEF\xBB"sv, u"ď»"},
        DecodeCase{"CrLfKept", "a\r\nb\r\n"sv, u"a\r\nb\r\n"},
        DecodeCase{"LoneLfBecomesCrLf", "a\nb\n"sv, u"a\r\nb\r\n"},
        DecodeCase{"LoneCrBecomesCrLf", "a\rb\r"sv, u"a\r\nb\r\n"},
        DecodeCase{"LfCrIsTwoBreaks", "a\n\rb"sv, u"a\r\n\r\nb"},
        DecodeCase{"CrCrLfIsTwoBreaks", "a\r\r\nb"sv, u"a\r\n\r\nb"},
        DecodeCase{"Utf16LoneLfBecomesCrLf", "\xFE\xFF\x00\x61\x00\x0A\x00\x62"sv, u"a\r\nb"},
        DecodeCase{"TextEndsAtNul", "ab\0cd\r\nef"sv, u"ab"},
        DecodeCase{"Utf8TextEndsAtNul", "\xEF\xBB\xBFx\r\0y"sv, u"x\r\n"},
        DecodeCase{"NulFirstGivesEmptyText", "\0abc"sv, u""}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

// Every byte except NUL, CR, LF and the five undefined ones against glibc's own CP1250 table.
TEST(DecodePanelText, Windows1250AgreesWithIconv) {
    const iconv_t converter = iconv_open("UTF-16LE", "CP1250");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    int compared = 0;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte == '\r' || byte == '\n') continue;
        char in[1] = {static_cast<char>(byte)};
        char out[4] = {};
        char* inPointer = in;
        char* outPointer = out;
        std::size_t inLeft = 1, outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) == std::size_t(-1)) {
            continue;  // undefined in the code page
        }
        const char16_t expected =
            static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8;
        EXPECT_EQ(DecodePanelText(std::string(1, static_cast<char>(byte))),
                  std::u16string(1, expected))
            << "byte " << byte;
        ++compared;
    }
    iconv_close(converter);
    EXPECT_EQ(compared, 255 - 2 - 5);
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Every scalar value but NUL, CR and LF survives the strict UTF-8 reading unchanged.
TEST(DecodePanelText, Utf8ReadsEveryScalarValue) {
    std::string bytes = "\xEF\xBB\xBF";
    std::u16string expected;
    for (char32_t code = 1; code <= 0x10FFFF; ++code) {
        if (code == U'\r' || code == U'\n' || (code >= 0xD800 && code <= 0xDFFF)) continue;
        AppendUtf8(bytes, code);
        if (code < 0x10000) {
            expected += static_cast<char16_t>(code);
        } else {
            expected += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            expected += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    EXPECT_TRUE(DecodePanelText(bytes) == expected);
}

// Whatever the bytes, the text holds no NUL and only CR LF line breaks.
TEST(DecodePanelText, ArbitraryBytesGiveWellFormedLines) {
    std::mt19937 random(20261211);
    const std::string_view marks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(marks[round % 4]);
        const int length = static_cast<int>(random() % 64);
        for (int i = 0; i < length; ++i) {
            // Mostly line breaks and NULs, where the faults would be.
            static constexpr char Interesting[] = {'\r', '\n', '\0', 'a', '\xC4', '\x8D'};
            bytes += random() % 2 ? Interesting[random() % 6] : static_cast<char>(random());
        }
        const std::u16string text = DecodePanelText(bytes);
        SCOPED_TRACE(testing::PrintToString(bytes));
        ASSERT_EQ(text.find(u'\0'), std::u16string::npos);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r') {
                ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == u'\n');
            }
            if (text[i] == u'\n') {
                ASSERT_TRUE(i > 0 && text[i - 1] == u'\r');
            }
        }
    }
}

}  // namespace
