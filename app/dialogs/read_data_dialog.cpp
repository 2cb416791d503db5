#include "app/dialogs/read_data_dialog.h"

namespace zev {

CReadDataDialog::CReadDataDialog(CReadDataPresenter& p, QWidget* parent)
    : CFileNameDialog(p, parent, "readDataDialog",
                      {CReadDataPresenter::kPrompt, CReadDataPresenter::kFieldFileName,
                       CReadDataPresenter::kBrowseLabel, CReadDataPresenter::kReadLabel,
                       CReadDataPresenter::kCancelLabel},
                      p.m_strFileName, [&p] { p.Browse(); }),
      m_p(p) {}

}  // namespace zev
