#pragma once

#include <span>
#include <string_view>

#include "model/madm_doc.h"

namespace zev {

// Membership marks of the group assessment window, held in each
// alternative's m_nSelection.
inline constexpr int kMemberSelected = 1;
inline constexpr int kMemberNotSelected = 3;

// The sum of the member weights is raised to this before dividing by it.
inline constexpr double kGroupWeightFloor = 0.00001;

// The member weight of the alternative at a list position: the weights are
// held by position, and a position beyond them counts 1.0.
double MemberWeight(std::span<const double> weights, int pos);

// Sets every bottom-attribute input of `group` to the weighted average of
// the inputs of the selected alternatives (m_nSelection 1, in list order),
// by the kind of the document's attribute: belief degrees for a qualitative
// attribute, the value (held also as one possible value of degree 1) for a
// precise one, and for an uncertain one the possible values split onto the
// attribute's grade values. Attributes with children are left to the
// evaluation.
void AverageMemberInputs(const CMADMDoc& doc, std::span<const double> weights, CAlternative& group);

// Appends a new alternative as the New Alternative command does, names it
// (an empty name keeps the default), fills it with the members' average
// and leaves it not selected, then evaluates and ranks every alternative on
// the top attribute keeping every attribute's m_nMark and every
// alternative's m_nSelection. Returns the new alternative's position.
int CreateGroupAlternative(CMADMDoc& doc, std::span<const double> weights, std::string_view name);

// The Assess Attribute command on attribute k (evaluation of k's subtree,
// ranking on k, reversal check) with k current for its duration and every
// m_nMark and m_nSelection kept; the current attribute is restored.
void AssessAttributeKeepingMarks(CMADMDoc& doc, int k);

}  // namespace zev
