#pragma once

#include "model/madm_doc.h"

namespace zev {

// Evaluating every alternative of a document: each is prepared and
// evaluated, and the document ends showing the last one's values (as if
// they had been copied after each, in list order). Each alternative is
// evaluated alone, so the results do not depend on the number of threads
// (engine/parallel.h); with one thread this is the loop in list order.

// Every alternative on every attribute; records the definitions used as
// the document's evaluation basis.
void EvaluateEveryAlternative(CMADMDoc& doc);

// Every alternative on k's subtree (Assess Attribute). The results are not
// a full evaluation, so the basis is forgotten.
void EvaluateEveryAlternativeFrom(CMADMDoc& doc, int k);

// EvaluateEveryAlternative's results to the bit, redoing only what changed
// since the basis was recorded (model/evaluation_basis.h):
// - weights only: each alternative takes the new weights and aggregates
//   again the fathers on the paths from those attributes to the top;
// - the records of a few alternatives (their input published, or added, or
//   prepared): those are prepared and evaluated;
// - both: both; anything else, or no basis: EvaluateEveryAlternative.
// An input written into an alternative's records without publishing a
// change that names it is not seen.
struct SReevaluation {
  bool m_bFull = false;     // every alternative was evaluated
  bool m_bWeights = false;  // new weights were taken by every alternative
  int m_nAlternatives = 0;  // otherwise, the alternatives evaluated in full
};
SReevaluation ReevaluateEveryAlternative(CMADMDoc& doc);

}  // namespace zev
