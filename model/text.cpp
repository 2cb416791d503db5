#include "model/text.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace zev {

CText::CText(std::string_view sv) {
  if (sv.empty()) return;
  auto* rep = static_cast<Rep*>(std::malloc(offsetof(Rep, m_chars) + sv.size() + 1));
  if (!rep) throw std::bad_alloc();
  rep->m_nRefs = 1;
  rep->m_nSize = static_cast<std::uint32_t>(sv.size());
  std::memcpy(rep->m_chars, sv.data(), sv.size());
  rep->m_chars[sv.size()] = '\0';
  m_pRep = rep;
}

void CText::Release() noexcept {
  if (m_pRep && --m_pRep->m_nRefs == 0) std::free(m_pRep);
  m_pRep = nullptr;
}

namespace {

// Code points of the bytes 0x80..0x9F in code page 1252; 0 where undefined.
constexpr std::uint16_t kHigh1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (unsigned char c : cp1252) {
    std::uint32_t cp = c;
    if (c >= 0x80 && c < 0xA0) {
      cp = kHigh1252[c - 0x80];
      // Undefined bytes keep their C1 control code point, so nothing is lost.
      if (cp == 0) cp = c;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

char CodePointToCp1252(std::uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHigh1252[i] == cp) return static_cast<char>(0x80 + i);
  }
  // The five undefined bytes round-trip through their C1 code points.
  if (cp >= 0x80 && cp < 0xA0 && kHigh1252[cp - 0x80] == 0) return static_cast<char>(cp);
  return '?';
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    std::uint32_t cp = 0;
    int extra = 0;
    if (c < 0x80) {
      cp = c;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F;
      extra = 1;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F;
      extra = 2;
    } else if ((c & 0xF8) == 0xF0) {
      cp = c & 0x07;
      extra = 3;
    } else {
      out += '?';
      ++i;
      continue;
    }
    bool ok = true;
    std::size_t j = i + 1;
    for (int k = 0; k < extra && ok; ++k, ++j) {
      if (j >= utf8.size() || (static_cast<unsigned char>(utf8[j]) & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3F);
    }
    if (!ok) {
      out += '?';
      ++i;
      continue;
    }
    out += CodePointToCp1252(cp);
    i = j;
  }
  return out;
}

}  // namespace zev
