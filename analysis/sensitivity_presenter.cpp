#include "analysis/sensitivity_presenter.h"

#include "analysis/reevaluation.h"
#include "analysis/sensitivity_charts.h"
#include "engine/group_assessment.h"
#include "model/format.h"
#include "model/prompter.h"

namespace zev {

namespace {

constexpr int kFirstShown = 5;

}  // namespace

CSensitivityPresenter::CSensitivityPresenter(CMADMDoc& doc)
    : m_doc(doc), m_rankOn(kAttributeSlots, false), m_marks(doc) {}

std::vector<CSensitivityPresenter::SRow> CSensitivityPresenter::Rows() const {
  const int k = m_doc.CurrentAttribute();
  std::vector<SRow> rows;
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) {
    const CAlternative& a = m_doc.Alternative(pos);
    const CAssessment& r = a.Record(k);
    const double d = m_doc.Attribute(k).m_nType == Quantitative ? r.m_dValue : r.m_dAvgUtility;
    rows.push_back({a.m_strName.Str(), Format("%-1.4lf", d), FormatInt(a.m_nRanking)});
  }
  return rows;
}

void CSensitivityPresenter::ResetMarks() {
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) {
    m_marks.Set(pos, pos < kFirstShown ? kMemberSelected : kMemberNotSelected);
  }
  m_rankOn.assign(kAttributeSlots, false);
  m_rankOn[0] = true;
  m_nRankingAttribute = 0;
  m_marks.SetCurrent(-1);
}

void CSensitivityPresenter::SelectOne() {
  m_marks.SelectOne();
  RedrawRight();
}

void CSensitivityPresenter::SelectGroup() {
  m_marks.SelectGroup();
  RedrawRight();
}

void CSensitivityPresenter::DeselectOne() {
  if (m_marks.Current() < 0) return;
  m_marks.DeselectOne();
  RedrawRight();
}

void CSensitivityPresenter::SetShownAlternatives(const std::vector<int>& positions) {
  m_marks.SetAll(kMemberNotSelected);
  for (int pos : positions) m_marks.Set(pos, kMemberSelected);
}

void CSensitivityPresenter::ClickAttribute(int k) {
  if (k < 0 || k > m_doc.LastAttribute()) return;
  if (m_treeMode == ETreeMode::Pick) {
    PickAttribute(k);
    return;
  }
  SetRankedOn(k, !IsRankedOn(k));
  RedrawRight();
}

bool CSensitivityPresenter::IsRankedOn(int k) const {
  return k >= 0 && k <= m_doc.LastAttribute() && m_rankOn[static_cast<size_t>(k)];
}

void CSensitivityPresenter::SetRankedOn(int k, bool b) {
  if (k < 0 || k >= kAttributeSlots) return;
  m_rankOn[static_cast<size_t>(k)] = b;
  if (b && !IsRankedOn(m_nRankingAttribute)) m_nRankingAttribute = k;
}

void CSensitivityPresenter::SetRankingAttributes(const std::vector<int>& attributes) {
  m_rankOn.assign(kAttributeSlots, false);
  for (int k : attributes) SetRankedOn(k, true);
  if (!attributes.empty()) m_nRankingAttribute = attributes.front();
}

std::vector<int> CSensitivityPresenter::RankingAttributes() const {
  std::vector<int> marked;
  for (int k = 0; k <= m_doc.LastAttribute(); ++k) {
    if (m_rankOn[static_cast<size_t>(k)]) marked.push_back(k);
  }
  return marked;
}

int CSensitivityPresenter::RankingAttribute() const {
  if (IsRankedOn(m_nRankingAttribute)) return m_nRankingAttribute;
  const std::vector<int> marked = RankingAttributes();
  return marked.empty() ? -1 : marked.front();
}

void CSensitivityPresenter::FollowMarks(const SDocChange& change) {
  const int r = change.m_nRemovedAttribute;
  if (r >= 0 && r < kAttributeSlots) {
    m_rankOn.erase(m_rankOn.begin() + r);
    m_rankOn.push_back(false);
  }
  // Slots past the last attribute are free; a new attribute starts unmarked.
  for (int k = m_doc.LastAttribute() + 1; k < kAttributeSlots; ++k) {
    m_rankOn[static_cast<size_t>(k)] = false;
  }
  if (RankingAttributes().empty()) m_rankOn[0] = true;
  const int ranking = FollowAttribute(change, m_nRankingAttribute);
  m_nRankingAttribute = IsRankedOn(ranking) ? ranking : RankingAttribute();
  m_marks.FollowDocument(change);
}

bool CSensitivityPresenter::CheckMarks(const char* heading) const {
  const char* missing = nullptr;
  if (RankingAttributes().empty()) {
    missing = "one attribute has to be selected.";
  } else if (ShownAlternatives().empty()) {
    missing = "one alternative has to be selected.";
  }
  if (!missing) return true;
  ThePrompter().Warning(std::string(heading) + missing);
  return false;
}

bool CSensitivityPresenter::DrawRanking(const std::string& titlePrefix) {
  if (!CheckMarks("To draw a ranking graph, at least\n")) return false;
  ReevaluateKeepingMarks(m_doc);
  m_right = RankingGraph(m_doc, RankingAttributes(), ShownAlternatives(), titlePrefix);
  return true;
}

}  // namespace zev
