#pragma once

#include <string>
#include <vector>

#include "analysis/alternative_marks.h"
#include "analysis/chart_content.h"
#include "model/madm_doc.h"

namespace zev {

// What the two sensitivity windows share: the alternative list with the
// marks of the alternatives shown in the graphs (their m_nSelection: 1
// shown, 3 not), the attribute tree whose clicks either pick the window's
// attribute or toggle the attributes on which alternatives are ranked, and
// two charts.
class CSensitivityPresenter {
 public:
  // What a click in the attribute tree does.
  enum class ETreeMode { Pick, RankOn };
  static constexpr const char* kRankOnChoice =
      "Click this button if you want to &Select attributes on which to rank alternatives";

  struct SRow {
    std::string m_strName;
    std::string m_strAssessment;  // "%-1.4lf" on the current attribute
    std::string m_strRank;
  };

  explicit CSensitivityPresenter(CMADMDoc& doc);
  virtual ~CSensitivityPresenter() = default;
  CSensitivityPresenter(const CSensitivityPresenter&) = delete;
  CSensitivityPresenter& operator=(const CSensitivityPresenter&) = delete;

  CMADMDoc& Doc() { return m_doc; }
  std::vector<SRow> Rows() const;

  // --- alternatives shown ----------------------------------------------------
  void SetHighlighted(std::vector<int> rows) { m_marks.SetHighlighted(std::move(rows)); }
  void SelectOne();
  void SelectGroup();
  // The entry of the list of shown alternatives.
  void DeselectOne();
  std::vector<int> ShownAlternatives() const { return m_marks.Chosen(); }
  // Shows exactly these alternatives (without drawing).
  void SetShownAlternatives(const std::vector<int>& positions);
  int CurrentShown() const { return m_marks.Current(); }
  void ChooseShown(int pos) { m_marks.SetCurrent(pos); }

  // --- attributes ranked on ------------------------------------------------
  ETreeMode TreeMode() const { return m_treeMode; }
  void SetTreeMode(ETreeMode mode) { m_treeMode = mode; }
  void ClickAttribute(int k);
  bool IsRankedOn(int k) const;
  void SetRankedOn(int k, bool b);
  // Marks exactly these attributes, the first the ranking attribute
  // (without drawing).
  void SetRankingAttributes(const std::vector<int>& attributes);
  // The attributes marked, in index order (the ranking list).
  std::vector<int> RankingAttributes() const;
  // The entry chosen in the ranking list, or -1.
  int RankingAttribute() const;
  void ChooseRankingAttribute(int k) { m_nRankingAttribute = k; }

  const ChartContent& LeftChart() const { return m_left; }
  const ChartContent& RightChart() const { return m_right; }
  // Draws the right-hand chart again, with its refusals.
  virtual void RedrawRight() = 0;
  // After any change of the document made elsewhere: everything the window
  // holds by index is checked again, following moved attributes and
  // alternatives and falling back to the opening choice for those gone.
  virtual void FollowDocument(const SDocChange& change) = 0;

 protected:
  // The marks of a window being opened or restarted: the first five
  // alternatives shown, ranking on the top attribute only.
  void ResetMarks();
  // A click on attribute k in the pick mode.
  virtual void PickAttribute(int k) = 0;
  // The ranking graph on the marked attributes and shown alternatives after
  // a re-evaluation; false after its refusal.
  bool DrawRanking(const std::string& titlePrefix);
  // The refusal of a graph without a marked attribute or alternative: the
  // heading ("To draw ..., at least\n") and what is missing.
  bool CheckMarks(const char* heading) const;
  bool HasMarks() const { return !RankingAttributes().empty() && !ShownAlternatives().empty(); }
  // The ranking marks and the alternative entry shown after a change of the
  // document: a deleted attribute's mark goes, the later ones move down, and
  // with none left the top attribute is marked as on opening.
  void FollowMarks(const SDocChange& change);

  CMADMDoc& m_doc;
  ChartContent m_left;
  ChartContent m_right;

 private:
  std::vector<bool> m_rankOn;
  int m_nRankingAttribute = 0;
  ETreeMode m_treeMode = ETreeMode::Pick;
  CAlternativeMarks m_marks;
};

}  // namespace zev
