#include "elicitation/rename_grade_presenter.h"

namespace zev {

bool CRenameGradePresenter::FromFocusLost() {
  if (!m_strFrom.empty()) return true;
  ThePrompter().Warning("The 'From' grade name must not be empty.");
  m_strFocus = kFieldFrom;
  return false;
}

bool CRenameGradePresenter::ToFocusLost() {
  if (!m_strTo.empty()) return true;
  ThePrompter().Warning("The 'To' grade name must not be empty.");
  m_strFocus = kFieldTo;
  return false;
}

bool CRenameGradePresenter::Change() {
  if (!FromFocusLost() || !ToFocusLost()) return false;
  m_doc.RenameGradeEverywhere(m_strFrom, m_strTo);
  return true;
}

}  // namespace zev
