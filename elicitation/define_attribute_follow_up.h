#pragma once

#include <functional>

#include "model/madm_doc.h"

namespace zev {

// The dialogs the definition follow-up opens that are built outside this
// file. Each works on the document's current attribute (the follow-up makes
// the right attribute current first) and does its own writing back, rule
// propagation and refresh. An empty hook opens nothing.
struct SAttributeDialogOpeners {
  // "Select Methods" of the utility estimation: the method choice.
  std::function<void(CMADMDoc&)> m_selectUtilityMethods;
  // "Direct Assignment" of utilities: the grade table for a qualitative
  // attribute, the value/utility table otherwise.
  std::function<void(CMADMDoc&)> m_assignUtilitiesDirectly;
  // "Define Grades": the grade table (names, utilities, meanings).
  std::function<void(CMADMDoc&)> m_defineGrades;
};

// What has to follow a confirmed definition of the current attribute k:
// the conversion dialog the user asked for, the default association of
// values after a change of range and the default conversion after a change
// of grades (each with its question whether to do it by hand instead), then
// the propagation of the rules from k and a refresh. Consumes k's
// m_bOpenConversion, m_bRangeChanged and m_bGradesChanged.
void RunDefinitionFollowUp(CMADMDoc& doc, const SAttributeDialogOpeners& openers);

// Modelling, Attribute, Define Attribute: the definition dialog on the
// current attribute, then, when it was confirmed, the follow-up. Returns
// whether the dialog was confirmed.
bool RunDefineAttributeCommand(CMADMDoc& doc, const SAttributeDialogOpeners& openers);

}  // namespace zev
