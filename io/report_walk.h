#pragma once

#include <vector>

#include "model/madm_doc.h"

namespace zev {

struct SWalkStep {
  int m_nAttribute = 0;
  // The number of ancestors: 0 for the Top.
  int m_nLevel = 0;
};

// The order in which reports visit attributes: pre-order from the Top, each
// attribute followed by its children in sibling order, each child with its
// own sub-tree before the next sibling. The first child is the attribute
// naming the father whose previous-sibling index is negative; the others
// follow through the next-sibling links. Links that point outside the model
// or back to a visited attribute end that branch, so a damaged model cannot
// make the walk run without end.
std::vector<SWalkStep> HierarchyWalk(const CMADMDoc& doc);

}  // namespace zev
