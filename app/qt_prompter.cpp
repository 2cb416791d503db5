#include "app/qt_prompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

#include "app/dialogs/dialog_registry.h"
#include "app/dialogs/qt_text.h"

namespace zev {

namespace {

constexpr const char* kBoxTitle = "ZEV";

QMessageBox::Icon IconOf(EIcon icon) {
  switch (icon) {
    case EIcon::None:
      return QMessageBox::NoIcon;
    case EIcon::Information:
      return QMessageBox::Information;
    case EIcon::Warning:
      return QMessageBox::Warning;
    case EIcon::Error:
      return QMessageBox::Critical;
    case EIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

std::vector<std::string> SplitBars(const std::string& s) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  for (;;) {
    std::string::size_type bar = s.find('|', start);
    if (bar == std::string::npos) {
      parts.push_back(s.substr(start));
      break;
    }
    parts.push_back(s.substr(start, bar - start));
    start = bar + 1;
  }
  return parts;
}

// Gives the focus back to the control that had it before a modal window, in
// its own window: otherwise the window system may pick another model window
// when the modal one closes.
class CFocusKeeper {
 public:
  CFocusKeeper() : m_pFocus(QApplication::focusWidget()) {}
  ~CFocusKeeper() {
    if (!m_pFocus || !m_pFocus->isVisible()) return;
    m_pFocus->activateWindow();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(SubWindowOf(m_pFocus))) {
      if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
    }
    m_pFocus->setFocus(Qt::OtherFocusReason);
  }
  CFocusKeeper(const CFocusKeeper&) = delete;
  CFocusKeeper& operator=(const CFocusKeeper&) = delete;

 private:
  static QWidget* SubWindowOf(QWidget* w) {
    while (w && !qobject_cast<QMdiSubWindow*>(w)) w = w->parentWidget();
    return w;
  }

  QPointer<QWidget> m_pFocus;
};

}  // namespace

QStringList FileFilters(const std::string& filter) {
  QStringList filters;
  std::vector<std::string> parts = SplitBars(filter);
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty()) break;  // the "||" that ends the list
    QString description = ToQt(parts[i]);
    QStringList patterns = ToQt(parts[i + 1]).split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      p = p.trimmed();
      if (p == "*.*") p = "*";
    }
    QString joined = patterns.join(' ');
    // Qt reads the patterns from the parentheses of the description.
    int open = description.lastIndexOf('(');
    if (open >= 0 && description.endsWith(')')) description = description.left(open).trimmed();
    filters << QString("%1 (%2)").arg(description, joined);
  }
  return filters;
}

std::string MissingDialogMessage(const std::string& kind) {
  return "The window for the dialog \"" + kind + "\" is not part of this version of the program.";
}

QWidget* CQtPrompter::Owner() {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  if (QWidget* w = QApplication::activeWindow()) return w;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<QMainWindow*>(w) && w->isVisible()) return w;
  }
  return nullptr;
}

EAnswer CQtPrompter::Show(const SMessage& message) {
  CFocusKeeper keeper;
  // A message with a heading of its own (the part of a data file that was
  // wrong) shows it as the caption.
  const QString title = message.m_strTitle.empty() ? QString(kBoxTitle) : ToQt(message.m_strTitle);
  QMessageBox box(IconOf(message.m_icon), title, ToQt(message.m_strText), QMessageBox::NoButton,
                  Owner());
  // Messages quote names in angle brackets ("Deleting <Car A> ..."), which
  // must not be taken for markup.
  box.setTextFormat(Qt::PlainText);
  std::vector<QPushButton*> buttons;
  switch (message.m_buttons) {
    case EButtons::Ok:
      buttons.push_back(box.addButton(QMessageBox::Ok));
      break;
    case EButtons::YesNo:
      buttons.push_back(box.addButton(QMessageBox::Yes));
      buttons.push_back(box.addButton(QMessageBox::No));
      box.setEscapeButton(buttons.back());
      break;
    case EButtons::YesNoCancel:
      buttons.push_back(box.addButton(QMessageBox::Yes));
      buttons.push_back(box.addButton(QMessageBox::No));
      buttons.push_back(box.addButton(QMessageBox::Cancel));
      box.setEscapeButton(buttons.back());
      break;
  }
  const size_t nDefault = static_cast<size_t>(message.m_nDefaultButton);
  box.setDefaultButton(buttons[nDefault < buttons.size() ? nDefault : 0]);
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
      return EAnswer::Yes;
    case QMessageBox::No:
      return EAnswer::No;
    case QMessageBox::Cancel:
      return EAnswer::Cancel;
    case QMessageBox::Ok:
      return EAnswer::Ok;
    default:
      return message.m_buttons == EButtons::Ok ? EAnswer::Ok : EAnswer::Cancel;
  }
}

bool CQtPrompter::RunModal(CDialogPresenter& presenter) {
  CFocusKeeper keeper;
  bool bFound = false;
  bool bConfirmed = RunDialogView(presenter, Owner(), &bFound);
  if (!bFound) {
    Error(MissingDialogMessage(presenter.DialogKind()));
    return false;
  }
  return bConfirmed;
}

bool CQtPrompter::ChooseFile(SFileChoice& choice) {
  QFileDialog dialog(Owner(), ToQt(choice.m_strTitle));
  dialog.setAcceptMode(choice.m_bSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(choice.m_bSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters = FileFilters(choice.m_strFilter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!choice.m_strDefaultExt.empty()) dialog.setDefaultSuffix(ToQt(choice.m_strDefaultExt));
  // A name typed without an extension takes the one of the type chosen
  // (a report as "*.odt"); "All Files" keeps the default.
  const QString defaultSuffix = ToQt(choice.m_strDefaultExt);
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, defaultSuffix](const QString& filter) {
                     static const QRegularExpression pattern("\\(\\*\\.(\\w+)");
                     const QRegularExpressionMatch m = pattern.match(filter);
                     dialog.setDefaultSuffix(m.hasMatch() ? m.captured(1) : defaultSuffix);
                   });
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !choice.m_bOverwritePrompt);
  if (!choice.m_strPath.empty()) {
    QFileInfo proposed(PathToQt(choice.m_strPath));
    if (proposed.isAbsolute()) dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  choice.m_strPath = PathFromQt(dialog.selectedFiles().front());
  return true;
}

void CQtPrompter::OpenWithDesktop(const std::string& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQt(path)));
}

}  // namespace zev
