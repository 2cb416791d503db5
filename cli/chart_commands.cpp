#include "cli/chart_commands.h"

#include <cstdio>
#include <map>

#include "analysis/graphs.h"
#include "analysis/visual_comparison.h"
#include "cli/chart_output.h"
#include "cli/cli_model.h"
#include "model/number.h"
#include "model/prompter.h"
#include "model/text.h"

namespace zev::cli {

namespace {

const std::map<std::string, EGraph> kGraphs = {{"belief", EGraph::BeliefAtSelection},
                                               {"beliefs", EGraph::Beliefs},
                                               {"interval", EGraph::IntervalAtSelection},
                                               {"intervals", EGraph::Intervals},
                                               {"ranking", EGraph::Ranking}};

}  // namespace

CChartCommand::CChartCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand(
          "chart", "Print the charts a graph command draws (the windows it would open)")) {
  m_pCommand->add_option("GRAPH", m_strKind, "belief, beliefs, interval, intervals or ranking")
      ->required()
      ->check(CLI::IsMember({"belief", "beliefs", "interval", "intervals", "ranking"}));
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand->add_option("--attribute", m_strAttribute,
                         "The attribute, by its name or its index; the top attribute when not "
                         "given");
  m_pCommand->add_option("--alternative", m_strAlternative,
                         "The alternative of the belief and interval graphs, by its name or as "
                         "@N, the N-th from 1; the first one when not given");
  m_pCommand->add_flag("--json", m_bJson, "Print JSON instead of text tables");
}

int CChartCommand::Run() const {
  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  int attribute = 0;
  if (!m_strAttribute.empty() && (attribute = AttributeArgument(doc, m_strAttribute)) < 0) {
    return kUsage;
  }
  int position = 0;
  if (!m_strAlternative.empty() && (position = AlternativeArgument(doc, m_strAlternative)) < 0) {
    return kUsage;
  }
  doc.SetCurrentAttribute(attribute);
  doc.SetCurrentPosition(position);
  const EGraph graph = kGraphs.at(m_strKind);
  if (!GraphIsEnabled(doc, graph)) {
    std::fprintf(stderr,
                 "zev-cli: the belief degrees of all alternatives are drawn on "
                 "qualitative attributes only.\n");
    return kRefused;
  }
  PrintCharts(DrawGraph(doc, graph), m_bJson);
  return kOk;
}

CCompareCommand::CCompareCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand(
          "compare", "Print the visual comparison of alternatives on attributes (its Draw)")) {
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand->add_option("--attribute", m_attributes,
                         "A selected attribute, by its name or its index; once per attribute, "
                         "in the order selected");
  m_pCommand->add_option("--alternative", m_alternatives,
                         "A selected alternative, by its name or as @N, the N-th from 1; once "
                         "per alternative, in the order selected");
  m_pCommand
      ->add_option("--type", m_nType,
                   "0: any alternatives on any attributes (default); 1: the utility interval of "
                   "one alternative; 2: attribute differences between two alternatives; 3: "
                   "attributes better or worse for all alternatives")
      ->check(CLI::Range(0, 3));
  m_pCommand
      ->add_option("--direction", m_strDirection,
                   "greater or smaller (type 2, default greater), better or worse (type 3, "
                   "default better)")
      ->check(CLI::IsMember({"greater", "smaller", "better", "worse"}));
  m_pCommand->add_option("--threshold", m_strThreshold,
                         "The threshold of types 2 and 3, from 0 to 1 (default 0)");
  m_pCommand->add_flag("--bars", m_bBars, "Bars instead of curves");
  m_pCommand->add_flag("--json", m_bJson, "Print JSON instead of a text table");
}

int CCompareCommand::Run() const {
  const auto type = static_cast<ECurveType>(m_nType);
  const bool bDifference = type == ECurveType::Difference;
  const bool bLevel = type == ECurveType::Level;
  if (!m_strDirection.empty() &&
      (bDifference != (m_strDirection == "greater" || m_strDirection == "smaller") ||
       bLevel != (m_strDirection == "better" || m_strDirection == "worse"))) {
    return UsageError(
        "--direction greater or smaller goes with --type 2, better or worse with "
        "--type 3.");
  }
  if (!m_strThreshold.empty() && !bDifference && !bLevel) {
    return UsageError("--threshold goes with --type 2 or 3.");
  }

  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  CVisualComparison comparison(doc);
  for (const std::string& name : m_attributes) {
    const int i = AttributeArgument(doc, name);
    if (i < 0) return kUsage;
    comparison.HighlightAttribute(i);
    comparison.SelectOne();
  }
  for (const std::string& name : m_alternatives) {
    const int pos = AlternativeArgument(doc, name);
    if (pos < 0) return kUsage;
    comparison.HighlightAlternative(pos);
    comparison.SelectOne();
  }

  // The choice goes through the curve type window's own checks.
  CCurveTypePresenter curveType(comparison.CurveType());
  curveType.SetType(type);
  curveType.SetSmaller(m_strDirection == "smaller");
  curveType.SetWorse(m_strDirection == "worse");
  if (!m_strThreshold.empty()) {
    curveType.SetThresholdText(type, m_strThreshold);
    if (!curveType.ThresholdFocusLost(type)) return kRefused;
  }
  if (curveType.Ok() != EDialogAction::CloseOk) return kRefused;
  comparison.SetCurveType(curveType.Result());
  if (m_bBars) comparison.SwitchCurveBar();

  if (!comparison.Draw()) return kRefused;
  PrintCharts({{CVisualComparison::kWindow, comparison.Chart()}}, m_bJson);
  return kOk;
}

}  // namespace zev::cli
