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
// Creates the view of a kind without running it (the caller owns it).
using DialogFactory = std::function<QDialog*(CDialogPresenter& presenter, QWidget* parent)>;

void RegisterDialogView(const std::string& kind, DialogView view);
// Registers a view by its factory; running it is exec() on a new view.
void RegisterDialogFactory(const std::string& kind, DialogFactory factory);
// A new view of the presenter's kind, when it was registered by a factory;
// nullptr otherwise. Tests drive such views without a modal loop.
QDialog* CreateDialogView(CDialogPresenter& presenter, QWidget* parent);
bool HasDialogView(const std::string& kind);
// Runs the view of the presenter's kind; false (not confirmed) when none is
// registered.
bool RunDialogView(CDialogPresenter& presenter, QWidget* parent, bool* pFound = nullptr);

template <typename Presenter, typename Dialog>
void RegisterDialog() {
  RegisterDialogFactory(Presenter::kKind, [](CDialogPresenter& p, QWidget* parent) -> QDialog* {
    return new Dialog(static_cast<Presenter&>(p), parent);
  });
}

// Registers every dialog view the application has.
void RegisterStandardDialogViews();

}  // namespace zev
