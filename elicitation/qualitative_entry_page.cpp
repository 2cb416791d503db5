#include "elicitation/qualitative_entry_page.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/format.h"

namespace zev {

CQualitativeEntryPage::CQualitativeEntryPage(const CAlternative& alternative, int nAttribute,
                                             std::string fatherName,
                                             std::span<const double> degrees, int nPage,
                                             std::string comments, std::string evidence)
    : CAssessmentDialog(alternative, nAttribute, std::move(fatherName), std::move(comments),
                        std::move(evidence)),
      m_nGrades(static_cast<int>(degrees.size())),
      m_nPage(nPage),
      m_nRows(EntryPageRows(m_nGrades, nPage)) {
  const int first = FirstGrade();
  bool bAny = false;
  for (int r = 0; r < m_nRows; ++r) {
    const double d = degrees[static_cast<size_t>(first + r)];
    m_degree[r].Set(d);
    m_dAccepted[r] = d;
    m_bTicked[r] = d > kEntryTolerance;
    bAny = bAny || m_bTicked[r];
  }
  // The first grade of the page, unless it carries no belief and a later one
  // does.
  if (m_nRows > 0 && !m_bTicked[0]) {
    for (int r = 1; r < m_nRows; ++r) {
      if (m_bTicked[r]) {
        m_nSelected = r;
        break;
      }
    }
  }
  SetFocusField(bAny ? DegreeField(m_nSelected) : NameField(0));
}

std::string CQualitativeEntryPage::Title() const { return "ZEV Dialog: " + AlternativeName(); }

std::string CQualitativeEntryPage::HelpText() const {
  return std::string("1. Select an answer or answers. The degrees of\n") +
         "    belief will be assigned evenly by default.\n\n" +
         "2. Change the degrees of belief if necessary. \n" +
         "    A degree of belief is between zero and one.\n\n" +
         "3. The total degree of belief can be less than \n" +
         "    or equal to one but must not be more than one.";
}

std::string CQualitativeEntryPage::GradeName(int nRow) const {
  if (!IsRowShown(nRow)) return std::string();
  return Record().GradeName(FirstGrade() + nRow).Str();
}

const std::string& CQualitativeEntryPage::DegreeText(int nRow) const {
  static const std::string none;
  return IsRowShown(nRow) ? m_degree[nRow].Text() : none;
}

std::string CQualitativeEntryPage::SelectedDefinition() const {
  if (!IsRowShown(m_nSelected)) return std::string();
  return Record().GradeDefinition(FirstGrade() + m_nSelected).Str();
}

std::string CQualitativeEntryPage::DegreeField(int nRow) { return "degree" + FormatInt(nRow); }

std::string CQualitativeEntryPage::NameField(int nRow) { return "name" + FormatInt(nRow); }

bool CQualitativeEntryPage::SetDegreeText(int nRow, std::string text) {
  if (!IsDegreeEnabled(nRow)) return false;
  m_degree[nRow].SetText(std::move(text));
  return true;
}

void CQualitativeEntryPage::SelectGrade(int nRow) {
  if (IsRowShown(nRow)) m_nSelected = nRow;
}

bool CQualitativeEntryPage::ToggleTick(int k) {
  if (!IsRowShown(k)) return false;
  double degree[kEntryPageRows] = {};
  for (int r = 0; r < m_nRows; ++r) {
    if (m_bTicked[r] && !m_degree[r].Read(degree[r])) {
      Refuse(kNotANumberMessage, DegreeField(r));
      return false;
    }
  }

  // The other ticked degrees: their sum, and whether they are all equal.
  double dSum = 0.0;
  bool bEqual = true;
  bool bReference = false;
  double dReference = 0.0;
  for (int r = 0; r < m_nRows; ++r) {
    if (r == k || !m_bTicked[r]) continue;
    dSum += degree[r];
    if (!bReference) {
      if (degree[r] > kEntryTolerance) {
        dReference = degree[r];
        bReference = true;
      }
    } else if (std::fabs(degree[r] - dReference) >= kEntryTolerance) {
      bEqual = false;
    }
  }
  const bool bTicking = !m_bTicked[k];
  const double dFormer = bTicking ? 0.0 : degree[k];
  m_bTicked[k] = bTicking;

  if (bEqual && std::fabs(1.0 - dSum - dFormer) < kEntryTolerance) {
    // An even and complete distribution stays even.
    int nTicked = 0;
    for (int r = 0; r < m_nRows; ++r) nTicked += m_bTicked[r] ? 1 : 0;
    for (int r = 0; r < m_nRows; ++r) m_degree[r].Set(m_bTicked[r] ? 1.0 / nTicked : 0.0);
  } else if (bTicking) {
    // The user's own degrees are kept; the new answer gets what is left.
    const double dRest = 1.0 - dSum;
    m_degree[k].Set(dRest >= kEntryTolerance ? dRest : 0.0);
  } else {
    m_degree[k].Set(0.0);
  }
  m_nSelected = k;
  return true;
}

EDialogAction CQualitativeEntryPage::Ok() {
  double accepted[kEntryPageRows] = {};
  double dSum = 0.0;
  for (int r = 0; r < m_nRows; ++r) {
    if (!m_degree[r].Read(accepted[r])) return Refuse(kNotANumberMessage, DegreeField(r));
    if (!DegreeAccepted(accepted[r])) {
      return Refuse(std::string("A degree is a positive real number\n") + "between zero and one.",
                    DegreeField(r));
    }
    dSum += accepted[r];
  }
  // With more than one page only the total over all pages is checked.
  if (m_nGrades < 10 && !DegreeAccepted(dSum)) {
    return Refuse(std::string("The total degree of belief\n") + "must not be larger than one.",
                  DegreeField(0));
  }
  std::copy(accepted, accepted + m_nRows, m_dAccepted);
  m_bAccepted = true;
  return EDialogAction::CloseOk;
}

std::vector<CGradeTextPresenter::SGrade> CQualitativeEntryPage::PageGrades() const {
  std::vector<CGradeTextPresenter::SGrade> grades;
  for (int r = 0; r < m_nRows; ++r) {
    grades.push_back({Record().GradeName(FirstGrade() + r).Str(),
                      Record().GradeDefinition(FirstGrade() + r).Str()});
  }
  return grades;
}

std::string CQualitativeEntryPage::SideWindowTitle() const {
  return Title() + " on " + AttributeName();
}

void CQualitativeEntryPage::ProvideEvidence() {
  m_strEvidence =
      CGradeTextPresenter::Edit(CGradeTextPresenter::EText::Evidence, SideWindowTitle(),
                                PageGrades(), m_nSelected, m_strEvidence, std::string());
}

void CQualitativeEntryPage::ProvideComments() {
  m_strComments =
      CGradeTextPresenter::Edit(CGradeTextPresenter::EText::Comments, SideWindowTitle(),
                                PageGrades(), m_nSelected, m_strComments, m_strEvidence);
}

void RunQualitativeEntry(CAlternative& alternative, int nAttribute, const std::string& fatherName) {
  alternative.m_bInputCancelled = false;
  CAssessment& record = alternative.Record(nAttribute);
  // A damaged record must not make the pages read beyond the grade table.
  const int nGrades = std::clamp(record.m_nGrades, 0, kMaxGrades);
  std::array<double, kMaxGrades> degrees{};
  std::copy(record.m_dBelief, record.m_dBelief + nGrades, degrees.begin());
  const std::array<double, kMaxGrades> original = degrees;
  std::string comments = record.m_strAssessComment.Str();
  std::string evidence = record.m_strEvidence.Str();
  const std::span<const double> all(degrees.data(), static_cast<size_t>(nGrades));

  for (;;) {
    bool bAllCancelled = true;
    for (int p = 0; p < EntryPageCount(nGrades); ++p) {
      CQualitativeEntryPage page(alternative, nAttribute, fatherName, all, p, comments, evidence);
      const bool bConfirmed = ThePrompter().RunModal(page) && page.Accepted();
      if (bConfirmed) {
        for (int r = 0; r < page.RowCount(); ++r) {
          degrees[static_cast<size_t>(page.FirstGrade() + r)] = page.AcceptedDegree(r);
        }
        bAllCancelled = false;
      } else {
        alternative.m_bInputCancelled = true;
      }
      comments = page.Comments();
      evidence = page.Evidence();
    }
    double dTotal = 0.0;
    for (int k = 0; k < nGrades; ++k) dTotal += degrees[static_cast<size_t>(k)];
    if (dTotal < 1.0 + kEntryTolerance) break;
    ThePrompter().Warning(
        TotalAboveOneMessage(record.m_strName.Str(), nGrades, "evaluation grades"));
    // Degrees that came in too large (not entered here) and were left alone
    // on every page: showing the same pages again could never end for a
    // user who only cancels, so the record keeps them as they were.
    if (bAllCancelled && degrees == original) break;
  }
  std::copy(degrees.begin(), degrees.begin() + nGrades, record.m_dBelief);
  record.m_strAssessComment = CText(comments);
  record.m_strEvidence = CText(evidence);
}

}  // namespace zev
