#include "elicitation/uncertain_entry_page.h"

#include <algorithm>
#include <array>

#include "model/format.h"

namespace zev {

CUncertainEntryPage::CUncertainEntryPage(const CAlternative& alternative, int nAttribute,
                                         std::string fatherName, std::span<const double> values,
                                         std::span<const double> degrees, int nPage,
                                         std::string comments, std::string evidence)
    : CAssessmentDialog(alternative, nAttribute, std::move(fatherName), std::move(comments),
                        std::move(evidence)),
      m_nValues(static_cast<int>(std::min(values.size(), degrees.size()))),
      m_nPage(nPage),
      m_nRows(EntryPageRows(m_nValues, nPage)) {
  for (int r = 0; r < m_nRows; ++r) {
    const size_t k = static_cast<size_t>(FirstValue() + r);
    m_value[r].Set(values[k]);
    m_degree[r].Set(degrees[k]);
    m_dAcceptedValue[r] = values[k];
    m_dAcceptedDegree[r] = degrees[k];
  }
  SetFocusField(ValueField(0));
}

std::string CUncertainEntryPage::HelpText() const {
  return std::string("1. Assign possible attribute values and degrees of belief.\n\n") +
         "2. A value must be between the best and worst values.\n\n" +
         "3. The total degree can be one or between zero and one.";
}

std::string CUncertainEntryPage::BestText() const { return EntryText(Record().m_dBest); }

std::string CUncertainEntryPage::WorstText() const { return EntryText(Record().m_dWorst); }

const std::string& CUncertainEntryPage::ValueText(int nRow) const {
  static const std::string none;
  return IsRowShown(nRow) ? m_value[nRow].Text() : none;
}

const std::string& CUncertainEntryPage::DegreeText(int nRow) const {
  static const std::string none;
  return IsRowShown(nRow) ? m_degree[nRow].Text() : none;
}

std::string CUncertainEntryPage::ValueField(int nRow) { return "value" + FormatInt(nRow); }

std::string CUncertainEntryPage::DegreeField(int nRow) { return "degree" + FormatInt(nRow); }

bool CUncertainEntryPage::SetValueText(int nRow, std::string text) {
  if (!IsRowShown(nRow)) return false;
  m_value[nRow].SetText(std::move(text));
  return true;
}

bool CUncertainEntryPage::SetDegreeText(int nRow, std::string text) {
  if (!IsRowShown(nRow)) return false;
  m_degree[nRow].SetText(std::move(text));
  return true;
}

EDialogAction CUncertainEntryPage::Ok() {
  double values[kEntryPageRows] = {};
  double degrees[kEntryPageRows] = {};
  for (int r = 0; r < m_nRows; ++r) {
    if (!m_value[r].Read(values[r])) return Refuse(kNotANumberMessage, ValueField(r));
    if (!ValueInRange(values[r], Record().m_dBest, Record().m_dWorst)) {
      return Refuse(std::string("A possible value must be ") + "between the best and worst values.",
                    ValueField(r));
    }
  }
  double dSum = 0.0;
  for (int r = 0; r < m_nRows; ++r) {
    if (!m_degree[r].Read(degrees[r])) return Refuse(kNotANumberMessage, DegreeField(r));
    if (!DegreeAccepted(degrees[r])) {
      return Refuse(
          std::string("A belief degree must be a positive\n") + "real number between zero and one.",
          DegreeField(r));
    }
    dSum += degrees[r];
  }
  // With more than one page only the total over all pages is checked.
  if (m_nValues < 10 && !DegreeAccepted(dSum)) {
    return Refuse(std::string("The total degree of belief\n") + "must not be larger than one.",
                  DegreeField(0));
  }
  std::copy(values, values + m_nRows, m_dAcceptedValue);
  std::copy(degrees, degrees + m_nRows, m_dAcceptedDegree);
  m_bAccepted = true;
  return EDialogAction::CloseOk;
}

void RunUncertainEntry(CAlternative& alternative, int nAttribute, const std::string& fatherName) {
  alternative.m_bInputCancelled = false;
  CAssessment& record = alternative.Record(nAttribute);
  // A damaged record must not make the pages read beyond the value table.
  const int nValues = std::clamp(record.m_nPossibleValues, 0, kMaxGrades);
  std::array<double, kMaxGrades> values{};
  std::array<double, kMaxGrades> degrees{};
  std::copy(record.m_dPossibleValue, record.m_dPossibleValue + nValues, values.begin());
  std::copy(record.m_dBelief, record.m_dBelief + nValues, degrees.begin());
  const std::array<double, kMaxGrades> originalValues = values;
  const std::array<double, kMaxGrades> originalDegrees = degrees;
  std::string comments = record.m_strAssessComment.Str();
  std::string evidence = record.m_strEvidence.Str();
  const std::span<const double> allValues(values.data(), static_cast<size_t>(nValues));
  const std::span<const double> allDegrees(degrees.data(), static_cast<size_t>(nValues));

  for (;;) {
    bool bAllCancelled = true;
    for (int p = 0; p < EntryPageCount(nValues); ++p) {
      CUncertainEntryPage page(alternative, nAttribute, fatherName, allValues, allDegrees, p,
                               comments, evidence);
      const bool bConfirmed = ThePrompter().RunModal(page) && page.Accepted();
      if (bConfirmed) {
        for (int r = 0; r < page.RowCount(); ++r) {
          const size_t k = static_cast<size_t>(page.FirstValue() + r);
          values[k] = page.AcceptedValue(r);
          degrees[k] = page.AcceptedDegree(r);
        }
        bAllCancelled = false;
      } else {
        alternative.m_bInputCancelled = true;
      }
      comments = page.Comments();
      evidence = page.Evidence();
    }
    double dTotal = 0.0;
    for (int k = 0; k < nValues; ++k) dTotal += degrees[static_cast<size_t>(k)];
    if (dTotal < 1.0 + kEntryTolerance) break;
    ThePrompter().Warning(TotalAboveOneMessage(record.m_strName.Str(), nValues, "possible values"));
    // Degrees that came in too large (not entered here) and were left alone
    // on every page: showing the same pages again could never end for a
    // user who only cancels, so the record keeps them as they were.
    if (bAllCancelled && values == originalValues && degrees == originalDegrees) break;
  }
  if (nValues > 0) {
    std::copy(values.begin(), values.begin() + nValues, record.m_dPossibleValue);
    std::copy(degrees.begin(), degrees.begin() + nValues, record.m_dBelief);
    record.m_dValue = values[0];
  }
  record.m_strAssessComment = CText(comments);
  record.m_strEvidence = CText(evidence);
}

}  // namespace zev
