#pragma once

#include "app/dialogs/field_window.h"
#include "model/prompter.h"

class QBoxLayout;
class QPushButton;

namespace zev {

// The base of every modal dialog view: a thin Qt shell over a presenter of
// a core layer. The presenter decides what OK, Cancel and every button do;
// the view shows the presenter's fields, forwards the user's actions and
// carries out what the presenter answers (EDialogAction): close, or stay
// with the focus on the field the presenter names. OK, Cancel, Escape and
// the close box all go through OnOk() and OnCancel().
//
// A view is registered for its presenter's kind (dialog_registry.h); the
// prompter runs it. docs/windows.md has a minimal example.
class CDialogView : public CFieldWindow {
  Q_OBJECT

 public:
  // The window takes the presenter's title; its object name is the
  // presenter's kind unless one is given.
  CDialogView(CDialogPresenter& presenter, QWidget* parent, const char* objectName = nullptr);

  CDialogPresenter& Presenter() { return m_presenter; }
  QPushButton* OkButton() const { return m_pOk; }

  void accept() override;
  void reject() override;

 protected:
  virtual EDialogAction OnOk() = 0;
  virtual EDialogAction OnCancel() { return EDialogAction::CloseCancel; }

  // Carries out what the presenter decided.
  void Apply(EDialogAction action);

  // The confirm and cancel buttons (named "ok" and "cancel"), added to the
  // layout on a row of their own; the confirm button is the default one.
  void AddOkCancel(QBoxLayout* layout, const QString& ok = tr("OK"),
                   const QString& cancel = tr("Cancel"));

  void showEvent(QShowEvent* event) override;

 private:
  CDialogPresenter& m_presenter;
  QPushButton* m_pOk = nullptr;
  bool m_bFocusedOnce = false;
};

}  // namespace zev
