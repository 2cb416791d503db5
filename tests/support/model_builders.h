#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/madm_doc.h"

namespace zev::test {

// Checks the tree invariants of the document: one tree rooted at 0, child
// counts, sibling chains and own indices.
::testing::AssertionResult TreeIsConsistent(const CMADMDoc& doc);

// Adds a child under `father` as the last of its children, through the
// document's own insert operations. Returns the new index.
int AddChild(CMADMDoc& doc, int father);

// The children of an attribute in sibling order.
std::vector<int> ChildrenInOrder(const CMADMDoc& doc, int father);

// The index of the attribute with this name, or -1.
int FindAttribute(const CMADMDoc& doc, const std::string& name);

// Builds a hierarchy from a compact description: each entry is
// "Name:Father", the father given by name ("" for a child of the top).
// Children follow their father and are added in the listed order.
void BuildHierarchy(CMADMDoc& doc, const std::vector<std::string>& nodes);

// The 50-attribute model of the benchmarks: the top, 7 fathers and 42 leaves
// of mixed kinds (qualitative, quantitative, uncertain), with weights.
void BuildFiftyAttributeModel(CMADMDoc& doc);
// That model with `alternatives` alternatives, each with every kind of
// record filled in, different per alternative.
void BuildFiftyAttributeModel(CMADMDoc& doc, int alternatives);

}  // namespace zev::test
