#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

namespace zev::cli {

// zev-cli chart belief|beliefs|interval|intervals|ranking MODEL.zev
//         [--attribute NAME|INDEX] [--alternative NAME|@N] [--json]
// Evaluates as the graph command does and prints the charts of the windows
// it would open, in window order. The top attribute and the first
// alternative unless named.
class CChartCommand {
 public:
  explicit CChartCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strKind;
  std::string m_strModel;
  std::string m_strAttribute;
  std::string m_strAlternative;
  bool m_bJson = false;
};

// zev-cli compare MODEL.zev --attribute NAME|INDEX ... --alternative NAME|@N ...
//         [--type 0|1|2|3] [--direction greater|smaller|better|worse]
//         [--threshold X] [--bars] [--json]
// Selects the attributes and alternatives in the order given, as the visual
// comparison's Select One does, and prints what its Draw draws; its
// refusals go to standard error and exit with 1.
class CCompareCommand {
 public:
  explicit CCompareCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strModel;
  std::vector<std::string> m_attributes;
  std::vector<std::string> m_alternatives;
  int m_nType = 0;
  std::string m_strDirection;
  std::string m_strThreshold;
  bool m_bBars = false;
  bool m_bJson = false;
};

}  // namespace zev::cli
