#include "cli/data_commands.h"

#include <cstdio>

#include "cli/cli_model.h"
#include "commands/report_commands.h"
#include "io/atomic_file.h"
#include "io/report_files.h"
#include "io/report_options.h"
#include "io/text_import.h"
#include "model/madm_doc.h"
#include "model/number.h"
#include "model/prompter.h"
#include "model/text.h"

namespace zev::cli {

namespace {

// The alternative named exactly so (the first of that name), else the one
// at this position of the list (from 0).
int FindAlternative(const CMADMDoc& doc, const std::string& nameOrIndex) {
  const std::string name = Utf8ToCp1252(nameOrIndex);
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    if (doc.Alternative(pos).m_strName == name) return pos;
  }
  int index = -1;
  if (ReadInteger(nameOrIndex, index) && index >= 0 && index < doc.AlternativeCount()) {
    return index;
  }
  return -1;
}

std::string ItemKeys() {
  std::string keys;
  for (int i = 0; i < SReportOptions::kItems; ++i) {
    if (i > 0) keys += ", ";
    keys += ReportItemKey(i);
  }
  return keys;
}

// The named check boxes set, every other one clear. False for an unknown name.
bool ParseItems(const std::string& list, SReportOptions& options, std::string& unknown) {
  options.ClearItems();
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    std::string key = list.substr(start, comma - start);
    while (!key.empty() && key.front() == ' ') key.erase(key.begin());
    while (!key.empty() && key.back() == ' ') key.pop_back();
    if (!key.empty()) {
      int i = FindReportItem(key);
      if (i < 0) {
        unknown = key;
        return false;
      }
      options.Item(i) = true;
    }
    start = comma + 1;
  }
  return true;
}

}  // namespace

CImportCommand::CImportCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand(
          "import", "Read assessment data from a text data file into a model and save it")) {
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand->add_option("DATA", m_strData, "Text data file to read")->required();
  m_pCommand->add_option("-o,--output", m_strOut, "Model file to write")->required();
  m_pCommand->add_flag("--keep-partial", m_bKeepPartial,
                       "After a data error, still save what was read before it");
}

int CImportCommand::Run() const {
  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  std::string bytes;
  std::string error;
  if (!ReadWholeFile(m_strData, bytes, error)) {
    ThePrompter().Warning(error);
    return kRefused;
  }
  STextImportResult result = ImportTextData(doc, bytes);
  if (!result.Succeeded() && !m_bKeepPartial) return kRefused;
  if (!SaveModel(m_strOut, doc)) return kRefused;
  return result.Succeeded() ? kOk : kRefused;
}

CReportCommand::CReportCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand("report", "Write one of the four text reports")) {
  m_pCommand->add_option("KIND", m_strKind, "alternative, hierarchy, attribute or summary")
      ->required()
      ->check(CLI::IsMember({"alternative", "hierarchy", "attribute", "summary"}));
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand->add_option("--alternative", m_strAlternative,
                         "The alternative (alternative and summary reports), by its name or "
                         "its position from 0; the first one when not given");
  m_pCommand->add_option("--attribute", m_strAttribute,
                         "The attribute (attribute report), by its name or its index; the top "
                         "attribute when not given");
  m_pCommand->add_option("--items", m_strItems,
                         "What the alternative report holds, as a comma-separated list of: " +
                             ItemKeys() + " (default: distributed, average)");
  m_pCommand->add_option("-o,--output", m_strOut, "Report file to write (exactly this path)")
      ->required();
}

int CReportCommand::Run() const {
  const bool bAttribute = m_strKind == "attribute";
  if (!m_strItems.empty() && m_strKind != "alternative") {
    return UsageError("--items applies only to the alternative report.");
  }
  if (!m_strAttribute.empty() && !bAttribute) {
    return UsageError("--attribute applies only to the attribute report.");
  }
  if (!m_strAlternative.empty() && (bAttribute || m_strKind == "hierarchy")) {
    return UsageError("--alternative applies only to the alternative and summary reports.");
  }
  SReportOptions options;
  std::string unknown;
  if (!m_strItems.empty() && !ParseItems(m_strItems, options, unknown)) {
    return UsageError("<" + unknown + "> is not a report item; the items are " + ItemKeys() + ".");
  }

  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  int position = doc.CurrentPosition();
  if (!m_strAlternative.empty()) {
    position = FindAlternative(doc, m_strAlternative);
    if (position < 0) {
      return UsageError("the model has no alternative named <" + m_strAlternative +
                        ">, nor one at that position (0 to " +
                        std::to_string(doc.AlternativeCount() - 1) + ").");
    }
  }
  int attribute = doc.CurrentAttribute();
  if (!m_strAttribute.empty()) {
    attribute = FindAttributeIndex(doc, m_strAttribute);
    if (attribute < 0) {
      return UsageError("the model has no attribute named <" + m_strAttribute +
                        ">, nor one with that index (0 to " + std::to_string(doc.LastAttribute()) +
                        ").");
    }
  }
  if (!HasAttributesToReport(doc)) return kRefused;
  doc.SelectAlternative(position);

  bool ok = false;
  if (bAttribute) {
    EvaluateForAttributeReport(doc, attribute);
    ok = WriteAttributeReport(doc, attribute, m_strOut);
  } else if (m_strKind == "summary") {
    EvaluateForAlternativeReport(doc);
    ok = WriteSummaryReport(doc, position, m_strOut);
  } else {
    if (m_strKind == "hierarchy") {
      options.m_nContent = 1;
      options.ClearItems();
    }
    EvaluateForAlternativeReport(doc);
    ok = WriteAlternativeReport(doc, position, options, m_strOut);
  }
  return ok ? kOk : kRefused;
}

}  // namespace zev::cli
