#include "elicitation/assessment_dialog.h"

#include "elicitation/text_presenter.h"

namespace zev {

CAssessmentDialog::CAssessmentDialog(const CAlternative& alternative, int nAttribute,
                                     std::string fatherName, std::string comments,
                                     std::string evidence)
    : m_alternative(alternative),
      m_nAttribute(nAttribute),
      m_strFather(std::move(fatherName)),
      m_strComments(std::move(comments)),
      m_strEvidence(std::move(evidence)) {}

void CAssessmentDialog::ProvideComments() {
  m_strComments = CTextPresenter::Edit(
      "ZEV Dialog: Comments about " + AlternativeName() + " on " + AttributeName(), "",
      m_strComments);
}

void CAssessmentDialog::AlternativeDefinition() const {
  ThePrompter().Information(m_alternative.m_strDescription.View());
}

void CAssessmentDialog::AttributeDefinition() const {
  ThePrompter().Information(Record().m_strDescription.View());
}

void CAssessmentDialog::HowToAssess() const { ThePrompter().Information(HelpText()); }

EDialogAction CAssessmentDialog::Refuse(const std::string& message, std::string field) {
  ThePrompter().Warning(message);
  SetFocusField(std::move(field));
  return EDialogAction::Stay;
}

}  // namespace zev
