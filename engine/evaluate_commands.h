#pragma once

#include "engine/evaluate_every.h"
#include "model/madm_doc.h"

namespace zev {

// The evaluating commands as operations on the document, for the command
// layer to call. Refreshing the views is a Results notification; results
// are derived from the model and recomputed on demand, so evaluating does
// not mark the model modified.

// Copies an evaluated alternative's shown values into the document's
// attributes: the value of a precise quantitative record, the average
// utility otherwise.
void CopyDisplayValues(CMADMDoc& doc, const CAlternative& alternative);

// The position of the alternative whose values the attributes show (the
// last one copied by CopyDisplayValues), or -1 when none matches. The
// current alternative is looked at first, then from the last back.
int ShownValuesAlternative(const CMADMDoc& doc);

// Analysis, Assess, Alternative: the current alternative on every attribute.
void AssessAlternative(CMADMDoc& doc);

// Analysis, Assess, Attribute: every alternative on the current attribute's
// subtree, then the ranking on it (reversed for a quantitative attribute
// whose best value is the smaller one).
void AssessAttribute(CMADMDoc& doc);

// Analysis, Rank: propagates the conversion rules from the top attribute,
// evaluates every alternative on every attribute, ranks them on the top
// attribute and tells the user " All alternatives have been assessed on all
// attributes.". The current attribute is kept.
void RankAlternatives(CMADMDoc& doc);

// The Rank command without the propagation and without the message: run
// before graphs and reports of alternatives.
void EvaluateAndRank(CMADMDoc& doc);

// EvaluateAndRank for windows that keep their own marks: every attribute's
// m_nMark and every alternative's m_nSelection (the ranking's work mark)
// are as they were afterwards.
void EvaluateAndRankKeepingMarks(CMADMDoc& doc);

// EvaluateAndRank and EvaluateAndRankKeepingMarks for windows that evaluate
// again after every change (a weight dragged, one alternative's input
// edited): the same results to the bit, but only what changed since the
// last evaluation of every alternative is evaluated again (see
// ReevaluateEveryAlternative in engine/evaluate_every.h). Weights may be
// changed in the document directly; an input written into an alternative's
// records needs a published change naming that alternative:
//   doc.PublishChanges({EDocChange::Assessment, attribute, position});
// Says what was evaluated again.
SReevaluation ReevaluateAndRank(CMADMDoc& doc);
SReevaluation ReevaluateAndRankKeepingMarks(CMADMDoc& doc);

}  // namespace zev
