#pragma once

#include <string>
#include <vector>

#include "model/alternative.h"
#include "model/format.h"

namespace zev::test {

// Record 1 of the alternative "Car A" is the attribute "Comfort" under the
// father "Quality" (record 0), as a prepared alternative holds them.
inline void MakeRecord(CAlternative& alternative, std::uint16_t type) {
  alternative.m_strName = "Car A";
  alternative.m_strDescription = "A small family car.";
  alternative.Record(0).m_strName = "Quality";
  CAssessment& r = alternative.Record(1);
  r.m_strName = "Comfort";
  r.m_strDescription = "How comfortable the seats are.";
  r.m_nFather = 0;
  r.m_nType = type;
  r.m_strAssessComment = "No comments are provided.";
  r.m_strEvidence = "No evidence is provided.";
}

// A qualitative record with grades "G1".."Gn" and the given degrees.
inline CAssessment& MakeQualitative(CAlternative& alternative, int nGrades,
                                    const std::vector<double>& degrees = {}) {
  MakeRecord(alternative, Qualitative);
  CAssessment& r = alternative.Record(1);
  r.m_nGrades = nGrades;
  for (int k = 0; k < nGrades; ++k) {
    r.SetGradeName(k, "G" + FormatInt(k + 1));
    r.SetGradeDefinition(k, "Definition of G" + FormatInt(k + 1));
  }
  for (int k = 0; k < kMaxGrades; ++k) {
    r.m_dBelief[k] = k < static_cast<int>(degrees.size()) ? degrees[static_cast<size_t>(k)] : 0.0;
  }
  return r;
}

// A quantitative record ("Price" in "k\x80") from worst to best.
inline CAssessment& MakeQuantitative(CAlternative& alternative, std::uint16_t type, double dBest,
                                     double dWorst) {
  MakeRecord(alternative, type);
  CAssessment& r = alternative.Record(1);
  r.m_strName = "Price";
  r.m_strUnit = "k\x80";
  r.m_dBest = dBest;
  r.m_dWorst = dWorst;
  return r;
}

}  // namespace zev::test
