#pragma once

#include <string>

#include "model/alternative.h"
#include "model/prompter.h"

namespace zev {

// What every assessment entry dialog has in common: the alternative and
// attribute it assesses, the father's name, the comments and evidence texts
// it edits, and the buttons that show descriptions and help.
class CAssessmentDialog : public CDialogPresenter {
 public:
  CAssessmentDialog(const CAlternative& alternative, int nAttribute, std::string fatherName,
                    std::string comments, std::string evidence);

  std::string AlternativeName() const { return m_alternative.m_strName.Str(); }
  std::string AttributeName() const { return Record().m_strName.Str(); }
  const std::string& FatherName() const { return m_strFather; }
  int AttributeIndex() const { return m_nAttribute; }

  // The comments and evidence as edited so far; written to the record after
  // the dialog ends, whether it was confirmed or not.
  const std::string& Comments() const { return m_strComments; }
  const std::string& Evidence() const { return m_strEvidence; }

  // "&Provide Comments". This plain window serves certain-value, number and
  // uncertain entry; qualitative entry shows the grades beside the text.
  virtual void ProvideComments();
  // "Al&ternative Definition" and "&Attribute Definition": the description
  // in an information box.
  void AlternativeDefinition() const;
  void AttributeDefinition() const;
  // "Ho&w to Assess": the help text in an information box.
  void HowToAssess() const;
  virtual std::string HelpText() const = 0;

  // True once OK has accepted the dialog's fields.
  bool Accepted() const { return m_bAccepted; }

 protected:
  const CAssessment& Record() const { return m_alternative.Record(m_nAttribute); }
  // Shows the warning and moves the focus to the field; the dialog stays.
  EDialogAction Refuse(const std::string& message, std::string field);

  const CAlternative& m_alternative;
  int m_nAttribute;
  std::string m_strFather;
  std::string m_strComments;
  std::string m_strEvidence;
  bool m_bAccepted = false;
};

}  // namespace zev
