#include "cli/weights_command.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "cli/cli_model.h"
#include "elicitation/pairwise_presenter.h"
#include "model/format.h"
#include "model/text.h"

namespace zev::cli {

namespace {

std::vector<std::string> SplitOnBlanks(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text + ' ') {
    if (c == ' ' || c == '\t' || c == '\n') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  return words;
}

std::string Table(const CPairwisePresenter& p, const SWeightGroup& result) {
  std::size_t width = 9;  // "Attribute"
  for (const std::string& name : result.m_strNames) {
    width = std::max(width, Cp1252ToUtf8(name).size());
  }
  std::string out = Format("%-*s  %s\n", static_cast<int>(width), "Attribute", "Weight");
  for (int i = 0; i < result.Count(); ++i) {
    const std::string name = Cp1252ToUtf8(result.m_strNames[static_cast<size_t>(i)]);
    out += name + std::string(width - name.size(), ' ') + "  " +
           Format("%-1.6lf", result.m_dWeights[static_cast<size_t>(i)]) + "\n";
  }
  out += "Inconsistency index: " + p.IndexText() + " (" + WeightMethodName(p.Method()) + ")\n";
  return out;
}

}  // namespace

CWeightsCommand::CWeightsCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand(
          "weights", "Weights of an attribute and its siblings by pairwise comparison")) {
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand
      ->add_option("-a,--attribute", m_strAttribute,
                   "One of the attributes compared, by its name or its index")
      ->required();
  m_pCommand
      ->add_option("--pairwise", m_strPairwise,
                   "The ratios of the upper triangle, row by row, separated by blanks: how many "
                   "times as important the first sibling is as the second, the third, ..., then "
                   "the second as the third, ... (a number or a fraction such as 1/3)")
      ->required();
  m_pCommand->add_option("--method", m_strMethod, "How weights are generated (default eigenvector)")
      ->check(CLI::IsMember({"eigenvector", "geometric", "mixed"}));
  m_pCommand->add_flag("--json", m_bJson, "Print JSON instead of a table");
  m_pCommand->add_option("-o,--output", m_strOut, "Save the model with the weights to this file");
}

int CWeightsCommand::Run() const {
  EWeightMethod method = EWeightMethod::Eigenvector;
  WeightMethodFromName(m_strMethod, method);
  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  const int k = AttributeArgument(doc, m_strAttribute);
  if (k < 0) return kUsage;
  const int father = WeightFatherOrNotice(doc, k,
                                          "This is the top attribute.\n"
                                          "No comparison is needed. ");
  if (father < 0) return kRefused;

  CPairwisePresenter p(SWeightGroup::Of(doc, father));
  const int n = p.Count();
  const std::vector<std::string> ratios = SplitOnBlanks(m_strPairwise);
  if (static_cast<int>(ratios.size()) != n * (n - 1) / 2) {
    std::string names;
    for (int i = 0; i < n; ++i) {
      names += i == 0 ? "" : i + 1 == n ? " and " : ", ";
      names += "<" + Cp1252ToUtf8(p.ChoiceNames()[static_cast<size_t>(i)]) + ">";
    }
    return UsageError(
        names + " are compared, so --pairwise takes " + std::to_string(n * (n - 1) / 2) +
        " ratios (the upper triangle, row by row), not " + std::to_string(ratios.size()) + ".");
  }
  std::size_t next = 0;
  for (int i = 0; i + 1 < n; ++i) {
    p.m_nChoice = i;
    p.ConfirmSelection();
    while (p.Comparing()) {
      p.m_strRatio = ratios[next++];
      if (!p.ConfirmComparison()) return kRefused;
    }
  }
  p.SetMethod(method);
  p.CalculateWeights();
  const SWeightGroup result = p.Result();

  std::string out;
  if (m_bJson) {
    nlohmann::ordered_json j;
    j["attributes"] = nlohmann::ordered_json::array();
    for (const std::string& name : result.m_strNames) j["attributes"].push_back(Cp1252ToUtf8(name));
    j["weights"] = result.m_dWeights;
    j["index"] = p.Index();
    j["method"] = WeightMethodName(method);
    out = j.dump() + "\n";
  } else {
    out = Table(p, result);
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);

  if (m_strOut.empty()) return kOk;
  p.Ok();
  result.Store(doc);
  return SaveModel(m_strOut, doc) ? kOk : kRefused;
}

}  // namespace zev::cli
