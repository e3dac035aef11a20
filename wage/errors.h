#pragma once

#include <stdexcept>
#include <string>

namespace wage {

// Every error carries the complete message the user sees, in UTF-8.

// A text that is not a number.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A whole-crown amount beyond the signed 64-bit range.
class EInvalidOp : public std::runtime_error {
public:
    EInvalidOp() : std::runtime_error("Invalid floating point operation") {}
};

// A value beyond the range of a double.
class EOverflow : public std::runtime_error {
public:
    EOverflow() : std::runtime_error("Floating point overflow") {}
};

}  // namespace wage
