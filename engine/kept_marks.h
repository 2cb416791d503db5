#pragma once

#include <cstdint>
#include <vector>

#include "model/madm_doc.h"

namespace zev {

// Keeps every attribute's m_nMark and every alternative's m_nSelection over
// its lifetime: the analysis windows hold their marks there, and evaluation
// and ranking overwrite them. Alternatives added meanwhile keep their own.
class CKeptMarks {
 public:
  explicit CKeptMarks(CMADMDoc& doc) : m_doc(doc) {
    for (int i = 0; i <= doc.LastAttribute(); ++i) m_marks.push_back(doc.Attribute(i).m_nMark);
    for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
      m_selections.push_back(doc.Alternative(pos).m_nSelection);
    }
  }
  ~CKeptMarks() {
    for (size_t i = 0; i < m_marks.size() && static_cast<int>(i) <= m_doc.LastAttribute(); ++i) {
      m_doc.Attribute(static_cast<int>(i)).m_nMark = m_marks[i];
    }
    for (size_t pos = 0;
         pos < m_selections.size() && static_cast<int>(pos) < m_doc.AlternativeCount(); ++pos) {
      m_doc.Alternative(static_cast<int>(pos)).m_nSelection = m_selections[pos];
    }
  }
  CKeptMarks(const CKeptMarks&) = delete;
  CKeptMarks& operator=(const CKeptMarks&) = delete;

 private:
  CMADMDoc& m_doc;
  std::vector<std::uint16_t> m_marks;
  std::vector<int> m_selections;
};

}  // namespace zev
