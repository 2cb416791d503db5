#pragma once

#include "analysis/curve_type_presenter.h"
#include "app/dialogs/dialog_view.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace zev {

// The choice of what the visual comparison draws: four types, and for the
// two threshold types a direction, a threshold field and a scale from 0 to
// 1 that move together. Only the chosen type's inputs can be edited.
class CCurveTypeDialog : public CDialogView {
  Q_OBJECT

 public:
  CCurveTypeDialog(CCurveTypePresenter& presenter, QWidget* parent = nullptr);

  QRadioButton* TypeButton(ECurveType type) const { return m_types[Index(type)]; }
  QComboBox* Direction(ECurveType type) const { return m_directions[Row(type)]; }
  QLineEdit* Threshold(ECurveType type) const { return m_thresholds[Row(type)]; }
  QSlider* Scale(ECurveType type) const { return m_scales[Row(type)]; }

  // Steps of the scale from 0 to 1.
  static constexpr int kScaleSteps = 1000;

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  static int Index(ECurveType type) { return static_cast<int>(type); }
  // Difference is row 0 of the threshold inputs, Level row 1.
  static int Row(ECurveType type) { return type == ECurveType::Level ? 1 : 0; }
  void ShowThreshold(ECurveType type);
  void ShowEnabled();

  CCurveTypePresenter& m_p;
  QRadioButton* m_types[4] = {};
  QComboBox* m_directions[2] = {};
  QLineEdit* m_thresholds[2] = {};
  QSlider* m_scales[2] = {};
};

}  // namespace zev
