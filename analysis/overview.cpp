#include "analysis/overview.h"

#include <algorithm>

#include "engine/evaluate_commands.h"
#include "engine/evidential_reasoning.h"
#include "io/report_walk.h"
#include "model/format.h"
#include "model/prompter.h"

namespace zev {

namespace {

constexpr COverview::SColumn kAlternativeColumns[] = {
    {"Name", 257, false},
    {"Assessment", 90, true},
    {"Rank", 45, true},
};

constexpr COverview::SColumn kAttributeColumns[] = {
    {"Name", 410, false}, {"Index", 45, true},      {"Type", 85, true},  {"Father", 55, true},
    {"Weight", 60, true}, {"Assessment", 90, true}, {"Unit", 95, false},
};

const char* TypeText(std::uint16_t type) {
  switch (type) {
    case Quantitative:
      return "Quantitative";
    case QuantitativeUncertain:
      return "Uncertain";
    default:
      return "Qualitative";
  }
}

// The value of a precise quantitative assessment, the average utility of
// any other.
std::string AssessmentText(const CAssessment& r, std::uint16_t type) {
  return Format("%-1.4lf", type == Quantitative ? r.m_dValue : r.m_dAvgUtility);
}

// What evaluating on another attribute would leave behind in the rest of
// the model: the attributes' marks and shown values, the current attribute,
// and the alternatives' rankings and selection marks.
class CWorkState {
 public:
  explicit CWorkState(CMADMDoc& doc) : m_doc(doc), m_nCurrent(doc.CurrentAttribute()) {
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      m_marks.push_back(doc.Attribute(i).m_nMark);
      m_shown.push_back(doc.Attribute(i).m_dShownValue);
    }
    for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
      m_rankings.push_back(doc.Alternative(pos).m_nRanking);
      m_selections.push_back(doc.Alternative(pos).m_nSelection);
    }
  }
  ~CWorkState() {
    m_doc.SetCurrentAttribute(m_nCurrent);
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
      CAttribute& a = m_doc.Attribute(static_cast<int>(i));
      a.m_nMark = m_marks[i];
      a.m_dShownValue = m_shown[i];
    }
    for (std::size_t pos = 0; pos < m_rankings.size(); ++pos) {
      CAlternative& alternative = m_doc.Alternative(static_cast<int>(pos));
      alternative.m_nRanking = m_rankings[pos];
      alternative.m_nSelection = m_selections[pos];
    }
  }
  CWorkState(const CWorkState&) = delete;
  CWorkState& operator=(const CWorkState&) = delete;

 private:
  CMADMDoc& m_doc;
  int m_nCurrent;
  std::vector<std::uint16_t> m_marks;
  std::vector<double> m_shown;
  std::vector<int> m_rankings;
  std::vector<int> m_selections;
};

}  // namespace

std::span<const COverview::SColumn> COverview::AlternativeColumns() { return kAlternativeColumns; }

std::span<const COverview::SColumn> COverview::AttributeColumns() { return kAttributeColumns; }

COverview::COverview(CMADMDoc& doc)
    : COverview(doc, doc.CurrentAttribute(), doc.CurrentPosition()) {}

COverview::COverview(CMADMDoc& doc, int nAttribute, int nAlternative)
    : m_doc(doc),
      m_nAttribute(std::clamp(nAttribute, 0, doc.LastAttribute())),
      m_nAlternative(std::clamp(nAlternative, 0, doc.AlternativeCount() - 1)),
      m_bAttributeFocus(doc.IsAttributeSelected()) {
  FillAlternatives();
  FillAttributes();
}

std::string COverview::AttributeName() const {
  return m_doc.Attribute(m_nAttribute).m_strName.Str();
}

std::string COverview::AlternativeName() const {
  return m_doc.Alternative(m_nAlternative).m_strName.Str();
}

int COverview::SelectedAttributeRow() const {
  for (std::size_t r = 0; r < m_attributeRows.size(); ++r) {
    if (m_attributeRows[r].m_nAttribute == m_nAttribute) return static_cast<int>(r);
  }
  return -1;
}

void COverview::FillAlternatives() {
  m_alternativeRows.clear();
  const int a = m_nAttribute;
  {
    CWorkState keep(m_doc);
    m_doc.SetCurrentAttribute(a);
    AssessAttribute(m_doc);
    const std::uint16_t type = m_doc.Attribute(a).m_nType;
    m_alternativeRows.reserve(static_cast<std::size_t>(m_doc.AlternativeCount()));
    for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) {
      const CAlternative& alternative = m_doc.Alternative(pos);
      m_alternativeRows.push_back({alternative.m_strName.Str(),
                                   AssessmentText(alternative.Record(a), type),
                                   FormatInt(alternative.m_nRanking)});
    }
  }
}

void COverview::FillAttributes() {
  m_attributeRows.clear();
  CAlternative& alternative = m_doc.Alternative(m_nAlternative);
  m_doc.PrepareAlternative(alternative);
  EvaluateAll(alternative);
  for (const SWalkStep& step : HierarchyWalk(m_doc)) {
    const int i = step.m_nAttribute;
    const CAttribute& a = m_doc.Attribute(i);
    SAttributeRow row;
    row.m_nAttribute = i;
    row.m_nLevel = step.m_nLevel;
    row.m_nType = a.m_nType;
    row.m_bHasChildren = a.m_nChildren > 0;
    row.m_strName = a.m_strName.Str();
    row.m_strIndex = FormatInt(i);
    row.m_strType = TypeText(a.m_nType);
    row.m_strFather = a.m_nFather >= 0 ? FormatInt(a.m_nFather) : "None";
    row.m_strWeight = a.WeightText();
    row.m_strAssessment = AssessmentText(alternative.Record(i), a.m_nType);
    row.m_strUnit = a.m_nType == Quantitative ? a.m_strUnit.Str() : "average utility";
    m_attributeRows.push_back(std::move(row));
  }
}

void COverview::ChooseAlternativeRow(int nRow) {
  if (nRow < 0 || nRow >= m_doc.AlternativeCount() ||
      nRow >= static_cast<int>(m_alternativeRows.size()) ||
      m_doc.Alternative(nRow).m_strName !=
          m_alternativeRows[static_cast<std::size_t>(nRow)].m_strName) {
    return;
  }
  m_nAlternative = nRow;
  m_bAttributeFocus = false;
  Select();
}

void COverview::ChooseAttribute(int nAttribute) {
  if (nAttribute < 0 || nAttribute > m_doc.LastAttribute()) return;
  m_nAttribute = nAttribute;
  m_bAttributeFocus = true;
  Select();
}

void COverview::Select() {
  if (m_bAttributeFocus)
    FillAlternatives();
  else
    FillAttributes();
  m_doc.SetCurrentPosition(m_nAlternative);
  m_doc.SetCurrentAttribute(m_nAttribute);
  m_doc.SetBoxSelection(m_bAttributeFocus);
  m_doc.SetFocusRow(kNameRow);
  m_doc.PublishChanges({EDocChange::Selection, m_nAttribute, m_nAlternative});
}

void COverview::ShowHelp() {
  ThePrompter().Information(
      "The overview lists the results of every alternative on the selected attribute and of "
      "every attribute at the selected alternative.\n\n"
      "Click an alternative, an attribute or a node of the hierarchy to select it and make it "
      "the model's current selection; \"Graph\" draws the belief degrees at the selection.");
}

void COverview::ShowSelection() {
  const int pos = m_doc.CurrentPosition();
  if (pos == m_nAlternative || pos < 0 || pos >= m_doc.AlternativeCount()) return;
  m_nAlternative = pos;
  FillAttributes();
}

void COverview::Refresh() {
  m_nAttribute = std::clamp(m_nAttribute, 0, m_doc.LastAttribute());
  m_nAlternative = std::clamp(m_nAlternative, 0, m_doc.AlternativeCount() - 1);
  FillAlternatives();
  FillAttributes();
}

}  // namespace zev
