#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QLayout;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zev {

class CEntryField;
class CFocusGuard;

// What the two window bases share (CDialogView for modal dialogs,
// CToolWindow for modeless tool windows): fields bound to the presenter's
// texts, one check when the focus leaves a field, and the focus given back
// to the field the presenter names after a refusal. Widgets carry the
// presenter's field names as object names, which is how a refusal finds
// its field.
class CFieldWindow : public QDialog {
  Q_OBJECT

 public:
  ~CFieldWindow() override;

 protected:
  // focusField names the presenter's field for the focus ("" for none).
  CFieldWindow(QWidget* parent, std::function<std::string()> focusField);

  // Binds a field to a text of the presenter: the field shows the text now
  // and every change of the field (typed or set) is written back at once.
  void Bind(QLineEdit* field, std::string& text);
  void Bind(QComboBox* field, std::string& text);  // an editable list
  void Bind(QPlainTextEdit* field, std::string& text);
  // A number field of the presenter: its text as typed.
  void Bind(QLineEdit* field, CEntryField& entry);
  // The same through the presenter's own setter (texts as Qt has them).
  void Bind(QLineEdit* field, const QString& shown, std::function<void(const QString&)> store);
  void Bind(QComboBox* field, const QString& shown, std::function<void(const QString&)> store);
  // Runs show, which puts the presenter's state into the widgets, without
  // writing the widgets' changes back.
  void Showing(const std::function<void()>& show);
  bool IsShowing() const { return m_bShowing; }

  // Checks the field whenever the focus leaves it for another control of
  // the window; false is a refusal.
  void GuardField(QWidget* field, std::function<bool()> check);
  // Tells the presenter which field the user is in.
  void OnFieldFocus(QWidget* field, std::function<void()> entered);
  // Buttons whose press is no loss of focus for the field being left
  // (OK, Cancel, Close, and buttons that act on that field).
  void ExemptButtons(std::vector<QPushButton*> buttons);
  // Gives the focus to the presenter's focus field, its text selected.
  void FocusPresenterField();

  // A push button that runs action and never becomes the default one.
  QPushButton* AddButton(QLayout* layout, const QString& text, const char* name,
                         std::function<void()> action);

  // The first time: every field wide enough for the number it holds, the
  // window wide enough for its title.
  void showEvent(QShowEvent* event) override;

 private:
  CFocusGuard* m_pGuard;
  std::function<std::string()> m_focusField;
  bool m_bShowing = false;
  bool m_bFitted = false;
};

// Makes a text field (or an editable list) wide enough to show its text
// and any number of the program's formats in full.
void FitField(QWidget* field);
// The width a window needs to show its title uncut in a title bar.
int TitleWidth(const QWidget* window);

}  // namespace zev
