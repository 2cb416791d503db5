#include "engine/evaluate_commands.h"

#include <vector>

#include "engine/conversion.h"
#include "engine/evaluate_every.h"
#include "engine/evidential_reasoning.h"
#include "engine/ranking.h"
#include "model/prompter.h"

namespace zev {

namespace {

void RefreshResults(CMADMDoc& doc) {
  doc.Notify({EDocChange::Results, doc.CurrentAttribute(), -1});
}

enum class EEvaluation { Full, OnlyWhatChanged };

// The ranking on the top attribute, with the current attribute kept.
SReevaluation EvaluateAndRankFromTop(CMADMDoc& doc, bool bPropagate, EEvaluation evaluation) {
  const int current = doc.CurrentAttribute();
  doc.SetCurrentAttribute(0);
  if (bPropagate) PropagateRules(doc, 0);
  SReevaluation done;
  done.m_bFull = true;
  if (evaluation == EEvaluation::Full)
    EvaluateEveryAlternative(doc);
  else
    done = ReevaluateEveryAlternative(doc);
  RefreshResults(doc);
  RankOnAttribute(doc);
  ReverseRankingIfNeeded(doc);
  doc.SetCurrentAttribute(current);
  RefreshResults(doc);
  return done;
}

// Runs evaluate() with every attribute's m_nMark and every alternative's
// m_nSelection as they were afterwards.
template <typename FEvaluate>
SReevaluation KeepingMarks(CMADMDoc& doc, FEvaluate evaluate) {
  std::vector<std::uint16_t> marks;
  marks.reserve(static_cast<size_t>(doc.AttributeCount()));
  for (int i = 0; i <= doc.LastAttribute(); ++i) marks.push_back(doc.Attribute(i).m_nMark);
  std::vector<int> selections;
  selections.reserve(static_cast<size_t>(doc.AlternativeCount()));
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    selections.push_back(doc.Alternative(pos).m_nSelection);
  }
  const SReevaluation done = evaluate();
  for (int i = 0; i <= doc.LastAttribute(); ++i)
    doc.Attribute(i).m_nMark = marks[static_cast<size_t>(i)];
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    doc.Alternative(pos).m_nSelection = selections[static_cast<size_t>(pos)];
  }
  return done;
}

}  // namespace

void CopyDisplayValues(CMADMDoc& doc, const CAlternative& alternative) {
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    const CAssessment& r = alternative.m_assessments[i];
    doc.Attribute(i).m_dShownValue = r.m_nType == Quantitative ? r.m_dValue : r.m_dAvgUtility;
  }
}

namespace {

bool ShowsValuesOf(const CMADMDoc& doc, const CAlternative& alternative) {
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    // The record's own kind is only set when the alternative is prepared,
    // which a file just read has not been: the attribute's kind decides.
    const CAssessment& r = alternative.m_assessments[i];
    const double shown = doc.Attribute(i).m_nType == Quantitative ? r.m_dValue : r.m_dAvgUtility;
    if (doc.Attribute(i).m_dShownValue != shown) return false;
  }
  return true;
}

}  // namespace

int ShownValuesAlternative(const CMADMDoc& doc) {
  const int n = doc.AlternativeCount();
  if (n == 0) return -1;
  const int current = doc.CurrentPosition();
  if (current >= 0 && current < n && ShowsValuesOf(doc, doc.Alternative(current))) return current;
  for (int pos = n - 1; pos >= 0; --pos) {
    if (pos != current && ShowsValuesOf(doc, doc.Alternative(pos))) return pos;
  }
  return -1;
}

void AssessAlternative(CMADMDoc& doc) {
  if (doc.AlternativeCount() == 0) return;
  CAlternative& alternative = doc.CurrentAlternative();
  doc.PrepareAlternative(alternative);
  EvaluateAll(alternative);
  CopyDisplayValues(doc, alternative);
  RefreshResults(doc);
}

void AssessAttribute(CMADMDoc& doc) {
  EvaluateEveryAlternativeFrom(doc, doc.CurrentAttribute());
  RankOnAttribute(doc);
  ReverseRankingIfNeeded(doc);
  RefreshResults(doc);
}

void RankAlternatives(CMADMDoc& doc) {
  EvaluateAndRankFromTop(doc, true, EEvaluation::Full);
  ThePrompter().Information(" All alternatives have been assessed on all attributes.");
}

void EvaluateAndRank(CMADMDoc& doc) { EvaluateAndRankFromTop(doc, false, EEvaluation::Full); }

void EvaluateAndRankKeepingMarks(CMADMDoc& doc) {
  KeepingMarks(doc, [&] { return EvaluateAndRankFromTop(doc, false, EEvaluation::Full); });
}

SReevaluation ReevaluateAndRank(CMADMDoc& doc) {
  return EvaluateAndRankFromTop(doc, false, EEvaluation::OnlyWhatChanged);
}

SReevaluation ReevaluateAndRankKeepingMarks(CMADMDoc& doc) {
  return KeepingMarks(doc, [&] { return ReevaluateAndRank(doc); });
}

}  // namespace zev
