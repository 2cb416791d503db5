#pragma once

#include <vector>

#include "analysis/sensitivity_presenter.h"
#include "analysis/sensitivity_rules.h"

namespace zev {

// The window "Sensitivity of alternative rankings to the changes of
// attribute weights": the weights of one sibling group as bars to drag, and
// on the right the ranking, the belief degrees or the rank change graph.
// Weight changes go straight into the document; closing keeps them or puts
// the opening weights back.
class CWeightSensitivityPresenter : public CSensitivityPresenter {
 public:
  static constexpr int kWindow = 215;
  static constexpr const char* kTitle =
      "ZEV Dialog: Sensitivity of alternative rankings to the changes of attribute weights";
  enum class EGraph { Ranking, Belief, RankChange };
  static constexpr const char* kPickChoice =
      "Click this button if you want to select attributes for &Changing weights";

  // Opens on the document's current attribute, which must not be the top.
  explicit CWeightSensitivityPresenter(CMADMDoc& doc);
  // Why the window cannot open on the current attribute ("" when it can).
  static std::string OpeningRefusal(const CMADMDoc& doc);

  int WeightAttribute() const { return m_nWeightAttribute; }
  const SWeightAxis& Axis() const { return m_axis; }
  EGraph Graph() const { return m_graph; }
  bool Normalise() const { return m_bNormalise; }
  bool WeightsChanged() const { return m_bWeightsChanged; }

  // Bar `point` of the weight graph dragged to a value.
  void DragWeight(int point, double dValue);
  void SetNormalise(bool bOn);
  void ShowGraph(EGraph graph);
  void RedrawRight() override;
  // Follows a change made elsewhere and draws both graphs again from the
  // document. The opening weights follow their attributes, so that No on
  // closing puts each back on its own attribute; a new attribute keeps the
  // weight it came with.
  void FollowDocument(const SDocChange& change) override;
  // Marks, opening weights and scale as on opening.
  void Restart();
  // The zero-weight warning, and the question whether to keep changed weights.
  void Close();

 private:
  void PickAttribute(int k) override;
  void DrawWeightGraph();
  // Every change this window makes to the model goes through here.
  void WriteWeight(int k, double dWeight);
  void PutBackOpeningWeights();
  void ScaleSiblings(double dFactor);

  int m_nWeightAttribute = 1;
  std::vector<double> m_openingWeights;
  bool m_bWeightsChanged = false;
  SWeightAxis m_axis;
  EGraph m_graph = EGraph::Ranking;
  bool m_bNormalise = false;
  // The sibling sum and the scale when Normalise was switched on.
  double m_dNormaliseSum = 1.0;
  int m_nNormaliseScale = 0;
};

}  // namespace zev
