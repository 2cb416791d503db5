#include "engine/evaluate_commands.h"

#include <vector>

#include "engine/conversion.h"
#include "engine/evidential_reasoning.h"
#include "engine/ranking.h"
#include "model/prompter.h"

namespace zev {

namespace {

void RefreshResults(CMADMDoc& doc) {
  doc.Notify({EDocChange::Results, doc.CurrentAttribute(), -1});
}

// Prepares and evaluates every alternative in list order; the document
// ends showing the last one's values.
void EvaluateEveryAlternative(CMADMDoc& doc) {
  const int n = doc.AlternativeCount();
  for (int pos = 0; pos < n; ++pos) {
    CAlternative& alternative = doc.Alternative(pos);
    doc.PrepareAlternative(alternative);
    EvaluateAll(alternative);
    CopyDisplayValues(doc, alternative);
  }
  RefreshResults(doc);
}

// The ranking on the top attribute, with the current attribute kept.
void EvaluateAndRankFromTop(CMADMDoc& doc, bool bPropagate) {
  const int current = doc.CurrentAttribute();
  doc.SetCurrentAttribute(0);
  if (bPropagate) PropagateRules(doc, 0);
  EvaluateEveryAlternative(doc);
  RankOnAttribute(doc);
  ReverseRankingIfNeeded(doc);
  doc.SetCurrentAttribute(current);
  RefreshResults(doc);
}

}  // namespace

void CopyDisplayValues(CMADMDoc& doc, const CAlternative& alternative) {
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    const CAssessment& r = alternative.m_assessments[i];
    doc.Attribute(i).m_dShownValue = r.m_nType == Quantitative ? r.m_dValue : r.m_dAvgUtility;
  }
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
  const int k = doc.CurrentAttribute();
  const int n = doc.AlternativeCount();
  for (int pos = 0; pos < n; ++pos) {
    CAlternative& alternative = doc.Alternative(pos);
    doc.PrepareAlternative(alternative);
    EvaluateFrom(alternative, k);
    CopyDisplayValues(doc, alternative);
  }
  RankOnAttribute(doc);
  ReverseRankingIfNeeded(doc);
  RefreshResults(doc);
}

void RankAlternatives(CMADMDoc& doc) {
  EvaluateAndRankFromTop(doc, true);
  ThePrompter().Information(" All alternatives have been assessed on all attributes.");
}

void EvaluateAndRank(CMADMDoc& doc) { EvaluateAndRankFromTop(doc, false); }

void EvaluateAndRankKeepingMarks(CMADMDoc& doc) {
  std::vector<std::uint16_t> marks;
  marks.reserve(static_cast<size_t>(doc.AttributeCount()));
  for (int i = 0; i <= doc.LastAttribute(); ++i) marks.push_back(doc.Attribute(i).m_nMark);
  std::vector<int> selections;
  selections.reserve(static_cast<size_t>(doc.AlternativeCount()));
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    selections.push_back(doc.Alternative(pos).m_nSelection);
  }
  EvaluateAndRank(doc);
  for (int i = 0; i <= doc.LastAttribute(); ++i)
    doc.Attribute(i).m_nMark = marks[static_cast<size_t>(i)];
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    doc.Alternative(pos).m_nSelection = selections[static_cast<size_t>(pos)];
  }
}

}  // namespace zev
