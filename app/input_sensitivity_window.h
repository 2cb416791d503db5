#pragma once

#include "analysis/input_sensitivity_presenter.h"
#include "app/sensitivity_window.h"

namespace zev {

// "Sensitivity of alternative rankings to input data": the current
// alternative's input on a bottom attribute as bars to drag, and the
// ranking beside them.
class CInputSensitivityWindow : public CSensitivityWindow {
  Q_OBJECT

 public:
  CInputSensitivityWindow(CModelCommands& commands, QWidget* parent);

  CInputSensitivityPresenter& Presenter() { return m_presenter; }

 protected:
  void Dragged(int point, double dValue) override {
    m_commands.RecordStep("Change Input Data", [&] { m_presenter.Drag(point, dValue); });
  }
  void FollowDocument(const SDocChange& change) override;
  void Closing() override { m_presenter.Close(); }

 private:
  CInputSensitivityPresenter m_presenter;
};

}  // namespace zev
