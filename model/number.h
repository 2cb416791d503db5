#pragma once

#include <string_view>

namespace zev {

// The one reader of typed or copied numeric text: digits, an optional point
// with fraction digits, and after the fraction an optional exponent written
// with three digits as the C library prints it ("1.5e+002"). Signs, blanks
// and any other character make the text invalid, and so does a value too
// large for a double. The empty text is 0.
// Returns false (and 0 in dValue) for an invalid text.
bool ReadNonNegativeNumber(std::string_view text, double& dValue);

}  // namespace zev

namespace zev {

// Reads a real number written with a decimal point in any locale: optional
// blanks, an optional sign, digits with an optional fraction and exponent,
// optional blanks. Returns false for anything else.
bool ReadRealNumber(std::string_view text, double& dValue);

// Reads an integer with optional blanks and sign. Returns false for
// anything else, or when it does not fit in an int.
bool ReadInteger(std::string_view text, int& nValue);

}  // namespace zev
