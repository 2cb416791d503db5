#include "elicitation/pairwise_presenter.h"

#include <algorithm>
#include <cmath>

#include "elicitation/text_presenter.h"
#include "model/format.h"

namespace zev {

namespace {

constexpr double kWeightFloor = 0.00001;

std::string ListNumber(double d) { return Format("%-1.6lf", d); }

}  // namespace

const std::vector<std::string>& CPairwisePresenter::RatioPresets() {
  static const std::vector<std::string> presets = {"1/9", "1/8", "1/7", "1/6", "1/5", "1/4",
                                                   "1/3", "1/2", "1",   "2",   "3",   "4",
                                                   "5",   "6",   "7",   "8",   "9"};
  return presets;
}

const char* CPairwisePresenter::AdviceText() {
  return "If all the comparisons are completely consistent, the "
         "inconsistence index will be zero and vice versa. In this "
         "case, the weights generated using any of the three methods "
         "will be the same. This will happen if only one attribute is "
         "selected to compare with all the other attributes and only "
         "these comparisons are used to generate weights.\n\n "
         "If the inconsistence index is less than 0.01, the comparisons "
         "can be regarded sufficiently consistent. In this case, the weights "
         "generated using the three methods should be similar.\n\n"
         "If the inconsistence index is less than 0.1 but larger than 0.01, "
         "the comparisons can be regarded reasonably consistent. In this "
         "case, the weights generated using the three methods may be "
         "slightly different. You could choose the weights generated using "
         "one of the three methods that you prefer.\n\n"
         "If the inconsistence index is larger than 0.1, the comparisons may "
         "involve considerable inconsistency. If the weights generated using "
         "the three methods are noticeably different, then the comparisons may "
         "need to be modified. If this is not possible, the mixed approach "
         "could be used to generate a set of average weights.";
}

CPairwisePresenter::CPairwisePresenter(SWeightGroup group)
    : m_group(std::move(group)),
      m_strComments(m_group.m_strComments),
      m_matrix(std::max(1, m_group.Count()), std::max(1, m_group.Count())) {
  Reset();
}

// The state of opening: the model's order, the matrix from the weights
// (each at least 0.00001 in magnitude), nothing selected.
void CPairwisePresenter::Reset() {
  const int n = Count();
  m_order.resize(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) m_order[static_cast<size_t>(i)] = i;
  m_dWeights = m_group.m_dWeights;
  std::vector<double> w(static_cast<size_t>(n));
  for (size_t i = 0; i < w.size(); ++i) w[i] = std::max(std::fabs(m_dWeights[i]), kWeightFloor);
  m_matrix.Fill(1.0);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j)
      m_matrix(i, j) = w[static_cast<size_t>(i)] / w[static_cast<size_t>(j)];
  }
  m_comparisons.clear();
  m_dIndex = 0.0;
  m_nSelected = 0;
  m_nUnder = 0;
  m_nCompared = 1;
  m_bComparing = false;
  m_bEditing = false;
  m_bCompared = false;
  m_strRatio.clear();
}

const std::string& CPairwisePresenter::NameAt(int place) const {
  return m_group.m_strNames[Index(place)];
}

std::string CPairwisePresenter::WeightText(int place) const { return ListNumber(WeightAt(place)); }

std::string CPairwisePresenter::ComparedName() const {
  return m_bComparing ? NameAt(m_nCompared) : std::string();
}

std::string CPairwisePresenter::IndexText() const { return ListNumber(m_dIndex); }

// The matrix follows the names: rows and columns p and q trade places.
void CPairwisePresenter::SwapPlaces(int p, int q) {
  if (p == q) return;
  std::swap(m_order[static_cast<size_t>(p)], m_order[static_cast<size_t>(q)]);
  const int n = Count();
  for (int j = 0; j < n; ++j) std::swap(m_matrix(p, j), m_matrix(q, j));
  for (int i = 0; i < n; ++i) std::swap(m_matrix(i, p), m_matrix(i, q));
}

void CPairwisePresenter::ShowPair() {
  m_bComparing = true;
  m_strRatio = ListNumber(m_matrix(m_nUnder, m_nCompared));
  SetFocusField(kFieldRatio);
}

void CPairwisePresenter::ConfirmSelection() {
  if (m_bComparing || m_nChoice < 0 || m_nChoice >= Count()) return;
  const int place =
      static_cast<int>(std::find(m_order.begin(), m_order.end(), m_nChoice) - m_order.begin());
  if (place < m_nSelected) {
    m_nUnder = place;
  } else {
    SwapPlaces(place, m_nSelected);
    m_nUnder = m_nSelected++;
  }
  m_nCompared = m_nUnder + 1;
  if (m_nCompared < Count()) ShowPair();
}

bool CPairwisePresenter::ConfirmComparison() {
  if (!m_bComparing) return true;
  double r = 0.0;
  if (!ReadComparisonRatio(m_strRatio, r)) {
    ThePrompter().Warning(
        "The compariosn ratio must be a non-negative real number, "
        "or a fraction in the form of a/b with a and b being two "
        "non-negative real numbers");
    SetFocusField(kFieldRatio);
    return false;
  }
  m_matrix(m_nUnder, m_nCompared) = r;
  m_matrix(m_nCompared, m_nUnder) = 1.0 / r;
  ++m_nCompared;
  if (m_nCompared < Count() && !m_bEditing) {
    ShowPair();
  } else {
    EndCycle();
  }
  return true;
}

// Every pair of attributes not yet selected is derived from the row just
// compared, and the list shows every pair with a selected attribute.
void CPairwisePresenter::EndCycle() {
  const int n = Count();
  const int i = m_nUnder;
  for (int p = m_nSelected; p < n; ++p) {
    for (int q = p + 1; q < n; ++q) {
      m_matrix(p, q) = m_matrix(i, q) / m_matrix(i, p);
      m_matrix(q, p) = 1.0 / m_matrix(p, q);
    }
  }
  m_comparisons.clear();
  for (int p = 0; p < m_nSelected; ++p) {
    for (int q = p + 1; q < n; ++q) {
      m_comparisons.push_back({NameAt(p), ListNumber(m_matrix(p, q)), NameAt(q), p, q});
    }
  }
  m_bComparing = false;
  m_bEditing = false;
  m_bCompared = true;
  m_strRatio.clear();
  SetFocusField(kFieldAttribute);
}

void CPairwisePresenter::EditComparison(int row) {
  if (!ResultsEnabled() || row < 0 || row >= static_cast<int>(m_comparisons.size())) return;
  const SComparison& c = m_comparisons[static_cast<size_t>(row)];
  m_nUnder = c.m_nPlace;
  m_nCompared = c.m_nOther;
  m_bEditing = true;
  ShowPair();
}

void CPairwisePresenter::ClearAll() {
  if (m_bComparing) return;
  if (ThePrompter().AskYesNo("Do you really want to clear all comparisons?", EIcon::Question, 1) !=
      EAnswer::Yes) {
    return;
  }
  Reset();
}

void CPairwisePresenter::CalculateWeights() {
  if (m_bComparing || Count() == 0) return;
  const SGeneratedWeights generated = GenerateWeights(m_matrix, m_method);
  for (int p = 0; p < Count(); ++p)
    m_dWeights[Index(p)] = generated.m_dWeights[static_cast<size_t>(p)];
  m_dIndex = generated.ShownIndex();
}

void CPairwisePresenter::Advice() { ThePrompter().Information(AdviceText()); }

void CPairwisePresenter::Comments() {
  if (m_bComparing || m_nChoice < 0 || m_nChoice >= Count()) return;
  std::string& text = m_strComments[static_cast<size_t>(m_nChoice)];
  text = CTextPresenter::Edit("ZEV Dialog: Attribute Description",
                              m_group.m_strNames[static_cast<size_t>(m_nChoice)], text);
}

EDialogAction CPairwisePresenter::Ok() {
  double sum = 0.0;
  for (double w : m_dWeights) sum += w;
  if (sum <= kWeightFloor)
    ThePrompter().Error("Zero weights are wrongly assigned to all the attributes\n");
  return EDialogAction::CloseOk;
}

SWeightGroup CPairwisePresenter::Result() const {
  SWeightGroup result = m_group;
  result.m_dWeights = m_dWeights;
  result.m_strComments = m_strComments;
  return result;
}

void PairwiseComparisonCommand(CMADMDoc& doc) {
  RunWeightDialog<CPairwisePresenter>(doc,
                                      "This is the top attribute.\n"
                                      "No comparison is needed. ");
}

}  // namespace zev
