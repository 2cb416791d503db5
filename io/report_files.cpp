#include "io/report_files.h"

#include "io/atomic_file.h"
#include "io/report_options.h"
#include "io/report_text.h"
#include "model/prompter.h"
#include "model/text.h"

namespace zev {

namespace {

constexpr const char* kViewHint = "You can view the file using Notepad or a similar editor.";

// A path as the messages show it.
std::string Shown(const std::string& path) { return Utf8ToCp1252(path); }

}  // namespace

std::string WithReportExtension(std::string path, std::string_view extension) {
  if (path.size() < extension.size() ||
      path.compare(path.size() - extension.size(), extension.size(), extension) != 0) {
    path += extension;
  }
  return path;
}

std::string WithoutSpacesInFileName(std::string path) {
  std::string::size_type slash = path.find_last_of('/');
  std::string::size_type start = slash == std::string::npos ? 0 : slash + 1;
  std::string name = path.substr(start);
  std::erase(name, ' ');
  return path.substr(0, start) + name;
}

bool WriteReportFile(const std::string& path, std::string_view text, CSinkFilter* filter) {
  std::string error;
  if (WriteFileAtomically(path, ToCrLf(text), error, filter)) return true;
  ThePrompter().Warning("The report is not saved.\n\n" + Shown(error));
  return false;
}

bool WriteAlternativeReport(const CMADMDoc& doc, int nPosition, const SReportOptions& options,
                            const std::string& path) {
  const CAlternative& alternative = doc.Alternative(nPosition);
  if (!WriteReportFile(path, AlternativeReportText(doc, alternative, options))) return false;
  if (options.m_nContent == 1) {
    ThePrompter().Information(std::string("The attribute hierarchy is saved in \n") + "<" +
                              Shown(path) + ">.\n\n" + kViewHint);
  } else {
    ThePrompter().Information("The assessment results for <" + alternative.m_strName + "> " +
                              "are saved in \n" + "<" + Shown(path) + ">.\n\n" + kViewHint);
  }
  return true;
}

bool WriteAttributeReport(const CMADMDoc& doc, int nAttribute, const std::string& path) {
  if (!WriteReportFile(path, AttributeReportText(doc, nAttribute))) return false;
  ThePrompter().Information("The assessment results for <" + doc.Attribute(nAttribute).m_strName +
                            "> are saved in \n" + "<" + Shown(path) + ">.\n\n" + kViewHint);
  return true;
}

bool WriteSummaryReport(const CMADMDoc& doc, int nPosition, const std::string& path) {
  return WriteReportFile(path, SummaryReportText(doc, doc.Alternative(nPosition)));
}

}  // namespace zev
