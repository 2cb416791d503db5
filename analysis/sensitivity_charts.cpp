#include "analysis/sensitivity_charts.h"

#include <algorithm>

#include "analysis/reevaluation.h"
#include "model/format.h"

namespace zev {

namespace {

// A series with its values written on the bars.
void AddLabelledSeries(ChartContent& chart, std::string legend, std::vector<double> values) {
  SChartSeries& series = chart.AddSeries(std::move(legend), std::move(values));
  ChartContent::LabelValues(series, series.m_dValues);
}

std::string Name(const CMADMDoc& doc, int k) { return doc.Attribute(k).m_strName.Str(); }

std::vector<std::string> AlternativeLabels(const CMADMDoc& doc, std::span<const int> positions) {
  std::vector<std::string> labels;
  for (int pos : positions) labels.push_back(ChartLabel(doc.Alternative(pos).m_strName));
  return labels;
}

SChartRange RangeBetween(double a, double b) { return {std::min(a, b), std::max(a, b)}; }

// The trade-off coordinate of a record and its axis.
bool IsPrecise(const CMADMDoc& doc, int k) { return doc.Attribute(k).m_nType == Quantitative; }

std::string TradeOffAxisTitle(const CMADMDoc& doc, int k) {
  const CAttribute& a = doc.Attribute(k);
  return a.m_strName.Str() + (IsPrecise(doc, k) ? " (" + a.m_strUnit.Str() + ")" : " (%)");
}

SChartRange TradeOffRange(const CMADMDoc& doc, int k) {
  const CAttribute& a = doc.Attribute(k);
  return IsPrecise(doc, k) ? RangeBetween(a.m_dBest, a.m_dWorst) : SChartRange{0.0, 100.0};
}

double TradeOffCoordinate(const CMADMDoc& doc, int pos, int k) {
  const CAssessment& r = doc.Alternative(pos).Record(k);
  return IsPrecise(doc, k) ? r.m_dValue : r.m_dAvgUtility * 100.0;
}

}  // namespace

std::vector<int> SiblingsOf(const CMADMDoc& doc, int k) {
  const int father = doc.Attribute(k).m_nFather;
  if (father < 0) return {k};
  int first = k;
  // Back to the first sibling, guarding against a damaged chain.
  for (int steps = 0; steps < kAttributeSlots && doc.Attribute(first).m_nPrevSibling >= 0;
       ++steps) {
    first = doc.Attribute(first).m_nPrevSibling;
  }
  std::vector<int> siblings;
  for (int i = first;
       i >= 0 && i <= doc.LastAttribute() && static_cast<int>(siblings.size()) < kAttributeSlots;
       i = doc.Attribute(i).m_nNextSibling) {
    siblings.push_back(i);
  }
  return siblings;
}

ChartContent WeightGraph(const CMADMDoc& doc, int k, const SWeightAxis& axis) {
  ChartContent chart;
  const int father = doc.Attribute(k).m_nFather;
  chart.SetTitle("Change Weights for " + Name(doc, father >= 0 ? father : k));
  chart.m_strXTitle = "Attribute";
  chart.m_strYTitle = "Weight";
  std::vector<double> weights;
  for (int i : SiblingsOf(doc, k)) {
    chart.m_strPointLabels.push_back(ChartLabel(doc.Attribute(i).m_strName));
    weights.push_back(doc.Attribute(i).m_dWeight);
  }
  AddLabelledSeries(chart, "Weight", std::move(weights));
  chart.m_range = SChartRange{0.0, axis.m_dMax};
  return chart;
}

ChartContent RankingGraph(const CMADMDoc& doc, std::span<const int> attributes,
                          std::span<const int> alternatives, const std::string& titlePrefix) {
  ChartContent chart;
  std::string title = titlePrefix;
  for (size_t i = 0; i < attributes.size(); ++i) {
    title += (i ? ", " : "") + Name(doc, attributes[i]);
  }
  chart.SetTitle(title);
  chart.m_strXTitle = "Alternative";
  chart.m_strYTitle = "Average score";
  chart.m_strPointLabels = AlternativeLabels(doc, alternatives);
  for (int k : attributes) {
    std::vector<double> values;
    for (int pos : alternatives) values.push_back(doc.Alternative(pos).Record(k).m_dAvgUtility);
    AddLabelledSeries(chart, ChartLabel(doc.Attribute(k).m_strName), std::move(values));
  }
  return chart;
}

ChartContent BeliefGraph(const CMADMDoc& doc, int k, std::span<const int> alternatives) {
  ChartContent chart;
  const CAttribute& a = doc.Attribute(k);
  chart.SetTitle("Belief degrees on " + Name(doc, k));
  chart.m_strXTitle = "Evaluation grades of " + Name(doc, k);
  chart.m_strYTitle = "Belief degree";
  const int n = std::clamp(a.m_nGrades, 1, kMaxGrades);
  for (int j = 0; j < n; ++j) chart.m_strPointLabels.push_back(ChartLabel(a.GradeName(j)));
  for (int pos : alternatives) {
    const CAlternative& alternative = doc.Alternative(pos);
    const double* b = alternative.Record(k).m_dBelief;
    AddLabelledSeries(chart, ChartLabel(alternative.m_strName), std::vector<double>(b, b + n));
  }
  return chart;
}

ChartContent RankChangeGraph(CMADMDoc& doc, int w, int r, int nScale,
                             std::span<const int> alternatives) {
  ChartContent chart;
  chart.SetTitle("Average scores of alternatives on " + Name(doc, r));
  chart.m_kind = EChartKind::Curves;
  chart.m_strXTitle = "Weight of " + Name(doc, w);
  chart.m_strYTitle = "Average score";
  const double step = ScaleMax(nScale) / 10.0;
  constexpr int kSteps = 11;
  std::vector<std::vector<double>> values(alternatives.size());
  const double given = doc.Attribute(w).m_dWeight;
  for (int j = 0; j < kSteps; ++j) {
    const double x = j * step;
    chart.m_strPointLabels.push_back(Format("%-1.2lf", x));
    doc.Attribute(w).m_dWeight = x;
    ReevaluateKeepingMarks(doc);
    for (size_t i = 0; i < alternatives.size(); ++i) {
      values[i].push_back(doc.Alternative(alternatives[i]).Record(r).m_dAvgUtility);
    }
  }
  doc.Attribute(w).m_dWeight = given;
  // The results stored with the model follow its weights again.
  ReevaluateKeepingMarks(doc);
  for (size_t i = 0; i < alternatives.size(); ++i) {
    chart.AddSeries(CutText(doc.Alternative(alternatives[i]).m_strName, 100), std::move(values[i]));
  }
  chart.m_line = SChartLine{given * (10.0 / ScaleMax(nScale)), "Given weight"};
  return chart;
}

ChartContent InputGraph(const CMADMDoc& doc, int pos, int k) {
  ChartContent chart;
  const CAttribute& a = doc.Attribute(k);
  const CAlternative& alternative = doc.Alternative(pos);
  const CAssessment& r = alternative.Record(k);
  chart.SetTitle(alternative.m_strName.Str() + " on " + Name(doc, k));
  if (a.m_nType == Quantitative) {
    chart.m_strXTitle = "Value";
    chart.m_strYTitle = "Score";
    chart.m_strPointLabels.push_back(CutText(Format("%-1.4lf", r.m_dValue), 20));
    AddLabelledSeries(chart, "Score", {r.m_dValue});
    chart.m_range = RangeBetween(a.m_dWorst, a.m_dBest);
    return chart;
  }
  chart.m_strYTitle = "Belief Degree";
  int n = 0;
  if (a.m_nType == QuantitativeUncertain) {
    chart.m_strXTitle = "Possible values";
    n = std::clamp(r.m_nPossibleValues, 1, kMaxGrades);
    for (int j = 0; j < n; ++j) {
      chart.m_strPointLabels.push_back(CutText(Format("%-1.4lf", r.m_dPossibleValue[j]), 20));
    }
  } else {
    chart.m_strXTitle = "Evaluation grades of " + Name(doc, k);
    n = std::clamp(a.m_nGrades, 1, kMaxGrades);
    for (int j = 0; j < n; ++j) chart.m_strPointLabels.push_back(ChartLabel(a.GradeName(j)));
  }
  AddLabelledSeries(chart, "Belief", std::vector<double>(r.m_dBelief, r.m_dBelief + n));
  chart.m_range = SChartRange{0.0, 1.0};
  return chart;
}

ChartContent TradeOffGraph(const CMADMDoc& doc, int x, int y) {
  ChartContent chart;
  chart.SetTitle("Trade-Off Analysis");
  chart.m_kind = EChartKind::Points;
  chart.m_strXTitle = TradeOffAxisTitle(doc, x);
  chart.m_strYTitle = TradeOffAxisTitle(doc, y);
  std::vector<double> ys;
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    chart.m_strPointLabels.push_back(ChartLabel(doc.Alternative(pos).m_strName));
    chart.m_dPointX.push_back(TradeOffCoordinate(doc, pos, x));
    ys.push_back(TradeOffCoordinate(doc, pos, y));
  }
  chart.AddSeries("Alternatives", std::move(ys));
  chart.m_xRange = TradeOffRange(doc, x);
  chart.m_range = TradeOffRange(doc, y);
  return chart;
}

}  // namespace zev
