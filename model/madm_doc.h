#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/alternative.h"
#include "model/attribute.h"
#include "model/evaluation_basis.h"

namespace zev {

class CMADMDoc;

// What a change to the document touched, for the views and windows that
// subscribe to it.
enum class EDocChange {
  Model,         // anything may have changed
  Structure,     // the hierarchy was edited
  Attribute,     // one attribute's definition (m_nAttribute)
  Alternatives,  // the list of alternatives or one alternative (m_nAlternative)
  Assessment,    // an input of one alternative on one attribute
  Results,       // evaluation results and rankings
  Selection,     // the current attribute or alternative
  Loaded,        // the whole model was replaced
};

struct SDocChange {
  EDocChange m_kind = EDocChange::Model;
  int m_nAttribute = -1;
  int m_nAlternative = -1;
  // A deletion from the hierarchy: the slot the attribute left. The
  // attributes after it moved down by one.
  int m_nRemovedAttribute = -1;
};

// Where attribute k is after the change: its new index, or -1 when it was
// the one deleted.
inline int FollowAttribute(const SDocChange& change, int k) {
  const int r = change.m_nRemovedAttribute;
  if (r < 0 || k < r) return k;
  return k == r ? -1 : k - 1;
}

class CDocObserver {
 public:
  virtual ~CDocObserver() = default;
  virtual void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) = 0;
};

// Re-derives conversion matrices or grade utilities from an attribute
// downwards after a structural edit; provided by the evaluation engine.
class CRuleDeriver {
 public:
  virtual ~CRuleDeriver() = default;
  virtual void PropagateRules(CMADMDoc& doc, int nAttribute) = 0;
};

struct SExtent {
  int cx = 200;
  int cy = 200;
  bool operator==(const SExtent&) const = default;
};

// Told before the document changes or removes an alternative, so that the
// change can be taken back, and asked whether a published change marks the
// model modified. WillChange may be called from evaluation threads.
class CChangeWatch {
 public:
  virtual ~CChangeWatch() = default;
  virtual void WillChange(const CAlternative& alternative) = 0;
  virtual bool MarksModified(const SDocChange& change) = 0;
};

// The document's own values beside its attributes and alternatives.
struct SDocState {
  int m_nLastAttribute = 0;
  int m_nCurrentAttribute = 0;
  int m_posCurrent = 0;
  bool m_bAttributeSelected = true;
  int m_nFocusRow = 0;
  SExtent m_sizeExtent;
  bool operator==(const SDocState&) const = default;
};

// The rows of an attribute's box that the focus row names.
inline constexpr int kNameRow = 51;
inline constexpr int kWeightRow = 52;

// The model: a fixed table of attribute slots forming one tree under the top
// attribute at index 0, and the ordered list of alternatives.
class CMADMDoc {
 public:
  CMADMDoc();
  CMADMDoc(const CMADMDoc&) = delete;
  CMADMDoc& operator=(const CMADMDoc&) = delete;
  ~CMADMDoc();

  // A new model: the top attribute with five grades and one alternative.
  bool OnNewDocument();

  // --- attributes -------------------------------------------------------
  CAttribute& Attribute(int i) { return m_attributes[i]; }
  const CAttribute& Attribute(int i) const { return m_attributes[i]; }
  int LastAttribute() const { return m_nLastAttribute; }
  int AttributeCount() const { return m_nLastAttribute + 1; }
  int CurrentAttribute() const { return m_nCurrentAttribute; }
  CAttribute& CurrentAttributeRef() { return m_attributes[m_nCurrentAttribute]; }

  // --- alternatives -----------------------------------------------------
  int AlternativeCount() const { return static_cast<int>(m_alternatives.size()); }
  // For changing: the watch hears of it first.
  CAlternative& Alternative(int pos) {
    CAlternative& alternative = *m_alternatives[static_cast<size_t>(pos)];
    if (m_bWatching && !m_bTelling) m_pWatch->WillChange(alternative);
    return alternative;
  }
  const CAlternative& Alternative(int pos) const {
    return *m_alternatives[static_cast<size_t>(pos)];
  }
  int CurrentPosition() const { return m_posCurrent; }
  CAlternative& CurrentAlternative() { return Alternative(m_posCurrent); }
  // The list position of an alternative, or -1.
  int PositionOf(const CAlternative* alternative) const;

  std::unique_ptr<CAlternative> NewAlternative() const;
  // Appends the alternative; its last attribute index becomes the model's.
  CAlternative& AddAlternative(std::unique_ptr<CAlternative> alternative);
  // Unlinks the alternative and hands it back; "Attempt to delete
  // non-existent alternative" and nullptr when it is not in the list.
  std::unique_ptr<CAlternative> RemoveAlternative(CAlternative* alternative);
  void RemoveAllAlternatives();

  // Copies the model's attribute definitions into the alternative's records
  // (weights through their "%1.4lf" text).
  void PrepareAlternative(CAlternative& alternative);
  void PrepareAllAlternatives();

  // Preparing many alternatives on several threads. Sharing texts and grade
  // tables changes their reference counts, which only one thread may do, so
  // it is done first, on one thread, and only where it is needed; the rest
  // of preparing then runs on any thread.
  //
  // On one thread, before: reads every weight through its text and returns
  // whether all of them read back (when one does not, every preparation
  // warns, and only PrepareAlternative does that).
  bool StartConcurrentPreparation();
  // On one thread: shares the texts and grade tables of the attributes in
  // `attributes` (bit i = attribute i) with the alternative's records.
  void ShareDefinitions(CAlternative& alternative, std::uint64_t attributes);
  // On any thread, for different alternatives, after
  // StartConcurrentPreparation and while nothing changes the definitions:
  // PrepareAlternative for an alternative whose records already share every
  // text and grade table, but for the records' marks, which are left to the
  // evaluation that follows (it sets every one). Returns false when one does
  // not share (the alternative then needs PrepareAlternative).
  bool PrepareSharedAlternative(CAlternative& alternative) const;
  // Attribute i's weight as preparing stores it: its "%1.4lf" text read
  // back. False when the text does not read back.
  bool PreparedWeight(int i, double& weight);

  // What every alternative was last evaluated with and what changed since.
  CEvaluationBasis& EvaluationBasis() { return m_basis; }

  void AddAlternativeCommand();
  void DeleteAlternativeCommand();

  // --- hierarchy edits on the current attribute ------------------------
  void InitNewAttribute(int n);
  void InsertAttributeAbove();
  void InsertAttributeBelow();
  void InsertAttributeLeft();
  void InsertAttributeRight();
  // The insertion window's four choices: 0 above, 1 right, 2 below, 3 left.
  void InsertAttribute(int nChoice);
  void DeleteAttribute();
  void DeleteAttributeTree(int k);
  void DeleteAttributeCommand();

  // Copy and Paste of the active selection (attribute or alternative box).
  void CopySelection();
  void ReplaceSelection();
  bool HasClipboardAttribute() const { return m_bClipboardAttribute; }
  bool HasClipboardAlternative() const { return m_bClipboardAlternative; }
  const CAttribute& ClipboardAttribute() const { return m_clipboardAttribute; }
  const CAlternative& ClipboardAlternative() const { return *m_pClipboardAlternative; }

  // Renames every grade named `from` to `to`, asking as it goes; the texts
  // are checked by the dialog before this runs.
  void RenameGradeEverywhere(std::string_view from, std::string_view to);

  // --- layout -----------------------------------------------------------
  void ShiftSubtreeX(int k, int step);
  void ShiftSubtreeY(int k, int step);
  void ShiftFollowing(int k, int step);
  void RecenterAncestors(int k);
  void SubtreeYRange(int k, int& lo, int& hi);
  // Stores the scroll extent (ScrollExtent below) after an edit.
  void RecomputeExtent();
  SExtent Extent() const { return m_sizeExtent; }

  // --- selection --------------------------------------------------------
  void SelectAttribute(int i);
  void SelectAlternative(int pos);
  void SetCurrentAttribute(int i) { m_nCurrentAttribute = i; }
  void SetCurrentPosition(int pos) { m_posCurrent = pos; }
  bool IsAttributeSelected() const { return m_bAttributeSelected; }
  bool IsAlternativeSelected() const { return !m_bAttributeSelected; }
  void SetBoxSelection(bool bAttribute) { m_bAttributeSelected = bAttribute; }
  int FocusRow() const { return m_nFocusRow; }
  void SetFocusRow(int n) { m_nFocusRow = n; }

  // --- change notification -------------------------------------------
  // After every edit: marks the model modified and tells every subscriber.
  void PublishChanges(const SDocChange& change = {});
  // Tells the subscribers without marking the model modified. An input
  // change that names an alternative marks its evaluation stale; one that
  // names none, and any change of the alternatives, the structure, the
  // model or the whole file, marks every evaluation stale.
  void Notify(const SDocChange& change);
  void Subscribe(CDocObserver* observer);
  void Unsubscribe(CDocObserver* observer);
  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool b = true) { m_bModified = b; }

  void SetRuleDeriver(CRuleDeriver* deriver) { m_pRuleDeriver = deriver; }
  CRuleDeriver* RuleDeriver() const { return m_pRuleDeriver; }

  const std::string& LimitMessage() const { return m_strLimitMessage; }

  // --- taking changes back ----------------------------------------------
  // The watch decides which published changes mark the model modified and,
  // while watching, hears of every alternative about to change or go (not
  // of what subscribers change while being told).
  void SetChangeWatch(CChangeWatch* watch) {
    m_pWatch = watch;
    m_bWatching = false;
  }
  CChangeWatch* ChangeWatch() const { return m_pWatch; }
  void SetWatching(bool b) { m_bWatching = b && m_pWatch; }
  SDocState State() const;
  // Each of these exchanges a part of the model, whole, with the one given,
  // and forgets what the last evaluation knew.
  void ExchangeState(SDocState& state);
  void ExchangeAttribute(int i, CAttribute& attribute);
  void ExchangeAlternative(int pos, std::unique_ptr<CAlternative>& alternative);
  // The `count` alternatives from `pos` on change places with `others`.
  void ExchangeAlternatives(int pos, int count, std::vector<std::unique_ptr<CAlternative>>& others);

  // For the file reader: replaces the model wholesale. Every alternative,
  // the copied one included, takes the model's last attribute index.
  void SetLastAttribute(int n);
  void ReplaceAlternatives(std::vector<std::unique_ptr<CAlternative>> alternatives);

 private:
  void ShiftBelow(int k, int step, bool bX, int depth);
  void CollectYRange(int k, int& lo, int& hi, int depth);
  void RecenterFather(int f);
  int FindNextPointingTo(int s) const;
  int FindPrevPointingTo(int s) const;
  void RederiveRules(int n);
  void FinishInsert(int n);
  bool CheckInsertLimit();
  // The checks and the new slot of an insertion beside s; -1 when refused.
  int StartInsertBeside(int s);
  void MoveAllAttributesY(int dy);
  void FollowLastAttribute();
  // The alternative at a list position, for changing.
  CAlternative& Changing(std::unique_ptr<CAlternative>& alternative);
  void AfterExchange();

  SExtent m_sizeExtent;
  CAttribute m_attributes[kAttributeSlots];
  std::vector<std::unique_ptr<CAlternative>> m_alternatives;
  int m_nLastAttribute = 0;
  int m_nCurrentAttribute = 0;
  std::string m_strLimitMessage;
  bool m_bAttributeSelected = true;
  int m_nFocusRow = kNameRow;
  int m_posCurrent = 0;
  bool m_bModified = false;

  CAttribute m_clipboardAttribute;
  std::unique_ptr<CAlternative> m_pClipboardAlternative;
  bool m_bClipboardAttribute = false;
  bool m_bClipboardAlternative = false;

  std::vector<CDocObserver*> m_observers;
  CRuleDeriver* m_pRuleDeriver = nullptr;
  CChangeWatch* m_pWatch = nullptr;
  bool m_bWatching = false;
  bool m_bTelling = false;

  // The weight of each attribute as read back from its "%1.4lf" text, kept
  // so that preparing many alternatives formats each weight once.
  struct SWeightCache {
    bool m_bValid = false;
    bool m_bReadable = false;
    double m_dKey = 0.0;
    double m_dValue = 0.0;
  };
  SWeightCache m_weightCache[kAttributeSlots];
  CEvaluationBasis m_basis;
};

// The attribute limit message shown at 50 attributes.
std::string AttributeLimitMessage();

// The scroll extent of the box diagram: from the top attribute's position,
// widened and lengthened to take in every other attribute.
SExtent ScrollExtent(const CMADMDoc& doc);

}  // namespace zev
