#include "analysis/alternative_marks.h"

#include "engine/group_assessment.h"

namespace zev {

void CAlternativeMarks::Set(int pos, int mark) {
  if (pos >= 0 && pos < m_doc.AlternativeCount()) m_doc.Alternative(pos).m_nSelection = mark;
}

void CAlternativeMarks::SetAll(int mark) {
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) Set(pos, mark);
}

void CAlternativeMarks::SelectOne() {
  if (!m_highlighted.empty()) Set(m_highlighted.front(), kMemberSelected);
}

void CAlternativeMarks::SelectGroup() {
  for (int pos : m_highlighted) Set(pos, kMemberSelected);
}

void CAlternativeMarks::DeselectOne() { Set(Current(), kMemberNotSelected); }

std::vector<int> CAlternativeMarks::Chosen() const {
  std::vector<int> chosen;
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) {
    if (m_doc.Alternative(pos).m_nSelection == kMemberSelected) chosen.push_back(pos);
  }
  return chosen;
}

void CAlternativeMarks::SetCurrent(int pos) {
  const bool bValid = pos >= 0 && pos < m_doc.AlternativeCount();
  m_nCurrent = bValid ? pos : -1;
  m_pCurrent = bValid ? &m_doc.Alternative(pos) : nullptr;
}

void CAlternativeMarks::FollowDocument(const SDocChange& change) {
  if (change.m_kind == EDocChange::Selection || change.m_kind == EDocChange::Results) return;
  if (change.m_kind == EDocChange::Alternatives || change.m_kind == EDocChange::Model ||
      change.m_kind == EDocChange::Loaded) {
    m_highlighted.clear();
  }
  // A whole new file has new alternatives, whatever their addresses.
  const int pos = change.m_kind == EDocChange::Loaded ? -1 : m_doc.PositionOf(m_pCurrent);
  SetCurrent(m_pCurrent ? pos : -1);
}

int CAlternativeMarks::Current() const {
  const std::vector<int> chosen = Chosen();
  for (int pos : chosen) {
    if (pos == m_nCurrent) return pos;
  }
  return chosen.empty() ? -1 : chosen.front();
}

}  // namespace zev
