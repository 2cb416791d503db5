#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "model/prompter.h"

class QPlainTextEdit;
class QBoxLayout;
class QPushButton;
class QComboBox;

namespace zev {

class CFocusGuard;

// The base of every modal dialog view: a thin shell over a presenter. The
// presenter decides what OK, Cancel and the buttons do; the view forwards
// the user's actions, shows the presenter's fields and, after a refusal,
// gives the focus back to the field the presenter names.
//
// Child widgets carry the presenter's field names as object names, so that
// FocusField() finds its widget.
class CPresenterDialog : public QDialog {
  Q_OBJECT

 public:
  CPresenterDialog(CDialogPresenter& presenter, QWidget* parent);
  ~CPresenterDialog() override;

  CDialogPresenter& Presenter() { return m_presenter; }

  // OK, Cancel, Escape and the close box go through the presenter.
  void accept() override;
  void reject() override;

 protected:
  virtual EDialogAction OnOk() = 0;
  virtual EDialogAction OnCancel() { return EDialogAction::CloseCancel; }

  // Carries out what the presenter decided: close, or stay with the focus
  // on the field it names.
  void Apply(EDialogAction action);
  void FocusPresenterField();

  // Checks the field whenever the focus leaves it for another control.
  void GuardField(QWidget* field, std::function<bool()> check);
  // Tells the presenter which field the user is in.
  void OnFieldFocus(QWidget* field, std::function<void()> entered);
  // Buttons whose press is no loss of focus for the field being left (OK,
  // Cancel, and buttons that act on that field).
  void ExemptButtons(std::vector<QPushButton*> buttons);

  // The standard OK and Cancel buttons, added to the layout.
  void AddOkCancel(QBoxLayout* layout);
  QPushButton* OkButton() const { return m_pOk; }

  void showEvent(QShowEvent* event) override;

 private:
  CDialogPresenter& m_presenter;
  CFocusGuard* m_pGuard;
  QPushButton* m_pOk = nullptr;
  bool m_bFocusedOnce = false;
};

// The editing buttons of every text window: Copy, Paste, Cut and Undo.
void AddEditButtons(QBoxLayout* layout, QPlainTextEdit* edit);

// An editable drop-down list that offers the preset texts in their order.
QComboBox* NewPresetCombo(const std::vector<std::string>& presets, QWidget* parent);

}  // namespace zev
