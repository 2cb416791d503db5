#include "elicitation/define_alternative_presenter.h"

namespace zev {

EDialogAction CDefineAlternativePresenter::Ok() {
  if (m_strName.empty()) {
    ThePrompter().Warning("The alternative name must not be empty.");
    SetFocusField(kFieldName);
    return EDialogAction::Stay;
  }
  return EDialogAction::CloseOk;
}

void CDefineAlternativePresenter::Store(CAlternative& alternative) const {
  alternative.SetName(m_strName);
  alternative.SetDescription(m_strDescription);
}

bool RunDefineAlternativeDialog(CMADMDoc& doc) {
  if (doc.AlternativeCount() == 0) return false;
  CAlternative& alternative = doc.CurrentAlternative();
  CDefineAlternativePresenter presenter(alternative);
  if (!ThePrompter().RunModal(presenter)) return false;
  presenter.Store(alternative);
  doc.PublishChanges({EDocChange::Alternatives, -1, doc.CurrentPosition()});
  return true;
}

}  // namespace zev
