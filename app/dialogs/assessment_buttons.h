#pragma once

#include <functional>

class QBoxLayout;
class QWidget;

namespace zev {

class CAssessmentDialog;

// The buttons every assessment entry dialog offers: "&Provide Comments",
// for qualitative entry also "&Provide &Evidence" (through its own
// action), "Al&ternative Definition", "&Attribute Definition" and
// "Ho&w to Assess".
void AddAssessmentButtons(QWidget* dialog, QBoxLayout* layout, CAssessmentDialog& presenter,
                          std::function<void()> provideEvidence = nullptr);

}  // namespace zev
