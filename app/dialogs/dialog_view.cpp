#include "app/dialogs/dialog_view.h"

#include <QBoxLayout>
#include <QPushButton>

#include "app/dialogs/qt_text.h"

namespace zev {

CDialogView::CDialogView(CDialogPresenter& presenter, QWidget* parent, const char* objectName)
    : CFieldWindow(parent, [&presenter] { return presenter.FocusField(); }),
      m_presenter(presenter) {
  setWindowTitle(ToQt(presenter.Title()));
  setObjectName(objectName ? objectName : presenter.DialogKind());
}

void CDialogView::accept() { Apply(OnOk()); }

void CDialogView::reject() { Apply(OnCancel()); }

void CDialogView::Apply(EDialogAction action) {
  switch (action) {
    case EDialogAction::CloseOk:
      QDialog::accept();
      break;
    case EDialogAction::CloseCancel:
      QDialog::reject();
      break;
    case EDialogAction::Stay:
      FocusPresenterField();
      break;
  }
}

void CDialogView::AddOkCancel(QBoxLayout* layout, const QString& ok, const QString& cancel) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  m_pOk = new QPushButton(ok, this);
  m_pOk->setObjectName("ok");
  m_pOk->setDefault(true);
  auto* pCancel = new QPushButton(cancel, this);
  pCancel->setObjectName("cancel");
  row->addWidget(m_pOk);
  row->addWidget(pCancel);
  layout->addLayout(row);
  connect(m_pOk, &QPushButton::clicked, this, &CDialogView::accept);
  connect(pCancel, &QPushButton::clicked, this, &CDialogView::reject);
  ExemptButtons({m_pOk, pCancel});
}

void CDialogView::showEvent(QShowEvent* event) {
  CFieldWindow::showEvent(event);
  if (!m_bFocusedOnce) {
    m_bFocusedOnce = true;
    FocusPresenterField();
  }
}

}  // namespace zev
