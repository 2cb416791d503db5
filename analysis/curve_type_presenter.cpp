#include "analysis/curve_type_presenter.h"

#include "model/format.h"
#include "model/number.h"

namespace zev {

std::string ThresholdText(double d) { return Format("%-1.4lf", d); }

CCurveTypePresenter::CCurveTypePresenter(const SCurveType& curveType)
    : m_result(curveType),
      m_strDifference(zev::ThresholdText(curveType.m_dDifference)),
      m_strLevel(zev::ThresholdText(curveType.m_dLevel)) {}

std::string& CCurveTypePresenter::Text(ECurveType type) {
  return type == ECurveType::Level ? m_strLevel : m_strDifference;
}

double& CCurveTypePresenter::Threshold(ECurveType type) {
  return type == ECurveType::Level ? m_result.m_dLevel : m_result.m_dDifference;
}

const std::string& CCurveTypePresenter::ThresholdText(ECurveType type) const {
  return type == ECurveType::Level ? m_strLevel : m_strDifference;
}

void CCurveTypePresenter::SetThresholdText(ECurveType type, std::string text) {
  Text(type) = std::move(text);
}

void CCurveTypePresenter::SetThreshold(ECurveType type, double d) {
  Threshold(type) = d;
  Text(type) = zev::ThresholdText(d);
}

bool CCurveTypePresenter::Refuse(ECurveType type) {
  SetFocusField(type == ECurveType::Level ? kFieldLevel : kFieldDifference);
  ThePrompter().Warning(kThresholdMessage);
  return false;
}

bool CCurveTypePresenter::Read(ECurveType type, double& d) {
  // The shown text of the held threshold stands for it in full precision.
  d = Threshold(type);
  return Text(type) == zev::ThresholdText(d) || ReadNonNegativeNumber(Text(type), d);
}

bool CCurveTypePresenter::ThresholdFocusLost(ECurveType type) {
  double d = 0.0;
  if (!Read(type, d) || d - 1.0 > kThresholdTolerance) return Refuse(type);
  SetThreshold(type, d);
  return true;
}

EDialogAction CCurveTypePresenter::Ok() {
  const ECurveType type = m_result.m_type;
  if (type == ECurveType::Difference || type == ECurveType::Level) {
    double d = 0.0;
    if (!Read(type, d)) {
      Refuse(type);
      return EDialogAction::Stay;
    }
    SetThreshold(type, d - 1.0 > kThresholdTolerance ? 1.0 : d);
  }
  return EDialogAction::CloseOk;
}

bool CCurveTypePresenter::Choose(SCurveType& curveType) {
  CCurveTypePresenter dialog(curveType);
  if (!ThePrompter().RunModal(dialog)) return false;
  curveType = dialog.Result();
  return true;
}

}  // namespace zev
