#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zev::test {

// Bytes written as hexadecimal pairs separated by blanks: "01 A3".
inline std::string Hex(std::string_view hex) {
  std::string out;
  int nibbles = 0;
  unsigned value = 0;
  for (char c : hex) {
    unsigned digit;
    if (c >= '0' && c <= '9')
      digit = static_cast<unsigned>(c - '0');
    else if (c >= 'A' && c <= 'F')
      digit = static_cast<unsigned>(c - 'A' + 10);
    else if (c >= 'a' && c <= 'f')
      digit = static_cast<unsigned>(c - 'a' + 10);
    else
      continue;
    value = value * 16 + digit;
    if (++nibbles == 2) {
      out += static_cast<char>(value);
      nibbles = 0;
      value = 0;
    }
  }
  return out;
}

// A text shorter than 255 bytes behind its one-byte length.
inline std::string Str(std::string_view s) { return static_cast<char>(s.size()) + std::string(s); }

inline std::string Int(std::int32_t n) {
  std::uint32_t u = static_cast<std::uint32_t>(n);
  return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
          static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
}

inline std::string Double(double d) {
  std::uint64_t bits;
  std::memcpy(&bits, &d, sizeof d);
  std::string out;
  for (int i = 0; i < 8; ++i) out += static_cast<char>((bits >> (8 * i)) & 0xFF);
  return out;
}

}  // namespace zev::test
