#include "app/dialogs/dialog_views.h"

#include <cstring>

#include "app/dialogs/conversion_dialogs.h"
#include "app/dialogs/define_alternative_dialog.h"
#include "app/dialogs/define_attribute_dialog.h"
#include "app/dialogs/grade_table_dialog.h"
#include "app/dialogs/grade_text_dialog.h"
#include "app/dialogs/qualitative_entry_dialog.h"
#include "app/dialogs/text_dialog.h"
#include "app/dialogs/value_entry_dialogs.h"
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
      View<CDefineAttributeDialog, CDefineAttributePresenter>(),
      View<CDefineAlternativeDialog, CDefineAlternativePresenter>(),
      View<CTextDialog, CTextPresenter>(),
      View<CGradeTableDialog, CGradeTablePresenter>(),
      View<CGradeMeaningDialog, CGradeMeaningPresenter>(),
      View<CValueUtilityDialog, CValueUtilityPresenter>(),
      View<CQualitativeEntryDialog, CQualitativeEntryPage>(),
      View<CGradeTextDialog, CGradeTextPresenter>(),
      View<CCertainValueDialog, CCertainValueEntry>(),
      View<CPossibleValueCountDialog, CPossibleValueCount>(),
      View<CUncertainEntryDialog, CUncertainEntryPage>(),
      View<CConvertGradesDialog, CConvertGradesPresenter>(),
      View<CConvertValuesDialog, CConvertValuesPresenter>(),
  };
  return views;
}

QDialog* CreateDialogView(CDialogPresenter& presenter, QWidget* parent) {
  for (const SDialogView& v : DialogViews()) {
    if (std::strcmp(v.m_pszKind, presenter.DialogKind()) == 0) return v.m_create(presenter, parent);
  }
  return nullptr;
}

}  // namespace zev
