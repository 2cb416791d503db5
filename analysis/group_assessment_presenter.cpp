#include "analysis/group_assessment_presenter.h"

#include <algorithm>

#include "analysis/reevaluation.h"
#include "elicitation/assessment_rules.h"
#include "engine/group_assessment.h"
#include "model/format.h"

namespace zev {

CGroupAssessmentPresenter::CGroupAssessmentPresenter(CMADMDoc& doc)
    : m_doc(doc), m_nAttribute(doc.CurrentAttribute()), m_marks(doc) {
  Open(true);
}

void CGroupAssessmentPresenter::Open(bool bPrepare) {
  if (bPrepare) m_doc.PrepareAllAlternatives();
  m_marks.SetAll(kMemberSelected);
  ReevaluateKeepingMarks(m_doc);
  m_weights.clear();
  m_weighed.clear();
  SyncWithDocument();
  m_marks.SetCurrent(-1);
  m_nWeightShown = -1;
  RefreshList();
}

void CGroupAssessmentPresenter::RefreshList() {
  SyncWithDocument();
  // The window's attribute may have gone with an edit of the hierarchy.
  if (m_nAttribute > m_doc.LastAttribute()) m_nAttribute = 0;
  AssessAttributeKeepingMarks(m_doc, m_nAttribute);
  FollowMembers();
}

void CGroupAssessmentPresenter::SyncWithDocument(bool bReplaced) {
  std::vector<const CAlternative*> now;
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) now.push_back(&m_doc.Alternative(pos));
  if (now == m_weighed) return;
  std::vector<double> weights;
  for (const CAlternative* a : now) {
    const auto it = bReplaced ? m_weighed.end() : std::find(m_weighed.begin(), m_weighed.end(), a);
    weights.push_back(
        it == m_weighed.end() ? 1.0 : m_weights[static_cast<size_t>(it - m_weighed.begin())]);
  }
  m_weights = std::move(weights);
  m_weighed = std::move(now);
}

void CGroupAssessmentPresenter::FollowDocument(const SDocChange& change) {
  if (change.m_kind == EDocChange::Selection || change.m_kind == EDocChange::Results) return;
  SyncWithDocument(change.m_kind == EDocChange::Model || change.m_kind == EDocChange::Loaded);
  m_marks.FollowDocument(change);
  m_nAttribute = FollowAttribute(change, m_nAttribute);
  if (m_nAttribute < 0 || m_nAttribute > m_doc.LastAttribute()) m_nAttribute = 0;
  // The field shows the weight of the member now current.
  m_nWeightShown = -2;
  FollowMembers();
}

std::vector<CGroupAssessmentPresenter::SRow> CGroupAssessmentPresenter::Rows() const {
  std::vector<SRow> rows;
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) {
    rows.push_back({m_doc.Alternative(pos).m_strName.Str(), Format("%-1.2lf", Weight(pos))});
  }
  return rows;
}

double CGroupAssessmentPresenter::Weight(int pos) const { return MemberWeight(m_weights, pos); }

void CGroupAssessmentPresenter::ShowWeightOf(int pos) {
  m_nWeightShown = pos;
  m_weight.Set(pos >= 0 ? Weight(pos) : 1.0);
}

void CGroupAssessmentPresenter::FollowMembers() {
  const int pos = CurrentMember();
  m_marks.SetCurrent(pos);
  if (pos != m_nWeightShown) ShowWeightOf(pos);
}

void CGroupAssessmentPresenter::SelectOne() {
  m_marks.SelectOne();
  FollowMembers();
}

void CGroupAssessmentPresenter::SelectGroup() {
  m_marks.SelectGroup();
  FollowMembers();
}

void CGroupAssessmentPresenter::DeselectOne() {
  m_marks.DeselectOne();
  FollowMembers();
}

void CGroupAssessmentPresenter::Clear() {
  m_marks.SetAll(kMemberNotSelected);
  FollowMembers();
}

void CGroupAssessmentPresenter::Restart() { Open(false); }

void CGroupAssessmentPresenter::ChooseMember(int pos) {
  m_marks.SetCurrent(pos);
  FollowMembers();
}

bool CGroupAssessmentPresenter::WeightFocusLost() {
  double d = 0.0;
  const char* refusal = nullptr;
  if (!m_weight.Read(d)) {
    refusal = kNotANumberMessage;
  } else if (d < 0.0 || d > kMaxMemberWeight) {
    refusal = "Please enter a number between 0 and 100.";
  }
  if (refusal) {
    ThePrompter().Warning(refusal);
    m_strFocus = kFieldWeight;
    return false;
  }
  m_strFocus.clear();
  const int pos = CurrentMember();
  if (pos >= 0) {
    SyncWithDocument();
    m_weights[static_cast<size_t>(pos)] = d;
  }
  return true;
}

void CGroupAssessmentPresenter::DefaultButton(EFocus focus) {
  switch (focus) {
    case EFocus::AlternativeList:
      SelectOne();
      break;
    case EFocus::MemberList:
      DeselectOne();
      break;
    case EFocus::WeightField:
      WeightFocusLost();
      break;
    case EFocus::Elsewhere:
      Help();
      break;
  }
}

void CGroupAssessmentPresenter::Help() const {
  ThePrompter().Information(
      "A group alternative is the weighted average of the selected alternatives.\n\n"
      "Select the members in the alternative list (Select One, or Select Group for\n"
      "every highlighted alternative), choose a member in the list of selected\n"
      "alternatives to give it a weight from 0 to 100, then create the group\n"
      "alternative. It is added at the end of the list and evaluated with the others.");
}

bool CGroupAssessmentPresenter::CreateGroup() {
  if (SelectedCount() == 0) {
    ThePrompter().Warning(
        "To create a group alternative, at least\n"
        "ONE alternative has to be selected.");
    return false;
  }
  CGroupNamePresenter name;
  if (!ThePrompter().RunModal(name)) return false;
  SyncWithDocument();
  CreateGroupAlternative(m_doc, m_weights, name.m_strName);
  RefreshList();
  return true;
}

}  // namespace zev
