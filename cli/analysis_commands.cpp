#include "cli/analysis_commands.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "analysis/group_assessment_presenter.h"
#include "analysis/input_sensitivity_presenter.h"
#include "analysis/sensitivity_charts.h"
#include "analysis/trade_off_presenter.h"
#include "analysis/weight_sensitivity_presenter.h"
#include "cli/chart_output.h"
#include "cli/cli_model.h"
#include "cli/cli_prompter.h"
#include "model/number.h"
#include "model/text.h"

namespace zev::cli {

namespace {

// Answers the group window's name dialog with a given name.
class CGroupNameAnswer : public CCliPrompter {
 public:
  explicit CGroupNameAnswer(std::string name) : m_strName(std::move(name)) {}
  bool RunModal(CDialogPresenter& presenter) override {
    if (std::string_view(presenter.DialogKind()) != CGroupNamePresenter::kKind) {
      return CCliPrompter::RunModal(presenter);
    }
    static_cast<CGroupNamePresenter&>(presenter).m_strName = m_strName;
    return true;
  }

 private:
  std::string m_strName;
};

// NAME=WEIGHT splits at the last '=' when a number follows it.
void SplitMember(const std::string& text, std::string& name, std::string& weight) {
  const std::size_t eq = text.rfind('=');
  double d = 0.0;
  if (eq != std::string::npos && ReadRealNumber(text.substr(eq + 1), d)) {
    name = text.substr(0, eq);
    weight = text.substr(eq + 1);
  } else {
    name = text;
    weight = "1";
  }
}

// Every argument found, or false after the usage message of the first that is not.
bool Attributes(const CMADMDoc& doc, const std::vector<std::string>& args, std::vector<int>& out) {
  for (const std::string& arg : args) {
    const int k = AttributeArgument(doc, arg);
    if (k < 0) return false;
    out.push_back(k);
  }
  return true;
}

bool Alternatives(const CMADMDoc& doc, const std::vector<std::string>& args,
                  std::vector<int>& out) {
  for (const std::string& arg : args) {
    const int pos = AlternativeArgument(doc, arg);
    if (pos < 0) return false;
    out.push_back(pos);
  }
  return true;
}

}  // namespace

CGroupCommand::CGroupCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand(
          "group", "Create a group alternative, the weighted average of member alternatives")) {
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand->add_option("--member", m_members,
                         "A member, NAME or @N (the N-th alternative from 1), with =WEIGHT "
                         "from 0 to 100 (default 1); repeat for every member");
  m_pCommand->add_option("--name", m_strName,
                         "The group alternative's name (default \"Group Alternative\")");
  m_pCommand->add_option("-o,--output", m_strOut, "Model file to write")->required();
}

int CGroupCommand::Run() const {
  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  std::vector<std::pair<int, std::string>> members;
  for (const std::string& text : m_members) {
    std::string name, weight;
    SplitMember(text, name, weight);
    const int pos = AlternativeArgument(doc, name);
    if (pos < 0) return kUsage;
    members.emplace_back(pos, weight);
  }
  CGroupNameAnswer prompter(m_strName.empty() ? CGroupNamePresenter::kDefaultName
                                              : Utf8ToCp1252(m_strName));
  CPrompterScope scope(prompter);
  CGroupAssessmentPresenter window(doc);
  window.Clear();
  for (const auto& [pos, weight] : members) {
    window.SetHighlighted({pos});
    window.SelectOne();
    window.ChooseMember(pos);
    window.m_weight.SetText(weight);
    if (!window.WeightFocusLost()) return kUsage;
  }
  if (!window.CreateGroup()) return kRefused;
  return SaveModel(m_strOut, doc) ? kOk : kRefused;
}

CSensitivityCommand::CSensitivityCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand(
          "sensitivity", "Sensitivity of the ranking to attribute weights or to input data")) {
  m_pCommand->require_subcommand(1);
  m_pWeights = m_pCommand->add_subcommand(
      "weights", "The weights window: weight, ranking, rank change or belief graph");
  m_pWeights->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pWeights
      ->add_option("--weight", m_strAttribute,
                   "The attribute whose weight varies, by its name or its index")
      ->required();
  m_pWeights->add_option("--rank-on", m_rankOn,
                         "An attribute to rank on, by name or index (repeat; the first is the "
                         "ranking attribute; default the top attribute)");
  m_pWeights->add_option("--alternative", m_alternatives,
                         "An alternative to show, NAME or @N (repeat; default the first five)");
  m_pWeights->add_flag("--normalise", m_bNormalise, "Switch Normalise on after opening");
  m_pWeights->add_option("--set", m_set, "Then drag the weight attribute's bar to this value");
  m_pWeights->add_option("--graph", m_strGraph, "weights, ranking, rank-change or belief")
      ->required()
      ->check(CLI::IsMember({"weights", "ranking", "rank-change", "belief"}));
  m_pWeights->add_flag("--json", m_bJson, "Print JSON instead of a table");

  m_pData = m_pCommand->add_subcommand(
      "data", "The input-data window: the input chart and the score chart, after one drag");
  m_pData->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pData->add_option("--attribute", m_strAttribute, "The bottom attribute, by name or index")
      ->required();
  m_pData
      ->add_option("--alternative", m_alternatives,
                   "The alternative, NAME or @N (default the model's current one)")
      ->expected(1);
  m_pData->add_option("--drag", m_strDrag,
                      "POINT=VALUE: drag bar POINT of the input chart (from 0) to VALUE");
  m_pData->add_flag("--json", m_bJson, "Print JSON instead of a table");
  m_pData->add_option("-o,--output", m_strOut, "Save the model after the drag");
}

int CSensitivityCommand::Run() const { return m_pWeights->parsed() ? RunWeights() : RunData(); }

int CSensitivityCommand::RunWeights() const {
  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  const int k = AttributeArgument(doc, m_strAttribute);
  std::vector<int> rankOn, shown;
  if (k < 0 || !Attributes(doc, m_rankOn, rankOn) || !Alternatives(doc, m_alternatives, shown)) {
    return kUsage;
  }
  doc.SetCurrentAttribute(k);
  const std::string refusal = CWeightSensitivityPresenter::OpeningRefusal(doc);
  if (!refusal.empty()) {
    ThePrompter().Warning(refusal);
    return kRefused;
  }
  CCliPrompter prompter;
  CPrompterScope scope(prompter);
  CWeightSensitivityPresenter window(doc);
  if (!rankOn.empty()) window.SetRankingAttributes(rankOn);
  if (!shown.empty()) window.SetShownAlternatives(shown);
  if (m_bNormalise) window.SetNormalise(true);
  if (m_set) {
    const std::vector<int> siblings = SiblingsOf(doc, k);
    const auto bar = std::find(siblings.begin(), siblings.end(), k) - siblings.begin();
    window.DragWeight(static_cast<int>(bar), *m_set);
  }
  using EGraph = CWeightSensitivityPresenter::EGraph;
  const ChartContent* chart = &window.LeftChart();
  if (m_strGraph != "weights") {
    const int warnings = prompter.WarningCount();
    window.ShowGraph(m_strGraph == "ranking"       ? EGraph::Ranking
                     : m_strGraph == "rank-change" ? EGraph::RankChange
                                                   : EGraph::Belief);
    if (prompter.WarningCount() > warnings) return kRefused;
    chart = &window.RightChart();
  }
  PrintCharts({{CWeightSensitivityPresenter::kWindow, *chart}}, m_bJson);
  return kOk;
}

int CSensitivityCommand::RunData() const {
  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  const int k = AttributeArgument(doc, m_strAttribute);
  std::vector<int> positions;
  if (k < 0 || !Alternatives(doc, m_alternatives, positions)) return kUsage;
  int point = -1;
  double value = 0.0;
  if (!m_strDrag.empty()) {
    const std::size_t eq = m_strDrag.find('=');
    if (eq == std::string::npos || !ReadInteger(m_strDrag.substr(0, eq), point) || point < 0 ||
        !ReadRealNumber(m_strDrag.substr(eq + 1), value)) {
      return UsageError("--drag takes POINT=VALUE, a bar from 0 and a number, not <" + m_strDrag +
                        ">.");
    }
  }
  doc.SetCurrentAttribute(k);
  if (!positions.empty()) doc.SetCurrentPosition(positions.front());
  const std::string refusal = CInputSensitivityPresenter::OpeningRefusal(doc);
  if (!refusal.empty()) {
    ThePrompter().Warning(refusal);
    return kRefused;
  }
  CInputSensitivityPresenter window(doc);
  if (point >= 0) {
    if (point >= window.LeftChart().PointCount()) {
      return UsageError("the input chart has bars 0 to " +
                        std::to_string(window.LeftChart().PointCount() - 1) + ".");
    }
    window.Drag(point, value);
  }
  PrintCharts({{CInputSensitivityPresenter::kWindow, window.LeftChart()},
               {CInputSensitivityPresenter::kWindow, window.RightChart()}},
              m_bJson);
  if (!m_strOut.empty() && !SaveModel(m_strOut, doc)) return kRefused;
  return kOk;
}

CTradeOffCommand::CTradeOffCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand(
          "tradeoff", "The trade-off window: every alternative over two attributes")) {
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand->add_option("--x", m_strX, "The x axis attribute, by name or index")->required();
  m_pCommand->add_option("--y", m_strY, "The y axis attribute, by name or index")->required();
  m_pCommand->add_flag("--json", m_bJson, "Print JSON instead of a table");
}

int CTradeOffCommand::Run() const {
  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  const int x = AttributeArgument(doc, m_strX);
  if (x < 0) return kUsage;
  const int y = AttributeArgument(doc, m_strY);
  if (y < 0) return kUsage;
  CTradeOffPresenter window(doc);
  window.SetX(x);
  window.SetY(y);
  const ChartContent& c = window.Chart();
  if (!m_bJson) {
    PrintCharts({{CTradeOffPresenter::kWindow, c}}, false);
    return kOk;
  }
  using json = nlohmann::ordered_json;
  json points = json::array();
  for (int pos = 0; pos < c.PointCount(); ++pos) {
    points.push_back({{"name", Cp1252ToUtf8(doc.Alternative(pos).m_strName.Str())},
                      {"x", c.m_dPointX[static_cast<size_t>(pos)]},
                      {"y", c.Value(0, pos)}});
  }
  const json out = {{"title", Cp1252ToUtf8(c.m_strTitle)},
                    {"x_title", Cp1252ToUtf8(c.m_strXTitle)},
                    {"y_title", Cp1252ToUtf8(c.m_strYTitle)},
                    {"x_range", {c.m_xRange->m_dMin, c.m_xRange->m_dMax}},
                    {"y_range", {c.m_range->m_dMin, c.m_range->m_dMax}},
                    {"points", std::move(points)}};
  PrintOut(out.dump(2) + "\n");
  return kOk;
}

}  // namespace zev::cli
