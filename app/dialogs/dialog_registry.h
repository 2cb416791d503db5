#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "model/prompter.h"

namespace zev {

class CDialogView;

// The one registry of modal dialog views, by their presenter's
// DialogKind(). The prompter runs a presenter by looking up the view
// registered for its kind. A view is added by one line in
// RegisterStandardDialogViews():
//
//   RegisterDialog<CMyPresenter, CMyDialog>();
//
// where CMyDialog is a CDialogView constructed as CMyDialog(CMyPresenter&,
// QWidget* parent).
using DialogFactory = std::function<CDialogView*(CDialogPresenter& presenter, QWidget* parent)>;
// Runs a dialog of a kind without a view of its own (tests replace views so).
using DialogRunner = std::function<bool(CDialogPresenter& presenter, QWidget* parent)>;

// Registers a view by its factory; running it is exec() on a new view.
// nullptr removes the kind.
void RegisterDialogFactory(const std::string& kind, DialogFactory factory);
void RegisterDialogView(const std::string& kind, DialogRunner runner);

template <typename Presenter, typename View>
void RegisterDialog() {
  RegisterDialogFactory(Presenter::kKind, [](CDialogPresenter& p, QWidget* parent) -> CDialogView* {
    return new View(static_cast<Presenter&>(p), parent);
  });
}

// A new view of the presenter's kind (the caller owns it), when it was
// registered by a factory; nullptr otherwise. Tests drive such views
// without a modal loop.
CDialogView* CreateDialogView(CDialogPresenter& presenter, QWidget* parent);
bool HasDialogView(const std::string& kind);
// Runs the view of the presenter's kind; false (not confirmed) when none is
// registered.
bool RunDialogView(CDialogPresenter& presenter, QWidget* parent, bool* pFound = nullptr);

// Registers every modal dialog view the application has.
void RegisterStandardDialogViews();

}  // namespace zev
