#pragma once

#include <QDialog>
#include <vector>

#include "model/prompter.h"

namespace zev {

// Creates the view of one kind of modal dialog over its presenter.
using DialogViewFactory = QDialog* (*)(CDialogPresenter& presenter, QWidget* parent);

struct SDialogView {
  const char* m_pszKind;
  DialogViewFactory m_create;
};

// Every modal dialog view of this library, by its presenter's DialogKind().
const std::vector<SDialogView>& DialogViews();

// The view for the presenter's kind, or nullptr when there is none.
QDialog* CreateDialogView(CDialogPresenter& presenter, QWidget* parent);

}  // namespace zev
