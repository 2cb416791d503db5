#pragma once

#include <vector>

#include "app/dialogs/dialog_view.h"
#include "elicitation/pairwise_presenter.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace zev {

// The pairwise comparison of an attribute and its siblings: an attribute is
// selected and compared with the attributes after it, the comparisons are
// listed (a double-click compares a pair again), and weights are generated
// from them by the chosen method.
class CPairwiseDialog : public CDialogView {
  Q_OBJECT

 public:
  CPairwiseDialog(CPairwisePresenter& presenter, QWidget* parent = nullptr);

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }
  // Enter acts on the control that has the focus: the ratio confirms the
  // comparison, the attribute choice the selection, the list edits the
  // chosen comparison.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ConfirmSelection();
  void ConfirmComparison();
  void EditComparison();
  // Puts the presenter's state into the widgets and locks what is not
  // available now.
  void ShowState();

  CPairwisePresenter& m_p;
  QComboBox* m_pAttribute;
  QPushButton* m_pSelect;
  QLabel* m_pUnder;
  QLabel* m_pCompared;
  QComboBox* m_pRatio;
  QPushButton* m_pCompare;
  QTreeWidget* m_pComparisons;
  QTreeWidget* m_pWeights;
  std::vector<QRadioButton*> m_methods;
  QPushButton* m_pCalculate;
  QPushButton* m_pClear;
  QPushButton* m_pComments;
  QLineEdit* m_pIndex;
};

}  // namespace zev
