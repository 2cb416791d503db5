#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace zev::cli {

// zev-cli merge alternatives|data|attributes MODEL.zev OTHER.zev
//         [--under NAME|INDEX] -o OUT.zev [--yes]
// Adds the alternatives, the data or the attribute hierarchy of another
// model file to a model and saves the result. Questions take their default
// button, or Yes with --yes. A refused or abandoned command exits with 1
// and writes nothing.
class CMergeCommand {
 public:
  explicit CMergeCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strKind;
  std::string m_strModel;
  std::string m_strOther;
  std::string m_strUnder;
  std::string m_strOut;
  bool m_bYes = false;
};

}  // namespace zev::cli
