#include "model/madm_doc.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "model/format.h"
#include "model/number.h"
#include "model/portable.h"
#include "model/prompter.h"

namespace zev {

namespace {

// A walk deeper than the number of slots can only come from links that form
// a loop; it stops there instead of running without end.
constexpr int kMaxDepth = kAttributeSlots + 1;

}  // namespace

std::string AttributeLimitMessage() {
  return std::string("The maximum number of attributes ") + "that this product can cope with is " +
         "50" + ".\n" + "If you need to handle more attributes, please contact:\n\n" +
         kContactLines;
}

CMADMDoc::CMADMDoc() : m_strLimitMessage(AttributeLimitMessage()) {}

CMADMDoc::~CMADMDoc() = default;

bool CMADMDoc::OnNewDocument() {
  m_basis.Forget();
  RemoveAllAlternatives();
  m_nLastAttribute = 0;
  auto first = NewAlternative();
  first->m_nX = 80;
  first->m_nY = 60;
  AddAlternative(std::move(first));
  m_posCurrent = 0;
  m_nCurrentAttribute = 0;
  m_bAttributeSelected = true;
  m_nFocusRow = kNameRow;
  for (CAttribute& a : m_attributes) a.ResetToDefaults();
  CAttribute& top = m_attributes[0];
  top.m_nGrades = 5;
  top.m_nConversion = ByUtility;
  top.m_nX = 80;
  top.m_nY = 114;
  top.SetName(defaults::kTopAttributeName);
  m_sizeExtent = SExtent{};
  m_bModified = false;
  return true;
}

// ---------------------------------------------------------------------------
// Alternatives

int CMADMDoc::PositionOf(const CAlternative* alternative) const {
  for (size_t i = 0; i < m_alternatives.size(); ++i) {
    if (m_alternatives[i].get() == alternative) return static_cast<int>(i);
  }
  return -1;
}

std::unique_ptr<CAlternative> CMADMDoc::NewAlternative() const {
  auto alternative = std::make_unique<CAlternative>();
  alternative->ResetToDefaults();
  return alternative;
}

CAlternative& CMADMDoc::AddAlternative(std::unique_ptr<CAlternative> alternative) {
  alternative->m_nLastAttribute = m_nLastAttribute;
  m_alternatives.push_back(std::move(alternative));
  m_basis.NoteAlternative(m_alternatives.back().get());
  return *m_alternatives.back();
}

void CMADMDoc::ReplaceAlternatives(std::vector<std::unique_ptr<CAlternative>> alternatives) {
  RemoveAllAlternatives();
  m_alternatives = std::move(alternatives);
  m_posCurrent = 0;
  FollowLastAttribute();
}

void CMADMDoc::SetLastAttribute(int n) {
  m_nLastAttribute = n;
  FollowLastAttribute();
}

void CMADMDoc::FollowLastAttribute() {
  // Saving writes an alternative's records up to its own last index, so that
  // index must never lag behind the model: what an import or a paste stores
  // on a newer attribute would be dropped.
  for (auto& alternative : m_alternatives) alternative->m_nLastAttribute = m_nLastAttribute;
  if (m_pClipboardAlternative) m_pClipboardAlternative->m_nLastAttribute = m_nLastAttribute;
}

std::unique_ptr<CAlternative> CMADMDoc::RemoveAlternative(CAlternative* alternative) {
  int pos = PositionOf(alternative);
  if (pos < 0) {
    ThePrompter().Plain("Attempt to delete non-existent alternative");
    return nullptr;
  }
  // A removal is never derived: the watch hears of it even while
  // subscribers are being told.
  if (m_bWatching) m_pWatch->WillChange(*alternative);
  std::unique_ptr<CAlternative> removed = std::move(m_alternatives[static_cast<size_t>(pos)]);
  m_alternatives.erase(m_alternatives.begin() + pos);
  m_basis.NoteRemoved(removed.get());
  if (m_posCurrent >= AlternativeCount()) m_posCurrent = std::max(0, AlternativeCount() - 1);
  return removed;
}

void CMADMDoc::RemoveAllAlternatives() {
  if (m_bWatching) {
    for (auto& alternative : m_alternatives) m_pWatch->WillChange(*alternative);
  }
  m_basis.Forget();
  m_alternatives.clear();
  m_posCurrent = 0;
}

namespace {

// Stores a value only where it differs. A record's definition is nearly
// always the one it was last prepared with, and a cache line left unwritten
// need not go back to memory: with many alternatives preparing them all
// is bound by memory traffic.
template <typename T>
void Keep(T& to, const T& from) {
  if (std::memcmp(&to, &from, sizeof(T)) != 0) to = from;
}

// What preparing copies as plain values: all but the weight, the mark and
// the parts that are shared (texts and grade table).
void CopyValues(const CAttribute& a, CAssessment& r) {
  Keep(r.m_nFather, a.m_nFather);
  Keep(r.m_nPrevSibling, a.m_nPrevSibling);
  Keep(r.m_nNextSibling, a.m_nNextSibling);
  Keep(r.m_nChildren, a.m_nChildren);
  Keep(r.m_nType, a.m_nType);
  Keep(r.m_dBest, a.m_dBest);
  Keep(r.m_dWorst, a.m_dWorst);
  Keep(r.m_nGrades, a.m_nGrades);
}

void ShareDefinition(const CAttribute& a, CAssessment& r) {
  r.m_strName = a.m_strName;
  r.m_strDescription = a.m_strDescription;
  r.m_strUnit = a.m_strUnit;
  r.m_strComments = a.m_strComments;
  if (!r.SharesGradesWith(a)) r.ShareGrades(a);
}

// An alternative's records are rarely still in the cache when it is
// prepared, and preparing is followed by reading them (evaluation reads most
// of every record): each record is asked for this many records ahead.
constexpr int kPrefetchAhead = 6;

// Runs prepare(i) for every record up to last, asking for the records ahead.
template <typename FPrepare>
void ForEachRecordAhead(const CAlternative& alternative, int last, FPrepare&& prepare) {
  for (int i = 0; i < kPrefetchAhead && i <= last; ++i) AskForRecord(alternative.m_assessments[i]);
  for (int i = 0; i <= last; ++i) {
    if (i + kPrefetchAhead <= last) AskForRecord(alternative.m_assessments[i + kPrefetchAhead]);
    prepare(i);
  }
}

}  // namespace

bool CMADMDoc::PreparedWeight(int i, double& weight) {
  // The weight passes through its "%1.4lf" text, so aggregation uses it
  // rounded to four decimals.
  SWeightCache& cache = m_weightCache[i];
  const CAttribute& a = m_attributes[i];
  if (!cache.m_bValid || std::memcmp(&cache.m_dKey, &a.m_dWeight, sizeof(double)) != 0) {
    cache.m_bValid = true;
    cache.m_dKey = a.m_dWeight;
    cache.m_bReadable = ReadNonNegativeNumber(a.WeightText(), cache.m_dValue);
  }
  weight = cache.m_dValue;
  return cache.m_bReadable;
}

void CMADMDoc::PrepareAlternative(CAlternative& alternative) {
  // The bound is read once: the stores into the records could otherwise be
  // taken to change it.
  const int last = std::min(m_nLastAttribute, kAttributeSlots - 1);
  ForEachRecordAhead(alternative, last, [&](int i) {
    const CAttribute& a = m_attributes[i];
    CAssessment& r = alternative.m_assessments[i];
    CopyValues(a, r);
    Keep(r.m_nMark, a.m_nMark);
    ShareDefinition(a, r);
    double weight = 0.0;
    if (PreparedWeight(i, weight))
      Keep(r.m_dWeight, weight);
    else
      r.SetWeightText(a.WeightText());
  });
  Keep(alternative.m_nLastAttribute, m_nLastAttribute);
  Keep(alternative.m_nCurrentAttribute, m_nCurrentAttribute);
  m_basis.NoteAlternative(&alternative);
}

bool CMADMDoc::StartConcurrentPreparation() {
  bool bReadable = true;
  for (int i = 0; i <= std::min(m_nLastAttribute, kAttributeSlots - 1); ++i) {
    double weight = 0.0;
    bReadable = PreparedWeight(i, weight) && bReadable;
  }
  return bReadable;
}

void CMADMDoc::ShareDefinitions(CAlternative& alternative, std::uint64_t attributes) {
  const int last = std::min(m_nLastAttribute, kAttributeSlots - 1);
  for (int i = 0; i <= last; ++i) {
    if ((attributes >> i & 1) != 0) ShareDefinition(m_attributes[i], alternative.m_assessments[i]);
  }
}

bool CMADMDoc::PrepareSharedAlternative(CAlternative& alternative) const {
  const int last = std::min(m_nLastAttribute, kAttributeSlots - 1);
  bool bShared = true;
  ForEachRecordAhead(alternative, last, [&](int i) {
    const CAttribute& a = m_attributes[i];
    CAssessment& r = alternative.m_assessments[i];
    CopyValues(a, r);
    const SWeightCache& cache = m_weightCache[i];
    const bool bWeight = cache.m_bValid && cache.m_bReadable &&
                         std::memcmp(&cache.m_dKey, &a.m_dWeight, sizeof(double)) == 0;
    if (bWeight) Keep(r.m_dWeight, cache.m_dValue);
    bShared = bShared && bWeight && SharesDefinition(r, a);
  });
  Keep(alternative.m_nLastAttribute, m_nLastAttribute);
  Keep(alternative.m_nCurrentAttribute, m_nCurrentAttribute);
  return bShared;
}

void CMADMDoc::PrepareAllAlternatives() {
  for (auto& alternative : m_alternatives) PrepareAlternative(*alternative);
}

void CMADMDoc::MoveAllAttributesY(int dy) {
  for (int i = 0; i <= m_nLastAttribute; ++i) m_attributes[i].m_nY += dy;
}

void CMADMDoc::AddAlternativeCommand() {
  CAlternative& alternative = AddAlternative(NewAlternative());
  PrepareAlternative(alternative);

  for (int i = 0; i <= m_nLastAttribute; ++i) {
    CAssessment& r = alternative.m_assessments[i];
    if (!IsQuantitativeType(r.m_nType)) continue;
    r.m_dValue = (r.m_dBest + r.m_dWorst) * 0.5;
    r.m_dAvgUtility = 0.5;
    r.m_dMaxUtility = 1.0;
    r.m_dMinUtility = 0.0;
    r.m_dShownValue = 0.5;
    r.m_nPossibleValues = 1;
    r.m_dPossibleValue[0] = r.m_dValue;
    r.m_dBelief[0] = 1.0;
    // An uncertain record's values are spread evenly from worst to best over
    // its count; with the single value just set the even spread would divide
    // by zero, so that value stays the midpoint with belief 1.
    if (r.m_nType == QuantitativeUncertain && r.m_nPossibleValues > 1) {
      int c = r.m_nPossibleValues;
      for (int k = 0; k < c; ++k) {
        r.m_dBelief[k] = 1.0 / c;
        r.m_dPossibleValue[k] = r.m_dWorst + (r.m_dBest - r.m_dWorst) * k / (c - 1);
      }
    }
  }

  const int f = AlternativeCount();
  const CAlternative& first = *m_alternatives.front();
  alternative.m_nRanking = f;
  alternative.m_nX = first.m_nX + ((f - 1) % 5) * kLevelStep;
  alternative.m_nY = first.m_nY + ((f - 1) / 5) * kSiblingStep;
  alternative.m_strName = CText("Alternative " + FormatInt(f));
  if ((f - 1) % 5 == 0) MoveAllAttributesY(kSiblingStep);

  m_posCurrent = f - 1;
  PublishChanges({EDocChange::Alternatives, -1, f - 1});
}

void CMADMDoc::DeleteAlternativeCommand() {
  if (m_alternatives.empty()) return;
  CAlternative& c = CurrentAlternative();
  EAnswer answer = ThePrompter().AskYesNoCancel("Deleting <" + c.m_strName + "> will eliminate " +
                                                    "all its information.\n\n" +
                                                    "Do you really want to delete it?",
                                                EIcon::Question, 1);
  if (answer != EAnswer::Yes) return;
  if (AlternativeCount() == 1) {
    ThePrompter().Warning("There must be at least one alternative.");
    return;
  }
  const int pos = m_posCurrent;
  for (int j = AlternativeCount() - 1; j > pos; --j) {
    CAlternative& to = Changing(m_alternatives[static_cast<size_t>(j)]);
    const CAlternative& from = *m_alternatives[static_cast<size_t>(j - 1)];
    to.m_nX = from.m_nX;
    to.m_nY = from.m_nY;
    to.m_nShowFlag = from.m_nShowFlag;
  }
  const bool bWasLast = pos == AlternativeCount() - 1;
  std::unique_ptr<CAlternative> removed = RemoveAlternative(&c);
  m_posCurrent = bWasLast ? pos - 1 : pos;
  if (AlternativeCount() % 5 == 0) MoveAllAttributesY(-kSiblingStep);
  PublishChanges({EDocChange::Alternatives, -1, m_posCurrent});
}

// ---------------------------------------------------------------------------
// Layout walks

void CMADMDoc::ShiftBelow(int k, int step, bool bX, int depth) {
  if (depth > kMaxDepth) return;
  m_attributes[k].m_nMark = 6;
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    if (m_attributes[i].m_nFather == k) {
      m_attributes[i].m_nMark = 5;
      (bX ? m_attributes[i].m_nX : m_attributes[i].m_nY) += step;
    }
  }
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    if (m_attributes[i].m_nMark == 5) ShiftBelow(i, step, bX, depth + 1);
  }
}

void CMADMDoc::ShiftSubtreeX(int k, int step) {
  for (int i = 0; i <= m_nLastAttribute; ++i) m_attributes[i].m_nMark = 6;
  ShiftBelow(k, step, true, 0);
}

void CMADMDoc::ShiftSubtreeY(int k, int step) {
  for (int i = 0; i <= m_nLastAttribute; ++i) m_attributes[i].m_nMark = 6;
  ShiftBelow(k, step, false, 0);
}

void CMADMDoc::CollectYRange(int k, int& lo, int& hi, int depth) {
  if (depth > kMaxDepth) return;
  m_attributes[k].m_nMark = 6;
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    if (m_attributes[i].m_nFather == k) {
      m_attributes[i].m_nMark = 5;
      lo = std::min(lo, m_attributes[i].m_nY);
      hi = std::max(hi, m_attributes[i].m_nY);
    }
  }
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    if (m_attributes[i].m_nMark == 5) CollectYRange(i, lo, hi, depth + 1);
  }
}

void CMADMDoc::SubtreeYRange(int k, int& lo, int& hi) {
  for (int i = 0; i <= m_nLastAttribute; ++i) m_attributes[i].m_nMark = 6;
  lo = hi = m_attributes[k].m_nY;
  CollectYRange(k, lo, hi, 0);
}

void CMADMDoc::RecenterFather(int f) {
  if (f < 0 || f > m_nLastAttribute || m_attributes[f].m_nChildren <= 0) return;
  bool bAny = false;
  int lo = 0;
  int hi = 0;
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    if (m_attributes[i].m_nFather != f || i == f) continue;
    int y = m_attributes[i].m_nY;
    if (!bAny) {
      lo = hi = y;
      bAny = true;
    } else {
      lo = std::min(lo, y);
      hi = std::max(hi, y);
    }
  }
  if (bAny) m_attributes[f].m_nY = (hi + lo) / 2;
}

void CMADMDoc::ShiftFollowing(int k, int step) {
  // Each round moves one sibling or climbs one level; a loop in the links
  // cannot take more rounds than there are pairs of slots.
  for (int guard = 0; guard < kAttributeSlots * kAttributeSlots; ++guard) {
    if (k < 0 || k > m_nLastAttribute) return;
    int n = m_attributes[k].m_nNextSibling;
    if (n >= 0 && n <= m_nLastAttribute) {
      m_attributes[n].m_nY += step;
      ShiftSubtreeY(n, step);
      k = n;
      continue;
    }
    int f = m_attributes[k].m_nFather;
    if (f < 0 || f > m_nLastAttribute) return;
    RecenterFather(f);
    if (f <= 0) return;
    k = f;
  }
}

void CMADMDoc::RecenterAncestors(int k) {
  for (int guard = 0; guard < kMaxDepth && k >= 0 && k <= m_nLastAttribute; ++guard) {
    int f = m_attributes[k].m_nFather;
    if (f < 0 || f > m_nLastAttribute) return;
    RecenterFather(f);
    if (f <= 0) return;
    k = f;
  }
}

SExtent ScrollExtent(const CMADMDoc& doc) {
  const CAttribute& top = doc.Attribute(0);
  SExtent e{top.m_nX + 675, top.m_nY + 42};
  for (int i = 1; i <= doc.LastAttribute(); ++i) {
    const CAttribute& a = doc.Attribute(i);
    if (a.m_nX > e.cx - 55) e.cx = a.m_nX + 105;
    if (a.m_nY > e.cy - 21) e.cy = a.m_nY + 45;
  }
  return e;
}

void CMADMDoc::RecomputeExtent() { m_sizeExtent = ScrollExtent(*this); }

// ---------------------------------------------------------------------------
// Hierarchy edits

void CMADMDoc::InitNewAttribute(int n) {
  CAttribute& a = m_attributes[n];
  a.ResetToDefaults();
  a.m_nIndex = n;
  a.m_strName = CText(defaults::kAttributeName + FormatInt(n));
  a.m_dShownValue = n;
}

int CMADMDoc::FindNextPointingTo(int s) const {
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    if (m_attributes[i].m_nNextSibling == s) return i;
  }
  return -1;
}

int CMADMDoc::FindPrevPointingTo(int s) const {
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    if (m_attributes[i].m_nPrevSibling == s) return i;
  }
  return -1;
}

bool CMADMDoc::CheckInsertLimit() {
  if (m_nLastAttribute >= kMaxAttributes - 1) {
    ThePrompter().Warning(m_strLimitMessage);
    return false;
  }
  return true;
}

void CMADMDoc::RederiveRules(int n) {
  if (m_pRuleDeriver) m_pRuleDeriver->PropagateRules(*this, n);
}

void CMADMDoc::FinishInsert(int n) {
  m_nCurrentAttribute = n;
  m_bAttributeSelected = true;
  // Utilities and rules are re-derived before the views are told, so that
  // nobody shows the new attribute with stale utilities.
  RederiveRules(n);
  RecomputeExtent();
  PublishChanges({EDocChange::Structure, n, -1});
}

static const char* const kNotLeftOfTop =
    "You have to insert a new attribute\n"
    "on the right side of the top attribute";

int CMADMDoc::StartInsertBeside(int s) {
  if (!CheckInsertLimit()) return -1;
  if (s == 0) {
    ThePrompter().Warning(kNotLeftOfTop);
    return -1;
  }
  const int n = ++m_nLastAttribute;
  FollowLastAttribute();
  InitNewAttribute(n);
  return n;
}

void CMADMDoc::InsertAttributeAbove() {
  const int s = m_nCurrentAttribute;
  const int n = StartInsertBeside(s);
  if (n < 0) return;
  CAttribute& S = m_attributes[s];
  CAttribute& N = m_attributes[n];
  N.m_nFather = S.m_nFather;
  if (S.m_nFather >= 0) m_attributes[S.m_nFather].m_nChildren += 1;
  N.m_nPrevSibling = S.m_nPrevSibling;
  if (S.m_nPrevSibling >= 0) {
    int p = FindNextPointingTo(s);
    if (p >= 0) m_attributes[p].m_nNextSibling = n;
  }
  N.m_nNextSibling = s;
  S.m_nPrevSibling = n;

  int lo = 0;
  int hi = 0;
  SubtreeYRange(s, lo, hi);
  N.m_nX = S.m_nX;
  N.m_nY = lo;
  S.m_nY += kSiblingStep;
  if (S.m_nChildren > 0) ShiftSubtreeY(s, kSiblingStep);
  ShiftFollowing(s, kSiblingStep);
  FinishInsert(n);
}

void CMADMDoc::InsertAttributeBelow() {
  const int s = m_nCurrentAttribute;
  const int n = StartInsertBeside(s);
  if (n < 0) return;
  CAttribute& S = m_attributes[s];
  CAttribute& N = m_attributes[n];
  N.m_nFather = S.m_nFather;
  if (S.m_nFather >= 0) m_attributes[S.m_nFather].m_nChildren += 1;
  N.m_nNextSibling = S.m_nNextSibling;
  if (S.m_nNextSibling > 0) {
    int q = FindPrevPointingTo(s);
    if (q >= 0) m_attributes[q].m_nPrevSibling = n;
  }
  N.m_nPrevSibling = s;
  S.m_nNextSibling = n;

  int lo = 0;
  int hi = 0;
  SubtreeYRange(s, lo, hi);
  N.m_nX = S.m_nX;
  N.m_nY = hi + kSiblingStep;
  ShiftFollowing(n, kSiblingStep);
  FinishInsert(n);
}

void CMADMDoc::InsertAttributeLeft() {
  const int s = m_nCurrentAttribute;
  const int n = StartInsertBeside(s);
  if (n < 0) return;
  CAttribute& S = m_attributes[s];
  CAttribute& N = m_attributes[n];
  N.m_nFather = S.m_nFather;
  S.m_nFather = n;
  N.m_nChildren = 1;
  N.m_nPrevSibling = S.m_nPrevSibling;
  if (S.m_nPrevSibling >= 0) {
    int p = FindNextPointingTo(s);
    if (p >= 0) m_attributes[p].m_nNextSibling = n;
  }
  N.m_nNextSibling = S.m_nNextSibling;
  if (S.m_nNextSibling >= 0) {
    int q = FindPrevPointingTo(s);
    if (q >= 0) m_attributes[q].m_nPrevSibling = n;
  }
  S.m_nPrevSibling = -1;
  S.m_nNextSibling = -1;

  N.m_nX = S.m_nX;
  N.m_nY = S.m_nY;
  S.m_nX += kLevelStep;
  ShiftSubtreeX(s, kLevelStep);
  FinishInsert(n);
}

void CMADMDoc::InsertAttributeRight() {
  const int s = m_nCurrentAttribute;
  if (IsQuantitativeType(m_attributes[s].m_nType)) {
    ThePrompter().Error(
        "A quantitative attribute should not have sub-attributes!\n\n"
        "If you want to add sub-attributes to this attribute,\n"
        "you need to define its type to be QUALITATIVE.");
    return;
  }
  if (!CheckInsertLimit()) return;
  const int n = ++m_nLastAttribute;
  FollowLastAttribute();
  InitNewAttribute(n);
  CAttribute& S = m_attributes[s];
  CAttribute& N = m_attributes[n];
  N.m_nFather = s;
  N.m_nChildren = S.m_nChildren;
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    if (i != n && m_attributes[i].m_nFather == s) m_attributes[i].m_nFather = n;
  }
  S.m_nChildren = 1;
  N.m_nX = S.m_nX + kLevelStep;
  N.m_nY = S.m_nY;
  ShiftSubtreeX(n, kLevelStep);
  FinishInsert(n);
}

void CMADMDoc::InsertAttribute(int nChoice) {
  switch (nChoice) {
    case 0:
      InsertAttributeAbove();
      break;
    case 1:
      InsertAttributeRight();
      break;
    case 2:
      InsertAttributeBelow();
      break;
    case 3:
      InsertAttributeLeft();
      break;
    default:
      break;
  }
}

void CMADMDoc::DeleteAttribute() {
  const int s = m_nCurrentAttribute;
  if (s <= 0) {
    ThePrompter().Warning("You must not delete the top attribute.");
    return;
  }
  CAttribute& S = m_attributes[s];
  int select = S.m_nNextSibling > 0   ? S.m_nNextSibling
               : S.m_nPrevSibling > 0 ? S.m_nPrevSibling
                                      : S.m_nFather;
  const bool bHadChildren = S.m_nChildren > 0;
  const int prev = S.m_nPrevSibling;
  const int next = S.m_nNextSibling;

  // Positions.
  if (bHadChildren) {
    ShiftSubtreeX(s, -kLevelStep);
  } else if (prev >= 0 || next >= 0) {
    if (prev >= 0)
      S.m_nY = m_attributes[prev].m_nY;
    else
      S.m_nY = m_attributes[next].m_nY - kSiblingStep;
    ShiftFollowing(s, -kSiblingStep);
  }

  // Sibling chain.
  if (!bHadChildren) {
    if (prev >= 0) m_attributes[prev].m_nNextSibling = next;
    if (next >= 0) m_attributes[next].m_nPrevSibling = prev;
  } else {
    int first = -1;
    int last = -1;
    for (int i = 0; i <= m_nLastAttribute; ++i) {
      if (m_attributes[i].m_nFather != s) continue;
      if (first < 0 && m_attributes[i].m_nPrevSibling == -1) first = i;
      if (last < 0 && m_attributes[i].m_nNextSibling == -1) last = i;
    }
    if (first >= 0) {
      m_attributes[first].m_nPrevSibling = prev;
      if (prev > 0) m_attributes[prev].m_nNextSibling = first;
    }
    if (last >= 0) {
      m_attributes[last].m_nNextSibling = next;
      if (next > 0) m_attributes[next].m_nPrevSibling = last;
    }
  }
  S.m_nPrevSibling = -1;
  S.m_nNextSibling = -1;

  // Children move up one level.
  const int father = S.m_nFather;
  int lastMoved = -1;
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    if (i != s && m_attributes[i].m_nFather == s) {
      m_attributes[i].m_nFather = father;
      if (father >= 0) m_attributes[father].m_nChildren += 1;
      lastMoved = i;
    }
  }
  if (father >= 0) m_attributes[father].m_nChildren -= 1;
  S.m_nFather = -1;
  if (bHadChildren && lastMoved >= 0) RecenterAncestors(lastMoved);

  // Index compaction.
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    CAttribute& a = m_attributes[i];
    if (a.m_nFather > s) --a.m_nFather;
    if (a.m_nPrevSibling > s) --a.m_nPrevSibling;
    if (a.m_nNextSibling > s) --a.m_nNextSibling;
  }
  for (int j = s; j < m_nLastAttribute; ++j) m_attributes[j] = m_attributes[j + 1];
  // The copied alternative is renumbered with the others, so that a later
  // paste puts every assessment on its own attribute.
  auto compact = [&](CAlternative& alternative) {
    for (int j = s; j < m_nLastAttribute; ++j) {
      alternative.m_assessments[j] = alternative.m_assessments[j + 1];
    }
    // The vacated record is cleared like the vacated slot, so that the next
    // attribute inserted there does not inherit an assessment nobody made.
    CAssessment& vacated = alternative.m_assessments[m_nLastAttribute];
    static_cast<CAttribute&>(vacated).ResetToDefaults();
    vacated.ResetAssessment();
  };
  for (auto& alternative : m_alternatives) compact(Changing(alternative));
  if (m_pClipboardAlternative) compact(*m_pClipboardAlternative);
  m_attributes[m_nLastAttribute].ResetToDefaults();
  m_nLastAttribute = std::max(0, m_nLastAttribute - 1);
  FollowLastAttribute();
  for (int i = 0; i <= m_nLastAttribute; ++i) m_attributes[i].m_nIndex = i;
  for (SWeightCache& cache : m_weightCache) cache.m_bValid = false;

  // The children that moved up now convert into other grades: their rules
  // are derived again under their new father.
  if (bHadChildren && father >= 0) RederiveRules(father > s ? father - 1 : father);

  PrepareAllAlternatives();

  if (select > s) --select;
  m_nCurrentAttribute = std::clamp(select, 0, m_nLastAttribute);
  RecomputeExtent();
  PublishChanges({EDocChange::Structure, m_nCurrentAttribute, -1, s});
}

void CMADMDoc::DeleteAttributeTree(int k) {
  if (k < 0 || k > m_nLastAttribute) return;
  for (int i = 0; i <= m_nLastAttribute; ++i) m_attributes[i].m_nMark = 3;
  m_attributes[k].m_nMark = 1;
  if (m_attributes[k].m_nChildren > 0) {
    int current = k;
    for (;;) {
      for (int i = 1; i <= m_nLastAttribute; ++i) {
        // Only attributes not reached yet are marked, so that links forming
        // a loop cannot keep the walk going.
        if (m_attributes[i].m_nFather == current && m_attributes[i].m_nMark == 3) {
          m_attributes[i].m_nMark = m_attributes[i].m_nChildren > 0 ? 2 : 1;
        }
      }
      int next = -1;
      for (int i = 0; i <= m_nLastAttribute; ++i) {
        if (m_attributes[i].m_nMark == 2) {
          next = i;
          break;
        }
      }
      if (next < 0) break;
      m_attributes[next].m_nMark = 1;
      current = next;
      m_nCurrentAttribute = next;
    }
  }
  std::vector<int> doomed;
  for (int i = 1; i <= m_nLastAttribute; ++i) {
    if (m_attributes[i].m_nMark == 1) doomed.push_back(i);
  }
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
    m_nCurrentAttribute = *it;
    DeleteAttribute();
  }
}

void CMADMDoc::DeleteAttributeCommand() {
  const int s = m_nCurrentAttribute;
  const CAttribute& S = m_attributes[s];
  EAnswer answer = ThePrompter().AskYesNoCancel("Deleting <" + S.m_strName +
                                                    "> will eliminate all its information.\n\n" +
                                                    "Do you really want to delete it?",
                                                EIcon::Question, 1);
  if (answer != EAnswer::Yes) return;
  if (S.m_nChildren > 0) {
    EAnswer all =
        ThePrompter().AskYesNo("< " + S.m_strName + "> has " + FormatInt(S.m_nChildren) +
                                   " immediate child attributes. \n\n " +
                                   "Do you want to delete all its child attributes as well?",
                               EIcon::Warning, 1);
    if (all == EAnswer::No)
      DeleteAttribute();
    else
      DeleteAttributeTree(s);
    return;
  }
  DeleteAttribute();
}

// ---------------------------------------------------------------------------
// Copy and paste

void CMADMDoc::CopySelection() {
  if (m_bAttributeSelected) {
    m_clipboardAttribute.m_bKeepLinks = false;
    m_clipboardAttribute = m_attributes[m_nCurrentAttribute];
    m_bClipboardAttribute = true;
  } else if (!m_alternatives.empty()) {
    if (!m_pClipboardAlternative) m_pClipboardAlternative = std::make_unique<CAlternative>();
    m_pClipboardAlternative->m_bKeepPosition = false;
    *m_pClipboardAlternative = CurrentAlternative();
    m_bClipboardAlternative = true;
  }
}

void CMADMDoc::ReplaceSelection() {
  if (m_bAttributeSelected) {
    // Nothing was copied yet: there is nothing to paste.
    if (!m_bClipboardAttribute) return;
    CAttribute& target = m_attributes[m_nCurrentAttribute];
    EAnswer answer = ThePrompter().AskYesNoCancel(
        "Replace <" + target.m_strName + "> by <" + m_clipboardAttribute.m_strName + "> ?",
        EIcon::Warning, 1);
    if (answer != EAnswer::Yes) return;
    target.m_bKeepLinks = true;
    target = m_clipboardAttribute;
    target.m_bKeepLinks = false;
    // An attribute with children is always qualitative; a pasted
    // quantitative definition would make its father read a value it never had.
    if (target.m_nChildren > 0) target.m_nType = Qualitative;
    if (m_nCurrentAttribute == 0) target.m_nConversion = ByUtility;
    RederiveRules(m_nCurrentAttribute);
    PublishChanges({EDocChange::Attribute, m_nCurrentAttribute, -1});
  } else {
    if (!m_bClipboardAlternative || m_alternatives.empty()) return;
    CAlternative& target = CurrentAlternative();
    EAnswer answer = ThePrompter().AskYesNoCancel(
        "Replace <" + target.m_strName + "> by <" + m_pClipboardAlternative->m_strName + "> ?",
        EIcon::Warning, 1);
    if (answer != EAnswer::Yes) return;
    target.m_bKeepPosition = true;
    target = *m_pClipboardAlternative;
    target.m_bKeepPosition = false;
    PublishChanges({EDocChange::Alternatives, -1, m_posCurrent});
  }
}

// ---------------------------------------------------------------------------
// Grade renaming

void CMADMDoc::RenameGradeEverywhere(std::string_view from, std::string_view to) {
  CPrompter& user = ThePrompter();
  const bool bConfirm = user.AskYesNo(
                            "Do you want to know in which attribute\n"
                            "a grade name is going to be changed?",
                            EIcon::Question) == EAnswer::Yes;
  int matches = 0;
  int changes = 0;
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    CAttribute& a = m_attributes[i];
    for (int k = 0; k < a.m_nGrades && k < kMaxGrades; ++k) {
      if (a.GradeName(k) != from) continue;
      ++matches;
      if (bConfirm && user.AskYesNo("Change the grade name in the attribute\n " + std::string("<") +
                                        a.m_strName + ">?",
                                    EIcon::Question) != EAnswer::Yes) {
        continue;
      }
      a.SetGradeName(k, to);
      ++changes;
    }
  }
  if (matches > 0) {
    user.Information("The grade name has been changed in " + FormatInt(changes) + " attributes.");
  } else {
    user.Information("The entered 'From' grade name <" + std::string(from) +
                     "> does not match any grade name in all the attributes.");
  }
  PublishChanges({EDocChange::Model, -1, -1});
}

// ---------------------------------------------------------------------------
// Selection and notification

void CMADMDoc::SelectAttribute(int i) {
  if (i < 0 || i > m_nLastAttribute) return;
  m_nCurrentAttribute = i;
  m_bAttributeSelected = true;
  Notify({EDocChange::Selection, i, m_posCurrent});
}

void CMADMDoc::SelectAlternative(int pos) {
  if (pos < 0 || pos >= AlternativeCount()) return;
  m_posCurrent = pos;
  m_bAttributeSelected = false;
  Notify({EDocChange::Selection, m_nCurrentAttribute, pos});
}

void CMADMDoc::PublishChanges(const SDocChange& change) {
  m_bModified = m_pWatch ? m_pWatch->MarksModified(change) : true;
  Notify(change);
}

CAlternative& CMADMDoc::Changing(std::unique_ptr<CAlternative>& alternative) {
  if (m_bWatching && !m_bTelling) m_pWatch->WillChange(*alternative);
  return *alternative;
}

SDocState CMADMDoc::State() const {
  return {m_nLastAttribute,     m_nCurrentAttribute, m_posCurrent,
          m_bAttributeSelected, m_nFocusRow,         m_sizeExtent};
}

void CMADMDoc::ExchangeState(SDocState& state) {
  SDocState mine = State();
  m_nLastAttribute = state.m_nLastAttribute;
  m_nCurrentAttribute = state.m_nCurrentAttribute;
  m_posCurrent = state.m_posCurrent;
  m_bAttributeSelected = state.m_bAttributeSelected;
  m_nFocusRow = state.m_nFocusRow;
  m_sizeExtent = state.m_sizeExtent;
  state = mine;
  AfterExchange();
}

void CMADMDoc::ExchangeAttribute(int i, CAttribute& attribute) {
  // Assignment keeps links and transient flags; an exchange is whole.
  CAttribute& mine = m_attributes[i];
  CAttribute held(mine);
  mine.~CAttribute();
  new (&mine) CAttribute(attribute);
  attribute.~CAttribute();
  new (&attribute) CAttribute(held);
  AfterExchange();
}

void CMADMDoc::ExchangeAlternative(int pos, std::unique_ptr<CAlternative>& alternative) {
  m_alternatives[static_cast<size_t>(pos)].swap(alternative);
  AfterExchange();
}

void CMADMDoc::ExchangeAlternatives(int pos, int count,
                                    std::vector<std::unique_ptr<CAlternative>>& others) {
  auto first = m_alternatives.begin() + pos;
  std::vector<std::unique_ptr<CAlternative>> mine(std::make_move_iterator(first),
                                                  std::make_move_iterator(first + count));
  first = m_alternatives.erase(first, first + count);
  m_alternatives.insert(first, std::make_move_iterator(others.begin()),
                        std::make_move_iterator(others.end()));
  others = std::move(mine);
  AfterExchange();
}

void CMADMDoc::AfterExchange() {
  m_basis.Forget();
  for (SWeightCache& cache : m_weightCache) cache.m_bValid = false;
  // Every alternative keeps the model's last attribute index, and so does the
  // copied one.
  FollowLastAttribute();
}

void CMADMDoc::Notify(const SDocChange& change) {
  switch (change.m_kind) {
    case EDocChange::Results:
    case EDocChange::Selection:
    // Definitions are compared with the ones last evaluated.
    case EDocChange::Attribute:
      break;
    case EDocChange::Assessment:
      if (change.m_nAlternative >= 0 && change.m_nAlternative < AlternativeCount()) {
        m_basis.NoteAlternative(&Alternative(change.m_nAlternative));
        break;
      }
      [[fallthrough]];
    default:
      // A change of the list of alternatives may have written any of them
      // (pasting, adding data from another file).
      m_basis.Forget();
  }
  // What subscribers write while being told is derived (views, results),
  // not part of the change.
  struct STelling {
    bool& m_bFlag;
    bool m_bWas;
    ~STelling() { m_bFlag = m_bWas; }
  } telling{m_bTelling, std::exchange(m_bTelling, true)};
  // A copy, so that an observer may unsubscribe while being told.
  std::vector<CDocObserver*> observers = m_observers;
  for (CDocObserver* observer : observers) {
    if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end()) {
      observer->OnDocumentChanged(*this, change);
    }
  }
}

void CMADMDoc::Subscribe(CDocObserver* observer) {
  if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
    m_observers.push_back(observer);
  }
}

void CMADMDoc::Unsubscribe(CDocObserver* observer) {
  m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                    m_observers.end());
}

}  // namespace zev
