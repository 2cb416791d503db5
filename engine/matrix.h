#pragma once

#include <memory>

#include "model/limits.h"

namespace zev {

// A dense two-dimensional array of doubles whose size is fixed when it is
// created and whose element access checks both subscripts. A violated size,
// a failed allocation or a subscript out of range is an internal error: an
// error box, then the program ends with exit code -1.
class CMatrix {
 public:
  CMatrix(int nRows, int nCols);
  CMatrix(const CMatrix& other);
  CMatrix& operator=(const CMatrix& other);
  ~CMatrix();

  int Rows() const { return m_nRows; }
  int Cols() const { return m_nCols; }

  double& operator()(int r, int c) {
    if (r < 0 || r >= m_nRows || c < 0 || c >= m_nCols) SubscriptOverflow(r, c);
    return m_pData[r * m_nCols + c];
  }
  double operator()(int r, int c) const {
    if (r < 0 || r >= m_nRows || c < 0 || c >= m_nCols) SubscriptOverflow(r, c);
    return m_pData[r * m_nCols + c];
  }

  // Row r as a pointer to its Cols() elements; checks r once, so that a
  // loop over the row need not check every element.
  double* Row(int r) {
    if (r < 0 || r >= m_nRows) SubscriptOverflow(r, 0);
    return m_pData + r * m_nCols;
  }
  const double* Row(int r) const {
    if (r < 0 || r >= m_nRows) SubscriptOverflow(r, 0);
    return m_pData + r * m_nCols;
  }

  void Fill(double d);

 private:
  [[noreturn]] static void SubscriptOverflow(int r, int c);
  void Allocate();

  // Matrices up to the working matrix of the largest aggregation (every
  // attribute a child of one father, each with the most grades, plus the two
  // columns of unassigned mass) live inside the object, so no aggregation
  // allocates.
  static constexpr int kInline = kAttributeSlots * (kMaxGrades + 2);

  int m_nRows;
  int m_nCols;
  double* m_pData = nullptr;
  std::unique_ptr<double[]> m_pHeap;
  double m_inline[kInline];
};

}  // namespace zev
