#include "io/report_commands.h"

#include "engine/evaluate_commands.h"
#include "io/atomic_file.h"
#include "io/report_options.h"
#include "io/report_text.h"
#include "model/text.h"

namespace zev {

namespace {

constexpr const char* kTxtFilter = "ZEV Report Files (*.txt)|*.txt|All Files (*.*)|*.*||";
constexpr const char* kDocFilter = "ZEV Report Files (*.doc)|*.doc|All Files (*.*)|*.*||";
constexpr const char* kViewHint = "You can view the file using Notepad or a similar editor.";

// The Save As window. The proposed name is a model text (code page 1252);
// the chosen path is the file system's.
bool ChooseReportFile(std::string_view proposedName, const char* filter, const char* ext,
                      std::string& path) {
  SFileChoice choice;
  choice.m_bSave = true;
  choice.m_strTitle = "Save As";
  choice.m_strFilter = filter;
  choice.m_strDefaultExt = ext;
  choice.m_strPath = Cp1252ToUtf8(proposedName);
  choice.m_bOverwritePrompt = true;
  if (!ThePrompter().ChooseFile(choice)) return false;
  path = choice.m_strPath;
  return !path.empty();
}

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

bool HasAttributesToReport(const CMADMDoc& doc) {
  if (doc.LastAttribute() > 0) return true;
  ThePrompter().Information("There is only one attribute and thus nothing to save!");
  return false;
}

void EvaluateForAlternativeReport(CMADMDoc& doc) { EvaluateAndRank(doc); }

void EvaluateForAttributeReport(CMADMDoc& doc, int nAttribute) {
  doc.SetCurrentAttribute(nAttribute);
  AssessAttribute(doc);
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

bool SaveAlternativeReport(CMADMDoc& doc, int nPosition) {
  CReportOptionsPresenter presenter;
  presenter.m_options.m_bAccepted = ThePrompter().RunModal(presenter);
  const SReportOptions& options = presenter.m_options;
  if (!options.m_bAccepted) return false;
  const bool bHierarchy = options.m_nContent == 1;
  std::string path;
  if (!ChooseReportFile(
          bHierarchy ? doc.Attribute(0).m_strName : doc.Alternative(nPosition).m_strName,
          kTxtFilter, "txt", path)) {
    return false;
  }
  return WriteAlternativeReport(doc, nPosition, options, WithReportExtension(path, ".txt"));
}

bool SaveAttributeReport(CMADMDoc& doc, int nAttribute) {
  std::string path;
  if (!ChooseReportFile(doc.Attribute(nAttribute).m_strName, kTxtFilter, "txt", path)) {
    return false;
  }
  return WriteAttributeReport(doc, nAttribute, WithReportExtension(path, ".txt"));
}

bool SaveSummaryReport(CMADMDoc& doc, int nPosition) {
  std::string proposed = doc.Alternative(nPosition).m_strName.Str();
  std::erase(proposed, ' ');
  std::string path;
  if (!ChooseReportFile(proposed, kDocFilter, "doc", path)) return false;
  path = WithReportExtension(WithoutSpacesInFileName(path), ".doc");
  if (!WriteSummaryReport(doc, nPosition, path)) return false;
  ThePrompter().OpenWithDesktop(path);
  return true;
}

void AlternativeReportCommand(CMADMDoc& doc) {
  if (!HasAttributesToReport(doc)) return;
  EvaluateForAlternativeReport(doc);
  SaveAlternativeReport(doc, doc.CurrentPosition());
}

void AttributeReportCommand(CMADMDoc& doc) {
  if (!HasAttributesToReport(doc)) return;
  const int nAttribute = doc.CurrentAttribute();
  EvaluateForAttributeReport(doc, nAttribute);
  SaveAttributeReport(doc, nAttribute);
}

void SummaryReportCommand(CMADMDoc& doc) {
  if (!HasAttributesToReport(doc)) return;
  EvaluateForAlternativeReport(doc);
  SaveSummaryReport(doc, doc.CurrentPosition());
}

const char* CReportTypePresenter::ChoiceLabel(int i) {
  switch (i) {
    case 0:
      return "Save the assessments for the selected ALTERNATIVE on all attributes";
    case 1:
      return "Save the assessments for the selected ATTRIBUTE at all alternatives";
    default:
      return "Save the assessments for ALL alternatives each on all attributes";
  }
}

void ChooseReportType(CMADMDoc& doc) {
  CReportTypePresenter presenter;
  if (!ThePrompter().RunModal(presenter)) return;
  if (presenter.Choice() == 0) {
    AlternativeReportCommand(doc);
  } else if (presenter.Choice() == 1) {
    AttributeReportCommand(doc);
  }
}

}  // namespace zev
