#include "app/dialogs/read_data_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CReadDataDialog::CReadDataDialog(CReadDataPresenter& p, QWidget* parent)
    : CDialogView(p, parent, "readDataDialog"), m_p(p) {
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(CReadDataPresenter::kPrompt, this);
  prompt->setWordWrap(true);
  layout->addWidget(prompt);
  auto* row = new QHBoxLayout;
  m_pFileName = new QLineEdit(this);
  m_pFileName->setObjectName(CReadDataPresenter::kFieldFileName);
  // A file name is the file system's text, not the model's.
  Bind(m_pFileName, PathToQt(p.m_strFileName),
       [this](const QString& t) { m_p.m_strFileName = PathFromQt(t); });
  row->addWidget(m_pFileName, 1);
  AddButton(row, CReadDataPresenter::kBrowseLabel, "browse", [this] {
    m_p.Browse();
    Showing([this] { m_pFileName->setText(PathToQt(m_p.m_strFileName)); });
    FocusPresenterField();
  });
  layout->addLayout(row);
  AddOkCancel(layout, CReadDataPresenter::kReadLabel, CReadDataPresenter::kCancelLabel);
  resize(460, sizeHint().height());
}

}  // namespace zev
