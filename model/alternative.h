#pragma once

#include <span>
#include <string_view>

#include "model/attribute.h"
#include "model/portable.h"

namespace zev {

// One alternative's assessment on one attribute: a copy of the attribute
// definition (refreshed from the document before every evaluation) extended
// by the input and the computed result. Aligned to a cache line, so that a
// record takes eight whole lines and each line holds the same fields in
// every record.
class alignas(64) CAssessment : public CAttribute {
 public:
  CAssessment();
  CAssessment(const CAssessment&) = default;
  // Assignment copies the assessment part only: the four doubles, all belief
  // degrees and possible values, their count, evidence and comment; neither
  // m_bAssessed nor the attribute part.
  CAssessment& operator=(const CAssessment& other);
  bool operator==(const CAssessment&) const = default;

  void ResetAssessment();

  double GetAvgUtility() const { return m_dAvgUtility; }
  void SetAvgUtility(double d) { m_dAvgUtility = d; }
  double GetMaxUtility() const { return m_dMaxUtility; }
  void SetMaxUtility(double d) { m_dMaxUtility = d; }
  double GetMinUtility() const { return m_dMinUtility; }
  void SetMinUtility(double d) { m_dMinUtility = d; }
  double GetValue() const { return m_dValue; }
  void SetValue(double d) { m_dValue = d; }
  int GetPossibleValues() const { return m_nPossibleValues; }
  void SetPossibleValues(int n) { m_nPossibleValues = n; }
  // The first n belief degrees (n given by the caller).
  void GetBeliefs(std::span<double> out, int n) const;
  void SetBeliefs(std::span<const double> in, int n);
  // The first m_nPossibleValues possible values.
  void GetPossibleValueList(std::span<double> out) const;
  void SetPossibleValueList(std::span<const double> in);
  const CText& GetEvidence() const { return m_strEvidence; }
  void SetEvidence(std::string_view s) { m_strEvidence = CText(s); }
  const CText& GetAssessComment() const { return m_strAssessComment; }
  void SetAssessComment(std::string_view s) { m_strAssessComment = CText(s); }

  // The belief degrees in use: the larger of the grade and possible-value counts.
  int BeliefCount() const;
  // One minus the sum of the first n degrees, taken as 0 when at most 1e-8.
  double UnassignedBelief(int n) const;

  // The count and the flag first: with the results and the first degrees
  // they share the cache line that every evaluation reads, and the last
  // line of the record is left to the texts.
  int m_nPossibleValues = 3;
  bool m_bAssessed = false;
  double m_dAvgUtility = 0.5;
  double m_dMaxUtility = 1.0;
  double m_dMinUtility = 0.0;
  double m_dValue = 0.5;
  double m_dBelief[kMaxGrades] = {};
  double m_dPossibleValue[kMaxGrades] = {};
  CText m_strEvidence;
  CText m_strAssessComment;
};

// Asks for the cache lines of a record that an evaluation reads: the
// definition, then the flags, results and degrees of up to eleven grades,
// and the first possible values. The lines beyond are fetched when read.
inline void AskForRecord(const CAssessment& r) {
  const char* p = reinterpret_cast<const char*>(&r);
  for (int line : {0, 1, 2, 3, 5}) ZEV_PREFETCH(p + 64 * line);
}

// One option being assessed, aligned to a cache line like its records.
class alignas(64) CAlternative {
 public:
  CAlternative();
  CAlternative(const CAlternative&) = default;
  // Assignment copies name, description, ranking, utility, selection mark,
  // the two attribute indices and the assessment part of every record; the
  // box position and show flag only while m_bKeepPosition is clear.
  CAlternative& operator=(const CAlternative& other);
  // Every field and every record: the same state.
  bool operator==(const CAlternative&) const = default;

  void ResetToDefaults();

  const CText& GetName() const { return m_strName; }
  // Refuses an empty text (returns false, the name stays).
  bool SetName(std::string_view name);
  const CText& GetDescription() const { return m_strDescription; }
  void SetDescription(std::string_view s) { m_strDescription = CText(s); }
  int GetRanking() const { return m_nRanking; }
  void SetRanking(int n) { m_nRanking = n; }
  double GetUtility() const { return m_dUtility; }
  void SetUtility(double d) { m_dUtility = d; }
  std::string RankingText() const;  // "%d"
  std::string UtilityText() const;  // "%1.6lf"

  CAssessment& Record(int nAttribute) { return m_assessments[nAttribute]; }
  const CAssessment& Record(int nAttribute) const { return m_assessments[nAttribute]; }

  CText m_strName;
  CText m_strDescription;
  int m_nRanking = 1;
  double m_dUtility = 0.5;
  int m_nX = 60;
  int m_nY = 60;
  int m_nShowFlag = 1;
  int m_nSelection = 0;
  int m_nLastAttribute = 0;
  int m_nCurrentAttribute = 0;
  bool m_bKeepPosition = false;
  bool m_bInputCancelled = false;
  CAssessment m_assessments[kAttributeSlots];
};

}  // namespace zev
