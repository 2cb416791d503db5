#include "model/format.h"

#include <locale.h>

#include <clocale>
#include <cstdarg>
#include <cstdio>

namespace zev {

namespace {

locale_t CLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return loc;
}

// Switches the calling thread to the C locale for the lifetime of the guard.
class CLocaleGuard {
 public:
  CLocaleGuard() : m_old(uselocale(CLocale())) {}
  ~CLocaleGuard() { uselocale(m_old); }
  CLocaleGuard(const CLocaleGuard&) = delete;
  CLocaleGuard& operator=(const CLocaleGuard&) = delete;

 private:
  locale_t m_old;
};

}  // namespace

std::string Format(const char* fmt, ...) {
  CLocaleGuard guard;
  char buf[256];
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(buf, sizeof buf, fmt, args);
  va_end(args);
  std::string out;
  if (n < 0) {
    va_end(copy);
    return out;
  }
  if (static_cast<size_t>(n) < sizeof buf) {
    out.assign(buf, static_cast<size_t>(n));
  } else {
    out.resize(static_cast<size_t>(n) + 1);
    std::vsnprintf(out.data(), out.size(), fmt, copy);
    out.resize(static_cast<size_t>(n));
  }
  va_end(copy);
  return out;
}

std::string FormatWeight(double d) { return Format("%1.4lf", d); }

std::string FormatInt(int n) { return Format("%d", n); }

}  // namespace zev
