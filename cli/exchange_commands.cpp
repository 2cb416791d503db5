#include "cli/exchange_commands.h"

#include "cli/cli_model.h"
#include "io/atomic_file.h"
#include "io/csv_exchange.h"
#include "io/json_model.h"
#include "io/model_file.h"
#include "model/madm_doc.h"
#include "model/prompter.h"
#include "model/text.h"

namespace zev::cli {

namespace {

int Write(const std::string& path, const std::string& bytes) {
  std::string error;
  if (WriteFileAtomically(path, bytes, error)) return kOk;
  ThePrompter().Warning(Utf8ToCp1252(error));
  return kRefused;
}

}  // namespace

CExportCommand::CExportCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand(
          "export", "Write the results or the assessments as CSV, or the model as JSON")) {
  m_pCommand->add_option("KIND", m_strKind, "results, assessments or json")
      ->required()
      ->check(CLI::IsMember({"results", "assessments", "json"}));
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand->add_option("-o,--output", m_strOut, "File to write")->required();
}

int CExportCommand::Run() const {
  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  if (m_strKind == "results") return Write(m_strOut, ExportResultsCsv(doc));
  if (m_strKind == "assessments") return Write(m_strOut, ExportAssessmentsCsv(doc));
  return Write(m_strOut, WriteModelJson(doc));
}

CImportCsvCommand::CImportCsvCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand("import-csv",
                                    "Read assessments from a CSV table into a model and save it")) {
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand->add_option("DATA", m_strData, "CSV table to read")->required();
  m_pCommand->add_option("-o,--output", m_strOut, "Model file to write")->required();
}

int CImportCsvCommand::Run() const {
  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  std::string bytes;
  std::string error;
  if (!ReadWholeFile(m_strData, bytes, error)) {
    ThePrompter().Warning(Utf8ToCp1252(error));
    return kRefused;
  }
  if (!ImportAssessmentsCsv(doc, bytes).m_bSucceeded) return kRefused;
  return SaveModel(m_strOut, doc) ? kOk : kRefused;
}

CImportJsonCommand::CImportJsonCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand("import-json",
                                    "Read a model in its JSON form and save it as a model file")) {
  m_pCommand->add_option("MODEL", m_strModel, "JSON file to read")->required();
  m_pCommand->add_option("-o,--output", m_strOut, "Model file to write")->required();
}

int CImportJsonCommand::Run() const {
  CMADMDoc doc;
  SFileError error;
  if (!LoadModelJsonFile(m_strModel, doc, error)) {
    ThePrompter().Warning(error.Message());
    return kRefused;
  }
  return SaveModel(m_strOut, doc) ? kOk : kRefused;
}

}  // namespace zev::cli
