#include "cli/overview_command.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "analysis/overview.h"
#include "cli/cli_model.h"
#include "cli/model_output.h"
#include "model/text.h"

namespace zev::cli {

namespace {

// {"alternative", "attribute", "alternatives": [{"name", "assessment",
// "rank"}], "attributes": [{"name", "index", "type", "father", "weight",
// "assessment", "unit"}]}, every cell a text in UTF-8.
std::string OverviewJson(const COverview& overview) {
  nlohmann::ordered_json alternatives = nlohmann::ordered_json::array();
  for (const auto& row : overview.AlternativeRows()) {
    alternatives.push_back({{"name", Cp1252ToUtf8(row.m_strName)},
                            {"assessment", row.m_strAssessment},
                            {"rank", row.m_strRank}});
  }
  nlohmann::ordered_json attributes = nlohmann::ordered_json::array();
  for (const auto& row : overview.AttributeRows()) {
    attributes.push_back({{"name", Cp1252ToUtf8(row.m_strName)},
                          {"index", row.m_strIndex},
                          {"type", row.m_strType},
                          {"father", row.m_strFather},
                          {"weight", row.m_strWeight},
                          {"assessment", row.m_strAssessment},
                          {"unit", Cp1252ToUtf8(row.m_strUnit)}});
  }
  nlohmann::ordered_json out = {{"alternative", Cp1252ToUtf8(overview.AlternativeName())},
                                {"attribute", Cp1252ToUtf8(overview.AttributeName())},
                                {"alternatives", alternatives},
                                {"attributes", attributes}};
  return out.dump() + "\n";
}

// The two lists as tables, the attribute names indented by level.
std::string OverviewText(const COverview& overview) {
  std::vector<std::vector<std::string>> alternatives = {{}};
  for (const auto& column : COverview::AlternativeColumns()) {
    alternatives[0].push_back(column.m_szTitle);
  }
  for (const auto& row : overview.AlternativeRows()) {
    alternatives.push_back({Cp1252ToUtf8(row.m_strName), row.m_strAssessment, row.m_strRank});
  }
  std::vector<std::vector<std::string>> attributes = {{}};
  for (const auto& column : COverview::AttributeColumns()) {
    attributes[0].push_back(column.m_szTitle);
  }
  for (const auto& row : overview.AttributeRows()) {
    attributes.push_back(
        {std::string(2 * static_cast<std::size_t>(row.m_nLevel), ' ') + Cp1252ToUtf8(row.m_strName),
         row.m_strIndex, row.m_strType, row.m_strFather, row.m_strWeight, row.m_strAssessment,
         Cp1252ToUtf8(row.m_strUnit)});
  }
  auto aligned = [](std::span<const COverview::SColumn> columns) {
    std::vector<bool> right;
    for (const auto& column : columns) right.push_back(column.m_bRight);
    return right;
  };
  return "Alternatives assessed on " + Cp1252ToUtf8(overview.AttributeName()) + "\n\n" +
         TextTable(alternatives, aligned(COverview::AlternativeColumns())) +
         "\nAttributes assessed at " + Cp1252ToUtf8(overview.AlternativeName()) + "\n\n" +
         TextTable(attributes, aligned(COverview::AttributeColumns()));
}

}  // namespace

COverviewCommand::COverviewCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand(
          "overview", "Print what the overview window lists: alternatives and attributes")) {
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand->add_option("--attribute", m_strAttribute,
                         "The attribute whose alternatives are listed, by its name or its index; "
                         "the model's current attribute when not given");
  m_pCommand->add_option("--alternative", m_strAlternative,
                         "The alternative whose attributes are listed, by its name or as @N, the "
                         "N-th from 1; the model's current alternative when not given");
  m_pCommand->add_flag("--json", m_bJson, "Print JSON instead of text tables");
}

int COverviewCommand::Run() const {
  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  int attribute = doc.CurrentAttribute();
  if (!m_strAttribute.empty() && (attribute = AttributeArgument(doc, m_strAttribute)) < 0) {
    return kUsage;
  }
  int position = doc.CurrentPosition();
  if (!m_strAlternative.empty() && (position = AlternativeArgument(doc, m_strAlternative)) < 0) {
    return kUsage;
  }
  const COverview overview(doc, attribute, position);
  const std::string text = m_bJson ? OverviewJson(overview) : OverviewText(overview);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  return kOk;
}

}  // namespace zev::cli
