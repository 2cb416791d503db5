#pragma once

#include <string>
#include <vector>

#include "analysis/chart_content.h"
#include "analysis/curve_type_presenter.h"
#include "model/madm_doc.h"

namespace zev {

// The visual comparison window: the attribute hierarchy and the alternative
// list of the model, a list of selected attributes and one of selected
// alternatives, and a chart that compares the selected alternatives on the
// selected attributes. The window keeps its lists and curve type while open;
// its highlighted attribute and alternative follow the views' selection.
class CVisualComparison {
 public:
  static constexpr int kWindow = 179;
  static constexpr const char* kTitle =
      "ZEV Dialog: The Visual Comparison of the Selected Alternatives on the Selected Attributes";
  static constexpr const char* kHierarchyLabel = "The Attribute Hierarchy";
  static constexpr const char* kAlternativesLabel = "The Alternative List";
  static constexpr const char* kSelectedAttributesLabel = "A List of the Selected Attributes";
  static constexpr const char* kSelectedAlternativesLabel = "A List of the Selected Alternatives";

  // Where the user acted last: Select One takes the highlighted entry of
  // the last source used, Deselect the chosen entry of the last list used.
  enum class ESource { Hierarchy, Alternatives };
  enum class EList { Attributes, Alternatives };

  explicit CVisualComparison(CMADMDoc& doc);
  CVisualComparison(const CVisualComparison&) = delete;
  CVisualComparison& operator=(const CVisualComparison&) = delete;

  CMADMDoc& Doc() { return m_doc; }

  // --- the hierarchy and the alternative list ------------------------------
  int HighlightedAttribute() const { return m_nAttribute; }
  int HighlightedAlternative() const { return m_nAlternative; }
  // A click in the window's hierarchy or alternative list.
  void HighlightAttribute(int i);
  void HighlightAlternative(int pos);
  // The views' selection changed: the highlights follow it, and the source
  // becomes the one whose selection moved.
  void ShowSelection();

  // --- the selection lists ---------------------------------------------------
  // Attribute indices and alternative list positions, in the order selected.
  const std::vector<int>& SelectedAttributes() const { return m_attributes; }
  std::vector<int> SelectedAlternatives() const;
  // The names the two lists show.
  std::vector<std::string> SelectedAttributeNames() const;
  std::vector<std::string> SelectedAlternativeNames() const;
  // A click on an entry of a selection list chooses it for Deselect.
  void ChooseEntry(EList list, int row);
  int ChosenEntry(EList list) const;

  // "Select &One": adds the highlighted attribute or alternative of the last
  // source to its list (once).
  void SelectOne();
  // "Select &Group": adds the highlighted attribute and every attribute with
  // the same father, in sibling order.
  void SelectGroup();
  // "Select &All": every attribute and every alternative, then draws.
  void SelectAll();
  // "D&eselect": removes the chosen entry of the last list used.
  void Deselect();
  // "Clea&r": empties both lists and draws the empty chart.
  void Clear();

  // --- the chart ---------------------------------------------------------
  // "&View What?": the curve type window; the type is kept when confirmed.
  void ViewWhat();
  const SCurveType& CurveType() const { return m_curveType; }
  void SetCurveType(const SCurveType& curveType) { m_curveType = curveType; }
  // "&Curve/Bar": switches the chart between curves and bars.
  void SwitchCurveBar();
  bool ShowsBars() const { return m_bBars; }
  // "&Draw": refuses with a warning when the selection does not fit the
  // curve type (nothing drawn, the lists unchanged); otherwise brings the
  // results up to date, lets the threshold types choose the attributes and
  // draws. True when it drew.
  bool Draw();
  const ChartContent& Chart() const { return m_chart; }

  // "&Help".
  static void ShowHelp();

  // The model changed under the window: entries that no longer exist leave
  // the lists (after a change of the hierarchy, all selected attributes).
  void OnDocumentChanged(const SDocChange& change);

 private:
  bool Refuse(const char* first, const char* second = "");
  // The attributes the threshold types choose, from index 0 to the last.
  std::vector<int> ChooseAttributes(const std::vector<const CAlternative*>& alternatives) const;
  void BuildChart(const std::vector<const CAlternative*>& alternatives);
  void PruneAlternatives();
  static void AddOnce(std::vector<int>& list, int i);

  CMADMDoc& m_doc;
  int m_nAttribute;
  int m_nAlternative;
  ESource m_source = ESource::Hierarchy;
  EList m_list = EList::Attributes;
  std::vector<int> m_attributes;
  // Alternatives by identity, so that edits of the list keep the selection.
  std::vector<const CAlternative*> m_alternatives;
  int m_nChosenAttribute = -1;
  int m_nChosenAlternative = -1;
  SCurveType m_curveType;
  bool m_bBars = false;
  ChartContent m_chart;
};

}  // namespace zev
