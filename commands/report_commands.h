#pragma once

#include "model/madm_doc.h"

namespace zev {

// The commands of "&Save in Text File" and "Summary &Report". Each checks
// that the model has an attribute besides the Top, evaluates what its
// report shows, asks for the file in the Save As window, writes the whole
// report at once (never a partial file) and tells the user.

// "Al&ternative": the alternative report or the hierarchy file of the
// current alternative.
void AlternativeReportCommand(CMADMDoc& doc);
// "&Attribute": every alternative on the current attribute.
void AttributeReportCommand(CMADMDoc& doc);
// "Summary &Report": the summary of the current alternative, opened for
// the user afterwards.
void SummaryReportCommand(CMADMDoc& doc);
// "&Text File Type": the chooser, then the alternative or attribute command.
void ChooseReportType(CMADMDoc& doc);

// The reports themselves, without the guard and the evaluation. Each
// returns whether a file was written.
bool SaveAlternativeReport(CMADMDoc& doc, int nPosition);
bool SaveAttributeReport(CMADMDoc& doc, int nAttribute);
bool SaveSummaryReport(CMADMDoc& doc, int nPosition);

// The guard of every report command: false, after the information
// "There is only one attribute and thus nothing to save!", when the model
// holds only the Top.
bool HasAttributesToReport(const CMADMDoc& doc);
// What the reports of alternatives show: every alternative evaluated and
// ranked on the Top, the current attribute kept.
void EvaluateForAlternativeReport(CMADMDoc& doc);
// What the attribute report shows: every alternative evaluated and ranked
// on that attribute, which becomes the current one.
void EvaluateForAttributeReport(CMADMDoc& doc, int nAttribute);

}  // namespace zev
