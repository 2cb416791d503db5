#include "elicitation/weight_scoring_presenter.h"

#include <algorithm>
#include <cmath>

#include "elicitation/assessment_rules.h"
#include "elicitation/pairwise_presenter.h"
#include "elicitation/text_presenter.h"
#include "model/format.h"

namespace zev {

namespace {

constexpr double kDragTolerance = 1e-8;
constexpr double kTolerance = 0.00001;

}  // namespace

CWeightScoringPresenter::CWeightScoringPresenter(SWeightGroup group)
    : m_group(std::move(group)), m_strComments(m_group.m_strComments) {
  Start();
}

double CWeightScoringPresenter::ScaleMax(int scale) {
  return scale <= 0 ? 1.0 : scale == 1 ? 10.0 : 100.0;
}

const char* CWeightScoringPresenter::ScaleText(int scale) {
  return scale <= 0 ? "[0, 1]" : scale == 1 ? "[0, 10]" : "[0, 100]";
}

std::string CWeightScoringPresenter::ScoreText(int i) const { return Format("%-1.6lf", Score(i)); }

// The scores from the weights, on the smallest scale that holds them all;
// weights beyond 100 are scaled down so that the largest is 100.
void CWeightScoringPresenter::Start() {
  m_dScores = m_group.m_dWeights;
  m_nScale = 0;
  m_bNormalised = false;
  double largest = 0.0;
  for (double w : m_dScores) {
    if (m_nScale == 0 && w > 1.00001) m_nScale = 1;
    if (m_nScale < 2 && w > 10.00001) m_nScale = 2;
    largest = std::max(largest, w);
  }
  if (largest > 100.00001) {
    for (double& s : m_dScores) s = s / largest * 100.0;
  }
  Select(0);
}

void CWeightScoringPresenter::Select(int i) {
  if (i < 0 || i >= Count()) return;
  m_nSelected = i;
  m_weight.Set(Score(i));
}

double CWeightScoringPresenter::Sum() const {
  double sum = 0.0;
  for (double s : m_dScores) sum += s;
  return sum;
}

void CWeightScoringPresenter::Normalise() {
  double sum = Sum();
  if (sum < kTolerance) sum = kTolerance;
  for (double& s : m_dScores) s = s / sum * ScaleMax();
}

void CWeightScoringPresenter::Store(double value) {
  m_dScores[static_cast<size_t>(m_nSelected)] = value;
  if (m_bNormalised) Normalise();
  m_weight.Set(Score(m_nSelected));
}

void CWeightScoringPresenter::Drag(int series, int point, double value) {
  if (series != 0 || point < 0 || point >= Count()) return;
  Select(point);
  if (value - ScaleMax() >= kDragTolerance) value = ScaleMax();
  if (value <= kDragTolerance) value = 0.0;
  Store(value);
}

bool CWeightScoringPresenter::ConfirmWeight() {
  if (Count() == 0) return true;
  double value = 0.0;
  const char* refusal = nullptr;
  if (!m_weight.Read(value))
    refusal = kNotANumberMessage;
  else if (value < -kTolerance || value > ScaleMax() + kTolerance)
    refusal = "The assigned weight is outside the chosen range.";
  if (refusal) {
    ThePrompter().Warning(refusal);
    SetFocusField(kFieldWeight);
    return false;
  }
  Store(value);
  return true;
}

void CWeightScoringPresenter::SetScale(int scale) {
  scale = std::clamp(scale, 0, kScales - 1);
  if (scale == m_nScale) return;
  const double ratio = ScaleMax(scale) / ScaleMax();
  m_nScale = scale;
  if (m_bNormalised) {
    Normalise();
  } else {
    for (double& s : m_dScores) s *= ratio;
  }
  Select(m_nSelected);
}

void CWeightScoringPresenter::SetNormalised(bool bNormalised) {
  if (bNormalised == m_bNormalised) {
    if (bNormalised) Normalise();
  } else if (bNormalised) {
    m_dRememberedSum = Sum();
    m_nRememberedScale = m_nScale;
    m_bNormalised = true;
    Normalise();
  } else {
    m_bNormalised = false;
    double sum = Sum();
    if (std::fabs(sum) < kTolerance) sum = kTolerance;
    const double target = m_dRememberedSum * ScaleMax() / ScaleMax(m_nRememberedScale);
    double largest = 0.0;
    for (double& s : m_dScores) {
      s = s / sum * target;
      largest = std::max(largest, s);
    }
    // Scores moved while normalised may no longer fit the scale: the
    // largest is brought back to its top.
    if (largest - ScaleMax() > kTolerance) {
      for (double& s : m_dScores) s = s / largest * ScaleMax();
    }
  }
  Select(m_nSelected);
}

void CWeightScoringPresenter::Restart() {
  if (ThePrompter().AskYesNo("This will clear all assignments and start again.\n\n"
                             "Do you really want to restart the process? ",
                             EIcon::Question, 1) != EAnswer::Yes) {
    return;
  }
  Start();
}

void CWeightScoringPresenter::Comments() {
  if (Count() == 0) return;
  std::string& text = m_strComments[static_cast<size_t>(m_nSelected)];
  text = CTextPresenter::Edit("ZEV Dialog: Attribute Description", Name(m_nSelected), text);
}

SWeightGroup CWeightScoringPresenter::Result() const {
  SWeightGroup result = m_group;
  result.m_dWeights = m_dScores;
  result.m_strComments = m_strComments;
  return result;
}

void WeightVisualScoringCommand(CMADMDoc& doc) {
  RunWeightDialog<CWeightScoringPresenter>(doc,
                                           "This is the top attribute.\n"
                                           "No weight needs to be assigned. ");
}

void WeightSelectMethodsCommand(CMADMDoc& doc) {
  CWeightMethodPresenter presenter;
  if (!ThePrompter().RunModal(presenter)) return;
  if (presenter.m_nChoice == CWeightMethodPresenter::kPairwise)
    PairwiseComparisonCommand(doc);
  else
    WeightVisualScoringCommand(doc);
}

}  // namespace zev
