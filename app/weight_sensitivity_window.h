#pragma once

#include "analysis/weight_sensitivity_presenter.h"
#include "app/sensitivity_window.h"

class QCheckBox;

namespace zev {

// "Sensitivity of alternative rankings to the changes of attribute
// weights": the weights of a sibling group as bars to drag, and the
// ranking, belief or rank change graph beside them.
class CWeightSensitivityWindow : public CSensitivityWindow {
  Q_OBJECT

 public:
  CWeightSensitivityWindow(CModelCommands& commands, QWidget* parent);

  CWeightSensitivityPresenter& Presenter() { return m_presenter; }
  QCheckBox* NormaliseBox() const { return m_pNormalise; }

 protected:
  void ShowState() override;
  void ClickedAttribute(int k) override;
  void Dragged(int point, double dValue) override;
  void FollowDocument(const SDocChange& change) override;
  void Closing() override;

 private:
  CWeightSensitivityPresenter m_presenter;
  QCheckBox* m_pNormalise = nullptr;
};

}  // namespace zev
