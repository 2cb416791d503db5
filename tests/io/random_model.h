#pragma once

#include "model/madm_doc.h"

namespace zev::test {

// A model drawn from `seed`: up to three levels with every kind of bottom
// attribute, 1 to 7 grades, best values above or below the worst, and
// alternatives with valid assessments of every kind. Names of attributes,
// grades and alternatives hold commas, quotes, semicolons, colons, line
// breaks, blanks at either end and code page 1252 characters beyond ASCII;
// alternative names repeat. Grade names are distinct within an attribute.
void BuildRandomModel(CMADMDoc& doc, unsigned seed);

}  // namespace zev::test
