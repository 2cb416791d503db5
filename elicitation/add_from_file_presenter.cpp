#include "elicitation/add_from_file_presenter.h"

#include "io/model_file.h"

namespace zev {

std::string CAddFromFilePresenter::Title() const {
  switch (m_kind) {
    case EMergeKind::Alternatives:
      return "ZEV Dialog: Add Alternatives from A File";
    case EMergeKind::Attributes:
      return "ZEV Dialog: Add Attributes from A File";
    case EMergeKind::Data:
      break;
  }
  return "ZEV Dialog: Add Data from Another ZEV Model File";
}

void CAddFromFilePresenter::Browse() {
  SFileChoice choice;
  choice.m_bSave = false;
  choice.m_strTitle = "Open";
  choice.m_strFilter = kModelFileFilter;
  choice.m_strDefaultExt = kModelFileExtension;
  choice.m_strPath = "ZEV Model";
  choice.m_bOverwritePrompt = true;
  if (ThePrompter().ChooseFile(choice)) m_strPath = choice.m_strPath;
  SetFocusField(kFieldPath);
}

EMergeResult RunAddFromFileCommand(CMADMDoc& doc, EMergeKind kind) {
  CAddFromFilePresenter presenter(kind);
  if (!ThePrompter().RunModal(presenter)) return EMergeResult::Abandoned;
  return MergeModelFile(doc, kind, presenter.m_strPath);
}

}  // namespace zev
