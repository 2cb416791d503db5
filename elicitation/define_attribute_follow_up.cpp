#include "elicitation/define_attribute_follow_up.h"

#include "elicitation/convert_grades_presenter.h"
#include "elicitation/convert_values_presenter.h"
#include "elicitation/define_attribute_presenter.h"
#include "engine/conversion.h"
#include "engine/utility.h"

namespace zev {

namespace {

// The father of k, or -1 for the top attribute and broken links.
int FatherOf(const CMADMDoc& doc, int k) {
  const int f = k >= 1 ? doc.Attribute(k).m_nFather : -1;
  return f >= 0 && f <= doc.LastAttribute() && f != k ? f : -1;
}

void Open(const std::function<void(CMADMDoc&)>& hook, CMADMDoc& doc) {
  if (hook) hook(doc);
}

// The editor of a rule-based conversion: father grades for a qualitative
// attribute, values for a quantitative one.
void OpenRuleEditor(CMADMDoc& doc) {
  if (IsQuantitativeType(doc.CurrentAttributeRef().m_nType))
    RunConvertValuesEditor(doc);
  else
    RunConvertGradesEditor(doc);
}

// The manual conversion of the current attribute: its utilities for a
// utility-based one, its rules otherwise.
void OpenManualConversion(CMADMDoc& doc, const SAttributeDialogOpeners& openers) {
  if (doc.CurrentAttributeRef().m_nConversion == ByUtility) {
    Open(openers.m_assignUtilitiesDirectly, doc);
  } else {
    OpenRuleEditor(doc);
  }
}

// Grade values evenly spread from the worst value (first grade) to the
// best (last grade). A single grade takes the best value.
void SpreadGradeValues(CAttribute& a, int n) {
  SGradeTable& g = a.MutableGrades();
  if (n <= 1) {
    g.m_dGradeValue[0] = a.m_dBest;
    return;
  }
  for (int i = 0; i < n; ++i)
    g.m_dGradeValue[i] = a.m_dWorst + (a.m_dBest - a.m_dWorst) * i / (n - 1);
}

// Utilities in equal steps from 0 (first grade) to 1 (last grade). A single
// grade takes utility 1.
void StepUtilities(CAttribute& a, int n) {
  SGradeTable& g = a.MutableGrades();
  if (n <= 1) {
    g.m_dGradeUtility[0] = 1.0;
    return;
  }
  for (int i = 0; i < n; ++i) g.m_dGradeUtility[i] = static_cast<double>(i) / (n - 1);
}

// Grade i takes the utility of grade i of `from`.
void CopyUtilities(CAttribute& a, const CAttribute& from, int n) {
  SGradeTable& g = a.MutableGrades();
  for (int i = 0; i < n; ++i) g.m_dGradeUtility[i] = from.GradeUtility(i);
}

EAnswer Ask(const std::string& text) { return ThePrompter().AskYesNo(text, EIcon::Question); }

// Step 4: the default association of values after a change of range.
void AssociateValues(CMADMDoc& doc, int k, const SAttributeDialogOpeners& openers) {
  CAttribute& a = doc.Attribute(k);
  const int n = UsedCount(a.m_nGrades);
  SpreadGradeValues(a, n);
  const int f = FatherOf(doc, k);
  if (a.m_nConversion == ByRule && f >= 0)
    CopyUtilities(a, doc.Attribute(f), n);
  else
    StepUtilities(a, n);
  RulesFromUtilities(doc, k);
  const EAnswer answer =
      Ask(std::string(
              "You have modified the best and/or the worst value for the following attribute:\n") +
          "<" + a.m_strName + ">.\n" +
          "The values of the attribute need to be associated with the grades of its father "
          "attribute.\n\n" +
          "To associate manually, click Yes.\n" + "To accept default association, click No.");
  if (answer == EAnswer::Yes) {
    if (a.m_nConversion == ByUtility)
      Open(openers.m_assignUtilitiesDirectly, doc);
    else
      RunConvertValuesEditor(doc);
  }
  doc.Attribute(k).m_bRangeChanged = false;
}

// Step 5: the default conversion after a change of grades, for k and for
// its children.
void ConvertGrades(CMADMDoc& doc, int k, const SAttributeDialogOpeners& openers) {
  CAttribute& a = doc.Attribute(k);
  if (k >= 1) RulesFromUtilities(doc, k);
  for (int c = 0; c <= doc.LastAttribute(); ++c) {
    CAttribute& child = doc.Attribute(c);
    if (c == k || child.m_nFather != k) continue;
    if (IsQuantitativeType(child.m_nType)) {
      if (child.m_nConversion == ByRule) child.m_nGrades = a.m_nGrades;
      const int m = UsedCount(child.m_nGrades);
      if (child.m_nConversion == ByRule) {
        SpreadGradeValues(child, m);
        CopyUtilities(child, a, m);
      } else {
        StepUtilities(child, m);
      }
    }
    RulesFromUtilities(doc, c);
  }
  if (Ask(std::string("You have modified the evaluation grades for the following attribute:\n") +
          "<" + a.m_strName + ">.\n" +
          "These grades need to be converted to the grades of its father attribute.\n\n" +
          "To convert manually, click Yes.\n" + "To accept default conversion, click No.") ==
      EAnswer::Yes) {
    OpenManualConversion(doc, openers);
  }
  if (doc.Attribute(k).m_nChildren > 0 &&
      Ask(std::string("As you have modified the evaluation grades for the attribute:\n") + "<" +
          a.m_strName + ">. \n" +
          "The grades of its child attributes need to be converted as well.\n\n" +
          "To convert manually, click Yes.\n" + "To accept default conversion, click No.") ==
          EAnswer::Yes) {
    for (int c = 0; c <= doc.LastAttribute(); ++c) {
      if (c == k || doc.Attribute(c).m_nFather != k) continue;
      doc.SetCurrentAttribute(c);
      OpenManualConversion(doc, openers);
    }
    doc.SetCurrentAttribute(k);
  }
  doc.Attribute(k).m_bGradesChanged = false;
}

}  // namespace

void RunDefinitionFollowUp(CMADMDoc& doc, const SAttributeDialogOpeners& openers) {
  const int k = doc.CurrentAttribute();
  CAttribute& a = doc.Attribute(k);

  if (a.m_bOpenConversion) {
    if (k != 0) {
      if (a.m_nConversion == ByUtility)
        Open(openers.m_selectUtilityMethods, doc);
      else
        OpenRuleEditor(doc);
    }
    a.m_bOpenConversion = false;
  }

  doc.Attribute(0).m_nConversion = ByUtility;

  const int f = FatherOf(doc, k);
  if (f >= 0 && a.m_nConversion == ByRule && IsQuantitativeType(a.m_nType)) {
    a.m_nGrades = doc.Attribute(f).m_nGrades;
  }

  if (a.m_bRangeChanged) AssociateValues(doc, k, openers);
  if (a.m_bGradesChanged) ConvertGrades(doc, k, openers);

  PropagateRules(doc, k);
  doc.PublishChanges({EDocChange::Attribute, k, -1});
}

bool RunDefineAttributeCommand(CMADMDoc& doc, const SAttributeDialogOpeners& openers) {
  const bool bConfirmed =
      RunDefineAttributeDialog(doc, [&doc, &openers] { Open(openers.m_defineGrades, doc); });
  if (bConfirmed) RunDefinitionFollowUp(doc, openers);
  return bConfirmed;
}

}  // namespace zev
