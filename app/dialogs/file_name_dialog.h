#pragma once

#include <functional>
#include <string>

#include "app/dialogs/dialog_view.h"

class QLineEdit;

namespace zev {

// The small window that asks for the name of a file: a prompt, the name's
// field, a button that browses for it, and the confirm and cancel buttons.
class CFileNameDialog : public CDialogView {
  Q_OBJECT

 public:
  struct SLabels {
    const char* m_szPrompt;
    const char* m_szField;  // the presenter's field name
    const char* m_szBrowse;
    const char* m_szOk;
    const char* m_szCancel;
  };

  // fileName is the presenter's text; browse lets the presenter replace it.
  CFileNameDialog(CDialogPresenter& presenter, QWidget* parent, const char* objectName,
                  const SLabels& labels, std::string& fileName, std::function<void()> browse);
  QLineEdit* FileName() const { return m_pFileName; }

 private:
  QLineEdit* m_pFileName;
};

}  // namespace zev
