#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/madm_doc.h"

namespace zev {

// The overview window: the whole hierarchy, every attribute's result at one
// alternative and every alternative's result on one attribute, and the
// choice of the alternative and the attribute the rest of the program works
// on. The window keeps its own selection, taken from the document's when it
// opens, and follows the alternative the views select.
class COverview {
 public:
  static constexpr int kWindow = 174;
  static constexpr const char* kTitle =
      "ZEV Dialog: Overview of the Decision Model and the Main Results";
  static constexpr const char* kAlternativeNameLabel = "Name of selected alternative:";
  static constexpr const char* kAttributeNameLabel = "Name of selected attribute:";
  static constexpr const char* kAlternativesLabel =
      "List of all alternatives assessed on the selected attribute";
  static constexpr const char* kHierarchyLabel =
      "Attribute hierarchy (click the left + box to view the hierarchy)";
  static constexpr const char* kAttributesLabel =
      "List of all attributes assessed at the selected alternative";
  static constexpr const char* kSelectLabel = "&Select";
  static constexpr const char* kGraphLabel = "&Graph";
  static constexpr const char* kHelpLabel = "&Help";
  static constexpr const char* kCloseLabel = "&Close";

  // A list column: its header, its width in dialog units and its alignment.
  struct SColumn {
    const char* m_szTitle;
    int m_nWidth;
    bool m_bRight;
  };
  static std::span<const SColumn> AlternativeColumns();
  static std::span<const SColumn> AttributeColumns();

  // One row of the alternative list, cells as shown.
  struct SAlternativeRow {
    std::string m_strName;
    std::string m_strAssessment;
    std::string m_strRank;
  };
  // One row of the attribute list, in the order the hierarchy shows them.
  struct SAttributeRow {
    int m_nAttribute = 0;
    int m_nLevel = 0;
    std::uint16_t m_nType = Qualitative;
    bool m_bHasChildren = false;
    std::string m_strName;
    std::string m_strIndex;
    std::string m_strType;
    std::string m_strFather;
    std::string m_strWeight;
    std::string m_strAssessment;
    std::string m_strUnit;
  };

  // Takes the document's current attribute and alternative and fills both
  // lists.
  explicit COverview(CMADMDoc& doc);
  // Starts on this attribute and alternative (a list position) instead; the
  // document's selection stays as it is.
  COverview(CMADMDoc& doc, int nAttribute, int nAlternative);
  COverview(const COverview&) = delete;
  COverview& operator=(const COverview&) = delete;

  CMADMDoc& Doc() { return m_doc; }
  int OverviewAttribute() const { return m_nAttribute; }
  int OverviewAlternative() const { return m_nAlternative; }
  std::string AttributeName() const;
  std::string AlternativeName() const;
  // Whether the last action concerned an attribute (tree or attribute list)
  // rather than an alternative.
  bool AttributeFocus() const { return m_bAttributeFocus; }

  const std::vector<SAlternativeRow>& AlternativeRows() const { return m_alternativeRows; }
  const std::vector<SAttributeRow>& AttributeRows() const { return m_attributeRows; }
  // The marked rows: the overview alternative's and attribute's.
  int SelectedAlternativeRow() const { return m_nAlternative; }
  int SelectedAttributeRow() const;

  // A click, a move of the selection or a double-click in the alternative
  // list: the alternative at that row, if its name is the row's text, then
  // "&Select". A row that no longer matches its alternative does nothing.
  void ChooseAlternativeRow(int nRow);
  // The same in the attribute list or the tree, by attribute index.
  void ChooseAttribute(int nAttribute);
  // "&Select": refills the list the last action did not concern, then makes
  // the overview's alternative and attribute the document's selection and
  // refreshes the views.
  void Select();
  static void ShowHelp();

  // The views selected another alternative: the window shows it.
  void ShowSelection();
  // The model changed under the window: both lists are filled again for a
  // selection that still exists.
  void Refresh();

 private:
  void FillAlternatives();
  void FillAttributes();

  CMADMDoc& m_doc;
  int m_nAttribute;
  int m_nAlternative;
  bool m_bAttributeFocus;
  std::vector<SAlternativeRow> m_alternativeRows;
  std::vector<SAttributeRow> m_attributeRows;
};

}  // namespace zev
