#pragma once

#include "model/madm_doc.h"

namespace zev {

// Operations on the document's attribute table that keep conversion
// matrices and grade utilities consistent. Each does nothing for the top
// attribute, which has no father.

// Grade utility i of attribute k becomes sum over j of M(i, j) * U(j), with
// M = k's matrix and U = the father's grade utilities.
void UtilitiesFromRules(CMADMDoc& doc, int k);

// Row i of k's matrix (over the father's grades) becomes the utility
// equivalence of k's grade utility i: wholly the father grade of equal
// utility, else split between the two father grades that bracket it.
// Columns beyond the father's grades keep their entries.
void RulesFromUtilities(CMADMDoc& doc, int k);

// Applies k's own rule: the matrix from the utilities for ByUtility, the
// utilities from the matrix for ByRule.
void ApplyConversionRule(CMADMDoc& doc, int k);

// Re-derives, top-down, the dependent side of k and of every attribute
// below it; every attribute is re-derived once, after its father. Leaves
// m_nMark at 6 on every attribute.
void PropagateRules(CMADMDoc& doc, int k);

// The step below k: its children's rules, then their subtrees. Leaves the
// marks of the attributes it reaches at 6.
void PropagateRulesBelow(CMADMDoc& doc, int k);

// The document's re-derivation after insertions, done by this engine.
class CEngineRuleDeriver : public CRuleDeriver {
 public:
  void PropagateRules(CMADMDoc& doc, int nAttribute) override;
};

// Installs the engine's re-derivation into a document; whoever creates a
// document calls this once.
void AttachEngine(CMADMDoc& doc);

}  // namespace zev
