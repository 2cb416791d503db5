// zev-cli: the headless face of the program.
//
// Exit status: 0 on success, 1 when a model cannot be read or written or a
// command is refused, 2 on a usage error. Every message the desktop program
// would show goes to standard error with its exact text; results go to
// standard output.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "cli/analysis_commands.h"
#include "cli/chart_commands.h"
#include "cli/cli_prompter.h"
#include "cli/data_commands.h"
#include "cli/exchange_commands.h"
#include "cli/merge_command.h"
#include "cli/model_output.h"
#include "cli/overview_command.h"
#include "cli/weights_command.h"
#include "engine/conversion.h"
#include "engine/evaluate_commands.h"
#include "io/model_file.h"
#include "model/madm_doc.h"
#include "model/number.h"
#include "model/text.h"

namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

void Print(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

// Reads a model; a damaged or missing file is shown as the desktop shows it.
bool Load(const std::string& path, zev::CMADMDoc& doc) {
  zev::SFileError error;
  if (zev::LoadModelFile(path, doc, error)) return true;
  zev::ThePrompter().Warning(error.Message());
  return false;
}

bool Save(const std::string& path, zev::CMADMDoc& doc) {
  zev::SFileError error;
  if (zev::SaveModelFile(path, doc, error)) return true;
  zev::ThePrompter().Warning(error.Message());
  return false;
}

int RunNew(const std::string& out) {
  zev::CMADMDoc doc;
  doc.OnNewDocument();
  return Save(out, doc) ? kOk : kRefused;
}

int RunShow(const std::string& model, bool bJson) {
  zev::CMADMDoc doc;
  if (!Load(model, doc)) return kRefused;
  Print(bJson ? zev::cli::ShowJson(doc) : zev::cli::ShowText(doc));
  return kOk;
}

// The results of an evaluating command: printed, and saved with -o.
int Finish(zev::CMADMDoc& doc, int nAttribute, bool bJson, const std::string& out) {
  Print(bJson ? zev::cli::ResultsJson(doc) : zev::cli::RankingTable(doc, nAttribute));
  if (!out.empty() && !Save(out, doc)) return kRefused;
  return kOk;
}

int RunRank(const std::string& model, bool bJson, const std::string& out) {
  zev::CMADMDoc doc;
  if (!Load(model, doc)) return kRefused;
  zev::AttachEngine(doc);
  zev::RankAlternatives(doc);
  return Finish(doc, 0, bJson, out);
}

// The attribute named exactly so, else the one with this index.
int FindAttribute(const zev::CMADMDoc& doc, const std::string& nameOrIndex) {
  const std::string name = zev::Utf8ToCp1252(nameOrIndex);
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    if (doc.Attribute(i).m_strName == name) return i;
  }
  int index = -1;
  if (zev::ReadInteger(nameOrIndex, index) && index >= 0 && index <= doc.LastAttribute()) {
    return index;
  }
  return -1;
}

int RunAssess(const std::string& model, const std::string& attribute, bool bJson,
              const std::string& out) {
  zev::CMADMDoc doc;
  if (!Load(model, doc)) return kRefused;
  const int k = FindAttribute(doc, attribute);
  if (k < 0) {
    std::fprintf(stderr,
                 "zev-cli: the model has no attribute named <%s>, nor one with that index "
                 "(0 to %d).\nRun `zev-cli show %s` to see its attributes.\n",
                 attribute.c_str(), doc.LastAttribute(), model.c_str());
    return kUsage;
  }
  zev::AttachEngine(doc);
  doc.SetCurrentAttribute(k);
  zev::AssessAttribute(doc);
  return Finish(doc, k, bJson, out);
}

int RunSave(const std::string& model, const std::string& out) {
  zev::CMADMDoc doc;
  if (!Load(model, doc)) return kRefused;
  return Save(out, doc) ? kOk : kRefused;
}

}  // namespace

// Running out of memory is a refusal with a message, not an abort.
int main(int argc, char** argv) try {
  CLI::App app{
      "zev-cli: multiple-criteria assessment with evidential reasoning, without windows.\n"
      "Messages go to standard error; results to standard output.\n"
      "Exit status: 0 success, 1 model refused or not written, 2 usage error."};
  app.set_version_flag("--version", "zev-cli 0.1.0");
  app.require_subcommand(1);

  std::string model;
  std::string out;
  std::string attribute;
  bool bJson = false;

  CLI::App* cmdNew =
      app.add_subcommand("new", "Write a new model (the top attribute, one alternative)");
  cmdNew->add_option("OUT", out, "Model file to write")->required();

  CLI::App* cmdShow =
      app.add_subcommand("show", "Show the attribute hierarchy and the alternatives");
  cmdShow->add_option("MODEL", model, "Model file to read")->required();
  cmdShow->add_flag("--json", bJson, "Print JSON instead of a tree");

  CLI::App* cmdRank = app.add_subcommand(
      "rank", "Evaluate every alternative on every attribute and rank them (the Rank command)");
  cmdRank->add_option("MODEL", model, "Model file to read")->required();
  cmdRank->add_flag("--json", bJson, "Print the results as JSON instead of a table");
  cmdRank->add_option("-o,--output", out, "Save the evaluated model to this file");

  CLI::App* cmdAssess = app.add_subcommand(
      "assess",
      "Evaluate every alternative on one attribute and rank them on it (Assess Attribute)");
  cmdAssess->add_option("MODEL", model, "Model file to read")->required();
  cmdAssess->add_option("-a,--attribute", attribute, "The attribute, by its name or its index")
      ->required();
  cmdAssess->add_flag("--json", bJson, "Print the results as JSON instead of a table");
  cmdAssess->add_option("-o,--output", out, "Save the evaluated model to this file");

  CLI::App* cmdSave = app.add_subcommand("save", "Read a model and write it again");
  cmdSave->add_option("MODEL", model, "Model file to read")->required();
  cmdSave->add_option("OUT", out, "Model file to write")->required();

  zev::cli::CImportCommand cmdImport(app);
  zev::cli::CReportCommand cmdReport(app);
  zev::cli::CMergeCommand cmdMerge(app);
  zev::cli::COverviewCommand cmdOverview(app);
  zev::cli::CChartCommand cmdChart(app);
  zev::cli::CCompareCommand cmdCompare(app);
  zev::cli::CGroupCommand cmdGroup(app);
  zev::cli::CSensitivityCommand cmdSensitivity(app);
  zev::cli::CTradeOffCommand cmdTradeOff(app);
  zev::cli::CWeightsCommand cmdWeights(app);
  zev::cli::CExportCommand cmdExport(app);
  zev::cli::CImportCsvCommand cmdImportCsv(app);
  zev::cli::CImportJsonCommand cmdImportJson(app);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kOk : kUsage;
  }

  zev::cli::CCliPrompter prompter;
  zev::CPrompterScope scope(prompter);
  if (cmdNew->parsed()) return RunNew(out);
  if (cmdShow->parsed()) return RunShow(model, bJson);
  if (cmdRank->parsed()) return RunRank(model, bJson, out);
  if (cmdAssess->parsed()) return RunAssess(model, attribute, bJson, out);
  if (cmdSave->parsed()) return RunSave(model, out);
  if (cmdImport.Parsed()) return cmdImport.Run();
  if (cmdReport.Parsed()) return cmdReport.Run();
  if (cmdMerge.Parsed()) return cmdMerge.Run();
  if (cmdOverview.Parsed()) return cmdOverview.Run();
  if (cmdChart.Parsed()) return cmdChart.Run();
  if (cmdCompare.Parsed()) return cmdCompare.Run();
  if (cmdGroup.Parsed()) return cmdGroup.Run();
  if (cmdSensitivity.Parsed()) return cmdSensitivity.Run();
  if (cmdTradeOff.Parsed()) return cmdTradeOff.Run();
  if (cmdWeights.Parsed()) return cmdWeights.Run();
  if (cmdExport.Parsed()) return cmdExport.Run();
  if (cmdImportCsv.Parsed()) return cmdImportCsv.Run();
  if (cmdImportJson.Parsed()) return cmdImportJson.Run();
  return kUsage;
} catch (const std::bad_alloc&) {
  zev::cli::CCliPrompter prompter;
  zev::CPrompterScope scope(prompter);
  zev::ThePrompter().Error(zev::kOutOfMemoryMessage);
  return kRefused;
}
