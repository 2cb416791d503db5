#pragma once

#include "model/madm_doc.h"

namespace zev::examples {

// The example model of the project: choosing a laptop. Three levels under
// the top attribute, all three kinds of attribute, grades, utilities and
// weights of its own, and seven alternatives whose assessments are
// complete, incomplete (belief degrees summing to less than one) or
// uncertain (several possible values). Built only through the model's and
// the engine's own operations (rules propagated as the desktop program
// does), so that the same program always gives the same bytes.
void BuildLaptopModel(CMADMDoc& doc);

}  // namespace zev::examples
