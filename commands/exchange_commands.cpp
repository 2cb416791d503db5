#include "commands/exchange_commands.h"

#include <filesystem>

#include "commands/report_commands.h"
#include "io/atomic_file.h"
#include "io/csv_exchange.h"
#include "io/json_model.h"
#include "model/prompter.h"
#include "model/text.h"

namespace zev {

namespace {

constexpr const char* kReportFilter =
    "PDF Documents (*.pdf)|*.pdf|OpenDocument Texts (*.odt)|*.odt|All Files (*.*)|*.*||";

// The Save As window; false when cancelled.
bool ChooseExportFile(const CModelDocument& document, const char* title, const char* filter,
                      const char* ext, const std::string& suffix, std::string& path) {
  SFileChoice choice;
  choice.m_bSave = true;
  choice.m_strTitle = title;
  choice.m_strFilter = filter;
  choice.m_strDefaultExt = ext;
  choice.m_strPath = ProposedExportPath(document, suffix);
  choice.m_bOverwritePrompt = true;
  if (!ThePrompter().ChooseFile(choice) || choice.m_strPath.empty()) return false;
  path = choice.m_strPath;
  return true;
}

// The Open window; false when cancelled.
bool ChooseImportFile(const char* title, const char* filter, const char* ext, std::string& path) {
  SFileChoice choice;
  choice.m_bSave = false;
  choice.m_strTitle = title;
  choice.m_strFilter = filter;
  choice.m_strDefaultExt = ext;
  choice.m_bOverwritePrompt = false;
  if (!ThePrompter().ChooseFile(choice) || choice.m_strPath.empty()) return false;
  path = choice.m_strPath;
  return true;
}

bool WriteExport(const std::string& path, const std::string& bytes) {
  std::string error;
  if (WriteFileAtomically(path, bytes, error)) return true;
  ThePrompter().Warning(Utf8ToCp1252(error));
  return false;
}

// A CSV table of the model, made once its file is chosen.
bool ExportTable(CModelDocument& document, const char* title, const std::string& suffix,
                 std::string (*table)(CMADMDoc&)) {
  std::string path;
  if (!ChooseExportFile(document, title, kCsvFileFilter, kCsvFileExtension, suffix, path)) {
    return false;
  }
  return WriteExport(path, table(document.Doc()));
}

}  // namespace

std::string ProposedExportPath(const CModelDocument& document, const std::string& suffix) {
  namespace fs = std::filesystem;
  fs::path path = document.PathName().empty() ? fs::path(Cp1252ToUtf8(document.Title()))
                                              : fs::path(document.PathName());
  const std::string stem = path.stem().string();
  return (path.parent_path() / (stem + suffix)).string();
}

bool ExportResultsCommand(CModelDocument& document) {
  return ExportTable(document, "Export Results as CSV", "-results.csv",
                     [](CMADMDoc& doc) { return ExportResultsCsv(doc); });
}

bool ExportAssessmentsCommand(CModelDocument& document) {
  return ExportTable(document, "Export Assessments as CSV", "-assessments.csv",
                     [](CMADMDoc& doc) { return ExportAssessmentsCsv(doc); });
}

bool ExportModelJsonCommand(CModelDocument& document) {
  std::string path;
  if (!ChooseExportFile(document, "Export Model as JSON", kJsonFileFilter, kJsonFileExtension,
                        ".json", path)) {
    return false;
  }
  SFileError error;
  if (SaveModelJsonFile(path, document.Doc(), error)) return true;
  ThePrompter().Warning(error.Message());
  return false;
}

bool ImportAssessmentsCommand(CModelDocument& document) {
  std::string path;
  if (!ChooseImportFile("Import Assessments from CSV", kCsvFileFilter, kCsvFileExtension, path)) {
    return false;
  }
  std::string bytes;
  std::string error;
  if (!ReadWholeFile(path, bytes, error)) {
    ThePrompter().Warning(Utf8ToCp1252(error));
    return false;
  }
  return ImportAssessmentsCsv(document.Doc(), bytes).m_bSucceeded;
}

std::unique_ptr<CModelDocument> ImportModelJsonCommand(int nUntitled) {
  std::string path;
  if (!ChooseImportFile("Import Model from JSON", kJsonFileFilter, kJsonFileExtension, path)) {
    return nullptr;
  }
  auto document = std::make_unique<CModelDocument>(nUntitled);
  std::string message;
  if (!document->OnImportDocument(path, message)) {
    ThePrompter().Warning(message);
    return nullptr;
  }
  return document;
}

bool ExportReportCommand(CModelDocument& document, const ReportWriter& write) {
  if (!HasAttributesToReport(document.Doc())) return false;
  std::string path;
  if (!ChooseExportFile(document, "Export Report", kReportFilter, "pdf", ".pdf", path)) {
    return false;
  }
  return write(document.Doc(), path);
}

}  // namespace zev
