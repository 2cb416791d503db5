#pragma once

#include <vector>

#include "model/madm_doc.h"

namespace zev {

// The alternatives chosen in an analysis window, held as their m_nSelection
// (1 chosen, 3 not) so that they outlive the window and serve the other
// analysis windows; with the rows highlighted in the window's alternative
// list and the entry shown in its list of chosen alternatives.
class CAlternativeMarks {
 public:
  explicit CAlternativeMarks(CMADMDoc& doc) : m_doc(doc) {}

  void SetHighlighted(std::vector<int> rows) { m_highlighted = std::move(rows); }
  // Select One chooses the first highlighted row, Select Group every one.
  void SelectOne();
  void SelectGroup();
  // Deselect One: the entry shown leaves the chosen.
  void DeselectOne();
  void Set(int pos, int mark);
  void SetAll(int mark);

  // The chosen alternatives in list order.
  std::vector<int> Chosen() const;
  // The entry shown: the one last picked while it is chosen, else the first
  // chosen; -1 when none is.
  int Current() const;
  void SetCurrent(int pos);
  // After the alternative list changed: the entry shown stays with its
  // alternative (or goes when it did), and the highlighted rows, which named
  // positions of the old list, are dropped.
  void FollowDocument(const SDocChange& change);

 private:
  CMADMDoc& m_doc;
  std::vector<int> m_highlighted;
  int m_nCurrent = -1;
  // The alternative at m_nCurrent when it was last set or followed.
  const CAlternative* m_pCurrent = nullptr;
};

}  // namespace zev
