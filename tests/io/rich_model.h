#pragma once

#include "model/madm_doc.h"

namespace zev::test {

// A model that uses every part of the file: three levels, all three kinds
// of attribute, grade counts from 2 to 7, rule matrices, texts with code
// page 1252 characters and texts longer than 255 bytes, and alternatives
// with complete, incomplete, uncertain and evaluated-looking records.
void BuildRichModel(CMADMDoc& doc);

}  // namespace zev::test
