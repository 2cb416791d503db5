#include "app/dialogs/file_name_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CFileNameDialog::CFileNameDialog(CDialogPresenter& p, QWidget* parent, const char* objectName,
                                 const SLabels& labels, std::string& fileName,
                                 std::function<void()> browse)
    : CDialogView(p, parent, objectName) {
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(labels.m_szPrompt, this);
  prompt->setWordWrap(true);
  layout->addWidget(prompt);
  auto* row = new QHBoxLayout;
  m_pFileName = new QLineEdit(this);
  m_pFileName->setObjectName(labels.m_szField);
  prompt->setBuddy(m_pFileName);
  // A file name is the file system's text, not the model's.
  Bind(m_pFileName, PathToQt(fileName),
       [&fileName](const QString& t) { fileName = PathFromQt(t); });
  row->addWidget(m_pFileName, 1);
  AddButton(row, labels.m_szBrowse, "browse", [this, &fileName, browse = std::move(browse)] {
    browse();
    Showing([this, &fileName] { m_pFileName->setText(PathToQt(fileName)); });
    FocusPresenterField();
  });
  layout->addLayout(row);
  AddOkCancel(layout, labels.m_szOk, labels.m_szCancel);
  resize(460, sizeHint().height());
}

}  // namespace zev
