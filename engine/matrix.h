#pragma once

#include <memory>

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

  void Fill(double d);

 private:
  [[noreturn]] static void SubscriptOverflow(int r, int c);
  void Allocate();

  // Small matrices (every aggregation of the engine) live inside the object.
  static constexpr int kInline = 256;

  int m_nRows;
  int m_nCols;
  double* m_pData = nullptr;
  std::unique_ptr<double[]> m_pHeap;
  double m_inline[kInline];
};

}  // namespace zev
