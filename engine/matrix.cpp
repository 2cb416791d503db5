#include "engine/matrix.h"

#include <algorithm>
#include <limits>
#include <new>

#include "model/format.h"
#include "model/prompter.h"

namespace zev {

CMatrix::CMatrix(int nRows, int nCols) : m_nRows(nRows), m_nCols(nCols) { Allocate(); }

CMatrix::CMatrix(const CMatrix& other) : m_nRows(other.m_nRows), m_nCols(other.m_nCols) {
  Allocate();
  std::copy(other.m_pData, other.m_pData + static_cast<long>(m_nRows) * m_nCols, m_pData);
}

CMatrix& CMatrix::operator=(const CMatrix& other) {
  if (this == &other) return *this;
  if (m_nRows != other.m_nRows || m_nCols != other.m_nCols) {
    m_nRows = other.m_nRows;
    m_nCols = other.m_nCols;
    m_pHeap.reset();
    Allocate();
  }
  std::copy(other.m_pData, other.m_pData + static_cast<long>(m_nRows) * m_nCols, m_pData);
  return *this;
}

CMatrix::~CMatrix() = default;

void CMatrix::Allocate() {
  if (m_nRows < 1 || m_nCols < 1) {
    InternalError("Array dimensions invalid - " + Format("%d, %d", m_nRows, m_nCols));
  }
  long n = static_cast<long>(m_nRows) * m_nCols;
  if (n <= kInline) {
    m_pData = m_inline;
  } else {
    // A size no address space can hold fails without asking the allocator.
    constexpr long kMaxElements =
        std::numeric_limits<long>::max() / static_cast<long>(sizeof(double));
    bool bFailed = static_cast<long>(m_nRows) > kMaxElements / m_nCols;
    if (!bFailed) {
      try {
        m_pHeap.reset(new double[static_cast<size_t>(n)]);
      } catch (const std::bad_alloc&) {
        bFailed = true;
      }
    }
    if (bFailed) InternalError("Cannot create array " + Format("%d, %d", m_nRows, m_nCols));
    m_pData = m_pHeap.get();
  }
  std::fill(m_pData, m_pData + n, 0.0);
}

void CMatrix::Fill(double d) {
  std::fill(m_pData, m_pData + static_cast<long>(m_nRows) * m_nCols, d);
}

void CMatrix::SubscriptOverflow(int r, int c) {
  InternalError("Subscript overflow - subscripts " + Format("%d, %d", r, c));
}

}  // namespace zev
