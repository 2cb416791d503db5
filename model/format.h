#pragma once

#include <string>

#include "model/portable.h"

namespace zev {

// printf-style formatting that always uses the C locale, whatever locale the
// process runs in (a decimal point, never a comma).
std::string Format(const char* fmt, ...) ZEV_PRINTF_FORMAT(1, 2);

// The number formats of the program.
std::string FormatWeight(double d);  // "%1.4lf"
std::string FormatInt(int n);        // "%d"

}  // namespace zev
