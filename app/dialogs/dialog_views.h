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

// The modal dialog views of this library, by their presenter's DialogKind(),
// for the application's registry of dialog views.
const std::vector<SDialogView>& DialogViews();

}  // namespace zev
