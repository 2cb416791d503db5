#include "analysis/weight_sensitivity_presenter.h"

#include <algorithm>

#include "analysis/reevaluation.h"
#include "analysis/sensitivity_charts.h"
#include "model/prompter.h"

namespace zev {

namespace {

// What switching Normalise off multiplies by besides the saved sum.
double InverseScaleTop(int nScale) { return nScale <= 0 ? 1.0 : nScale == 1 ? 0.1 : 0.01; }

const char* const kTopRefusal =
    "To draw a weight graph, at least\n"
    "one sub-attribute has to be selected.";

}  // namespace

CWeightSensitivityPresenter::CWeightSensitivityPresenter(CMADMDoc& doc)
    : CSensitivityPresenter(doc), m_nWeightAttribute(doc.CurrentAttribute()) {
  ReevaluateKeepingMarks(m_doc);
  ResetMarks();
  for (int k = 0; k <= m_doc.LastAttribute(); ++k) {
    m_openingWeights.push_back(m_doc.Attribute(k).m_dWeight);
  }
  DrawWeightGraph();
  ShowGraph(EGraph::Ranking);
}

std::string CWeightSensitivityPresenter::OpeningRefusal(const CMADMDoc& doc) {
  return doc.CurrentAttribute() == 0 ? kTopRefusal : "";
}

void CWeightSensitivityPresenter::DrawWeightGraph() {
  double largest = 0.0;
  for (int k : SiblingsOf(m_doc, m_nWeightAttribute)) {
    largest = std::max(largest, m_doc.Attribute(k).m_dWeight);
  }
  m_axis = WeightAxisFor(largest);
  m_left = WeightGraph(m_doc, m_nWeightAttribute, m_axis);
}

void CWeightSensitivityPresenter::FollowDocument(const SDocChange& change) {
  if (change.m_kind == EDocChange::Selection || change.m_kind == EDocChange::Results) return;
  FollowMarks(change);
  const int r = change.m_nRemovedAttribute;
  if (r >= 0 && r < static_cast<int>(m_openingWeights.size())) {
    m_openingWeights.erase(m_openingWeights.begin() + r);
  }
  const size_t n = static_cast<size_t>(m_doc.AttributeCount());
  // Another file, or an undo that brought back or took away attributes
  // anywhere in the hierarchy: the opening weights can no longer be matched
  // to their attributes, so the weights as they stand become the ones a No
  // on closing keeps, rather than writing weights onto the wrong attributes.
  const bool bReplaced = change.m_kind == EDocChange::Loaded ||
                         (change.m_kind == EDocChange::Model && m_openingWeights.size() != n);
  if (bReplaced) m_openingWeights.clear();
  if (m_openingWeights.size() > n) m_openingWeights.resize(n);
  while (m_openingWeights.size() < n) {
    m_openingWeights.push_back(
        m_doc.Attribute(static_cast<int>(m_openingWeights.size())).m_dWeight);
  }
  const int k = FollowAttribute(change, m_nWeightAttribute);
  if (k < 1 || k > m_doc.LastAttribute()) {
    m_nWeightAttribute = m_doc.LastAttribute() >= 1 ? 1 : 0;
    // The saved sum belonged to the group that went; nothing is scaled back.
    m_bNormalise = false;
  } else {
    m_nWeightAttribute = k;
  }
  if (m_nWeightAttribute >= 1) {
    DrawWeightGraph();
  } else {
    m_left = ChartContent();
  }
  // Redrawn only where no refusal would interrupt an edit made elsewhere.
  const bool bQuiet = HasMarks() && (m_graph != EGraph::Belief ||
                                     m_doc.Attribute(RankingAttribute()).m_nType == Qualitative);
  if (bQuiet && (m_graph != EGraph::RankChange || m_nWeightAttribute >= 1)) RedrawRight();
}

void CWeightSensitivityPresenter::WriteWeight(int k, double dWeight) {
  m_doc.Attribute(k).m_dWeight = dWeight;
  m_doc.PublishChanges({EDocChange::Attribute, k, -1});
}

void CWeightSensitivityPresenter::ScaleSiblings(double dFactor) {
  for (int k : SiblingsOf(m_doc, m_nWeightAttribute)) {
    WriteWeight(k, m_doc.Attribute(k).m_dWeight * dFactor);
  }
}

void CWeightSensitivityPresenter::PickAttribute(int k) {
  if (k == 0) {
    ThePrompter().Warning(kTopRefusal);
    return;
  }
  // Normalising belongs to the sibling group it was switched on for.
  if (m_bNormalise &&
      m_doc.Attribute(k).m_nFather != m_doc.Attribute(m_nWeightAttribute).m_nFather) {
    SetNormalise(false);
  }
  m_nWeightAttribute = k;
  DrawWeightGraph();
  if (m_graph == EGraph::RankChange) RedrawRight();
}

void CWeightSensitivityPresenter::DragWeight(int point, double dValue) {
  const std::vector<int> siblings = SiblingsOf(m_doc, m_nWeightAttribute);
  if (point < 0 || point >= static_cast<int>(siblings.size())) return;
  const int k = siblings[static_cast<size_t>(point)];
  if (TreeMode() != ETreeMode::RankOn) m_nWeightAttribute = k;
  WriteWeight(k, ClampWithTolerance(dValue, 0.0, ScaleMax(m_axis.m_nScale)));
  m_bWeightsChanged = true;
  if (m_bNormalise) {
    double sum = 0.0;
    for (int i : siblings) sum += m_doc.Attribute(i).m_dWeight;
    ScaleSiblings(ScaleMax(m_nNormaliseScale) / std::max(sum, kNormaliseFloor));
  }
  DrawWeightGraph();
  RedrawRight();
}

void CWeightSensitivityPresenter::SetNormalise(bool bOn) {
  if (bOn == m_bNormalise) return;
  m_bNormalise = bOn;
  m_bWeightsChanged = true;
  if (bOn) {
    double sum = 0.0;
    for (int k : SiblingsOf(m_doc, m_nWeightAttribute)) sum += m_doc.Attribute(k).m_dWeight;
    m_dNormaliseSum = std::max(sum, kNormaliseFloor);
    m_nNormaliseScale = m_axis.m_nScale;
    for (int k : SiblingsOf(m_doc, m_nWeightAttribute)) {
      WriteWeight(k, m_doc.Attribute(k).m_dWeight / m_dNormaliseSum * ScaleMax(m_nNormaliseScale));
    }
  } else {
    ScaleSiblings(m_dNormaliseSum * InverseScaleTop(m_nNormaliseScale));
  }
  DrawWeightGraph();
  RedrawRight();
}

void CWeightSensitivityPresenter::ShowGraph(EGraph graph) {
  m_graph = graph;
  RedrawRight();
}

void CWeightSensitivityPresenter::RedrawRight() {
  switch (m_graph) {
    case EGraph::Ranking:
      DrawRanking("Ranking on ");
      return;
    case EGraph::RankChange:
      if (!CheckMarks("To draw an average score graph, at least\n")) return;
      m_right = RankChangeGraph(m_doc, m_nWeightAttribute, RankingAttribute(), m_axis.m_nScale,
                                ShownAlternatives());
      return;
    case EGraph::Belief: {
      if (!CheckMarks("To draw a belief graph, at least\n")) return;
      const int r = RankingAttribute();
      if (m_doc.Attribute(r).m_nType != Qualitative) {
        ThePrompter().Warning(
            "To draw a belief graph, the selected\n"
            "attribute must be a qualitative attribute.");
        return;
      }
      ReevaluateKeepingMarks(m_doc);
      m_right = BeliefGraph(m_doc, r, ShownAlternatives());
      return;
    }
  }
}

void CWeightSensitivityPresenter::PutBackOpeningWeights() {
  const int n = std::min(m_doc.LastAttribute() + 1, static_cast<int>(m_openingWeights.size()));
  for (int k = 0; k < n; ++k) {
    const double opening = m_openingWeights[static_cast<size_t>(k)];
    if (m_doc.Attribute(k).m_dWeight != opening) WriteWeight(k, opening);
  }
}

void CWeightSensitivityPresenter::Restart() {
  PutBackOpeningWeights();
  m_bNormalise = false;
  m_bWeightsChanged = false;
  ResetMarks();
  m_axis.m_nScale = 0;
  DrawWeightGraph();
  RedrawRight();
}

void CWeightSensitivityPresenter::Close() {
  double sum = 0.0;
  for (double w : m_openingWeights) sum += w;
  if (sum <= kNormaliseFloor)
    ThePrompter().Warning("Zero weights are wrongly assigned to all the attributes\n");
  if (!m_bWeightsChanged) return;
  if (ThePrompter().AskYesNo("Do you want to save the changed weights?", EIcon::Question, 1) ==
      EAnswer::No) {
    PutBackOpeningWeights();
    // The results stored with the model follow the weights it keeps.
    ReevaluateKeepingMarks(m_doc);
  }
}

}  // namespace zev
