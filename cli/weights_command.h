#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace zev::cli {

// zev-cli weights MODEL.zev --attribute NAME|INDEX --pairwise "R12 R13 ...
//         R1n R23 ... R(n-1)n" [--method eigenvector|geometric|mixed]
//         [--json] [-o OUT.zev]
// The pairwise comparison of the attribute and its siblings, played as the
// dialog plays it: the first sibling is selected and compared with every
// later one, then the second, and so on, with the ratios of the upper
// triangle row by row. Prints the generated weights and the inconsistency
// index; with -o saves them as a confirmed dialog writes them. A ratio the
// dialog refuses is its message on standard error and exit 1.
class CWeightsCommand {
 public:
  explicit CWeightsCommand(CLI::App& app);
  bool Parsed() const { return m_pCommand->parsed(); }
  int Run() const;

 private:
  CLI::App* m_pCommand;
  std::string m_strModel;
  std::string m_strAttribute;
  std::string m_strPairwise;
  std::string m_strMethod = "eigenvector";
  std::string m_strOut;
  bool m_bJson = false;
};

}  // namespace zev::cli
