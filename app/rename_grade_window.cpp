#include "app/rename_grade_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CRenameGradeWindow::CRenameGradeWindow(CModelCommands& commands, QWidget* parent)
    : CToolWindow(parent, "renameGradeWindow", ToQt(CRenameGradePresenter::Title()),
                  [this] { return m_presenter.FocusField(); }),
      m_commands(commands),
      m_presenter(commands.Doc()) {
  m_pFrom = new QLineEdit(this);
  m_pFrom->setObjectName(CRenameGradePresenter::kFieldFrom);
  m_pTo = new QLineEdit(this);
  m_pTo->setObjectName(CRenameGradePresenter::kFieldTo);
  Bind(m_pFrom, m_presenter.m_strFrom);
  Bind(m_pTo, m_presenter.m_strTo);
  // A field is checked when the focus moves to another control of the
  // window, but not on the way to Close or out of the window.
  GuardField(m_pFrom, [this] { return m_presenter.FromFocusLost(); });
  GuardField(m_pTo, [this] { return m_presenter.ToFocusLost(); });
  auto* form = new QFormLayout;
  form->addRow("&From:", m_pFrom);
  form->addRow("&To:", m_pTo);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  m_pChange = new QPushButton("C&hange", this);
  m_pChange->setDefault(true);
  connect(m_pChange, &QPushButton::clicked, this, &CRenameGradeWindow::Change);
  buttons->addWidget(m_pChange);
  AddCloseButton(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

void CRenameGradeWindow::Change() {
  bool bChanged = false;
  m_commands.RecordStep("Change Grade Name",
                        [this, &bChanged] { bChanged = m_presenter.Change(); });
  if (!bChanged) FocusPresenterField();
}

}  // namespace zev
