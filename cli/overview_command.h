#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace zev::cli {

// zev-cli overview MODEL.zev [--attribute NAME|INDEX] [--alternative NAME|@N] [--json]
// What the overview window shows: every alternative's result on the
// attribute and every attribute's result at the alternative, each cell as
// the window writes it. The model's current attribute and alternative as
// loaded (the top attribute and the first alternative) unless named.
class COverviewCommand {
 public:
  explicit COverviewCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strModel;
  std::string m_strAttribute;
  std::string m_strAlternative;
  bool m_bJson = false;
};

}  // namespace zev::cli
