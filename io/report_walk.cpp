#include "io/report_walk.h"

namespace zev {

namespace {

class CWalker {
 public:
  explicit CWalker(const CMADMDoc& doc) : m_doc(doc) {}

  void Visit(int k, int level) {
    m_bVisited[k] = true;
    m_steps.push_back({k, level});
    const int last = m_doc.LastAttribute();
    int child = -1;
    for (int i = 1; i <= last; ++i) {
      const CAttribute& a = m_doc.Attribute(i);
      if (a.m_nFather == k && a.m_nPrevSibling < 0 && !m_bVisited[i]) {
        child = i;
        break;
      }
    }
    while (child > 0 && child <= last && !m_bVisited[child] &&
           m_doc.Attribute(child).m_nFather == k) {
      Visit(child, level + 1);
      child = m_doc.Attribute(child).m_nNextSibling;
    }
  }

  std::vector<SWalkStep> m_steps;

 private:
  const CMADMDoc& m_doc;
  bool m_bVisited[kAttributeSlots] = {};
};

}  // namespace

std::vector<SWalkStep> HierarchyWalk(const CMADMDoc& doc) {
  CWalker walker(doc);
  walker.Visit(0, 0);
  return std::move(walker.m_steps);
}

}  // namespace zev
