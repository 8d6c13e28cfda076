// The game keeps every value as text and computes with it as a number: this is the one place
// that turns text into numbers and back.
#pragma once

#include <string>
#include <string_view>

namespace core {

// Reads decimal text (blanks around it allowed, optional sign, optional fraction). Text that is
// not a number gives NaN, which compares equal to no number and is neither less nor greater.
double toNumber(std::string_view text);

// True when `text` reads as a number equal to `value`.
bool numberEquals(std::string_view text, double value);

// The shortest decimal text of a number: "95", "0", "-5", "2.5"; never "-0", never an exponent.
// NaN (a computation on text that was not a number) is written as the empty text.
std::string toText(double value);

}  // namespace core
