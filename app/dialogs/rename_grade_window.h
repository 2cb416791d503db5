#pragma once

#include <QDialog>

#include "elicitation/rename_grade_presenter.h"

class QLineEdit;

namespace zev {

class CFocusGuard;

// The modeless window "Change the name of a grade in all attributes".
class CRenameGradeWindow : public QDialog {
  Q_OBJECT

 public:
  CRenameGradeWindow(CMADMDoc& doc, QWidget* parent);

 private:
  CRenameGradePresenter m_p;
  CFocusGuard* m_pGuard;
  QLineEdit* m_pFrom;
  QLineEdit* m_pTo;
};

}  // namespace zev
