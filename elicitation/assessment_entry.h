#pragma once

#include <string>

#include "model/madm_doc.h"

namespace zev {

// The assessment of one alternative on one attribute, entered through the
// dialogs of its attribute's type.

// The name an entry dialog gets as the father's: the father attribute's name,
// or the attribute's own when it has no father. Read from the alternative's
// records, so the alternative must be prepared.
std::string FatherName(const CAlternative& alternative, int nAttribute);

// The entry operation of the record's type: qualitative entry, certain-value
// entry, or the number of possible values followed by uncertain entry (the
// second always follows the first). False, with nothing shown, for any other
// type. No check for children: callers make their own.
bool EnterAssessment(CAlternative& alternative, int nAttribute, const std::string& fatherName);

// Whether the entered part of two records is the same, bit for bit.
bool SameInput(const CAssessment& a, const CAssessment& b);

// The two commands that assess the current alternative on the current
// attribute; they differ only in how the refusal for a father is worded.
enum class EAssessCommand { AttAtAlt, Modify };

// "Att at Alt" and "Modify": prepares the current alternative, refuses an
// attribute with children with a warning, runs the entry operation of the
// attribute's type and marks the model changed. True when an entry ran.
bool AssessSelection(CMADMDoc& doc, EAssessCommand command);

// The refusal for an attribute with children, as each command words it.
std::string FatherRefusalMessage(const CAttribute& attribute, EAssessCommand command);

// "&Belief Degree": qualitative entry on the current attribute of the
// current alternative, also on an attribute with children (whose degrees are
// those of the last evaluation). Nothing for a quantitative attribute.
bool ShowBeliefDegree(CMADMDoc& doc);

// "Assessment &Value": certain-value entry on a quantitative attribute, or
// uncertain entry (without asking the number of values) on an uncertain one.
// Nothing for a qualitative attribute.
bool ShowAssessmentValue(CMADMDoc& doc);

}  // namespace zev
