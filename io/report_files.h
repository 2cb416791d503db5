#pragma once

#include <string>
#include <string_view>

#include "model/madm_doc.h"

namespace zev {

struct SReportOptions;
class CSinkFilter;

// Writing a report to a given path, with the completion message the
// desktop shows; the summary is not opened. Each returns whether the file
// was written.
bool WriteAlternativeReport(const CMADMDoc& doc, int nPosition, const SReportOptions& options,
                            const std::string& path);
bool WriteAttributeReport(const CMADMDoc& doc, int nAttribute, const std::string& path);
bool WriteSummaryReport(const CMADMDoc& doc, int nPosition, const std::string& path);

// Writes a report text (with "\n" line ends) as a file with CR LF line
// ends, atomically. On failure the user is told why and false is returned.
// The filter (for tests) sits between the text and the file.
bool WriteReportFile(const std::string& path, std::string_view text, CSinkFilter* filter = nullptr);

// The file-name rules: the extension (".txt" or ".doc", compared case-
// sensitively on the last four characters) is appended when the path does
// not end in it; for the summary report the spaces of the file-name part
// are removed first, the folders staying as they are.
std::string WithReportExtension(std::string path, std::string_view extension);
std::string WithoutSpacesInFileName(std::string path);

}  // namespace zev
