#include "app/dialogs/tool_window.h"

#include <QBoxLayout>
#include <QPushButton>

namespace zev {

CToolWindow::CToolWindow(QWidget* parent, const char* objectName, const QString& title,
                         std::function<std::string()> focusField)
    : CFieldWindow(parent, std::move(focusField)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setObjectName(objectName);
  setWindowTitle(title);
}

void CToolWindow::closeEvent(QCloseEvent* event) {
  // The command opens a new window as soon as this one is closed, even
  // before it is destroyed.
  LeaveRegistry();
  QDialog::closeEvent(event);
}

void CToolWindow::done(int result) {
  LeaveRegistry();
  QDialog::done(result);
  // Escape ends a tool window for good, as its close button does.
  if (!isVisible()) deleteLater();
}

void CToolWindow::BringToFront() {
  if (isMinimized())
    showNormal();
  else
    show();
  raise();
  activateWindow();
}

QPushButton* CToolWindow::AddCloseButton(QBoxLayout* layout) {
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName("close");
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  layout->addWidget(close);
  ExemptButtons({close});
  return close;
}

}  // namespace zev
