#include "commands/undo_history.h"

#include <algorithm>
#include <new>
#include <utility>

namespace zev {

namespace {

constexpr size_t kNoPosition = static_cast<size_t>(-1);

// Exchanges two objects whole: the assignments of the model keep links,
// positions and transient flags, an exchange keeps nothing.
template <typename T>
void ExchangeWhole(T& a, T& b) {
  T held(a);
  a.~T();
  new (&a) T(b);
  b.~T();
  new (&b) T(held);
}

// An alternative without its records.
struct SHeader {
  CText m_strName;
  CText m_strDescription;
  int m_nRanking = 0;
  double m_dUtility = 0.0;
  int m_nX = 0;
  int m_nY = 0;
  int m_nShowFlag = 0;
  int m_nSelection = 0;
  int m_nLastAttribute = 0;
  int m_nCurrentAttribute = 0;
  bool m_bKeepPosition = false;
  bool m_bInputCancelled = false;

  bool operator==(const SHeader&) const = default;

  static SHeader Of(const CAlternative& a) {
    return {a.m_strName,
            a.m_strDescription,
            a.m_nRanking,
            a.m_dUtility,
            a.m_nX,
            a.m_nY,
            a.m_nShowFlag,
            a.m_nSelection,
            a.m_nLastAttribute,
            a.m_nCurrentAttribute,
            a.m_bKeepPosition,
            a.m_bInputCancelled};
  }
  void ExchangeWith(CAlternative& a) {
    std::swap(m_strName, a.m_strName);
    std::swap(m_strDescription, a.m_strDescription);
    std::swap(m_nRanking, a.m_nRanking);
    std::swap(m_dUtility, a.m_dUtility);
    std::swap(m_nX, a.m_nX);
    std::swap(m_nY, a.m_nY);
    std::swap(m_nShowFlag, a.m_nShowFlag);
    std::swap(m_nSelection, a.m_nSelection);
    std::swap(m_nLastAttribute, a.m_nLastAttribute);
    std::swap(m_nCurrentAttribute, a.m_nCurrentAttribute);
    std::swap(m_bKeepPosition, a.m_bKeepPosition);
    std::swap(m_bInputCancelled, a.m_bInputCancelled);
  }
};

struct SRecordChange {
  int m_nRecord;
  CAssessment m_record;
};

// One alternative that stayed in its place in the list and changed: its
// position counted from the front (in the common head of the list) or from
// the back (in the common tail), and the other side of what changed.
struct SAlternativeChange {
  bool m_bFromBack = false;
  size_t m_nIndex = 0;
  bool m_bHeader = false;
  SHeader m_header;
  std::vector<SRecordChange> m_records;
  // The whole alternative, when it changed beyond its header and records.
  std::unique_ptr<CAlternative> m_pWhole;
};

}  // namespace

struct CUndoHistory::SStep {
  std::string m_strName;
  size_t m_nBytes = 0;
  bool m_bState = false;
  SDocState m_state;
  std::vector<std::pair<int, CAttribute>> m_attributes;
  std::vector<SAlternativeChange> m_alternatives;
  // The stretch of the list that changed: from m_nListAt on, m_nListCount
  // alternatives in the model stand for m_list in the step.
  bool m_bList = false;
  int m_nListAt = 0;
  int m_nListCount = 0;
  std::vector<std::unique_ptr<CAlternative>> m_list;
};

CUndoHistory::CUndoHistory(CMADMDoc& doc) : m_doc(doc) { m_doc.SetChangeWatch(this); }

CUndoHistory::~CUndoHistory() {
  if (m_doc.ChangeWatch() == this) m_doc.SetChangeWatch(nullptr);
}

// ---------------------------------------------------------------------------
// Recording

bool CUndoHistory::Record(std::string_view name, const std::function<void()>& change) {
  if (m_nDepth > 0) {
    change();
    return false;
  }
  Begin();
  std::unique_ptr<SStep> step;
  try {
    change();
  } catch (...) {
    // What the command did before it failed can still be taken back.
    step = Finish(name);
    if (step) Push(std::move(step));
    FollowModified();
    Tell();
    throw;
  }
  step = Finish(name);
  if (!step) {
    // A change announced but not found (written where no step could see it)
    // must still be saved.
    if (m_bPublished) m_bChangedOutside = true;
    m_doc.SetModifiedFlag(m_bWasModified || !IsAtSavedPoint());
    return false;
  }
  Push(std::move(step));
  FollowModified();
  Tell();
  return true;
}

void CUndoHistory::Begin() {
  m_bWasModified = m_doc.IsModified();
  m_bPublished = false;
  m_before = m_doc.State();
  m_beforeAttributes.clear();
  m_beforeAttributes.reserve(kAttributeSlots);
  for (int i = 0; i < kAttributeSlots; ++i) m_beforeAttributes.push_back(m_doc.Attribute(i));
  const int n = m_doc.AlternativeCount();
  m_beforeList.resize(static_cast<size_t>(n));
  const CMADMDoc& doc = m_doc;
  for (int pos = 0; pos < n; ++pos) m_beforeList[static_cast<size_t>(pos)] = &doc.Alternative(pos);
  m_touched.clear();
  m_doc.SetWatching(true);
  ++m_nDepth;
}

void CUndoHistory::WillChange(const CAlternative& alternative) {
  std::lock_guard<std::mutex> lock(m_touchedMutex);
  auto [it, bNew] = m_touched.try_emplace(&alternative);
  if (bNew) it->second = std::make_unique<CAlternative>(alternative);
}

bool CUndoHistory::MarksModified(const SDocChange& change) {
  if (m_nDepth > 0) {
    if (change.m_kind == EDocChange::Results) m_bChangedOutside = true;
    if (change.m_kind != EDocChange::Selection) m_bPublished = true;
    return true;
  }
  // Choosing another attribute or alternative changes nothing that is saved.
  if (change.m_kind == EDocChange::Selection) return m_doc.IsModified();
  m_bChangedOutside = true;
  return true;
}

namespace {

// What changed in an alternative that kept its place; false if nothing did.
bool Compare(std::unique_ptr<CAlternative>& before, CAlternative& now, SAlternativeChange& change) {
  if (*before == now) return false;
  const SHeader header = SHeader::Of(*before);
  if (!(header == SHeader::Of(now))) {
    change.m_bHeader = true;
    change.m_header = header;
  }
  for (int r = 0; r < kAttributeSlots; ++r) {
    if (!(before->m_assessments[r] == now.m_assessments[r]))
      change.m_records.push_back({r, before->m_assessments[r]});
  }
  // Checks that the header and the records are all that changed: with the
  // new ones put into the old alternative, the two must be equal.
  CAlternative check(*before);
  if (change.m_bHeader) SHeader::Of(now).ExchangeWith(check);
  for (const SRecordChange& r : change.m_records) {
    CAssessment record(now.m_assessments[r.m_nRecord]);
    ExchangeWhole(check.m_assessments[r.m_nRecord], record);
  }
  if (!(check == now)) {
    change.m_bHeader = false;
    change.m_records.clear();
    change.m_pWhole = std::move(before);
  }
  return true;
}

size_t BytesOf(const SAlternativeChange& change) {
  if (change.m_pWhole) return sizeof(CAlternative);
  return sizeof(SAlternativeChange) + change.m_records.size() * sizeof(SRecordChange);
}

}  // namespace

std::unique_ptr<CUndoHistory::SStep> CUndoHistory::Finish(std::string_view name) {
  m_doc.SetWatching(false);
  --m_nDepth;
  auto step = std::make_unique<SStep>();
  step->m_strName = std::string(name);

  const SDocState now = m_doc.State();
  if (!(now == m_before)) {
    step->m_bState = true;
    step->m_state = m_before;
  }
  for (int i = 0; i < kAttributeSlots; ++i) {
    CAttribute& before = m_beforeAttributes[static_cast<size_t>(i)];
    if (!(before == m_doc.Attribute(i))) step->m_attributes.emplace_back(i, before);
  }

  // The alternatives: the common head and tail of the list kept their
  // places; between them, alternatives came or went.
  const CMADMDoc& doc = m_doc;
  const size_t nBefore = m_beforeList.size();
  const size_t nAfter = static_cast<size_t>(doc.AlternativeCount());
  auto after = [&doc](size_t i) { return &doc.Alternative(static_cast<int>(i)); };
  size_t head = 0;
  while (head < nBefore && head < nAfter && m_beforeList[head] == after(head)) ++head;
  size_t tail = 0;
  while (tail < nBefore - head && tail < nAfter - head &&
         m_beforeList[nBefore - 1 - tail] == after(nAfter - 1 - tail))
    ++tail;
  if (head + tail < nBefore || head + tail < nAfter) {
    step->m_bList = true;
    step->m_nListAt = static_cast<int>(head);
    step->m_nListCount = static_cast<int>(nAfter - head - tail);
    for (size_t j = head; j < nBefore - tail; ++j) {
      auto it = m_touched.find(m_beforeList[j]);
      // An alternative the command never touched is still in the model.
      step->m_list.push_back(it != m_touched.end() && it->second
                                 ? std::move(it->second)
                                 : std::make_unique<CAlternative>(*m_beforeList[j]));
    }
  }
  if (!m_touched.empty()) {
    auto look = [&](size_t i, bool bFromBack, size_t index) {
      auto it = m_touched.find(after(i));
      if (it == m_touched.end() || !it->second) return;
      SAlternativeChange change;
      change.m_bFromBack = bFromBack;
      change.m_nIndex = index;
      if (Compare(it->second, m_doc.Alternative(static_cast<int>(i)), change))
        step->m_alternatives.push_back(std::move(change));
    };
    // The document hands alternatives out for changing without a watch now.
    for (size_t i = 0; i < head; ++i) look(i, false, i);
    for (size_t k = 1; k <= tail; ++k) look(nAfter - k, true, k);
  }
  m_touched.clear();
  m_beforeList.clear();

  if (!step->m_bState && step->m_attributes.empty() && step->m_alternatives.empty() &&
      !step->m_bList)
    return nullptr;
  size_t bytes = sizeof(SStep) + step->m_strName.size();
  bytes += step->m_attributes.size() * (sizeof(CAttribute) + sizeof(SGradeTable));
  for (const SAlternativeChange& change : step->m_alternatives) bytes += BytesOf(change);
  bytes += step->m_list.size() * sizeof(CAlternative);
  step->m_nBytes = bytes;
  return step;
}

void CUndoHistory::Push(std::unique_ptr<SStep> step) {
  // A new step ends every step that could be redone.
  while (m_steps.size() > m_nPosition) {
    m_nBytes -= m_steps.back()->m_nBytes;
    m_steps.pop_back();
  }
  if (m_nSaved != kNoPosition && m_nSaved > m_nPosition) m_nSaved = kNoPosition;
  m_nBytes += step->m_nBytes;
  m_steps.push_back(std::move(step));
  m_nPosition = m_steps.size();
  size_t drop = 0;
  size_t bytes = m_nBytes;
  while (m_steps.size() - drop > 1 &&
         (m_steps.size() - drop > m_nMaxSteps || bytes > m_nMaxBytes)) {
    bytes -= m_steps[drop]->m_nBytes;
    ++drop;
  }
  if (drop == 0) return;
  m_steps.erase(m_steps.begin(), m_steps.begin() + static_cast<std::ptrdiff_t>(drop));
  m_nBytes = bytes;
  m_nPosition -= drop;
  if (m_nSaved != kNoPosition) m_nSaved = m_nSaved < drop ? kNoPosition : m_nSaved - drop;
}

// ---------------------------------------------------------------------------
// Undo and redo

void CUndoHistory::Apply(SStep& step) {
  const int n = m_doc.AlternativeCount();
  for (SAlternativeChange& change : step.m_alternatives) {
    const int pos = change.m_bFromBack ? n - static_cast<int>(change.m_nIndex)
                                       : static_cast<int>(change.m_nIndex);
    if (change.m_pWhole) {
      m_doc.ExchangeAlternative(pos, change.m_pWhole);
      continue;
    }
    const CMADMDoc& doc = m_doc;
    CAlternative& alternative = const_cast<CAlternative&>(doc.Alternative(pos));
    if (change.m_bHeader) change.m_header.ExchangeWith(alternative);
    for (SRecordChange& r : change.m_records)
      ExchangeWhole(alternative.m_assessments[r.m_nRecord], r.m_record);
  }
  if (step.m_bList) {
    const int count = static_cast<int>(step.m_list.size());
    m_doc.ExchangeAlternatives(step.m_nListAt, step.m_nListCount, step.m_list);
    step.m_nListCount = count;
  }
  for (auto& [i, attribute] : step.m_attributes) m_doc.ExchangeAttribute(i, attribute);
  // Last, so that every alternative follows the last attribute index.
  if (step.m_bState)
    m_doc.ExchangeState(step.m_state);
  else
    m_doc.ExchangeState(step.m_state = m_doc.State());
}

bool CUndoHistory::Undo() {
  if (!CanUndo() || IsRecording()) return false;
  Apply(*m_steps[--m_nPosition]);
  Moved();
  return true;
}

bool CUndoHistory::Redo() {
  if (!CanRedo() || IsRecording()) return false;
  Apply(*m_steps[m_nPosition++]);
  Moved();
  return true;
}

void CUndoHistory::GoTo(size_t count) {
  if (IsRecording()) return;
  count = std::min(count, m_steps.size());
  if (count == m_nPosition) return;
  while (m_nPosition > count) Apply(*m_steps[--m_nPosition]);
  while (m_nPosition < count) Apply(*m_steps[m_nPosition++]);
  Moved();
}

void CUndoHistory::Moved() {
  FollowModified();
  m_doc.Notify({EDocChange::Model, m_doc.CurrentAttribute(), m_doc.CurrentPosition()});
  Tell();
}

// ---------------------------------------------------------------------------
// The rest

std::string CUndoHistory::UndoName() const {
  return CanUndo() ? m_steps[m_nPosition - 1]->m_strName : std::string();
}

std::string CUndoHistory::RedoName() const {
  return CanRedo() ? m_steps[m_nPosition]->m_strName : std::string();
}

const std::string& CUndoHistory::StepName(size_t i) const { return m_steps[i]->m_strName; }

size_t CUndoHistory::StepBytes(size_t i) const { return m_steps[i]->m_nBytes; }

void CUndoHistory::SetLimits(size_t maxSteps, size_t maxBytes) {
  m_nMaxSteps = std::max<size_t>(1, maxSteps);
  m_nMaxBytes = maxBytes;
}

void CUndoHistory::MarkSaved() {
  m_nSaved = m_nPosition;
  m_bChangedOutside = false;
  FollowModified();
  Tell();
}

void CUndoHistory::Clear() {
  m_steps.clear();
  m_nPosition = 0;
  m_nBytes = 0;
  MarkSaved();
}

bool CUndoHistory::IsAtSavedPoint() const { return m_nSaved == m_nPosition && !m_bChangedOutside; }

void CUndoHistory::FollowModified() { m_doc.SetModifiedFlag(!IsAtSavedPoint()); }

void CUndoHistory::Subscribe(CUndoListener* listener) {
  if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
    m_listeners.push_back(listener);
}

void CUndoHistory::Unsubscribe(CUndoListener* listener) {
  m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener),
                    m_listeners.end());
}

void CUndoHistory::Tell() {
  std::vector<CUndoListener*> listeners = m_listeners;
  for (CUndoListener* listener : listeners) {
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end())
      listener->OnHistoryChanged();
  }
}

}  // namespace zev
