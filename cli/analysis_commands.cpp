#include "cli/analysis_commands.h"

#include "analysis/group_assessment_presenter.h"
#include "cli/cli_common.h"
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

}  // namespace zev::cli
