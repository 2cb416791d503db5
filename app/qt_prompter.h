#pragma once

#include <QStringList>
#include <string>

#include "model/prompter.h"

class QWidget;

namespace zev {

// The desktop's interaction port: message boxes, the registered dialog
// views, the file windows and the desktop's own file opening.
class CQtPrompter : public CPrompter {
 public:
  EAnswer Show(const SMessage& message) override;
  // An unregistered kind shows an error box naming it and counts as cancelled.
  bool RunModal(CDialogPresenter& presenter) override;
  bool ChooseFile(SFileChoice& choice) override;
  void OpenWithDesktop(const std::string& path) override;

  // The window that owns the boxes: the active window, else the main window.
  static QWidget* Owner();
};

// "Name (*.ext)|*.ext|...||" as Qt's file window filters. Each pattern list
// goes behind its description (unless already there); "*.*" becomes "*",
// which matches every file here, names without a point included.
QStringList FileFilters(const std::string& filter);

// The message text of a dialog kind that has no view.
std::string MissingDialogMessage(const std::string& kind);

}  // namespace zev
