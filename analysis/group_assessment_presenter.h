#pragma once

#include <span>
#include <string>
#include <vector>

#include "analysis/alternative_marks.h"
#include "elicitation/entry_field.h"
#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// The small window that names a new group alternative.
class CGroupNamePresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "GroupName";
  static constexpr int kWindow = 217;
  static constexpr const char* kTitle = "ZEV Dialog: Choose A Group Alternative Name";
  static constexpr const char* kPrompt = "Type in a name";
  static constexpr const char* kDefaultName = "Group Alternative";

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return kTitle; }

  std::string m_strName = kDefaultName;
};

// The group assessment window: a new alternative made of the weighted
// average of chosen members. The membership marks are the alternatives'
// m_nSelection (1 selected, 3 not), so they outlive the window and serve
// the other analysis windows; the member weights live only while it is open.
class CGroupAssessmentPresenter {
 public:
  static constexpr const char* kTitle = "ZEV Dialog: Create A Group Assessment Alternative";
  static constexpr const char* kFieldWeight = "weight";
  static constexpr double kMaxMemberWeight = 100.0;

  // Where the keyboard focus is when Enter presses the default button.
  enum class EFocus { AlternativeList, MemberList, WeightField, Elsewhere };

  struct SRow {
    std::string m_strName;
    std::string m_strWeight;  // "%-1.2lf"
  };

  // Opens on the document's current attribute: every alternative prepared
  // and selected, all evaluated and ranked with the marks kept, weights 1.
  explicit CGroupAssessmentPresenter(CMADMDoc& doc);

  // --- what the window shows -----------------------------------------------
  std::vector<SRow> Rows() const;
  // The row highlighted after a refresh: the document's current alternative.
  int CurrentRow() const { return m_doc.CurrentPosition(); }
  // The list positions of the selected members, in list order (the
  // drop-down list).
  std::vector<int> Members() const { return m_marks.Chosen(); }
  int SelectedCount() const { return static_cast<int>(Members().size()); }
  // The member shown in the drop-down list and the weight field, or -1.
  int CurrentMember() const { return m_marks.Current(); }
  double Weight(int pos) const;
  CEntryField m_weight;
  const std::string& FocusField() const { return m_strFocus; }
  // The attribute the list is evaluated on.
  int Attribute() const { return m_nAttribute; }

  // --- actions ---------------------------------------------------------------
  // The rows highlighted in the alternative list (several for Select Group).
  void SetHighlighted(std::vector<int> rows) { m_marks.SetHighlighted(std::move(rows)); }
  void SelectOne();
  void SelectGroup();
  void DeselectOne();
  void Clear();
  void Restart();
  void ChooseMember(int pos);
  // Stores the typed weight as the current member's; a text that is not a
  // number from 0 to 100 is refused with a warning and the focus returns.
  bool WeightFocusLost();
  // Enter: Select One in the alternative list, Deselect One in the
  // drop-down list, the weight in the weight field, else the help.
  void DefaultButton(EFocus focus);
  void Help() const;
  // Asks for a name and creates the group alternative from the selected
  // members; false when refused or cancelled.
  bool CreateGroup();

  // After a change made elsewhere: each member weight stays with its
  // alternative, a new alternative weighs 1.0, and when another file's
  // alternatives replaced the list every weight starts over at 1.0. The
  // window's attribute follows its moves, and is the top once it went.
  void FollowDocument(const SDocChange& change);

 private:
  void Open(bool bPrepare);
  // Re-evaluates on the window's attribute with the marks kept.
  void RefreshList();
  void ShowWeightOf(int pos);
  // The weight field follows the drop-down list's entry.
  void FollowMembers();
  // The weights lined up with the list again; bReplaced when the list may
  // hold new alternatives at old addresses.
  void SyncWithDocument(bool bReplaced = false);

  CMADMDoc& m_doc;
  int m_nAttribute = 0;
  // By list position, with the alternative each was given to.
  std::vector<double> m_weights;
  std::vector<const CAlternative*> m_weighed;
  CAlternativeMarks m_marks;
  // The member whose weight the field shows.
  int m_nWeightShown = -1;
  std::string m_strFocus;
};

}  // namespace zev
