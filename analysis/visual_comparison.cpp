#include "analysis/visual_comparison.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "engine/evaluate_commands.h"
#include "engine/utility.h"
#include "model/format.h"
#include "model/prompter.h"

namespace zev {

namespace {

const char* const kHelp =
    "1. Pick attributes in the hierarchy and alternatives in the list and add them with "
    "Select One; Select Group adds an attribute with all its siblings, Select All adds "
    "everything and draws.\n\n"
    "2. View What? chooses what is drawn: any selected alternatives on the selected attributes, "
    "the utility interval of one alternative, the attributes on which two alternatives differ "
    "more or less than a threshold, or the attributes on which all selected alternatives are "
    "better or worse than a threshold.\n\n"
    "3. Draw draws the comparison of average utilities; Curve/Bar switches between curves and "
    "bars.";

}  // namespace

CVisualComparison::CVisualComparison(CMADMDoc& doc)
    : m_doc(doc), m_nAttribute(doc.CurrentAttribute()), m_nAlternative(doc.CurrentPosition()) {
  m_chart.m_kind = EChartKind::Curves;
}

void CVisualComparison::HighlightAttribute(int i) {
  if (i < 0 || i > m_doc.LastAttribute()) return;
  m_nAttribute = i;
  m_source = ESource::Hierarchy;
}

void CVisualComparison::HighlightAlternative(int pos) {
  if (pos < 0 || pos >= m_doc.AlternativeCount()) return;
  m_nAlternative = pos;
  m_source = ESource::Alternatives;
}

void CVisualComparison::ShowSelection() {
  if (m_doc.CurrentPosition() != m_nAlternative) m_source = ESource::Alternatives;
  if (m_doc.CurrentAttribute() != m_nAttribute) m_source = ESource::Hierarchy;
  m_nAttribute = m_doc.CurrentAttribute();
  m_nAlternative = m_doc.CurrentPosition();
}

std::vector<int> CVisualComparison::SelectedAlternatives() const {
  std::vector<int> positions;
  for (const CAlternative* alternative : m_alternatives) {
    positions.push_back(m_doc.PositionOf(alternative));
  }
  return positions;
}

std::vector<std::string> CVisualComparison::SelectedAttributeNames() const {
  std::vector<std::string> names;
  for (int i : m_attributes) names.push_back(m_doc.Attribute(i).m_strName.Str());
  return names;
}

std::vector<std::string> CVisualComparison::SelectedAlternativeNames() const {
  std::vector<std::string> names;
  for (const CAlternative* alternative : m_alternatives)
    names.push_back(alternative->m_strName.Str());
  return names;
}

void CVisualComparison::ChooseEntry(EList list, int row) {
  m_list = list;
  (list == EList::Attributes ? m_nChosenAttribute : m_nChosenAlternative) = row;
}

int CVisualComparison::ChosenEntry(EList list) const {
  return list == EList::Attributes ? m_nChosenAttribute : m_nChosenAlternative;
}

void CVisualComparison::AddOnce(std::vector<int>& list, int i) {
  if (std::find(list.begin(), list.end(), i) == list.end()) list.push_back(i);
}

void CVisualComparison::SelectOne() {
  if (m_source == ESource::Hierarchy) {
    if (m_nAttribute >= 0 && m_nAttribute <= m_doc.LastAttribute()) {
      AddOnce(m_attributes, m_nAttribute);
    }
    return;
  }
  if (m_nAlternative < 0 || m_nAlternative >= m_doc.AlternativeCount()) return;
  const CAlternative* alternative = &m_doc.Alternative(m_nAlternative);
  if (std::find(m_alternatives.begin(), m_alternatives.end(), alternative) ==
      m_alternatives.end()) {
    m_alternatives.push_back(alternative);
  }
}

void CVisualComparison::SelectGroup() {
  const int last = m_doc.LastAttribute();
  if (m_nAttribute < 0 || m_nAttribute > last) return;
  // Back to the first sibling, then along the chain; the steps are bounded
  // so that a damaged chain cannot loop.
  int first = m_nAttribute;
  for (int steps = 0; steps < kAttributeSlots; ++steps) {
    const int previous = m_doc.Attribute(first).m_nPrevSibling;
    if (previous < 0 || previous > last) break;
    first = previous;
  }
  for (int i = first, steps = 0; i >= 0 && i <= last && steps < kAttributeSlots;
       i = m_doc.Attribute(i).m_nNextSibling, ++steps) {
    AddOnce(m_attributes, i);
  }
}

void CVisualComparison::SelectAll() {
  m_attributes.clear();
  for (int i = 0; i <= m_doc.LastAttribute(); ++i) m_attributes.push_back(i);
  m_alternatives.clear();
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) {
    m_alternatives.push_back(&m_doc.Alternative(pos));
  }
  m_nChosenAttribute = m_nChosenAlternative = -1;
  Draw();
}

void CVisualComparison::Deselect() {
  if (m_list == EList::Attributes) {
    if (m_nChosenAttribute >= 0 && m_nChosenAttribute < static_cast<int>(m_attributes.size())) {
      m_attributes.erase(m_attributes.begin() + m_nChosenAttribute);
    }
    m_nChosenAttribute = -1;
    return;
  }
  if (m_nChosenAlternative >= 0 && m_nChosenAlternative < static_cast<int>(m_alternatives.size())) {
    m_alternatives.erase(m_alternatives.begin() + m_nChosenAlternative);
  }
  m_nChosenAlternative = -1;
}

void CVisualComparison::Clear() {
  m_attributes.clear();
  m_alternatives.clear();
  m_nChosenAttribute = m_nChosenAlternative = -1;
  m_chart = ChartContent{};
  m_chart.m_kind = m_bBars ? EChartKind::Bars : EChartKind::Curves;
}

void CVisualComparison::ViewWhat() { CCurveTypePresenter::Choose(m_curveType); }

void CVisualComparison::SwitchCurveBar() {
  m_bBars = !m_bBars;
  m_chart.m_kind = m_bBars ? EChartKind::Bars : EChartKind::Curves;
}

bool CVisualComparison::Refuse(const char* first, const char* second) {
  ThePrompter().Warning(std::string(first) + second);
  return false;
}

bool CVisualComparison::Draw() {
  const ECurveType type = m_curveType.m_type;
  const std::size_t count = m_alternatives.size();
  if (m_attributes.empty()) {
    return Refuse("To draw a comparison graph, at least\n", "one attribute has to be selected.");
  }
  if (count == 0) {
    return Refuse("To draw a comparison graph, at least\n", "ONE alternative has to be selected.");
  }
  if (type == ECurveType::Interval && count > 1) {
    return Refuse("To draw an utility interval graph\n", "only ONE alternative can be selected.");
  }
  if (type == ECurveType::Difference && count != 2) {
    return Refuse("Exactly TWO alternatives must be selected for comparisons.");
  }
  if (type == ECurveType::Level && count == 0) {
    return Refuse("At least ONE alternative must be selected.");
  }
  EvaluateAndRankKeepingMarks(m_doc);
  if (type == ECurveType::Difference || type == ECurveType::Level) {
    std::vector<int> chosen = ChooseAttributes(m_alternatives);
    if (chosen.empty()) return Refuse("No attribute has the assigned value.");
    m_attributes = std::move(chosen);
    m_nChosenAttribute = -1;
  }
  BuildChart(m_alternatives);
  return true;
}

std::vector<int> CVisualComparison::ChooseAttributes(
    const std::vector<const CAlternative*>& alternatives) const {
  std::vector<int> chosen;
  const SCurveType& c = m_curveType;
  for (int i = 0; i <= m_doc.LastAttribute(); ++i) {
    bool bChosen = true;
    if (c.m_type == ECurveType::Difference) {
      const double d = std::fabs(alternatives[0]->Record(i).m_dAvgUtility -
                                 alternatives[1]->Record(i).m_dAvgUtility);
      bChosen = (c.m_bSmaller ? c.m_dDifference - d : d - c.m_dDifference) >= -kEqualTolerance;
    } else {
      for (const CAlternative* alternative : alternatives) {
        const double u = alternative->Record(i).m_dAvgUtility;
        bChosen = bChosen && (c.m_bWorse ? c.m_dLevel - u : u - c.m_dLevel) >= kEqualTolerance;
      }
    }
    if (bChosen) chosen.push_back(i);
  }
  return chosen;
}

void CVisualComparison::BuildChart(const std::vector<const CAlternative*>& alternatives) {
  const SCurveType& c = m_curveType;
  ChartContent chart;
  chart.m_kind = m_bBars ? EChartKind::Bars : EChartKind::Curves;
  chart.m_strXTitle = "Attribute";
  chart.m_strYTitle = c.m_type == ECurveType::Interval ? "Utility" : "Average utility";
  for (int i : m_attributes)
    chart.m_strPointLabels.push_back(ChartLabel(m_doc.Attribute(i).m_strName));

  auto add = [&](std::string legend, auto value) {
    std::vector<double> values;
    std::vector<std::string> labels;
    for (int i : m_attributes) {
      values.push_back(value(i));
      labels.push_back(Format("%-1.6lf", values.back()));
    }
    chart.AddSeries(std::move(legend), std::move(values)).m_strValueLabels = std::move(labels);
  };
  switch (c.m_type) {
    case ECurveType::Interval: {
      const CAlternative& a = *alternatives[0];
      chart.SetTitle("Utility Interval of " + a.m_strName);
      add("Maximum utility", [&](int i) { return a.Record(i).m_dMaxUtility; });
      add("Average utility", [&](int i) { return a.Record(i).m_dAvgUtility; });
      add("Minimum utility", [&](int i) { return a.Record(i).m_dMinUtility; });
      break;
    }
    case ECurveType::Difference:
      chart.SetTitle(std::string("Attribute Differences ") +
                     (c.m_bSmaller ? "Smaller" : "Greater") + " than " +
                     ThresholdText(c.m_dDifference) + " between " + alternatives[0]->m_strName +
                     " and " + alternatives[1]->m_strName);
      break;
    case ECurveType::Level:
      chart.SetTitle(std::string("Attributes ") + (c.m_bWorse ? "Worse" : "Better") + " than " +
                     ThresholdText(c.m_dLevel) + " for All the Selected Alternatives");
      break;
    case ECurveType::Any:
      chart.SetTitle("Comparison of the Selected Alternatives on the Selected Attributes");
      break;
  }
  if (c.m_type != ECurveType::Interval) {
    for (const CAlternative* a : alternatives) {
      add(CutText(a->m_strName, kMaxChartTitle), [&](int i) { return a->Record(i).m_dAvgUtility; });
    }
  }
  m_chart = std::move(chart);
}

void CVisualComparison::ShowHelp() { ThePrompter().Information(kHelp); }

void CVisualComparison::PruneAlternatives() {
  std::unordered_set<const CAlternative*> present;
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) present.insert(&m_doc.Alternative(pos));
  std::erase_if(m_alternatives, [&](const CAlternative* a) { return !present.count(a); });
}

void CVisualComparison::OnDocumentChanged(const SDocChange& change) {
  switch (change.m_kind) {
    case EDocChange::Loaded:
      m_alternatives.clear();
      [[fallthrough]];
    case EDocChange::Structure:
      // Deleting an attribute renumbers the ones after it.
      m_attributes.clear();
      break;
    case EDocChange::Model:
    case EDocChange::Alternatives:
      std::erase_if(m_attributes, [&](int i) { return i > m_doc.LastAttribute(); });
      PruneAlternatives();
      break;
    default:
      return;
  }
  m_nChosenAttribute = m_nChosenAlternative = -1;
  m_nAttribute = std::clamp(m_nAttribute, 0, m_doc.LastAttribute());
  m_nAlternative = std::clamp(m_nAlternative, 0, std::max(0, m_doc.AlternativeCount() - 1));
}

}  // namespace zev
