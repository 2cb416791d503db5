#include "app/dialogs/add_from_file_dialog.h"
#include "app/dialogs/certain_value_dialog.h"
#include "app/dialogs/convert_grades_dialog.h"
#include "app/dialogs/convert_values_dialog.h"
#include "app/dialogs/curve_type_dialog.h"
#include "app/dialogs/data_input_method_dialog.h"
#include "app/dialogs/define_alternative_dialog.h"
#include "app/dialogs/define_attribute_dialog.h"
#include "app/dialogs/dialog_registry.h"
#include "app/dialogs/grade_meaning_dialog.h"
#include "app/dialogs/grade_table_dialog.h"
#include "app/dialogs/grade_text_dialog.h"
#include "app/dialogs/group_name_dialog.h"
#include "app/dialogs/method_choice_dialog.h"
#include "app/dialogs/pairwise_dialog.h"
#include "app/dialogs/possible_value_count_dialog.h"
#include "app/dialogs/qualitative_entry_dialog.h"
#include "app/dialogs/read_data_dialog.h"
#include "app/dialogs/report_options_dialog.h"
#include "app/dialogs/report_type_dialog.h"
#include "app/dialogs/select_attribute_dialog.h"
#include "app/dialogs/text_dialog.h"
#include "app/dialogs/uncertain_entry_dialog.h"
#include "app/dialogs/value_utility_dialog.h"
#include "app/dialogs/weight_scoring_dialog.h"

namespace zev {

void RegisterStandardDialogViews() {
  // Defining the model.
  RegisterDialog<CDefineAttributePresenter, CDefineAttributeDialog>();
  RegisterDialog<CDefineAlternativePresenter, CDefineAlternativeDialog>();
  RegisterDialog<CTextPresenter, CTextDialog>();
  RegisterDialog<CConvertGradesPresenter, CConvertGradesDialog>();
  RegisterDialog<CConvertValuesPresenter, CConvertValuesDialog>();
  RegisterDialog<CCurveTypePresenter, CCurveTypeDialog>();
  // Grades and utilities.
  RegisterDialog<CGradeTablePresenter, CGradeTableDialog>();
  RegisterDialog<CGradeMeaningPresenter, CGradeMeaningDialog>();
  RegisterDialog<CValueUtilityPresenter, CValueUtilityDialog>();
  RegisterDialog<CUtilityMethodPresenter, CMethodChoiceDialog>();
  RegisterDialog<CWeightMethodPresenter, CMethodChoiceDialog>();
  RegisterDialog<CPairwisePresenter, CPairwiseDialog>();
  RegisterDialog<CWeightScoringPresenter, CWeightScoringDialog>();
  // Entering assessments.
  RegisterDialog<CQualitativeEntryPage, CQualitativeEntryDialog>();
  RegisterDialog<CCertainValueEntry, CCertainValueDialog>();
  RegisterDialog<CPossibleValueCount, CPossibleValueCountDialog>();
  RegisterDialog<CUncertainEntryPage, CUncertainEntryDialog>();
  RegisterDialog<CGradeTextPresenter, CGradeTextDialog>();
  // The data entry walk and the other ways of entering data.
  RegisterDialog<CDataInputMethodPresenter, CDataInputMethodDialog>();
  RegisterDialog<CSelectAttributePresenter, CSelectAttributeDialog>();
  RegisterDialog<CAddFromFilePresenter, CAddFromFileDialog>();
  // Files of data and reports.
  RegisterDialog<CReadDataPresenter, CReadDataDialog>();
  RegisterDialog<CReportTypePresenter, CReportTypeDialog>();
  RegisterDialog<CReportOptionsPresenter, CReportOptionsDialog>();
  RegisterDialog<CGroupNamePresenter, CGroupNameDialog>();
}

}  // namespace zev
