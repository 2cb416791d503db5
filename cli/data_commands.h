#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace zev::cli {

// zev-cli import MODEL.zev DATA.txt -o OUT.zev [--keep-partial]
// Reads a text data file into a model and saves the result. The reader's
// message (success, or the error with its heading) goes to standard error.
// A data error exits with 1 and writes nothing, unless --keep-partial asks
// for what the blocks before the error stored, as the desktop keeps it.
class CImportCommand {
 public:
  explicit CImportCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strModel;
  std::string m_strData;
  std::string m_strOut;
  bool m_bKeepPartial = false;
};

// zev-cli report alternative|hierarchy|attribute|summary MODEL.zev
//         [--alternative NAME] [--attribute NAME] [--items LIST] -o FILE
// Evaluates as the desktop does before the report and writes it, with CR LF
// line ends, exactly to FILE.
class CReportCommand {
 public:
  explicit CReportCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strKind;
  std::string m_strModel;
  std::string m_strAlternative;
  std::string m_strAttribute;
  std::string m_strItems;
  std::string m_strOut;
};

}  // namespace zev::cli
