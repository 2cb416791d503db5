#pragma once

#include <utility>

namespace zev {

// Copy-on-write storage of one value: copies share it until one of them
// writes. Not thread-safe by design, like everything in the model.
template <typename T>
class CShared {
 public:
  CShared() : m_pRep(new Rep{1, T()}) {}
  explicit CShared(T value) : m_pRep(new Rep{1, std::move(value)}) {}
  CShared(const CShared& other) noexcept : m_pRep(other.m_pRep) { ++m_pRep->m_nRefs; }
  CShared(CShared&& other) noexcept : m_pRep(other.m_pRep) { ++m_pRep->m_nRefs; }
  ~CShared() { Release(); }

  CShared& operator=(const CShared& other) noexcept {
    if (m_pRep != other.m_pRep) {
      ++other.m_pRep->m_nRefs;
      Release();
      m_pRep = other.m_pRep;
    }
    return *this;
  }

  const T& operator*() const noexcept { return m_pRep->m_value; }
  const T* operator->() const noexcept { return &m_pRep->m_value; }

  // The value for writing; unshares it first.
  T& Mutable() {
    if (m_pRep->m_nRefs > 1) {
      Rep* copy = new Rep{1, m_pRep->m_value};
      --m_pRep->m_nRefs;
      m_pRep = copy;
    }
    return m_pRep->m_value;
  }

  bool SameStorage(const CShared& other) const noexcept { return m_pRep == other.m_pRep; }
  friend bool operator==(const CShared& a, const CShared& b) {
    return a.m_pRep == b.m_pRep || a.m_pRep->m_value == b.m_pRep->m_value;
  }
  long UseCount() const noexcept { return m_pRep->m_nRefs; }

 private:
  struct Rep {
    long m_nRefs;
    T m_value;
  };
  void Release() noexcept {
    if (--m_pRep->m_nRefs == 0) delete m_pRep;
  }

  Rep* m_pRep;
};

}  // namespace zev
