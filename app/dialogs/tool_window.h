#pragma once

#include <string>

#include "app/dialogs/field_window.h"
#include "commands/modeless_registry.h"

class QBoxLayout;
class QPushButton;

namespace zev {

// The base of every modeless tool window. It lives until the user closes
// it (its close button, Escape or the close box) or its model closes, and
// then leaves its slot in the model's registry (CModelessRegistry), which
// keeps it single: the command that opens it brings an open one to the
// front instead of opening another. While open it is told of every change
// of the document through the one typed notification (OnDocumentChanged),
// and shows what it needs again from there. Fields work as in a dialog
// view: bound to the presenter, checked when left.
//
// docs/windows.md has a minimal example.
class CToolWindow : public CFieldWindow, public CModelessWindow {
  Q_OBJECT

 public:
  // focusField names the presenter's field for the focus after a refusal.
  CToolWindow(
      QWidget* parent, const char* objectName, const QString& title,
      std::function<std::string()> focusField = [] { return std::string(); });

  void BringToFront() override;
  void Destroy() override { delete this; }
  void OnDocumentChanged(CMADMDoc&, const SDocChange&) override {}
  void done(int result) override;

 protected:
  // The "&Close" button, exempt from the field checks.
  QPushButton* AddCloseButton(QBoxLayout* layout);

  void closeEvent(QCloseEvent* event) override;
};

}  // namespace zev
