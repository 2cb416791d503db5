#include "elicitation/report_type_presenter.h"

namespace zev {

const char* CReportTypePresenter::ChoiceLabel(int i) {
  switch (i) {
    case 0:
      return "Save the assessments for the selected ALTERNATIVE on all attributes";
    case 1:
      return "Save the assessments for the selected ATTRIBUTE at all alternatives";
    default:
      return "Save the assessments for ALL alternatives each on all attributes";
  }
}

}  // namespace zev
