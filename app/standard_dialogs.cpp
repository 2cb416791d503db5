#include "app/dialog_views.h"
#include "app/model_dialogs.h"

namespace zev {

void RegisterStandardDialogViews() {
  RegisterDialog<CDefineAttributePresenter, CDefineAttributeDialog>();
  RegisterDialog<CDefineAlternativePresenter, CDefineAlternativeDialog>();
  RegisterDialog<CTextPresenter, CTextDialog>();
}

}  // namespace zev
