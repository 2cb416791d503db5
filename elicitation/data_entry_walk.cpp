#include "elicitation/data_entry_walk.h"

#include <algorithm>

#include "elicitation/add_from_file_presenter.h"
#include "elicitation/assessment_entry.h"
#include "elicitation/read_data_presenter.h"
#include "io/report_walk.h"

namespace zev {

namespace {

constexpr std::uint16_t kNotVisited = 3;
constexpr std::uint16_t kVisited = 1;

// The entry of one bottom attribute; false when the user stops the walk.
bool EnterStep(CMADMDoc& doc, CAlternative& alternative, int k) {
  const CAssessment before = alternative.Record(k);
  EnterAssessment(alternative, k, FatherName(alternative, k));
  if (alternative.m_bInputCancelled) {
    // A cancelled page does not undo the pages confirmed around it.
    if (!SameInput(before, alternative.Record(k))) doc.SetModifiedFlag(true);
    const EAnswer answer = ThePrompter().AskYesNo(
        "Do you want to terminate typing in data for <" + alternative.m_strName + ">?",
        EIcon::Question, 1);
    if (answer == EAnswer::Yes) return false;
  }
  doc.SetModifiedFlag(true);
  return true;
}

int FirstChild(const CMADMDoc& doc, int f) {
  for (int i = 1; i <= doc.LastAttribute(); ++i) {
    const CAttribute& a = doc.Attribute(i);
    if (a.m_nFather == f && a.m_nPrevSibling < 0) return i;
  }
  return -1;
}

// Where the walk starts: the top attribute, a selected one, or nowhere (-1).
int AskStart(const CMADMDoc& doc, const CAlternative& alternative) {
  CPrompter& p = ThePrompter();
  if (p.AskYesNo("Start typing in data from the FIRST assessible attribute for <" +
                 alternative.m_strName + ">?") == EAnswer::Yes) {
    return 0;
  }
  if (p.AskYesNo("Start typing in data from a SELECTED attribute for <" + alternative.m_strName +
                 ">?") != EAnswer::Yes) {
    return -1;
  }
  CSelectAttributePresenter selection(doc);
  if (!p.RunModal(selection) && p.AskYesNo("Do you want to abandon data input?") == EAnswer::Yes) {
    return -1;
  }
  return std::clamp(selection.SelectedAttribute(), 0, doc.LastAttribute());
}

}  // namespace

const char* CDataInputMethodPresenter::MethodText(int nMethod) {
  switch (nMethod) {
    case ReadTextFile:
      return "Read assessment data from a text file";
    case AddFromModelFile:
      return "Add assessment data from an ZEV file";
    default:
      return "Type in assessment data onscreen for a selected alternative";
  }
}

CSelectAttributePresenter::CSelectAttributePresenter(const CMADMDoc& doc)
    : m_nAttribute(doc.CurrentAttribute()) {
  for (const SWalkStep& step : HierarchyWalk(doc)) {
    const CAttribute& a = doc.Attribute(step.m_nAttribute);
    m_rows.push_back(
        {step.m_nAttribute, step.m_nLevel, a.m_strName.Str(), a.m_nType, a.m_nChildren > 0});
  }
}

std::string CSelectAttributePresenter::Prompt() const {
  return "Select the attribute from which to start typing in data:";
}

int CSelectAttributePresenter::SelectedRow() const {
  for (std::size_t r = 0; r < m_rows.size(); ++r) {
    if (m_rows[r].m_nAttribute == m_nAttribute) return static_cast<int>(r);
  }
  return -1;
}

void CSelectAttributePresenter::SelectRow(int nRow) {
  if (nRow >= 0 && nRow < static_cast<int>(m_rows.size())) {
    m_nAttribute = m_rows[static_cast<std::size_t>(nRow)].m_nAttribute;
  }
}

bool RunDataEntryWalk(CMADMDoc& doc) {
  if (doc.AlternativeCount() == 0) return false;
  CAlternative& alternative = doc.CurrentAlternative();
  doc.PrepareAlternative(alternative);
  const int start = AskStart(doc, alternative);
  if (start < 0) return false;

  const int last = doc.LastAttribute();
  for (int i = 0; i <= last; ++i) doc.Attribute(i).m_nMark = kNotVisited;

  // A depth-first pass in sibling order. Each attribute with children is
  // reached twice (on the way down and back up), every other once, which
  // bounds the pass even on links that were never meant to loop.
  int n = start;
  for (int guard = 0; guard <= 2 * kAttributeSlots; ++guard) {
    CAttribute& a = doc.Attribute(n);
    if (a.m_nChildren > 0 && a.m_nMark != kVisited) {
      a.m_nMark = kVisited;
      n = FirstChild(doc, n);
      if (n < 0) return false;
      continue;
    }
    if (a.m_nChildren == 0) {
      if (!EnterStep(doc, alternative, n)) return false;
      a.m_nMark = kVisited;
    }
    if (a.m_nNextSibling >= 1 && a.m_nNextSibling <= last) {
      n = a.m_nNextSibling;
      continue;
    }
    const int f = a.m_nFather;
    if (f < 0 || f > last) return false;  // the top without children
    doc.Attribute(f).m_nMark = kVisited;
    if (f == 0) {
      doc.PublishChanges({EDocChange::Assessment, -1, doc.CurrentPosition()});
      return true;
    }
    n = f;
  }
  return false;
}

void RunDataInputMethodCommand(CMADMDoc& doc) {
  CDataInputMethodPresenter presenter;
  if (!ThePrompter().RunModal(presenter)) return;
  switch (presenter.m_nMethod) {
    case CDataInputMethodPresenter::TypeIn:
      RunDataEntryWalk(doc);
      break;
    case CDataInputMethodPresenter::ReadTextFile:
      RunReadDataCommand(doc);
      break;
    case CDataInputMethodPresenter::AddFromModelFile:
      RunAddFromFileCommand(doc, EMergeKind::Data);
      break;
  }
}

}  // namespace zev
