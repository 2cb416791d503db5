#pragma once

#include <functional>
#include <memory>
#include <string>

#include "commands/model_document.h"

namespace zev {

// File, Import and File, Export: the model's data in and out as CSV tables
// and in the JSON form, and the decision report. Each asks for the file in
// the platform's file window, proposed beside the model's own file and
// named after it. A file is always written whole through the atomic-file
// helper, so a failure (told as a warning) leaves the file that was there;
// a refused import leaves the model as it was. Each returns false when
// cancelled or refused.

// "&Results as CSV...": ranks the model as the Rank command does and writes
// the results table.
bool ExportResultsCommand(CModelDocument& document);
// "&Assessments as CSV...": the assessments table of the model as it stands.
bool ExportAssessmentsCommand(CModelDocument& document);
// "&Model as JSON...": the whole model in its JSON form.
bool ExportModelJsonCommand(CModelDocument& document);

// "&Assessments from CSV...": reads the table into the model and tells the
// outcome. The model is marked modified, and its views refreshed, only when
// a record or an alternative was stored.
bool ImportAssessmentsCommand(CModelDocument& document);

// "&Model from JSON...": the model read from the chosen file, untitled
// (numbered nUntitled) and modified, for a new window; nullptr when the
// window was cancelled or the file refused (after its message).
std::unique_ptr<CModelDocument> ImportModelJsonCommand(int nUntitled);

// What lays out and writes the decision report once the file is chosen
// (the desktop's writer); false after telling the failure.
using ReportWriter = std::function<bool(CMADMDoc& doc, const std::string& path)>;

// "Expor&t Report...": a PDF, or an OpenDocument text for a name ending in
// ".odt". A model with only the top attribute has nothing to report.
bool ExportReportCommand(CModelDocument& document, const ReportWriter& write);

// The name proposed in the Save As window: the model's file (or its
// untitled name) with `suffix` in place of its extension.
std::string ProposedExportPath(const CModelDocument& document, const std::string& suffix);

}  // namespace zev
