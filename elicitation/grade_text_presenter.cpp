#include "elicitation/grade_text_presenter.h"

namespace zev {

CGradeTextPresenter::CGradeTextPresenter(EText which, std::string title, std::vector<SGrade> grades,
                                         int nPicked, std::string text, std::string evidence)
    : m_strText(std::move(text)),
      m_which(which),
      m_strTitle(std::move(title)),
      m_grades(std::move(grades)),
      m_nPicked(0),
      m_strEvidence(std::move(evidence)) {
  PickGrade(nPicked);
}

std::string CGradeTextPresenter::PickedDefinition() const {
  if (m_nPicked < 0 || m_nPicked >= static_cast<int>(m_grades.size())) return std::string();
  return m_grades[static_cast<size_t>(m_nPicked)].m_strDefinition;
}

void CGradeTextPresenter::PickGrade(int k) {
  if (k >= 0 && k < static_cast<int>(m_grades.size())) m_nPicked = k;
}

std::string CGradeTextPresenter::Edit(EText which, std::string title, std::vector<SGrade> grades,
                                      int nPicked, const std::string& text, std::string evidence) {
  CGradeTextPresenter presenter(which, std::move(title), std::move(grades), nPicked, text,
                                std::move(evidence));
  if (ThePrompter().RunModal(presenter)) return presenter.m_strText;
  return text;
}

}  // namespace zev
