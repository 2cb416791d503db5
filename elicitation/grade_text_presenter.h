#pragma once

#include <string>
#include <vector>

#include "model/prompter.h"

namespace zev {

// The evidence and comments windows of qualitative entry: a free text beside
// the list of the page's grades, where picking a grade shows its definition.
// The comments window also shows the evidence, read only.
class CGradeTextPresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "GradeText";

  enum class EText { Evidence, Comments };

  struct SGrade {
    std::string m_strName;
    std::string m_strDefinition;
  };

  CGradeTextPresenter(EText which, std::string title, std::vector<SGrade> grades, int nPicked,
                      std::string text, std::string evidence);

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return m_strTitle; }

  // Which text is edited: the evidence, or the comments (beside the evidence).
  EText Which() const { return m_which; }
  bool ShowsEvidence() const { return m_which == EText::Comments; }
  // The evidence shown read only in the comments window.
  const std::string& Evidence() const { return m_strEvidence; }

  const std::vector<SGrade>& GradeList() const { return m_grades; }
  int PickedGrade() const { return m_nPicked; }
  // The definition of the picked grade ("" when the list is empty).
  std::string PickedDefinition() const;
  // Picking a grade in the list; an index outside the list changes nothing.
  void PickGrade(int k);

  // The text being edited.
  std::string m_strText;

  // Runs the window; returns the text to keep (the edited one when confirmed).
  static std::string Edit(EText which, std::string title, std::vector<SGrade> grades, int nPicked,
                          const std::string& text, std::string evidence);

 private:
  EText m_which;
  std::string m_strTitle;
  std::vector<SGrade> m_grades;
  int m_nPicked;
  std::string m_strEvidence;
};

}  // namespace zev
