#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

namespace zev::cli {

// zev-cli group MODEL.zev --member NAME[=WEIGHT] ... [--name TEXT] -o OUT.zev
// Opens the group assessment window, deselects every alternative, selects
// each member with its weight (1 when not given) and creates the group
// alternative under the name given ("Group Alternative" by default).
class CGroupCommand {
 public:
  explicit CGroupCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strModel;
  std::vector<std::string> m_members;
  std::string m_strName;
  std::string m_strOut;
};

}  // namespace zev::cli
