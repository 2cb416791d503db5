#pragma once

#include <vector>

#include "engine/conversion.h"
#include "model/madm_doc.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev::test {

// Top over Q (qualitative, five grades), V (precise, 0 worst to 100 best)
// and U (uncertain on the grade values 0, 25, 50, 75, 100), each weighing
// 1; alternative p believes Q's grade p % 5 fully, has V = 10 * (p + 1) and
// U = 50 for sure. Built with the scripted user installed.
struct SAnalysisModel {
  CScriptedUser user;
  CMADMDoc doc;
  int q = 0, v = 0, u = 0;

  explicit SAnalysisModel(int nAlternatives = 3) {
    doc.OnNewDocument();
    AttachEngine(doc);
    BuildHierarchy(doc, {"Q:", "V:", "U:"});
    q = FindAttribute(doc, "Q");
    v = FindAttribute(doc, "V");
    u = FindAttribute(doc, "U");
    for (int k : {v, u}) {
      CAttribute& a = doc.Attribute(k);
      a.m_nType = k == v ? Quantitative : QuantitativeUncertain;
      a.m_dBest = 100;
      a.m_dWorst = 0;
      for (int g = 0; g < 5; ++g) a.SetGradeValue(g, 25.0 * g);
    }
    PropagateRules(doc, 0);
    while (doc.AlternativeCount() < nAlternatives) doc.AddAlternativeCommand();
    for (int p = 0; p < nAlternatives; ++p) {
      CAlternative& alt = doc.Alternative(p);
      doc.PrepareAlternative(alt);
      alt.Record(q).m_dBelief[p % 5] = 1;
      SetValue(alt.Record(v), 10.0 * (p + 1));
      SetValue(alt.Record(u), 50);
    }
    doc.SetCurrentPosition(0);
    doc.SetModifiedFlag(false);
  }
  static void SetValue(CAssessment& r, double x) {
    r.m_dValue = x;
    r.m_nPossibleValues = 1;
    r.m_dPossibleValue[0] = x;
    r.m_dBelief[0] = 1;
  }
  std::vector<int> Selections() const {
    std::vector<int> marks;
    for (int p = 0; p < doc.AlternativeCount(); ++p)
      marks.push_back(doc.Alternative(p).m_nSelection);
    return marks;
  }
};

}  // namespace zev::test
