#include "elicitation/possible_value_count.h"

#include <algorithm>
#include <cmath>

#include "elicitation/assessment_rules.h"
#include "model/format.h"
#include "model/number.h"

namespace zev {

CPossibleValueCount::CPossibleValueCount(const CAlternative& alternative, int nAttribute,
                                         std::string fatherName, std::string comments,
                                         std::string evidence)
    : CAssessmentDialog(alternative, nAttribute, std::move(fatherName), std::move(comments),
                        std::move(evidence)),
      m_strNumber(FormatInt(alternative.Record(nAttribute).m_nPossibleValues)),
      m_nOpening(alternative.Record(nAttribute).m_nPossibleValues),
      m_nNumber(m_nOpening) {
  SetFocusField(kFieldNumber);
}

std::string CPossibleValueCount::HelpText() const {
  return std::string("1. Assign the number of possible attribute values at the alternative.\n\n") +
         "2. The number must be an integer between the minimum and maximum numbers.";
}

std::vector<std::string> CPossibleValueCount::NumberChoices() {
  std::vector<std::string> choices;
  for (int n = kMinPossibleValues; n <= kMaxPossibleValues; ++n) choices.push_back(FormatInt(n));
  return choices;
}

int CPossibleValueCount::Minimum() { return kMinPossibleValues; }

int CPossibleValueCount::Maximum() { return kMaxPossibleValues; }

std::string CPossibleValueCount::MinimumText() { return FormatInt(kMinPossibleValues); }

std::string CPossibleValueCount::MaximumText() { return FormatInt(kMaxPossibleValues); }

bool CPossibleValueCount::ReadNumber(double& d) const {
  if (!ReadRealNumber(m_strNumber, d)) return false;
  // Truncated as a real, so that a huge text cannot overflow an integer.
  d = std::trunc(d);
  return true;
}

bool CPossibleValueCount::NumberFocusLost() {
  double d = 0.0;
  if (!ReadNumber(d)) {
    Refuse(kNotANumberMessage, kFieldNumber);
    return false;
  }
  if (d < kMinPossibleValues || d > kMaxPossibleValues) {
    Refuse(std::string("The number of possible values must be\n") +
               "between the minimum and maximum numbers.",
           kFieldNumber);
    return false;
  }
  return true;
}

EDialogAction CPossibleValueCount::Ok() {
  double d = 0.0;
  if (!ReadNumber(d)) return Refuse(kNotANumberMessage, kFieldNumber);
  m_nNumber = static_cast<int>(std::clamp(d, static_cast<double>(kMinPossibleValues),
                                          static_cast<double>(kMaxPossibleValues)));
  m_strNumber = FormatInt(m_nNumber);
  m_bAccepted = true;
  return EDialogAction::CloseOk;
}

EDialogAction CPossibleValueCount::Cancel() {
  m_nNumber = m_nOpening;
  m_strNumber = FormatInt(m_nNumber);
  return EDialogAction::CloseCancel;
}

void RunPossibleValueCount(CAlternative& alternative, int nAttribute,
                           const std::string& fatherName) {
  alternative.m_bInputCancelled = false;
  CAssessment& record = alternative.Record(nAttribute);
  CPossibleValueCount dialog(alternative, nAttribute, fatherName, record.m_strAssessComment.Str(),
                             record.m_strEvidence.Str());
  const bool bConfirmed = ThePrompter().RunModal(dialog) && dialog.Accepted();
  if (!bConfirmed) {
    alternative.m_bInputCancelled = true;
    dialog.Cancel();
  }
  const int nOld = std::clamp(record.m_nPossibleValues, 0, kMaxGrades);
  const int nNew = dialog.Number();
  for (int k = nOld; k < std::min(nNew, kMaxGrades); ++k)
    record.m_dPossibleValue[k] = record.m_dWorst;
  record.m_nPossibleValues = nNew;
  record.m_strAssessComment = CText(dialog.Comments());
  record.m_strEvidence = CText(dialog.Evidence());
}

}  // namespace zev
