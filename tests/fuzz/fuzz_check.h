#pragma once

// Shared by the fuzz targets and by the test that replays their corpora: a broken property is a
// Violation, thrown with a message that says which property and for which input.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace fuzz {

using Bytes = std::span<const std::uint8_t>;

class Violation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

inline void Require(bool holds, const std::string& what) {
    if (!holds) throw Violation(what);
}

// Reads fixed-size fields from the front of the input; missing bytes read as zero, so every
// input, however short, decodes to something.
class ByteReader {
public:
    explicit ByteReader(Bytes bytes) : bytes_(bytes) {}

    std::uint8_t Byte() { return position_ < bytes_.size() ? bytes_[position_++] : 0; }

    template <typename T>
    T Raw() {
        static_assert(std::is_trivially_copyable_v<T>);
        unsigned char buffer[sizeof(T)] = {};
        for (unsigned char& b : buffer) b = Byte();
        T value;
        std::memcpy(&value, buffer, sizeof(T));
        return value;
    }

    Bytes Rest() const { return bytes_.subspan(std::min(position_, bytes_.size())); }

private:
    Bytes bytes_;
    std::size_t position_ = 0;
};

// The rest of the input as UTF-16 code units, little-endian; an odd last byte is dropped.
std::u16string Utf16FromBytes(Bytes bytes);

// UTF-16 to UTF-8, written independently of the code under test; an unpaired surrogate becomes
// U+FFFD.
std::string Utf8(std::u16string_view text);

// A readable form of a UTF-16 text for violation messages: ASCII as is, the rest as \uXXXX.
std::string Printable(std::u16string_view text);

// Shortest text that reads back as the same double, for messages.
std::string Printable(double value);

// Runs one check on one input the way libFuzzer expects: a violation is printed and aborts, so
// that the fuzzer keeps the input as a crash.
int RunCheck(void (*check)(Bytes), const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
