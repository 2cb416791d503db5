#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <string>

#include "model/prompter.h"

namespace zev {

// The registry of modal dialog views, one per presenter kind. The prompter
// runs a presenter by looking up the view registered for its DialogKind();
// each view is a thin Qt dialog that shows the presenter's fields and
// forwards the user's actions to it.
//
// A view is added by one call, usually from the file that defines it:
//
//   RegisterDialog<CMyPresenter, CMyDialog>();
//
// where CMyDialog is a QDialog constructed as CMyDialog(CMyPresenter&,
// QWidget* parent) that accepts when the presenter confirms. Views that need
// more than exec() register a function with RegisterDialogView instead.
using DialogView = std::function<bool(CDialogPresenter& presenter, QWidget* parent)>;

void RegisterDialogView(const std::string& kind, DialogView view);
bool HasDialogView(const std::string& kind);
// Runs the view of the presenter's kind; false (not confirmed) when none is
// registered.
bool RunDialogView(CDialogPresenter& presenter, QWidget* parent, bool* pFound = nullptr);

template <typename Presenter, typename Dialog>
void RegisterDialog() {
  RegisterDialogView(Presenter::kKind, [](CDialogPresenter& p, QWidget* parent) {
    Dialog dialog(static_cast<Presenter&>(p), parent);
    return dialog.exec() == QDialog::Accepted;
  });
}

// Registers every dialog view the application has.
void RegisterStandardDialogViews();

}  // namespace zev
