#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/assessment_dialog.h"

namespace zev {

// What the assessment entry dialogs share: the names at the top, the
// buttons for comments, descriptions and help, and OK and Cancel.
class CEntryDialog : public CDialogView {
  Q_OBJECT

 protected:
  CEntryDialog(CAssessmentDialog& presenter, QWidget* parent, const char* objectName);

  // Builds the layout around the dialog's own part.
  void Assemble(QWidget* body, bool bEvidence);
  virtual void ProvideEvidence() {}

 private:
  CAssessmentDialog& m_presenter;
};

}  // namespace zev
