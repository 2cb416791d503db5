#include "analysis/graphs.h"

#include <algorithm>
#include <cmath>

#include "engine/evaluate_commands.h"
#include "engine/ranking.h"
#include "engine/utility.h"
#include "model/format.h"
#include "model/prompter.h"

namespace zev {

namespace {

const char* const kUnknown = "Unknown";
const char* const kIntervalPoints[] = {"Worst possible", "Average", "Best possible"};

// Every alternative assessed on every attribute, then ranked on the current one.
void EvaluateAllAndRankOnCurrent(CMADMDoc& doc) {
  EvaluateEveryAlternative(doc);
  RankOnAttribute(doc);
}

int GradeCount(const CAttribute& attribute) { return UsedCount(attribute.m_nGrades); }

// One minus the sum of the first n belief degrees.
double Unassigned(const CAssessment& record, int n) {
  double sum = 0.0;
  for (int k = 0; k < n; ++k) sum += record.m_dBelief[k];
  return 1.0 - sum;
}

bool ShowsUnknown(double unassigned) { return std::fabs(unassigned) > kUnknownTolerance; }

void AddGradePoints(ChartContent& chart, const CAttribute& attribute) {
  for (int k = 0; k < GradeCount(attribute); ++k) {
    chart.m_strPointLabels.push_back(ChartLabel(attribute.GradeName(k)));
  }
}

void AddIntervalPoints(ChartContent& chart) {
  chart.m_strPointLabels.assign(std::begin(kIntervalPoints), std::end(kIntervalPoints));
  chart.m_strXTitle = "Utility interval";
  chart.m_strYTitle = "Utility";
}

std::vector<double> IntervalValues(const CAssessment& record) {
  return {record.m_dMinUtility, record.m_dAvgUtility, record.m_dMaxUtility};
}

// The positions [first, first + count) that exist.
int EndOf(const CMADMDoc& doc, int first, int count) {
  return std::clamp(first + count, 0, doc.AlternativeCount());
}

std::vector<SGraphWindow> Windows(int nWindow, std::vector<ChartContent> charts) {
  std::vector<SGraphWindow> windows;
  for (ChartContent& chart : charts) windows.push_back({nWindow, std::move(chart)});
  return windows;
}

// One chart per group of kAlternativesPerGraph alternatives in list order.
template <typename Build>
std::vector<ChartContent> ChartsOfAll(const CMADMDoc& doc, Build build) {
  std::vector<ChartContent> charts;
  const int windows = GraphWindowCount(doc.AlternativeCount());
  for (int w = 0; w < windows; ++w) charts.push_back(build(w * kAlternativesPerGraph));
  return charts;
}

}  // namespace

void ShowGraphHelp(int nWindow) {
  const char* what =
      nWindow == kBeliefGraphWindow
          ? "The graph shows belief degrees: how strongly the evidence supports each evaluation "
            "grade, or each possible value of a quantitative attribute. \"Unknown\" is the belief "
            "that the assessment leaves unassigned."
          : "The graph shows utilities: the worst possible, average and best possible utility of "
            "each alternative, or the ranking by average utility. Where an assessment is "
            "incomplete the utility is an interval from the worst to the best possible.";
  ThePrompter().Information(std::string(what) +
                            "\n\nThe graph is a picture of the results when it was drawn; draw "
                            "it again after the model changes. Right-click the graph to save, "
                            "copy or print it.");
}

const char* GraphWindowTitle(int nWindow) {
  return nWindow == kBeliefGraphWindow ? kBeliefGraphWindowTitle : kUtilityGraphWindowTitle;
}

bool GraphIsEnabled(const CMADMDoc& doc, EGraph graph) {
  if (doc.AlternativeCount() == 0) return false;
  return graph != EGraph::Beliefs || doc.Attribute(doc.CurrentAttribute()).m_nType == Qualitative;
}

int GraphWindowCount(int nAlternatives) { return (nAlternatives - 1) / kAlternativesPerGraph + 1; }

std::vector<SGraphWindow> DrawGraph(CMADMDoc& doc, EGraph graph) {
  if (!GraphIsEnabled(doc, graph)) return {};
  const int k = doc.CurrentAttribute();
  switch (graph) {
    case EGraph::BeliefAtSelection:
      AssessAlternative(doc);
      return {{kBeliefGraphWindow, BeliefChart(doc, doc.CurrentPosition(), k)}};
    case EGraph::IntervalAtSelection:
      AssessAlternative(doc);
      return {{kUtilityGraphWindow, IntervalChart(doc, doc.CurrentPosition(), k)}};
    case EGraph::Beliefs:
      EvaluateAllAndRankOnCurrent(doc);
      return Windows(kBeliefGraphWindow, ChartsOfAll(doc, [&](int first) {
                       return BeliefsChart(doc, k, first, kAlternativesPerGraph);
                     }));
    case EGraph::Intervals:
      AssessAttribute(doc);
      return Windows(kUtilityGraphWindow, ChartsOfAll(doc, [&](int first) {
                       return IntervalsChart(doc, k, first, kAlternativesPerGraph);
                     }));
    case EGraph::Ranking: {
      AssessAttribute(doc);
      const bool bIntervals = RankingShowsIntervals(doc, k);
      return Windows(kUtilityGraphWindow, ChartsOfAll(doc, [&](int first) {
                       return RankingChart(doc, k, first, kAlternativesPerGraph, bIntervals);
                     }));
    }
  }
  return {};
}

ChartContent BeliefChart(const CMADMDoc& doc, int nPosition, int nAttribute) {
  const CAttribute& attribute = doc.Attribute(nAttribute);
  const CAlternative& alternative = doc.Alternative(nPosition);
  const CAssessment& record = alternative.Record(nAttribute);
  ChartContent chart;
  std::vector<double> values;
  if (IsQuantitativeType(attribute.m_nType)) {
    chart.SetTitle(alternative.m_strName + " on " + attribute.m_strName + " (" +
                   attribute.m_strUnit + ")");
    chart.m_strXTitle = "Possible values";
    chart.m_strYTitle = "Probability";
    if (record.m_nType == Quantitative) {
      chart.m_strPointLabels.push_back(ChartLabel(Format("%-1.4lf", record.m_dValue)));
      values.push_back(1.0);
    } else {
      const int n = std::clamp(record.m_nPossibleValues, 0, kMaxGrades);
      for (int i = 0; i < n; ++i) {
        chart.m_strPointLabels.push_back(ChartLabel(Format("%-1.4lf", record.m_dPossibleValue[i])));
        values.push_back(record.m_dBelief[i]);
      }
    }
  } else {
    chart.SetTitle(alternative.m_strName + " on " + attribute.m_strName);
    chart.m_strXTitle = "Evaluation grades";
    chart.m_strYTitle = "Belief degree";
    AddGradePoints(chart, attribute);
    const int n = GradeCount(attribute);
    values.assign(record.m_dBelief, record.m_dBelief + n);
    const double unassigned = Unassigned(record, n);
    if (ShowsUnknown(unassigned)) {
      chart.m_nColourPoint = chart.PointCount();
      chart.m_strPointLabels.push_back(kUnknown);
      values.push_back(unassigned);
    }
  }
  chart.AddSeries(ChartLabel(alternative.m_strName), std::move(values));
  return chart;
}

ChartContent BeliefsChart(const CMADMDoc& doc, int nAttribute, int first, int count) {
  const CAttribute& attribute = doc.Attribute(nAttribute);
  const int n = GradeCount(attribute);
  const int end = EndOf(doc, first, count);
  ChartContent chart;
  chart.SetTitle("Distributed Assessment on " + attribute.m_strName);
  chart.m_strXTitle = "Evaluation grades";
  chart.m_strYTitle = "Belief degree";
  AddGradePoints(chart, attribute);
  bool bUnknown = false;
  for (int pos = first; pos < end; ++pos) {
    bUnknown = bUnknown || ShowsUnknown(Unassigned(doc.Alternative(pos).Record(nAttribute), n));
  }
  if (bUnknown) chart.m_strPointLabels.push_back(kUnknown);
  for (int pos = first; pos < end; ++pos) {
    const CAlternative& alternative = doc.Alternative(pos);
    const CAssessment& record = alternative.Record(nAttribute);
    std::vector<double> values(record.m_dBelief, record.m_dBelief + n);
    const double unassigned = Unassigned(record, n);
    if (bUnknown) values.push_back(ShowsUnknown(unassigned) ? unassigned : 0.0);
    chart.AddSeries(ChartLabel(alternative.m_strName), std::move(values));
  }
  return chart;
}

ChartContent IntervalChart(const CMADMDoc& doc, int nPosition, int nAttribute) {
  const CAlternative& alternative = doc.Alternative(nPosition);
  ChartContent chart;
  chart.SetTitle("Assessment of " + alternative.m_strName + " on " +
                 doc.Attribute(nAttribute).m_strName);
  AddIntervalPoints(chart);
  chart.AddSeries(ChartLabel(alternative.m_strName),
                  IntervalValues(alternative.Record(nAttribute)));
  return chart;
}

ChartContent IntervalsChart(const CMADMDoc& doc, int nAttribute, int first, int count) {
  ChartContent chart;
  chart.SetTitle("Utility Intervals on " + doc.Attribute(nAttribute).m_strName);
  AddIntervalPoints(chart);
  for (int pos = first; pos < EndOf(doc, first, count); ++pos) {
    const CAlternative& alternative = doc.Alternative(pos);
    chart.AddSeries(ChartLabel(alternative.m_strName),
                    IntervalValues(alternative.Record(nAttribute)));
  }
  return chart;
}

bool RankingShowsIntervals(const CMADMDoc& doc, int nAttribute) {
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    const CAssessment& record = doc.Alternative(pos).Record(nAttribute);
    if (std::fabs(record.m_dMaxUtility - record.m_dMinUtility) > kIntervalTolerance) return true;
  }
  return false;
}

ChartContent RankingChart(const CMADMDoc& doc, int nAttribute, int first, int count,
                          bool bIntervals) {
  ChartContent chart;
  chart.SetTitle("Ranking of Alternatives on " + doc.Attribute(nAttribute).m_strName);
  chart.m_strXTitle = "Alternative";
  chart.m_strYTitle = "Score";
  chart.m_kind = bIntervals ? EChartKind::Stacked : EChartKind::Bars;
  std::vector<double> minimum, average, maximum;
  for (int pos = first; pos < EndOf(doc, first, count); ++pos) {
    const CAlternative& alternative = doc.Alternative(pos);
    const CAssessment& record = alternative.Record(nAttribute);
    chart.m_strPointLabels.push_back(ChartLabel(alternative.m_strName));
    minimum.push_back(record.m_dMinUtility);
    average.push_back(record.m_dAvgUtility);
    maximum.push_back(record.m_dMaxUtility);
  }
  if (!bIntervals) {
    ChartContent::LabelValues(chart.AddSeries("Average score", average), average);
    return chart;
  }
  std::vector<double> middle(average.size()), top(average.size());
  for (std::size_t i = 0; i < average.size(); ++i) {
    middle[i] = average[i] - minimum[i];
    top[i] = maximum[i] - average[i];
  }
  chart.AddSeries("Minimum score", std::move(minimum));
  // The labels sit on the segment whose top is the average.
  ChartContent::LabelValues(chart.AddSeries("Average minus minimum", std::move(middle)), average);
  chart.AddSeries("Maximum minus average", std::move(top));
  return chart;
}

}  // namespace zev
