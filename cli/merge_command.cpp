#include "cli/merge_command.h"

#include "cli/cli_model.h"
#include "cli/cli_prompter.h"
#include "io/model_merge.h"
#include "model/madm_doc.h"

namespace zev::cli {

CMergeCommand::CMergeCommand(CLI::App& app)
    : m_pCommand(app.add_subcommand(
          "merge", "Add the alternatives, the data or the attributes of another model file")) {
  m_pCommand->add_option("KIND", m_strKind, "alternatives, data or attributes")
      ->required()
      ->check(CLI::IsMember({"alternatives", "data", "attributes"}));
  m_pCommand->add_option("MODEL", m_strModel, "Model file to read")->required();
  m_pCommand->add_option("OTHER", m_strOther, "Model file to add from")->required();
  m_pCommand->add_option("--under", m_strUnder,
                         "attributes: the attribute under which the other model's hierarchy "
                         "goes, by its name or its index; the top attribute when not given");
  m_pCommand->add_option("-o,--output", m_strOut, "Model file to write")->required();
  m_pCommand->add_flag("--yes", m_bYes, "Answer every question Yes instead of its default");
}

int CMergeCommand::Run() const {
  const EMergeKind kind = m_strKind == "alternatives" ? EMergeKind::Alternatives
                          : m_strKind == "data"       ? EMergeKind::Data
                                                      : EMergeKind::Attributes;
  if (!m_strUnder.empty() && kind != EMergeKind::Attributes) {
    return UsageError("--under applies only to merge attributes.");
  }
  CCliPrompter prompter;
  prompter.SetAnswerYes(m_bYes);
  CPrompterScope scope(prompter);

  CMADMDoc doc;
  if (!LoadModel(m_strModel, doc)) return kRefused;
  if (!m_strUnder.empty()) {
    const int s = AttributeArgument(doc, m_strUnder);
    if (s < 0) return kUsage;
    doc.SetCurrentAttribute(s);
  }
  if (MergeModelFile(doc, kind, m_strOther) != EMergeResult::Merged) return kRefused;
  return SaveModel(m_strOut, doc) ? kOk : kRefused;
}

}  // namespace zev::cli
