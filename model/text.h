#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zev {

// An immutable 8-bit text (code page 1252) with shared storage.
//
// Every attribute record of every alternative carries the texts of its
// attribute definition, so copying a text must cost a pointer copy. The
// reference count is deliberately not atomic: the model lives on one thread.
class CText {
 public:
  CText() noexcept = default;
  CText(const char* psz) : CText(std::string_view(psz)) {}
  CText(std::string_view sv);
  CText(const std::string& s) : CText(std::string_view(s)) {}
  CText(const CText& other) noexcept : m_pRep(other.m_pRep) { AddRef(); }
  CText(CText&& other) noexcept : m_pRep(other.m_pRep) { other.m_pRep = nullptr; }
  ~CText() { Release(); }

  CText& operator=(const CText& other) noexcept {
    if (m_pRep != other.m_pRep) {
      other.AddRef();
      Release();
      m_pRep = other.m_pRep;
    }
    return *this;
  }
  CText& operator=(CText&& other) noexcept {
    if (this != &other) {
      Release();
      m_pRep = other.m_pRep;
      other.m_pRep = nullptr;
    }
    return *this;
  }

  std::string_view View() const noexcept {
    return m_pRep ? std::string_view(m_pRep->m_chars, m_pRep->m_nSize) : std::string_view();
  }
  operator std::string_view() const noexcept { return View(); }
  std::string Str() const { return std::string(View()); }
  const char* c_str() const noexcept { return m_pRep ? m_pRep->m_chars : ""; }
  std::size_t size() const noexcept { return m_pRep ? m_pRep->m_nSize : 0; }
  bool empty() const noexcept { return size() == 0; }
  char operator[](std::size_t i) const noexcept { return m_pRep->m_chars[i]; }

  // True when both texts share one storage (cheap identity check).
  bool SameStorage(const CText& other) const noexcept { return m_pRep == other.m_pRep; }

  friend bool operator==(const CText& a, const CText& b) noexcept {
    return a.m_pRep == b.m_pRep || a.View() == b.View();
  }
  friend bool operator==(const CText& a, std::string_view b) noexcept { return a.View() == b; }
  friend bool operator==(const CText& a, const char* b) noexcept { return a.View() == b; }
  friend bool operator==(const CText& a, const std::string& b) noexcept { return a.View() == b; }
  friend std::strong_ordering operator<=>(const CText& a, const CText& b) noexcept {
    return a.View().compare(b.View()) <=> 0;
  }

  friend std::string operator+(const CText& a, std::string_view b) {
    std::string s(a.View());
    s += b;
    return s;
  }
  friend std::string operator+(std::string_view a, const CText& b) {
    std::string s(a);
    s += b.View();
    return s;
  }
  friend std::string operator+(const std::string& a, const CText& b) {
    return a + std::string(b.View());
  }
  friend std::string operator+(const char* a, const CText& b) {
    return std::string(a) + std::string(b.View());
  }

 private:
  struct Rep {
    std::uint32_t m_nRefs;
    std::uint32_t m_nSize;
    char m_chars[1];
  };
  void AddRef() const noexcept {
    if (m_pRep) ++m_pRep->m_nRefs;
  }
  void Release() noexcept;

  Rep* m_pRep = nullptr;
};

// Conversions at the boundary of the 8-bit core.
std::string Cp1252ToUtf8(std::string_view cp1252);
// Characters without a code page 1252 form become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// One UTF-16 code unit sequence (already decoded to code points) to code page 1252.
char CodePointToCp1252(std::uint32_t codePoint);

}  // namespace zev
