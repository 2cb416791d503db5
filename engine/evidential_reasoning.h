#pragma once

#include <cstdint>
#include <span>

#include "engine/utility.h"
#include "model/alternative.h"

namespace zev {

// Evaluation marks of the records.
inline constexpr std::uint16_t kMarkPending = 1;
inline constexpr std::uint16_t kMarkSettled = 3;

// Floors of the combination: the weight sum, 1 - conflict and the
// normalising denominator are never taken below this.
inline constexpr double kCombinationFloor = 0.000001;

// The recursive evidential reasoning combination of L assessments on N
// grades. weights: L entries, normalised in place (their sum raised to
// 1e-6 when it is at most that). beliefs: L rows of N degrees (row i =
// child i, in combination order), each row's shortfall from one being that
// child's unassigned degree. result: N + 1 entries, the combined degree of
// every grade and at position N the combined unassigned degree.
void CombineEvidence(std::span<double> weights, std::span<const double> beliefs, int nGrades,
                     std::span<double> result);

// A child record's assessment in its father's nFatherGrades grades, through
// the child's conversion matrix: belief degrees for a qualitative child, the
// value or the possible values split between the two bracketing grade values
// for a quantitative one. `scale`, when given, is the child's value scale
// classified by ValueScaleStart.
void TransformToFatherGrades(const CAssessment& child, int nFatherGrades, double* beta,
                             const SBracketStart* scale = nullptr);

// Transforms the children of k (ascending index order) into k's grades,
// combines them, stores k's belief degrees, computes k's utility interval
// and marks k assessed.
void AggregateChildren(CAlternative& alternative, int k);

// Assesses the alternative on every attribute: bottom attributes get their
// interval from their input, then every father is aggregated once, after
// all its children (children in ascending index order). A father whose
// child count does not match the attributes that name it stays unassessed
// with its mark pending, and so do its ancestors. Afterwards m_dUtility
// holds the top attribute's average utility.
void EvaluateAll(CAlternative& alternative);

// Recomputes every bottom attribute and assesses the subtree of k; fathers
// outside it keep their results with m_bAssessed cleared. Afterwards
// m_dUtility holds k's average utility (its average expected value for a
// quantitative bottom attribute).
void EvaluateFrom(CAlternative& alternative, int k);

// The value scales of quantitative records (ValueScaleStart), classified
// once for several uses; where one is not known it is classified when used.
struct SValueScales {
  bool m_bKnown[kAttributeSlots];
  SBracketStart m_scale[kAttributeSlots];

  const SBracketStart* Of(int i) const { return m_bKnown[i] ? &m_scale[i] : nullptr; }
};

// The children of every record, each list in ascending index order, built
// in one pass over the records. m_first[k] is set only for the records
// whose bit is set in m_withChildren, so that nothing needs clearing first.
struct SChildLists {
  std::uint64_t m_withChildren;
  int m_first[kAttributeSlots];
  int m_next[kAttributeSlots];

  int First(int k) const { return (m_withChildren >> k & 1) != 0 ? m_first[k] : -1; }
};
static_assert(kAttributeSlots <= 64, "one bit per record");

// What the records of every alternative prepared from one document have in
// common, worked out once from the document's definitions for evaluating
// them all: the tree, the value scale of every quantitative attribute and
// the best and worst grade of every attribute.
struct SEvaluationPlan {
  int m_nLastAttribute = -1;
  SChildLists m_lists;
  SValueScales m_scales;
  SUtilityExtremes m_extremes[kAttributeSlots];
};
// The plan of the definitions 0..last.
void PlanEvaluation(const CAttribute* definitions, int last, SEvaluationPlan& plan);

// EvaluateFrom for records prepared from the plan's definitions (sharing
// their grade tables): the same results. Records of another extent are
// evaluated without the plan.
void EvaluateFrom(CAlternative& alternative, int k, const SEvaluationPlan& plan);

// AggregateChildren of k from rows given for its children instead of their
// records: weights[i] and rows[i] (as TransformToFatherGrades gives it, in
// k's grades) of the i-th child in ascending index order. The same results.
void AggregateRows(CAlternative& alternative, int k, const double* weights,
                   const double* const* rows, int nChildren);

// Fathers to aggregate again (after new weights), children before fathers,
// each with its children in ascending index order, and the value scales of
// the quantitative children: worked out once from the document for every
// alternative, whose records share its grade tables.
struct SFatherList {
  int m_nFathers = 0;
  int m_father[kAttributeSlots];
  // The children of m_father[f] are m_child[m_nStart[f] .. m_nStart[f + 1]).
  int m_nStart[kAttributeSlots + 1] = {};
  int m_child[kAttributeSlots];
  SValueScales m_scales = {};
};

// Aggregates every unassessed father of k's subtree whose children are all
// assessed, children first, k last. Each attribute is reached once, so
// the cost is linear in the number of attributes.
void EvaluateAttribute(CAlternative& alternative, int k);

}  // namespace zev
