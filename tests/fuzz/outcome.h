#pragma once

// What a call of the code under test ended in: a value, one of the program's named errors, or
// anything else.

#include <exception>
#include <string>

#include "wage/errors.h"

namespace fuzz {

enum class Ending { Value, ConvertError, Overflow, InvalidOp, Unexpected };

template <typename T>
struct Outcome {
    Ending ending = Ending::Unexpected;
    T value{};
    std::string message;
};

template <typename Call>
auto Capture(Call&& call) -> Outcome<decltype(call())> {
    try {
        return {Ending::Value, call(), {}};
    } catch (const wage::EConvertError& e) {
        return {Ending::ConvertError, {}, e.what()};
    } catch (const wage::EOverflow& e) {
        return {Ending::Overflow, {}, e.what()};
    } catch (const wage::EInvalidOp& e) {
        return {Ending::InvalidOp, {}, e.what()};
    } catch (const std::exception& e) {
        return {Ending::Unexpected, {}, e.what()};
    } catch (...) {
        return {Ending::Unexpected, {}, "an exception that is no std::exception"};
    }
}

}  // namespace fuzz
