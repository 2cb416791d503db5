#include "tests/app/support/gui_user.h"

#include "app/qt_text.h"

namespace zev::test {

CGuiUser::CGuiUser() : m_pPrevious(SetPrompter(this)) {}

CGuiUser::~CGuiUser() { SetPrompter(m_pPrevious); }

CGuiUser& CGuiUser::Answer(EAnswer answer) {
  m_answers.push_back(answer);
  return *this;
}

CGuiUser& CGuiUser::OnDialog(std::string kind, DialogScript script) {
  m_scripts.emplace_back(std::move(kind), std::move(script));
  return *this;
}

CGuiUser& CGuiUser::ChooseFile(std::string path) {
  m_paths.push_back(std::move(path));
  return *this;
}

QStringList CGuiUser::Texts() const {
  QStringList texts;
  for (const SMessage& m : m_messages) texts << ToQt(m.m_strText);
  return texts;
}

QString CGuiUser::LastText() const {
  return m_messages.empty() ? QString() : ToQt(m_messages.back().m_strText);
}

QStringList CGuiUser::Unexpected() const {
  QStringList all = m_unexpected;
  if (!m_answers.empty()) all << QString("%1 answers never asked for").arg(m_answers.size());
  if (!m_paths.empty()) all << QString("%1 files never chosen").arg(m_paths.size());
  for (const auto& s : m_scripts) all << "dialog never shown: " + QString::fromStdString(s.first);
  return all;
}

void CGuiUser::Clear() {
  m_messages.clear();
  m_dialogs.clear();
}

EAnswer CGuiUser::Show(const SMessage& message) {
  m_messages.push_back(message);
  if (message.m_buttons == EButtons::Ok) return EAnswer::Ok;
  if (m_answers.empty()) {
    m_unexpected << "unanswered question: " + ToQt(message.m_strText);
    return DefaultAnswer(message);
  }
  EAnswer answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

bool CGuiUser::RunModal(CDialogPresenter& presenter) {
  m_dialogs.emplace_back(presenter.DialogKind());
  if (m_scripts.empty() || m_scripts.front().first != presenter.DialogKind()) {
    m_unexpected << "unexpected dialog: " + QString(presenter.DialogKind());
    return false;
  }
  DialogScript script = std::move(m_scripts.front().second);
  m_scripts.pop_front();
  return script(presenter);
}

bool CGuiUser::ChooseFile(SFileChoice& choice) {
  m_fileChoices.push_back(choice);
  if (m_paths.empty()) {
    m_unexpected << "unexpected file window: " + QString::fromStdString(choice.m_strTitle);
    return false;
  }
  std::string path = std::move(m_paths.front());
  m_paths.pop_front();
  if (path.empty()) return false;
  std::string::size_type slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (!choice.m_strDefaultExt.empty() && name.find('.') == std::string::npos) {
    path += "." + choice.m_strDefaultExt;
  }
  choice.m_strPath = path;
  return true;
}

}  // namespace zev::test
