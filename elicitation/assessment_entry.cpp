#include "elicitation/assessment_entry.h"

#include <algorithm>
#include <cstring>

#include "elicitation/certain_value_entry.h"
#include "elicitation/possible_value_count.h"
#include "elicitation/qualitative_entry_page.h"
#include "elicitation/uncertain_entry_page.h"
#include "model/format.h"
#include "model/prompter.h"

namespace zev {

std::string FatherName(const CAlternative& alternative, int nAttribute) {
  const int f = alternative.Record(nAttribute).m_nFather;
  if (f < 0 || f >= kAttributeSlots) return alternative.Record(nAttribute).m_strName.Str();
  return alternative.Record(f).m_strName.Str();
}

bool EnterAssessment(CAlternative& alternative, int nAttribute, const std::string& fatherName) {
  switch (alternative.Record(nAttribute).m_nType) {
    case Qualitative:
      RunQualitativeEntry(alternative, nAttribute, fatherName);
      return true;
    case Quantitative:
      RunCertainValueEntry(alternative, nAttribute, fatherName);
      return true;
    case QuantitativeUncertain:
      RunPossibleValueCount(alternative, nAttribute, fatherName);
      RunUncertainEntry(alternative, nAttribute, fatherName);
      return true;
    default:
      return false;
  }
}

std::string FatherRefusalMessage(const CAttribute& attribute, EAssessCommand command) {
  if (command == EAssessCommand::Modify) {
    return attribute.m_strName + " has " + FormatInt(attribute.m_nChildren) +
           " child attributes.\n" + "It is not supposed to be assessed directly\n" +
           "but through its child attributes.";
  }
  return attribute.m_strName + " has " + FormatInt(attribute.m_nChildren) + " child attributes. " +
         "It is not supposed to be assessed directly " + "but through its child attributes.";
}

bool AssessSelection(CMADMDoc& doc, EAssessCommand command) {
  if (doc.AlternativeCount() == 0) return false;
  CAlternative& alternative = doc.CurrentAlternative();
  doc.PrepareAlternative(alternative);
  const int i = doc.CurrentAttribute();
  const CAttribute& attribute = doc.Attribute(i);
  if (attribute.m_nChildren > 0) {
    ThePrompter().Warning(FatherRefusalMessage(attribute, command));
    return false;
  }
  if (!EnterAssessment(alternative, i, FatherName(alternative, i))) return false;
  doc.PublishChanges({EDocChange::Assessment, i, doc.CurrentPosition()});
  return true;
}

bool SameInput(const CAssessment& a, const CAssessment& b) {
  return std::memcmp(&a.m_dValue, &b.m_dValue, sizeof a.m_dValue) == 0 &&
         std::memcmp(a.m_dBelief, b.m_dBelief, sizeof a.m_dBelief) == 0 &&
         std::memcmp(a.m_dPossibleValue, b.m_dPossibleValue, sizeof a.m_dPossibleValue) == 0 &&
         a.m_nPossibleValues == b.m_nPossibleValues && a.m_strEvidence == b.m_strEvidence &&
         a.m_strAssessComment == b.m_strAssessComment;
}

namespace {

// The displays at the selection run an entry dialog too; what the user
// changes there must not be lost for want of the changed mark.
template <typename Entry>
bool RunDisplay(CMADMDoc& doc, Entry entry) {
  if (doc.AlternativeCount() == 0) return false;
  CAlternative& alternative = doc.CurrentAlternative();
  doc.PrepareAlternative(alternative);
  const int i = doc.CurrentAttribute();
  const CAssessment before = alternative.Record(i);
  if (!entry(alternative, i, FatherName(alternative, i))) return false;
  if (!SameInput(before, alternative.Record(i))) {
    doc.PublishChanges({EDocChange::Assessment, i, doc.CurrentPosition()});
  }
  return true;
}

}  // namespace

bool ShowBeliefDegree(CMADMDoc& doc) {
  return RunDisplay(doc, [](CAlternative& alternative, int i, const std::string& father) {
    if (alternative.Record(i).m_nType != Qualitative) return false;
    RunQualitativeEntry(alternative, i, father);
    return true;
  });
}

bool ShowAssessmentValue(CMADMDoc& doc) {
  return RunDisplay(doc, [](CAlternative& alternative, int i, const std::string& father) {
    switch (alternative.Record(i).m_nType) {
      case Quantitative:
        RunCertainValueEntry(alternative, i, father);
        return true;
      case QuantitativeUncertain:
        RunUncertainEntry(alternative, i, father);
        return true;
      default:
        return false;
    }
  });
}

}  // namespace zev
