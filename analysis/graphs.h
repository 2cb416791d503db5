#pragma once

#include <vector>

#include "analysis/chart_content.h"
#include "model/madm_doc.h"

namespace zev {

// The graph windows: belief degrees (155) and utilities and rankings (157).
// Each holds one chart, a snapshot of the results when it was drawn.
inline constexpr int kBeliefGraphWindow = 155;
inline constexpr int kUtilityGraphWindow = 157;
inline constexpr const char* kBeliefGraphWindowTitle =
    "ZEV Dialog: ZEV Graphic Demonstration of Generated Assessments";
inline constexpr const char* kUtilityGraphWindowTitle =
    "ZEV Dialog: Graph for Display of Generated Utilities";
// Graphs of all alternatives take them in list order, this many per window.
inline constexpr int kAlternativesPerGraph = 20;
// The unassigned belief is shown as "Unknown" beyond this magnitude.
inline constexpr double kUnknownTolerance = 1e-8;
// The ranking graph shows utility intervals when one is wider than this.
inline constexpr double kIntervalTolerance = 1e-5;

// The five graph commands.
enum class EGraph {
  BeliefAtSelection,    // the current alternative's belief degrees on the current attribute
  Beliefs,              // every alternative's belief degrees on the current attribute
  IntervalAtSelection,  // the current alternative's utility interval on the current attribute
  Intervals,            // every alternative's utility interval on the current attribute
  Ranking,              // the ranking of every alternative on the current attribute
};

// One chart as a window shows it: the window's number and its content.
struct SGraphWindow {
  int m_nWindow = kBeliefGraphWindow;
  ChartContent m_chart;
};

// The caption of a graph window.
const char* GraphWindowTitle(int nWindow);
// "&Help" of a graph window: what its chart shows, in an information box.
void ShowGraphHelp(int nWindow);

// Whether the command may run on the current selection: the belief degrees
// of all alternatives need a qualitative attribute.
bool GraphIsEnabled(const CMADMDoc& doc, EGraph graph);

// A graph command: brings the results up to date as the command does, then
// returns its windows in order (graphs of all alternatives give one window
// per kAlternativesPerGraph alternatives). The graphs at the selection
// assess the current alternative; the belief degrees of all alternatives
// assess every alternative on every attribute and rank them on the current
// attribute; the utility intervals of all alternatives and the ranking
// assess and rank every alternative on the current attribute.
std::vector<SGraphWindow> DrawGraph(CMADMDoc& doc, EGraph graph);

// The number of windows of a graph of n alternatives: (n - 1) / 20 + 1.
int GraphWindowCount(int nAlternatives);

// --- the charts, from the results as they stand -----------------------------
// `first` and `count` pick the alternatives of one window by list position.

// The belief degrees of one alternative on an attribute: for a qualitative
// attribute the grades, and "Unknown" in a colour of its own when the
// unassigned belief exceeds 1e-8 in magnitude; for a quantitative one the
// distribution of its possible values (a precise value is one value with
// belief 1).
ChartContent BeliefChart(const CMADMDoc& doc, int nPosition, int nAttribute);
// Every alternative's belief degrees on the attribute's grades, one series
// per alternative, with an "Unknown" point when any of them leaves belief
// unassigned.
ChartContent BeliefsChart(const CMADMDoc& doc, int nAttribute, int first, int count);
// The worst, average and best utility of one alternative.
ChartContent IntervalChart(const CMADMDoc& doc, int nPosition, int nAttribute);
// The same for several alternatives, one series each.
ChartContent IntervalsChart(const CMADMDoc& doc, int nAttribute, int first, int count);
// The average utilities of the alternatives, labelled; with intervals, three
// stacked series that reach from the minimum over the average to the maximum.
ChartContent RankingChart(const CMADMDoc& doc, int nAttribute, int first, int count,
                          bool bIntervals);
// Whether any alternative's utility interval on the attribute is wider than 1e-5.
bool RankingShowsIntervals(const CMADMDoc& doc, int nAttribute);

}  // namespace zev
