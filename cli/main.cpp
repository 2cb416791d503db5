// zev-cli: the headless face of the program.
//
// Exit status: 0 on success, 1 when a model cannot be read or written or a
// command is refused, 2 on a usage error. Every message the desktop program
// would show goes to standard error with its exact text; results go to
// standard output.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/cli_prompter.h"
#include "cli/model_output.h"
#include "io/model_file.h"
#include "model/madm_doc.h"
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

int RunSave(const std::string& model, const std::string& out) {
  zev::CMADMDoc doc;
  if (!Load(model, doc)) return kRefused;
  return Save(out, doc) ? kOk : kRefused;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "zev-cli: multiple-criteria assessment with evidential reasoning, without windows.\n"
      "Messages go to standard error; results to standard output.\n"
      "Exit status: 0 success, 1 model refused or not written, 2 usage error."};
  app.set_version_flag("--version", "zev-cli 0.1.0");
  app.require_subcommand(1);

  std::string model;
  std::string out;
  bool bJson = false;

  CLI::App* cmdNew =
      app.add_subcommand("new", "Write a new model (the top attribute, one alternative)");
  cmdNew->add_option("OUT", out, "Model file to write")->required();

  CLI::App* cmdShow =
      app.add_subcommand("show", "Show the attribute hierarchy and the alternatives");
  cmdShow->add_option("MODEL", model, "Model file to read")->required();
  cmdShow->add_flag("--json", bJson, "Print JSON instead of a tree");

  CLI::App* cmdSave = app.add_subcommand("save", "Read a model and write it again");
  cmdSave->add_option("MODEL", model, "Model file to read")->required();
  cmdSave->add_option("OUT", out, "Model file to write")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kOk : kUsage;
  }

  zev::cli::CCliPrompter prompter;
  zev::CPrompterScope scope(prompter);
  if (cmdNew->parsed()) return RunNew(out);
  if (cmdShow->parsed()) return RunShow(model, bJson);
  if (cmdSave->parsed()) return RunSave(model, out);
  return kUsage;
}
