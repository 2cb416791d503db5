#include "app/input_sensitivity_window.h"

#include <QBoxLayout>

#include "app/analysis_list.h"

namespace zev {

CInputSensitivityWindow::CInputSensitivityWindow(CModelCommands& commands, QWidget* parent)
    : CSensitivityWindow(commands, parent, "inputSensitivityWindow",
                         CInputSensitivityPresenter::kTitle),
      m_presenter(commands.Doc()) {
  QBoxLayout* own = Build(m_presenter, CInputSensitivityPresenter::kPickChoice);
  own->addStretch(1);
  // The input shown is the current alternative's: a click in the list
  // makes it current.
  connect(List(), &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    const int pos = List()->indexOfTopLevelItem(item);
    if (pos >= 0 && pos != m_commands.Doc().CurrentPosition()) m_commands.SelectAlternative(pos);
  });
  ShowState();
}

void CInputSensitivityWindow::FollowDocument(const SDocChange& change) {
  m_presenter.FollowDocument(change);
}

}  // namespace zev
