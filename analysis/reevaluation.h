#pragma once

#include "model/madm_doc.h"

namespace zev {

// The one re-evaluation of the analysis windows: every alternative
// evaluated and ranked on the top attribute, every attribute's m_nMark and
// every alternative's m_nSelection kept.
void ReevaluateKeepingMarks(CMADMDoc& doc);

}  // namespace zev
