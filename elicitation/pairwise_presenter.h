#pragma once

#include <string>
#include <vector>

#include "elicitation/weight_generation.h"
#include "elicitation/weight_group.h"
#include "engine/matrix.h"
#include "model/prompter.h"

namespace zev {

// The pairwise comparison of the children of one father. The user selects
// an attribute and compares it with every attribute after it in the working
// order, in which selected attributes are moved to the front; the pairs of
// attributes not yet selected are derived from the selected one. Weights are
// generated from the matrix on request.
class CPairwisePresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "PairwiseComparison";
  static constexpr const char* kFieldRatio = "ratio";
  static constexpr const char* kFieldAttribute = "attribute";

  // One row of the list of provided comparisons.
  struct SComparison {
    std::string m_strSelected;  // "Attribute Selected"
    std::string m_strTimes;     // "times a.i.a."
    std::string m_strCompared;  // "Attribute Compared to"
    int m_nPlace;               // the two places in the working order
    int m_nOther;
  };

  explicit CPairwisePresenter(SWeightGroup group);

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Pairwise Comparisons of Attributes"; }
  static const std::vector<std::string>& RatioPresets();
  static const char* AdviceText();

  int Count() const { return m_group.Count(); }
  // The names in the model's order, as the attribute choice offers them.
  const std::vector<std::string>& ChoiceNames() const { return m_group.m_strNames; }
  // The working order: name, generated weight ("%-1.6lf") and comparison
  // A(p, q) at places p and q.
  const std::string& NameAt(int place) const;
  double WeightAt(int place) const { return m_dWeights[Index(place)]; }
  std::string WeightText(int place) const;
  double Ratio(int p, int q) const { return m_matrix(p, q); }
  int SelectedCount() const { return m_nSelected; }
  int UnderSelection() const { return m_nUnder; }
  int ComparedPlace() const { return m_nCompared; }
  // The attribute the one under selection is being compared to; "" when
  // no comparison is under way.
  std::string ComparedName() const;
  const std::vector<SComparison>& Comparisons() const { return m_comparisons; }

  // Which controls are available: during a comparison only the ratio field
  // and "Confirm &comparison"; otherwise the attribute choice and "Confirm
  // &selection", and once a comparison was made the list, "Calculate
  // &weights" and "Clea&r all comparisons".
  bool Comparing() const { return m_bComparing; }
  bool Editing() const { return m_bEditing; }
  bool ResultsEnabled() const { return !m_bComparing && m_bCompared; }

  EWeightMethod Method() const { return m_method; }
  void SetMethod(EWeightMethod method) { m_method = method; }
  // The inconsistency index as last calculated, 0 at most 1e-6.
  double Index() const { return m_dIndex; }
  std::string IndexText() const;

  // The fields.
  std::string m_strRatio;
  int m_nChoice = 0;  // the attribute chosen, in the model's order

  // "Confirm &selection" of the chosen attribute.
  void ConfirmSelection();
  // "Confirm &comparison" of the ratio field: false after the refusal.
  bool ConfirmComparison();
  // A double-click on row `row` of the list: that one pair is compared again.
  void EditComparison(int row);
  // "Clea&r all comparisons", after its question.
  void ClearAll();
  void CalculateWeights();
  static void Advice();
  // "Co&mments" on the chosen attribute.
  void Comments();
  EDialogAction Ok();
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

  // The confirmed weights and comments, back in the model's order.
  SWeightGroup Result() const;

 private:
  size_t Index(int place) const { return static_cast<size_t>(m_order[static_cast<size_t>(place)]); }
  void Reset();
  void SwapPlaces(int p, int q);
  void ShowPair();
  void EndCycle();

  SWeightGroup m_group;
  std::vector<int> m_order;        // m_group index at each place
  std::vector<double> m_dWeights;  // by m_group index
  std::vector<std::string> m_strComments;
  CMatrix m_matrix;  // in working order
  std::vector<SComparison> m_comparisons;
  EWeightMethod m_method = EWeightMethod::Eigenvector;
  double m_dIndex = 0.0;
  int m_nSelected = 0;
  int m_nUnder = 0;
  int m_nCompared = 1;
  bool m_bComparing = false;
  bool m_bEditing = false;
  bool m_bCompared = false;
};

// Estimate Weight, "Pairwise &Comparison": on the siblings of the current
// attribute; writes their weights and comments when confirmed.
void PairwiseComparisonCommand(CMADMDoc& doc);

}  // namespace zev
