#pragma once

#include <vector>

#include "app/dialogs/dialog_view.h"
#include "elicitation/weight_scoring_presenter.h"

class QLineEdit;
class QRadioButton;
class QTreeWidget;

namespace zev {

class CChartWidget;

// The visual scoring of the weights of an attribute and its siblings: one
// bar per attribute, dragged to its score or typed under "Weight:", on the
// chosen scale and style.
class CWeightScoringDialog : public CDialogView {
  Q_OBJECT

 public:
  CWeightScoringDialog(CWeightScoringPresenter& presenter, QWidget* parent = nullptr);

  CChartWidget* Chart() const { return m_pChart; }

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }
  // Enter in "Weight:" confirms the weight rather than the dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ConfirmWeight();
  // The chart, the list, the field and the choices from the presenter.
  void ShowState();

  CWeightScoringPresenter& m_p;
  CChartWidget* m_pChart;
  QTreeWidget* m_pList;
  QLineEdit* m_pWeight;
  std::vector<QRadioButton*> m_scales;
  QRadioButton* m_pNormalised;
  QRadioButton* m_pNotNormalised;
};

}  // namespace zev
