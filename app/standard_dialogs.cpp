#include "app/conversion_dialogs.h"
#include "app/dialog_views.h"
#include "app/dialogs/dialog_views.h"
#include "app/entry_dialogs.h"
#include "app/model_dialogs.h"
#include "app/report_dialogs.h"

namespace zev {

void RegisterStandardDialogViews() {
  // Defining the model.
  RegisterDialog<CDefineAttributePresenter, CDefineAttributeDialog>();
  RegisterDialog<CDefineAlternativePresenter, CDefineAlternativeDialog>();
  RegisterDialog<CTextPresenter, CTextDialog>();
  RegisterDialog<CConvertGradesPresenter, CConvertGradesDialog>();
  RegisterDialog<CConvertValuesPresenter, CConvertValuesDialog>();
  // Entering assessments.
  RegisterDialog<CQualitativeEntryPage, CQualitativeEntryDialog>();
  RegisterDialog<CCertainValueEntry, CCertainValueDialog>();
  RegisterDialog<CPossibleValueCount, CPossibleValueCountDialog>();
  RegisterDialog<CUncertainEntryPage, CUncertainEntryDialog>();
  RegisterDialog<CGradeTextPresenter, CGradeTextDialog>();
  // Files of data and reports.
  RegisterDialog<CReadDataPresenter, CReadDataDialog>();
  RegisterDialog<CReportTypePresenter, CReportTypeDialog>();
  RegisterDialog<CReportOptionsPresenter, CReportOptionsDialog>();
  // The grade table, the meaning of a grade and the value/utility table.
  for (const SDialogView& view : DialogViews())
    RegisterDialogFactory(view.m_pszKind, view.m_create);
}

}  // namespace zev
