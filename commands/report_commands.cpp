#include "commands/report_commands.h"

#include "elicitation/report_options_presenter.h"
#include "elicitation/report_type_presenter.h"
#include "engine/evaluate_commands.h"
#include "io/report_files.h"
#include "model/prompter.h"
#include "model/text.h"

namespace zev {

namespace {

constexpr const char* kTxtFilter = "ZEV Report Files (*.txt)|*.txt|All Files (*.*)|*.*||";
constexpr const char* kDocFilter = "ZEV Report Files (*.doc)|*.doc|All Files (*.*)|*.*||";

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

}  // namespace

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
