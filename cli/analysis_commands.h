#pragma once

#include <CLI/CLI.hpp>
#include <optional>
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

// zev-cli sensitivity weights MODEL.zev --weight NAME|INDEX [--rank-on NAME|INDEX ...]
//         [--alternative NAME|@N ...] [--normalise] [--set VALUE]
//         --graph weights|ranking|rank-change|belief [--json]
// zev-cli sensitivity data MODEL.zev --attribute NAME|INDEX [--alternative NAME|@N]
//         [--drag POINT=VALUE] [--json] [-o OUT.zev]
// The two sensitivity windows opened on the attribute, their marks set from
// the options (the windows' own defaults otherwise), one drag, and their
// charts printed as `zev-cli chart` prints them.
class CSensitivityCommand {
 public:
  explicit CSensitivityCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  int RunWeights() const;
  int RunData() const;

  CLI::App* m_pCommand;
  CLI::App* m_pWeights;
  CLI::App* m_pData;
  std::string m_strModel;
  std::string m_strAttribute;
  std::vector<std::string> m_rankOn;
  std::vector<std::string> m_alternatives;
  bool m_bNormalise = false;
  std::optional<double> m_set;
  std::string m_strGraph;
  std::string m_strDrag;
  std::string m_strOut;
  bool m_bJson = false;
};

// zev-cli tradeoff MODEL.zev --x NAME|INDEX --y NAME|INDEX [--json]
// The trade-off window's points from the results stored in the model.
class CTradeOffCommand {
 public:
  explicit CTradeOffCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strModel;
  std::string m_strX;
  std::string m_strY;
  bool m_bJson = false;
};

}  // namespace zev::cli
