#include "elicitation/certain_value_entry.h"

#include "elicitation/assessment_rules.h"

namespace zev {

CCertainValueEntry::CCertainValueEntry(const CAlternative& alternative, int nAttribute,
                                       std::string fatherName, std::string comments,
                                       std::string evidence)
    : CAssessmentDialog(alternative, nAttribute, std::move(fatherName), std::move(comments),
                        std::move(evidence)),
      m_field(alternative.Record(nAttribute).m_dValue),
      m_dValue(alternative.Record(nAttribute).m_dValue) {
  SetFocusField(kFieldValue);
}

std::string CCertainValueEntry::HelpText() const {
  return std::string(
             "1. Provide a numerical value for the alternative on the above attribute.\n\n") +
         "2. The provided value must be between the best and worst values.";
}

std::string CCertainValueEntry::BestText() const { return EntryText(Record().m_dBest); }

std::string CCertainValueEntry::WorstText() const { return EntryText(Record().m_dWorst); }

bool CCertainValueEntry::ValueFocusLost() {
  double d = 0.0;
  if (!m_field.Read(d)) {
    Refuse(kNotANumberMessage, kFieldValue);
    return false;
  }
  m_dValue = d;
  if (!ValueInRange(d, Record().m_dBest, Record().m_dWorst)) {
    Refuse(std::string("An assessment value must be between\n") +
               "the best and worst attribute values.",
           kFieldValue);
    return false;
  }
  return true;
}

EDialogAction CCertainValueEntry::Ok() {
  double d = 0.0;
  if (!m_field.Read(d)) return Refuse(kNotANumberMessage, kFieldValue);
  m_dValue = ClampToRange(d, Record().m_dBest, Record().m_dWorst);
  if (m_dValue != d) m_field.Set(m_dValue);
  m_bAccepted = true;
  return EDialogAction::CloseOk;
}

EDialogAction CCertainValueEntry::Cancel() {
  // What is kept is the value held since the field was last left, not what
  // has been typed since.
  m_dValue = ClampToRange(m_dValue, Record().m_dBest, Record().m_dWorst);
  return EDialogAction::CloseCancel;
}

void RunCertainValueEntry(CAlternative& alternative, int nAttribute,
                          const std::string& fatherName) {
  alternative.m_bInputCancelled = false;
  CAssessment& record = alternative.Record(nAttribute);
  CCertainValueEntry dialog(alternative, nAttribute, fatherName, record.m_strAssessComment.Str(),
                            record.m_strEvidence.Str());
  const bool bConfirmed = ThePrompter().RunModal(dialog) && dialog.Accepted();
  if (!bConfirmed) {
    alternative.m_bInputCancelled = true;
    // A view closing the window without Cancel still gets the silent clamp.
    dialog.Cancel();
  }
  record.m_dValue = dialog.Value();
  record.m_strAssessComment = CText(dialog.Comments());
  record.m_strEvidence = CText(dialog.Evidence());
  record.m_nPossibleValues = 1;
  record.m_dPossibleValue[0] = record.m_dValue;
  record.m_dBelief[0] = 1.0;
}

}  // namespace zev
