#include "model/number.h"

#include <cmath>

namespace zev {

namespace {

double PowerOfTen(int n) {
  double p = 1.0;
  for (int k = 0; k < n; ++k) p *= 10.0;
  return p;
}

}  // namespace

bool ReadNonNegativeNumber(std::string_view text, double& dValue) {
  dValue = 0.0;
  double dInteger = 0.0;
  double dFraction = 0.0;
  double dScale = 1.0;  // 10 to the number of fraction digits
  int nExp = 0;
  int nExponentSign = 0;  // +1 multiply, -1 divide, 0 neither
  std::size_t i = 0;
  const std::size_t n = text.size();

  for (; i < n; ++i) {
    char c = text[i];
    if (c == '.') break;
    if (c < '0' || c > '9') return false;
    dInteger = dInteger * 10.0 + (c - '0');
  }
  if (i < n) {
    ++i;  // the point
    while (i < n) {
      char c = text[i];
      if (c >= '0' && c <= '9') {
        // Digits beyond what a double resolves change nothing; taking them
        // all would overflow both the fraction and its scale.
        if (dScale < 1e300) {
          dFraction = dFraction * 10.0 + (c - '0');
          dScale *= 10.0;
        }
        ++i;
      } else if (c == 'e' || c == 'E') {
        ++i;
        if (i < n) {
          if (text[i] == '+')
            nExponentSign = 1;
          else if (text[i] == '-')
            nExponentSign = -1;
          else
            nExponentSign = 0;
          ++i;
        }
        nExp = 0;
        for (int k = 0; k < 3; ++k, ++i) {
          int digit = 0;
          if (i < n && text[i] >= '0' && text[i] <= '9') digit = text[i] - '0';
          nExp = nExp * 10 + digit;
        }
        if (i > n) i = n;
        // Reading goes on with fraction digits after the exponent.
      } else {
        return false;
      }
    }
  }

  double d = dInteger + dFraction / dScale;
  // Zero stays zero whatever its exponent, and a power of ten beyond the
  // range of a double is applied in two steps, so that "0.001e+310" keeps its
  // finite value.
  if (d != 0.0 && nExponentSign != 0) {
    const int nFirst = nExp < 300 ? nExp : 300;
    const double dFirst = PowerOfTen(nFirst);
    const double dSecond = PowerOfTen(nExp - nFirst);
    if (nExponentSign > 0)
      d = d * dFirst * dSecond;
    else
      d = d / dFirst / dSecond;
  }
  // A value beyond the range of a double ("1.0e+400", or hundreds of integer
  // digits) is refused: held as infinity it would be saved into a model
  // file that can no longer be read.
  if (!std::isfinite(d)) return false;
  dValue = d;
  return true;
}

}  // namespace zev

#include <charconv>
#include <cmath>

namespace zev {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

bool ReadRealNumber(std::string_view text, double& dValue) {
  dValue = 0.0;
  std::string_view s = Trim(text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return false;
  double d = 0.0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), d, std::chars_format::general);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(d)) return false;
  dValue = d;
  return true;
}

bool ReadInteger(std::string_view text, int& nValue) {
  nValue = 0;
  std::string_view s = Trim(text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return false;
  int n = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  nValue = n;
  return true;
}

}  // namespace zev
