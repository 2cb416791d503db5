#include "app/dialogs/add_from_file_dialog.h"

namespace zev {

CAddFromFileDialog::CAddFromFileDialog(CAddFromFilePresenter& p, QWidget* parent)
    : CFileNameDialog(p, parent, "addFromFileDialog",
                      {CAddFromFilePresenter::kPrompt, CAddFromFilePresenter::kFieldPath,
                       CAddFromFilePresenter::kBrowseLabel, CAddFromFilePresenter::kAddLabel,
                       CAddFromFilePresenter::kCancelLabel},
                      p.m_strPath, [&p] { p.Browse(); }),
      m_p(p) {}

}  // namespace zev
