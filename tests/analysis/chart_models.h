#pragma once

#include <array>
#include <string>

#include "engine/conversion.h"
#include "model/madm_doc.h"
#include "tests/support/model_builders.h"

namespace zev::test {

// Top (3 grades, utilities 0, 0.5, 1) with the children A and B; A with the
// children A1 (qualitative) and A2 (uncertain); B quantitative, 0 to 100.
// All matrices identity. Two alternatives, not evaluated yet:
//   "Worked": A1 (0, 1, 0), A2 100 with belief 0.5, B 75. Evaluated:
//     A (0, 0.6, 0.2), utilities 0.5 to 0.7, average 0.6;
//     Top (0, 15/26, 9/26), utilities 16.5/26 to 18.5/26, average 17.5/26;
//     A1 0.5; A2 0.5 to 1, average 0.75; B 0.75.
//   kBestName: everything at the best grade, every utility 1.
inline constexpr const char* kBestName = "The best of all possible laptops";

struct SChartModel {
  CMADMDoc doc;
  int a = 0, a1 = 0, a2 = 0, b = 0;

  SChartModel() {
    doc.OnNewDocument();
    AttachEngine(doc);
    BuildHierarchy(doc, {"A:", "A1:A", "A2:A", "B:"});
    a = FindAttribute(doc, "A");
    a1 = FindAttribute(doc, "A1");
    a2 = FindAttribute(doc, "A2");
    b = FindAttribute(doc, "B");
    for (int i = 0; i <= doc.LastAttribute(); ++i) doc.Attribute(i).m_nGrades = 3;
    for (int k = 0; k < 3; ++k) doc.Attribute(0).SetGradeUtility(k, 0.5 * k);
    for (int q : {a2, b}) {
      CAttribute& x = doc.Attribute(q);
      x.m_nType = q == b ? Quantitative : QuantitativeUncertain;
      x.m_dBest = 100;
      x.m_dWorst = 0;
      for (int k = 0; k < 3; ++k) x.SetGradeValue(k, 50.0 * k);
    }
    PropagateRules(doc, 0);
    doc.Alternative(0).SetName("Worked");
    doc.AddAlternativeCommand();
    doc.Alternative(1).SetName(kBestName);
    SetInputs(0, {0, 1, 0}, 100, 0.5, 75);
    SetInputs(1, {0, 0, 1}, 100, 1.0, 100);
    doc.SelectAlternative(0);
    doc.SetCurrentAttribute(0);
  }

  void SetInputs(int pos, std::array<double, 3> a1Beliefs, double a2Value, double a2Belief,
                 double bValue) {
    CAlternative& alt = doc.Alternative(pos);
    doc.PrepareAlternative(alt);
    for (int k = 0; k < 3; ++k) alt.Record(a1).m_dBelief[k] = a1Beliefs[static_cast<size_t>(k)];
    CAssessment& r2 = alt.Record(a2);
    r2.m_nPossibleValues = 1;
    r2.m_dPossibleValue[0] = a2Value;
    r2.m_dBelief[0] = a2Belief;
    CAssessment& rb = alt.Record(b);
    rb.m_dValue = bValue;
    rb.m_nPossibleValues = 1;
    rb.m_dPossibleValue[0] = bValue;
    rb.m_dBelief[0] = 1;
  }
};

}  // namespace zev::test
