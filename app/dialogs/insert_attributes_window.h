#pragma once

#include <QDialog>

#include "elicitation/insert_attributes_presenter.h"

class QLabel;
class QRadioButton;

namespace zev {

// The modeless "Insert Attributes" window: four ways of inserting an
// attribute next to the current one, whose name it shows.
class CInsertAttributesWindow : public QDialog {
  Q_OBJECT

 public:
  CInsertAttributesWindow(CMADMDoc& doc, QWidget* parent);

  // Shows the name of the attribute that is current now.
  void ShowCurrentAttribute();

 private:
  CInsertAttributesPresenter m_p;
  QLabel* m_pCurrent;
  QRadioButton* m_pChoices[4] = {};
};

}  // namespace zev
