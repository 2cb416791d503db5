#include "app/dialogs/dialog_views.h"

#include "app/dialogs/grade_table_dialog.h"
#include "app/dialogs/value_utility_dialog.h"

namespace zev {

namespace {

// The factory of a view class V over its presenter class P.
template <typename V, typename P>
SDialogView View() {
  return {P::kKind, [](CDialogPresenter& p, QWidget* parent) -> QDialog* {
            return new V(static_cast<P&>(p), parent);
          }};
}

}  // namespace

const std::vector<SDialogView>& DialogViews() {
  static const std::vector<SDialogView> views = {
      View<CGradeTableDialog, CGradeTablePresenter>(),
      View<CGradeMeaningDialog, CGradeMeaningPresenter>(),
      View<CValueUtilityDialog, CValueUtilityPresenter>(),
  };
  return views;
}

}  // namespace zev
