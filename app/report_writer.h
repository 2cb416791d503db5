#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <string>

#include "analysis/decision_report.h"

class QTextDocument;

namespace zev {

// Lays out the decision report and writes it. The content and its order
// come from the core (SDecisionReport); here it only becomes pages.

enum class EReportFormat { Pdf, Odt };

// The format a path asks for: ".odt" (any case) is an OpenDocument text,
// anything else a PDF.
EReportFormat ReportFormatOf(const QString& path);

// The report as an A4 PDF with its charts drawn as vector graphics, or as
// an OpenDocument text with the charts as pictures. False when Qt could not
// write it.
bool RenderReport(const SDecisionReport& report, EReportFormat format, QByteArray& bytes);

// The File, Export Report command's work once the file is chosen, and
// `zev --export-report`'s: evaluates and builds the report of the model,
// dated today, lays it out in the format the path asks for and writes it
// through the atomic-file helper. A failure is told through the prompter.
bool ExportDecisionReport(CMADMDoc& doc, const std::string& path);

// The laid-out document (charts as pictures), for tests and previews.
std::unique_ptr<QTextDocument> ReportDocument(const SDecisionReport& report);

}  // namespace zev
